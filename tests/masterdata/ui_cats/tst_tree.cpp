#include "CatsFixture.h"
#include "support/TestSupport.h"

#include "masterdata/ui/WarecataTree.h"

#include <QHash>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace {
QTreeWidgetItem *Node(TWarecataTree &tree, const QString &name)
{
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        if ((*it)->text(0) == name)
            return *it;
    qFatal("no node %s", qPrintable(name));
    return nullptr;
}

// "Name=Code:SlfId/PrtId" of every entry.
QString Entries(const RWareCatas &tree)
{
    QStringList out;
    for (const RWareCata &c : tree)
        out << QStringLiteral("%1=%2:%3/%4").arg(c.Name, c.Code).arg(c.SlfId).arg(c.PrtId);
    return out.join(u' ');
}
} // namespace

// The category tree: loading, flattening for the save, selection and moving nodes.
class TstWarecataTree : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

private slots:
    void initTestCase() { m_db.CreateFull(); }
    void init() { OpenCatsDatabase(); }

    void flattenNumbersInPreOrder_data()
    {
        QTest::addColumn<bool>("browse");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("entries");
        const QString abcd = "A=1.:1/0 B=1.2.:2/1 C=1.3.:3/1 D=4.:4/0";
        QTest::newRow("edit mode") << false << "A(B,C),D" << abcd;
        // The system nodes of browse mode take no number and are no parent.
        QTest::newRow("browse mode") << true << "A(B,C),D" << abcd;
        QTest::newRow("deep chain")
            << false << "A(B(C(E))),D" << "A=1.:1/0 B=1.2.:2/1 C=1.2.3.:3/2 E=1.2.3.4.:4/3 "
                                          "D=5.:5/0";
    }
    void flattenNumbersInPreOrder()
    {
        QFETCH(bool, browse);
        QFETCH(QString, shape);
        QFETCH(QString, entries);
        StoreTree(shape);
        TWarecataTree tree;
        browse ? tree.LoadBrowse() : tree.LoadEdit();
        RWareCatas array;
        QVERIFY(tree.BuildSaveArray(array));
        QCOMPARE(Entries(array), entries);
        // The nodes carry their new codes, so a later save and the paths agree.
        QCOMPARE(TWarecataTree::NodeRecord(Node(tree, "B")).Code, QStringLiteral("1.2."));
    }

    void newCategoriesAreNumberedAndSaved()
    {
        StoreTree("A(B),D");
        TWarecataTree tree;
        tree.LoadEdit();
        tree.setCurrentItem(Node(tree, "A"));
        QTreeWidgetItem *added = tree.AddCategory();
        QCOMPARE(added->text(0), QStringLiteral("新的分类"));
        QCOMPARE(tree.currentItem(), added);
        QVERIFY(tree.SaveTree());
        QCOMPARE(StoredShape(), QStringLiteral("A(B,新的分类),D"));
        QCOMPARE(StoredCodes(), QStringLiteral("A=1. B=1.2. 新的分类=1.3. D=4."));
        const RWareCata saved = TWarecataTree::NodeRecord(added);
        QCOMPARE(saved.Id, CategoryId("新的分类"));
        QCOMPARE(saved.Code, QStringLiteral("1.3."));
    }

    void blankNameBlocksTheSave_data()
    {
        QTest::addColumn<QString>("victim");
        QTest::addColumn<QString>("blank");
        QTest::newRow("spaces, top level") << "D" << "   ";
        QTest::newRow("empty, below another") << "C" << "";
        QTest::newRow("full-width space") << "B" << QStringLiteral("\u3000");
    }
    void blankNameBlocksTheSave()
    {
        QFETCH(QString, victim);
        QFETCH(QString, blank);
        TScriptedMessageScope messages;
        StoreTree("A(B,C),D");
        const QString before = DumpCategories();
        TWarecataTree tree;
        tree.LoadEdit();
        QTreeWidgetItem *node = Node(tree, victim);
        RWareCata record = TWarecataTree::NodeRecord(node);
        record.Name = blank;
        TWarecataTree::SetNodeRecord(node, record);
        tree.setCurrentItem(Node(tree, "A"));
        QVERIFY(!tree.SaveTree());
        QCOMPARE(tree.currentItem(), node);
        QCOMPARE(messages->LastText().trimmed(), QStringLiteral("分类名称不能是空白,必须填写."));
        QCOMPARE(DumpCategories(), before);
    }

    void refreshSelectsTheSameCodeAgain_data()
    {
        QTest::addColumn<bool>("browse");
        QTest::addColumn<QString>("selected");
        QTest::newRow("edit, a child") << false << "C";
        QTest::newRow("browse, a child") << true << "C";
        QTest::newRow("browse, 未分类") << true << "未分类";
    }
    void refreshSelectsTheSameCodeAgain()
    {
        QFETCH(bool, browse);
        QFETCH(QString, selected);
        StoreTree("A(B,C),D");
        TWarecataTree tree;
        browse ? tree.LoadBrowse() : tree.LoadEdit();
        tree.setCurrentItem(Node(tree, selected));
        const QString code = tree.Selected().Code;
        // Another window renames the category meanwhile: the code still finds it.
        TheDatabase().ExecSQL("update wareclass set Name='C2' where Name='C'");
        QList<RWareCata> signalled;
        connect(&tree, &TWarecataTree::Changed, this,
                [&signalled](const RWareCata &c) { signalled << c; });
        tree.Refresh();
        QCOMPARE(tree.Selected().Code, code);
        QCOMPARE(tree.Mode(), browse ? TCataTreeMode::Browse : TCataTreeMode::Edit);
        QVERIFY(!signalled.isEmpty());
        QCOMPARE(signalled.last().Code, code);
    }

    void refreshFollowsTheCategoryNotItsOldCode()
    {
        StoreTree("A(B),C");
        TWarecataTree tree;
        tree.LoadBrowse();
        QVERIFY(tree.SelectByCode("3."));
        QCOMPARE(tree.Selected().Name, QStringLiteral("C"));
        // Another window renumbers the tree: C becomes 2., and 3. now names B.
        QVERIFY(TWareCataSet::MoveCategory(CategoryId("B"), 0));
        tree.Refresh();
        QCOMPARE(tree.Selected().Name, QStringLiteral("C"));
        QCOMPARE(tree.Selected().Code, QStringLiteral("2."));
    }

    void browseModeShapeAndPaths()
    {
        StoreTree("A(B(X)),D");
        TWarecataTree tree;
        tree.LoadBrowse();
        QCOMPARE(tree.Selected().Code, QStringLiteral("sys-all"));
        QCOMPARE(tree.topLevelItemCount(), 1);
        QTreeWidgetItem *all = tree.topLevelItem(0);
        QCOMPARE(all->childCount(), 2);
        QCOMPARE(TWarecataTree::NodeRecord(all->child(0)).Code, QStringLiteral("sys-classed"));
        QCOMPARE(TWarecataTree::NodeRecord(all->child(1)).Code, QStringLiteral("sys-nulled"));
        QCOMPARE(all->child(0)->childCount(), 2);
        QVERIFY(tree.SelectByCode("1.2."));
        QCOMPARE(tree.SelectedWithPath().Path, QStringLiteral("\\全部\\已分类\\A\\B\\"));
        QVERIFY(tree.SelectById(CategoryId("X")));
        QCOMPARE(tree.Selected().Name, QStringLiteral("X"));
        QVERIFY(!tree.SelectById(9999));
        QVERIFY(!tree.SelectByCode("9."));
        tree.LoadEdit();
        QVERIFY(tree.SelectByCode("1.2."));
        QCOMPARE(tree.SelectedWithPath().Path, QStringLiteral("\\A\\B\\"));
        tree.setCurrentItem(nullptr);
        QCOMPARE(tree.Selected().Id, -1);
    }

    void browseTopLevelsStayOpen()
    {
        StoreTree("A(B),D");
        TWarecataTree tree;
        tree.LoadBrowse();
        QTreeWidgetItem *all = tree.topLevelItem(0);
        QTreeWidgetItem *classed = all->child(0);
        QTreeWidgetItem *a = Node(tree, "A");
        tree.expandItem(a);
        for (QTreeWidgetItem *item : {all, classed, a})
            tree.collapseItem(item);
        QVERIFY(all->isExpanded());
        QVERIFY(classed->isExpanded());
        QVERIFY(!a->isExpanded());
        // Edit mode has no such rule.
        tree.LoadEdit();
        QTreeWidgetItem *top = Node(tree, "A");
        tree.expandItem(top);
        tree.collapseItem(top);
        QVERIFY(!top->isExpanded());
    }

    void moveNodeRefusals_data()
    {
        QTest::addColumn<QString>("moved");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("shape");     // after the move; empty: refused
        QTest::newRow("onto itself") << "B" << "B" << "";
        QTest::newRow("onto its parent") << "B" << "A" << "";
        QTest::newRow("onto its child") << "A" << "B" << "";
        QTest::newRow("onto a grandchild") << "A" << "X" << "";
        QTest::newRow("onto a sibling") << "B" << "C" << "A(C(B(X))),D";
        QTest::newRow("onto another top") << "C" << "D" << "A(B(X)),D(C)";
        QTest::newRow("to the top level") << "B" << "" << "A(C),D,B(X)";
        QTest::newRow("top to the top level") << "D" << "" << "";
    }
    void moveNodeRefusals()
    {
        QFETCH(QString, moved);
        QFETCH(QString, target);
        QFETCH(QString, shape);
        StoreTree("A(B(X),C),D");
        TWarecataTree tree;
        tree.LoadEdit();
        bool signalled = false;
        connect(&tree, &TWarecataTree::NodeMoved, this, [&signalled] { signalled = true; });
        QTreeWidgetItem *to = target.isEmpty() ? nullptr : Node(tree, target);
        QCOMPARE(tree.MoveNode(Node(tree, moved), to), !shape.isEmpty());
        QCOMPARE(signalled, !shape.isEmpty());
        QVERIFY(tree.SaveTree());
        QCOMPARE(StoredShape(), shape.isEmpty() ? QStringLiteral("A(B(X),C),D") : shape);
    }

    void movedSubtreeKeepsCodesConsistent()
    {
        StoreTree("A(B(X(Y)),C),D");
        const int x = StoreGoods("G1", "螺钉", "X");
        StoreGoods("G2", "垫片", "Y");
        StoreGoods("G3", "电容", "D");
        TWarecataTree tree;
        tree.LoadEdit();
        QVERIFY(tree.MoveNode(Node(tree, "B"), Node(tree, "D")));
        QVERIFY(tree.SaveTree());
        QCOMPARE(StoredCodes(),
                 QStringLiteral("A=1. C=1.2. D=3. B=3.4. X=3.4.5. Y=3.4.5.6."));
        // Every code is its parent's code plus its own number; the goods stayed put.
        TWareCataSet cats;
        QHash<int, QString> codeOf;
        for (const RWareCata &c : cats.LoadTree()) {
            QCOMPARE(c.Code, codeOf.value(c.PrtId) + QString::number(c.SlfId) + u'.');
            codeOf.insert(c.SlfId, c.Code);
        }
        TWareSet set;
        set.Where()->CataCodeFld->SetValue("3.");
        QCOMPARE(set.Load(), 3);
        RWare goods;
        QVERIFY(TWareSet::GetById(x, goods));
        QCOMPARE(goods.CataCode, QStringLiteral("3.4.5."));
    }
};

QObject *NewWarecataTreeTest()
{
    return new TstWarecataTree;
}

#include "tst_tree.moc"
