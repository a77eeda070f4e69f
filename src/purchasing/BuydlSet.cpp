#include "purchasing/BuydlSet.h"

#include "purchasing/BillModel.h"
#include "purchasing/BuyLineRules.h"

#include "data/Database.h"
#include "data/RecordSet.h"

TBuydlSet::TBuydlSet()
{
    auto integer = [this](const char *name) {
        return AddField<TIntegerField>(QLatin1String(name), false);
    };
    auto text = [this](const QString &name, int size, const QString &label) {
        return AddFieldDef<TWideStringField>(name, size, true, label);
    };
    auto number = [this](const char *name, const char *label) {
        return AddField<TFloatField>(QLatin1String(name), true, QString::fromUtf8(label));
    };
    dlIdFld = integer("dlId");
    MastIdFld = integer("MastId");
    WareIdFld = integer("WareId");
    for (int i = 0; i < 12; ++i) {
        // Captions are the goods labels; whoever shows the set applies them.
        const QString name = QStringLiteral("WareS%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        WareSFld[i] = text(name, 50, name);
        WareSFld[i]->ReadOnly = true;
    }
    WareColorFld = text(QStringLiteral("WareColor"), 30, QStringLiteral("WareColorLabel"));
    WareSizeFld = text(QStringLiteral("WareSize"), 30, QStringLiteral("WareSizeLabel"));
    WarePropFld = text(QStringLiteral("WareProp"), 30, QStringLiteral("WarePropLabel"));
    QtyFld = number("Qty", "数量");
    PriceFld = number("Price", "单价");
    FundFld = number("Fund", "金额");
    FundFld->DisplayFormat = QStringLiteral("0.00");
    TaxFld = number("Tax", "税率");
    PurePriceFld = number("PurePrice", "去税单价");
    PureFundFld = number("PureFund", "去税金额");
    dlNoteFld = text(QStringLiteral("dlNote"), 50, QStringLiteral("备注"));
    OrderCodeFld = text(QStringLiteral("OrderCode"), 20, QStringLiteral("订单号"));
    AppCodeFld = text(QStringLiteral("AppCode"), 20, QStringLiteral("申请号"));
    PlanCodeFld = text(QStringLiteral("PlanCode"), 20, QStringLiteral("计划号"));
    OrdlIdFld = integer("OrdlId");
    AppdlIdFld = integer("AppdlId");
    PlandlIdFld = integer("PlandlId");
    for (TField *f : {FundFld, TaxFld, PurePriceFld, PureFundFld, OrderCodeFld, AppCodeFld,
                      PlanCodeFld})
        f->ReadOnly = true;
    CreateDataSet();
    m_data->BeforePost = [this](TDataSet &) { Derive(); };
}

void TBuydlSet::Derive()
{
    TBuyLineValues v{QtyFld->Value(), PriceFld->Value(), TaxFld->Value(), {}, {}, {}};
    DeriveBuyLine(v);
    QtyFld->SetValue(v.Qty);
    PriceFld->SetValue(v.Price);
    FundFld->SetValue(v.Fund);
    PurePriceFld->SetValue(v.PurePrice);
    PureFundFld->SetValue(v.PureFund);
}

RBuydl TBuydlSet::CurrentLine() const
{
    RBuydl l;
    l.dlId = dlIdFld->AsInteger();
    l.MastId = MastIdFld->AsInteger();
    l.WareId = WareIdFld->AsInteger();
    for (int i = 0; i < 12; ++i)
        l.WareS[i] = WareSFld[i]->AsString();
    l.WareColor = WareColorFld->AsString();
    l.WareSize = WareSizeFld->AsString();
    l.WareProp = WarePropFld->AsString();
    l.Qty = QtyFld->Value();
    l.Price = PriceFld->Value();
    l.Fund = FundFld->Value();
    l.Tax = TaxFld->Value();
    l.PurePrice = PurePriceFld->Value();
    l.PureFund = PureFundFld->Value();
    l.dlNote = dlNoteFld->AsString();
    l.AppCode = AppCodeFld->AsString();
    l.PlanCode = PlanCodeFld->AsString();
    l.OrderCode = OrderCodeFld->AsString();
    l.AppdlId = AppdlIdFld->Value();
    l.PlandlId = PlandlIdFld->Value();
    l.OrdlId = OrdlIdFld->Value();
    return l;
}

void TBuydlSet::WriteLine(const RBuydl &l)
{
    dlIdFld->SetValue(l.dlId);
    MastIdFld->SetValue(l.MastId);
    WareIdFld->SetValue(l.WareId);
    for (int i = 0; i < 12; ++i)
        WareSFld[i]->SetValue(l.WareS[i]);
    WareColorFld->SetValue(l.WareColor);
    WareSizeFld->SetValue(l.WareSize);
    WarePropFld->SetValue(l.WareProp);
    QtyFld->SetValue(l.Qty);
    PriceFld->SetValue(l.Price);
    TaxFld->SetValue(l.Tax);
    dlNoteFld->SetValue(l.dlNote);
    AppCodeFld->SetValue(l.AppCode);
    PlanCodeFld->SetValue(l.PlanCode);
    OrderCodeFld->SetValue(l.OrderCode);
    AppdlIdFld->SetValue(BillModel::NullLink(l.AppdlId));
    PlandlIdFld->SetValue(BillModel::NullLink(l.PlandlId));
    OrdlIdFld->SetValue(BillModel::NullLink(l.OrdlId));
}

RBuydls TBuydlSet::AsDatas() const
{
    RBuydls lines;
    if (!m_data->Active())
        return lines;
    m_data->CheckBrowseMode();
    const TBookmark mark = m_data->GetBookmark();
    m_data->DisableControls();
    lines.reserve(m_data->RecordCount());
    for (m_data->First(); !m_data->Eof(); m_data->Next())
        lines << CurrentLine();
    if (m_data->BookmarkValid(mark))
        m_data->GotoBookmark(mark);
    m_data->EnableControls();
    return lines;
}

void TBuydlSet::SetAsDatas(const RBuydls &lines)
{
    if (!m_data->Active())
        m_data->Open();
    m_data->DisableControls();
    m_data->Cancel();
    m_data->EmptyDataSet();
    m_taxRate = lines.isEmpty() ? 0 : int(BillModel::Number(lines.first().Tax));
    for (const RBuydl &line : lines) {
        m_data->Append();
        WriteLine(line);
        m_data->Post();
    }
    m_data->First();
    m_data->EnableControls();
}

void TBuydlSet::SetTaxRate(int rate)
{
    if (!m_data->Active() || rate == m_taxRate)
        return;
    m_taxRate = rate;
    m_data->CheckBrowseMode();
    const TBookmark mark = m_data->GetBookmark();
    m_data->DisableControls();
    for (m_data->First(); !m_data->Eof(); m_data->Next()) {
        m_data->Edit();
        TaxFld->SetValue(rate);
        m_data->Post();
    }
    if (m_data->BookmarkValid(mark))
        m_data->GotoBookmark(mark);
    m_data->EnableControls();
}

bool TBuydlSet::CheckLineDelete(QString &text) const
{
    return CheckLineDelete(TheDatabase(), text);
}

bool TBuydlSet::CheckLineDelete(TDatabase &database, QString &text) const
{
    text.clear();
    const int dlId = m_data->IsEmpty() ? 0 : dlIdFld->AsInteger();
    if (dlId < 1)
        return true;
    const TDBParameters params{DBParam(QStringLiteral("dlId"), dlId)};
    TRecordSet set(database);
    set.OpenSQL(QStringLiteral("select bm.Code from (buinvfrmdl bd inner join buinvfrm bm "
                               "on bm.Id=bd.MastId) where bd.BuydlId=:dlId"), params);
    if (!set.DataSet()->IsEmpty())
        text = QStringLiteral("发票单%1已引用此记录，不能删除；除非先删除发票单上的记录\r\n")
                   .arg(set.DataSet()->Field(0)->AsString());
    set.OpenSQL(QStringLiteral("select om.Code from (buqualifrmdl od inner join buqualifrm om "
                               "on om.Id=od.MastId) where od.BuydlId=:dlId"), params);
    if (!set.DataSet()->IsEmpty())
        text = QStringLiteral("质检单%1已引用此记录，不能删除；除非先删除质检单上的记录\r\n")
                   .arg(set.DataSet()->Field(0)->AsString()) + text;
    return text.isEmpty();
}
