#include "masterdata/SuppwareSet.h"

#include "data/Dialect.h"
#include "masterdata/MasterSet.h"
#include "masterdata/WareCaptions.h"

TSuppwareWhere::TSuppwareWhere()
{
    SupplierIdFld = AddField<TIntegerField>(QStringLiteral("SupplierId"), true);
    SuppNameFld = AddFieldDef<TWideStringField>(QStringLiteral("SuppName"), 50, true);
    SuppCreditsFld = AddFieldDef<TWideStringField>(QStringLiteral("SuppCredits"), 30, true);
    WareIdFld = AddField<TIntegerField>(QStringLiteral("WareId"), true);
    for (int i = 0; i < 5; ++i)
        WareSFld[size_t(i)] = AddFieldDef<TWideStringField>(WareCaptions::TextNames()[i], 50,
                                                            true);
    CreateCriteriaRow();
}

QString TSuppwareWhere::Conditions(const TDatabase &database) const
{
    TWhereBuilder b(database);
    b.Link(QStringLiteral("s.Id"), SupplierIdFld)
        .Contains(QStringLiteral("s.Name"), SuppNameFld)
        .AddIf(TWhereBuilder::IsTextSet(SuppCreditsFld),
               QStringLiteral("s.Credits=")
                   + database.Dialect().QuoteText(SuppCreditsFld->AsString()))
        .Link(QStringLiteral("w.Id"), WareIdFld);
    for (int i = 0; i < 5; ++i)
        b.Contains(QStringLiteral("w.") + WareCaptions::ColumnOf(WareCaptions::TextNames()[i]),
                   WareSFld[size_t(i)]);
    return b.AsWhere();
}

TSuppwareSet::TSuppwareSet() : m_where(new TSuppwareWhere)
{
    m_where->setParent(this);
    auto text = [this](const char *name, int size, const char *caption, bool visible = true) {
        return AddField<TWideStringField>(QLatin1String(name), size, visible,
                                          QString::fromUtf8(caption));
    };
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, false);
    SupplierIdFld = AddField<TIntegerField>(QStringLiteral("SupplierId"), -1, false);
    SuppNameFld = text("SuppName", 50, "供应商");
    SuppLinkmanFld = text("SuppLinkman", 30, "联系人");
    SuppMobileFld = text("SuppMobile", 50, "手机号码");
    SuppTelFld = text("SuppTel", 50, "联系电话");
    SuppFaxFld = text("SuppFax", 50, "传真号码");
    SuppAddrFld = text("SuppAddr", 50, "联系地址");
    SuppCreditsFld = text("SuppCredits", 30, "信用评价");
    WareIdFld = AddField<TIntegerField>(QStringLiteral("WareId"), -1, false);
    const QStringList names = WareCaptions::TextNames();
    for (int i = 0; i < 12; ++i)
        WareSFld[size_t(i)] = AddField<TWideStringField>(names[i], 50, true,
                                                         WareCaptions::Caption(names[i]));
    PriceFld = AddField<TFloatField>(QStringLiteral("Price"), -1, true, QStringLiteral("单价"));
    TaxPriceFld = AddField<TFloatField>(QStringLiteral("TaxPrice"), -1, true,
                                        QStringLiteral("含税价"));
    NotesFld = text("Notes", 250, "备注");
}

const TMasterTable &TSuppwareSet::Table()
{
    static const TMasterTable table{
        QStringLiteral("suppwares"),
        {QStringLiteral("SupplierId"), QStringLiteral("WareId"), QStringLiteral("Price"),
         QStringLiteral("TaxPrice"), QStringLiteral("Notes")},
        QStringLiteral("Id"), {}, {}, {}};
    return table;
}

QString TSuppwareSet::SelectSql()
{
    return QStringLiteral("select m.Id, m.SupplierId, s.Name as SuppName, "
                          "s.Linkman as SuppLinkman, "
                          "s.Mobile as SuppMobile, s.Tel as SuppTel, s.Fax as SuppFax, "
                          "s.Addr as SuppAddr, s.Credits as SuppCredits, m.WareId, %1, "
                          "m.Price, m.TaxPrice, m.Notes from ((suppwares m "
                          "left join supplier s on m.SupplierId=s.Id) "
                          "left join ware w on m.WareId=w.Id)")
        .arg(WareCaptions::SelectList());
}

int TSuppwareSet::Load()
{
    m_where->FlushEdits();
    return OpenSQL(SelectSql() + m_where->Conditions(Database()));
}

RSuppware TSuppwareSet::AsData() const
{
    RSuppware r;
    r.Id = IdFld->AsInteger();
    r.SupplierId = SupplierIdFld->AsInteger();
    r.WareId = WareIdFld->AsInteger();
    r.Price = OptFloat(PriceFld);
    r.TaxPrice = OptFloat(TaxPriceFld);
    r.Notes = TextOf(NotesFld);
    r.SuppName = TextOf(SuppNameFld);
    r.SuppLinkman = TextOf(SuppLinkmanFld);
    r.SuppMobile = TextOf(SuppMobileFld);
    r.SuppTel = TextOf(SuppTelFld);
    r.SuppFax = TextOf(SuppFaxFld);
    r.SuppAddr = TextOf(SuppAddrFld);
    r.SuppCredits = TextOf(SuppCreditsFld);
    for (size_t i = 0; i < 12; ++i)
        r.WareS[i] = TextOf(WareSFld[i]);
    return r;
}

void TSuppwareSet::SetAsData(const RSuppware &data)
{
    TDataSet *d = DataSet();
    if (!d->Active())
        d->Open();
    if (data.Id > 0 && d->Locate(QStringLiteral("Id"), data.Id))
        d->Edit();
    else
        d->Append();
    IdFld->SetValue(data.Id);
    SupplierIdFld->SetValue(data.SupplierId);
    WareIdFld->SetValue(data.WareId);
    PriceFld->SetValue(Nullable(data.Price));
    TaxPriceFld->SetValue(Nullable(data.TaxPrice));
    NotesFld->SetValue(data.Notes);
    SuppNameFld->SetValue(data.SuppName);
    SuppLinkmanFld->SetValue(data.SuppLinkman);
    SuppMobileFld->SetValue(data.SuppMobile);
    SuppTelFld->SetValue(data.SuppTel);
    SuppFaxFld->SetValue(data.SuppFax);
    SuppAddrFld->SetValue(data.SuppAddr);
    SuppCreditsFld->SetValue(data.SuppCredits);
    for (size_t i = 0; i < 12; ++i)
        WareSFld[i]->SetValue(data.WareS[i]);
    d->Post();
}

bool TSuppwareSet::Save(RSuppware &data)
{
    return Table().Save({DBParam(QStringLiteral("SupplierId"), data.SupplierId),
                         DBParam(QStringLiteral("WareId"), data.WareId),
                         DBParam(QStringLiteral("Price"), Nullable(data.Price)),
                         DBParam(QStringLiteral("TaxPrice"), Nullable(data.TaxPrice)),
                         DBParam(QStringLiteral("Notes"), data.Notes)},
                        data.Id);
}

bool TSuppwareSet::Delete(int id)
{
    return Table().Delete(id);
}

bool TSuppwareSet::SaveItem(RSuppware &data)
{
    if (!Save(data))
        return false;
    SetAsData(data);
    return true;
}

bool TSuppwareSet::DeleteCurrentItem()
{
    TDataSet *d = DataSet();
    if (!d->Active() || d->IsEmpty())
        return false;
    if (!Delete(IdFld->AsInteger()))
        return false;
    d->Delete();
    return true;
}
