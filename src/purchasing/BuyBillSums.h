#pragma once

#include "purchasing/BuyHeaderFields.h"
#include "purchasing/BuyWhere.h"

#include "data/RecordSet.h"

// One row per arrival bill with the signed sums of its lines (the arrival finder and the
// bill lists of the arrival reports). With goods criteria the sums count only the matching
// lines, while TotalFund stays the whole bill's. Bills without lines are not listed.
class TBuyBillSums : public TRecordSet, public TBuyHeaderFields
{
    Q_OBJECT
public:
    TBuyBillSums();
    explicit TBuyBillSums(TDatabase &database);

    TBuyWhere *Where() const { return m_where; }
    void Query();
    // The statement Query runs for the current criteria.
    QString QueryText() const;

    TField *TotalFundFld;
    TField *NoteFld;
    TField *DetailCountFld;
    TField *QtyFld;
    TField *FundFld;

private:
    TBuyWhere *m_where;
};
