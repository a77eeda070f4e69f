#include "purchasing/BuyBillSums.h"

TBuyBillSums::TBuyBillSums() : TBuyBillSums(TheDatabase()) {}

TBuyBillSums::TBuyBillSums(TDatabase &database)
    : TRecordSet(database), m_where(new TBuyWhere)
{
    m_where->setParent(this);
    auto id = [this](const char *name, const char *label = "") {
        const bool visible = *label != 0;
        return AddField<TIntegerField>(QLatin1String(name), -1, visible,
                                       QString::fromUtf8(label));
    };
    auto text = [this](const char *name, int size, const char *label) {
        return AddField<TWideStringField>(QLatin1String(name), size, true,
                                          QString::fromUtf8(label));
    };
    AddHeaderFields([this](TFieldType type, const QString &name, int size, bool visible,
                           const QString &label) {
        return AddField(type, name, size, visible, label);
    });
    TotalFundFld = AddField<TCurrencyField>(QStringLiteral("TotalFund"), -1, true,
                                            QStringLiteral("合计"));
    NoteFld = text("Note", 50, "备注");
    DetailCountFld = id("DetailCount", "种数");
    QtyFld = AddField<TFloatField>(QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    FundFld = AddField<TFloatField>(QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    FundFld->DisplayFormat = QStringLiteral("#.00");
}

QString TBuyBillSums::QueryText() const
{
    const QString conditions = m_where->HeaderConditions(Database())
        + m_where->GoodsConditions(Database());
    return QStringLiteral(
        "select m.Id, m.Code, m.OldCode, m.BizDate, m.DeptId, h.Name as DeptName, "
        "m.SupplierId, p.Name as SupplierName, m.BuymanId, e.Name as BuymanName, m.TypeId, "
        "t.Name as TypeName, t.Sign*m.TotalFund as TotalFund, m.Note, "
        "sum(t.Sign*d.Qty) as Qty, sum(t.Sign*d.Qty*d.Price) as Fund, "
        "count(*) as DetailCount from (((((buy m inner join buydl d on m.Id=d.MastId) "
        "left join buytype t on m.TypeId=t.Id) left join departments h on m.DeptId=h.Id) "
        "left join supplier p on m.SupplierId=p.Id) left join employee e on m.BuymanId=e.Id) "
        "where 1=1%1 group by m.Id, m.Code, m.OldCode, m.BizDate, m.DeptId, h.Name, "
        "m.SupplierId, p.Name, m.BuymanId, e.Name, m.TypeId, t.Name, t.Sign*m.TotalFund, "
        "m.Note").arg(conditions);
}

void TBuyBillSums::Query()
{
    m_where->FlushEdits();
    OpenSQL(QueryText());
}
