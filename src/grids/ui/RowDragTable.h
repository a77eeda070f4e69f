#pragma once

#include <QTableWidget>

// A list of rows the operator puts in order by dragging a row to another place. The table
// moves nothing itself: it reports the move, and its dialog moves the row the way its
// 上移/下移 buttons do, so that the lists behind the rows move with it.
class TRowDragTable : public QTableWidget
{
    Q_OBJECT
public:
    TRowDragTable(int rows, int columns, QWidget *parent = nullptr);

signals:
    // The row at `from` was dropped onto the row at `to` and takes its place.
    void RowDropped(int from, int to);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dropEvent(QDropEvent *event) override;
    // Where every drop ends, the table model's included: the dragged row from the item
    // data the drag carries, the target row from the drop position (below the last row:
    // the last place).
    bool dropMimeData(int row, int column, const QMimeData *data,
                      Qt::DropAction action) override;
};
