#include "grids/ui/ksBillGrid.h"

#include "data/DataSet.h"

#include <QKeyEvent>
#include <QMouseEvent>

const QColor TksBillGrid::Cream(255, 251, 240);
const QColor TksBillGrid::MoneyGreen(192, 220, 192);

TksBillGrid::TksBillGrid(QWidget *parent) : TksDBGrid(parent)
{
    // The editor opens on entering an editable cell; read-only columns refuse it.
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
}

void TksBillGrid::CellStyle(const QModelIndex &index, QStyleOptionViewItem *option)
{
    const int column = ColumnOfLogical(index.column());
    const bool selected = option->state.testFlag(QStyle::State_Selected);
    if (column >= 0 && !selected && index != currentIndex()) {
        // Record numbers count from 1: the first line is odd.
        if (ColumnReadOnly(column))
            option->backgroundBrush = (index.row() + 1) % 2 == 1 ? Cream : MoneyGreen;
        else
            option->backgroundBrush = QColor(Qt::white);
    }
    TksDBGrid::CellStyle(index, option);
}

int TksBillGrid::NextEditableColumn(int after) const
{
    for (int c = after + 1; c < ColumnCount(); ++c)
        if (ColumnVisible(c) && !ColumnReadOnly(c))
            return c;
    return -1;
}

void TksBillGrid::EnterKey()
{
    TDataSet *ds = DataSet();
    if (!ds || !ds->Active() || ds->IsEmpty())
        return;
    const int next = NextEditableColumn(CurrentColumn());
    if (next >= 0) {
        SelectColumn(next);
        return;
    }
    if (ds->RecNo() >= ds->RecordCount()) {
        ds->CheckBrowseMode();
        emit PassLastCell();
        return;
    }
    ds->Next();
    const int first = NextEditableColumn(0);
    SelectColumn(first >= 0 ? first : 0);
}

void TksBillGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        EnterKey();
        return;
    }
    TksDBGrid::keyPressEvent(event);
}

void TksBillGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    TDataSet *ds = DataSet();
    const int leftColumn = previous.isValid() ? ColumnOfLogical(previous.column()) : -1;
    TksDBGrid::currentChanged(current, previous);
    // Leaving an edited column posts the row at once, so the footers and the bill follow.
    if (ds && ds->Active() && leftColumn >= 0 && current.column() != previous.column()
        && !ColumnReadOnly(leftColumn)
        && (ds->State() == TDataSetState::Edit || ds->State() == TDataSetState::Insert))
        ds->Post();
}

void TksBillGrid::mousePressEvent(QMouseEvent *event)
{
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    QList<int> before;
    if (shift)
        for (const QModelIndex &index : selectionModel()->selectedIndexes())
            before.append(index.row());
    TksDBGrid::mousePressEvent(event);
    const QModelIndex clicked = indexAt(event->position().toPoint());
    if (!shift || before.isEmpty() || !clicked.isValid())
        return;
    const int first = *std::min_element(before.begin(), before.end());
    const int from = std::min(first, clicked.row());
    const int to = std::max(first, clicked.row());
    const QItemSelection rows(model()->index(from, 0),
                              model()->index(to, model()->columnCount() - 1));
    selectionModel()->select(rows, QItemSelectionModel::Select);
}
