#include "TstReportEngine.h"

#include "ReportFixture.h"
#include "data/DataSet.h"
#include "data/Exceptions.h"
#include "data/Utils.h"
#include "reports/Barcode.h"
#include "reports/Rep.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRenderer.h"
#include "reports/StandardTemplates.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
TReportTemplate EveryKind()
{
    TReportTemplate t;
    t.Page.Landscape = true;
    t.Page.LeftMargin = 9.5;
    TReportBand band;
    band.Kind = TBandKind::MasterData;
    band.DataSet = QStringLiteral("d1");
    band.Height = 7.5;
    for (int k = 0; k <= int(TObjectKind::AutoSums); ++k) {
        TReportObject o;
        o.Kind = TObjectKind(k);
        o.Rect = QRectF(k * 10.5, 1, 10, 5.5);
        o.Text = QStringLiteral("名称 <&> [d0.Name] \"x\"");
        o.Bold = k % 2;
        o.Frame = k % 3 == 0;
        o.WordWrap = k % 2 == 0;
        o.Stretch = k % 3 == 1;
        o.Format = QStringLiteral(",0.00");
        o.BarcodeType = k == int(TObjectKind::Barcode) ? QStringLiteral("QR") : QString();
        o.Picture = k == int(TObjectKind::Picture) ? QByteArray("\x89PNG\0\1", 6) : QByteArray();
        band.Objects.append(o);
    }
    t.Bands.append(band);
    t.EnsureBand(TBandKind::PageFooter).Height = 9;
    t.EnsureBand(TBandKind::ReportTitle).Height = 20;
    return t;
}

// Rows of code, note and quantity, as a bill's lines with a remark column.
std::unique_ptr<TDataSet> NotedLines(const QStringList &notes)
{
    auto d = std::make_unique<TDataSet>();
    d->AddField<TStringField>(QStringLiteral("Code"), true, QStringLiteral("编号"));
    d->AddField<TMemoField>(QStringLiteral("Note"), true, QStringLiteral("备注"));
    d->AddField<TFloatField>(QStringLiteral("Qty"), true, QStringLiteral("数量"));
    d->Open();
    d->BeginLoad(int(notes.size()));
    for (int i = 0; i < notes.size(); ++i) {
        QVariant *row = d->AppendLoadRow();
        row[0] = QStringLiteral("R%1").arg(i + 1);
        row[1] = notes[i];
        row[2] = double(i + 1);
    }
    d->EndLoad();
    d->First();
    return d;
}

TReportObject Object(TObjectKind kind, const QRectF &rect, const QString &text = QString())
{
    TReportObject o;
    o.Kind = kind;
    o.Rect = rect;
    o.Text = text;
    return o;
}

// A row 6 mm high: code, a framed note that wraps, quantity; a frame round the row, a
// rule between code and note and one under the row stretch with it.
TReportTemplate NotedRows(bool wrap)
{
    TReportTemplate t;
    TReportBand &row = t.EnsureBand(TBandKind::MasterData);
    row.Height = 6;
    row.Objects = {Object(TObjectKind::Text, QRectF(0, 0, 20, 6), QStringLiteral("[d0.Code]")),
                   Object(TObjectKind::Text, QRectF(20, 0, 60, 6), QStringLiteral("[d0.Note]")),
                   Object(TObjectKind::Text, QRectF(80, 0, 20, 6), QStringLiteral("[d0.Qty]")),
                   Object(TObjectKind::Rect, QRectF(0, 0, 100, 6)),
                   Object(TObjectKind::Line, QRectF(20, 0, 0, 6)),
                   Object(TObjectKind::Line, QRectF(0, 6, 100, 0))};
    row.Objects[0].WordWrap = false;
    row.Objects[1].WordWrap = wrap;
    row.Objects[1].Frame = true;
    for (int i : {3, 4, 5})
        row.Objects[i].Stretch = true;
    TReportBand &footer = t.EnsureBand(TBandKind::PageFooter);
    footer.Height = 8;
    footer.Objects = {Object(TObjectKind::Text, QRectF(0, 2, 60, 5), QStringLiteral("第 [Page] 页"))};
    return t;
}

// What one row of NotedRows printed, found by its code.
struct TPrintedRow
{
    TPagePrimitive Code, Note, Qty, Frame, Bar, Rule;     // Bar: the line between code and note
    bool Found = false;
};

TPrintedRow PrintedRow(const TReportLayout &layout, const QString &code)
{
    TPrintedRow row;
    for (int i = 0; i < layout.PageCount() && !row.Found; ++i) {
        const QList<TPagePrimitive> &items = layout.Page(i).Items;
        for (int j = 0; j + 5 < items.size() && !row.Found; ++j) {
            if (items[j].Text != code)
                continue;
            // A row's objects stand together, the code first (they go from left to right).
            row.Found = true;
            const double left = items[j].Rect.left();
            for (const TPagePrimitive &p : items.mid(j, 6)) {
                using K = TPagePrimitive::Kind;
                if (p.Type == K::Text)
                    (p.Rect.left() == left ? row.Code
                                           : p.Rect.left() < left + 50 ? row.Note : row.Qty) = p;
                else if (p.Type == K::Rect)
                    row.Frame = p;
                else
                    (p.Rect.height() > 0 ? row.Bar : row.Rule) = p;
            }
        }
    }
    return row;
}

QString LongNote(int characters)
{
    QString note;
    while (note.size() < characters)
        note += QStringLiteral("供货商须随货附质检报告, 包装破损的整箱退回; ");
    return note.left(characters);
}
} // namespace

void TstReportEngine::templateXmlRoundTrip()
{
    const TReportTemplate t = EveryKind();
    QCOMPARE(t.Bands.first().Kind, TBandKind::ReportTitle);   // bands keep their order
    TReportTemplate back;
    QString error;
    QVERIFY2(back.FromXml(t.ToXml(), &error), qPrintable(error));
    QVERIFY(back == t);
}

void TstReportEngine::templateXmlRejectsForeignFile()
{
    TReportTemplate t = EveryKind();
    QString error;
    QVERIFY(!t.FromXml("<TfrxReport Version=\"6\"/>", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!t.FromXml("<report><band kind=\"Nope\"/></report>", &error));
    QVERIFY(error.contains(QStringLiteral("Nope")));
    QVERIFY(t == EveryKind());                  // a failed load changes nothing
}

void TstReportEngine::substitute_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "合计" << "" << "合计";
    QTest::newRow("field") << "[d0.WareName]" << "" << "不锈钢螺栓M8";
    QTest::newRow("money field") << "[d0.Fund]" << "" << "102.00";
    QTest::newRow("format") << "数量 [d0.Qty] 件" << "0.00" << "数量 120.00 件";
    QTest::newRow("field of d1 missing") << "[d1.Name]" << "" << "";
    QTest::newRow("sum") << "[SUM(d0.Fund)]" << "" << "1,876.80";
    QTest::newRow("count") << "[COUNT(d0)] 行" << "" << "3 行";
    QTest::newRow("capitals") << "[AmountInWords(SUM(d0.Fund))]" << ""
                              << AmountInWords(1876.8);
    QTest::newRow("total from variable") << "[AmountInWords(Total)]" << "" << AmountInWords(1876.8);
    QTest::newRow("variable") << "单号: [Code]" << "" << "单号: AR26120007";
    QTest::newRow("unknown variable yields nothing") << "[Nope]" << "" << "";
    QTest::newRow("u field") << "[u.Supplier]" << "" << "华东五金有限公司";
    QTest::newRow("unknown u field yields its name") << "[u.Nope]" << "" << "Nope";
    QTest::newRow("empty variable is a blank") << "<[Empty]>" << "" << "< >";
    QTest::newRow("two expressions") << "[Page]/[Code]" << "" << "1/AR26120007";
}

void TstReportEngine::substitute()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    auto lines = BillLines();
    TRep rep;
    AddBillVariables(rep);
    rep.AddVar(QStringLiteral("Empty"), QString());
    rep.AddVar(QString(), QStringLiteral("ignored"));
    rep.AddDataSet(QStringLiteral("d0"), lines.get());
    QCOMPARE(rep.VarNames().size(), 8);
    QCOMPARE(rep.Context().Substitute(text, format), expected);
}

void TstReportEngine::paginationRepeatsColumnHeader()
{
    auto list = GoodsList(200);
    TRep rep;
    rep.AddDataSet(QStringLiteral("d0"), list.get());
    rep.Report() = StandardListTemplate(QStringLiteral("货品列表"), false);
    auto layout = rep.CreateLayout();
    layout->LayoutAll();
    QVERIFY(layout->Finished());
    QVERIFY(layout->PageCount() >= 4);
    QCOMPARE(layout->TableRows().size(), 200);
    QCOMPARE(layout->TableHeader(), QStringList({"编号", "名称", "单位", "数量", "金额"}));
    QCOMPARE(layout->TableRows().last().at(0), QStringLiteral("G00200"));
    int footers = 0;
    for (int i = 0; i < layout->PageCount(); ++i) {
        const TReportPage &page = layout->Page(i);
        bool header = false;
        QString pageNumber;
        for (const TPagePrimitive &p : page.Items) {
            header = header || p.Text == u"名称";
            footers += p.Text == u"合计";
            if (p.Text.startsWith(QStringLiteral("第 ")))
                pageNumber = TReportContext::ReplacePages(p.Text, layout->PageCount());
            QVERIFY2(p.Rect.bottom() <= page.Size.height() - 12 + 0.01, qPrintable(p.Text));
        }
        QVERIFY2(header, qPrintable(QStringLiteral("page %1").arg(i + 1)));
        QCOMPARE(pageNumber, QStringLiteral("第 %1 页 / 共 %2 页").arg(i + 1)
                                 .arg(layout->PageCount()));
    }
    QCOMPARE(footers, 1);
}

void TstReportEngine::firstPageBeforeTheRest()
{
    auto list = GoodsList(5000);
    TRep rep;
    rep.AddDataSet(QStringLiteral("d0"), list.get());
    rep.Report() = StandardListTemplate(QStringLiteral("货品列表"), false);
    auto layout = rep.CreateLayout();
    QVERIFY(layout->LayoutNextPage());
    QCOMPARE(layout->PageCount(), 1);
    QVERIFY(!layout->Finished());
    QVERIFY(layout->TableRows().size() < 100);
    QCOMPARE(list->RecNo(), 1);                 // the data set itself does not move
}

void TstReportEngine::bandTallerThanPageStillPlaced()
{
    auto list = GoodsList(3);
    TRep rep;
    rep.AddDataSet(QStringLiteral("d0"), list.get());
    TReportTemplate &t = rep.Report();
    TReportBand &data = t.EnsureBand(TBandKind::MasterData);
    data.Height = 400;
    TReportObject o;
    o.Text = QStringLiteral("[d0.Code]");
    o.Rect = QRectF(0, 0, 30, 6);
    data.Objects.append(o);
    auto layout = rep.CreateLayout();
    layout->LayoutAll();
    QCOMPARE(layout->PageCount(), 3);
    QCOMPARE(layout->TableRows().size(), 3);
}

void TstReportEngine::stretchedRow_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<double>("atLeast");        // the row's height, millimetres
    QTest::newRow("short note: designed height") << "按时交货" << true << 6.0;
    QTest::newRow("long note grows the row") << LongNote(120) << true << 20.0;
    QTest::newRow("line breaks of the note") << "一\n二\n三" << true << 10.0;
    QTest::newRow("note that does not wrap is cut") << LongNote(120) << false << 6.0;
}

void TstReportEngine::stretchedRow()
{
    QFETCH(QString, note);
    QFETCH(bool, wrap);
    QFETCH(double, atLeast);
    auto lines = NotedLines({note, QStringLiteral("下一行")});
    TRep rep;
    rep.AddDataSet(QStringLiteral("d0"), lines.get());
    rep.Report() = NotedRows(wrap);
    auto layout = rep.CreateLayout();
    layout->LayoutAll();
    const TPrintedRow row = PrintedRow(*layout, QStringLiteral("R1"));
    const TPrintedRow next = PrintedRow(*layout, QStringLiteral("R2"));
    QVERIFY(row.Found && next.Found);
    const double top = row.Code.Rect.top();
    const double height = next.Code.Rect.top() - top;
    QVERIFY2(height >= atLeast, qPrintable(QString::number(height)));
    if (atLeast == 6.0)
        QCOMPARE(height, 6.0);
    QCOMPARE(row.Note.Text, note);              // the whole note, grown into its own frame
    QCOMPARE(row.Note.Rect.height(), height);
    QCOMPARE(row.Frame.Rect.height(), height);  // the row's frame follows
    QCOMPARE(row.Bar.Rect.bottom(), top + height);
    QCOMPARE(row.Rule.Rect.top(), top + height); // the rule under the row moves down
    QCOMPARE(row.Rule.Rect.height(), 0.0);
    QCOMPARE(row.Code.Rect.height(), 6.0);      // objects not marked to stretch keep theirs
    QCOMPARE(row.Qty.Rect.height(), 6.0);
}

void TstReportEngine::stretchedRowsBreakBeforeBottomMargin()
{
    QStringList notes;
    for (int i = 0; i < 30; ++i)
        notes << (i % 3 == 0 ? QStringLiteral("短") : LongNote(80 + i * 7));
    notes << LongNote(3000);                    // taller than a page: cut at the margin
    auto lines = NotedLines(notes);
    TRep rep;
    rep.AddDataSet(QStringLiteral("d0"), lines.get());
    rep.Report() = NotedRows(true);
    const TPageSettings &page = rep.Report().Page;
    const double limit = page.PageHeight() - page.BottomMargin - 8;
    auto layout = rep.CreateLayout();
    layout->LayoutAll();
    QCOMPARE(layout->TableRows().size(), notes.size());
    QVERIFY(layout->PageCount() >= 4);          // at the designed 6 mm all fit on one page
    double tallest = 0;
    for (int i = 0; i < layout->PageCount(); ++i) {
        double bottom = 0;
        for (const TPagePrimitive &p : layout->Page(i).Items) {
            if (p.Text.startsWith(QStringLiteral("第 ")))
                continue;                       // the page footer below the limit
            QVERIFY2(p.Rect.bottom() <= limit + 0.001,
                     qPrintable(QStringLiteral("page %1: %2").arg(i + 1).arg(p.Rect.bottom())));
            bottom = std::max(bottom, p.Rect.bottom());
        }
        if (i + 1 >= layout->PageCount())
            break;
        // The page breaks only when the next row, grown, no longer fits.
        const TPagePrimitive &first = layout->Page(i + 1).Items.first();
        const double nextRow = PrintedRow(*layout, first.Text).Frame.Rect.height();
        tallest = std::max(tallest, nextRow);
        QVERIFY2(bottom + nextRow > limit,
                 qPrintable(QStringLiteral("page %1 ends at %2").arg(i + 1).arg(bottom)));
    }
    QVERIFY(tallest > 20);
    for (int i : {0, layout->PageCount() - 1})
        PageImage(layout->Page(i), layout->PageCount(), 110)
            .save(QStringLiteral("/tmp/reports-stretched-%1.png").arg(i + 1));
    const TPrintedRow huge = PrintedRow(*layout, QStringLiteral("R31"));
    QCOMPARE(huge.Frame.Rect.bottom(), limit);
    QCOMPARE(huge.Rule.Rect.top(), limit);
    QCOMPARE(huge.Note.Align & Qt::AlignVertical_Mask, int(Qt::AlignTop));   // its beginning
}

void TstReportEngine::billPdfIsSearchable()
{
    QTemporaryDir dir;
    auto lines = BillLines();
    TRep rep;
    rep.AddVar(QStringLiteral("u_Company"), QStringLiteral("东方机械制造有限公司"));
    AddBillVariables(rep);
    rep.AddDataSets({lines.get()});
    rep.Report() = StandardTemplate(1001);
    auto layout = rep.CreateLayout();
    const QString pdf = dir.filePath(QStringLiteral("bill.pdf"));
    QString error;
    QVERIFY2(ExportPdf(*layout, pdf, &error), qPrintable(error));
    const QString text = PdfText(pdf);
    for (const QString &s : {QStringLiteral("东方机械制造有限公司"), QStringLiteral("采购收货单"),
                             QStringLiteral("单号"), QStringLiteral("AR26120007"),
                             QStringLiteral("供货商"), QStringLiteral("华东五金有限公司"),
                             QStringLiteral("货品名称"), QStringLiteral("数量"),
                             QStringLiteral("金额"), QStringLiteral("不锈钢螺栓M8"),
                             QStringLiteral("镀锌角钢50x5"), QStringLiteral("1,746.00"),
                             QStringLiteral("48.5"), QStringLiteral("合计"),
                             QStringLiteral("1,876.80"), AmountInWords(1876.8),
                             QStringLiteral("制单: 王芳"), QStringLiteral("第 1 页 / 共 1 页")})
        QVERIFY2(text.contains(s), qPrintable(s + QStringLiteral(" not in:\n") + text));
    QVERIFY(!text.contains(u"dlId"));           // hidden columns stay hidden
    if (qEnvironmentVariableIsSet("OPENBUY_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("OPENBUY_KEEP_PDF"));
}

void TstReportEngine::exports()
{
    QTemporaryDir dir;
    auto list = GoodsList(120);
    TRep rep;
    rep.AddDataSet(QStringLiteral("d0"), list.get());
    rep.Report() = StandardListTemplate(QStringLiteral("货品列表"), false);
    auto layout = rep.CreateLayout();
    QStringList images;
    QString error;
    QVERIFY2(ExportImages(*layout, dir.filePath(QStringLiteral("p.png")), "PNG", 60, &images,
                          &error), qPrintable(error));
    QCOMPARE(images.size(), layout->PageCount());
    QVERIFY(images.first().endsWith(QStringLiteral("p_1.png")));
    QImage first(images.first());
    QCOMPARE(first.width(), int(std::ceil(210 * 60 / 25.4)));
    const QString xlsx = dir.filePath(QStringLiteral("list.xlsx"));
    QVERIFY2(ExportXlsx(*layout, xlsx, &error), qPrintable(error));
    QFile x(xlsx);
    QVERIFY(x.open(QIODevice::ReadOnly));
    QVERIFY(x.read(2) == "PK");
    const QString rtf = dir.filePath(QStringLiteral("list.rtf"));
    QVERIFY2(ExportRtf(*layout, rtf, &error), qPrintable(error));
    QFile r(rtf);
    QVERIFY(r.open(QIODevice::ReadOnly));
    const QByteArray bytes = r.readAll();
    QVERIFY(bytes.startsWith("{\\rtf1"));
    QVERIFY(bytes.contains("G00120"));
    QCOMPARE(bytes.count("\\page\n"), layout->PageCount() - 1);
    QVERIFY(!ExportXlsx(*layout, dir.filePath(QStringLiteral("no/such/dir/x.xlsx")), &error));
}

void TstReportEngine::barcodes()
{
    QString error;
    const QImage code128 = BarcodeImage(QStringLiteral("Code128"), QStringLiteral("AR26120007"));
    QVERIFY(!code128.isNull());
    QVERIFY(code128.width() > code128.height());
    const QImage qr = BarcodeImage(QStringLiteral("QR"), QStringLiteral("采购收货单 AR26120007"));
    QVERIFY(!qr.isNull());
    QCOMPARE(qr.width(), qr.height());
    QVERIFY(BarcodeImage(QStringLiteral("EAN13"), QStringLiteral("ABC"), &error).isNull());
    QVERIFY(!error.isEmpty());
}

void TstReportEngine::csvDataSet()
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("d.csv")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBFWareName,Qty,Fund,Note\r\n\"螺栓, M8\",12,10.5,\"说\"\"明\"\r\n螺母,3,,\r\n");
    f.close();
    auto d = LoadCsvDataSet(f.fileName());
    QCOMPARE(d->RecordCount(), 2);
    QCOMPARE(d->FieldCount(), 4);
    QCOMPARE(d->Field(0)->AsString(), QStringLiteral("螺栓, M8"));
    QVERIFY(d->Field(1)->IsNumeric());
    QVERIFY(d->Field(2)->IsNumeric());
    QVERIFY(!d->Field(3)->IsNumeric());
    QCOMPARE(d->Field(3)->AsString(), QStringLiteral("说\"明"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, LoadCsvDataSet(dir.filePath(QStringLiteral("none"))));
}
