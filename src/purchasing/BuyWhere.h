#pragma once

#include "data/CustomWhere.h"

// Criteria of the lists over arrivals. Every field is nullable; a criterion is not set
// when null (ids also when 0 or less, texts when empty; links are set whenever not null).
//
// The goods category selects lines: a line counts when its goods' category code begins
// with the criterion's code, i.e. the category and everything below it. The same rule
// holds in every list over arrivals, bill-level or line-level.
class TBuyWhere : public TCustomWhere
{
    Q_OBJECT
public:
    TBuyWhere();

    TField *BeginDateFld;
    TField *EndDateFld;
    TField *SupplierIdFld;
    TField *SupplierNameFld;
    TField *DeptIdFld;
    TField *DeptNameFld;
    TField *BuymanIdFld;
    TField *BuymanNameFld;
    TField *TypeIdFld;
    TField *TypeNameFld;
    TField *WareIdFld;
    TField *WareS01Fld;
    TField *WareS02Fld;
    TField *WareS03Fld;
    TField *CodeFld;
    TField *PlanCodeFld;
    TField *CataCodeFld;
    TField *CataNameFld;
    TField *CheckStatusFld;
    TField *OrdlIdFld;
    TField *AppdlIdFld;
    TField *PlandlIdFld;
    TField *InvTypeFld;
    TField *QuaTypeFld;

    // Conditions on the header (alias m), each " and …".
    QString HeaderConditions(const TDatabase &database) const;
    // Conditions on the goods of a line (d.WareId), each " and …".
    QString GoodsConditions(const TDatabase &database) const;
};

// " and <column> in (goods whose category code begins with code)"; empty without a code.
QString CategoryGoodsCondition(const TDatabase &database, const QString &wareIdColumn,
                               const QString &code);
