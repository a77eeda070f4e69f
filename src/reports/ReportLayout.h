#pragma once

#include "reports/ReportTemplate.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class TReportContext;

// What a laid-out page is made of, in millimetres from the page's top left corner. The
// renderers (screen, printer, PDF, images, spreadsheet, RTF) only see these.
struct TPagePrimitive
{
    enum class Kind { Text, Line, Rect, Image };
    Kind Type = Kind::Text;
    QRectF Rect;
    QString Text;               // may hold the page count mark
    QString FontFamily;
    double FontSize = 9;
    bool Bold = false;
    int Align = 0;
    bool WordWrap = true;
    bool Frame = false;
    double LineWidth = 0.2;
    QImage Image;
};

struct TReportPage
{
    QSizeF Size;
    QList<TPagePrimitive> Items;
};

// Turns the placeholders of a standard layout into ordinary objects for the data sets and
// variables at hand: the visible columns of a data set, the header fields, the sums.
void ExpandAutoObjects(TReportTemplate &report, const TReportContext &context);

// Lays a template out over the context's data, one page at a time, so that the first page
// can be shown before the rest is done.
class TReportLayout
{
public:
    TReportLayout(const TReportTemplate &report, TReportContext &context);

    bool Finished() const { return m_phase == Phase::Done; }
    int PageCount() const { return int(m_pages.size()); }
    const TReportPage &Page(int index) const { return m_pages[index]; }
    // Lays out the next page; false when the report was already complete.
    bool LayoutNextPage();
    void LayoutAll();
    const TReportTemplate &Template() const { return m_report; }

    // The master band as a table: column header texts and one row of texts per data row,
    // each ordered from left to right (for the spreadsheet export).
    const QStringList &TableHeader() const { return m_tableHeader; }
    const QList<QStringList> &TableRows() const { return m_tableRows; }

private:
    enum class Phase { Start, Rows, Footer, Summary, Done };
    // A band as it prints for the current row: its primitives (one per object, at the
    // band's top = 0) and its height once wrapped texts have grown it.
    struct TBandPrint
    {
        double Height = 0;
        QList<TPagePrimitive> Items;
    };
    void StartPage();
    void FinishPage();
    TBandPrint Prepare(const TReportBand &band) const;
    bool Fits(double height) const;
    void Place(const TReportBand &band);
    void Place(const TReportBand &band, TBandPrint print, QStringList *cells = nullptr);
    TPagePrimitive Primitive(const TReportObject &o, double top) const;
    double Limit() const;

    TReportTemplate m_report;
    TReportContext &m_context;
    QList<TReportPage> m_pages;
    Phase m_phase = Phase::Start;
    double m_y = 0;
    bool m_pageOpen = false;
    bool m_bandsOnPage = false;
    const TReportBand *m_master = nullptr;
    class TReportDataSource *m_source = nullptr;
    QStringList m_tableHeader;
    QList<QStringList> m_tableRows;
    std::vector<int> m_dataOrder;   // object indexes of the master band, left to right
};

// The report font: the template's family when installed, else a TrueType CJK face whose
// text stays searchable in PDF files.
QString ReportFontFamily(const QString &wanted = QString());
