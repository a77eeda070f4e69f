#include "grids/ui/GridHeader.h"

#include "grids/ui/ksDBGrid.h"

#include <QMouseEvent>
#include <QPainter>

TGridHeader::TGridHeader(TksDBGrid *grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    setFixedHeight(20);
    setMinimumSectionSize(8);
}

void TGridHeader::mousePressEvent(QMouseEvent *event)
{
    m_modifiers = event->modifiers();
    QHeaderView::mousePressEvent(event);
}

void TGridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const int rank = m_grid->SortRank(logicalIndex);
    if (rank < 0 || rect.width() < 16)
        return;
    const bool desc = m_grid->SortDescending(logicalIndex);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const int cx = rect.right() - 8;
    const int cy = rect.center().y();
    QPolygon arrow;
    if (desc)
        arrow << QPoint(cx - 4, cy - 2) << QPoint(cx + 4, cy - 2) << QPoint(cx, cy + 3);
    else
        arrow << QPoint(cx - 4, cy + 3) << QPoint(cx + 4, cy + 3) << QPoint(cx, cy - 2);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(64, 64, 64));
    painter->drawPolygon(arrow);
    if (m_grid->SortMarkCount() > 1) {
        QFont f = painter->font();
        f.setPixelSize(9);
        painter->setFont(f);
        painter->setPen(QColor(64, 64, 64));
        painter->drawText(QRect(cx - 16, rect.top(), 10, rect.height()), Qt::AlignCenter,
                          QString::number(rank + 1));
    }
    painter->restore();
}
