#pragma once

#include "data/DataSet.h"

#include <QDateTime>

// A small line set as bills and lists have it: a hidden key, codes, names, numbers, a
// read-only amount, a date and a memo.
inline void FillLines(TDataSet &ds, const QList<QVariantList> &rows)
{
    ds.AddField<TIntegerField>(QStringLiteral("Id"), false, QStringLiteral("编号"));
    ds.AddField<TStringField>(QStringLiteral("Code"), true, QStringLiteral("代码"))->Size = 10;
    ds.AddField<TWideStringField>(QStringLiteral("Name"), true, QStringLiteral("名称"))->Size = 20;
    ds.AddField<TFloatField>(QStringLiteral("Qty"), true, QStringLiteral("数量"));
    ds.AddField<TCurrencyField>(QStringLiteral("Amount"), true, QStringLiteral("金额"))
        ->ReadOnly = true;
    ds.AddField<TDateTimeField>(QStringLiteral("BizDate"), true, QStringLiteral("日期"));
    ds.AddField<TMemoField>(QStringLiteral("Note"), true, QStringLiteral("备注"));
    ds.BeginLoad(int(rows.size()));
    for (const QVariantList &row : rows) {
        QVariant *values = ds.AppendLoadRow();
        for (int c = 0; c < ds.FieldCount(); ++c)
            values[c] = row.value(c);
    }
    ds.EndLoad();
}

inline QList<QVariantList> SampleRows()
{
    const QDateTime d(QDate(2026, 12, 1), QTime(0, 0));
    return {
        {1, "A02", "螺栓, M8", 10.0, 25.5, d, "第一行"},
        {2, "A01", "垫片", 3.0, 1234.0, d.addDays(1), QVariant()},
        {3, "B01", "螺栓 M10", 5.5, QVariant(), d.addDays(2), "多行\n备注"},
        {4, "A01", "轴承", 2.0, 80.0, QVariant(), QVariant()},
    };
}
