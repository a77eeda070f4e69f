#include "data/OperatorMenus.h"

#include "data/Database.h"
#include "data/RecordSet.h"

QString GetOperatorMenus(const QString &loginId)
{
    TRecordSet &set = TheLookupSet();
    if (set.OpenSQL(QStringLiteral("select Menus from [operator] where LoginId=:LoginId"),
                    {DBParam(QStringLiteral("LoginId"), loginId)})
        == 0)
        return QString();
    return set.DataSet()->Field(0)->AsString();
}

void SetOperatorMenus(const QString &loginId, const QString &menus)
{
    TheDatabase().ExecCommand(
        QStringLiteral("update [operator] set Menus=:Menus where LoginId=:LoginId"),
        {DBParam(QStringLiteral("Menus"), menus), DBParam(QStringLiteral("LoginId"), loginId)});
}
