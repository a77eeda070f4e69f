#pragma once

#include "reports/ReportTemplate.h"

#include <QList>
#include <QString>

class TDatabase;

// The layouts a new installation starts with: one "标准格式" per report group. Bills get a
// bill layout (company, title, header fields, line table, sums, the amount in capitals,
// signatures), lists and reports a list layout (the visible columns of "d0", the criteria
// of "d1" where the group has them).
struct TReportGroup
{
    int Group = 0;
    QString Title;              // the printout's title
    enum class Kind { Bill, BillWithoutLines, List, ListWithCriteria } Layout = Kind::List;
};
const QList<TReportGroup> &ReportGroups();
const TReportGroup *FindReportGroup(int group);

TReportTemplate StandardBillTemplate(const QString &title, bool lines = true,
                                     const QString &columns = QString());
TReportTemplate StandardListTemplate(const QString &title, bool criteria);
// The standard layout of a group; a list layout titled "报表" for a group not listed.
TReportTemplate StandardTemplate(int group);
inline constexpr const char *StandardTemplateTitle = "标准格式";

// Writes the standard templates into the report table (inside the caller's transaction).
void WriteStandardTemplates(TDatabase &database);
// Makes every new database carry the standard templates (a row provider of the schema).
void RegisterStandardTemplates();
