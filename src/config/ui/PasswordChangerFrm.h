#pragma once

#include "shell/ui/ADlgFrm.h"

class QLineEdit;
class QWidget;
class TOperator;

// The change-password dialog: the current password and the new one twice. It refuses two
// different new passwords itself; the current password is checked by ChangePassword.
class TPasswordChangerFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TPasswordChangerFrm(const QString &loginId, QWidget *parent = nullptr);

    QLineEdit *edtUser = nullptr;
    QLineEdit *edtOldPassword = nullptr;
    QLineEdit *edtNewPassword1 = nullptr;
    QLineEdit *edtNewPassword2 = nullptr;

protected:
    void OkClicked() override;
    void showEvent(QShowEvent *event) override;
};

// "更改我的密码": asks until the current password is right or the operator cancels.
void ChangePassword(TOperator &op, QWidget *parent = nullptr);
