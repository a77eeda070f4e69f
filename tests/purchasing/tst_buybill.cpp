#include "purchasing/TestObjects.h"
#include "support/TestSupport.h"

#include "config/Operator.h"
#include "data/RecordSet.h"
#include "data/Utils.h"
#include "purchasing/BuyBill2.h"
#include "purchasing/BuyTypeSet.h"
#include "purchasing/BuydlSet.h"

#include <QtTest>

namespace {
const QString InsertFailed = QStringLiteral("主表insert未返回正确标识,原因未知.");

void LoginAs(const QString &login, const QString &rights = QString())
{
    TheOperator().Clear();
    TheOperator().LoginId = login;
    TheOperator().Rights = rights;
}

QVariant Scalar(const QString &sql, TDatabase &db = TheDatabase())
{
    TRecordSet set(db);
    set.OpenSQL(sql);
    return set.DataSet()->IsEmpty() ? QVariant() : set.DataSet()->Field(0)->Value();
}

int Count(const QString &sql)
{
    return Scalar(sql).toInt();
}

RBuydl Line(int wareId, const QVariant &qty, const QVariant &price)
{
    RBuydl l;
    l.WareId = wareId;
    l.Qty = qty;
    l.Price = price;
    return l;
}

RBuy ThreeLineBill()
{
    RBuy bill = TBuyBill2::NewBill();
    bill.SupplierId = 1;
    bill.DeptId = 1;
    bill.BuymanId = 1;
    bill.Note = QStringLiteral("首批");
    bill.Lines << Line(1, 2, 10) << Line(2, 3, 0.125) << Line(3, 1, 7.5);
    return bill;
}

RBuy SavedBill()
{
    RBuy bill = ThreeLineBill();
    QString error;
    if (!TBuyBill2::Save(bill, error))
        qFatal("save failed: %s", qPrintable(error));
    return bill;
}
} // namespace

class TstBuyBill : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_db = std::make_unique<TTestDatabase>();
        m_db->CreateFull();
        LoginAs(QStringLiteral("sa"));
        TDatabase &db = TheDatabase();
        db.ExecSQL("insert into supplier(Id, Name) values(1, '东方五金')");
        db.ExecSQL("insert into departments(Id, Name) values(1, '采购部')");
        db.ExecSQL("insert into employee(Id, Name) values(1, '王采购')");
        for (int i = 1; i <= 3; ++i)
            db.ExecSQL(QStringLiteral("insert into ware(Id, Code, Name, Unit) "
                                      "values(%1, 'W00%1', '货品%1', '个')").arg(i));
    }
    void cleanup()
    {
        m_db.reset();
        LoginAs(QString());
    }

    void newBillGetsCodeAndKeys()
    {
        RBuy bill = ThreeLineBill();
        QString error;
        QVERIFY2(TBuyBill2::Save(bill, error), qPrintable(error));
        const QString yymm = TheDatabase().ServerNow().toString(QStringLiteral("yyMM"));
        QCOMPARE(bill.Code, QStringLiteral("AR") + yymm + QStringLiteral("0001"));
        QCOMPARE(bill.Id, 1);
        QVERIFY(!bill.BillTime.isNull());
        QCOMPARE(bill.Billman, QStringLiteral("sa"));
        QCOMPARE(bill.Lines[0].dlId, 1);
        QCOMPARE(bill.Lines[1].dlId, 2);
        QCOMPARE(bill.Lines[2].dlId, 3);
        QCOMPARE(bill.TotalFund.toDouble(), 27.88);     // 20 + 0.38 + 7.5

        RBuy second = ThreeLineBill();
        QVERIFY(TBuyBill2::Save(second, error));
        QCOMPARE(second.Code, QStringLiteral("AR") + yymm + QStringLiteral("0002"));
        QCOMPARE(second.Lines[0].dlId, 4);

        RBuy loaded;
        QVERIFY(TBuyBill2::Load(bill.Id, loaded));
        QCOMPARE(loaded.Code, bill.Code);
        QCOMPARE(loaded.SupplierName, QStringLiteral("东方五金"));
        QCOMPARE(loaded.DeptName, QStringLiteral("采购部"));
        QCOMPARE(loaded.BuymanName, QStringLiteral("王采购"));
        QCOMPARE(loaded.TypeName, QStringLiteral("采购收货"));
        QCOMPARE(loaded.Note, QStringLiteral("首批"));
        QCOMPARE(loaded.Lines.size(), 3);
        QCOMPARE(loaded.Lines[1].WareS[1], QStringLiteral("货品2"));
        QCOMPARE(loaded.Lines[1].Fund.toDouble(), 0.38);
        QVERIFY(loaded.Lines[1].OrdlId.isNull());
        QVERIFY(!TBuyBill2::Load(99, loaded));
    }

    void lineDerivation_data()
    {
        QTest::addColumn<QVariant>("qty");
        QTest::addColumn<QVariant>("price");
        QTest::addColumn<int>("tax");
        QTest::addColumn<QVariant>("fund");
        QTest::addColumn<QVariant>("purePrice");
        QTest::addColumn<QVariant>("pureFund");
        const QVariant null;
        QTest::newRow("half rounds up") << QVariant(3) << QVariant(0.125) << 0
                                        << QVariant(0.38) << QVariant(0.125) << QVariant(0.38);
        QTest::newRow("negative half away") << QVariant(-3) << QVariant(0.125) << 0
                                            << QVariant(-0.38) << QVariant(0.125)
                                            << QVariant(-0.38);
        QTest::newRow("1.005 stays a half") << QVariant(1) << QVariant(1.005) << 0
                                            << QVariant(1.01) << QVariant(1.005)
                                            << QVariant(1.01);
        QTest::newRow("price 0: amount null") << QVariant(2) << QVariant(0) << 0 << null
                                              << QVariant(0) << null;
        QTest::newRow("empty quantity") << null << QVariant(4) << 0 << null << QVariant(4)
                                        << null;
        QTest::newRow("eight decimals") << QVariant(1.123456789) << QVariant(2.000000004) << 0
                                        << QVariant(2.25) << QVariant(2.0) << QVariant(2.25);
        QTest::newRow("tax 17") << QVariant(2) << QVariant(117) << 17 << QVariant(234)
                                << QVariant(100) << QVariant(200);
    }
    void lineDerivation()
    {
        QFETCH(QVariant, qty);
        QFETCH(QVariant, price);
        QFETCH(int, tax);
        QFETCH(QVariant, fund);
        QFETCH(QVariant, purePrice);
        QFETCH(QVariant, pureFund);
        TBuydlSet set;
        RBuydl l = Line(1, qty, price);
        l.Tax = tax;
        set.SetAsDatas({l});
        const RBuydl got = set.AsDatas().value(0);
        auto same = [](const QVariant &a, const QVariant &b) {
            return a.isNull() == b.isNull() && (a.isNull() || qFuzzyCompare(
                1.0 + a.toDouble(), 1.0 + b.toDouble()));
        };
        QVERIFY2(same(got.Fund, fund), qPrintable(got.Fund.toString()));
        QVERIFY2(same(got.PurePrice, purePrice), qPrintable(got.PurePrice.toString()));
        QVERIFY2(same(got.PureFund, pureFund), qPrintable(got.PureFund.toString()));
        if (!qty.isNull())
            QCOMPARE(got.Qty.toDouble(), RoundTo8(qty.toDouble()));
    }

    void taxRateRewritesEveryLine()
    {
        TBuydlSet set;
        set.SetAsDatas({Line(1, 2, 117), Line(2, 1, 11.7)});
        set.DataSet()->Last();
        set.SetTaxRate(17);
        QCOMPARE(set.DataSet()->RecNo(), 2);
        const RBuydls lines = set.AsDatas();
        QCOMPARE(lines[0].Tax.toInt(), 17);
        QCOMPARE(lines[0].PurePrice.toDouble(), 100.0);
        QCOMPARE(lines[0].PureFund.toDouble(), 200.0);
        QCOMPARE(lines[1].PurePrice.toDouble(), 10.0);
        // Editing one row recomputes it on post.
        set.DataSet()->First();
        set.DataSet()->Edit();
        set.QtyFld->SetValue(3);
        set.DataSet()->Post();
        QCOMPARE(set.FundFld->AsFloat(), 351.0);
        QCOMPARE(set.PureFundFld->AsFloat(), 300.0);
    }

    void zeroAmountStoredAsNull()
    {
        RBuy bill = ThreeLineBill();
        bill.Lines[0].Price = 0;
        QString error;
        QVERIFY(TBuyBill2::Save(bill, error));
        QVERIFY(Scalar(QStringLiteral("select Fund from buydl where dlId=%1")
                           .arg(bill.Lines[0].dlId)).isNull());
        QCOMPARE(Scalar(QStringLiteral("select Fund from buydl where dlId=%1")
                            .arg(bill.Lines[1].dlId)).toDouble(), 0.38);
        QCOMPARE(Scalar(QStringLiteral("select TotalFund from buy")).toDouble(), 7.88);
    }

    void removedLinesAreDeleted()
    {
        RBuy bill = SavedBill();
        const int kept0 = bill.Lines[0].dlId;
        const int kept2 = bill.Lines[2].dlId;
        bill.Lines.removeAt(1);
        bill.Lines << Line(2, 1, 1);
        QString error;
        QVERIFY2(TBuyBill2::Save(bill, error), qPrintable(error));
        RBuy loaded;
        QVERIFY(TBuyBill2::Load(bill.Id, loaded));
        QCOMPARE(loaded.Lines.size(), 3);
        QCOMPARE(loaded.Lines[0].dlId, kept0);
        QCOMPARE(loaded.Lines[1].dlId, kept2);
        QCOMPARE(loaded.Lines[2].dlId, 4);
        loaded.Lines.clear();
        QVERIFY(TBuyBill2::Save(loaded, error));
        QCOMPARE(Count(QStringLiteral("select count(*) from buydl")), 0);
        QCOMPARE(Scalar(QStringLiteral("select TotalFund from buy")).toDouble(), 0.0);
    }

    void auditCycle()
    {
        TScriptedMessageScope messages;
        RBuy bill = SavedBill();
        LoginAs(QStringLiteral("zhang"), QStringLiteral(",1017,"));
        QVERIFY(TBuyBill2::Check(bill));
        QCOMPARE(bill.Checkman, QStringLiteral("zhang"));
        QVERIFY(bill.Audited());
        const QString when = DateTimeText(bill.CheckTime.toDateTime());

        // Changes and deletion are refused, naming the auditor and the time.
        QString error;
        RBuy changed = bill;
        changed.Note = QStringLiteral("改");
        QVERIFY(!TBuyBill2::Save(changed, error));
        QCOMPARE(error, QStringLiteral("单据已经被用户zhang在%1时审核.").arg(when));
        LoginAs(QStringLiteral("sa"));
        QVERIFY(!TBuyBill2::Delete(bill, error));
        QCOMPARE(error, QStringLiteral("单据已经被其他用户zhang审核,不允许删除."));
        QCOMPARE(Count(QStringLiteral("select count(*) from buydl")), 3);
        QCOMPARE(Scalar(QStringLiteral("select Note from buy")).toString(),
                 QStringLiteral("首批"));

        // Only the auditor un-audits.
        QVERIFY(!TBuyBill2::Check(bill));
        QCOMPARE(messages->LastText(),
                 QStringLiteral("\r\n不能反审核该单据,因为您不是该单据的审核人.\t"));
        LoginAs(QStringLiteral("zhang"), QStringLiteral(",1017,"));
        QVERIFY(TBuyBill2::Check(bill));
        QVERIFY(bill.Checkman.isEmpty());
        QVERIFY(!bill.Audited());
        QCOMPARE(Scalar(QStringLiteral("select Checkman from buy")).toString(), QString());
        QVERIFY(Scalar(QStringLiteral("select CheckTime from buy")).isNull());
        QVERIFY(TBuyBill2::Save(changed, error));

        // Without the right nothing happens after the refusal.
        LoginAs(QStringLiteral("li"));
        QVERIFY_THROWS_EXCEPTION(EAbort, TBuyBill2::Check(bill));
        QVERIFY(Scalar(QStringLiteral("select CheckTime from buy")).isNull());
    }

    void staleAuditDoesNotOverwrite()
    {
        TScriptedMessageScope messages;
        RBuy bill = SavedBill();
        RBuy stale = bill;
        LoginAs(QStringLiteral("zhang"), QStringLiteral(",1017,"));
        QVERIFY(TBuyBill2::Check(bill));
        LoginAs(QStringLiteral("sa"));
        QVERIFY(!TBuyBill2::Check(stale));
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n主表审核失败\t"));
        QCOMPARE(Scalar(QStringLiteral("select Checkman from buy")).toString(),
                 QStringLiteral("zhang"));
    }

    void otherConnectionConflicts_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("message");
        QTest::newRow("deleted") << "delete from buy" << "单据已经被删除.";
        QTest::newRow("audited")
            << "update buy set Checkman='wang', CheckTime='2026-03-04 08:09:10'"
            << "单据已经被用户wang在2026-03-04 08:09:10时审核.";
        QTest::newRow("author changed") << "update buy set Billman='wang'"
                                        << "操作员sa不是单据的编制人wang,不允许修改.";
        QTest::newRow("line removed") << "delete from buydl where dlId=2"
                                      << InsertFailed;
    }
    void otherConnectionConflicts()
    {
        QFETCH(QString, statement);
        QFETCH(QString, message);
        RBuy bill = SavedBill();
        TDatabase second;
        QString connectError;
        QVERIFY2(second.TryConnect(m_db->ConnectionString(), &connectError),
                 qPrintable(connectError));
        second.ExecSQL(statement);
        const QString before = HeaderAndLines(second);

        RBuy changed = bill;
        changed.Note = QStringLiteral("第二次");
        changed.Lines[0].Qty = 5;
        changed.Lines << Line(3, 1, 1);
        QString error;
        QVERIFY(!TBuyBill2::Save(changed, error));
        QCOMPARE(error, message);
        QCOMPARE(HeaderAndLines(second), before);
        QVERIFY(!TheDatabase().InTransaction());
    }

    void deleteOnlyByCreator()
    {
        RBuy bill = SavedBill();
        LoginAs(QStringLiteral("li"), QStringLiteral(",1017,"));
        QString error;
        QVERIFY(!TBuyBill2::Delete(bill, error));
        QCOMPARE(error, QStringLiteral("操作员li不是单据的编制人sa,不允许删除."));
        QCOMPARE(Count(QStringLiteral("select count(*) from buydl")), 3);
        // Any operator may change an unaudited arrival.
        bill.Note = QStringLiteral("李改");
        QVERIFY2(TBuyBill2::Save(bill, error), qPrintable(error));
        LoginAs(QStringLiteral("sa"));
        QVERIFY2(TBuyBill2::Delete(bill, error), qPrintable(error));
        QCOMPARE(Count(QStringLiteral("select count(*) from buy")), 0);
        QCOMPARE(Count(QStringLiteral("select count(*) from buydl")), 0);
        QVERIFY(!TBuyBill2::Delete(bill, error));
        QCOMPARE(error, QStringLiteral("记录已经被其他用户删除."));
    }

    void referencedLinesRefuseDelete()
    {
        RBuy bill = SavedBill();
        TDatabase &db = TheDatabase();
        db.ExecSQL("insert into buinvfrm(Id, Code) values(1, 'IV26030001')");
        db.ExecSQL("insert into buinvfrmdl(dlId, MastId, BuydlId) values(1, 1, 2)");
        QString text;
        QVERIFY(!TBuyBill2::CheckDelete(bill, text));
        const QString invoice = QStringLiteral(
            "发票单IV26030001已经引用本单明细,不允许删除,除非先删除相应的发票记录.\r\n");
        QCOMPARE(text, invoice);
        db.ExecSQL("insert into buqualifrm(Id, Code) values(1, 'QA26030001')");
        db.ExecSQL("insert into buqualifrmdl(dlId, MastId, BuydlId) values(1, 1, 2)");
        QVERIFY(!TBuyBill2::CheckDelete(bill, text));
        QCOMPARE(text, QStringLiteral("质检单QA26030001已经引用本单明细,不允许删除,"
                                      "除非先删除相应的质检记录.\r\n") + invoice);
        QVERIFY(!TBuyBill2::Delete(bill, text));
        QCOMPARE(Count(QStringLiteral("select count(*) from buydl")), 3);

        TBuydlSet lines;
        lines.SetAsDatas(bill.Lines);
        lines.DataSet()->First();
        QVERIFY(lines.CheckLineDelete(text));
        lines.DataSet()->Next();
        QVERIFY(!lines.CheckLineDelete(text));
        QCOMPARE(text, QStringLiteral("质检单QA26030001已引用此记录，不能删除；除非先删除质检单上的"
                                      "记录\r\n发票单IV26030001已引用此记录，不能删除；除非先"
                                      "删除发票单上的记录\r\n"));
    }

    void failingLineRollsBackHeader()
    {
        RBuy bill = ThreeLineBill();
        bill.Lines[2].dlId = 77;        // names a line that is not stored
        QString error;
        QVERIFY(!TBuyBill2::Save(bill, error));
        QCOMPARE(error, InsertFailed);
        QCOMPARE(bill.Id, 0);
        QCOMPARE(Count(QStringLiteral("select count(*) from buy")), 0);
        QCOMPARE(Count(QStringLiteral("select count(*) from buydl")), 0);
        // The numbering is not used up by the failed save.
        bill.Lines[2].dlId = 0;
        QVERIFY(TBuyBill2::Save(bill, error));
        QVERIFY(bill.Code.endsWith(QStringLiteral("0001")));
    }

    void navigationAndCopy()
    {
        int last = 0;
        QVERIFY(!TBuyBill2::LastId(last));
        const RBuy a = SavedBill();
        const RBuy b = SavedBill();
        const RBuy c = SavedBill();
        QVERIFY(TBuyBill2::LastId(last));
        QCOMPARE(last, c.Id);
        QCOMPARE(TBuyBill2::PriorId(b), a.Id);
        QCOMPARE(TBuyBill2::NextId(b), c.Id);
        QCOMPARE(TBuyBill2::PriorId(a), 0);
        QCOMPARE(TBuyBill2::NextId(c), 0);

        RBuy copy = TBuyBill2::Copy(c);
        QCOMPARE(copy.Id, 0);
        QVERIFY(copy.Code.isEmpty());
        QVERIFY(!copy.Audited());
        QCOMPARE(copy.Lines.size(), 3);
        QCOMPARE(copy.Lines[0].dlId, 0);
        QString error;
        QVERIFY(TBuyBill2::Save(copy, error));
        QCOMPARE(copy.Lines[0].dlId, 10);
    }

    void typeSet()
    {
        TBuyTypeSet types;
        types.Query();
        QCOMPARE(types.DataSet()->RecordCount(), 2);
        QCOMPARE(types.AsData().Id, 1);
        QCOMPARE(types.NameFld->DisplayLabel, QStringLiteral("类别"));
    }

private:
    static double RoundTo8(double v) { return RoundTo(v, 8); }
    static QString HeaderAndLines(TDatabase &db)
    {
        TRecordSet set(db);
        set.OpenSQL(QStringLiteral("select m.Id, m.Note, m.Checkman, m.Billman, d.dlId, d.Qty "
                                   "from buy m left join buydl d on d.MastId=m.Id "
                                   "order by d.dlId"));
        QStringList rows;
        TDataSet *d = set.DataSet();
        for (d->First(); !d->Eof(); d->Next()) {
            QStringList cells;
            for (TField *f : d->Fields())
                cells << f->AsString();
            rows << cells.join(u'|');
        }
        rows << QString::number(Scalar(QStringLiteral("select count(*) from buydl"), db).toInt());
        return rows.join(u'\n');
    }

    std::unique_ptr<TTestDatabase> m_db;
};

QObject *NewBuyBillTest()
{
    return new TstBuyBill;
}

#include "tst_buybill.moc"
