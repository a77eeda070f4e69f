#include "CatsFixture.h"
#include "support/TestSupport.h"

#include "config/KeyValue.h"
#include "config/KeyValue2.h"
#include "grids/ui/DBGrid.h"
#include "grids/ui/ksComboBox.h"
#include "masterdata/ui/Lookups.h"
#include "masterdata/ui/SuppwarePickFrm.h"
#include "masterdata/ui/ViewList.h"
#include "masterdata/ui/WareListFrm.h"
#include "masterdata/ui/WarecataEditFrm.h"
#include "masterdata/ui/WarecataTree.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QLineEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTest>

namespace {
// The goods numbers the set shows, sorted.
QString Shown(TWareSet &set)
{
    QStringList codes;
    TDataSet *d = set.DataSet();
    for (int pos = 0; pos < d->RecordCount(); ++pos)
        codes << d->ValueAt(pos, set.CodeFld->Index()).toString();
    codes.sort();
    return codes.join(u',');
}

void SetKeyword(TWareListFrm &window, const QString &field, const QString &keyword)
{
    TksComboBox *combo = window.FieldCombo();
    combo->setCurrentIndex(combo->findData(field));
    window.KeywordEdit()->setText(keyword);
}

// 五金 1. > 螺丝 1.2.; 电子 3.; goods with quotes, percent signs and underscores in them.
void StoreGoodsSample(const QString &shape = QStringLiteral("五金(螺丝),电子"))
{
    StoreTree(shape);
    StoreGoods("A-1", "锤子", "五金");
    StoreGoods("B-1", "螺丝 M4", "螺丝");
    StoreGoods("B-2", "O'Brien 扳手", "螺丝");
    StoreGoods("C-1", "电容 50%", "电子");
    StoreGoods("C_2", "电阻", "电子");
    StoreGoods("N-1", "未归类的胶带", QString());
    StoreGoods("N-2", "未归类的 100% 棉布", QString());
}
} // namespace

// The goods list with its tree, moving goods between categories, and the goods picker.
class TstGoodsWindows : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

private slots:
    void initTestCase() { m_db.CreateFull(); }
    void init() { OpenCatsDatabase(); }

    void searchFieldsInOrderWithCodeFirst()
    {
        TWareListFrm window(nullptr);
        TksComboBox *combo = window.FieldCombo();
        QStringList fields;
        for (int i = 0; i < combo->count(); ++i)
            fields << combo->itemData(i).toString();
        QCOMPARE(fields.join(u','), QStringLiteral("LookId,Code,Name,PartNo,Brand,Package,S11,"
                                                   "S08,S09,S10,Barcode,Unit"));
        QCOMPARE(combo->currentData().toString(), QStringLiteral("Code"));
        QCOMPARE(combo->itemText(2), QStringLiteral("品名"));
    }

    void categoryAndKeywordFilter_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("shown");
        QTest::newRow("all") << "sys-all" << "" << "" << "A-1,B-1,B-2,C-1,C_2,N-1,N-2";
        QTest::newRow("category and below") << "1." << "" << "" << "A-1,B-1,B-2";
        QTest::newRow("classed") << "sys-classed" << "" << "" << "A-1,B-1,B-2,C-1,C_2";
        QTest::newRow("not classed") << "sys-nulled" << "" << "" << "N-1,N-2";
        QTest::newRow("a quote") << "sys-all" << "Name" << "O'B" << "B-2";
        QTest::newRow("a percent sign") << "sys-all" << "Name" << "0%" << "C-1,N-2";
        QTest::newRow("an underscore") << "sys-all" << "Code" << "_" << "C_2";
        QTest::newRow("quote then bracket") << "sys-all" << "Name" << "')--" << "";
        QTest::newRow("case-insensitive") << "sys-all" << "Name" << "o'brien" << "B-2";
        // The keyword replaces the category's filter.
        QTest::newRow("keyword over category") << "3." << "Code" << "B" << "B-1,B-2";
    }
    void categoryAndKeywordFilter()
    {
        QFETCH(QString, category);
        QFETCH(QString, field);
        QFETCH(QString, keyword);
        QFETCH(QString, shown);
        StoreGoodsSample();
        TWareListFrm window(nullptr);
        window.LoadGoods();
        QVERIFY(window.Tree()->SelectByCode(category));
        if (!field.isEmpty())
            SetKeyword(window, field, keyword);
        QCOMPARE(Shown(*window.Wares()), shown);
    }

    void categoryChangeClearsTheKeyword()
    {
        StoreGoodsSample();
        TWareListFrm window(nullptr);
        window.LoadGoods();
        SetKeyword(window, "Name", "电");
        QCOMPARE(Shown(*window.Wares()), QStringLiteral("C-1,C_2"));
        QVERIFY(window.Tree()->SelectByCode("1.2."));
        QVERIFY(window.KeywordEdit()->text().isEmpty());
        QCOMPARE(Shown(*window.Wares()), QStringLiteral("B-1,B-2"));
        // New goods start in the chosen category.
        QCOMPARE(window.Wares()->DefaultCategory.Code, QStringLiteral("1.2."));
        // A reload keeps the category.
        StoreGoods("B-3", "螺母", "螺丝");
        window.LoadGoods();
        QCOMPARE(Shown(*window.Wares()), QStringLiteral("B-1,B-2,B-3"));
    }

    void savedCategoryEditReloadsTheGoods()
    {
        StoreGoodsSample();
        TWareListFrm window(nullptr);
        window.LoadGoods();
        QVERIFY(window.Tree()->SelectByCode("3."));
        QCOMPARE(Shown(*window.Wares()), QStringLiteral("C-1,C_2"));
        // 螺丝 moves below 电子 in the editor: 电子 becomes 2., 螺丝 2.3.
        bool edited = false;
        QTimer::singleShot(0, this, [&edited] {
            auto *editor = qobject_cast<TWarecataEditFrm *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            TWarecataTree *tree = editor->Tree();
            QVERIFY(tree->SelectByCode("1.2."));
            QTreeWidgetItem *screws = tree->currentItem();
            QVERIFY(tree->SelectByCode("3."));
            QVERIFY(tree->MoveNode(screws, tree->currentItem()));
            editor->OkButton()->click();
            edited = true;
        });
        window.Tree()->CataMenu()->actions().value(0)->trigger();
        QVERIFY(edited);
        QCOMPARE(window.Tree()->Selected().Name, QStringLiteral("电子"));
        QCOMPARE(window.Tree()->Selected().Code, QStringLiteral("2."));
        QCOMPARE(Shown(*window.Wares()), QStringLiteral("B-1,B-2,C-1,C_2"));
    }

    void moveGoodsBetweenCategories_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("inTarget");    // goods of the target afterwards
        QTest::newRow("empty source: the uncategorised goods")
            << "" << "电子" << "操作成功, 总共移动 2 条记录." << "C-1,C_2,N-1,N-2";
        QTest::newRow("one category, not its sub-categories")
            << "五金" << "电子" << "操作成功, 总共移动 1 条记录." << "A-1,C-1,C_2";
        QTest::newRow("empty target is refused")
            << "五金" << "" << "请选择要归入的目标分类: 不能把货品归入空的分类." << "";
    }
    void moveGoodsBetweenCategories()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        QFETCH(QString, inTarget);
        StoreGoodsSample("五金(螺丝),电子,空");
        TScriptedMessageScope messages;
        TWareListFrm window(nullptr);
        window.LoadGoods();
        window.MoveClick();
        QCOMPARE(window.Pages()->currentIndex(), 1);
        auto hold = [](TLookupEdit *edit, const QString &name) {
            if (name.isEmpty())
                return;
            RWareCata c;
            QVERIFY(TWareCataSet::GetById(CategoryId(name), c));
            QVERIFY(edit->AcceptCata(c));
        };
        hold(window.FromEdit(), from);
        hold(window.ToEdit(), to);
        QCOMPARE(window.MoveGoods(), !to.isEmpty());
        QCOMPARE(messages->LastText().trimmed(), message);
        QCOMPARE(window.Pages()->currentIndex(), to.isEmpty() ? 1 : 0);
        if (to.isEmpty()) {
            QCOMPARE(CountOf("select count(*) from ware where ClassId is null"), 2);
            return;
        }
        QVERIFY(window.Tree()->SelectByCode(window.ToEdit()->Cata().Code));
        QCOMPARE(Shown(*window.Wares()), inTarget);
    }

    void moveOfAnEmptyCategorySaysNothingChanged()
    {
        StoreTree("五金,空,电子");
        StoreGoods("A-1", "锤子", "五金");
        TScriptedMessageScope messages;
        TWareListFrm window(nullptr);
        window.MoveClick();
        RWareCata from, to;
        QVERIFY(TWareCataSet::GetById(CategoryId("空"), from));
        QVERIFY(TWareCataSet::GetById(CategoryId("电子"), to));
        window.FromEdit()->AcceptCata(from);
        window.ToEdit()->AcceptCata(to);
        QVERIFY(window.MoveGoods());
        QCOMPARE(messages->LastText().trimmed(), QStringLiteral("操作完成, 但没有任何记录被改变."));
    }

    void pickerLoadsOnShowAndHandsOverGoods_data()
    {
        QTest::addColumn<bool>("autoHide");
        QTest::addColumn<bool>("agree");
        QTest::addColumn<bool>("visibleAfter");
        QTest::newRow("auto hide, accepted") << true << true << false;
        QTest::newRow("auto hide, refused") << true << false << true;
        QTest::newRow("stays, accepted") << false << true << true;
    }
    void pickerLoadsOnShowAndHandsOverGoods()
    {
        QFETCH(bool, autoHide);
        QFETCH(bool, agree);
        QFETCH(bool, visibleAfter);
        StoreGoodsSample();
        QWidget owner;
        QStringList taken;
        auto *picker = new TSuppwarePickFrm(&owner, [&](const RWare &w) {
            taken << w.Code;
            return agree;
        });
        QVERIFY(!picker->Loaded());
        picker->AutoHideBox()->setChecked(autoHide);
        picker->show();
        picker->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(picker));
        QVERIFY(picker->Loaded());
        QCOMPARE(picker->height(), 500);
        // The search box filters, Down goes into the grid, Enter takes the row.
        QCOMPARE(picker->focusWidget(), static_cast<QWidget *>(picker->SearchEdit()));
        picker->Grid()->setFocus();
        QTest::keyClick(picker->Grid(), Qt::Key_F3);
        QCOMPARE(picker->focusWidget(), static_cast<QWidget *>(picker->SearchEdit()));
        QTest::keyClicks(picker->SearchEdit(), "O'Brien");
        QCOMPARE(picker->Wares()->DataSet()->RecordCount(), 1);
        QTest::keyClick(picker->SearchEdit(), Qt::Key_Down);
        QCOMPARE(picker->focusWidget(), static_cast<QWidget *>(picker->Grid()));
        QTest::keyClick(picker->Grid(), Qt::Key_Return);
        QCOMPARE(taken, QStringList{"B-2"});
        QCOMPARE(picker->isVisible(), visibleAfter);
        delete picker;
        QCOMPARE(TheKeyValue2().GetBool(skPickerAutoHide), autoHide);
    }

    void pickerPlacement()
    {
        const QRect screen(0, 0, 1280, 1024);
        const QRect place = TSuppwarePickFrm::Placement(QRect(200, 100, 600, 400), screen, 780);
        QCOMPARE(place, QRect(350, 1024 - 30 - 500, 780, 500));
    }

    void goodsPickerIsReusedPerOwner()
    {
        QWidget owner;
        int first = 0, second = 0;
        QWidget *a = OpenGoodsPicker(&owner, [&](const RWare &) { ++first; return true; });
        QWidget *b = OpenGoodsPicker(&owner, [&](const RWare &) { ++second; return true; });
        QCOMPARE(a, b);
        StoreGoods("X-1", "样品", QString());
        auto *picker = static_cast<TSuppwarePickFrm *>(b);
        picker->Wares()->Load();
        QVERIFY(picker->AcceptCurrent());
        QCOMPARE(first, 0);
        QCOMPARE(second, 1);
    }
};

QObject *NewGoodsWindowsTest()
{
    return new TstGoodsWindows;
}

#include "tst_goods.moc"
