#include "purchasing/BuyGathering.h"

#include "purchasing/BillModel.h"
#include "purchasing/SelectLoader.h"

#include "data/Database.h"
#include "data/Utils.h"

TBuyGathering::TBuyGathering() : TBuyGathering(TheDatabase()) {}

TBuyGathering::TBuyGathering(TDatabase &database)
    : m_database(database), m_where(new TBuyWhere)
{
    m_where->setParent(this);
    auto text = [this](const char *name, int size, const char *label) {
        return AddFieldDef<TWideStringField>(QLatin1String(name), size, true,
                                             QString::fromUtf8(label));
    };
    auto money = [this](const char *name, const char *label) {
        return AddField<TCurrencyField>(QLatin1String(name), true, QString::fromUtf8(label));
    };
    AddHeaderFields([this](TFieldType type, const QString &name, int size, bool visible,
                           const QString &label) {
        return AddFieldDef(type, name, size, visible, label);
    });
    NoteFld = text("Note", 50, "备注");
    TotalFundFld = money("TotalFund", "金额");
    PaymentFundFld = money("PaymentFund", "付款");
    DiscountFundFld = money("DiscountFund", "折扣");
    BalanceFundFld = money("BalanceFund", "结余");
    CreateDataSet();
}

QString TBuyGathering::QueryText() const
{
    // The goods criteria pick bills through their lines; the payments are summed once
    // per arrival code in the same statement.
    return QStringLiteral(
        "select m.Id, m.Code, m.OldCode, m.BizDate, m.DeptId, h.Name as DeptName, "
        "m.SupplierId, p.Name as SupplierName, m.BuymanId, e.Name as BuymanName, m.TypeId, "
        "t.Name as TypeName, t.Sign*m.TotalFund as TotalFund, m.Note, g.PaymentFund, "
        "g.DiscountFund from (((((buy m left join buytype t on m.TypeId=t.Id) "
        "left join departments h on m.DeptId=h.Id) left join employee e on m.BuymanId=e.Id) "
        "left join supplier p on m.SupplierId=p.Id) left join (select pd.BuyCode, "
        "sum(pm.Sign*pd.dlPayFund) as PaymentFund, sum(pm.Sign*pd.dlDisFund) as DiscountFund "
        "from paymentdl pd inner join payment pm on pd.MastId=pm.Id group by pd.BuyCode) g "
        "on g.BuyCode=m.Code) where exists (select 1 from buydl d where d.MastId=m.Id%1)%2 "
        "order by m.Id")
        .arg(m_where->GoodsConditions(m_database), m_where->HeaderConditions(m_database));
}

void TBuyGathering::Query()
{
    m_where->FlushEdits();
    StartTiming();
    const int total = TotalFundFld->Index();
    const int paid = PaymentFundFld->Index();
    const int discount = DiscountFundFld->Index();
    const int balance = BalanceFundFld->Index();
    // Currency values keep 4 decimals; an empty sum stays empty and counts as 0.
    LoadSelect(m_database, m_data, QueryText(), [=](QVariant *row) {
        double balance4 = 0.0;
        for (int c : {total, paid, discount}) {
            if (row[c].isNull())
                continue;
            const double v = RoundTo(row[c].toDouble(), 4);
            row[c] = v;
            balance4 += c == total ? v : -v;
        }
        row[balance] = RoundTo(balance4, 4);
    });
    StopTiming();
}

void TBuyGathering::ShowOpenOnly(bool open)
{
    if (!open) {
        m_data->ClearFilter();
        return;
    }
    const int balance = BalanceFundFld->Index();
    m_data->SetFilter([balance](const TDataSet &d, int rowId) {
        return BillModel::Number(d.StoredValue(rowId, balance)) != 0.0;
    });
}

RBuyGathering TBuyGathering::AsData() const
{
    RBuyGathering r;
    auto i = [](const TField *f) { return f->IsNull() ? 0 : f->AsInteger(); };
    r.Id = i(IdFld);
    r.Code = CodeFld->AsString();
    r.OldCode = OldCodeFld->AsString();
    r.BizDate = BizDateFld->IsNull() ? QVariant() : QVariant(BizDateFld->AsDateTime());
    r.DeptId = i(DeptIdFld);
    r.SupplierId = i(SupplierIdFld);
    r.BuymanId = i(BuymanIdFld);
    r.TypeId = i(TypeIdFld);
    r.DeptName = DeptNameFld->AsString();
    r.SupplierName = SupplierNameFld->AsString();
    r.BuymanName = BuymanNameFld->AsString();
    r.TypeName = TypeNameFld->AsString();
    r.Note = NoteFld->AsString();
    r.TotalFund = TotalFundFld->AsFloat();
    r.PaymentFund = PaymentFundFld->AsFloat();
    r.DiscountFund = DiscountFundFld->AsFloat();
    r.BalanceFund = BalanceFundFld->AsFloat();
    return r;
}
