#include "masterdata/EmployeeSet.h"

TEmployeeSet::TEmployeeSet() : TMasterSet(Table())
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, true, QStringLiteral("ID"));
    NameFld = AddField<TWideStringField>(QStringLiteral("Name"), 30, true, QStringLiteral("姓名"));
    SexFld = AddField<TWideStringField>(QStringLiteral("Sex"), 2, true, QStringLiteral("性别"));
    TelFld = AddField<TWideStringField>(QStringLiteral("Tel"), 30, true, QStringLiteral("联系电话"));
    AddrFld = AddField<TWideStringField>(QStringLiteral("Addr"), 50, true, QStringLiteral("联系地址"));
    NoteFld = AddField<TMemoField>(QStringLiteral("Note"), -1, false, QStringLiteral("备注"));
}

const TMasterTable &TEmployeeSet::Table()
{
    static const TMasterTable table{
        QStringLiteral("employee"),
        {QStringLiteral("Name"), QStringLiteral("Sex"), QStringLiteral("Tel"),
         QStringLiteral("Addr"), QStringLiteral("[Note]")},
        QStringLiteral("Id"),
        {QStringLiteral("BuymanId"), QStringLiteral("HandmanId"), QStringLiteral("AppmanId")},
        {QStringLiteral("wareclass"), QStringLiteral("operator")},
        {}};
    return table;
}

REmployee TEmployeeSet::AsData() const
{
    return {IdFld->AsInteger(), TextOf(NameFld), TextOf(SexFld), TextOf(TelFld),
            TextOf(AddrFld), TextOf(NoteFld)};
}

void TEmployeeSet::SetAsData(const REmployee &data)
{
    EditOrAppend(data.Id);
    IdFld->SetValue(data.Id);
    NameFld->SetValue(data.Name);
    SexFld->SetValue(data.Sex);
    TelFld->SetValue(data.Tel);
    AddrFld->SetValue(data.Addr);
    NoteFld->SetValue(data.Note);
    DataSet()->Post();
}

bool TEmployeeSet::Check(const REmployee &data, QString *message)
{
    if (!data.Name.trimmed().isEmpty())
        return true;
    if (message)
        *message = QStringLiteral("名称不能为空");
    return false;
}

bool TEmployeeSet::Save(REmployee &data)
{
    return Table().Save({DBParam(QStringLiteral("Name"), data.Name),
                         DBParam(QStringLiteral("Sex"), data.Sex),
                         DBParam(QStringLiteral("Tel"), data.Tel),
                         DBParam(QStringLiteral("Addr"), data.Addr),
                         DBParam(QStringLiteral("Note"), data.Note)},
                        data.Id);
}

bool TEmployeeSet::Delete(int id, QString *error)
{
    return Table().Delete(
        id,
        {QStringLiteral("update [operator] set EmployeeId=null where EmployeeId=:Id"),
         QStringLiteral("update wareclass set BuymanId=null where BuymanId=:Id")},
        error);
}

bool TEmployeeSet::GetById(int id, REmployee &data)
{
    TEmployeeSet set;
    if (!set.LoadById(id))
        return false;
    data = set.AsData();
    return true;
}
