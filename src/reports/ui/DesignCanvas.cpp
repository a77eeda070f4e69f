#include "reports/ui/DesignCanvas.h"

#include "reports/Barcode.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRenderer.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPolygonF>

namespace {
constexpr int Margin = 20;          // grey desk around the page
constexpr int Strip = 17;           // the caption strip above each band
constexpr int HandleSize = 7;

QString BandTitle(const TReportBand &band)
{
    QString title = BandCaption(band.Kind);
    if (band.Kind == TBandKind::MasterData)
        title += QStringLiteral(": ") + band.DataSetName();
    return title;
}
} // namespace

TDesignCanvas::TDesignCanvas(TDesignModel &model, QWidget *parent)
    : QWidget(parent), m_model(model)
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setMouseTracking(true);
    Rebuild();
}

void TDesignCanvas::Rebuild()
{
    const TReportTemplate &t = m_model.Template();
    double height = 2 * Margin;
    for (const TReportBand &b : t.Bands)
        height += Strip + b.Height * m_k;
    height += t.Page.TopMargin * m_k;
    setFixedSize(int(t.Page.PageWidth() * m_k) + 2 * Margin, int(height) + 40);
    if (!m_model.Contains(m_selected))
        m_selected = {};
    if (m_band >= t.Bands.size())
        m_band = -1;
    update();
}

QRectF TDesignCanvas::BandArea(int band) const
{
    const TReportTemplate &t = m_model.Template();
    double y = Margin + t.Page.TopMargin * m_k;
    for (int i = 0; i < band; ++i)
        y += Strip + t.Bands[i].Height * m_k;
    y += Strip;
    return QRectF(Margin + t.Page.LeftMargin * m_k, y, t.Page.ClientWidth() * m_k,
                  t.Bands[band].Height * m_k);
}

QRectF TDesignCanvas::ObjectArea(const TObjectRef &ref) const
{
    const QRectF band = BandArea(ref.Band);
    const QRectF r = m_model.Object(ref).Rect;
    return QRectF(band.left() + r.x() * m_k, band.top() + r.y() * m_k,
                  std::max(r.width() * m_k, 2.0), std::max(r.height() * m_k, 2.0));
}

QRectF TDesignCanvas::Handle(const QRectF &area) const
{
    return QRectF(area.right() - HandleSize / 2.0, area.bottom() - HandleSize / 2.0,
                  HandleSize, HandleSize);
}

QPoint TDesignCanvas::ToWidget(int band, const QPointF &mm) const
{
    const QRectF area = BandArea(band);
    return QPoint(int(area.left() + mm.x() * m_k), int(area.top() + mm.y() * m_k));
}

QPointF TDesignCanvas::ToMm(int band, const QPointF &point) const
{
    const QRectF area = BandArea(band);
    return QPointF((point.x() - area.left()) / m_k, (point.y() - area.top()) / m_k);
}

int TDesignCanvas::BandAt(const QPoint &point) const
{
    for (int b = 0; b < m_model.Template().Bands.size(); ++b) {
        const QRectF area = BandArea(b).adjusted(-Margin, -Strip, Margin, 0);
        if (area.contains(point))
            return b;
    }
    return -1;
}

TObjectRef TDesignCanvas::ObjectAt(const QPoint &point) const
{
    const TReportTemplate &t = m_model.Template();
    for (int b = 0; b < t.Bands.size(); ++b)
        for (int i = int(t.Bands[b].Objects.size()) - 1; i >= 0; --i)
            if (ObjectArea({b, i}).adjusted(-2, -2, 2, 2).contains(point))
                return {b, i};
    return {};
}

QImage TDesignCanvas::ObjectImage(const TObjectRef &ref) const
{
    const TReportObject &o = m_model.Object(ref);
    if (o.Kind == TObjectKind::Barcode)
        return BarcodePicture(o);
    if (o.Kind == TObjectKind::Picture)
        return QImage::fromData(o.Picture);
    return QImage();
}

QImage TDesignCanvas::BarcodePicture(const TReportObject &o) const
{
    // Drawn by the same renderer as the printed page, from what the page would print.
    QString value = o.Text;
    if (value.contains(u'['))
        value = Evaluate ? Evaluate(o.Text) : QString();
    value = value.trimmed();
    const QString key = o.BarcodeType + u'\n' + value;
    if (const auto it = m_barcodes.constFind(key); it != m_barcodes.cend())
        return *it;
    QImage image = BarcodeImage(o.BarcodeType, value);
    if (image.isNull())
        image = BarcodeImage(o.BarcodeType, BarcodeSample(o.BarcodeType));
    if (m_barcodes.size() > 64)
        m_barcodes.clear();
    m_barcodes.insert(key, image);
    return image;
}

void TDesignCanvas::Select(const TObjectRef &ref)
{
    m_selected = m_model.Contains(ref) ? ref : TObjectRef();
    if (m_selected.Valid())
        m_band = m_selected.Band;
    update();
    emit SelectionChanged();
}

void TDesignCanvas::SelectBand(int band)
{
    m_band = band;
    m_selected = {};
    update();
    emit SelectionChanged();
}

void TDesignCanvas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const TReportTemplate &t = m_model.Template();
    p.fillRect(rect(), QColor(0x8a, 0x8a, 0x8a));
    const QRectF page(Margin, Margin, t.Page.PageWidth() * m_k, height() - 2 * Margin);
    p.fillRect(page.translated(4, 4), QColor(0x50, 0x50, 0x50));
    p.fillRect(page, Qt::white);
    QFont stripFont = font();
    for (int b = 0; b < t.Bands.size(); ++b) {
        const QRectF area = BandArea(b);
        const QRectF strip(page.left(), area.top() - Strip, page.width(), Strip);
        p.fillRect(strip, b == m_band ? QColor(0xc8, 0xd8, 0xf0) : QColor(0xe8, 0xe8, 0xe8));
        p.setPen(QColor(0x60, 0x60, 0x60));
        p.setFont(stripFont);
        p.drawText(strip.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   BandTitle(t.Bands[b]));
        p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1, Qt::DotLine));
        p.drawRect(area);
        // The objects as the page renderer draws them: texts with their expressions,
        // barcodes as symbols, pictures as they are.
        TReportPage one;
        QList<QRectF> outlines;             // objects whose picture may not fill them
        QList<QRectF> stretching;           // marked at their bottom: they grow with the band
        for (int i = 0; i < t.Bands[b].Objects.size(); ++i) {
            const TReportObject &o = t.Bands[b].Objects[i];
            TPagePrimitive prim;
            prim.Rect = QRectF(o.Rect.x() + area.left() / m_k, o.Rect.y() + area.top() / m_k,
                               o.Rect.width(), o.Rect.height());
            prim.Text = o.Kind == TObjectKind::Text ? o.Text
                      : o.Kind >= TObjectKind::AutoColumns
                          ? QStringLiteral("<%1: %2>").arg(ObjectKindName(o.Kind), o.Text)
                          : QString();
            prim.Type = o.Kind == TObjectKind::Line ? TPagePrimitive::Kind::Line
                      : o.Kind == TObjectKind::Rect ? TPagePrimitive::Kind::Rect
                                                    : TPagePrimitive::Kind::Text;
            prim.Image = ObjectImage({b, i});
            if (!prim.Image.isNull())
                prim.Type = TPagePrimitive::Kind::Image;
            if (o.Kind == TObjectKind::Barcode || o.Kind == TObjectKind::Picture)
                outlines.append(ObjectArea({b, i}));
            if (o.Stretch)
                stretching.append(ObjectArea({b, i}));
            prim.FontFamily = o.FontFamily;
            prim.FontSize = o.FontSize;
            prim.Bold = o.Bold;
            prim.Align = o.Align;
            prim.WordWrap = o.WordWrap;
            prim.Frame = o.Frame || o.Kind == TObjectKind::Picture
                      || o.Kind >= TObjectKind::AutoColumns;
            prim.LineWidth = o.LineWidth;
            one.Items.append(prim);
        }
        PaintPage(p, one, 1, 25.4 * m_k);
        p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        for (const QRectF &outline : std::as_const(outlines))
            p.drawRect(outline);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x40, 0x80, 0xc0));
        for (const QRectF &r : std::as_const(stretching)) {
            const QPointF tip(r.left() + 7, r.bottom() + 1);
            p.drawPolygon(QPolygonF({tip + QPointF(-4, -5), tip + QPointF(4, -5), tip}));
        }
        p.setBrush(Qt::NoBrush);
    }
    if (m_selected.Valid()) {
        const QRectF area = m_drag != Drag::None ? m_dragRect : ObjectArea(m_selected);
        p.setPen(QPen(QColor(0x20, 0x60, 0xd0), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(area.adjusted(-1, -1, 1, 1));
        p.fillRect(Handle(area), QColor(0x20, 0x60, 0xd0));
    }
}

void TDesignCanvas::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    m_pressAt = event->pos();
    if (m_selected.Valid() && Handle(ObjectArea(m_selected)).contains(event->pos())) {
        m_drag = Drag::Resize;
        m_dragRect = ObjectArea(m_selected);
        return;
    }
    const TObjectRef hit = ObjectAt(event->pos());
    if (hit.Valid()) {
        Select(hit);
        m_drag = Drag::Move;
        m_dragRect = ObjectArea(hit);
    } else {
        SelectBand(BandAt(event->pos()));
    }
}

void TDesignCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag == Drag::None || !(event->buttons() & Qt::LeftButton)) {
        const bool onHandle = m_selected.Valid()
                           && Handle(ObjectArea(m_selected)).contains(event->pos());
        setCursor(onHandle ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
        return;
    }
    const QPoint delta = event->pos() - m_pressAt;
    const QRectF start = ObjectArea(m_selected);
    if (m_drag == Drag::Move)
        m_dragRect = start.translated(delta);
    else
        m_dragRect = QRectF(start.topLeft(), start.size() + QSizeF(delta.x(), delta.y()));
    update();
}

void TDesignCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag == Drag::None || !m_selected.Valid()) {
        m_drag = Drag::None;
        return;
    }
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (event->pos() == m_pressAt) {
        update();
        return;
    }
    if (drag == Drag::Move)
        m_model.MoveObjectTo(m_selected, ToMm(m_selected.Band, m_dragRect.topLeft()));
    else
        m_model.ResizeObject(m_selected, m_dragRect.width() / m_k, m_dragRect.height() / m_k);
    emit SelectionChanged();
}

void TDesignCanvas::keyPressEvent(QKeyEvent *event)
{
    if (!m_selected.Valid()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double step = m_model.Grid > 0 ? m_model.Grid : 1;
    double dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    case Qt::Key_Delete:
        m_model.DeleteObject(m_selected);
        Select({});
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // Shift with an arrow key resizes, the arrow alone moves.
    if (event->modifiers() & Qt::ShiftModifier) {
        const QRectF r = m_model.Object(m_selected).Rect;
        m_model.ResizeObject(m_selected, r.width() + dx, r.height() + dy);
    } else {
        m_model.MoveObject(m_selected, dx, dy);
    }
    emit SelectionChanged();
}

void TDesignCanvas::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TDesignCanvas::dragMoveEvent(QDragMoveEvent *event)
{
    if (BandAt(event->position().toPoint()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDesignCanvas::dropEvent(QDropEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int band = BandAt(at);
    if (band < 0)
        return;
    TReportObject o;
    const QPointF mm = ToMm(band, at);
    o.Rect = QRectF(std::max(0.0, mm.x()), std::max(0.0, mm.y()), 30, 6);
    o.Text = event->mimeData()->text();
    Select(m_model.AddObject(band, o));
    event->acceptProposedAction();
}
