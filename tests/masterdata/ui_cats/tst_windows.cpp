#include "CatsFixture.h"
#include "support/TestSupport.h"

#include "config/KeyValue.h"
#include "config/KeyValue2.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/ui/CataAssignFrm.h"
#include "masterdata/ui/Lookups.h"
#include "masterdata/ui/WarecataEditFrm.h"
#include "masterdata/ui/WarecataPickerFrm.h"
#include "masterdata/ui/WarecataTree.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace {
QTreeWidgetItem *Node(TWarecataTree *tree, const QString &name)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (TWarecataTree::NodeRecord(*it).Name == name)
            return *it;
    qFatal("no node %s", qPrintable(name));
    return nullptr;
}

void DoubleClick(TWarecataTree *tree, QTreeWidgetItem *item)
{
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

void Type(TksEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    // Typed through the input method, as Chinese text arrives.
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

int Employee(const QString &name)
{
    REmployee e;
    e.Name = name;
    if (!TEmployeeSet::Save(e))
        qFatal("cannot store an employee");
    return e.Id;
}
} // namespace

// The category editor, the category picker and the buyer assignment window.
class TstCategoryWindows : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

private slots:
    void initTestCase() { m_db.CreateFull(); }
    void init() { OpenCatsDatabase(); }

    void cancelAfterRenameAndMoveChangesNothing()
    {
        StoreTree("A(B(X),C),D");
        const QString before = DumpCategories();
        {
            TScriptedMessageScope messages;
            TWarecataEditFrm editor(nullptr);
            editor.Tree()->setCurrentItem(Node(editor.Tree(), "B"));
            Type(editor.NameEdit(), "B-改名");
            QCOMPARE(Node(editor.Tree(), "B-改名")->text(0), QStringLiteral("B-改名"));
            QVERIFY(editor.Tree()->MoveNode(Node(editor.Tree(), "C"), Node(editor.Tree(), "D")));
            editor.AddClicked();
            QVERIFY(editor.Modified());
            editor.CancelButton()->click();
            QCOMPARE(editor.result(), int(QDialog::Rejected));
        }
        QCOMPARE(DumpCategories(), before);
    }

    void okSavesRenameMoveAndAddition()
    {
        StoreTree("A(B(X),C),D");
        TScriptedMessageScope messages;
        TWarecataEditFrm editor(nullptr);
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        TWarecataTree *tree = editor.Tree();
        tree->setCurrentItem(Node(tree, "X"));
        QCOMPARE(editor.PathEdit()->text(), QStringLiteral("\\A\\B\\X\\"));
        Type(editor.NameEdit(), "X1");
        Type(editor.NoteEdit(), "常用");
        QVERIFY(tree->MoveNode(Node(tree, "B"), Node(tree, "D")));
        tree->setCurrentItem(Node(tree, "C"));
        editor.AddClicked();
        QVERIFY(editor.NameEdit()->hasFocus());
        QCOMPARE(editor.NameEdit()->selectedText(), QStringLiteral("新的分类"));
        Type(editor.NameEdit(), "C1");
        editor.OkButton()->click();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(StoredShape(), QStringLiteral("A(C(C1)),D(B(X1))"));
        QCOMPARE(StoredCodes(), QStringLiteral("A=1. C=1.2. C1=1.2.3. D=4. B=4.5. X1=4.5.6."));
        QCOMPARE(CountOf("select count(*) from wareclass where Name='X1' and [Note]='常用'"), 1);
    }

    void blankNameKeepsTheEditorOpen()
    {
        StoreTree("A(B),D");
        const QString before = DumpCategories();
        TScriptedMessageScope messages;
        TWarecataEditFrm editor(nullptr);
        editor.Tree()->setCurrentItem(Node(editor.Tree(), "B"));
        Type(editor.NameEdit(), "  ");
        editor.Tree()->setCurrentItem(Node(editor.Tree(), "D"));
        editor.OkButton()->click();
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QCOMPARE(messages->LastText().trimmed(), QStringLiteral("分类名称不能是空白,必须填写."));
        QCOMPARE(TWarecataTree::NodeRecord(editor.Tree()->currentItem()).Name,
                 QStringLiteral("  "));
        QCOMPARE(DumpCategories(), before);
    }

    void deleteAsksAndDetachesGoods_data()
    {
        QTest::addColumn<QString>("victim");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("uncategorised");
        QTest::newRow("with children, yes")
            << "B" << true << "确定要删除 B 及其以下所有子项吗?" << "A(C),D" << 2;
        QTest::newRow("leaf, yes") << "X" << true << "确定要删除 X 吗?" << "A(B,C),D" << 1;
        QTest::newRow("leaf, no") << "X" << false << "确定要删除 X 吗?" << "A(B(X),C),D" << 0;
    }
    void deleteAsksAndDetachesGoods()
    {
        QFETCH(QString, victim);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        QFETCH(QString, shape);
        QFETCH(int, uncategorised);
        StoreTree("A(B(X),C),D");
        StoreGoods("G1", "螺钉", "B");
        StoreGoods("G2", "垫片", "X");
        StoreGoods("G3", "电容", "C");
        TScriptedMessageScope messages;
        messages->Answers << answer;
        TWarecataEditFrm editor(nullptr);
        editor.Tree()->setCurrentItem(Node(editor.Tree(), victim));
        editor.DeleteClicked();
        QCOMPARE(messages->Messages.value(0).text.trimmed(), question);
        editor.OkButton()->click();
        QCOMPARE(StoredShape(), shape);
        QCOMPARE(CountOf("select count(*) from ware where ClassId is null"), uncategorised);
        QCOMPARE(CountOf("select count(*) from ware"), 3);
    }

    void lastSelectionIsRemembered()
    {
        StoreTree("A(B(X),C),D");
        TheKeyValue2().SetInt(skLastWareClass, 0);
        {
            TWarecataEditFrm editor(nullptr);
            QCOMPARE(editor.Tree()->Selected().Name, QStringLiteral("A"));
            editor.Tree()->setCurrentItem(Node(editor.Tree(), "X"));
            editor.CancelButton()->click();
        }
        QCOMPARE(TheKeyValue2().GetInt(skLastWareClass), CategoryId("X"));
        TWarecataEditFrm again(nullptr);
        QCOMPARE(again.Tree()->Selected().Name, QStringLiteral("X"));
        QCOMPARE(again.NameEdit()->text(), QStringLiteral("X"));
    }

    void pickerClosesOnlyOnAcceptedLeaf_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<bool>("agree");
        QTest::addColumn<int>("calls");
        QTest::addColumn<bool>("closed");
        QTest::newRow("category with children") << "B" << true << 0 << false;
        QTest::newRow("leaf, accepted") << "X" << true << 1 << true;
        QTest::newRow("leaf, refused") << "X" << false << 1 << false;
        QTest::newRow("未分类 is a leaf") << "未分类" << true << 1 << true;
    }
    void pickerClosesOnlyOnAcceptedLeaf()
    {
        QFETCH(QString, node);
        QFETCH(bool, agree);
        QFETCH(int, calls);
        QFETCH(bool, closed);
        StoreTree("A(B(X),C),D");
        QList<RWareCata> offered;
        TWarecataPickerFrm picker(nullptr, "1.", TCataTreeMode::Browse,
                                  [&](const RWareCata &c) { offered << c; return agree; });
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QCOMPARE(picker.Tree()->Selected().Name, QStringLiteral("A"));
        DoubleClick(picker.Tree(), Node(picker.Tree(), node));
        QCOMPARE(offered.size(), calls);
        QCOMPARE(picker.isVisible(), !closed);
        if (calls)
            QCOMPARE(offered.first().Name, node);
        if (node == "X")
            QCOMPARE(offered.first().Path, QStringLiteral("\\全部\\已分类\\A\\B\\X\\"));
    }

    void pickerOkNeedsASelection()
    {
        StoreTree("A,D");
        int calls = 0;
        TWarecataPickerFrm picker(nullptr, QString(), TCataTreeMode::Edit,
                                  [&](const RWareCata &) { ++calls; return true; });
        picker.Tree()->setCurrentItem(nullptr);
        picker.OkButton()->click();
        QCOMPARE(calls, 0);
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        picker.Tree()->setCurrentItem(Node(picker.Tree(), "D"));
        picker.OkButton()->click();
        QCOMPARE(calls, 1);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }

    void assignmentChoosesAndSavesBuyers()
    {
        StoreTree("A(B),D");
        const int li = Employee("李明");
        const int wang = Employee("王芳");
        TheDatabase().ExecSQL("update wareclass set BuymanId=:Id where Name='D'",
                              {DBParam("Id", wang)});
        TScriptedMessageScope messages;
        TCataAssignFrm window(nullptr);
        TWarecataTree *tree = window.Tree();
        TLookupCombo *buyer = window.BuyerCombo();
        tree->setCurrentItem(Node(tree, "D"));
        QCOMPARE(buyer->SelectedId(), wang);
        QCOMPARE(window.PathEdit()->text(), QStringLiteral("\\D\\"));
        tree->setCurrentItem(Node(tree, "B"));
        QCOMPARE(buyer->currentIndex(), -1);
        buyer->SelectId(li);
        emit buyer->Changed();
        tree->setCurrentItem(Node(tree, "D"));
        QTest::keyClick(buyer, Qt::Key_Delete);             // clears D's buyer
        tree->setCurrentItem(nullptr);
        QVERIFY(!buyer->parentWidget()->isEnabled());
        window.OkButton()->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(messages->LastText().trimmed(), QStringLiteral("采购分配设置成功, 数据已保存."));
        QCOMPARE(CountOf(QString("select count(*) from wareclass where Name='B' and BuymanId=%1")
                             .arg(li)),
                 1);
        QCOMPARE(CountOf("select count(*) from wareclass where BuymanId is not null"), 1);
    }
};

QObject *NewCategoryWindowsTest()
{
    return new TstCategoryWindows;
}

#include "tst_windows.moc"
