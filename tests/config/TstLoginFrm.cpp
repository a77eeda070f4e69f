#include "TstLoginFrm.h"

#include "ConfigSandbox.h"
#include "ModalScript.h"
#include "config/Configer.h"
#include "config/Operator.h"
#include "config/ui/LoginFrm.h"
#include "config/ui/PasswordChangerFrm.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
TTestDatabase *s_db = nullptr;

void AddLogin(const QString &login, const QString &password)
{
    ROperator op;
    op.LoginId = login;
    op.Password = password;
    QString error;
    QVERIFY2(AddOperator(op, &error), qPrintable(error));
}

void Type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Types login and password into the open login dialog and presses Enter in the password.
TModalScript::TStep LoginStep(const QString &login, const QString &password)
{
    return [login, password](QWidget *dialog) {
        auto *frm = qobject_cast<TLoginFrm *>(dialog);
        QVERIFY(frm);
        frm->edtUserId->setEditText(login);
        Type(frm->edtPassword, password);
        QTest::keyClick(frm->edtPassword, Qt::Key_Return);
    };
}

TModalScript::TStep CancelStep()
{
    return [](QWidget *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); };
}
} // namespace

void TstLoginFrm::initTestCase()
{
    s_db = new TTestDatabase;
    s_db->CreateFull();
    AddLogin("li", "Li-123");
    AddLogin("zhao", "");
    AddLogin("SA", "upper");
}

void TstLoginFrm::cleanupTestCase()
{
    TheOperator().Clear();
    delete s_db;
    s_db = nullptr;
}

void TstLoginFrm::offersLogins_data()
{
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first start") << "" << "sa";
    QTest::newRow("last login") << "zhao" << "zhao";
}

void TstLoginFrm::offersLogins()
{
    QFETCH(QString, last);
    QFETCH(QString, shown);
    TConfigSandbox sandbox;
    if (!last.isEmpty())
        TConfiger::SetLastLoginId(last);
    TLoginFrm frm;
    QCOMPARE(frm.windowTitle(), QStringLiteral("登陆"));
    QCOMPARE(frm.OkButton()->text(), QStringLiteral("确定(&O)"));
    QCOMPARE(frm.CancelButton()->text(), QStringLiteral("取消"));
    QCOMPARE(frm.Label1->text(), QStringLiteral("请输入您的用户名和密码:"));
    QCOMPARE(frm.edtUserId->currentText(), shown);
    QVERIFY(frm.edtUserId->isEditable());
    QStringList items;
    for (int i = 0; i < frm.edtUserId->count(); ++i)
        items << frm.edtUserId->itemText(i);
    items.sort();
    QCOMPARE(items, QStringList({"SA", "li", "zhao"}));     // sa itself is not offered
    QCOMPARE(frm.edtPassword->echoMode(), QLineEdit::Password);
    // Enter in the login name goes on to the password; Enter there presses OK.
    frm.show();
    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    frm.edtUserId->setFocus();
    // Another key first: the window's key preview skips a repeat of the same event.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(frm.isVisible());
    QCOMPARE(QApplication::focusWidget(), frm.edtPassword);
}

void TstLoginFrm::login_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::newRow("operator") << "li" << "Li-123";
    QTest::newRow("empty password") << "zhao" << "";
    QTest::newRow("sa") << "sa" << "";
    QTest::newRow("SA is another login") << "SA" << "upper";
}

void TstLoginFrm::login()
{
    QFETCH(QString, login);
    QFETCH(QString, password);
    TConfigSandbox sandbox;
    TScriptedMessageScope messages;
    TheOperator().Clear();
    TModalScript script({LoginStep(login, password)});
    QVERIFY(LoginDialog());
    QCOMPARE(script.StepsDone(), 1);
    QCOMPARE(TheOperator().LoginId, login);
    QCOMPARE(TheOperator().Password, password);
    QCOMPARE(TConfiger::LastLoginId(), login);
    QVERIFY(messages->Messages.isEmpty());

    TheOperator().Clear();
    TModalScript cancel({CancelStep()});
    QVERIFY(!LoginDialog());
    QVERIFY(TheOperator().LoginId.isEmpty());
}

void TstLoginFrm::wrongPasswordStaysOpen()
{
    TConfigSandbox sandbox;
    TScriptedMessageScope messages;
    TheOperator().Clear();
    // Wrong password, wrong case, unknown login: each keeps the dialog open, silently.
    TModalScript script({LoginStep("li", "li-123"), [](QWidget *dialog) {
                             auto *frm = qobject_cast<TLoginFrm *>(dialog);
                             QVERIFY(frm->isVisible());
                             QCOMPARE(frm->focusWidget(), frm->edtPassword);
                             QCOMPARE(frm->edtPassword->selectedText(), QStringLiteral("li-123"));
                             QVERIFY(TheOperator().LoginId.isEmpty());
                         },
                         LoginStep("wang", ""), LoginStep("sa", "x"), CancelStep()});
    QVERIFY(!LoginDialog());
    QCOMPARE(script.StepsDone(), 5);
    QVERIFY(messages->Messages.isEmpty());
    QVERIFY(TheOperator().LoginId.isEmpty());
    QVERIFY(TConfiger::LastLoginId().isEmpty());
}

void TstLoginFrm::commandLineLogin_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << "li" << "Li-123" << true;
    QTest::newRow("wrong") << "li" << "Li-12" << false;
    QTest::newRow("unknown with empty password") << "nobody" << "" << false;
}

void TstLoginFrm::commandLineLogin()
{
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(bool, valid);
    TheOperator().Clear();
    QCOMPARE(LoginWith(login, password), valid);
    QCOMPARE(TheOperator().LoginId, valid ? login : QString());
    TheOperator().Clear();
}

void TstLoginFrm::changePassword_data()
{
    // Each attempt: current password, new password, its repetition ("-" cancels).
    QTest::addColumn<QStringList>("attempts");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("stored");
    const QString mismatch = QStringLiteral("两次输入的新密码不一样,请确认并重新输入.");
    const QString wrong = QStringLiteral("当前密码验证失败,请确认并重新输入.");
    const QString done = QStringLiteral("密码更改成功! 下次登陆时请使用新密码.");
    QTest::newRow("success") << QStringList{"Li-123", "neu", "neu"} << QStringList{done}
                             << "neu";
    QTest::newRow("mismatch, wrong current, then right")
        << QStringList{"Li-123", "a", "b", "li-123", "neu", "neu", "Li-123", "neu", "neu"}
        << QStringList{mismatch, wrong, done} << "neu";
    QTest::newRow("to an empty password") << QStringList{"Li-123", "", ""} << QStringList{done}
                                          << "";
    QTest::newRow("wrong then cancel") << QStringList{"x", "n", "n", "-"} << QStringList{wrong}
                                       << "Li-123";
}

void TstLoginFrm::changePassword()
{
    QFETCH(QStringList, attempts);
    QFETCH(QStringList, messages);
    QFETCH(QString, stored);
    TheOperator().Load("li");
    SetPassword(TheOperator(), "Li-123");
    TheOperator().Load("li");
    TScriptedMessageScope shown;
    QList<TModalScript::TStep> steps;
    for (qsizetype i = 0; i < attempts.size(); i += 3) {
        if (attempts[i] == "-") {
            steps << CancelStep();
            break;
        }
        const QStringList a = attempts.mid(i, 3);
        steps << [a](QWidget *dialog) {
            auto *frm = qobject_cast<TPasswordChangerFrm *>(dialog);
            QVERIFY(frm);
            QCOMPARE(frm->windowTitle(), QStringLiteral("更改密码"));
            QCOMPARE(frm->edtUser->text(), QStringLiteral("li"));
            Type(frm->edtOldPassword, a[0]);
            Type(frm->edtNewPassword1, a[1]);
            Type(frm->edtNewPassword2, a[2]);
            QTest::mouseClick(frm->OkButton(), Qt::LeftButton);
            if (a[1] != a[2]) {
                QVERIFY(frm->isVisible());
                QVERIFY(frm->edtNewPassword1->text().isEmpty());
                QVERIFY(frm->edtNewPassword2->text().isEmpty());
                QCOMPARE(frm->focusWidget(), frm->edtNewPassword1);
            }
        };
    }
    TModalScript script(steps);
    ChangePassword(TheOperator());
    QCOMPARE(script.StepsDone(), steps.size());
    QVERIFY(script.Unexpected().isEmpty());
    QStringList texts;
    for (const auto &m : shown->Messages)
        texts << m.text.trimmed();
    QCOMPARE(texts, messages);
    QCOMPARE(TheOperator().Password, stored);
    TOperator reloaded;
    reloaded.Load("li");
    QCOMPARE(reloaded.Password, stored);
    TheOperator().Clear();
}
