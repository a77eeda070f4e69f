#include "masterdata/ItemSet.h"

TItemSet::TItemSet(const TMasterTable &table, int nameSize, int noteSize,
                   const QString &nameCaption)
    : TMasterSet(table)
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, true, QStringLiteral("ID"));
    NameFld = AddField<TWideStringField>(QStringLiteral("Name"), nameSize, true, nameCaption);
    NoteFld = AddField<TWideStringField>(QStringLiteral("Note"), noteSize, true,
                                         QStringLiteral("备注"));
}

RItem TItemSet::AsData() const
{
    return {IdFld->AsInteger(), TextOf(NameFld), TextOf(NoteFld)};
}

void TItemSet::SetAsData(const RItem &data)
{
    EditOrAppend(data.Id);
    IdFld->SetValue(data.Id);
    NameFld->SetValue(data.Name);
    NoteFld->SetValue(data.Note);
    DataSet()->Post();
}

bool TItemSet::Check(const RItem &data, QString *message)
{
    if (!data.Name.trimmed().isEmpty())
        return true;
    if (message)
        *message = QStringLiteral("\r\n名称不能为空");
    return false;
}

bool TItemSet::SaveItem(const TMasterTable &table, RItem &data)
{
    return table.Save({DBParam(QStringLiteral("Name"), data.Name),
                       DBParam(QStringLiteral("Note"), data.Note)},
                      data.Id);
}

TMasterTable TItemSet::MakeTable(const QString &name, const QStringList &referringColumns,
                                 const QStringList &extraReferences)
{
    return {name, {QStringLiteral("Name"), QStringLiteral("[Note]")}, QStringLiteral("Id"),
            referringColumns, {}, extraReferences};
}

const TMasterTable &TBankSet::Table()
{
    static const TMasterTable table = MakeTable(QStringLiteral("fn_bank"),
                                                {QStringLiteral("BankId")}, {});
    return table;
}

const TMasterTable &TbuPlanTypeSet::Table()
{
    static const TMasterTable table = MakeTable(QStringLiteral("buplantype"), {},
                                                {QStringLiteral("buplanfrm.TypeId")});
    return table;
}

const TMasterTable &TbuOrderTypeSet::Table()
{
    static const TMasterTable table = MakeTable(QStringLiteral("buordertype"), {},
                                                {QStringLiteral("buorderfrm.TypeId")});
    return table;
}

const TMasterTable &TShldoutItemSet::Table()
{
    static const TMasterTable table = MakeTable(QStringLiteral("shouldout_item"), {},
                                                {QStringLiteral("shouldout.ItemId")});
    return table;
}
