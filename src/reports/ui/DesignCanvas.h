#pragma once

#include "reports/DesignModel.h"

#include <QHash>
#include <QImage>
#include <QWidget>

#include <functional>

// The page of the designer: bands one below the other, each under a caption strip, and the
// objects on them. Objects are selected, moved and resized with the mouse or the keys;
// field names dropped onto a band become text objects.
class TDesignCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit TDesignCanvas(TDesignModel &model, QWidget *parent = nullptr);

    TObjectRef Selected() const { return m_selected; }
    void Select(const TObjectRef &ref);
    int SelectedBand() const { return m_band; }
    void SelectBand(int band);
    void Rebuild();

    // Evaluates the data of a barcode at design time (the report's variables and first
    // rows). A barcode whose data is unknown or refused shows a sample value.
    std::function<QString(const QString &)> Evaluate;
    // The picture the page shows for a barcode or picture object; null for the others.
    QImage ObjectImage(const TObjectRef &ref) const;

    // Geometry, for tests: the widget point of a position on a band, in millimetres.
    QPoint ToWidget(int band, const QPointF &mm) const;
    double PixelsPerMm() const { return m_k; }

signals:
    void SelectionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QRectF BandArea(int band) const;    // in widget pixels
    QRectF ObjectArea(const TObjectRef &ref) const;
    int BandAt(const QPoint &point) const;
    TObjectRef ObjectAt(const QPoint &point) const;
    QPointF ToMm(int band, const QPointF &point) const;
    QRectF Handle(const QRectF &area) const;
    QImage BarcodePicture(const TReportObject &o) const;

    TDesignModel &m_model;
    TObjectRef m_selected;
    int m_band = -1;
    double m_k = 96 / 25.4;
    enum class Drag { None, Move, Resize } m_drag = Drag::None;
    QPoint m_pressAt;
    QRectF m_dragRect;                  // the object's rectangle while dragged (pixels)
    mutable QHash<QString, QImage> m_barcodes;  // by type and value: painted again and again
};
