#include "TstOptionEdtFrm.h"

#include "ModalScript.h"
#include "config/Company.h"
#include "config/KeyValue.h"
#include "config/Operator.h"
#include "config/PickList.h"
#include "config/Settings.h"
#include "config/ui/CompanyInfoFrm.h"
#include "config/ui/ConfigWindows.h"
#include "config/ui/LoginFrm.h"
#include "config/ui/OperatorEditorFrm.h"
#include "config/ui/OperatorsFrm.h"
#include "config/ui/OptionEdtFrm.h"
#include "config/ui/PasswordChangerFrm.h"
#include "data/KeyValueSet.h"
#include "data/Labels.h"
#include "data/RecordSet.h"
#include "shell/ui/Mall.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {
TTestDatabase *s_db = nullptr;

void ShowActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// keyClicks only knows Latin-1 keys; other characters arrive as text, as from an input method.
void TypeText(QWidget *edit, const QString &text)
{
    for (const QChar ch : text) {
        if (ch == u'\n')
            QTest::keyClick(edit, Qt::Key_Return);
        else if (ch.unicode() < 0x80)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
    }
}

void Retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
}

int RowOf(QTableWidget *table, const QString &name)
{
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0)->text() == name)
            return row;
    return -1;
}

// Edits a label's text in the name/value editor as the operator does: select, type, Enter.
void EditLabel(QTableWidget *table, const QString &name, const QString &text)
{
    const int row = RowOf(table, name);
    QVERIFY2(row >= 0, qPrintable(name));
    table->setFocus();
    table->setCurrentCell(row, 1);
    table->editItem(table->item(row, 1));
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    TypeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(table->item(row, 1)->text(), text);     // committed after the key
}

void SelectGroup(TOptionEdtFrm &frm, int group)
{
    frm.TreeView1->setCurrentItem(frm.TreeView1->topLevelItem(group));
}

void EditPickList(TOptionEdtFrm &frm, int key, const QString &text)
{
    const QRect rect = frm.ListBox1->visualItemRect(frm.ListBox1->item(key));
    QTest::mouseClick(frm.ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(frm.ListBox1->currentRow(), key);
    frm.Memo1->setFocus();
    frm.Memo1->selectAll();
    TypeText(frm.Memo1, text);
}

QString StoredPickList(int key)
{
    QString text;
    TPickList::ReadPickList(key, text);
    return text;
}
} // namespace

void TstOptionEdtFrm::initTestCase()
{
    s_db = new TTestDatabase;
    s_db->CreateFull();
}

void TstOptionEdtFrm::cleanupTestCase()
{
    TheOperator().Clear();
    delete s_db;
    s_db = nullptr;
}

void TstOptionEdtFrm::optionsShowStoredValues()
{
    TOptionEdtFrm frm;
    QCOMPARE(frm.windowTitle(), QStringLiteral("选项"));
    QStringList tabs;
    for (int i = 0; i < frm.PageControl1->count(); ++i)
        tabs << frm.PageControl1->tabText(i);
    QCOMPARE(tabs, QStringList({"采购选项", "小数位", "标签定义", "下拉选项"}));
    QCOMPARE(frm.edtQtyDecimals->value(), 2);       // the rows of a new database
    QCOMPARE(frm.edtPriceDecimals->value(), 4);
    QCOMPARE(frm.edtQtyDecimals->maximum(), 100);
    QCOMPARE(frm.TreeView1->currentItem()->text(0), QStringLiteral("货品资料"));
    QCOMPARE(frm.ValueListEditor1->rowCount(), 20);
    QCOMPARE(frm.ValueListEditor1->horizontalHeaderItem(0)->text(), QStringLiteral("项目"));
    QCOMPARE(frm.ValueListEditor1->horizontalHeaderItem(1)->text(), QStringLiteral("名称"));
    QCOMPARE(frm.ValueListEditor1->item(1, 0)->text(), QStringLiteral("WareS02"));
    QCOMPARE(frm.ValueListEditor1->item(1, 1)->text(), QStringLiteral("品名"));
    QCOMPARE(frm.ListBox1->count(), 4);
    QCOMPARE(frm.ListBox1->item(3)->text(), QStringLiteral("付款方式"));
    QVERIFY(frm.Memo1->toPlainText().startsWith(QStringLiteral("个\n件")));
    SelectGroup(frm, 1);
    QCOMPARE(frm.ValueListEditor1->rowCount(), 5);
    QCOMPARE(frm.ValueListEditor1->item(0, 1)->text(), QStringLiteral("采购询价"));
}

void TstOptionEdtFrm::optionsSaveAndReload()
{
    TScriptedMessageScope messages;
    TKeyValueSet::WriteText(skLabels, "WareS01=货号");       // the others undefined
    {
        TOptionEdtFrm frm;
        ShowActive(frm);
        QCOMPARE(frm.ValueListEditor1->item(2, 1)->text(), QStringLiteral("WareS03"));
        frm.PageControl1->setCurrentIndex(1);
        frm.edtQtyDecimals->setValue(3);
        frm.edtPriceDecimals->setValue(0);
        frm.PageControl1->setCurrentIndex(2);
        EditLabel(frm.ValueListEditor1, "WareS05", QStringLiteral("厂牌"));
        SelectGroup(frm, 1);                 // the edit survives switching groups
        EditLabel(frm.ValueListEditor1, "InquiryBillName", QStringLiteral("比价单"));
        SelectGroup(frm, 0);
        QCOMPARE(frm.ValueListEditor1->item(RowOf(frm.ValueListEditor1, "WareS05"), 1)->text(),
                 QStringLiteral("厂牌"));
        EditLabel(frm.ValueListEditor1, "WareF01", QStringLiteral("长度"));
        frm.PageControl1->setCurrentIndex(3);
        EditPickList(frm, plUnits, QStringLiteral("台\n套"));
        EditPickList(frm, plPayModes, QStringLiteral("月结"));
        QTest::mouseClick(frm.OkButton(), Qt::LeftButton);
        QCOMPARE(frm.result(), int(QDialog::Accepted));
    }
    QVERIFY(messages->Messages.isEmpty());
    QCOMPARE(TKeyValue::GetIntDef(skQtyDecimals, -1), 3);
    QCOMPARE(TKeyValue::GetIntDef(skPriceDecimals, -1), 0);
    QCOMPARE(QtyFormat(), QStringLiteral("0.000"));      // loaded again after the dialog
    QCOMPARE(PriceFormat(), QStringLiteral("0."));
    QCOMPARE(Caption("WareS05"), QStringLiteral("厂牌"));
    const TLabels labels;
    QCOMPARE(labels.GetLabel("WareS01"), QStringLiteral("货号"));
    QCOMPARE(labels.GetLabel("WareS05"), QStringLiteral("厂牌"));
    QCOMPARE(labels.GetLabel("WareF01"), QStringLiteral("长度"));
    QCOMPARE(labels.GetLabel("InquiryBillName"), QStringLiteral("比价单"));
    QCOMPARE(StoredPickList(plUnits), QStringLiteral("台\n套"));
    QCOMPARE(StoredPickList(plPayModes), QStringLiteral("月结"));
    QVERIFY(StoredPickList(plCreditRatings).startsWith(QStringLiteral("优")));

    TOptionEdtFrm again;
    QCOMPARE(again.edtQtyDecimals->value(), 3);
    QCOMPARE(again.edtPriceDecimals->value(), 0);
    QCOMPARE(again.ValueListEditor1->item(4, 1)->text(), QStringLiteral("厂牌"));
    QCOMPARE(again.Memo1->toPlainText(), QStringLiteral("台\n套"));
    again.ListBox1->setCurrentRow(plPayModes);
    QCOMPARE(again.Memo1->toPlainText(), QStringLiteral("月结"));
}

void TstOptionEdtFrm::optionsCancelStoresNothing()
{
    TKeyValue::SetValue(skQtyDecimals, 2);
    const QString units = StoredPickList(plUnits);
    TOptionEdtFrm frm;
    ShowActive(frm);
    frm.edtQtyDecimals->setValue(6);
    EditPickList(frm, plUnits, QStringLiteral("吨"));
    QTest::mouseClick(frm.CancelButton(), Qt::LeftButton);
    QCOMPARE(frm.result(), int(QDialog::Rejected));
    QCOMPARE(TKeyValue::GetIntDef(skQtyDecimals, -1), 2);
    QCOMPARE(StoredPickList(plUnits), units);
}

void TstOptionEdtFrm::companyDialogSaves_data()
{
    QTest::addColumn<bool>("rowBefore");
    QTest::newRow("no row yet") << false;
    QTest::newRow("existing row") << true;
}

void TstOptionEdtFrm::companyDialogSaves()
{
    QFETCH(bool, rowBefore);
    TScriptedMessageScope messages;
    TheDatabase().ExecCommand("delete from Company");
    if (rowBefore)
        TheDatabase().ExecCommand("insert into Company(Id, CompanyName, Tel, Updated)"
                                  "values(5, '旧名', '111', 1)");
    LoadCompany();
    QVERIFY(CompanyInfoEmpty());
    TModalScript script({[](QWidget *dialog) {
        auto *frm = qobject_cast<TCompanyInfoFrm *>(dialog);
        QVERIFY(frm);
        QCOMPARE(frm->windowTitle(), QStringLiteral("公司信息"));
        QVERIFY(frm->OkButton()->isEnabled());
        Retype(frm->edtCompanyName, QStringLiteral("杭州宏达机械有限公司"));
        Retype(frm->edtManager, QStringLiteral("王经理"));
        Retype(frm->edtTel, "0571-1234567");
        Retype(frm->edtFax, "0571-7654321");
        Retype(frm->edtAddress, QStringLiteral("杭州市文一路1号"));
        Retype(frm->edtZip, "310012");
        frm->memProfile->setFocus();
        TypeText(frm->memProfile, QStringLiteral("机械配件"));
        QTest::mouseClick(frm->OkButton(), Qt::LeftButton);
    }});
    EditCompany(false);
    QCOMPARE(script.StepsDone(), 1);
    QVERIFY(messages->Messages.isEmpty());
    QVERIFY(!CompanyInfoEmpty());
    TRecordSet set;
    QCOMPARE(set.OpenSQL("select Id, CompanyName, Manager, Tel, Fax, Address, Zip, Profile, "
                         "Updated from Company"),
             1);
    const TDataSet *d = set.DataSet();
    QCOMPARE(d->Field(0)->AsInteger(), rowBefore ? 5 : 1);
    QCOMPARE(d->Field(1)->AsString(), QStringLiteral("杭州宏达机械有限公司"));
    QCOMPARE(d->Field(2)->AsString(), QStringLiteral("王经理"));
    QCOMPARE(d->Field(3)->AsString(), QStringLiteral("0571-1234567"));
    QCOMPARE(d->Field(4)->AsString(), QStringLiteral("0571-7654321"));
    QCOMPARE(d->Field(5)->AsString(), QStringLiteral("杭州市文一路1号"));
    QCOMPARE(d->Field(6)->AsString(), QStringLiteral("310012"));
    QCOMPARE(d->Field(7)->AsString(), QStringLiteral("机械配件"));
    QCOMPARE(d->Field(8)->AsBoolean(), rowBefore);       // carried through unchanged
}

void TstOptionEdtFrm::companyReadOnly()
{
    TModalScript script({[](QWidget *dialog) {
        auto *frm = qobject_cast<TCompanyInfoFrm *>(dialog);
        QVERIFY(!frm->OkButton()->isEnabled());
        QVERIFY(frm->edtCompanyName->isReadOnly());
        QCOMPARE(frm->edtCompanyName->text(), TheCompany().CompanyName);
        frm->CancelButton()->click();
    }});
    EditCompany(true);
    QCOMPARE(script.StepsDone(), 1);
}

void TstOptionEdtFrm::registeredWindows()
{
    TScriptedMessageScope messages;
    Tmall mall;
    RegisterConfigWindows(mall);
    for (const char *name : {"ChangePassword", "OpenOperators", "OpenOptions", "OpenCompany"})
        QVERIFY2(mall.Has(QString::fromLatin1(name)), name);
    // Without the right the window does not open: the refusal, then a silent abort.
    TheOperator().Clear();
    TheOperator().LoginId = "li";
    TheOperator().Rights = ",1012,";
    for (const auto &[name, code] : QList<QPair<QString, int>>{
             {"OpenOperators", 100001}, {"OpenOptions", 1008}, {"OpenCompany", 10000}}) {
        QVERIFY_THROWS_EXCEPTION(EAbort, mall.Open(name));
        QVERIFY(messages->LastText().contains(QStringLiteral("(%1).").arg(code)));
    }
    // The company dialog at start-up: only for an empty record and an operator with 10000.
    TheDatabase().ExecCommand("delete from Company");
    {
        TModalScript none({});
        mall.CheckCompanyInfo();
        QVERIFY(none.Unexpected().isEmpty());
    }
    TheOperator().Rights = ",10000,";
    TModalScript shown({[](QWidget *dialog) {
        QVERIFY(qobject_cast<TCompanyInfoFrm *>(dialog));
        QTest::keyClick(dialog, Qt::Key_Escape);
    }});
    mall.CheckCompanyInfo();
    QCOMPARE(shown.StepsDone(), 1);
    TheOperator().Clear();
}

namespace {
// Every visible label, button and drop-down of the window shows its whole text.
void CheckTextsFit(QWidget &window)
{
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)
            || qobject_cast<QComboBox *>(w))
            QVERIFY2(w->width() >= w->sizeHint().width()
                         && w->height() >= w->minimumSizeHint().height(),
                     qPrintable(window.objectName() + u' ' + w->objectName() + u' '
                                + w->property("text").toString()));
    }
}

void Grab(QWidget &window, const QString &name)
{
    ShowActive(window);
    QApplication::processEvents();
    CheckTextsFit(window);
    QVERIFY(window.grab().save(QStringLiteral("/tmp/openbuy-%1.png").arg(name)));
}
} // namespace

void TstOptionEdtFrm::textsFitAndScreenshots()
{
    TheDatabase().ExecCommand("insert into employee(Id, Name, Tel)values(1, '王强', '13800001111')");
    for (const char *login : {"wangq", "limei", "zhaoyun", "caiwu01"}) {
        ROperator op;
        op.LoginId = QString::fromLatin1(login);
        op.Rights = ",1012,,1014,,1016,,1017,,1036,";
        SaveOperator(op);
    }
    TLoginFrm login;
    Grab(login, "login");

    TOperatorsFrm operators;
    operators.setAttribute(Qt::WA_DeleteOnClose, false);
    operators.ListView1->setCurrentRow(0);
    Grab(operators, "operators");

    TOperatorEditorFrm editor(OfferedRights());
    ROperator op = ReadOperators().first();
    op.EmployeeId = 1;
    op.Note = QStringLiteral("采购部");
    editor.LoadOperator(op);
    Grab(editor, "operator-editor");

    TPasswordChangerFrm password(QStringLiteral("wangq"));
    Grab(password, "password");

    TOptionEdtFrm options;
    for (int page = 0; page < options.PageControl1->count(); ++page) {
        options.PageControl1->setCurrentIndex(page);
        Grab(options, QStringLiteral("options-%1").arg(page));
    }

    LoadCompany();
    TCompanyInfoFrm company;
    company.ShowCompany(TheCompany());
    Grab(company, "company");
}
