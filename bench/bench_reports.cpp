// Report engine benchmark: a 5,000-row list on the standard list layout rendered to PDF,
// in pages per second and peak memory, set against drawing the same cell texts straight
// onto a QPdfWriter with QPainter (no template, no layout) in the same run.
//   bench_reports [rows]
#include "data/DataSet.h"
#include "reports/Rep.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRenderer.h"
#include "reports/StandardTemplates.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <sys/resource.h>

namespace {
std::unique_ptr<TDataSet> Goods(int rows)
{
    auto d = std::make_unique<TDataSet>();
    d->AddField<TStringField>(QStringLiteral("Code"), true, QStringLiteral("编号"));
    d->AddField<TWideStringField>(QStringLiteral("Name"), true, QStringLiteral("名称"));
    d->AddField<TWideStringField>(QStringLiteral("Model"), true, QStringLiteral("规格"));
    d->AddField<TWideStringField>(QStringLiteral("Unit"), true, QStringLiteral("单位"));
    d->AddField<TFloatField>(QStringLiteral("Qty"), true, QStringLiteral("数量"));
    d->AddField<TFloatField>(QStringLiteral("Price"), true, QStringLiteral("单价"));
    d->AddField<TCurrencyField>(QStringLiteral("Fund"), true, QStringLiteral("金额"));
    d->Open();
    d->BeginLoad(rows);
    for (int i = 0; i < rows; ++i) {
        QVariant *row = d->AppendLoadRow();
        row[0] = QStringLiteral("G%1").arg(i + 1, 6, 10, QLatin1Char('0'));
        row[1] = QStringLiteral("不锈钢内六角螺栓%1号").arg(i % 97);
        row[2] = QStringLiteral("M%1x%2").arg(i % 12 + 4).arg(i % 40 + 10);
        row[3] = QStringLiteral("个");
        row[4] = double(i % 300 + 1);
        row[5] = 0.35 + (i % 50) * 0.1;
        row[6] = (i % 300 + 1) * (0.35 + (i % 50) * 0.1);
    }
    d->EndLoad();
    return d;
}

long PeakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The same texts drawn straight: 7 cells a row, 40 rows a page.
double Straight(TDataSet &d, const QString &file, int *pages)
{
    QElapsedTimer timer;
    timer.start();
    QPdfWriter writer(file);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p(&writer);
    QFont font(ReportFontFamily());
    font.setPointSizeF(9);
    p.setFont(font);
    const double k = 600 / 25.4;
    *pages = 1;
    for (int pos = 0; pos < d.RecordCount(); ++pos) {
        if (pos > 0 && pos % 40 == 0) {
            writer.newPage();
            ++*pages;
        }
        const double y = (30 + (pos % 40) * 6) * k;
        for (int c = 0; c < d.FieldCount(); ++c) {
            const QRectF r((15 + c * 25.7) * k, y, 25.7 * k, 6 * k);
            p.drawRect(r);
            p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, d.Field(c)->DisplayText(
                                                               d.StoredValue(d.RowIdAt(pos), c)));
        }
    }
    p.end();
    return double(timer.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rows = argc > 1 ? atoi(argv[1]) : 5000;
    auto data = Goods(rows);
    const long baseKb = PeakKb();
    TRep rep;
    rep.AddDataSet(QStringLiteral("d0"), data.get());
    rep.Report() = StandardListTemplate(QStringLiteral("货品列表"), false);
    const QString dir = QDir::tempPath();

    QElapsedTimer timer;
    timer.start();
    auto layout = rep.CreateLayout();
    layout->LayoutNextPage();
    const double firstPageMs = double(timer.nsecsElapsed()) / 1e6;
    layout->LayoutAll();
    const double layoutMs = double(timer.nsecsElapsed()) / 1e6;
    ExportPdf(*layout, dir + QStringLiteral("/bench_reports.pdf"));
    const double totalMs = double(timer.nsecsElapsed()) / 1e6;
    const long peakKb = PeakKb();
    const int pages = layout->PageCount();

    int straightPages = 0;
    const double straightMs = Straight(*data, dir + QStringLiteral("/bench_straight.pdf"),
                                       &straightPages);
    std::printf("rows %d, pages %d\n", rows, pages);
    std::printf("first page laid out   %8.1f ms\n", firstPageMs);
    std::printf("layout of all pages   %8.1f ms\n", layoutMs);
    std::printf("layout + PDF          %8.1f ms  %6.1f pages/s\n", totalMs,
                pages / (totalMs / 1000));
    std::printf("straight QPainter PDF %8.1f ms  %6.1f pages/s (%d pages)\n", straightMs,
                straightPages / (straightMs / 1000), straightPages);
    std::printf("ratio per page        %8.2f\n",
                (totalMs / pages) / (straightMs / straightPages));
    std::printf("peak memory           %8ld KB (data set loaded: %ld KB)\n", peakKb, baseKb);
    return 0;
}
