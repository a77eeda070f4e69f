#include "masterdata/HouseSet.h"

THouseSet::THouseSet() : TMasterSet(Table())
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, false, QStringLiteral("ID"));
    NameFld = AddField<TWideStringField>(QStringLiteral("Name"), 30, true, QStringLiteral("名称"));
    MgrFld = AddField<TWideStringField>(QStringLiteral("Mgr"), 30, true, QStringLiteral("负责人"));
    TelFld = AddField<TWideStringField>(QStringLiteral("Tel"), 50, true, QStringLiteral("电话"));
    NoteFld = AddField<TWideStringField>(QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
}

const TMasterTable &THouseSet::Table()
{
    static const TMasterTable table{
        QStringLiteral("warehouse"),
        {QStringLiteral("Name"), QStringLiteral("Mgr"), QStringLiteral("Tel"),
         QStringLiteral("[Note]")},
        QStringLiteral("Id"), {QStringLiteral("HouseId")}, {}, {}};
    return table;
}

RHouse THouseSet::AsData() const
{
    return {IdFld->AsInteger(), TextOf(NameFld), TextOf(MgrFld), TextOf(TelFld), TextOf(NoteFld)};
}

void THouseSet::SetAsData(const RHouse &data)
{
    EditOrAppend(data.Id);
    IdFld->SetValue(data.Id);
    NameFld->SetValue(data.Name);
    MgrFld->SetValue(data.Mgr);
    TelFld->SetValue(data.Tel);
    NoteFld->SetValue(data.Note);
    DataSet()->Post();
}

bool THouseSet::Check(const RHouse &data, QString *message)
{
    if (!data.Name.trimmed().isEmpty())
        return true;
    if (message)
        *message = QStringLiteral("名称不能为空");
    return false;
}

bool THouseSet::Save(RHouse &data)
{
    return Table().Save({DBParam(QStringLiteral("Name"), data.Name),
                         DBParam(QStringLiteral("Mgr"), data.Mgr),
                         DBParam(QStringLiteral("Tel"), data.Tel),
                         DBParam(QStringLiteral("Note"), data.Note)},
                        data.Id);
}

bool THouseSet::Delete(int id, QString *error)
{
    return Table().Delete(id, {}, error);
}

bool THouseSet::GetById(int id, RHouse &data)
{
    THouseSet set;
    if (!set.LoadById(id))
        return false;
    data = set.AsData();
    return true;
}
