#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QPainter;
class TReportLayout;
struct TPagePrimitive;
struct TReportPage;

// The renderers of laid-out pages. A painter draws in the device's pixels at the given
// resolution (dots per inch); fonts are sized in points by the device's own resolution.
void PaintPage(QPainter &painter, const TReportPage &page, int pages, double dpi);
QImage PageImage(const TReportPage &page, int pages, double dpi);
// The height in millimetres that a wrapping text primitive needs to show all its lines at
// its width, as PaintPage draws it; 0 when the text takes one line.
double WrappedTextHeight(const TPagePrimitive &text);

// Exports lay out the rest of the report first. False with the reason on failure.
// PDF: text stays text, in a TrueType CJK face that is embedded.
bool ExportPdf(TReportLayout &layout, const QString &fileName, QString *error = nullptr);
// One picture per page: "name.png" gives "name_1.png", "name_2.png", …; format PNG or JPEG.
bool ExportImages(TReportLayout &layout, const QString &fileName, const char *format,
                  double dpi, QStringList *written = nullptr, QString *error = nullptr);
// The master band as a sheet: the column captions, then one row per data row.
bool ExportXlsx(TReportLayout &layout, const QString &fileName, QString *error = nullptr);
// The text of every page, line by line, pages separated by page breaks.
bool ExportRtf(TReportLayout &layout, const QString &fileName, QString *error = nullptr);
