#include "config/ui/LoginFrm.h"

#include "config/Configer.h"
#include "config/Operator.h"
#include "config/OperatorSet.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QStringList LoginNames()
{
    const TOperatorSet set;
    return set.JoinValues(set.UserIdField, QStringLiteral("\n")).split(u'\n', Qt::SkipEmptyParts);
}
} // namespace

TLoginFrm::TLoginFrm(QWidget *parent) : TADlgFrm(parent, QStringLiteral("LoginFrm"))
{
    setWindowTitle(QStringLiteral("登陆"));
    HelpButton()->hide();
    Label1 = new QLabel(QStringLiteral("请输入您的用户名和密码:"), Client());
    edtUserId = new QComboBox(Client());
    edtUserId->setObjectName(QStringLiteral("edtUserId"));
    edtUserId->setEditable(true);
    edtUserId->setInsertPolicy(QComboBox::NoInsert);
    edtUserId->addItems(LoginNames());
    const QString last = TConfiger::LastLoginId();
    edtUserId->setEditText(last.isEmpty() ? QStringLiteral("sa") : last);
    edtUserId->setMinimumWidth(200);
    edtPassword = new QLineEdit(Client());
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    edtPassword->setEchoMode(QLineEdit::Password);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    auto *userLabel = new QLabel(QStringLiteral("用户名(&U):"), Client());
    userLabel->setBuddy(edtUserId);
    auto *passwordLabel = new QLabel(QStringLiteral("密码(&P):"), Client());
    passwordLabel->setBuddy(edtPassword);
    form->addRow(userLabel, edtUserId);
    form->addRow(passwordLabel, edtPassword);
    auto *layout = new QVBoxLayout(Client());
    layout->setContentsMargins(12, 8, 12, 4);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addLayout(form);
}

void TLoginFrm::showEvent(QShowEvent *event)
{
    TADlgFrm::showEvent(event);
    // The last login is usually the one logging in again: straight to the password.
    if (edtUserId->currentText().isEmpty())
        edtUserId->setFocus();
    else
        edtPassword->setFocus();
}

bool TLoginFrm::PreviewKey(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter)
        return false;
    if (edtUserId->hasFocus() && !edtUserId->view()->isVisible()) {
        edtPassword->setFocus();
        edtPassword->selectAll();
        return true;
    }
    if (edtPassword->hasFocus()) {
        OkButton()->click();
        return true;
    }
    return false;
}

void TLoginFrm::OkClicked()
{
    const QString login = edtUserId->currentText();
    TOperator candidate;
    candidate.Load(login);
    if (!candidate.CheckPassword(edtPassword->text())) {
        edtPassword->setFocus();
        edtPassword->selectAll();
        return;
    }
    TheOperator().Load(login);
    TConfiger::SetLastLoginId(login);
    accept();
}

bool LoginDialog(QWidget *parent)
{
    TLoginFrm frm(parent);
    return frm.exec() == QDialog::Accepted;
}

bool LoginWith(const QString &login, const QString &password)
{
    TOperator candidate;
    candidate.Load(login);
    if (!candidate.CheckPassword(password))
        return false;
    TheOperator() = candidate;
    return true;
}
