#pragma once

#include "config/Operator.h"
#include "shell/ui/WinFrm.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

// The operators and rights window: every operator but sa, added, changed and deleted here
// through the operator editor.
class TOperatorsFrm : public TWinFrm
{
    Q_OBJECT
public:
    explicit TOperatorsFrm(QWidget *parent = nullptr,
                           const TRightItems &rights = OfferedRights());

    QListWidget *ListView1 = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnProperty = nullptr;
    QPushButton *btnDelete = nullptr;
    QPushButton *btnClose = nullptr;

    // The operator an item stands for.
    static ROperator OperatorOf(const QListWidgetItem *item);

    void btnAddClick();
    void btnPropertyClick();
    void btnDeleteClick();

private:
    void ReadList();
    QListWidgetItem *AddItem(const ROperator &op);
    void UpdateButtons();

    TRightItems m_rights;
};
