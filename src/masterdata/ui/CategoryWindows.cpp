#include "masterdata/ui/CategoryWindows.h"

#include "masterdata/ui/InfoListFrm.h"

#include "config/Operator.h"
#include "masterdata/ui/CataAssignFrm.h"
#include "masterdata/ui/ClassWareDlgFrm.h"
#include "masterdata/ui/SuppwarePickFrm.h"
#include "masterdata/ui/WareListFrm.h"
#include "masterdata/ui/WarecataEditFrm.h"
#include "masterdata/ui/WarecataPickerFrm.h"

#include <QApplication>

bool PickCategory(QWidget *owner, const QString &code, TCataTreeMode mode,
                  const TCataCallback &accept)
{
    TWarecataPickerFrm picker(owner, code, mode, accept);
    return picker.exec() == QDialog::Accepted;
}

bool EditCategories(QWidget *owner)
{
    CheckRight(1014);
    TWarecataEditFrm editor(owner);
    return editor.exec() == QDialog::Accepted && editor.Modified();
}

bool ChooseCategory(QWidget *owner, const QString &code, const TCataCallback &accept)
{
    TClassWareDlgFrm dialog(owner, code, accept);
    return dialog.exec() == QDialog::Accepted;
}

void AssignCategoryBuyers(QWidget *owner)
{
    CheckRight(1069);
    TCataAssignFrm window(owner);
    window.exec();
}

void OpenGoodsList(QWidget *owner)
{
    if (TInfoListFrm::ShowOpen(QStringLiteral("货物资料")))
        return;
    auto *window = new TWareListFrm(owner);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        window->LoadGoods();
    } catch (...) {
        QApplication::restoreOverrideCursor();
        delete window;
        throw;
    }
    QApplication::restoreOverrideCursor();
    window->show();
    window->raise();
}

QWidget *OpenGoodsPicker(QWidget *owner, const TWareCallback &accept)
{
    // One picker per owner: shown again with the new callback.
    auto *picker = owner ? owner->findChild<TSuppwarePickFrm *>(QString(),
                                                                  Qt::FindDirectChildrenOnly)
                         : nullptr;
    if (picker)
        picker->SetAccept(accept);
    else
        picker = new TSuppwarePickFrm(owner, accept);
    picker->show();
    picker->raise();
    picker->activateWindow();
    return picker;
}
