#include "purchasing/BuyApriceWhere.h"

TBuyApriceWhere::TBuyApriceWhere()
{
    auto id = [this](const char *name) {
        return AddField<TIntegerField>(QLatin1String(name), true);
    };
    auto text = [this](const char *name) {
        return AddFieldDef<TWideStringField>(QLatin1String(name), 50, true);
    };
    BeginDateFld = AddField<TDateTimeField>(QStringLiteral("BeginDate"), true);
    EndDateFld = AddField<TDateTimeField>(QStringLiteral("EndDate"), true);
    SupplierIdFld = id("SupplierId");
    SupplierNameFld = text("SupplierName");
    DeptIdFld = id("DeptId");
    DeptNameFld = text("DeptName");
    BuymanIdFld = id("BuymanId");
    BuymanNameFld = text("BuymanName");
    CataCodeFld = text("CataCode");
    CataNameFld = text("CataName");
    ChecksFld = AddField<TBooleanField>(QStringLiteral("Checks"), true);
    CreateCriteriaRow();
}
