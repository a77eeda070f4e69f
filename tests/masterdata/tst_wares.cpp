#include "masterdata/TestObjects.h"
#include "support/TestSupport.h"

#include "data/Labels.h"
#include "config/Settings.h"
#include "data/RecordSet.h"
#include "masterdata/WareCaptions.h"
#include "masterdata/WareCataSet.h"
#include "masterdata/SuppwareSet.h"
#include "masterdata/WareSet.h"

#include <QTest>

namespace {
int Count(const QString &sql)
{
    TRecordSet set;
    set.OpenSQL(sql);
    return set.DataSet()->Field(0)->AsInteger();
}

QString Codes()
{
    TRecordSet set;
    set.OpenSQL("select Code from wareclass order by SlfId");
    return set.JoinValues(set.DataSet()->Field(0), " ");
}

RWare Goods(const QString &code, const QString &name, std::optional<int> classId)
{
    RWare w;
    w.Code = code;
    w.Name = name;
    w.ClassId = classId;
    return w;
}

// The codes of the goods a set shows, in its order.
QString CodesOf(TWareSet &set)
{
    QStringList codes;
    TDataSet *d = set.DataSet();
    for (d->First(); !d->Eof(); d->Next())
        codes << set.CodeFld->AsString();
    codes.sort();
    return codes.join(u',');
}
} // namespace

// Goods, their categories, the category tree and the attribute captions.
class TstWares : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

    // 五金 1. > 螺丝 1.2. > 小螺丝 1.2.3.; 电子 4.; and a category 1.21. that a careless
    // prefix test would take for a child of 1.2.
    void CreateTree()
    {
        RWareCatas tree{{0, "", "五金", "", "", 0, 0}, {0, "", "螺丝", "", "", 0, 0},
                        {0, "", "小螺丝", "", "", 0, 0}, {0, "", "电子", "", "", 0, 0}};
        QVERIFY(TWareCataSet::Renumber(tree, {-1, 0, 1, -1}));
        QVERIFY(TWareCataSet::SaveTree(tree));
        TheDatabase().ExecSQL("insert into wareclass(Id, Code, Name, SlfId, PrtId) "
                              "values(9, '1.21.', '杂项', 21, 1)");
        for (const RWare &w : {Goods("A1", "锤子", 1), Goods("B1", "螺丝M4", 2),
                               Goods("C1", "螺丝M2", 3), Goods("D1", "电容", 4),
                               Goods("E1", "杂物", 9), Goods("N1", "未分 O'Brien 100%", {})}) {
            RWare copy = w;
            QVERIFY(TWareSet::Save(copy));
        }
    }

private slots:
    void init()
    {
        m_db.CreateFull();
        LoadCommonSettings();
    }

    void goodsRoundTripKeepsNulls()
    {
        RWare w = Goods("W-001", "电阻", -1);
        w.PartNo = "0805 10K 1%";
        w.F[0] = 2.5;
        w.InPrice = 0.0;
        QVERIFY(TWareSet::Save(w));
        QCOMPARE(w.Id, 1);
        QVERIFY(!w.ClassId);
        QCOMPARE(Count("select count(*) from ware where ClassId is null and F02 is null "
                       "and OutPrice is null and MinQty is null and CostId is null "
                       "and ProfitRate is null and SalePrice3 is null"), 1);
        RWare loaded;
        QVERIFY(TWareSet::GetById(1, loaded));
        QCOMPARE(loaded.PartNo, w.PartNo);
        QCOMPARE(loaded.F[0], std::optional<double>(2.5));
        QVERIFY(!loaded.F[1]);
        QCOMPARE(loaded.InPrice, std::optional<double>(0.0));   // 0 is a price, not null
        QVERIFY(!loaded.OutPrice);
        QCOMPARE(loaded.CostId, std::optional<int>(0));         // null cost method reads 0
        loaded.CostId = 2;
        loaded.Name = "贴片电阻";
        QVERIFY(TWareSet::Save(loaded));
        QVERIFY(TWareSet::GetById(1, loaded));
        QCOMPARE(loaded.CostName, QStringLiteral("先进先出法"));
        QCOMPARE(loaded.Name, QStringLiteral("贴片电阻"));
        QVERIFY(TWareSet::Delete(1));
        QVERIFY(!TWareSet::GetById(1, loaded));
    }

    void checkNamesTheCaptions()
    {
        QString message;
        QVERIFY(!TWareSet::Check(Goods("", "x", {}), &message));
        QCOMPARE(message, QStringLiteral("货号必须填写"));
        QVERIFY(!TWareSet::Check(Goods("A", " ", {}), &message));
        QCOMPARE(message, QStringLiteral("品名必须填写"));
        QVERIFY(TWareSet::Check(Goods("A", "B", {}), nullptr));
    }

    void deleteReferredGoodsIsRefused_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("named");
        QTest::newRow("arrival line")
            << "insert into buydl(dlId, MastId, WareId) values(1, 1, :Id)"
            << "采购收货单明细";
        QTest::newRow("order line")
            << "insert into buorderfrmdl(dlId, MastId, WareId) values(1, 1, :Id)"
            << "采购订单明细";
        QTest::newRow("supplier price")
            << "insert into suppwares(Id, SupplierId, WareId) values(1, 1, :Id)"
            << "供应商报价";
    }
    void deleteReferredGoodsIsRefused()
    {
        QFETCH(QString, reference);
        QFETCH(QString, named);
        RWare w = Goods("A", "螺母", {});
        QVERIFY(TWareSet::Save(w));
        TheDatabase().ExecSQL(reference, {DBParam("Id", w.Id)});
        TScriptedMessageScope messages;
        QString error;
        QVERIFY(!TWareSet::Delete(w.Id, &error));
        QVERIFY(error.contains(named));
        QCOMPARE(messages->Messages.size(), 1);
        QVERIFY(messages->LastText().contains("为了数据的完整性,现在不能删除该记录."));
        QVERIFY(messages->LastText().contains(error));
        QCOMPARE(Count("select count(*) from ware"), 1);
        QVERIFY(!TheDatabase().InTransaction());
    }

    void goodsQueryByCriteria_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("codes");
        QTest::newRow("no criteria") << "" << "" << "A1,B1,C1,D1,E1,N1";
        QTest::newRow("subtree 1.2.") << "CataCode" << "1.2." << "B1,C1";
        QTest::newRow("subtree 1.") << "CataCode" << "1." << "A1,B1,C1,E1";
        QTest::newRow("all") << "CataCode" << "sys-all" << "A1,B1,C1,D1,E1,N1";
        QTest::newRow("not categorised") << "CataCode" << "sys-nulled" << "N1";
        QTest::newRow("categorised") << "CataCode" << "sys-classed" << "A1,B1,C1,D1,E1";
        QTest::newRow("name fragment") << "WareName" << "螺丝" << "B1,C1";
        QTest::newRow("quote and percent literally") << "WareName" << "O'Brien 100%" << "N1";
        QTest::newRow("wildcard is no wildcard") << "WareCode" << "_1" << "";
        QTest::newRow("code fragment") << "WareCode" << "1" << "A1,B1,C1,D1,E1,N1";
    }
    void goodsQueryByCriteria()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, codes);
        CreateTree();
        TWareSet set;
        if (!field.isEmpty())
            set.Where()->DataSet()->FieldByName(field)->SetValue(value);
        set.Load();
        QCOMPARE(CodesOf(set), codes);
        // The in-memory filter of a fully loaded set agrees with the query.
        if (field == "CataCode") {
            TWareSet all;
            all.LoadAll();
            all.FilterByCategory(value);
            QCOMPARE(CodesOf(all), codes);
            all.FilterByCategory(QString());
            all.SetClassId(value);
            QCOMPARE(CodesOf(all), codes);
        }
    }

    void filterPartsHoldTogether()
    {
        CreateTree();
        TWareSet set;
        set.LoadAll();
        set.SetClassId("1.");
        set.SetWareName("螺丝");
        QCOMPARE(CodesOf(set), QStringLiteral("B1,C1"));
        set.SetWareCode("c");
        QCOMPARE(CodesOf(set), QStringLiteral("C1"));
        set.SetClassId("sys-all");
        set.SetWareCode(QString());
        QCOMPARE(CodesOf(set), QStringLiteral("B1,C1"));
        set.SetWareName(QString());
        QVERIFY(!set.DataSet()->Filtered());
        QCOMPARE(set.DataSet()->RecordCount(), 6);
    }

    void movingGoodsBetweenCategories()
    {
        CreateTree();
        RWareCata screws;
        QVERIFY(TWareCataSet::GetById(2, screws));
        RWareCata none;
        none.Clear();
        QString message;
        // No target category: refused with a reason, nothing moves.
        QCOMPARE(TWareSet::ReassignCategory(screws, none, &message), -1);
        QVERIFY(message.contains("目标分类"));
        QCOMPARE(Count("select count(*) from ware where ClassId is null"), 1);
        // From "no category": exactly the uncategorised goods move.
        QCOMPARE(TWareSet::ReassignCategory(none, screws, &message), 1);
        QCOMPARE(Count("select count(*) from ware where ClassId=2"), 2);
        TWareSet set;
        set.Where()->WareCodeFld->SetValue("D1");
        QCOMPARE(set.Load(), 1);
        QVERIFY(set.MoveToCategory(screws));
        QCOMPARE(set.AsData().CataCode, QStringLiteral("1.2."));
        QCOMPARE(Count("select count(*) from ware where ClassId=2"), 3);
        QVERIFY(set.MoveToCategory(none));
        QCOMPARE(Count("select count(*) from ware where ClassId is null"), 1);
    }

    void treeSaveRenumbersAndDetaches()
    {
        CreateTree();
        TWareCataSet set;
        RWareCatas tree = set.LoadTree();
        QCOMPARE(tree.size(), 5);
        QCOMPARE(tree[0].Path, tree[0].Name);
        // Re-saving the unchanged tree writes the same codes (none collide on the way).
        QVERIFY(TWareCataSet::SaveTree(tree));
        QCOMPARE(Codes(), QStringLiteral("1. 1.2. 1.2.3. 4. 1.21."));
        // Remove 螺丝 (keeping its child, now under 五金) and 1.21.; add a new category.
        RWareCatas next{tree[0], tree[2], tree[3], {0, "", "新的分类", "", "", 0, 0}};
        QVERIFY(TWareCataSet::Renumber(next, {-1, 0, -1, 2}));
        QVERIFY(TWareCataSet::SaveTree(next));
        QCOMPARE(next[3].Id, 5);                // max+1 after the removals
        QCOMPARE(Codes(), QStringLiteral("1. 1.2. 3. 3.4."));
        QCOMPARE(Count("select count(*) from ware where ClassId is null"), 3);
        QCOMPARE(Count("select count(*) from wareclass where Id in (2, 9)"), 0);
    }

    void treeSaveIsAllOrNothing()
    {
        CreateTree();
        const QString before = Codes();
        TWareCataSet set;
        RWareCatas tree = set.LoadTree();
        tree.removeLast();                      // would delete 杂项 and detach its goods
        tree.append({0, "", "新", "", "", 0, 0});
        tree[4].Code = tree[1].Code;            // a duplicate code: the unique index refuses
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, TWareCataSet::SaveTree(tree));
        QVERIFY(!TheDatabase().InTransaction());
        QCOMPARE(Codes(), before);
        QCOMPARE(Count("select count(*) from ware where ClassId=9"), 1);
        QCOMPARE(tree[4].Id, 0);                // the array keeps its unsaved state
        // A row that is not there any more fails the save with the system's message.
        tree = set.LoadTree();
        tree[0].Id = 77;
        try {
            TWareCataSet::SaveTree(tree);
            QFAIL("saving a vanished category must fail");
        } catch (const EDatabaseError &e) {
            QCOMPARE(e.Message(), QStringLiteral("保存失败, 没有返回成功值."));
        }
        QCOMPARE(Codes(), before);
    }

    void blankNamesStopTheNumbering()
    {
        RWareCatas tree{{0, "", "甲", "", "", 0, 0}, {0, "", "   ", "", "", 0, 0}};
        QString message;
        int bad = -1;
        QVERIFY(!TWareCataSet::Renumber(tree, {-1, 0}, &message, &bad));
        QCOMPARE(message, QStringLiteral("分类名称不能是空白,必须填写."));
        QCOMPARE(bad, 1);
        QCOMPARE(tree[0].Code, QString());      // untouched on refusal
    }

    void movingACategoryKeepsCodesConsistent_data()
    {
        QTest::addColumn<int>("cata");
        QTest::addColumn<int>("parent");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("screwGoods");
        QTest::newRow("subtree under another") << 2 << 4 << "1. 3.4. 3.4.5. 3. 1.2." << "3.4.";
        QTest::newRow("subtree to the top") << 2 << 0 << "1. 4. 4.5. 3. 1.2." << "4.";
        QTest::newRow("leaf under its grandparent") << 3 << 1 << "1. 1.2. 1.4. 5. 1.3." << "1.4.";
    }
    void movingACategoryKeepsCodesConsistent()
    {
        QFETCH(int, cata);
        QFETCH(int, parent);
        QFETCH(QString, codes);
        QFETCH(QString, screwGoods);
        CreateTree();
        QString message;
        QVERIFY(TWareCataSet::MoveCategory(cata, parent, &message));
        TRecordSet set;
        set.OpenSQL("select Code from wareclass order by Id");
        QCOMPARE(set.JoinValues(set.DataSet()->Field(0), " "), codes);
        // Every code is its parent's code plus its own number, and the moved goods follow.
        TRecordSet pairs;
        pairs.OpenSQL("select c.Code, p.Code, c.SlfId from wareclass c "
                      "left join wareclass p on p.SlfId=c.PrtId");
        TDataSet *d = pairs.DataSet();
        for (d->First(); !d->Eof(); d->Next())
            QCOMPARE(d->Field(0)->AsString(),
                     d->Field(1)->AsString() + QString::number(d->Field(2)->AsInteger()) + '.');
        TWareSet goods;
        goods.Where()->CataCodeFld->SetValue(screwGoods);
        goods.Load();
        QVERIFY(CodesOf(goods).contains("C1"));
    }

    void movingIntoItsOwnSubtreeIsRefused()
    {
        CreateTree();
        const QString before = Codes();
        QString message;
        QVERIFY(!TWareCataSet::MoveCategory(1, 3, &message));
        QCOMPARE(message, QStringLiteral("不能把分类移到它自己或它的下级分类中."));
        QVERIFY(!TWareCataSet::MoveCategory(2, 2, &message));
        QVERIFY(!TWareCataSet::MoveCategory(42, 0, &message));
        QCOMPARE(Codes(), before);
    }

    void captionsComeFromTheLabels()
    {
        // The labels a new database delivers.
        QCOMPARE(WareCaptions::Caption("WareS09"), QStringLiteral("属性2"));
        QCOMPARE(WareCaptions::Caption("WareS12"), QStringLiteral("基本单位"));
        TLabels labels;
        labels.SetText("WareS01=物料编号\nWareS08=颜色代码\nWareF01=重量");
        QVERIFY(labels.SaveLabels());
        LoadCommonSettings();
        QCOMPARE(WareCaptions::Caption("WareS01"), QStringLiteral("物料编号"));
        QCOMPARE(WareCaptions::Caption("WareS09"), QStringLiteral("WareS09"));
        // Sets created afterwards take their column titles from the captions.
        TWareSet set;
        QCOMPARE(set.CodeFld->DisplayLabel, QStringLiteral("物料编号"));
        QCOMPARE(set.S08Fld->DisplayLabel, QStringLiteral("颜色代码"));
        QCOMPARE(set.FFld[0]->DisplayLabel, QStringLiteral("重量"));
        QCOMPARE(set.S09Fld->DisplayLabel, QStringLiteral("WareS09"));
        TSuppwareSet prices;
        QCOMPARE(prices.WareSFld[0]->DisplayLabel, QStringLiteral("物料编号"));
        QCOMPARE(WareCaptions::ColumnOf("wares04"), QStringLiteral("PartNo"));
        QCOMPARE(WareCaptions::ColumnOf("WareF05"), QStringLiteral("F05"));
        QVERIFY(WareCaptions::ColumnOf("WareS13").isEmpty());
    }

    void attributeAliases()
    {
        QCOMPARE(WareCaptions::SelectList().left(46),
                 QStringLiteral("w.Code as WareS01, w.Name as WareS02, w.LookId"));
        QVERIFY(WareCaptions::SelectList().endsWith("w.S11 as WareS11, w.Unit as WareS12"));
        RWare w = Goods("K-9", "键盘", {});
        w.Unit = "个";
        w.S11 = "黑色";
        QVERIFY(TWareSet::Save(w));
        TRecordSet set;
        set.OpenSQL("select " + WareCaptions::SelectList() + " from ware w");
        QCOMPARE(set.DataSet()->FieldByName("WareS01")->AsString(), QStringLiteral("K-9"));
        QCOMPARE(set.DataSet()->FieldByName("WareS11")->AsString(), QStringLiteral("黑色"));
        QCOMPARE(set.DataSet()->FieldByName("WareS12")->AsString(), QStringLiteral("个"));
    }
};

QObject *NewWaresTest()
{
    return new TstWares;
}

#include "tst_wares.moc"
