#include "config/KeyValue2.h"

namespace {
const QString SelectRows = QStringLiteral("select KeyId, Vint, Vstr, Vfloat, Vbool from keyvalue");
}

TKeyValue2::TKeyValue2()
{
    KeyIdFld = AddField<TIntegerField>(QStringLiteral("KeyId"));
    VintFld = AddField<TIntegerField>(QStringLiteral("Vint"));
    VstrFld = AddField<TMemoField>(QStringLiteral("Vstr"));
    VfloatFld = AddField<TFloatField>(QStringLiteral("Vfloat"));
    VboolFld = AddField<TBooleanField>(QStringLiteral("Vbool"));
}

void TKeyValue2::OpenRows()
{
    OpenSQL(SelectRows);
}

bool TKeyValue2::FindKey(int key)
{
    return DataSet()->Locate(QStringLiteral("KeyId"), key);
}

void TKeyValue2::LocateKey(int key)
{
    if (!DataSet()->Active())
        OpenRows();
    if (FindKey(key))
        return;
    Database().ExecCommand(QStringLiteral("insert into keyvalue(KeyId) values (:KeyId)"),
                           {DBParam(QStringLiteral("KeyId"), key)});
    OpenRows();
    FindKey(key);
}

int TKeyValue2::GetInt(int key)
{
    LocateKey(key);
    return VintFld->AsInteger();
}

bool TKeyValue2::SetInt(int key, int value)
{
    LocateKey(key);
    return WriteRow(key, QString(), value, 0, true);
}

bool TKeyValue2::GetBool(int key)
{
    LocateKey(key);
    return VboolFld->AsBoolean();
}

void TKeyValue2::SetBool(int key, bool value)
{
    LocateKey(key);
    WriteRow(key, QString(), 0, 0, value);
}

bool TKeyValue2::WriteRow(int key, const QString &text, int value, double number, bool flag)
{
    const TDBParameters params = {
        DBParam(QStringLiteral("Vstr"), text), DBParam(QStringLiteral("Vint"), value),
        DBParam(QStringLiteral("Vfloat"), number), DBParam(QStringLiteral("Vbool"), flag),
        DBParam(QStringLiteral("KeyId"), key)};
    bool written = Database().ExecSQL(QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, "
                                                     "Vfloat=:Vfloat, Vbool=:Vbool "
                                                     "where KeyId=:KeyId"),
                                      params)
        == 1;
    if (!written)
        written = Database().ExecSQL(QStringLiteral("insert into keyvalue(Vstr, Vint, Vfloat, "
                                                    "Vbool, KeyId)values(:Vstr, :Vint, "
                                                    ":Vfloat, :Vbool, :KeyId)"),
                                     params)
            == 1;
    if (!written || !DataSet()->Active())
        return written;
    TDataSet *d = DataSet();
    if (FindKey(key))
        d->Edit();
    else
        d->Append();
    KeyIdFld->SetValue(key);
    VstrFld->SetValue(text);
    VintFld->SetValue(value);
    VfloatFld->SetValue(number);
    VboolFld->SetValue(flag);
    d->Post();
    return true;
}

void TKeyValue2::Reopen()
{
    Close();
}

TKeyValue2 &TheKeyValue2()
{
    static TKeyValue2 *keyValue = new TKeyValue2;
    return *keyValue;
}
