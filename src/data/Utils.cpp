#include "data/Utils.h"

#include "data/DataSet.h"
#include "data/Exceptions.h"
#include "data/Messages.h"

#include <QLocale>

#include <cmath>

QString DateText(const QDateTime &value)
{
    return value.isValid() ? value.date().toString(QLatin1String(ShortDateFormat)) : QString();
}

QString DateText(const QDate &value)
{
    return value.isValid() ? value.toString(QLatin1String(ShortDateFormat)) : QString();
}

QString TodayText()
{
    return DateText(QDateTime::currentDateTime());
}

QString DateTimeText(const QDateTime &value)
{
    return value.isValid() ? value.toString(QLatin1String(DateTimeFormat)) : QString();
}

namespace {
int Digits(QStringView text, qsizetype from, int count, bool *ok)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = text[from + i];
        if (c < u'0' || c > u'9') {
            *ok = false;
            return 0;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}
} // namespace

QDateTime ParseDateTime(QStringView text)
{
    // Hand-written: loading a large select parses many of these.
    text = text.trimmed();
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
        return {};
    bool ok = true;
    const QDate date(Digits(text, 0, 4, &ok), Digits(text, 5, 2, &ok), Digits(text, 8, 2, &ok));
    if (!ok || !date.isValid())
        return {};
    if (text.size() == 10)
        return QDateTime(date, QTime(0, 0));
    if (text.size() < 19 || (text[10] != u' ' && text[10] != u'T') || text[13] != u':'
        || text[16] != u':')
        return {};
    const QTime time(Digits(text, 11, 2, &ok), Digits(text, 14, 2, &ok),
                     Digits(text, 17, 2, &ok));
    if (!ok || !time.isValid())
        return {};
    return QDateTime(date, time);
}

bool CheckActive(const TDataSet *dataSet)
{
    if (dataSet && dataSet->Active())
        return true;
    ShowInfo(QStringLiteral("\r\n系统提示：请先打开数据集再操作."));
    return false;
}

QString AmountInWords(double amount)
{
    if (amount < 0 || amount > 9999999999999.99 || std::isnan(amount))
        throw EConvertError(QStringLiteral("金额 %1 不能转换为大写").arg(amount, 0, 'f', 2));
    // Whole cents, halves to even as the platform rounds.
    const qint64 cents = qint64(std::nearbyint(amount * 100.0));
    const QString digits = QStringLiteral("%1").arg(cents, 15, 10, QLatin1Char(' '));
    static const QString chars = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    static const QString units = QStringLiteral("万仟佰拾亿仟佰拾万仟佰拾元角分");
    QString text;
    for (int i = 0; i < 15; ++i) {
        if (digits[i] == u' ')
            continue;
        text += chars[digits[i].unicode() - u'0'];
        text += units[i];
    }
    static const char16_t *const replacements[][2] = {
        {u"零元", u"元"}, {u"零拾", u"零"}, {u"零佰", u"零"}, {u"零仟", u"零"},
        {u"零万", u"万"}, {u"零亿", u"亿"}, {u"亿万", u"亿"}, {u"零零零", u"零"},
        {u"零零", u"零"}, {u"零万", u"万"}, {u"零亿", u"亿"}, {u"亿万", u"亿"},
        {u"零元", u"元"},
    };
    for (const auto &r : replacements)
        text.replace(QString::fromUtf16(r[0]), QString::fromUtf16(r[1]));
    if (text.contains(QStringLiteral("零分")))
        text.replace(QStringLiteral("零角"), QStringLiteral("整"));
    else
        text.replace(QStringLiteral("零角"), QStringLiteral("零"));
    text.remove(QStringLiteral("零分"));
    // Zero cents: the whole text is 零元 … reduced to 元整; an amount of 0 gives nothing.
    if (cents == 0)
        return QString();
    return text;
}

double RoundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double whole = std::trunc(scaled);
    // 1.005 is stored as 1.00499…: a fraction within the representation error of one half
    // counts as a half, and halves go away from zero.
    const double tolerance = std::max(1e-12, std::fabs(scaled) * 1e-15);
    if (std::fabs(std::fabs(scaled - whole) - 0.5) <= tolerance)
        return (whole + (scaled >= 0 ? 1.0 : -1.0)) / scale;
    return std::round(scaled) / scale;
}

QString FormatFloat(const QString &format, double value)
{
    if (format.isEmpty())
        return QString::number(value, 'g', 15);
    const bool thousands = format.contains(u',');
    const qsizetype dot = format.indexOf(u'.');
    int required = 0;
    int optional = 0;
    if (dot >= 0) {
        for (qsizetype i = dot + 1; i < format.size(); ++i) {
            if (format[i] == u'0')
                ++required;
            else if (format[i] == u'#')
                ++optional;
            else
                break;
        }
    }
    const int decimals = required + optional;
    const double rounded = RoundTo(value, decimals);
    QString text = QString::number(std::fabs(rounded), 'f', decimals);
    if (optional > 0) {
        qsizetype end = text.size();
        int removable = optional;
        while (removable > 0 && text[end - 1] == u'0') {
            --end;
            --removable;
        }
        text.truncate(end);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (thousands) {
        qsizetype point = text.indexOf(u'.');
        if (point < 0)
            point = text.size();
        for (qsizetype i = point - 3; i > 0; i -= 3)
            text.insert(i, u',');
    }
    return rounded < 0 ? QStringLiteral("-") + text : text;
}
