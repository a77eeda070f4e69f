#include "purchasing/BuyWhere.h"

#include "data/Database.h"
#include "data/Dialect.h"

TBuyWhere::TBuyWhere()
{
    auto date = [this](const char *name) {
        return AddField<TDateTimeField>(QLatin1String(name), true);
    };
    auto id = [this](const char *name) {
        return AddField<TIntegerField>(QLatin1String(name), true);
    };
    auto text = [this](const char *name) {
        return AddFieldDef<TWideStringField>(QLatin1String(name), 50, true);
    };
    BeginDateFld = date("BeginDate");
    EndDateFld = date("EndDate");
    SupplierIdFld = id("SupplierId");
    SupplierNameFld = text("SupplierName");
    DeptIdFld = id("DeptId");
    DeptNameFld = text("DeptName");
    BuymanIdFld = id("BuymanId");
    BuymanNameFld = text("BuymanName");
    TypeIdFld = id("TypeId");
    TypeNameFld = text("TypeName");
    WareIdFld = id("WareId");
    WareS01Fld = text("WareS01");
    WareS02Fld = text("WareS02");
    WareS03Fld = text("WareS03");
    CodeFld = text("Code");
    PlanCodeFld = text("PlanCode");
    CataCodeFld = text("CataCode");
    CataNameFld = text("CataName");
    CheckStatusFld = AddField<TBooleanField>(QStringLiteral("CheckStatus"), true);
    OrdlIdFld = id("OrdlId");
    AppdlIdFld = id("AppdlId");
    PlandlIdFld = id("PlandlId");
    InvTypeFld = id("InvType");
    QuaTypeFld = id("QuaType");
    CreateCriteriaRow();
}

QString CategoryGoodsCondition(const TDatabase &database, const QString &wareIdColumn,
                               const QString &code)
{
    if (code.isEmpty())
        return QString();
    // Codes end in a full stop, so "1.2." never takes in "1.21.".
    return QStringLiteral(" and %1 in (select cw.Id from ware cw inner join wareclass cc "
                          "on cw.ClassId=cc.Id where cc.Code like %2)")
        .arg(wareIdColumn, database.Dialect().LikePrefix(code));
}

QString TBuyWhere::HeaderConditions(const TDatabase &database) const
{
    TWhereBuilder b(database);
    b.FromDate(QStringLiteral("m.BizDate"), BeginDateFld)
        .ToDate(QStringLiteral("m.BizDate"), EndDateFld)
        .Id(QStringLiteral("m.SupplierId"), SupplierIdFld)
        .Id(QStringLiteral("m.DeptId"), DeptIdFld)
        .Id(QStringLiteral("m.BuymanId"), BuymanIdFld)
        .Id(QStringLiteral("m.TypeId"), TypeIdFld)
        .Contains(QStringLiteral("m.Code"), CodeFld)
        .Audited(CheckStatusFld);
    return b.Conditions();
}

QString TBuyWhere::GoodsConditions(const TDatabase &database) const
{
    TWhereBuilder b(database);
    b.Id(QStringLiteral("d.WareId"), WareIdFld);
    QString text = b.Conditions();
    const QString cata = TWhereBuilder::IsTextSet(CataCodeFld) ? CataCodeFld->AsString()
                                                               : QString();
    text += CategoryGoodsCondition(database, QStringLiteral("d.WareId"), cata);
    if (TWhereBuilder::IsIdSet(WareIdFld))
        return text;
    // The goods texts count only when no single goods item is chosen.
    const std::pair<const TField *, const char *> texts[] = {
        {WareS01Fld, "Code"}, {WareS02Fld, "Name"}, {WareS03Fld, "LookId"}};
    for (const auto &[field, column] : texts) {
        if (!TWhereBuilder::IsTextSet(field))
            continue;
        text += QStringLiteral(" and d.WareId in (select Id from ware where %1 like %2)")
                    .arg(QLatin1String(column),
                         database.Dialect().LikeContains(field->AsString()));
    }
    return text;
}
