#include "grids/ui/RowDragTable.h"

#include <QCursor>
#include <QDataStream>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

#include <algorithm>

namespace {
const QString ItemListFormat = QStringLiteral("application/x-qabstractitemmodeldatalist");

// The first row named in the item data of a drag from an item view; -1 when there is none.
int DraggedRow(const QMimeData *data)
{
    if (!data || !data->hasFormat(ItemListFormat))
        return -1;
    QByteArray encoded = data->data(ItemListFormat);
    QDataStream stream(&encoded, QIODevice::ReadOnly);
    int row = -1;
    int column = -1;
    stream >> row >> column;
    return stream.status() == QDataStream::Ok ? row : -1;
}
} // namespace

TRowDragTable::TRowDragTable(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(true);         // a drop lands on a row, not between rows
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
}

void TRowDragTable::startDrag(Qt::DropActions)
{
    const QModelIndexList cells = selectedIndexes();
    if (cells.isEmpty())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(cells));
    // The row itself goes with the mouse.
    QRect row;
    for (const QModelIndex &cell : cells)
        row |= visualRect(cell);
    drag->setPixmap(viewport()->grab(row));
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - row.topLeft());
    // The drop has already moved the row; the view must not clear the dragged cells.
    drag->exec(Qt::MoveAction);
}

void TRowDragTable::dropEvent(QDropEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    const QModelIndex target = indexAt(event->position().toPoint());
    if (model()->dropMimeData(event->mimeData(), Qt::MoveAction, -1, -1, target)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

bool TRowDragTable::dropMimeData(int row, int, const QMimeData *data, Qt::DropAction action)
{
    const int from = DraggedRow(data);
    if (action != Qt::MoveAction || from < 0 || from >= rowCount() || rowCount() == 0)
        return false;
    const int to = std::clamp(row, 0, rowCount() - 1);
    if (to != from)
        emit RowDropped(from, to);
    return true;
}
