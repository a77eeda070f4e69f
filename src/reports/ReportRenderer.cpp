#include "reports/ReportRenderer.h"

#include "reports/ReportData.h"
#include "reports/ReportLayout.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>

namespace {
QRectF ToDevice(const QRectF &mm, double k)
{
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
}

constexpr double TextPad = 0.8;         // millimetres left and right of a text
constexpr double MmPerPoint = 25.4 / 72;

QFont TextFont(const TPagePrimitive &p)
{
    QFont font(ReportFontFamily(p.FontFamily));
    font.setPointSizeF(p.FontSize);
    font.setBold(p.Bold);
    return font;
}

int TextFlags(const TPagePrimitive &p)
{
    int flags = p.Align ? p.Align : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (p.WordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

constexpr double LineStretch = 1.2;     // line height of a wrapped text, in font heights

// Breaks a text into lines of the width (device pixels) and sets them one below the other,
// `lineHeight` apart: Qt's line breaking, which breaks between Chinese characters too, and
// inside a word longer than the width. The number of lines.
int BreakLines(QTextLayout &layout, int flags, double width, double lineHeight)
{
    QTextOption option(Qt::Alignment(flags) & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    int count = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, count++ * lineHeight + (lineHeight - line.height()) / 2));
    }
    layout.endLayout();
    return count;
}

QString LayoutText(QString text)
{
    return text.replace(u'\n', QChar::LineSeparator);
}

// Draws a text that wraps onto several lines, with some air between the lines; false for
// a text of one line, which is drawn as any other.
bool PaintLines(QPainter &painter, const QRectF &inner, int flags, const QString &text)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    if (!text.contains(u'\n') && text.size() * metrics.maxWidth() <= inner.width())
        return false;
    QTextLayout layout(LayoutText(text), painter.font(), painter.device());
    const double lineHeight = metrics.height() * LineStretch;
    const int lines = BreakLines(layout, flags, inner.width(), lineHeight);
    if (lines < 2)
        return false;
    const double block = lines * lineHeight;
    double top = inner.top();
    if (flags & Qt::AlignVCenter)
        top += (inner.height() - block) / 2;
    else if (flags & Qt::AlignBottom)
        top += inner.height() - block;
    layout.draw(&painter, QPointF(inner.left(), top));
    return true;
}

void PaintText(QPainter &painter, const TPagePrimitive &p, const QRectF &r, int pages,
               double k)
{
    if (p.Frame) {
        painter.setPen(QPen(Qt::black, std::max(1.0, p.LineWidth * k)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
    }
    if (p.Text.isEmpty())
        return;
    painter.setFont(TextFont(p));
    painter.setPen(Qt::black);
    const double pad = TextPad * k;
    const QRectF inner = r.adjusted(pad, 0, -pad, 0);
    const int flags = TextFlags(p);
    const QString text = TReportContext::ReplacePages(p.Text, pages);
    // Text is cut at the object's edges, as the object says.
    painter.save();
    painter.setClipRect(r);
    if (!p.WordWrap || !PaintLines(painter, inner, flags, text))
        painter.drawText(inner, flags, text);
    painter.restore();
}

QString OutputFile(const QString &fileName, int page, int pages)
{
    if (pages == 1)
        return fileName;
    const QFileInfo info(fileName);
    return info.path() + u'/' + info.completeBaseName() + QStringLiteral("_%1.").arg(page)
         + info.suffix();
}

QString RtfText(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'{' || c == u'}')
            out += u'\\' + QString(c);
        else if (c.unicode() < 128)
            out += c;
        else
            out += QStringLiteral("\\u%1?").arg(qint16(c.unicode()));
    }
    return out;
}
} // namespace

void PaintPage(QPainter &painter, const TReportPage &page, int pages, double dpi)
{
    const double k = dpi / 25.4;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const TPagePrimitive &p : page.Items) {
        const QRectF r = ToDevice(p.Rect, k);
        switch (p.Type) {
        case TPagePrimitive::Kind::Text:
            PaintText(painter, p, r, pages, k);
            break;
        case TPagePrimitive::Kind::Line:
            painter.setPen(QPen(Qt::black, std::max(1.0, p.LineWidth * k)));
            // A line runs along the longer side of its rectangle.
            if (r.width() >= r.height())
                painter.drawLine(QPointF(r.left(), r.top()), QPointF(r.right(), r.top()));
            else
                painter.drawLine(QPointF(r.left(), r.top()), QPointF(r.left(), r.bottom()));
            break;
        case TPagePrimitive::Kind::Rect:
            painter.setPen(QPen(Qt::black, std::max(1.0, p.LineWidth * k)));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
            break;
        case TPagePrimitive::Kind::Image:
            if (!p.Image.isNull()) {
                QSizeF size = QSizeF(p.Image.size()).scaled(r.size(), Qt::KeepAspectRatio);
                const QRectF target(r.topLeft(), size);
                painter.drawImage(target, p.Image);
            }
            break;
        }
    }
}

double WrappedTextHeight(const TPagePrimitive &text)
{
    // Measured at the resolution of the PDF files, on a width a little narrower than the
    // one painted, so that no renderer's rounding needs a line more than was measured.
    constexpr double Dpi = 600;
    constexpr double k = Dpi / 25.4;
    constexpr double Spare = 0.3;           // millimetres of width
    constexpr double Leading = 0.5;         // millimetres above and below the lines
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(std::lround(Dpi / 0.0254)));
        image.setDotsPerMeterY(int(std::lround(Dpi / 0.0254)));
        return image;
    }();
    // Every row of a report asks again for the same few fonts. Kept to the end of the
    // process: fonts must not be released after the application has gone.
    static auto *metricsByFont = new QHash<QString, QFontMetricsF>;
    if (text.Text.isEmpty())
        return 0;
    const bool breaks = text.Text.contains(u'\n');
    const double room = text.Rect.width() - 2 * TextPad - Spare;      // millimetres
    // Short enough for one line in any face: no font is loaded for it.
    if (!breaks && text.Text.size() * text.FontSize * MmPerPoint * 1.2 <= room)
        return 0;
    const QString key = QStringLiteral("%1|%2|%3").arg(text.FontFamily).arg(text.FontSize)
                                                   .arg(text.Bold);
    auto it = metricsByFont->find(key);
    if (it == metricsByFont->end())
        it = metricsByFont->insert(key, QFontMetricsF(TextFont(text), &device));
    const QFontMetricsF &metrics = *it;
    const double width = std::max(1.0, room * k);
    if (!breaks && text.Text.size() * metrics.maxWidth() <= width)
        return 0;
    QTextLayout layout(LayoutText(TReportContext::ReplacePages(text.Text, 999)),
                       TextFont(text), &device);
    const double lineHeight = metrics.height() * LineStretch;
    const int lines = BreakLines(layout, TextFlags(text), width, lineHeight);
    return lines > 1 ? lines * lineHeight / k + 2 * Leading : 0;
}

QImage PageImage(const TReportPage &page, int pages, double dpi)
{
    const double k = dpi / 25.4;
    QImage image(int(std::ceil(page.Size.width() * k)), int(std::ceil(page.Size.height() * k)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, page, pages, dpi);
    return image;
}

bool ExportPdf(TReportLayout &layout, const QString &fileName, QString *error)
{
    layout.LayoutAll();
    QPdfWriter writer(fileName);
    constexpr int Dpi = 600;
    writer.setResolution(Dpi);
    writer.setCreator(QStringLiteral("OpenBuy"));
    const auto pageSize = [](const TReportPage &page) {
        return QPageSize(page.Size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    };
    if (layout.PageCount() > 0)
        writer.setPageSize(pageSize(layout.Page(0)));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("无法写入文件 %1").arg(fileName);
        return false;
    }
    for (int i = 0; i < layout.PageCount(); ++i) {
        if (i > 0) {
            writer.setPageSize(pageSize(layout.Page(i)));
            writer.newPage();
        }
        PaintPage(painter, layout.Page(i), layout.PageCount(), Dpi);
    }
    painter.end();
    return true;
}

bool ExportImages(TReportLayout &layout, const QString &fileName, const char *format,
                  double dpi, QStringList *written, QString *error)
{
    layout.LayoutAll();
    for (int i = 0; i < layout.PageCount(); ++i) {
        const QString file = OutputFile(fileName, i + 1, layout.PageCount());
        if (!PageImage(layout.Page(i), layout.PageCount(), dpi).save(file, format, 90)) {
            if (error)
                *error = QStringLiteral("无法写入文件 %1").arg(file);
            return false;
        }
        if (written)
            written->append(file);
    }
    return true;
}

bool ExportXlsx(TReportLayout &layout, const QString &fileName, QString *error)
{
    layout.LayoutAll();
    const QByteArray path = QFile::encodeName(fileName);
    lxw_workbook *book = workbook_new(path.constData());
    if (!book) {
        if (error)
            *error = QStringLiteral("无法写入文件 %1").arg(fileName);
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    int row = 0;
    const auto put = [&](const QStringList &cells, lxw_format *format) {
        for (int c = 0; c < cells.size(); ++c) {
            const QString text = cells[c].trimmed();
            bool ok = false;
            const double v = QString(text).remove(u',').toDouble(&ok);
            if (ok && !text.isEmpty())
                worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(c), v, format);
            else
                worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(c),
                                       text.toUtf8().constData(), format);
        }
        ++row;
    };
    if (!layout.TableHeader().isEmpty())
        put(layout.TableHeader(), bold);
    for (const QStringList &cells : layout.TableRows())
        put(cells, nullptr);
    const lxw_error rc = workbook_close(book);
    if (rc != LXW_NO_ERROR) {
        if (error)
            *error = QStringLiteral("无法写入文件 %1: %2")
                         .arg(fileName, QString::fromUtf8(lxw_strerror(rc)));
        return false;
    }
    return true;
}

bool ExportRtf(TReportLayout &layout, const QString &fileName, QString *error)
{
    layout.LayoutAll();
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0 ")
                + RtfText(ReportFontFamily()) + QStringLiteral(";}}\\fs20\n");
    for (int i = 0; i < layout.PageCount(); ++i) {
        QList<const TPagePrimitive *> texts;
        for (const TPagePrimitive &p : layout.Page(i).Items)
            if (p.Type == TPagePrimitive::Kind::Text && !p.Text.isEmpty())
                texts.append(&p);
        std::stable_sort(texts.begin(), texts.end(), [](auto a, auto b) {
            return std::abs(a->Rect.top() - b->Rect.top()) > 1 ? a->Rect.top() < b->Rect.top()
                                                               : a->Rect.left() < b->Rect.left();
        });
        double lineTop = -100;
        for (const TPagePrimitive *p : texts) {
            if (std::abs(p->Rect.top() - lineTop) > 1) {
                if (lineTop >= 0)
                    rtf += QStringLiteral("\\par\n");
                lineTop = p->Rect.top();
            } else {
                rtf += QStringLiteral("\\tab ");
            }
            rtf += RtfText(TReportContext::ReplacePages(p->Text, layout.PageCount()));
        }
        rtf += QStringLiteral("\\par\n");
        if (i + 1 < layout.PageCount())
            rtf += QStringLiteral("\\page\n");
    }
    rtf += u'}';
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf.toLatin1()) < 0) {
        if (error)
            *error = QStringLiteral("无法写入文件 %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
