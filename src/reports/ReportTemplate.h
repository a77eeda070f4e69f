#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>

// A print template: page settings, bands from top to bottom and the objects on each band.
// Lengths are millimetres; object rectangles are relative to their band's top left corner.
// Stored as an XML document in report.Fr3File.

enum class TBandKind {
    ReportTitle, PageHeader, ColumnHeader, MasterData, MasterFooter, PageFooter, Summary
};

enum class TObjectKind {
    Text, Line, Rect, Picture, Barcode,
    // Placeholders that the standard layouts use; they become ordinary objects for the data
    // sets at hand (see ExpandAutoObjects).
    AutoColumns, AutoFields, AutoSums
};

struct TReportObject
{
    TObjectKind Kind = TObjectKind::Text;
    QRectF Rect;
    QString Text;               // text with [expressions]; barcode data; auto: the data set
    QString FontFamily;         // empty: the report font
    double FontSize = 9;        // points
    bool Bold = false;
    int Align = 0x0001 | 0x0080;// Qt::AlignLeft | Qt::AlignVCenter
    bool Frame = false;
    bool WordWrap = true;       // false: one line, cut at the right edge. A text that wraps
                                // onto more lines than fit grows, and its band with it.
    bool Stretch = false;       // follows its band when the band grows (a row's frames and
                                // lines): its bottom keeps its distance to the band's bottom
    QString Format;             // numbers: "0.00", ",0.00"; dates: "yyyy-MM-dd"
    double LineWidth = 0.2;     // lines, rectangles and frames
    QString BarcodeType;        // "Code128" or "QR"
    QByteArray Picture;         // PNG bytes

    bool operator==(const TReportObject &o) const = default;
};

struct TReportBand
{
    TBandKind Kind = TBandKind::MasterData;
    double Height = 8;
    QString DataSet;            // master data: the data set it runs over ("d0" when empty)
    QList<TReportObject> Objects;

    QString DataSetName() const { return DataSet.isEmpty() ? QStringLiteral("d0") : DataSet; }
    bool operator==(const TReportBand &o) const = default;
};

struct TPageSettings
{
    double Width = 210;
    double Height = 297;
    bool Landscape = false;
    double LeftMargin = 15, TopMargin = 12, RightMargin = 15, BottomMargin = 12;

    double PageWidth() const { return Landscape ? Height : Width; }
    double PageHeight() const { return Landscape ? Width : Height; }
    double ClientWidth() const { return PageWidth() - LeftMargin - RightMargin; }
    bool operator==(const TPageSettings &o) const = default;
};

class TReportTemplate
{
public:
    TPageSettings Page;
    QList<TReportBand> Bands;

    bool IsEmpty() const { return Bands.isEmpty(); }
    TReportBand *FindBand(TBandKind kind);
    const TReportBand *FindBand(TBandKind kind) const;
    // The band of that kind, added in its place in the band order when missing.
    TReportBand &EnsureBand(TBandKind kind);
    bool HasAutoObjects() const;

    QByteArray ToXml() const;
    // False, with the reason, when the bytes are no template of ours.
    bool FromXml(const QByteArray &xml, QString *error = nullptr);

    bool operator==(const TReportTemplate &o) const = default;
};

QString BandKindName(TBandKind kind);       // "MasterData"
QString BandCaption(TBandKind kind);        // "主数据"
QString ObjectKindName(TObjectKind kind);
