#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class TDataSet;

// The process-wide formats: dates yyyy-mm-dd, date-times yyyy-mm-dd hh:nn:ss.
inline constexpr const char *ShortDateFormat = "yyyy-MM-dd";
inline constexpr const char *DateTimeFormat = "yyyy-MM-dd hh:mm:ss";

QString DateText(const QDateTime &value);
QString DateText(const QDate &value);
QString TodayText();
QString DateTimeText(const QDateTime &value);
// Parses "yyyy-MM-dd", "yyyy-MM-dd hh:mm:ss" (also with a 'T', fractions ignored);
// invalid when the text is none of these.
QDateTime ParseDateTime(QStringView text);

// True when the data set is open; otherwise tells the operator to open it first.
bool CheckActive(const TDataSet *dataSet);

// The amount in Chinese capital numerals: 1234.50 → 壹仟贰佰叁拾肆元伍角.
// Raises EConvertError for a negative amount or one beyond 9 999 999 999 999.99.
QString AmountInWords(double amount);

// Rounds half away from zero to the given number of decimals.
double RoundTo(double value, int decimals);

// Number formatting with patterns such as "0.00", ",0.00", "#,##0.###", "0".
QString FormatFloat(const QString &format, double value);
