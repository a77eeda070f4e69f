#include "reports/RepSet.h"

TRepSet::TRepSet()
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, false);
    TitleFld = AddField<TWideStringField>(QStringLiteral("Title"), 100, true,
                                          QStringLiteral("标题"));
}

int TRepSet::Open(int groupId)
{
    return OpenSQL(
        QStringLiteral("select Id,Title from report where GrpId=:GroupId order by Title"),
                   {DBParam(QStringLiteral("GroupId"), groupId)});
}
