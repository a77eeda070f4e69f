#pragma once

#include "data/Field.h"

#include <functional>

// The arrival's header columns, in the order every list of arrivals shows them first. Each
// list adds them with its own way of making a field (sizes differ between set kinds).
struct TBuyHeaderFields
{
    using TAdder = std::function<TField *(TFieldType type, const QString &name, int size,
                                          bool visible, const QString &label)>;
    void AddHeaderFields(const TAdder &add);

    TField *IdFld = nullptr;
    TField *CodeFld = nullptr;
    TField *OldCodeFld = nullptr;
    TField *BizDateFld = nullptr;
    TField *DeptIdFld = nullptr;
    TField *DeptNameFld = nullptr;
    TField *SupplierIdFld = nullptr;
    TField *SupplierNameFld = nullptr;
    TField *BuymanIdFld = nullptr;
    TField *BuymanNameFld = nullptr;
    TField *TypeIdFld = nullptr;
    TField *TypeNameFld = nullptr;
};
