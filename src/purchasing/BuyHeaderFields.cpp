#include "purchasing/BuyHeaderFields.h"

void TBuyHeaderFields::AddHeaderFields(const TAdder &add)
{
    // Keys of the named records stay hidden; the bill's own key is shown as "BillId".
    const auto id = [&add](const char *name) {
        return add(TFieldType::Integer, QLatin1String(name), -1, false, QString());
    };
    const auto text = [&add](const char *name, int size, const char *label) {
        return add(TFieldType::WideString, QLatin1String(name), size, true,
                   QString::fromUtf8(label));
    };
    IdFld = add(TFieldType::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("BillId"));
    CodeFld = text("Code", 20, "编号");
    OldCodeFld = text("OldCode", 50, "单号");
    BizDateFld = add(TFieldType::DateTime, QStringLiteral("BizDate"), -1, true,
                     QStringLiteral("日期"));
    DeptIdFld = id("DeptId");
    DeptNameFld = text("DeptName", 20, "部门");
    SupplierIdFld = id("SupplierId");
    SupplierNameFld = text("SupplierName", 50, "供应商");
    BuymanIdFld = id("BuymanId");
    BuymanNameFld = text("BuymanName", 30, "采购员");
    TypeIdFld = id("TypeId");
    TypeNameFld = text("TypeName", 20, "类别");
}
