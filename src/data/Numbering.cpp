#include "data/Numbering.h"

#include "data/Database.h"
#include "data/Dialect.h"
#include "data/Exceptions.h"
#include "data/RecordSet.h"

QString NextBillCode(const QString &prefix, const QString &table)
{
    return NextBillCode(TheDatabase(), prefix, table);
}

QString NextBillCode(TDatabase &database, const QString &prefix, const QString &table)
{
    // Both the search and the written code take the month from the server's clock, so
    // that two workstations whose clocks disagree at a month end number alike.
    const QString stem = prefix + database.ServerNow().toString(QStringLiteral("yyMM"));
    const QString pattern = database.Dialect().QuoteText(stem + u'%');
    // Past 9999 the sequence grows a digit; the longest codes hold the greatest sequence.
    TRecordSet set(database);
    set.OpenSQL(QStringLiteral("select max(Code) from %1 where Code like %2 and length(Code)="
                               "(select max(length(Code)) from %1 where Code like %2)")
                    .arg(table, pattern));
    const QString last = set.DataSet()->Field(0)->AsString();
    int sequence = 1;
    if (!last.isEmpty()) {
        bool ok = false;
        const QString digits = last.mid(stem.size());
        sequence = digits.toInt(&ok) + 1;
        if (!ok || digits.isEmpty())
            throw EConvertError(QStringLiteral("'%1' 不是有效的整数值").arg(digits));
    }
    return stem + QStringLiteral("%1").arg(sequence, 4, 10, QLatin1Char('0'));
}

int NewId(const QString &table, const QString &keyField)
{
    return NewId(TheDatabase(), table, keyField);
}

int NewId(TDatabase &database, const QString &table, const QString &keyField)
{
    TRecordSet set(database);
    set.OpenSQL(QStringLiteral("select max(%1) from %2").arg(keyField, table));
    return set.DataSet()->Field(0)->AsInteger() + 1;
}
