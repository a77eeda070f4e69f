#include "reports/ReportLayout.h"

#include "reports/Barcode.h"
#include "reports/ReportData.h"
#include "reports/ReportRenderer.h"

#include <QFontDatabase>
#include <QHash>

#include <algorithm>
#include <numeric>

namespace {
constexpr int AlignLeftV = 0x0001 | 0x0080;
constexpr int AlignRightV = 0x0002 | 0x0080;
constexpr int AlignCenter = 0x0004 | 0x0080;

struct TColumnSpan
{
    TReportField Field;
    double X = 0;
    double W = 0;
};

// "d0" names a data set; "d0:Code/14,Qty,Fund" also the columns to print, in that order,
// each with its width in characters where the field's own would not suit the paper.
QString AutoSetName(const QString &text)
{
    return text.section(u':', 0, 0).trimmed();
}

// The fields an auto object prints: the listed ones; without a list, or for a data set
// that lacks one of them (the list was made for another), every visible field.
QList<TReportField> AutoFieldsOf(const TReportDataSource &source, const QString &text)
{
    const QList<TReportField> all = source.Fields();
    const QStringList items = text.section(u':', 1).split(u',', Qt::SkipEmptyParts);
    QList<TReportField> fields;
    for (const QString &item : items) {
        const QString name = item.section(u'/', 0, 0).trimmed();
        const int width = item.section(u'/', 1).toInt();
        for (TReportField f : all)
            if (f.Name.compare(name, Qt::CaseInsensitive) == 0) {
                f.Width = width > 0 ? width : f.Width;
                fields.append(f);
                break;
            }
    }
    if (!items.isEmpty() && fields.size() == items.size())
        return fields;
    fields.clear();
    for (const TReportField &f : all)
        if (f.Visible)
            fields.append(f);
    return fields;
}

// The columns of a data set spread over a width, in proportion to their widths.
QList<TColumnSpan> ColumnSpans(const TReportDataSource &source, const QString &text, double x,
                               double width)
{
    QList<TColumnSpan> spans;
    double total = 0;
    for (const TReportField &f : AutoFieldsOf(source, text)) {
        TColumnSpan s;
        s.Field = f;
        s.W = std::clamp(double(std::max(f.Width, int(f.Label.size() * 2))), 4.0, 40.0);
        total += s.W;
        spans.append(s);
    }
    for (TColumnSpan &s : spans) {
        s.W = s.W * width / std::max(total, 1.0);
        s.X = x;
        x += s.W;
    }
    return spans;
}

TReportObject Cell(const QRectF &rect, const QString &text, int align, double size)
{
    TReportObject o;
    o.Rect = rect;
    o.Text = text;
    o.Align = align;
    o.FontSize = size;
    o.Frame = true;
    o.WordWrap = false;
    return o;
}

void ExpandColumns(TReportTemplate &report, TReportBand &band, const TReportObject &auto_,
                   const TReportContext &context, QList<TReportObject> &out)
{
    const TReportDataSource *source = context.Source(AutoSetName(auto_.Text));
    if (!source)
        return;
    const double h = band.Height;
    QList<TReportObject> header;
    for (const TColumnSpan &s :
         ColumnSpans(*source, auto_.Text, auto_.Rect.x(), auto_.Rect.width())) {
        TReportObject head = Cell(QRectF(s.X, 0, s.W, 7), s.Field.Label, AlignCenter,
                                  auto_.FontSize);
        head.Bold = true;
        header.append(head);
        out.append(Cell(QRectF(s.X, 0, s.W, h),
                        QStringLiteral("[%1.%2]").arg(source->Name(), s.Field.Name),
                        s.Field.Numeric ? AlignRightV : AlignLeftV, auto_.FontSize));
    }
    TReportBand &columnHeader = report.EnsureBand(TBandKind::ColumnHeader);
    columnHeader.Height = std::max(columnHeader.Height, 7.0);
    columnHeader.Objects.append(header);
}

void ExpandSums(const TReportObject &auto_, const TReportContext &context,
                QList<TReportObject> &out, double height)
{
    const TReportDataSource *source = context.Source(AutoSetName(auto_.Text));
    if (!source)
        return;
    bool first = true;
    for (const TColumnSpan &s :
         ColumnSpans(*source, auto_.Text, auto_.Rect.x(), auto_.Rect.width())) {
        QString text;
        int align = AlignRightV;
        if (first) {
            text = QStringLiteral("合计");
            align = AlignCenter;
        } else if (s.Field.Money) {
            text = QStringLiteral("[SUM(%1.%2)]").arg(source->Name(), s.Field.Name);
        }
        TReportObject o = Cell(QRectF(s.X, 0, s.W, height), text, align, auto_.FontSize);
        o.Bold = first;
        if (!first && s.Field.Money)
            o.Format = QStringLiteral(",0.00");
        out.append(o);
        first = false;
    }
}

const QHash<QString, QString> &KnownCaptions()
{
    static const QHash<QString, QString> captions = {
        {QStringLiteral("Code"), QStringLiteral("单号")},
        {QStringLiteral("UserCode"), QStringLiteral("手工单号")},
        {QStringLiteral("BizDate"), QStringLiteral("日期")},
        {QStringLiteral("Dept"), QStringLiteral("部门")},
        {QStringLiteral("Type"), QStringLiteral("类型")},
        {QStringLiteral("Supplier"), QStringLiteral("供货商")},
        {QStringLiteral("SupplierLinkman"), QStringLiteral("联系人")},
        {QStringLiteral("SupplierTel"), QStringLiteral("电话")},
        {QStringLiteral("SupplierFax"), QStringLiteral("传真")},
        {QStringLiteral("SupplierAddr"), QStringLiteral("地址")},
        {QStringLiteral("SupplierBank"), QStringLiteral("开户银行")},
        {QStringLiteral("SupplierAccName"), QStringLiteral("户名")},
        {QStringLiteral("SupplierBankId"), QStringLiteral("银行账号")},
        {QStringLiteral("Buyman"), QStringLiteral("采购员")},
        {QStringLiteral("TotalFund"), QStringLiteral("合计金额")},
        {QStringLiteral("Note"), QStringLiteral("备注")},
    };
    return captions;
}

bool SignatureVariable(const QString &name)
{
    static const QStringList names = {QStringLiteral("Billman"), QStringLiteral("BillTime"),
                                      QStringLiteral("Checkman"), QStringLiteral("CheckTime"),
                                      QStringLiteral("TotalFund")};
    return names.contains(name) || name.startsWith(QLatin1String("u_"));
}

// Caption/expression pairs of the header fields: the variables, or a criteria record.
QList<QPair<QString, QString>> HeaderPairs(const QString &setName, const TReportContext &ctx)
{
    QList<QPair<QString, QString>> pairs;
    if (setName.compare(u"u", Qt::CaseInsensitive) == 0) {
        for (const QString &name : ctx.VariableNames())
            if (!SignatureVariable(name))
                pairs.append({KnownCaptions().value(name, name), QStringLiteral("[%1]").arg(name)});
        return pairs;
    }
    const TReportDataSource *source = ctx.Source(setName);
    if (!source)
        return pairs;
    for (const TReportField &f : source->Fields())
        if (f.Visible && !source->DisplayText(f.Name).isEmpty())
            pairs.append({f.Label, QStringLiteral("[%1.%2]").arg(source->Name(), f.Name)});
    return pairs;
}

void ExpandFields(TReportBand &band, const TReportObject &auto_, const TReportContext &ctx,
                  QList<TReportObject> &out)
{
    const auto pairs = HeaderPairs(auto_.Text, ctx);
    constexpr int PerRow = 3;
    constexpr double RowHeight = 6;
    const double colWidth = auto_.Rect.width() / PerRow;
    for (int i = 0; i < pairs.size(); ++i) {
        const double x = auto_.Rect.x() + (i % PerRow) * colWidth;
        const double y = auto_.Rect.y() + (i / PerRow) * RowHeight;
        TReportObject caption = Cell(QRectF(x, y, 20, RowHeight), pairs[i].first + u':',
                                     AlignLeftV, auto_.FontSize);
        caption.Frame = false;
        TReportObject value = Cell(QRectF(x + 20, y, colWidth - 21, RowHeight), pairs[i].second,
                                   AlignLeftV, auto_.FontSize);
        value.Frame = false;
        out.append(caption);
        out.append(value);
    }
    const int rows = (int(pairs.size()) + PerRow - 1) / PerRow;
    band.Height = std::max(band.Height, auto_.Rect.y() + rows * RowHeight + 1);
}
} // namespace

QString ReportFontFamily(const QString &wanted)
{
    static const QStringList installed = QFontDatabase::families();
    if (!wanted.isEmpty() && installed.contains(wanted))
        return wanted;
    for (const char *face : {"AR PL UMing CN", "WenQuanYi Micro Hei"})
        if (installed.contains(QLatin1String(face)))
            return QLatin1String(face);
    return wanted;
}

void ExpandAutoObjects(TReportTemplate &report, const TReportContext &context)
{
    // The column header band takes the captions of the columns; make it first so that no
    // band moves while the others expand.
    for (const TReportBand &band : std::as_const(report.Bands))
        for (const TReportObject &o : band.Objects)
            if (o.Kind == TObjectKind::AutoColumns) {
                report.EnsureBand(TBandKind::ColumnHeader);
                break;
            }
    for (int b = 0; b < report.Bands.size(); ++b) {
        const QList<TReportObject> objects = report.Bands[b].Objects;
        QList<TReportObject> out;
        for (const TReportObject &o : objects) {
            switch (o.Kind) {
            case TObjectKind::AutoColumns:
                ExpandColumns(report, report.Bands[b], o, context, out);
                break;
            case TObjectKind::AutoSums:
                ExpandSums(o, context, out, report.Bands[b].Height);
                break;
            case TObjectKind::AutoFields:
                ExpandFields(report.Bands[b], o, context, out);
                break;
            default:
                out.append(o);
            }
        }
        report.Bands[b].Objects = out;
    }
}

// ------------------------------------------------------------------------ TReportLayout

TReportLayout::TReportLayout(const TReportTemplate &report, TReportContext &context)
    : m_report(report), m_context(context)
{
    if (m_report.HasAutoObjects())
        ExpandAutoObjects(m_report, m_context);
    m_master = m_report.FindBand(TBandKind::MasterData);
    if (m_master) {
        m_source = m_context.Source(m_master->DataSetName());
        m_dataOrder.resize(m_master->Objects.size());
        std::iota(m_dataOrder.begin(), m_dataOrder.end(), 0);
        std::stable_sort(m_dataOrder.begin(), m_dataOrder.end(), [this](int a, int b) {
            return m_master->Objects[a].Rect.x() < m_master->Objects[b].Rect.x();
        });
        if (const TReportBand *header = m_report.FindBand(TBandKind::ColumnHeader)) {
            QList<TReportObject> sorted = header->Objects;
            std::stable_sort(sorted.begin(), sorted.end(),
                             [](const TReportObject &a, const TReportObject &b) {
                                 return a.Rect.x() < b.Rect.x();
                             });
            for (const TReportObject &o : sorted)
                if (o.Kind == TObjectKind::Text)
                    m_tableHeader.append(m_context.Substitute(o.Text, o.Format));
        }
    }
    m_context.Page = 1;
    m_context.Line = 0;
}

double TReportLayout::Limit() const
{
    const TReportBand *footer = m_report.FindBand(TBandKind::PageFooter);
    return m_report.Page.PageHeight() - m_report.Page.BottomMargin - (footer ? footer->Height : 0);
}

bool TReportLayout::Fits(double height) const
{
    // A band taller than a whole page still goes onto an empty page rather than nowhere.
    return m_y + height <= Limit() + 0.001 || !m_bandsOnPage;
}

TPagePrimitive TReportLayout::Primitive(const TReportObject &o, double top) const
{
    TPagePrimitive p;
    p.Rect = o.Rect.translated(m_report.Page.LeftMargin, top);
    p.FontFamily = o.FontFamily;
    p.FontSize = o.FontSize;
    p.Bold = o.Bold;
    p.Align = o.Align;
    p.WordWrap = o.WordWrap;
    p.Frame = o.Frame;
    p.LineWidth = o.LineWidth;
    switch (o.Kind) {
    case TObjectKind::Line:
        p.Type = TPagePrimitive::Kind::Line;
        break;
    case TObjectKind::Rect:
        p.Type = TPagePrimitive::Kind::Rect;
        break;
    case TObjectKind::Picture:
        p.Type = TPagePrimitive::Kind::Image;
        p.Image.loadFromData(o.Picture);
        break;
    case TObjectKind::Barcode:
        p.Type = TPagePrimitive::Kind::Image;
        p.Image = BarcodeImage(o.BarcodeType, m_context.Substitute(o.Text));
        break;
    default:
        p.Text = m_context.Substitute(o.Text, o.Format);
    }
    return p;
}

namespace {
// A stretching object follows its band's growth: its bottom keeps its distance to the
// band's bottom. A rule under a row has no height to grow; it moves down instead.
void Follow(TPagePrimitive &p, const TReportObject &o, double growth)
{
    if (o.Kind == TObjectKind::Line && o.Rect.width() >= o.Rect.height())
        p.Rect.translate(0, growth);
    else
        p.Rect.setBottom(std::max(p.Rect.bottom(), o.Rect.bottom() + growth));
}
} // namespace

TReportLayout::TBandPrint TReportLayout::Prepare(const TReportBand &band) const
{
    TBandPrint print;
    print.Height = band.Height;
    for (const TReportObject &o : band.Objects)
        print.Items.append(Primitive(o, 0));
    // The page footer keeps its place above the bottom margin; it does not grow.
    if (band.Kind == TBandKind::PageFooter)
        return print;
    for (int i = 0; i < band.Objects.size(); ++i) {
        const TReportObject &o = band.Objects[i];
        TPagePrimitive &p = print.Items[i];
        if (o.Kind != TObjectKind::Text || !o.WordWrap)
            continue;
        const double needed = WrappedTextHeight(p);
        if (needed > p.Rect.height()) {
            p.Rect.setHeight(needed);
            print.Height = std::max(print.Height, p.Rect.bottom());
        }
    }
    const double growth = print.Height - band.Height;
    if (growth > 0)
        for (int i = 0; i < band.Objects.size(); ++i)
            if (band.Objects[i].Stretch)
                Follow(print.Items[i], band.Objects[i], growth);
    return print;
}

void TReportLayout::Place(const TReportBand &band)
{
    Place(band, Prepare(band));
}

void TReportLayout::Place(const TReportBand &band, TBandPrint print, QStringList *cells)
{
    // A row grown taller than the rest of an empty page is cut at the bottom margin.
    const double room = Limit() - m_y;
    if (print.Height > band.Height && print.Height > room) {
        print.Height = std::max(band.Height, room);
        for (TPagePrimitive &p : print.Items) {
            // A text cut short shows its beginning.
            if (p.Type == TPagePrimitive::Kind::Text && p.Rect.bottom() > print.Height)
                p.Align = (p.Align & ~int(Qt::AlignVertical_Mask)) | Qt::AlignTop;
            p.Rect.setTop(std::min(p.Rect.top(), print.Height));
            p.Rect.setBottom(std::min(p.Rect.bottom(), print.Height));
        }
    }
    TReportPage &page = m_pages.last();
    const auto add = [&](int i) {
        page.Items.append(std::move(print.Items[i]));
        page.Items.last().Rect.translate(0, m_y);
    };
    if (cells) {
        for (int i : m_dataOrder) {
            add(i);
            if (band.Objects[i].Kind == TObjectKind::Text)
                cells->append(page.Items.last().Text);
        }
    } else {
        for (int i = 0; i < print.Items.size(); ++i)
            add(i);
    }
    m_y += print.Height;
}

void TReportLayout::StartPage()
{
    TReportPage page;
    page.Size = QSizeF(m_report.Page.PageWidth(), m_report.Page.PageHeight());
    m_pages.append(page);
    m_context.Page = int(m_pages.size());
    m_y = m_report.Page.TopMargin;
    m_pageOpen = true;
    m_bandsOnPage = false;
    if (m_pages.size() == 1)
        if (const TReportBand *title = m_report.FindBand(TBandKind::ReportTitle))
            Place(*title);
    if (const TReportBand *header = m_report.FindBand(TBandKind::PageHeader))
        Place(*header);
    if (m_master && m_phase <= Phase::Footer)
        if (const TReportBand *columns = m_report.FindBand(TBandKind::ColumnHeader))
            Place(*columns);
}

void TReportLayout::FinishPage()
{
    if (const TReportBand *footer = m_report.FindBand(TBandKind::PageFooter)) {
        m_y = m_report.Page.PageHeight() - m_report.Page.BottomMargin - footer->Height;
        Place(*footer);
    }
    m_pageOpen = false;
}

bool TReportLayout::LayoutNextPage()
{
    if (m_phase == Phase::Done)
        return false;
    if (m_phase == Phase::Start) {
        m_phase = Phase::Rows;
        if (m_source)
            m_source->First();
    }
    StartPage();
    if (m_phase == Phase::Rows) {
        while (m_master && m_source && !m_source->Eof()) {
            // The row's height is known once its texts are in: wrapped ones grow it.
            m_context.Line++;
            TBandPrint row = Prepare(*m_master);
            if (!Fits(row.Height)) {
                m_context.Line--;
                FinishPage();
                return true;
            }
            QStringList cells;
            Place(*m_master, std::move(row), &cells);
            m_tableRows.append(cells);
            m_bandsOnPage = true;
            m_source->Next();
        }
        m_phase = Phase::Footer;
    }
    if (m_phase == Phase::Footer) {
        const TReportBand *footer = m_master ? m_report.FindBand(TBandKind::MasterFooter) : nullptr;
        if (footer) {
            TBandPrint print = Prepare(*footer);
            if (!Fits(print.Height)) {
                FinishPage();
                return true;
            }
            Place(*footer, std::move(print));
        }
        m_bandsOnPage = true;
        m_phase = Phase::Summary;
    }
    if (const TReportBand *summary = m_report.FindBand(TBandKind::Summary)) {
        TBandPrint print = Prepare(*summary);
        if (!Fits(print.Height)) {
            FinishPage();
            return true;
        }
        Place(*summary, std::move(print));
    }
    FinishPage();
    m_phase = Phase::Done;
    return true;
}

void TReportLayout::LayoutAll()
{
    while (LayoutNextPage()) {
    }
}
