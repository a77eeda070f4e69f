#include "purchasing/BuyDetails.h"

#include "data/Dialect.h"

namespace {
enum class K { Int, Text, Date, Float, Hidden };

struct TColumnDef
{
    const char *Name;
    K Kind;
    const char *Label;
    int Size;
};

// In the order of the select.
const TColumnDef Columns[] = {
    {"Id", K::Hidden, "ID", 0},            {"Code", K::Text, "编号", 20},
    {"OldCode", K::Text, "单号", 50},       {"BizDate", K::Date, "日期", 0},
    {"DeptId", K::Hidden, "", 0},          {"DeptName", K::Text, "部门", 20},
    {"SupplierId", K::Hidden, "", 0},      {"SupplierName", K::Text, "供应商", 50},
    {"BuymanId", K::Hidden, "", 0},        {"BuymanName", K::Text, "采购员", 30},
    {"TypeId", K::Hidden, "", 0},          {"TypeName", K::Text, "类别", 20},
    {"dlId", K::Hidden, "", 0},            {"CataCode", K::Text, "", 50},
    {"CataName", K::Text, "", 30},         {"WareId", K::Int, "", 0},
    {"WareS01", K::Text, "", 50}, {"WareS02", K::Text, "", 50}, {"WareS03", K::Text, "", 50},
    {"WareS04", K::Text, "", 200}, {"WareS05", K::Text, "", 50}, {"WareS06", K::Text, "", 50},
    {"WareS07", K::Text, "", 50}, {"WareS08", K::Text, "", 50}, {"WareS09", K::Text, "", 50},
    {"WareS10", K::Text, "", 50}, {"WareS11", K::Text, "", 50}, {"WareS12", K::Text, "", 50},
    {"WareColor", K::Text, "", 30},        {"WareSize", K::Text, "", 30},
    {"WareProp", K::Text, "", 30},         {"Qty", K::Float, "数量", 0},
    {"Price", K::Float, "单价", 0},        {"Fund", K::Float, "金额", 0},
    {"dlNote", K::Text, "细表备注", 50},   {"TaxRate", K::Int, "税率", 0},
    {"PurePrice", K::Float, "去税单价", 0}, {"PureFund", K::Float, "去税金额", 0},
    {"QuaDate", K::Date, "检验日期", 0},   {"Unqualified", K::Float, "不合格数量", 0},
    {"Quatxt", K::Text, "质检情况", 250},  {"Trtmnt", K::Text, "质检处理", 250},
    {"OrderCode", K::Text, "订单号", 20},  {"PlanCode", K::Text, "计划号", 20},
    {"AppCode", K::Text, "申请号", 20},    {"Note", K::Text, "主表备注", 50},
    {"InvDate", K::Date, "开票日期", 0},   {"InvId", K::Hidden, "", 0},
    {"InvNo", K::Text, "发票号码", 50},
};

const char *SelectSql =
    "select m.Id, m.Code, m.OldCode, m.BizDate, m.DeptId, h.Name as DeptName, m.SupplierId, "
    "p.Name as SupplierName, m.BuymanId, e.Name as BuymanName, m.TypeId, t.Name as TypeName, "
    "d.dlId, a.Code as CataCode, a.Name as CataName, d.WareId, w.Code as WareS01, "
    "w.Name as WareS02, w.LookId as WareS03, w.PartNo as WareS04, w.Brand as WareS05, "
    "w.Package as WareS06, w.Barcode as WareS07, w.S08 as WareS08, w.S09 as WareS09, "
    "w.S10 as WareS10, w.S11 as WareS11, w.Unit as WareS12, d.WareColor, d.WareSize, "
    "d.WareProp, t.Sign*d.Qty as Qty, d.Price, t.Sign*d.Fund as Fund, d.dlNote, m.TaxRate, "
    "d.Price/(1+m.TaxRate*0.01) as PurePrice, t.Sign*d.Fund/(1+m.TaxRate*0.01) as PureFund, "
    "qm.BizDate as QuaDate, qd.UnQty as Unqualified, qd.Quatxt, qd.Trtmnt, "
    "om.Code as OrderCode, pm.Code as PlanCode, am.Code as AppCode, m.Note, i.InvDate, "
    "i.Id as InvId, i.InvNo from (((((((((((((((((buy m inner join buydl d on m.Id=d.MastId) "
    "inner join buytype t on m.TypeId=t.Id) inner join ware w on d.WareId=w.Id) "
    "left join wareclass a on a.Id=w.ClassId) left join departments h on m.DeptId=h.Id) "
    "left join supplier p on m.SupplierId=p.Id) left join employee e on m.BuymanId=e.Id) "
    "left join buinvfrmdl id on d.dlId=id.BuydlId) left join buinvfrm i on i.Id=id.MastId) "
    "left join buqualifrmdl qd on qd.BuydlId=d.dlId) left join buqualifrm qm "
    "on qm.Id=qd.MastId) left join buorderfrmdl od on od.dlId=d.OrdlId) "
    "left join buorderfrm om on om.Id=od.MastId) left join buappfrmdl ad "
    "on ad.dlId=d.AppdlId) left join buappfrm am on am.Id=ad.MastId) "
    "left join buplanfrmdl pd on pd.dlId=d.PlandlId) left join buplanfrm pm "
    "on pm.Id=pd.MastId)";
} // namespace

TBuyDetails::TBuyDetails() : TBuyDetails(TheDatabase()) {}

TBuyDetails::TBuyDetails(TDatabase &database) : TRecordSet(database), m_where(new TBuyWhere)
{
    m_where->setParent(this);
    for (const TColumnDef &c : Columns) {
        const QString name = QLatin1String(c.Name);
        const QString label = QString::fromUtf8(c.Label);
        TField *f = nullptr;
        switch (c.Kind) {
        case K::Int: f = AddField<TIntegerField>(name, -1, true, label); break;
        case K::Hidden: f = AddField<TIntegerField>(name, -1, false, label); break;
        case K::Text: f = AddField<TWideStringField>(name, c.Size, true, label); break;
        case K::Date: f = AddField<TDateTimeField>(name, -1, true, label); break;
        case K::Float: f = AddField<TFloatField>(name, -1, true, label); break;
        }
        if (name == QLatin1String("CataCode"))
            f->Visible = false;
    }
    F("PurePrice")->DisplayFormat = QStringLiteral("0.00000000");
    F("PureFund")->DisplayFormat = QStringLiteral("0.00");
}

QString TBuyDetails::Conditions() const
{
    const TDatabase &db = Database();
    const TBuyWhere &w = *m_where;
    TWhereBuilder b(db);
    b.Contains(QStringLiteral("pm.Code"), w.PlanCodeFld)
        .Link(QStringLiteral("d.OrdlId"), w.OrdlIdFld)
        .Link(QStringLiteral("d.AppdlId"), w.AppdlIdFld)
        .Link(QStringLiteral("d.PlandlId"), w.PlandlIdFld);
    // Line-level: the goods' own category code, the same rule as CategoryGoodsCondition.
    b.Prefix(QStringLiteral("a.Code"), w.CataCodeFld);
    b.Id(QStringLiteral("d.WareId"), w.WareIdFld);
    if (!TWhereBuilder::IsIdSet(w.WareIdFld))
        b.Contains(QStringLiteral("w.Code"), w.WareS01Fld)
            .Contains(QStringLiteral("w.Name"), w.WareS02Fld)
            .Contains(QStringLiteral("w.LookId"), w.WareS03Fld);
    if (TWhereBuilder::IsSet(w.InvTypeFld)) {
        const int inv = w.InvTypeFld->AsInteger();
        b.AddIf(inv == 0, QStringLiteral("(not id.BuydlId is null)"))
            .AddIf(inv == 1, QStringLiteral("id.BuydlId is null"));
    }
    if (TWhereBuilder::IsSet(w.QuaTypeFld)) {
        const int qua = w.QuaTypeFld->AsInteger();
        b.AddIf(qua == 0, QStringLiteral("(not qd.BuydlId is null) and "
                                         "(qd.UnQty=0 or qd.UnQty is null)"))
            .AddIf(qua == 1, QStringLiteral("qd.UnQty>0"))
            .AddIf(qua == 2, QStringLiteral("(not qd.BuydlId is null)"))
            .AddIf(qua == 3, QStringLiteral("(qd.BuydlId is null)"));
    }
    return w.HeaderConditions(db) + b.Conditions();
}

QString TBuyDetails::QueryText() const
{
    return QLatin1String(SelectSql) + TWhereBuilder::AsWhere(Conditions());
}

void TBuyDetails::Query()
{
    m_where->FlushEdits();
    OpenSQL(QueryText());
}

RBuyDetail TBuyDetails::AsData() const
{
    RBuyDetail r;
    auto s = [this](const char *n) { return F(n)->AsString(); };
    auto i = [this](const char *n) { return F(n)->IsNull() ? 0 : F(n)->AsInteger(); };
    auto v = [this](const char *n) { return F(n)->Typed(F(n)->Value()); };
    r.Id = i("Id");
    r.Code = s("Code");
    r.OldCode = s("OldCode");
    r.BizDate = v("BizDate");
    r.DeptId = i("DeptId");
    r.SupplierId = i("SupplierId");
    r.BuymanId = i("BuymanId");
    r.TypeId = i("TypeId");
    r.DeptName = s("DeptName");
    r.SupplierName = s("SupplierName");
    r.BuymanName = s("BuymanName");
    r.TypeName = s("TypeName");
    r.Note = s("Note");
    r.dlId = i("dlId");
    r.CataCode = s("CataCode");
    r.CataName = s("CataName");
    r.WareId = i("WareId");
    for (int k = 0; k < 12; ++k)
        r.WareS[k] = F(QStringLiteral("WareS%1").arg(k + 1, 2, 10, QLatin1Char('0'))
                           .toLatin1().constData())->AsString();
    r.WareColor = s("WareColor");
    r.WareSize = s("WareSize");
    r.WareProp = s("WareProp");
    r.Qty = v("Qty");
    r.Price = v("Price");
    r.Fund = v("Fund");
    r.PurePrice = v("PurePrice");
    r.PureFund = v("PureFund");
    r.TaxRate = i("TaxRate");
    r.dlNote = s("dlNote");
    r.OrderCode = s("OrderCode");
    r.AppCode = s("AppCode");
    r.PlanCode = s("PlanCode");
    r.InvId = v("InvId");
    r.InvNo = s("InvNo");
    r.InvDate = v("InvDate");
    r.QuaDate = v("QuaDate");
    r.Unqualified = v("Unqualified");
    r.Quatxt = s("Quatxt");
    r.Trtmnt = s("Trtmnt");
    return r;
}
