#include "reports/ReportTemplate.h"

#include <QLocale>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {
struct TKindName
{
    TBandKind Kind;
    const char *Name;
    const char *Caption;
};
constexpr TKindName BandNames[] = {
    {TBandKind::ReportTitle, "ReportTitle", "报表标题"},
    {TBandKind::PageHeader, "PageHeader", "页眉"},
    {TBandKind::ColumnHeader, "ColumnHeader", "列标题"},
    {TBandKind::MasterData, "MasterData", "主数据"},
    {TBandKind::MasterFooter, "MasterFooter", "数据合计"},
    {TBandKind::PageFooter, "PageFooter", "页脚"},
    {TBandKind::Summary, "Summary", "报表合计"},
};
constexpr const char *ObjectNames[] = {"Text", "Line", "Rect", "Picture", "Barcode",
                                       "AutoColumns", "AutoFields", "AutoSums"};

bool BandKindOf(QStringView name, TBandKind *kind)
{
    for (const TKindName &k : BandNames)
        if (name == QLatin1String(k.Name)) {
            *kind = k.Kind;
            return true;
        }
    return false;
}

bool ObjectKindOf(QStringView name, TObjectKind *kind)
{
    for (int i = 0; i < int(std::size(ObjectNames)); ++i)
        if (name == QLatin1String(ObjectNames[i])) {
            *kind = TObjectKind(i);
            return true;
        }
    return false;
}

QString Num(double v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); }

void WriteObject(QXmlStreamWriter &w, const TReportObject &o)
{
    w.writeStartElement(QStringLiteral("object"));
    w.writeAttribute(QStringLiteral("kind"), ObjectKindName(o.Kind));
    w.writeAttribute(QStringLiteral("x"), Num(o.Rect.x()));
    w.writeAttribute(QStringLiteral("y"), Num(o.Rect.y()));
    w.writeAttribute(QStringLiteral("w"), Num(o.Rect.width()));
    w.writeAttribute(QStringLiteral("h"), Num(o.Rect.height()));
    if (!o.FontFamily.isEmpty())
        w.writeAttribute(QStringLiteral("font"), o.FontFamily);
    w.writeAttribute(QStringLiteral("size"), Num(o.FontSize));
    if (o.Bold)
        w.writeAttribute(QStringLiteral("bold"), QStringLiteral("1"));
    w.writeAttribute(QStringLiteral("align"), QString::number(o.Align));
    if (o.Frame)
        w.writeAttribute(QStringLiteral("frame"), QStringLiteral("1"));
    if (!o.WordWrap)
        w.writeAttribute(QStringLiteral("wrap"), QStringLiteral("0"));
    if (o.Stretch)
        w.writeAttribute(QStringLiteral("stretch"), QStringLiteral("1"));
    if (!o.Format.isEmpty())
        w.writeAttribute(QStringLiteral("format"), o.Format);
    w.writeAttribute(QStringLiteral("linewidth"), Num(o.LineWidth));
    if (!o.BarcodeType.isEmpty())
        w.writeAttribute(QStringLiteral("barcode"), o.BarcodeType);
    if (!o.Picture.isEmpty())
        w.writeTextElement(QStringLiteral("picture"), QString::fromLatin1(o.Picture.toBase64()));
    if (!o.Text.isEmpty())
        w.writeTextElement(QStringLiteral("text"), o.Text);
    w.writeEndElement();
}

double Attr(const QXmlStreamAttributes &a, const char *name, double fallback)
{
    const QStringView v = a.value(QLatin1String(name));
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : fallback;
}

void ReadObject(QXmlStreamReader &r, TReportBand &band)
{
    const QXmlStreamAttributes a = r.attributes();
    TReportObject o;
    if (!ObjectKindOf(a.value(QLatin1String("kind")), &o.Kind)) {
        r.raiseError(QStringLiteral("未知的对象类型 %1").arg(a.value(QLatin1String("kind"))));
        return;
    }
    o.Rect = QRectF(Attr(a, "x", 0), Attr(a, "y", 0), Attr(a, "w", 20), Attr(a, "h", 5));
    o.FontFamily = a.value(QLatin1String("font")).toString();
    o.FontSize = Attr(a, "size", 9);
    o.Bold = a.value(QLatin1String("bold")) == u"1";
    o.Align = int(Attr(a, "align", o.Align));
    o.Frame = a.value(QLatin1String("frame")) == u"1";
    o.WordWrap = a.value(QLatin1String("wrap")) != u"0";
    o.Stretch = a.value(QLatin1String("stretch")) == u"1";
    o.Format = a.value(QLatin1String("format")).toString();
    o.LineWidth = Attr(a, "linewidth", 0.2);
    o.BarcodeType = a.value(QLatin1String("barcode")).toString();
    while (r.readNextStartElement()) {
        if (r.name() == u"text")
            o.Text = r.readElementText();
        else if (r.name() == u"picture")
            o.Picture = QByteArray::fromBase64(r.readElementText().toLatin1());
        else
            r.skipCurrentElement();
    }
    band.Objects.append(o);
}

void ReadBand(QXmlStreamReader &r, TReportTemplate &t)
{
    const QXmlStreamAttributes a = r.attributes();
    TReportBand band;
    if (!BandKindOf(a.value(QLatin1String("kind")), &band.Kind)) {
        r.raiseError(QStringLiteral("未知的栏类型 %1").arg(a.value(QLatin1String("kind"))));
        return;
    }
    band.Height = Attr(a, "height", 8);
    band.DataSet = a.value(QLatin1String("dataset")).toString();
    while (r.readNextStartElement()) {
        if (r.name() == u"object")
            ReadObject(r, band);
        else
            r.skipCurrentElement();
    }
    t.Bands.append(band);
}

void ReadPage(QXmlStreamReader &r, TPageSettings &p)
{
    const QXmlStreamAttributes a = r.attributes();
    p.Width = Attr(a, "width", 210);
    p.Height = Attr(a, "height", 297);
    p.Landscape = a.value(QLatin1String("landscape")) == u"1";
    p.LeftMargin = Attr(a, "left", 15);
    p.TopMargin = Attr(a, "top", 12);
    p.RightMargin = Attr(a, "right", 15);
    p.BottomMargin = Attr(a, "bottom", 12);
    r.skipCurrentElement();
}
} // namespace

QString BandKindName(TBandKind kind) { return QLatin1String(BandNames[int(kind)].Name); }
QString BandCaption(TBandKind kind) { return QString::fromUtf8(BandNames[int(kind)].Caption); }
QString ObjectKindName(TObjectKind kind) { return QLatin1String(ObjectNames[int(kind)]); }

TReportBand *TReportTemplate::FindBand(TBandKind kind)
{
    for (TReportBand &b : Bands)
        if (b.Kind == kind)
            return &b;
    return nullptr;
}

const TReportBand *TReportTemplate::FindBand(TBandKind kind) const
{
    return const_cast<TReportTemplate *>(this)->FindBand(kind);
}

TReportBand &TReportTemplate::EnsureBand(TBandKind kind)
{
    if (TReportBand *b = FindBand(kind))
        return *b;
    const auto at = std::find_if(Bands.begin(), Bands.end(),
                                 [kind](const TReportBand &b) { return b.Kind > kind; });
    TReportBand band;
    band.Kind = kind;
    return *Bands.insert(at, band);
}

bool TReportTemplate::HasAutoObjects() const
{
    for (const TReportBand &b : Bands)
        for (const TReportObject &o : b.Objects)
            if (o.Kind >= TObjectKind::AutoColumns)
                return true;
    return false;
}

QByteArray TReportTemplate::ToXml() const
{
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("report"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    w.writeStartElement(QStringLiteral("page"));
    w.writeAttribute(QStringLiteral("width"), Num(Page.Width));
    w.writeAttribute(QStringLiteral("height"), Num(Page.Height));
    w.writeAttribute(QStringLiteral("landscape"), QLatin1String(Page.Landscape ? "1" : "0"));
    w.writeAttribute(QStringLiteral("left"), Num(Page.LeftMargin));
    w.writeAttribute(QStringLiteral("top"), Num(Page.TopMargin));
    w.writeAttribute(QStringLiteral("right"), Num(Page.RightMargin));
    w.writeAttribute(QStringLiteral("bottom"), Num(Page.BottomMargin));
    w.writeEndElement();
    for (const TReportBand &b : Bands) {
        w.writeStartElement(QStringLiteral("band"));
        w.writeAttribute(QStringLiteral("kind"), BandKindName(b.Kind));
        w.writeAttribute(QStringLiteral("height"), Num(b.Height));
        if (!b.DataSet.isEmpty())
            w.writeAttribute(QStringLiteral("dataset"), b.DataSet);
        for (const TReportObject &o : b.Objects)
            WriteObject(w, o);
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return bytes;
}

bool TReportTemplate::FromXml(const QByteArray &xml, QString *error)
{
    TReportTemplate t;
    QXmlStreamReader r(xml);
    if (!r.readNextStartElement() || r.name() != u"report")
        r.raiseError(QStringLiteral("不是报表格式文件"));
    while (!r.hasError() && r.readNextStartElement()) {
        if (r.name() == u"page")
            ReadPage(r, t.Page);
        else if (r.name() == u"band")
            ReadBand(r, t);
        else
            r.skipCurrentElement();
    }
    if (r.hasError()) {
        if (error)
            *error = QStringLiteral("报表格式有误 (第 %1 行): %2")
                         .arg(r.lineNumber()).arg(r.errorString());
        return false;
    }
    *this = t;
    return true;
}
