#include "config/ui/PasswordChangerFrm.h"

#include "config/Operator.h"
#include "data/Messages.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {
QLineEdit *NewPasswordEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(50);
    edit->setMinimumWidth(180);
    return edit;
}
} // namespace

TPasswordChangerFrm::TPasswordChangerFrm(const QString &loginId, QWidget *parent)
    : TADlgFrm(parent, QStringLiteral("PasswordChangerFrm"))
{
    setWindowTitle(QStringLiteral("更改密码"));
    edtUser = new QLineEdit(loginId, Client());
    edtUser->setObjectName(QStringLiteral("edtUser"));
    edtUser->setReadOnly(true);
    edtUser->setFocusPolicy(Qt::NoFocus);
    edtOldPassword = NewPasswordEdit(Client(), QStringLiteral("edtOldPassword"));
    edtNewPassword1 = NewPasswordEdit(Client(), QStringLiteral("edtNewPassword1"));
    edtNewPassword2 = NewPasswordEdit(Client(), QStringLiteral("edtNewPassword2"));
    auto *form = new QFormLayout(Client());
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("当前用户"), edtUser);
    form->addRow(QStringLiteral("当前密码"), edtOldPassword);
    form->addRow(QStringLiteral("新密码"), edtNewPassword1);
    form->addRow(QStringLiteral("新密码验证"), edtNewPassword2);
}

void TPasswordChangerFrm::showEvent(QShowEvent *event)
{
    TADlgFrm::showEvent(event);
    edtOldPassword->setFocus();
    edtOldPassword->selectAll();
}

void TPasswordChangerFrm::OkClicked()
{
    if (edtNewPassword1->text() != edtNewPassword2->text()) {
        ShowInfo(QStringLiteral("两次输入的新密码不一样,请确认并重新输入."));
        edtNewPassword1->clear();
        edtNewPassword2->clear();
        edtNewPassword1->setFocus();
        return;
    }
    accept();
}

void ChangePassword(TOperator &op, QWidget *parent)
{
    // Nobody logged in: there is no password to change.
    if (op.LoginId.isEmpty())
        return;
    TPasswordChangerFrm frm(op.LoginId, parent);
    for (;;) {
        if (frm.exec() != QDialog::Accepted)
            return;
        if (frm.edtOldPassword->text() == op.Password)
            break;
        ShowInfo(QStringLiteral("当前密码验证失败,请确认并重新输入."));
    }
    const QString password = frm.edtNewPassword1->text();
    SetPassword(op, password);
    op.Password = password;
    ShowInfo(QStringLiteral("密码更改成功! 下次登陆时请使用新密码."));
}
