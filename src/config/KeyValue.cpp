#include "config/KeyValue.h"

#include "data/Database.h"
#include "data/RecordSet.h"

QVariant TKeyValue::GetValue(int key)
{
    TRecordSet set;
    if (set.OpenSQL(QStringLiteral("select [Value] from [keyvalue] where [KeyId]=:KeyId1"),
                    {DBParam(QStringLiteral("KeyId1"), key)})
        == 0)
        return QVariant();
    return set.DataSet()->Field(0)->Value();
}

int TKeyValue::GetIntDef(int key, int defaultValue)
{
    const QVariant value = GetValue(key);
    if (value.isNull())
        return defaultValue;
    bool ok = false;
    const int result = value.toString().trimmed().toInt(&ok);
    return ok ? result : defaultValue;
}

void TKeyValue::SetValue(int key, const QVariant &value)
{
    // The column holds text in both dialects: store numbers as their text.
    const QVariant stored = value.isNull() ? QVariant() : QVariant(value.toString());
    const TDBParameters params = {DBParam(QStringLiteral("KeyId"), key),
                                  DBParam(QStringLiteral("Value"), stored)};
    TRecordSet set;
    if (set.OpenSQL(QStringLiteral("select KeyId from keyvalue where KeyId=:KeyId"),
                    {params.first()})
        == 0)
        TheDatabase().ExecCommand(
            QStringLiteral("insert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)"),
            params);
    else
        TheDatabase().ExecCommand(
            QStringLiteral("update keyvalue set [Value]=:Value where KeyId=:KeyId"), params);
}
