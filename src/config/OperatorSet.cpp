#include "config/OperatorSet.h"

TOperatorSet::TOperatorSet()
{
    UserIdField = AddField<TWideStringField>(QStringLiteral("LoginId"), 50, true,
                                             QStringLiteral("登陆名"));
    PasswdField = AddField<TWideStringField>(QStringLiteral("Password"), 50, true,
                                             QStringLiteral("密码"));
    NameField = AddField<TWideStringField>(QStringLiteral("Name"), 50, true,
                                           QStringLiteral("姓名"));
    ContactField = AddField<TWideStringField>(QStringLiteral("Contact"), 50, true,
                                              QStringLiteral("联系方式"));
    NoteField = AddField<TWideStringField>(QStringLiteral("Note"), 100, true,
                                           QStringLiteral("备注"));
    RightsField = AddField<TMemoField>(QStringLiteral("Rights"), -1, true,
                                       QStringLiteral("权限"));
    OpenSQL(QStringLiteral("select LoginId, [Password], Name, Contact, [Note], Rights "
                           "from [operator] where LoginId<>'sa' order by LoginId"));
}
