#include "TstOperatorsFrm.h"

#include "ModalScript.h"
#include "config/Operator.h"
#include "config/ui/OperatorEditorFrm.h"
#include "config/ui/OperatorsFrm.h"
#include "shell/ui/Mall.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
TTestDatabase *s_db = nullptr;

void Type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// A double-click as the system delivers it: press, release, double-click, release.
void DoubleClick(QWidget *widget, const QPoint &pos)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

void Tick(QListWidget *list, int code, bool on)
{
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const bool ticked = item->checkState() == Qt::Checked;
        if (item->data(Qt::UserRole).toInt() == code && ticked != on) {
            list->scrollToItem(item);
            const QRect rect = list->visualItemRect(item);
            DoubleClick(list->viewport(), rect.center());
        }
    }
}

QListWidgetItem *ItemOf(QListWidget *list, const QString &login)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == login)
            return list->item(i);
    return nullptr;
}

ROperator Stored(const QString &login)
{
    for (const ROperator &op : ReadOperators())
        if (op.LoginId == login)
            return op;
    return {};
}

void SetOperator(const QString &login, const QString &password, const QString &rights)
{
    ROperator op;
    op.LoginId = login;
    op.Password = password;
    op.Rights = rights;
    QVERIFY(SaveOperator(op));
}

void ShowActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}
} // namespace

void TstOperatorsFrm::initTestCase()
{
    s_db = new TTestDatabase;
    s_db->CreateFull();
    TheDatabase().ExecCommand("insert into employee(Id, Name, Tel)values(1, '王强', '13800001111')");
    TheDatabase().ExecCommand("insert into employee(Id, Name, Tel)values(2, '李梅', '0571-888')");
}

void TstOperatorsFrm::cleanupTestCase()
{
    TheMall().EmployeePicker = nullptr;
    delete s_db;
    s_db = nullptr;
}

void TstOperatorsFrm::init()
{
    TheDatabase().ExecCommand("delete from [operator] where LoginId<>'sa'");
    SetOperator("li", "Li-1", ",1012,,1013,");
    SetOperator("zhao", "", "");
}

void TstOperatorsFrm::editorRightsRoundTrip_data()
{
    QTest::addColumn<QString>("rights");
    QTest::addColumn<QList<int>>("untick");
    QTest::addColumn<QList<int>>("tick");
    QTest::addColumn<QString>("saved");
    QTest::newRow("unchanged") << ",1012,,1013," << QList<int>{} << QList<int>{}
                               << ",1012,,1013,";
    QTest::newRow("catalogue order") << ",10007,,1012," << QList<int>{} << QList<int>{}
                                     << ",1012,,10007,";
    QTest::newRow("six digits") << ",100001," << QList<int>{100001} << QList<int>{10000, 1063}
                                << ",1063,,10000,";
    QTest::newRow("none to two") << "" << QList<int>{} << QList<int>{1029, 1016}
                                 << ",1016,,1029,";
}

void TstOperatorsFrm::editorRightsRoundTrip()
{
    QFETCH(QString, rights);
    QFETCH(QList<int>, untick);
    QFETCH(QList<int>, tick);
    QFETCH(QString, saved);
    ROperator op;
    op.LoginId = "li";
    op.Password = "pw";
    op.Rights = rights;
    op.Note = QStringLiteral("采购部");
    TOperatorEditorFrm frm(OfferedRights());
    frm.LoadOperator(op);
    QCOMPARE(frm.CheckListBox1->count(), 45);
    QCOMPARE(frm.CheckListBox1->item(37)->text(), QStringLiteral("操作员及权限管理"));
    for (int i = 0; i < frm.CheckListBox1->count(); ++i) {
        const QListWidgetItem *item = frm.CheckListBox1->item(i);
        QCOMPARE(item->checkState() == Qt::Checked,
                 RightsContain(rights, item->data(Qt::UserRole).toInt()));
    }
    ShowActive(frm);
    for (int code : untick)
        Tick(frm.CheckListBox1, code, false);
    for (int code : tick)
        Tick(frm.CheckListBox1, code, true);
    ROperator result;
    frm.SaveStep = [&result](const ROperator &o, QString *) {
        result = o;
        return true;
    };
    QTest::mouseClick(frm.btnOk1, Qt::LeftButton);
    QCOMPARE(frm.result(), int(QDialog::Accepted));
    QCOMPARE(result.Rights, saved);
    QCOMPARE(result.LoginId, QStringLiteral("li"));
    QCOMPARE(result.Password, QStringLiteral("pw"));
    QCOMPARE(result.Note, QStringLiteral("采购部"));
    QVERIFY(result.EmployeeId.isNull());
}

void TstOperatorsFrm::editorRefuses_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password1");
    QTest::addColumn<QString>("password2");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no login") << "" << "a" << "a" << "必须填写登陆名." << "edtUserId1";
    QTest::newRow("blank login") << "  " << "" << "" << "必须填写登陆名." << "edtUserId1";
    QTest::newRow("passwords differ") << "wang" << "abc" << "abd"
                                      << "两次输入的密码不一样,请重新输入." << "edtPassword1";
}

void TstOperatorsFrm::editorRefuses()
{
    QFETCH(QString, login);
    QFETCH(QString, password1);
    QFETCH(QString, password2);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TScriptedMessageScope messages;
    TOperatorEditorFrm frm(OfferedRights());
    QCOMPARE(frm.windowTitle(), QStringLiteral("操作员属性"));
    QVERIFY(frm.edtUserId1->isEnabled());
    bool saved = false;
    frm.SaveStep = [&saved](const ROperator &, QString *) { return saved = true; };
    ShowActive(frm);
    Type(frm.edtUserId1, login);
    Type(frm.edtPassword1, password1);
    Type(frm.edtPassword2, password2);
    QTest::mouseClick(frm.btnOk1, Qt::LeftButton);
    QVERIFY(!saved);
    QVERIFY(frm.isVisible());
    QCOMPARE(messages->Messages.size(), 1);
    QCOMPARE(messages->LastText().trimmed(), message);
    QCOMPARE(frm.focusWidget()->objectName(), focus);
    if (focus == "edtPassword1") {
        QVERIFY(frm.edtPassword1->text().isEmpty());
        QVERIFY(frm.edtPassword2->text().isEmpty());
    }
}

void TstOperatorsFrm::editorEmployees()
{
    // Without a registered picker "..." stays disabled; with one it chooses the employee.
    TheMall().EmployeePicker = nullptr;
    {
        TOperatorEditorFrm frm(OfferedRights());
        QVERIFY(!frm.Button3->isEnabled());
    }
    TheMall().EmployeePicker = [](QWidget *, Tmall::TEmployeeCallback callback) {
        TheDatabase().ExecCommand("insert into employee(Id, Name, Tel)values(3, '新人', '555')");
        callback(3, QStringLiteral("新人"));
    };
    ROperator op;
    op.LoginId = "li";
    op.EmployeeId = 2;
    TOperatorEditorFrm frm(OfferedRights());
    frm.LoadOperator(op);
    QCOMPARE(frm.edtName1->currentText(), QStringLiteral("李梅"));
    QCOMPARE(frm.edtContact1->text(), QStringLiteral("0571-888"));
    QVERIFY(frm.edtContact1->isReadOnly());
    frm.edtName1->setCurrentIndex(frm.edtName1->findText(QStringLiteral("王强")));
    QCOMPARE(frm.edtContact1->text(), QStringLiteral("13800001111"));
    QCOMPARE(frm.Operator().EmployeeId.toInt(), 1);
    ShowActive(frm);
    QVERIFY(frm.Button3->isEnabled());
    QTest::mouseClick(frm.Button3, Qt::LeftButton);
    QCOMPARE(frm.edtName1->currentText(), QStringLiteral("新人"));
    QCOMPARE(frm.edtContact1->text(), QStringLiteral("555"));
    QCOMPARE(frm.Operator().EmployeeId.toInt(), 3);
    frm.edtName1->setCurrentIndex(0);
    QVERIFY(frm.Operator().EmployeeId.isNull());
    QVERIFY(frm.edtContact1->text().isEmpty());
    TheDatabase().ExecCommand("delete from employee where Id=3");
    TheMall().EmployeePicker = nullptr;
}

void TstOperatorsFrm::windowAddsOperator()
{
    TScriptedMessageScope messages;
    auto *frm = new TOperatorsFrm;
    QCOMPARE(frm->windowTitle(), QStringLiteral("操作员及权限"));
    QCOMPARE(frm->ListView1->count(), 2);
    QVERIFY(!ItemOf(frm->ListView1, "sa"));
    QVERIFY(!frm->btnProperty->isEnabled());
    QVERIFY(!frm->btnDelete->isEnabled());
    ShowActive(*frm);
    TModalScript script({[](QWidget *dialog) {
        auto *editor = qobject_cast<TOperatorEditorFrm *>(dialog);
        QVERIFY(editor);
        QVERIFY(!editor->Editing());
        Type(editor->edtUserId1, "wang");
        editor->edtName1->setCurrentIndex(editor->edtName1->findText(QStringLiteral("王强")));
        Type(editor->edtPassword1, "pw9");
        Type(editor->edtPassword2, "pw9");
        Tick(editor->CheckListBox1, 1017, true);
        Tick(editor->CheckListBox1, 1014, true);
        QTest::mouseClick(editor->btnOk1, Qt::LeftButton);
    }});
    QTest::mouseClick(frm->btnAdd, Qt::LeftButton);
    QCOMPARE(script.StepsDone(), 1);
    QCOMPARE(frm->ListView1->count(), 3);
    QListWidgetItem *item = ItemOf(frm->ListView1, "wang");
    QVERIFY(item);
    QCOMPARE(TOperatorsFrm::OperatorOf(item).Rights, QStringLiteral(",1014,,1017,"));
    const ROperator stored = Stored("wang");
    QCOMPARE(stored.Password, QStringLiteral("pw9"));
    QCOMPARE(stored.Rights, QStringLiteral(",1014,,1017,"));
    QCOMPARE(stored.EmployeeId.toInt(), 1);
    QVERIFY(messages->Messages.isEmpty());
    frm->close();
}

void TstOperatorsFrm::windowRefusesExistingLogin_data()
{
    QTest::addColumn<QString>("login");
    QTest::newRow("sa") << "sa";
    QTest::newRow("listed operator") << "li";
}

void TstOperatorsFrm::windowRefusesExistingLogin()
{
    QFETCH(QString, login);
    TScriptedMessageScope messages;
    TOperatorsFrm frm;
    frm.setAttribute(Qt::WA_DeleteOnClose, false);
    ShowActive(frm);
    TModalScript script({[login](QWidget *dialog) {
                             auto *editor = qobject_cast<TOperatorEditorFrm *>(dialog);
                             Type(editor->edtUserId1, login);
                             Type(editor->edtPassword1, "stolen");
                             Type(editor->edtPassword2, "stolen");
                             Tick(editor->CheckListBox1, 100001, true);
                             QTest::mouseClick(editor->btnOk1, Qt::LeftButton);
                         },
                         [login](QWidget *dialog) {
                             // Still open on the same input, the login ready to be changed.
                             auto *editor = qobject_cast<TOperatorEditorFrm *>(dialog);
                             QVERIFY(editor);
                             QCOMPARE(editor->edtUserId1->text(), login);
                             QCOMPARE(editor->focusWidget(), editor->edtUserId1);
                             editor->btnCancel1->click();
                         }});
    QTest::mouseClick(frm.btnAdd, Qt::LeftButton);
    QCOMPARE(script.StepsDone(), 2);
    QCOMPARE(messages->Messages.size(), 1);
    QVERIFY(messages->LastText().contains(QStringLiteral("已经存在")));
    QVERIFY(messages->LastText().contains(login));
    QCOMPARE(frm.ListView1->count(), 2);
    TOperator stored;
    stored.Load(login);
    QVERIFY(!stored.CheckPassword("stolen"));
    QVERIFY(!RightsContain(stored.Rights, 100001));
}

void TstOperatorsFrm::windowChangesOperator()
{
    TScriptedMessageScope messages;
    TOperatorsFrm frm;
    frm.setAttribute(Qt::WA_DeleteOnClose, false);
    ShowActive(frm);
    QListWidgetItem *item = ItemOf(frm.ListView1, "li");
    frm.ListView1->setCurrentItem(item);
    QVERIFY(frm.btnProperty->isEnabled());
    QVERIFY(frm.btnDelete->isEnabled());
    TModalScript script({[](QWidget *dialog) {
        auto *editor = qobject_cast<TOperatorEditorFrm *>(dialog);
        QVERIFY(editor->Editing());
        QVERIFY(!editor->edtUserId1->isEnabled());
        QCOMPARE(editor->edtPassword1->text(), QStringLiteral("Li-1"));
        QCOMPARE(editor->edtPassword2->text(), QStringLiteral("Li-1"));
        Type(editor->edtNote1, "buyer");
        Type(editor->edtPassword1, "");     // both emptied: an empty password
        Type(editor->edtPassword2, "");
        Tick(editor->CheckListBox1, 1013, false);
        Tick(editor->CheckListBox1, 1008, true);
        QTest::mouseClick(editor->btnOk1, Qt::LeftButton);
    }});
    // A double-click on the item opens the properties as the button does.
    const QRect rect = frm.ListView1->visualItemRect(item);
    DoubleClick(frm.ListView1->viewport(), rect.center());
    QCOMPARE(script.StepsDone(), 1);
    const ROperator changed = TOperatorsFrm::OperatorOf(ItemOf(frm.ListView1, "li"));
    QCOMPARE(changed.Rights, QStringLiteral(",1012,,1008,"));
    QCOMPARE(changed.Note, QStringLiteral("buyer"));
    const ROperator stored = Stored("li");
    QCOMPARE(stored.Rights, QStringLiteral(",1012,,1008,"));
    QCOMPARE(stored.Note, QStringLiteral("buyer"));
    QCOMPARE(stored.Password, QString());
    QCOMPARE(frm.ListView1->count(), 2);
    QVERIFY(messages->Messages.isEmpty());
}

void TstOperatorsFrm::windowDeletesOperator()
{
    TScriptedMessageScope messages;
    TOperatorsFrm frm;
    frm.setAttribute(Qt::WA_DeleteOnClose, false);
    ShowActive(frm);
    frm.ListView1->setCurrentItem(ItemOf(frm.ListView1, "zhao"));
    messages->Answers = {false, true};
    QTest::mouseClick(frm.btnDelete, Qt::LeftButton);
    QCOMPARE(messages->Messages.size(), 1);
    QCOMPARE(messages->Messages.last().kind, TMessageLayer::Kind::ConfirmDelete);
    QCOMPARE(messages->LastText(), QStringLiteral("\r您确定要删除 zhao 吗?\t\t"));
    QVERIFY(ItemOf(frm.ListView1, "zhao"));
    QVERIFY(!Stored("zhao").LoginId.isEmpty());
    QTest::mouseClick(frm.btnDelete, Qt::LeftButton);
    QVERIFY(!ItemOf(frm.ListView1, "zhao"));
    QVERIFY(Stored("zhao").LoginId.isEmpty());
    QCOMPARE(frm.ListView1->count(), 1);
    QVERIFY(!frm.btnDelete->isEnabled() || frm.ListView1->currentItem());
}
