#include "TstRep.h"

#include "ReportFixture.h"
#include "data/RecordSet.h"
#include "data/Utils.h"
#include "reports/Rep.h"
#include "reports/RepSet.h"
#include "reports/StandardTemplates.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
int Count(const QString &sql)
{
    TRecordSet set;
    set.OpenSQL(sql);
    return set.DataSet()->Field(0)->AsInteger();
}
} // namespace

void TstRep::init()
{
    RegisterStandardTemplates();
    m_db = std::make_unique<TTestDatabase>();
    m_db->CreateFull();
}

void TstRep::cleanup() { m_db.reset(); }

void TstRep::newDatabaseCarriesStandardTemplates()
{
    QCOMPARE(Count(QStringLiteral("select count(*) from report")), ReportGroups().size());
    for (const TReportGroup &g : ReportGroups()) {
        TRepSet set;
        QCOMPARE(set.Open(g.Group), 1);
        QCOMPARE(set.TitleFld->AsString(), QStringLiteral("标准格式"));
        TRep rep;
        rep.LoadTemplate(set.IdFld->AsInteger());
        QVERIFY(!rep.Report().IsEmpty());
        QCOMPARE(rep.Group(), g.Group);
        const bool bill = g.Layout == TReportGroup::Kind::Bill;
        QCOMPARE(rep.Report().FindBand(TBandKind::Summary) != nullptr,
                 bill || g.Layout == TReportGroup::Kind::BillWithoutLines);
        QCOMPARE(rep.Report().FindBand(TBandKind::MasterData) != nullptr,
                 g.Layout != TReportGroup::Kind::BillWithoutLines);
    }
}

void TstRep::firstTemplateGetsIdOne()
{
    TheDatabase().ExecSQL(QStringLiteral("delete from report"));
    QCOMPARE(TRep::NewTemplate(QStringLiteral("收货单"), 1001), 1);
    QCOMPARE(TRep::NewTemplate(QStringLiteral("收货单二"), 1001), 2);
    TheDatabase().ExecSQL(QStringLiteral("delete from report where Id=1"));
    QCOMPARE(TRep::NewTemplate(QStringLiteral("收货单三"), 1001), 3);
}

void TstRep::templatesListedByTitle()
{
    const int b = TRep::NewTemplate(QStringLiteral("B 横向"), 77);
    const int a = TRep::NewTemplate(QStringLiteral("A 纵向"), 77);
    TRep::NewTemplate(QStringLiteral("其他组"), 78);
    TRepSet set;
    QCOMPARE(set.Open(77), 2);
    QCOMPARE(set.IdFld->AsInteger(), a);
    set.DataSet()->Next();
    QCOMPARE(set.IdFld->AsInteger(), b);
    QCOMPARE(set.TitleFld->Label(), QStringLiteral("标题"));
}

void TstRep::renameAndDelete()
{
    const int id = TRep::NewTemplate(QStringLiteral("旧名"), 77);
    TRep::RenameTemplate(id, QStringLiteral("新名"));
    TRepSet set;
    set.Open(77);
    QCOMPARE(set.TitleFld->AsString(), QStringLiteral("新名"));
    TRep::DeleteTemplate(id);
    QCOMPARE(set.Open(77), 0);
}

void TstRep::emptyTemplateLoadsEmpty()
{
    const int id = TRep::NewTemplate(QStringLiteral("空"), 77);
    TRep rep;
    rep.Report() = StandardTemplate(1001);
    rep.LoadTemplate(id);
    QVERIFY(rep.Report().IsEmpty());
    QCOMPARE(rep.Tag(), id);
    auto layout = rep.CreateLayout();
    layout->LayoutAll();
    QCOMPARE(layout->PageCount(), 1);           // an empty report is one blank page
}

void TstRep::saveTemplateUpdatesOrInserts()
{
    const int id = TRep::NewTemplate(QStringLiteral("设计"), 77);
    TRep rep;
    rep.LoadTemplate(id);
    rep.Report() = StandardTemplate(1027);
    rep.SaveTemplate();
    TRep again;
    again.LoadTemplate(id);
    QVERIFY(again.Report() == StandardTemplate(1027));
    // A tag without a row (deleted meanwhile on another workstation) inserts the row.
    TRep::DeleteTemplate(id);
    rep.SaveTemplate();
    QCOMPARE(Count(QStringLiteral("select count(*) from report where Id=%1").arg(id)), 1);
}

void TstRep::fileKeepsTag()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.fr3"));
    TRep rep;
    rep.Report() = StandardTemplate(1048);
    QString error;
    QVERIFY(rep.SaveToFile(file, &error));
    const int id = TRep::NewTemplate(QStringLiteral("从文件"), 77);
    TRep other;
    other.LoadTemplate(id);
    QVERIFY(other.LoadFromFile(file, &error));
    QCOMPARE(other.Tag(), id);
    other.SaveTemplate();
    TRep check;
    check.LoadTemplate(id);
    QVERIFY(check.Report() == StandardTemplate(1048));
    QVERIFY(!other.LoadFromFile(dir.filePath(QStringLiteral("none.fr3")), &error));
    QVERIFY(error.contains(QStringLiteral("none.fr3")));
}

void TstRep::projRepVariables()
{
    LoginAs(QStringLiteral("clerk"), QString());
    TheDatabase().ExecSQL(QStringLiteral("delete from Company"));
    TheDatabase().ExecSQL(QStringLiteral("insert into Company(Id,CompanyName,Tel)values(1,:N,:T)"),
                          {DBParam(QStringLiteral("N"), QStringLiteral("东方机械")),
                           DBParam(QStringLiteral("T"), QStringLiteral("021-5550100"))});
    TProjRep rep;
    QCOMPARE(rep.VarNames(), QStringList({"u_Company", "u_Tel", "u_Fax", "u_Address", "u_Zip",
                                          "u_Operator"}));
    QCOMPARE(rep.VarValues().at(0), QStringLiteral("东方机械"));
    QCOMPARE(rep.VarValues().at(2), QStringLiteral(" "));
    QCOMPARE(rep.UserField(QStringLiteral("u_Operator")), QStringLiteral("clerk"));
    rep.AddVar(QStringLiteral("u_Operator"), QStringLiteral("王芳"));   // a later value wins
    QCOMPARE(rep.UserField(QStringLiteral("u_Operator")), QStringLiteral("王芳"));
}

void TstRep::adminPrintsToPdf()
{
    QTemporaryDir dir;
    const QString admin = QCoreApplication::applicationDirPath() + QStringLiteral("/openbuy-admin");
    const QString connection = QStringLiteral("--connection=Provider=SQLite;Data Source=")
                             + dir.filePath(QStringLiteral("a.db"));
    const auto run = [&](const QStringList &args, QString *err = nullptr) {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(admin, QStringList{connection} + args);
        p.waitForFinished(120000);
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    };
    QCOMPARE(run({QStringLiteral("init")}), 0);
    QFile csv(dir.filePath(QStringLiteral("d0.csv")));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("WareName,Qty,Fund\n不锈钢螺栓M8,120,102\n\"六角螺母, M8\",240,28.8\n");
    csv.close();
    const QStringList print = {QStringLiteral("print"), QStringLiteral("--group"),
                               QStringLiteral("1001"), QStringLiteral("--data"),
                               QStringLiteral("d0=d0.csv"), QStringLiteral("--var"),
                               QStringLiteral("Code=AR26120001"), QStringLiteral("--pdf"),
                               QStringLiteral("out.pdf")};
    QCOMPARE(run(print), 0);
    const QString text = PdfText(dir.filePath(QStringLiteral("out.pdf")));
    for (const QString &s : {QStringLiteral("采购收货单"), QStringLiteral("AR26120001"),
                             QStringLiteral("六角螺母, M8"), QStringLiteral("130.80"),
                             AmountInWords(130.8)})
        QVERIFY2(text.contains(s), qPrintable(s + QStringLiteral(" not in:\n") + text));
    QString err;
    QCOMPARE(run(print + QStringList{QStringLiteral("--template"), QStringLiteral("无此样式")},
                 &err), 1);
    QVERIFY(err.contains(QStringLiteral("报表组 1001 没有名为\"无此样式\"的打印样式")));
    QCOMPARE(run({QStringLiteral("print"), QStringLiteral("--group"), QStringLiteral("4242"),
                  QStringLiteral("--pdf"), QStringLiteral("x.pdf")}, &err), 1);
    QVERIFY(err.contains(QStringLiteral("报表组 4242 没有打印样式")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.pdf"))));
}
