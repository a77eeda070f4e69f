#include "masterdata/TestObjects.h"
#include "support/TestSupport.h"

#include "config/Settings.h"
#include "data/Numbering.h"
#include "data/RecordSet.h"
#include "masterdata/CataAssignSet.h"
#include "masterdata/DeptSet.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/HouseSet.h"
#include "masterdata/ItemSet.h"
#include "masterdata/SupplierDocsSet.h"
#include "masterdata/SupplierSet.h"
#include "masterdata/SuppwareSet.h"
#include "masterdata/UnitSet.h"
#include "masterdata/WareSet.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
int Count(const QString &sql)
{
    TRecordSet set;
    set.OpenSQL(sql);
    return set.DataSet()->Field(0)->AsInteger();
}

const char *const StandardRefusal = "为了数据的完整性,现在不能删除该记录.";
} // namespace

// The master records other than goods: round trips, keys, references, transactions.
class TstRecords : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

private slots:
    void init()
    {
        m_db.CreateFull();
        LoadCommonSettings();
    }

    void employeeRoundTrip()
    {
        REmployee e{0, "张三", "男", "0755-1234", "深圳'南山", "采购\r\n主管"};
        QVERIFY(TEmployeeSet::Save(e));
        QCOMPARE(e.Id, 1);                      // an empty table starts at 1
        REmployee loaded;
        QVERIFY(TEmployeeSet::GetById(1, loaded));
        QCOMPARE(loaded.Name, e.Name);
        QCOMPARE(loaded.Addr, e.Addr);
        QCOMPARE(loaded.Note, e.Note);
        e.Tel = "13800000000";
        QVERIFY(TEmployeeSet::Save(e));
        QCOMPARE(e.Id, 1);
        QVERIFY(TEmployeeSet::GetById(1, loaded));
        QCOMPARE(loaded.Tel, QStringLiteral("13800000000"));
        QCOMPARE(Count("select count(*) from employee"), 1);
        REmployee missing;
        QVERIFY(!TEmployeeSet::GetById(99, missing));
    }

    void keysAreMaxPlusOne()
    {
        TheDatabase().ExecSQL("insert into departments(Id, Name) values(41, '旧部门')");
        RDept d{0, "采购部", "李四", "", "", ""};
        QVERIFY(TDeptSet::Save(d));
        QCOMPARE(d.Id, 42);
        RDept second{0, "质检部", "", "", "", ""};
        QVERIFY(TDeptSet::Save(second));
        QCOMPARE(second.Id, 43);
        // An update of a key that is gone writes nothing and says so.
        RDept gone{77, "无", "", "", "", ""};
        QVERIFY(!TDeptSet::Save(gone));
        QCOMPARE(Count("select count(*) from departments"), 3);
    }

    void setsShowAndPlaceRecords()
    {
        RDept a{0, "财务部", "", "", "", ""};
        RDept b{0, "仓储部", "", "", "", ""};
        QVERIFY(TDeptSet::Save(a) && TDeptSet::Save(b));
        TDeptSet set;
        QCOMPARE(set.LoadAll(), 2);
        QCOMPARE(set.NameFld->DisplayLabel, QStringLiteral("名称"));
        QVERIFY(!set.IdFld->Visible);
        // Writing a record edits its row or appends one; the database is not touched.
        a.Name = "财务中心";
        set.SetAsData(a);
        set.SetAsData(RDept{9, "新", "", "", "", ""});
        QCOMPARE(set.DataSet()->RecordCount(), 3);
        QVERIFY(set.DataSet()->Locate("Id", a.Id));
        QCOMPARE(set.AsData().Name, QStringLiteral("财务中心"));
        QCOMPARE(Count("select count(*) from departments where Name='财务中心'"), 0);
        QVERIFY(set.LoadById(b.Id));
        QCOMPARE(set.AsData().Name, QStringLiteral("仓储部"));
    }

    void smallTablesRoundTrip_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("firstId");
        QTest::newRow("bank accounts") << 0 << 1;
        QTest::newRow("plan types (one delivered)") << 1 << 2;
        QTest::newRow("order types (one delivered)") << 2 << 2;
        QTest::newRow("payable items") << 3 << 1;
    }
    void smallTablesRoundTrip()
    {
        QFETCH(int, table);
        QFETCH(int, firstId);
        using TSave = bool (*)(RItem &);
        using TGet = bool (*)(int, RItem &);
        using TDelete = bool (*)(int, QString *);
        const TSave saves[] = {&TBankSet::Save, &TbuPlanTypeSet::Save, &TbuOrderTypeSet::Save,
                               &TShldoutItemSet::Save};
        const TGet gets[] = {&TBankSet::GetById, &TbuPlanTypeSet::GetById,
                             &TbuOrderTypeSet::GetById, &TShldoutItemSet::GetById};
        const TDelete deletes[] = {&TBankSet::Delete, &TbuPlanTypeSet::Delete,
                                   &TbuOrderTypeSet::Delete, &TShldoutItemSet::Delete};
        RItem item{0, "工商银行 100%", "基本户"};
        QVERIFY(saves[table](item));
        QCOMPARE(item.Id, firstId);
        RItem loaded;
        QVERIFY(gets[table](item.Id, loaded));
        QCOMPARE(loaded.Name, item.Name);
        QCOMPARE(loaded.Note, item.Note);
        QVERIFY(deletes[table](item.Id, nullptr));
        QVERIFY(!gets[table](item.Id, loaded));
    }

    void unitAndWarehouse()
    {
        RUnit u{0, "箱", 12.0, "12个"};
        QVERIFY(TUnitSet::Save(u));
        RUnit noRate{0, "个", std::nullopt, ""};
        QVERIFY(TUnitSet::Save(noRate));
        RUnit loaded;
        QVERIFY(TUnitSet::GetById(u.Id, loaded));
        QCOMPARE(loaded.Rate, std::optional<double>(12.0));
        QCOMPARE(loaded.NoteX, QStringLiteral("12个"));
        QVERIFY(TUnitSet::GetById(noRate.Id, loaded));
        QVERIFY(!loaded.Rate);
        QString message;
        QVERIFY(!TUnitSet::Check(RUnit{0, "  ", 1.0, ""}, &message));
        QCOMPARE(message, QStringLiteral("单位名称必须填写"));
        RHouse h{0, "一号库", "王五", "123", ""};
        QVERIFY(THouseSet::Save(h));
        RHouse house;
        QVERIFY(THouseSet::GetById(h.Id, house));
        QCOMPARE(house.Mgr, QStringLiteral("王五"));
    }

    void deletingAnEmployeeDetachesLogins()
    {
        REmployee e{0, "赵六", "", "", "", ""};
        QVERIFY(TEmployeeSet::Save(e));
        TheDatabase().ExecSQL("update [operator] set EmployeeId=:Id where LoginId='sa'",
                              {DBParam("Id", e.Id)});
        TheDatabase().ExecSQL("insert into wareclass(Id, Code, Name, SlfId, PrtId, BuymanId) "
                              "values(1, '1.', '五金', 1, 0, :Id)", {DBParam("Id", e.Id)});
        REmployee linked;
        QVERIFY(TCataAssignSet::EmployeeOfOperator("sa", linked));
        QCOMPARE(linked.Name, e.Name);
        QVERIFY(TEmployeeSet::Delete(e.Id));
        QCOMPARE(Count("select count(*) from [operator] where EmployeeId is not null"), 0);
        QCOMPARE(Count("select count(*) from wareclass where BuymanId is not null"), 0);
        QVERIFY(!TCataAssignSet::EmployeeOfOperator("sa", linked));
    }

    // A record that a bill names is refused with the standard message; nothing goes.
    void referredRecordsAreRefused_data()
    {
        QTest::addColumn<QString>("bill");
        QTest::addColumn<int>("kind");
        QTest::newRow("supplier on an arrival")
            << "insert into buy(Id, SupplierId) values(1, :Id)" << 0;
        QTest::newRow("department on an order")
            << "insert into buorderfrm(Id, DeptId) values(1, :Id)" << 1;
        QTest::newRow("employee as a buyer")
            << "insert into buappfrmdl(dlId, BuymanId) values(1, :Id)" << 2;
        QTest::newRow("bank account on a payment")
            << "insert into payment(Id, BankId) values(1, :Id)" << 3;
        QTest::newRow("plan type on a plan")
            << "insert into buplanfrm(Id, TypeId) values(1, :Id)" << 4;
    }
    void referredRecordsAreRefused()
    {
        QFETCH(QString, bill);
        QFETCH(int, kind);
        TScriptedMessageScope messages;
        RSupplier s;
        s.Name = "华强电子";
        RDept d{0, "采购部", "", "", "", ""};
        REmployee e{0, "钱七", "", "", "", ""};
        RItem bank{0, "现金", ""};
        RItem planType{0, "紧急计划", ""};
        QVERIFY(TSupplierSet::Save(s) && TDeptSet::Save(d) && TEmployeeSet::Save(e)
                && TBankSet::Save(bank) && TbuPlanTypeSet::Save(planType));
        const int ids[] = {s.Id, d.Id, e.Id, bank.Id, planType.Id};
        const char *tables[] = {"supplier", "departments", "employee", "fn_bank", "buplantype"};
        TheDatabase().ExecSQL(bill, {DBParam("Id", ids[kind])});
        QString error;
        bool deleted = true;
        switch (kind) {
        case 0: deleted = TSupplierSet::Delete(s.Id, &error); break;
        case 1: deleted = TDeptSet::Delete(d.Id, &error); break;
        case 2: deleted = TEmployeeSet::Delete(e.Id, &error); break;
        case 3: deleted = TBankSet::Delete(bank.Id, &error); break;
        default: deleted = TbuPlanTypeSet::Delete(planType.Id, &error); break;
        }
        QVERIFY(!deleted);
        QVERIFY(!error.isEmpty());
        QVERIFY(!TheDatabase().InTransaction());
        QCOMPARE(messages->Messages.size(), 1);
        QVERIFY(messages->LastText().contains(QString::fromUtf8(StandardRefusal)));
        QVERIFY(messages->LastText().contains(error));
        QCOMPARE(Count(QStringLiteral("select count(*) from %1 where Id=%2")
                           .arg(tables[kind]).arg(ids[kind])), 1);
    }

    void supplierWithDocumentsAndPrices()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("合同.pdf");
        const QByteArray bytes("%PDF-1.4\x00\x01\xff", 11);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        RSupplier s;
        s.Name = "联华电子";
        s.LookId = "lhdz";
        s.Zip = "518000";
        s.Credits = "优秀";
        s.Note = "长期合作\r\n月结";
        QVERIFY(TSupplierSet::Save(s));
        RSupplier loaded;
        QVERIFY(TSupplierSet::GetById(s.Id, loaded));
        QCOMPARE(loaded.LookId, s.LookId);
        QCOMPARE(loaded.Zip, s.Zip);
        QCOMPARE(loaded.Credits, s.Credits);
        QCOMPARE(loaded.Note, s.Note);

        TSupplierDocsSet docs;
        RSupplierDoc doc{0, s.Id, QDateTime(QDate(2013, 3, 1), QTime()), "孙八", "合同.pdf",
                         path, "", "sa", QDateTime(QDate(2013, 3, 2), QTime(9, 30))};
        QVERIFY(docs.SaveDocument(doc));
        QCOMPARE(doc.dlId, 1);
        QCOMPARE(docs.DataSet()->RecordCount(), 1);
        // An update changes the description, never the stored bytes.
        doc.DocName = "采购合同.pdf";
        doc.DocFrom = dir.filePath("missing.pdf");
        QVERIFY(docs.SaveDocument(doc));
        QCOMPARE(docs.DataSet()->RecordCount(), 1);
        QByteArray stored;
        QVERIFY(TSupplierDocsSet::FetchDocumentData(doc.dlId, stored));
        QCOMPARE(stored, bytes);
        TSupplierDocsSet reloaded;
        reloaded.LoadBySupplier(s.Id);
        QCOMPARE(reloaded.DataSet()->RecordCount(), 1);
        QCOMPARE(reloaded.AsData().DocName, QStringLiteral("采购合同.pdf"));
        QCOMPARE(reloaded.AsData().BizDate, QDateTime(QDate(2013, 3, 1), QTime(0, 0)));
        // A file that cannot be read fails before anything is written.
        RSupplierDoc unreadable{0, s.Id, {}, "", "x", dir.filePath("none.pdf"), "", "sa", {}};
        QVERIFY_THROWS_EXCEPTION(EOpenBuyError, TSupplierDocsSet::Save(unreadable));
        QCOMPARE(Count("select count(*) from supplierdocs"), 1);

        RWare w;
        w.Code = "A-1";
        w.Name = "电阻";
        w.PartNo = "0805 10K";
        QVERIFY(TWareSet::Save(w));
        TSuppwareSet prices;
        RSuppware price;
        price.SupplierId = s.Id;
        price.WareId = w.Id;
        price.Price = 0.02;
        price.Notes = "含运费";
        QVERIFY(prices.SaveItem(price));
        prices.Where()->SupplierIdFld->SetValue(s.Id);
        prices.Where()->WareSFld[3]->SetValue("10K");
        QCOMPARE(prices.Load(), 1);
        const RSuppware got = prices.AsData();
        QCOMPARE(got.SuppName, s.Name);
        QCOMPARE(got.WareS[0], w.Code);
        QCOMPARE(got.WareS[3], w.PartNo);
        QCOMPARE(got.Price, std::optional<double>(0.02));
        QVERIFY(!got.TaxPrice);
        QCOMPARE(prices.WareSFld[1]->DisplayLabel, QStringLiteral("品名"));

        // The supplier goes with its documents and prices, all or nothing.
        QVERIFY(TSupplierSet::Delete(s.Id));
        QCOMPARE(Count("select count(*) from supplierdocs"), 0);
        QCOMPARE(Count("select count(*) from suppwares"), 0);
        QCOMPARE(Count("select count(*) from supplier"), 0);
    }

    void incompleteDeleteKeepsDocumentsAndPrices()
    {
        // Documents and prices of a supplier row that is already gone: the clean-ups run,
        // the supplier delete finds no row, and the clean-ups are taken back.
        TheDatabase().ExecSQL("insert into supplierdocs(dlId, SupplierId, DocName) "
                              "values(1, 5, 'a')");
        TheDatabase().ExecSQL("insert into suppwares(Id, SupplierId, WareId) values(1, 5, 1)");
        QString error;
        QVERIFY(!TSupplierSet::Delete(5, &error));
        QVERIFY(!TheDatabase().InTransaction());
        QCOMPARE(Count("select count(*) from supplierdocs"), 1);
        QCOMPARE(Count("select count(*) from suppwares"), 1);
    }

    void failingStatementRollsBackTheSave()
    {
        // A statement the database refuses (here a unique name) raises with the provider's
        // text; the save's transaction is rolled back, the next save works.
        TheDatabase().ExecCommand("create unique index tst_dept_name on departments(Name)");
        RDept a{0, "采购部", "", "", "", ""};
        QVERIFY(TDeptSet::Save(a));
        RDept b{0, "采购部", "", "", "", ""};
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, TDeptSet::Save(b));
        QVERIFY(!TheDatabase().InTransaction());
        QCOMPARE(b.Id, 0);
        b.Name = "销售部";
        QVERIFY(TDeptSet::Save(b));
        QCOMPARE(b.Id, 2);
        QCOMPARE(Count("select count(*) from departments"), 2);
    }

    void buyerAssignments()
    {
        REmployee buyer{0, "周九", "", "", "", ""};
        QVERIFY(TEmployeeSet::Save(buyer));
        TheDatabase().ExecSQL("insert into wareclass(Id, Code, Name, SlfId, PrtId) "
                              "values(1, '1.', '五金', 1, 0)");
        TheDatabase().ExecSQL("insert into wareclass(Id, Code, Name, SlfId, PrtId) "
                              "values(2, '1.2.', '螺丝', 2, 1)");
        RCataAssigns assigns = TCataAssignSet::LoadAssignments();
        QCOMPARE(assigns.size(), 2);
        QVERIFY(!assigns[0].BuymanId);
        // A code that names no category fails the whole save.
        QVERIFY(!TCataAssignSet::SaveAssignments({{"1.2.", buyer.Id}, {"9.", buyer.Id}}));
        QCOMPARE(Count("select count(*) from wareclass where BuymanId is not null"), 0);
        QVERIFY(TCataAssignSet::SaveAssignments({{"1.2.", buyer.Id}, {"1.", std::nullopt}}));
        RWare w;
        w.Code = "M3";
        w.Name = "螺丝M3";
        w.ClassId = 2;
        QVERIFY(TWareSet::Save(w));
        REmployee found;
        QVERIFY(TCataAssignSet::BuyerOfWare(w.Id, found));
        QCOMPARE(found.Name, buyer.Name);
    }

    void checksNameRequiredFields_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("employee") << 0 << "名称不能为空";
        QTest::newRow("department") << 1 << "名称不能为空";
        QTest::newRow("supplier") << 2 << "供应商名称必须填写";
        QTest::newRow("account (after a line break)") << 3 << "\r\n名称不能为空";
    }
    void checksNameRequiredFields()
    {
        QFETCH(int, kind);
        QFETCH(QString, message);
        QString text;
        bool ok = true;
        switch (kind) {
        case 0: ok = TEmployeeSet::Check(REmployee{0, " ", "", "", "", ""}, &text); break;
        case 1: ok = TDeptSet::Check(RDept(), &text); break;
        case 2: ok = TSupplierSet::Check(RSupplier(), &text); break;
        default: ok = TBankSet::Check(RItem{0, "\t", ""}, &text); break;
        }
        QVERIFY(!ok);
        QCOMPARE(text, message);
    }
};

QObject *NewRecordsTest()
{
    return new TstRecords;
}

#include "tst_records.moc"
