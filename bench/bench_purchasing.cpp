// Arrival benchmarks on 50,000 arrivals with 300,000 lines (the demonstration data at scale
// 10, the same generator as "openbuy-admin demo --scale 10"): each figure is set against the
// same result computed by one plain SQL query through Qt SQL in the same run (for Save,
// the same statements run raw).
//   bench_purchasing [connection]   (default: a new SQLite file in the temporary directory)
// With a PostgreSQL connection a database openbuy_bench_buy is created on that server.
#include "BenchSupport.h"
#include "config/Operator.h"
#include "data/Database.h"
#include "data/Messages.h"
#include "data/Numbering.h"
#include "data/Schema.h"
#include "purchasing/BuyAprice.h"
#include "purchasing/BuyBill2.h"
#include "purchasing/BuyBillSums.h"
#include "purchasing/BuyGathering.h"
#include "purchasing/DemoData.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>

#include <algorithm>

namespace {
constexpr int Bills = 50000;
constexpr int LinesPerBill = 6;
constexpr int Goods = 5000;

// Iterates a select reading every value: what any consumer of the result must do.
int RawRows(TDatabase &db, const QString &sql, const QVariantList &params = {})
{
    QSqlQuery q(db.Connection());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    q.prepare(sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        qFatal("%s", qPrintable(q.lastError().text() + sql));
    const int n = q.record().count();
    int rows = 0;
    qint64 sink = 0;
    while (q.next()) {
        ++rows;
        for (int i = 0; i < n; ++i)
            sink += q.value(i).isNull() ? 0 : 1;
    }
    Q_UNUSED(sink);
    return rows;
}

void Exec(QSqlQuery &q, const QString &sql, const QVariantList &params)
{
    q.prepare(sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        qFatal("%s", qPrintable(q.lastError().text() + sql));
}

// The demonstration data at scale 10: 50,000 arrivals of six lines, 5,000 goods, 200
// suppliers and a payment for every third audited arrival, dated up to a fixed day.
void Fill(TDatabase &db)
{
    TDemoData demo(db, QDate(2026, 11, 30));
    demo.Fill(10);
    db.ExecCommand(QStringLiteral("analyze"));
}

RBuy FiftyLineBill()
{
    RBuy bill = TBuyBill2::NewBill();
    bill.SupplierId = 1;
    bill.DeptId = 1;
    bill.BuymanId = 1;
    for (int k = 0; k < 50; ++k) {
        RBuydl l;
        l.WareId = k * 97 % Goods + 1;
        l.Qty = 1 + k;
        l.Price = 2.5 + k;
        bill.Lines << l;
    }
    return bill;
}

// The statements Save runs, through Qt SQL with positional binding.
void RawSave(TDatabase &db, const RBuy &bill)
{
    QSqlQuery q(db.Connection());
    db.BeginTrans();
    Exec(q, QStringLiteral("select max(Id) from buy"), {});
    q.next();
    const int id = q.value(0).toInt() + 1;
    const QString code = NextBillCode(db, QStringLiteral("AR"), QStringLiteral("buy"));
    double total = 0;
    for (const RBuydl &l : bill.Lines)
        total += l.Qty.toDouble() * l.Price.toDouble();
    Exec(q, QStringLiteral("insert into buy( Code, OldCode, SupplierId, BuymanId, BizDate, "
                           "DeptId, TypeId, TaxRate, TotalFund, Billman, BillTime, Note, "
                           "Id)values"
                           "(?,?,?,?,?,?,?,?,?,?,?,?,?)"),
         {code, bill.OldCode, bill.SupplierId, bill.BuymanId, bill.BizDate, bill.DeptId,
          bill.TypeId, bill.TaxRate, total, bill.Billman, QDateTime::currentDateTime(),
          bill.Note, id});
    Exec(q, QStringLiteral("delete from buydl where MastId=%1 and dlId not in (0)").arg(id), {});
    Exec(q, QStringLiteral("select max(dlId) from buydl"), {});
    q.next();
    int dlId = q.value(0).toInt();
    const QString insert = QStringLiteral(
        "insert into buydl(MastId, WareId, WareColor, WareSize, WareProp, Qty, Price, Tax, Fund, "
        "dlNote, OrdlId, PlandlId, AppdlId, dlId)values(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    QSqlQuery ins(db.Connection());
    ins.prepare(insert);
    const QVariant nullId(QMetaType(QMetaType::Int));
    for (const RBuydl &l : bill.Lines) {
        const double fund = l.Qty.toDouble() * l.Price.toDouble();
        for (const QVariant &v : QVariantList{id, l.WareId, l.WareColor, l.WareSize, l.WareProp,
                                              l.Qty, l.Price, 0, fund, l.dlNote, nullId, nullId,
                                              nullId, ++dlId})
            ins.addBindValue(v);
        if (!ins.exec())
            qFatal("%s", qPrintable(ins.lastError().text()));
    }
    db.CommitTrans();
}

QString Line(const QString &what, double setMs, double rawMs)
{
    return QStringLiteral("| %1 | %2 ms | %3 ms | %4 |").arg(what).arg(setMs, 0, 'f', 1)
        .arg(rawMs, 0, 'f', 1).arg(setMs / rawMs, 0, 'f', 2);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SetMessageLayer(std::make_unique<TConsoleMessages>());
    QTextStream out(stdout);
    QString connection = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    TDatabase &db = TheDatabase();
    QString error;
    if (connection.isEmpty()) {
        const QString file = QDir::temp().filePath(QStringLiteral("openbuy_bench_buy.db"));
        QFile::remove(file);
        QFile(file).open(QIODevice::WriteOnly);
        connection = QStringLiteral("Provider=SQLite;Data Source=") + file;
    } else {
        if (!db.TryConnect(connection, &error))
            qFatal("cannot connect: %s", qPrintable(error));
        db.ExecCommand(QStringLiteral("drop database if exists openbuy_bench_buy with (force)"));
        db.ExecCommand(QStringLiteral("create database openbuy_bench_buy"));
        const QString catalog = ConnectionStringProperty(connection,
                                                         QStringLiteral("Initial Catalog"));
        connection.replace(QStringLiteral("Initial Catalog=") + catalog,
                           QStringLiteral("Initial Catalog=openbuy_bench_buy"));
    }
    if (!db.TryConnect(connection, &error))
        qFatal("cannot connect: %s", qPrintable(error));
    if (!TSchema::Standard().CreateDatabase(db, &error))
        qFatal("cannot create the database: %s", qPrintable(error));
    TheOperator().LoginId = QStringLiteral("sa");
    out << "dialect: " << (db.IsSqlServer() ? "PostgreSQL" : "SQLite") << Qt::endl;

    QElapsedTimer fill;
    fill.start();
    Fill(db);
    out << QStringLiteral("fill %1 arrivals, %2 lines: %3 s").arg(Bills)
               .arg(Bills * LinesPerBill).arg(fill.elapsed() / 1000.0, 0, 'f', 1) << Qt::endl;
    out << "| operation | set | plain SQL | ratio |" << Qt::endl
        << "|---|---|---|---|" << Qt::endl;

    // Save: best of 9 new 50-line bills each way, alternating.
    const RBuy fifty = FiftyLineBill();
    double saveMs = 1e18, rawSaveMs = 1e18;
    int savedId = 0;
    for (int i = 0; i < 9; ++i) {
        rawSaveMs = std::min(rawSaveMs, BestMs(1, [&] { RawSave(db, fifty); }));
        saveMs = std::min(saveMs, BestMs(1, [&] {
            RBuy bill = fifty;
            if (!TBuyBill2::Save(bill, error))
                qFatal("%s", qPrintable(error));
            savedId = bill.Id;
        }));
    }
    out << Line(QStringLiteral("Save, new 50-line arrival"), saveMs, rawSaveMs) << Qt::endl;

    const QString headerSql = QStringLiteral(
        "select i.*, h.Name as DeptName, t.Name as TypeName, p.Name as SupplierName, e.Name as "
        "BuymanName from ((((buy i left join departments h on i.DeptId=h.Id) left join supplier p "
        "on i.SupplierId=p.Id) left join employee e on i.BuymanId=e.Id) left join buytype t on "
        "i.TypeId=t.Id) where i.Id=?");
    const QString linesSql = QStringLiteral(
        "SELECT d.*, am.Code as AppCode, om.Code as OrderCode, pm.Code as PlanCode, w.Code as "
        "WareS01, w.Name as WareS02, w.LookId as WareS03, w.PartNo as WareS04, "
        "w.Brand as WareS05, w.Package as WareS06, w.Barcode as WareS07, w.S08 as WareS08, "
        "w.S09 as WareS09, w.S10 as "
        "WareS10, w.S11 as WareS11, w.Unit as WareS12 FROM (((((((buydl AS d INNER JOIN ware AS w "
        "ON d.WareId=w.Id) left join buorderfrmdl od on od.dlId=d.OrdlId) left join buorderfrm om "
        "on om.Id=od.MastId) left join buappfrmdl ad on ad.dlId=d.AppdlId) left join buappfrm am "
        "on am.Id=ad.MastId) left join buplanfrmdl pd on pd.dlId=d.PlandlId) left join buplanfrm "
        "pm on pm.Id=pd.MastId) where d.MastId=? order by d.dlId");
    const double rawLoad = BestMs(20, [&] {
        RawRows(db, headerSql, {savedId});
        RawRows(db, linesSql, {savedId});
    });
    const double load = BestMs(20, [&] {
        RBuy bill;
        if (!TBuyBill2::Load(savedId, bill))
            qFatal("load failed: %d", savedId);
        if (bill.Lines.size() != 50)
            qFatal("load failed: %d lines", int(bill.Lines.size()));
    });
    out << Line(QStringLiteral("Load, 50-line arrival"), load, rawLoad) << Qt::endl;

    {
        TBuyBillSums sums;
        const QString sql = sums.QueryText();
        int rows = 0;
        const double raw = BestMs(3, [&] { rows = RawRows(db, sql); });
        const double set = BestMs(3, [&] { sums.Query(); });
        out << Line(QStringLiteral("TBuyBillSums, all bills (%1 rows)").arg(rows), set,
                    raw) << Qt::endl;
    }
    for (int supplier : {7, 0}) {
        TBuyGathering g;
        if (supplier)
            g.Where()->SupplierIdFld->SetValue(supplier);
        const QString sql = g.QueryText();
        int rows = 0;
        const double raw = BestMs(3, [&] { rows = RawRows(db, sql); });
        const double set = BestMs(3, [&] { g.Query(); });
        out << Line(QStringLiteral("TBuyGathering, %1 (%2 rows)")
                        .arg(supplier ? QStringLiteral("one supplier")
                                      : QStringLiteral("all suppliers"))
                        .arg(rows), set, raw) << Qt::endl;
    }
    {
        TBuyAprice prices;
        const QString sql = prices.QueryText();
        int rows = 0;
        const double raw = BestMs(3, [&] { rows = RawRows(db, sql); });
        const double set = BestMs(3, [&] { prices.Query(); });
        out << Line(QStringLiteral("TBuyAprice, all goods (%1 rows)").arg(rows), set, raw)
            << Qt::endl;
    }
    return 0;
}
