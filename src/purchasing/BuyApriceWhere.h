#pragma once

#include "data/CustomWhere.h"

// Criteria of the purchase price statistics per goods item.
class TBuyApriceWhere : public TCustomWhere
{
    Q_OBJECT
public:
    TBuyApriceWhere();

    TField *BeginDateFld;
    TField *EndDateFld;
    TField *SupplierIdFld;
    TField *SupplierNameFld;
    TField *DeptIdFld;
    TField *DeptNameFld;
    TField *BuymanIdFld;
    TField *BuymanNameFld;
    TField *CataCodeFld;
    TField *CataNameFld;
    TField *ChecksFld;          // true: audited arrivals only, false: unaudited only
};
