#include "config/ui/ConfigWindows.h"

#include "config/Operator.h"
#include "config/Settings.h"
#include "config/ui/CompanyInfoFrm.h"
#include "config/ui/OperatorsFrm.h"
#include "config/ui/OptionEdtFrm.h"
#include "config/ui/PasswordChangerFrm.h"
#include "shell/ui/Mall.h"

void RegisterConfigWindows(Tmall &mall)
{
    mall.Register(QStringLiteral("ChangePassword"),
                  [](QWidget *owner) { ChangePassword(TheOperator(), owner); });
    mall.Register(QStringLiteral("OpenOperators"), [](QWidget *owner) {
        CheckRight(100001);
        auto *frm = new TOperatorsFrm(owner, OfferedRights());
        frm->show();
    });
    mall.Register(QStringLiteral("OpenOptions"), [](QWidget *owner) {
        CheckRight(1008);
        TOptionEdtFrm frm(owner);
        frm.exec();
    });
    mall.Register(QStringLiteral("OpenCompany"), [](QWidget *owner) {
        CheckRight(10000);
        EditCompany(false, owner);
    });
    mall.CompanyInfoCheck = [](QWidget *owner) {
        if (HasRight(10000) && CompanyInfoEmpty())
            EditCompany(false, owner);
    };
}
