#include "masterdata/WareCaptions.h"

#include "config/Settings.h"

namespace {
// The columns of ware behind WareS01 … WareS12 and WareF01 … WareF05, in order.
const char *const Columns[] = {"Code", "Name", "LookId", "PartNo", "Brand", "Package",
                               "Barcode", "S08", "S09", "S10", "S11", "Unit",
                               "F01", "F02", "F03", "F04", "F05"};
} // namespace

namespace WareCaptions {
QString Caption(const QString &name)
{
    return ::Caption(name);
}

QStringList TextNames()
{
    QStringList names;
    for (int i = 1; i <= 12; ++i)
        names << QStringLiteral("WareS%1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

QStringList NumberNames()
{
    QStringList names;
    for (int i = 1; i <= 5; ++i)
        names << QStringLiteral("WareF%1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

QString SelectList(const QString &alias)
{
    QStringList parts;
    for (const QString &name : TextNames())
        parts << QStringLiteral("%1.%2 as %3").arg(alias, ColumnOf(name), name);
    return parts.join(QStringLiteral(", "));
}

QString ColumnOf(const QString &name)
{
    const QStringList names = TextNames() + NumberNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return QLatin1String(Columns[i]);
    return QString();
}
} // namespace WareCaptions
