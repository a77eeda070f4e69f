#pragma once

#include "shell/ui/ADlgFrm.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The login dialog: a login name from the drop-down (or typed) and its password. A wrong pair
// keeps the dialog open without a message, with the password selected for another try.
class TLoginFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TLoginFrm(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QComboBox *edtUserId = nullptr;
    QLineEdit *edtPassword = nullptr;

protected:
    void OkClicked() override;
    bool PreviewKey(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// The login dialog; true when an operator logged in (TheOperator loaded).
bool LoginDialog(QWidget *parent = nullptr);
// Login from the command line: true and TheOperator loaded when the pair is valid.
bool LoginWith(const QString &login, const QString &password);
