#include "masterdata/DeptSet.h"

TDeptSet::TDeptSet() : TMasterSet(Table())
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, false, QStringLiteral("ID"));
    NameFld = AddField<TWideStringField>(QStringLiteral("Name"), 20, true, QStringLiteral("名称"));
    MgrFld = AddField<TWideStringField>(QStringLiteral("Mgr"), 30, true, QStringLiteral("负责人"));
    TelFld = AddField<TWideStringField>(QStringLiteral("Tel"), 50, true, QStringLiteral("电话"));
    AddrFld = AddField<TWideStringField>(QStringLiteral("Addr"), 50, true, QStringLiteral("地址"));
    NoteFld = AddField<TWideStringField>(QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
}

const TMasterTable &TDeptSet::Table()
{
    static const TMasterTable table{
        QStringLiteral("departments"),
        {QStringLiteral("Name"), QStringLiteral("Mgr"), QStringLiteral("Tel"),
         QStringLiteral("Addr"), QStringLiteral("[Note]")},
        QStringLiteral("Id"), {QStringLiteral("DeptId")}, {}, {}};
    return table;
}

RDept TDeptSet::AsData() const
{
    return {IdFld->AsInteger(), TextOf(NameFld), TextOf(MgrFld), TextOf(TelFld),
            TextOf(AddrFld), TextOf(NoteFld)};
}

void TDeptSet::SetAsData(const RDept &data)
{
    EditOrAppend(data.Id);
    IdFld->SetValue(data.Id);
    NameFld->SetValue(data.Name);
    MgrFld->SetValue(data.Mgr);
    TelFld->SetValue(data.Tel);
    AddrFld->SetValue(data.Addr);
    NoteFld->SetValue(data.Note);
    DataSet()->Post();
}

bool TDeptSet::Check(const RDept &data, QString *message)
{
    if (!data.Name.trimmed().isEmpty())
        return true;
    if (message)
        *message = QStringLiteral("名称不能为空");
    return false;
}

bool TDeptSet::Save(RDept &data)
{
    return Table().Save({DBParam(QStringLiteral("Name"), data.Name),
                         DBParam(QStringLiteral("Mgr"), data.Mgr),
                         DBParam(QStringLiteral("Tel"), data.Tel),
                         DBParam(QStringLiteral("Addr"), data.Addr),
                         DBParam(QStringLiteral("Note"), data.Note)},
                        data.Id);
}

bool TDeptSet::Delete(int id, QString *error)
{
    return Table().Delete(id, {}, error);
}

bool TDeptSet::GetById(int id, RDept &data)
{
    TDeptSet set;
    if (!set.LoadById(id))
        return false;
    data = set.AsData();
    return true;
}
