#include "admin/TstAdmin.h"

#include "config/Operator.h"
#include "data/RecordSet.h"
#include "data/Utils.h"
#include "purchasing/BuyBill2.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

namespace {
QVariant Scalar(const QString &sql)
{
    TRecordSet set;
    set.OpenSQL(sql);
    return set.DataSet()->IsEmpty() ? QVariant() : set.DataSet()->Field(0)->Value();
}

int Count(const QString &sql)
{
    return Scalar(sql).toInt();
}

// Every row of a select as one tab-joined text.
QStringList Rows(const QString &sql)
{
    TRecordSet set;
    set.OpenSQL(sql);
    QStringList rows;
    TDataSet *d = set.DataSet();
    for (d->First(); !d->Eof(); d->Next()) {
        QStringList cells;
        for (TField *f : d->Fields())
            cells << f->AsString();
        rows << cells.join(u'\t');
    }
    return rows;
}

QString ProcessOutput(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The lines of a delimited export (GB18030), without the separator that ends every value.
QList<QStringList> ReadDelimited(const QString &path, QChar separator)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decoder("GB18030");
    const QString text = decoder.decode(f.readAll());
    QList<QStringList> lines;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        QStringList cells = line.split(separator);
        if (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        lines << cells;
    }
    return lines;
}

const QStringList SupplierCaptions = {
    "ID", "助查码", "供应商名称", "联系人", "手机", "联系电话", "传真号码", "联系地址", "邮编",
    "网址", "电子信箱", "法人代表", "税号", "开户银行", "开户名称", "银行帐号", "供应内容",
    "信誉评价"};
} // namespace

TstAdmin::TRun TstAdmin::Admin(const QString &connection, const QStringList &args) const
{
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/openbuy-admin"),
            QStringList{QStringLiteral("--connection=") + connection} + args);
    p.waitForFinished(600000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void TstAdmin::ConnectTo(const QString &connection)
{
    QString error;
    QVERIFY2(TheDatabase().TryConnect(connection, &error), qPrintable(error));
}

QString TstAdmin::NewDemoDatabase(const QStringList &extra)
{
    const QString connection = m_databases.CreateEmpty();
    const TRun run = Admin(connection, QStringList{QStringLiteral("demo")} + extra);
    if (run.ExitCode != 0)
        qWarning("%s", qPrintable(run.Err));
    return run.ExitCode == 0 ? connection : QString();
}

void TstAdmin::initTestCase()
{
    // An empty database without tables: demo makes the tables first.
    m_demo = NewDemoDatabase();
    QVERIFY(!m_demo.isEmpty());
    ConnectTo(m_demo);
}

void TstAdmin::demoCounts_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("expected");
    QTest::newRow("suppliers") << "select count(*) from supplier" << 36;
    QTest::newRow("goods") << "select count(*) from ware" << 240;
    QTest::newRow("supplier prices") << "select count(*) from suppwares" << 36 * 8;
    QTest::newRow("supplier prices without goods or supplier")
        << "select count(*) from suppwares p where p.WareId not in (select Id from ware) "
           "or p.SupplierId not in (select Id from supplier)" << 0;
    QTest::newRow("goods without category") << "select count(*) from ware where ClassId is null"
                                            << 0;
    QTest::newRow("arrivals") << "select count(*) from buy" << 240;
    QTest::newRow("arrivals without lines")
        << "select count(*) from buy b where not exists (select 1 from buydl d "
           "where d.MastId=b.Id)" << 0;
    QTest::newRow("departments") << "select count(*) from departments" << 8;
    QTest::newRow("employees") << "select count(*) from employee" << 16;
    QTest::newRow("bank accounts") << "select count(*) from fn_bank" << 4;
    QTest::newRow("units") << "select count(*) from unit" << 18;
    QTest::newRow("categories without buyer")
        << "select count(*) from wareclass where BuymanId is null" << 0;
    QTest::newRow("four category levels")
        << "select count(*) from wareclass where Code like '%.%.%.%.'" << 4;
    QTest::newRow("duplicate bill codes")
        << "select count(*) from (select Code from buy group by Code having count(*)>1) x" << 0;
    QTest::newRow("duplicate supplier names")
        << "select count(*) from (select Name from supplier group by Name "
           "having count(*)>1) x" << 0;
    QTest::newRow("company named") << "select count(*) from Company where CompanyName<>''" << 1;
}

void TstAdmin::demoCounts()
{
    QFETCH(QString, sql);
    QFETCH(int, expected);
    QCOMPARE(Count(sql), expected);
}

void TstAdmin::demoArrivalsAreConsistent()
{
    // Both states and both directions are there to be seen.
    QVERIFY(Count("select count(*) from buy where CheckTime is null") > 10);
    QVERIFY(Count("select count(*) from buy where CheckTime is not null") > 100);
    QVERIFY(Count("select count(*) from buy where TypeId=2") > 3);
    QVERIFY(Count("select count(distinct SupplierId) from buy") > 20);
    QCOMPARE(Count("select count(*) from buy where SupplierId not in (select Id from supplier) "
                   "or BuymanId not in (select Id from employee) "
                   "or DeptId not in (select Id from departments)"), 0);
    const QStringList ids = Rows("select Id from buy order by Id");
    for (const QString &id : ids) {
        RBuy bill;
        QVERIFY2(TBuyBill2::Load(id.toInt(), bill), qPrintable(id));
        QVERIFY(!bill.Lines.isEmpty());
        for (const RBuydl &l : bill.Lines) {
            QVERIFY(l.Qty.toDouble() > 0);      // a return counts negative through its type
            QCOMPARE(l.Fund.toDouble(), RoundTo(l.Qty.toDouble() * l.Price.toDouble(), 2));
        }
        QCOMPARE(bill.TotalFund.toDouble(), TBuyBill2::TotalOf(bill.Lines));
        QCOMPARE(bill.Audited(), !bill.Checkman.isEmpty());
    }
}

void TstAdmin::demoRefusesDatabaseWithData()
{
    const TRun run = Admin(m_demo, {QStringLiteral("demo")});
    QCOMPARE(run.ExitCode, 1);
    QVERIFY2(run.Err.contains(QStringLiteral("演示数据只能装入没有业务数据的数据库")),
             qPrintable(run.Err));
    QCOMPARE(Count("select count(*) from supplier"), 36);
    QCOMPARE(Count("select count(*) from buy"), 240);
}

void TstAdmin::demoIsDeterministic()
{
    const QString select[] = {
        "select Name, LookId, Linkman, Tel, Addr, BankId from supplier order by Id",
        "select Code, Name, PartNo, Brand, Barcode, InPrice from ware order by Id",
        "select SupplierId, BizDate, TypeId, TotalFund, Checkman from buy order by Id",
        "select MastId, WareId, Qty, Price from buydl order by dlId"};
    QList<QStringList> first;
    for (const QString &sql : select)
        first << Rows(sql);
    const QString second = NewDemoDatabase();
    QVERIFY(!second.isEmpty());
    ConnectTo(second);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(Rows(select[i]), first[i]);
    ConnectTo(m_demo);
}

void TstAdmin::demoScaleWritesInBulk()
{
    const QString bulk = NewDemoDatabase({QStringLiteral("--scale"), QStringLiteral("1")});
    QVERIFY(!bulk.isEmpty());
    ConnectTo(bulk);
    QCOMPARE(Count("select count(*) from buy"), 5000);
    QCOMPARE(Count("select count(*) from buydl"), 30000);
    QCOMPARE(Count("select count(*) from ware"), 500);
    QCOMPARE(Count("select count(*) from supplier"), 20);
    QCOMPARE(Count("select count(*) from buy b where abs(b.TotalFund - (select sum(d.Fund) "
                   "from buydl d where d.MastId=b.Id)) > 0.001"), 0);
    QCOMPARE(Count("select count(*) from (select Code from buy group by Code "
                   "having count(*)>1) x"), 0);
    // Payments settle existing audited arrivals by their code.
    QVERIFY(Count("select count(*) from paymentdl") > 500);
    QCOMPARE(Count("select count(*) from paymentdl p left join buy b on b.Code=p.BuyCode "
                   "and b.Id=p.BuyId where b.CheckTime is null"), 0);
    // The numbering goes on from what the bulk wrote: a bill saved now gets a new code.
    TheOperator().LoginId = QStringLiteral("sa");
    RBuy bill;
    QVERIFY(TBuyBill2::Load(4321, bill));
    RBuy copy = TBuyBill2::Copy(bill);
    QString error;
    QVERIFY2(TBuyBill2::Save(copy, error), qPrintable(error));
    QCOMPARE(Count("select count(*) from buy where Code='" + copy.Code + "'"), 1);
    QCOMPARE(copy.Id, 5001);
    ConnectTo(m_demo);
}

void TstAdmin::printArrival()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("arrival.pdf"));
    // An arrival of several lines with an operator's delivery note number.
    const int id = Scalar("select min(b.Id) from buy b where b.OldCode<>'' and b.TypeId=1 and "
                          "(select count(*) from buydl d where d.MastId=b.Id)>=3").toInt();
    QVERIFY(id > 0);
    RBuy bill;
    QVERIFY(TBuyBill2::Load(id, bill));
    const TRun run = Admin(m_demo, {"print", "--kind", "1", "--id", QString::number(id),
                                    "--pdf", pdf});
    QVERIFY2(run.ExitCode == 0, qPrintable(run.Err));
    const QString text = ProcessOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    const QString firstGoods = bill.Lines.first().WareS[1];
    for (const QString &s : {bill.Code, bill.OldCode, bill.SupplierName, bill.BuymanName,
                             firstGoods, QStringLiteral("品名"), QStringLiteral("采购收货单"),
                             AmountInWords(bill.TotalFund.toDouble())})
        QVERIFY2(text.contains(s), qPrintable(s + QStringLiteral(" not in:\n") + text));
    // The supplier's own data comes from the supplier record.
    const QString linkman = Scalar(QStringLiteral("select Linkman from supplier where Id=%1")
                                       .arg(bill.SupplierId)).toString();
    QVERIFY2(text.contains(linkman), qPrintable(linkman));
}

void TstAdmin::exportSuppliers_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("csv") << "csv";
    QTest::newRow("txt") << "txt";
    QTest::newRow("xlsx") << "xlsx";
}

void TstAdmin::exportSuppliers()
{
    QFETCH(QString, format);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("suppliers.") + format);
    const TRun run = Admin(m_demo, {"export", "--list", "suppliers", "--format", format,
                                    "--out", out});
    QVERIFY2(run.ExitCode == 0, qPrintable(run.Err));
    QList<QStringList> lines;
    if (format == u"xlsx") {
        // Written as a real workbook: a spreadsheet reader opens it.
        const QString csv = ProcessOutput(QStringLiteral("xlsx2csv"), {out});
        for (const QString &line : csv.split(u'\n', Qt::SkipEmptyParts))
            lines << line.split(u',');
    } else {
        lines = ReadDelimited(out, format == u"csv" ? u',' : u'\t');
    }
    QCOMPARE(lines.size(), 37);
    QCOMPARE(lines.first(), SupplierCaptions);
    const QStringList names = Rows("select Name from supplier order by Id");
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(lines[i + 1].value(2), names[i]);
}

void TstAdmin::exportGoodsUsesLabels()
{
    // The operator renamed the goods name; the list window and the export say so.
    const QString labels = Scalar("select Vstr from keyvalue where KeyId=37").toString();
    TheDatabase().ExecSQL(QStringLiteral("update keyvalue set Vstr=:V where KeyId=37"),
                          {DBParam(QStringLiteral("V"),
                                   QString(labels).replace(QStringLiteral("WareS02=品名"),
                                                           QStringLiteral("WareS02=物料名称")))});
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("goods.csv"));
    const TRun run = Admin(m_demo, {"export", "--list", "goods", "--format", "csv", "--out", out});
    TheDatabase().ExecSQL(QStringLiteral("update keyvalue set Vstr=:V where KeyId=37"),
                          {DBParam(QStringLiteral("V"), labels)});
    QVERIFY2(run.ExitCode == 0, qPrintable(run.Err));
    const QList<QStringList> lines = ReadDelimited(out, u',');
    QCOMPARE(lines.size(), 241);
    const QStringList captions = lines.first();
    QVERIFY2(captions.contains(QStringLiteral("物料名称")), qPrintable(captions.join(u',')));
    QVERIFY(!captions.contains(QStringLiteral("品名")));
    QVERIFY(captions.contains(QStringLiteral("规格")));
    QVERIFY(!captions.contains(QStringLiteral("ClassId")));     // hidden columns stay out
    const int name = int(captions.indexOf(QStringLiteral("物料名称")));
    QSet<QString> stored;
    for (const QString &n : Rows("select Name from ware"))
        stored.insert(n);
    for (int i = 1; i < lines.size(); ++i)
        QVERIFY(stored.contains(lines[i].value(name)));
}

void TstAdmin::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "不认识的命令: frobnicate";
    QTest::newRow("unknown list")
        << QStringList{"export", "--list", "customers", "--format", "csv", "--out", "x.csv"}
        << "不认识的列表: customers";
    QTest::newRow("unknown format")
        << QStringList{"export", "--list", "goods", "--format", "pdf", "--out", "x.pdf"}
        << "不认识的导出格式: pdf";
    QTest::newRow("export without file")
        << QStringList{"export", "--list", "goods", "--format", "csv"} << "export 需要 --out";
    QTest::newRow("option without value")
        << QStringList{"export", "--list"} << "参数 --list 缺少取值";
    QTest::newRow("scale not a number")
        << QStringList{"demo", "--scale", "many"} << "--scale 应为 0 到 1000 的整数";
    QTest::newRow("print kind without id")
        << QStringList{"print", "--kind", "1", "--pdf", "x.pdf"} << "print --kind 需要 --id";
    QTest::newRow("print other kind")
        << QStringList{"print", "--kind", "0", "--id", "1", "--pdf", "x.pdf"}
        << "只能打印采购收货单";
    QTest::newRow("missing arrival")
        << QStringList{"print", "--kind", "1", "--id", "999999", "--pdf", "x.pdf"}
        << "没有找到 Id 为 999999 的采购收货单";
}

void TstAdmin::badArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir dir;
    for (QString &a : args)
        if (a.startsWith(QLatin1String("x.")))
            a = dir.filePath(a);
    const TRun run = Admin(m_demo, args);
    QCOMPARE(run.ExitCode, 1);
    QVERIFY2(run.Err.contains(message), qPrintable(run.Err));
    QVERIFY(QDir(dir.path()).isEmpty());        // nothing written
}
