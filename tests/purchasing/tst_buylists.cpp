#include "purchasing/TestObjects.h"
#include "support/TestSupport.h"

#include "config/Operator.h"
#include "data/Database.h"
#include "purchasing/BuyAprice.h"
#include "purchasing/BuyBill2.h"
#include "purchasing/BuyBillSums.h"
#include "purchasing/BuyDetails.h"
#include "purchasing/BuyGathering.h"

#include <QtTest>

// A small fixture whose every figure is worked out by hand:
//   categories 1. 五金 > 1.1. 螺丝; 2. 电子
//   goods 1 螺丝M3 (1.1.), 2 O'Brien 电阻 (2.), 3 胶带 (none), 4 扳手 (1., never arrived)
//   A  2026-03-01 arrival, supplier 1, audited:  g1 2 × 10 = 20, g2 1 × 5 = 5      total 25
//   B  2026-03-05 return,  supplier 2:           g1 1 × 12 = 12                      total 12
//   C  2026-03-05 arrival, supplier 1:           g3 4 × 2.5 = 10, g1 1 × 11 = 11    total 21
//   payments: A paid 20 with 5 discount (settled), C paid 10.
class TstBuyLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db.CreateFull();
        TheOperator().Clear();
        TheOperator().LoginId = QStringLiteral("sa");
        TDatabase &db = TheDatabase();
        db.ExecSQL("insert into wareclass(Id, Code, Name) values(1, '1.', '五金')");
        db.ExecSQL("insert into wareclass(Id, Code, Name) values(2, '1.1.', '螺丝')");
        db.ExecSQL("insert into wareclass(Id, Code, Name) values(3, '2.', '电子')");
        db.ExecSQL("insert into ware(Id, ClassId, Code, Name) values(1, 2, 'W001', '螺丝M3')");
        db.ExecSQL("insert into ware(Id, ClassId, Code, Name) "
                   "values(2, 3, 'W002', 'O''Brien 电阻')");
        db.ExecSQL("insert into ware(Id, Code, Name) values(3, 'W003', '胶带')");
        db.ExecSQL("insert into ware(Id, ClassId, Code, Name) values(4, 1, 'W004', '扳手')");
        db.ExecSQL("insert into supplier(Id, Name) values(1, '东方五金')");
        db.ExecSQL("insert into supplier(Id, Name) values(2, '南方电子')");
        m_a = Save(1, 1, QDate(2026, 3, 1), {{1, 2, 10}, {2, 1, 5}});
        m_b = Save(2, 2, QDate(2026, 3, 5), {{1, 1, 12}});
        m_c = Save(1, 1, QDate(2026, 3, 5), {{3, 4, 2.5}, {1, 1, 11}});
        RBuy a;
        TBuyBill2::Load(m_a.Id, a);
        QVERIFY(TBuyBill2::Check(a));
        db.ExecSQL("insert into payment(Id, Code, Sign) values(1, 'FK26030001', 1)");
        db.ExecSQL("insert into paymentdl(dlId, MastId, BuyCode, dlPayFund, dlDisFund) "
                   "values(1, 1, :Code, 20, 5)", {DBParam("Code", m_a.Code)});
        db.ExecSQL("insert into paymentdl(dlId, MastId, BuyCode, dlPayFund) "
                   "values(2, 1, :Code, 10)", {DBParam("Code", m_c.Code)});
    }
    void cleanupTestCase() { TheOperator().Clear(); }

    void billSums_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QVariant>("value");
        // Per listed bill: code letter, total, qty, fund, line count.
        QTest::addColumn<QString>("expected");
        QTest::newRow("all, returns negative")
            << "" << QVariant() << "A 25 3 25 2|B -12 -1 -12 1|C 21 5 21 2";
        QTest::newRow("goods item") << "WareId" << QVariant(1) << "A 25 2 20 1|B -12 -1 -12 1|"
                                                                  "C 21 1 11 1";
        QTest::newRow("category with subtree") << "CataCode" << QVariant("1.")
                                               << "A 25 2 20 1|B -12 -1 -12 1|C 21 1 11 1";
        QTest::newRow("category") << "CataCode" << QVariant("2.") << "A 25 1 5 1";
        QTest::newRow("name with quote") << "WareS02" << QVariant("O'Brien") << "A 25 1 5 1";
        QTest::newRow("code fragment") << "WareS01" << QVariant("003") << "C 21 4 10 1";
        QTest::newRow("audited") << "CheckStatus" << QVariant(true) << "A 25 3 25 2";
        QTest::newRow("unaudited") << "CheckStatus" << QVariant(false)
                                   << "B -12 -1 -12 1|C 21 5 21 2";
        QTest::newRow("supplier") << "SupplierId" << QVariant(2) << "B -12 -1 -12 1";
        QTest::newRow("from date") << "BeginDate" << QVariant(QDateTime(QDate(2026, 3, 2),
                                                                        QTime(0, 0)))
                                   << "B -12 -1 -12 1|C 21 5 21 2";
        QTest::newRow("return type") << "TypeId" << QVariant(2) << "B -12 -1 -12 1";
    }
    void billSums()
    {
        QFETCH(QString, criterion);
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        TBuyBillSums sums;
        if (!criterion.isEmpty())
            sums.Where()->DataSet()->FieldByName(criterion)->SetValue(value);
        sums.Query();
        TDataSet *d = sums.DataSet();
        d->SetSortText(QStringLiteral("Id"));
        QStringList rows;
        for (d->First(); !d->Eof(); d->Next())
            rows << QStringLiteral("%1 %2 %3 %4 %5").arg(Letter(sums.IdFld->AsInteger()))
                        .arg(sums.TotalFundFld->AsFloat()).arg(sums.QtyFld->AsFloat())
                        .arg(sums.FundFld->AsFloat()).arg(sums.DetailCountFld->AsInteger());
        QCOMPARE(rows.join(u'|'), expected);
    }

    void details_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QVariant>("value");
        // Per line: bill letter, goods, signed qty, signed fund.
        QTest::addColumn<QString>("expected");
        QTest::newRow("all") << "" << QVariant()
                             << "A1 2 20|A2 1 5|B1 -1 -12|C3 4 10|C1 1 11";
        QTest::newRow("category 1.") << "CataCode" << QVariant("1.")
                                     << "A1 2 20|B1 -1 -12|C1 1 11";
        QTest::newRow("name with quote") << "WareS02" << QVariant("o'brien") << "A2 1 5";
        QTest::newRow("order link 0 matches nothing") << "OrdlId" << QVariant(0) << "";
        QTest::newRow("invoiced") << "InvType" << QVariant(0) << "C3 4 10";
        QTest::newRow("inspected with rejects") << "QuaType" << QVariant(1) << "A2 1 5";
        QTest::newRow("not inspected") << "QuaType" << QVariant(3)
                                       << "A1 2 20|B1 -1 -12|C3 4 10|C1 1 11";
    }
    void details()
    {
        QFETCH(QString, criterion);
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        TDatabase &db = TheDatabase();
        db.ExecSQL("delete from buinvfrmdl");
        db.ExecSQL("delete from buinvfrm");
        db.ExecSQL("delete from buqualifrmdl");
        db.ExecSQL("insert into buinvfrm(Id, Code, InvNo) values(1, 'IV1', 'NO.8')");
        db.ExecSQL("insert into buinvfrmdl(dlId, MastId, BuydlId) values(1, 1, :Id)",
                   {DBParam("Id", m_c.Lines[0].dlId)});
        db.ExecSQL("insert into buqualifrmdl(dlId, MastId, BuydlId, UnQty) values(1, 1, :Id, 1)",
                   {DBParam("Id", m_a.Lines[1].dlId)});
        TBuyDetails details;
        if (!criterion.isEmpty())
            details.Where()->DataSet()->FieldByName(criterion)->SetValue(value);
        details.Query();
        TDataSet *d = details.DataSet();
        d->SetSortText(QStringLiteral("dlId"));
        QStringList rows;
        for (d->First(); !d->Eof(); d->Next()) {
            const RBuyDetail r = details.AsData();
            rows << QStringLiteral("%1%2 %3 %4").arg(Letter(r.Id)).arg(r.WareId)
                        .arg(r.Qty.toDouble()).arg(r.Fund.toDouble());
            if (criterion == QLatin1String("InvType"))
                QCOMPARE(r.InvNo, QStringLiteral("NO.8"));
        }
        QCOMPARE(rows.join(u'|'), expected);
    }

    void gathering_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("openOnly");
        // Per bill: letter, total, paid, discount, balance.
        QTest::addColumn<QString>("expected");
        QTest::newRow("all") << "" << QVariant() << false
                             << "A 25 20 5 0|B -12 0 0 -12|C 21 10 0 11";
        QTest::newRow("open only") << "" << QVariant() << true << "B -12 0 0 -12|C 21 10 0 11";
        QTest::newRow("one supplier") << "SupplierId" << QVariant(1) << false
                                      << "A 25 20 5 0|C 21 10 0 11";
        QTest::newRow("category") << "CataCode" << QVariant("2.") << false << "A 25 20 5 0";
    }
    void gathering()
    {
        QFETCH(QString, criterion);
        QFETCH(QVariant, value);
        QFETCH(bool, openOnly);
        QFETCH(QString, expected);
        TBuyGathering g;
        if (!criterion.isEmpty())
            g.Where()->DataSet()->FieldByName(criterion)->SetValue(value);
        g.Query();
        g.ShowOpenOnly(openOnly);
        QStringList rows;
        TDataSet *d = g.DataSet();
        for (d->First(); !d->Eof(); d->Next()) {
            const RBuyGathering r = g.AsData();
            rows << QStringLiteral("%1 %2 %3 %4 %5").arg(Letter(r.Id)).arg(r.TotalFund)
                        .arg(r.PaymentFund).arg(r.DiscountFund).arg(r.BalanceFund);
        }
        QCOMPARE(rows.join(u'|'), expected);
        if (!openOnly && criterion.isEmpty()) {
            d->Locate(QStringLiteral("Id"), m_b.Id);
            QVERIFY(g.PaymentFundFld->IsNull());      // no payment names it
        }
    }

    void aprice()
    {
        TBuyAprice prices;
        QSignalSpy progress(&prices, &TBuyAprice::OnProgress);
        prices.Query();
        QCOMPARE(progress.count(), 4);
        QCOMPARE(progress.last().at(0).toInt(), 4);
        QCOMPARE(progress.last().at(1).toInt(), 4);
        QCOMPARE(Rows(prices),
                 QStringLiteral("1 3 43 4 10.75 11 2026-03-05|2 1 5 1 5 5 2026-03-01|"
                                "3 1 10 4 2.5 2.5 2026-03-05|4 - - - - - -"));
        prices.FilterCategory(QStringLiteral("sys-nulled"));
        QCOMPARE(prices.DataSet()->RecordCount(), 1);
        prices.FilterCategory(QStringLiteral("1."));
        QCOMPARE(prices.DataSet()->RecordCount(), 2);
        prices.FilterCategory(QStringLiteral("sys-all"));
        QCOMPARE(prices.DataSet()->RecordCount(), 4);

        prices.Where()->CataCodeFld->SetValue(QStringLiteral("1."));
        prices.Where()->SupplierIdFld->SetValue(1);
        prices.Query();
        // Criteria narrow the sums; the latest price stays the latest over all arrivals.
        QCOMPARE(Rows(prices), QStringLiteral("1 2 31 3 10.33333333 11 2026-03-05|"
                                              "4 - - - - - -"));

        TheDatabase().ExecSQL("update ware set Name='扳手大号' where Id=4");
        prices.RefreshWare(4);
        QCOMPARE(prices.WareSFld[1]->AsString(), QStringLiteral("扳手大号"));
        QCOMPARE(prices.DataSet()->RecordCount(), 2);
    }

private:
    struct L { int ware; double qty; double price; };
    static RBuy Save(int type, int supplier, QDate date, std::initializer_list<L> lines)
    {
        RBuy bill = TBuyBill2::NewBill();
        bill.TypeId = type;
        bill.SupplierId = supplier;
        bill.BizDate = QDateTime(date, QTime(0, 0));
        for (const L &l : lines) {
            RBuydl dl;
            dl.WareId = l.ware;
            dl.Qty = l.qty;
            dl.Price = l.price;
            bill.Lines << dl;
        }
        QString error;
        if (!TBuyBill2::Save(bill, error))
            qFatal("%s", qPrintable(error));
        return bill;
    }
    QString Letter(int id) const
    {
        return id == m_a.Id ? "A" : id == m_b.Id ? "B" : id == m_c.Id ? "C" : "?";
    }
    static QString Rows(TBuyAprice &p)
    {
        QStringList rows;
        TDataSet *d = p.DataSet();
        auto cell = [](const TField *f) {
            return f->IsNull() ? QStringLiteral("-")
                : f->DataType() == TFieldType::DateTime
                ? f->AsDateTime().toString(QStringLiteral("yyyy-MM-dd"))
                : QString::number(f->AsFloat(), 'g', 12);
        };
        for (d->First(); !d->Eof(); d->Next())
            rows << QStringList{QString::number(p.WareIdFld->AsInteger()), cell(p.TbillFld),
                                cell(p.TfundFld), cell(p.TqtyFld), cell(p.ApriceFld),
                                cell(p.LpriceFld), cell(p.LdateFld)}.join(u' ');
        return rows.join(u'|');
    }

    TTestDatabase m_db;
    RBuy m_a, m_b, m_c;
};

QObject *NewBuyListsTest()
{
    return new TstBuyLists;
}

#include "tst_buylists.moc"
