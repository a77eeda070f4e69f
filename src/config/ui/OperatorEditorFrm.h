#pragma once

#include "config/Operator.h"
#include "shell/ui/aFrm.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

// The operator editor (modal): login, employee, note, password twice and the rights offered.
// "确定" hands the operator to the save step of its owner and closes only when that succeeds.
class TOperatorEditorFrm : public TaFrm
{
    Q_OBJECT
public:
    explicit TOperatorEditorFrm(const TRightItems &rights, QWidget *parent = nullptr);

    // Fills the editor with an existing operator; the login name can no longer be changed.
    void LoadOperator(const ROperator &op);
    // The operator as the controls say.
    ROperator Operator() const;
    bool Editing() const { return m_editing; }

    // Saves the operator; false keeps the editor open (a non-empty error is shown first).
    std::function<bool(const ROperator &op, QString *error)> SaveStep;

    QLineEdit *edtUserId1 = nullptr;
    QComboBox *edtName1 = nullptr;
    QToolButton *Button3 = nullptr;
    QLineEdit *edtContact1 = nullptr;
    QLineEdit *edtNote1 = nullptr;
    QLineEdit *edtPassword1 = nullptr;
    QLineEdit *edtPassword2 = nullptr;
    QListWidget *CheckListBox1 = nullptr;
    QPushButton *btnOk1 = nullptr;
    QPushButton *btnCancel1 = nullptr;

private:
    QWidget *BuildFields();
    QWidget *BuildRights();
    void LoadEmployees();
    void SelectEmployee(const QVariant &id);
    void edtName1Change();
    void Button3Click();
    void CheckListBox1DblClick(QListWidgetItem *item);
    void btnOk1Click();

    TRightItems m_rights;
    bool m_editing = false;
    QString m_name;             // kept from the loaded operator when no employee is chosen
};
