#include "grids/ui/GridFooter.h"

#include "grids/ui/ksDBGrid.h"

#include <QHeaderView>
#include <QPainter>

TGridFooter::TGridFooter(TksDBGrid *grid) : QWidget(grid), m_grid(grid)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void TGridFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QHeaderView *header = m_grid->horizontalHeader();
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width(), 0);
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (header->isSectionHidden(logical))
            continue;
        const int x = header->sectionViewportPosition(logical);
        const int w = header->sectionSize(logical);
        if (x + w < 0 || x > width())
            continue;
        const QRect cell(x, 1, w, height() - 1);
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
        const QString text = m_grid->FooterText(logical);
        if (text.isEmpty())
            continue;
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(cell.adjusted(2, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    }
}
