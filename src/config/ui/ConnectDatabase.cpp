#include "config/ui/ConnectDatabase.h"

#include "config/Configer.h"
#include "config/DefaultDatabase.h"
#include "config/ui/DBConfigFrm.h"
#include "data/Database.h"
#include "data/Messages.h"

#include <QCoreApplication>

namespace {

TConnectDialogRunner &DialogRunner()
{
    static TConnectDialogRunner runner;
    return runner;
}

int RunDialog(TDBConfigFrm &frm)
{
    if (DialogRunner())
        return DialogRunner()(frm);
    return frm.exec();
}

} // namespace

void SetConnectDialogRunner(TConnectDialogRunner runner)
{
    DialogRunner() = std::move(runner);
}

bool ConnectDatabase(QWidget *parent)
{
    TDBConfigFrm frm(parent);
    for (;;) {
        QString error;
        if (!CreateDefaultDatabaseIfMissing(frm.Configer(), &error))
            ShowInfo(error);
        // Connect shows why it failed; the dialog then offers the settings to correct.
        if (TheDatabase().Connect(frm.Configer().GetConnectionString()))
            break;
        if (RunDialog(frm) != QDialog::Accepted)
            break;
        QCoreApplication::processEvents();
    }
    return TheDatabase().Connected();
}
