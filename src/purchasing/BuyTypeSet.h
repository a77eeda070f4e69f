#pragma once

#include "purchasing/BuyRecords.h"

#include "data/RecordSet.h"

// The arrival types in key order (the type list of the arrival window).
class TBuyTypeSet : public TRecordSet
{
    Q_OBJECT
public:
    TBuyTypeSet();
    explicit TBuyTypeSet(TDatabase &database);

    void Query();
    RBuyType AsData() const;

    TField *IdFld;
    TField *NameFld;
};
