#include "data/KeyValueSet.h"

#include "data/Database.h"
#include "data/RecordSet.h"

bool TKeyValueSet::ReadKey(int key, KeyData &data)
{
    return ReadKey(TheDatabase(), key, data);
}

bool TKeyValueSet::WriteKey(int key, const KeyData &data)
{
    return WriteKey(TheDatabase(), key, data);
}

bool TKeyValueSet::ReadKey(TDatabase &database, int key, KeyData &data)
{
    TRecordSet set(database);
    if (set.OpenSQL(QStringLiteral("select Vstr, Vint, Vfloat, Vbool from keyvalue where KeyId=:Id"),
                    {DBParam(QStringLiteral("Id"), key)})
        != 1)
        return false;
    const TDataSet *d = set.DataSet();
    data.Vstr = d->Field(0)->AsString();
    data.Vint = d->Field(1)->AsInteger();
    data.Vfloat = d->Field(2)->AsFloat();
    data.Vbool = d->Field(3)->AsBoolean();
    return true;
}

bool TKeyValueSet::WriteKey(TDatabase &database, int key, const KeyData &data)
{
    const TDBParameters params = {
        DBParam(QStringLiteral("Vstr"), data.Vstr), DBParam(QStringLiteral("Vint"), data.Vint),
        DBParam(QStringLiteral("Vfloat"), data.Vfloat),
        DBParam(QStringLiteral("Vbool"), data.Vbool), DBParam(QStringLiteral("Id"), key)};
    if (database.ExecSQL(QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, "
                                        "Vfloat=:Vfloat, Vbool=:Vbool where KeyId=:Id"),
                         params)
        == 1)
        return true;
    return database.ExecSQL(QStringLiteral("insert into keyvalue(Vstr, Vint, Vfloat, Vbool, KeyId)"
                                           "values(:Vstr, :Vint, :Vfloat, :Vbool, :Id)"),
                            params)
        == 1;
}

QString TKeyValueSet::ReadText(int key)
{
    KeyData data;
    return ReadKey(key, data) ? data.Vstr : QString();
}

bool TKeyValueSet::WriteText(int key, const QString &text)
{
    KeyData data;
    data.Vstr = text;
    return WriteKey(key, data);
}
