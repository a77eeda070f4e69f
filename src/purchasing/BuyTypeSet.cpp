#include "purchasing/BuyTypeSet.h"

TBuyTypeSet::TBuyTypeSet() : TBuyTypeSet(TheDatabase()) {}

TBuyTypeSet::TBuyTypeSet(TDatabase &database) : TRecordSet(database)
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, false);
    NameFld = AddField<TWideStringField>(QStringLiteral("Name"), 20, true,
                                         QStringLiteral("类别"));
}

void TBuyTypeSet::Query()
{
    OpenSQL(QStringLiteral("select Id, Name from buytype order by Id"));
}

RBuyType TBuyTypeSet::AsData() const
{
    return {IdFld->AsInteger(), NameFld->AsString()};
}
