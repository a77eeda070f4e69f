#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct KeyData;

// What the program loads from the settings store when it starts: the display formats and
// decimal places, the labels' captions and the other process-wide settings.
void LoadCommonSettings();
// True when the company record has no name yet (a new database).
bool CompanyInfoEmpty();

// Display formats. Until the settings are loaded quantities and prices show 8 decimals.
QString DecimalFormat(int places);          // "0." followed by that many "0"
QString QtyFormat();
QString PriceFormat();
QString MoneyFormat();                      // "0.00"
int QtyDecimals();
int PriceDecimals();

// The caption of a label (WareS01 …, InquiryBillName …) as loaded; the name when undefined.
QString Caption(const QString &name);

// The labels the options dialog edits, in groups.
struct RLabelGroup
{
    QString Name;
    QStringList Names;
};
const QList<RLabelGroup> &LabelGroups();

// Settings of the sales and warehouse documents loaded with the others (opaque here);
// false when the key was not loaded or has no row.
bool CommonSetting(int key, KeyData &data);
