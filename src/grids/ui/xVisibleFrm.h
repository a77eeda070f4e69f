#pragma once

#include "grids/ui/RowDragTable.h"
#include "shell/ui/ADlgFrm.h"

#include <QList>
#include <QString>

class QPushButton;
class QTableWidget;

// One grid column offered by the column choice.
struct RColItem
{
    int Index = 0;          // the column's index in the grid
    QString Caption;
    bool Visible = true;
};
using RColItems = QList<RColItem>;

// "列选择": a tick per visible column; a click toggles it. 上移/下移 and dragging a row
// also reorder the columns: the grid takes the dialog's order.
class TxVisibleFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TxVisibleFrm(QWidget *parent = nullptr);

    void SetItems(const RColItems &items);
    // After OK: the items in the chosen order with the chosen visibility.
    RColItems Items() const { return m_items; }
    QTableWidget *Grid() const { return m_grid; }
    void Toggle(int row);
    void MoveSelected(int delta);
    // Moves a row to another place and selects it there (the buttons and dragging).
    void MoveTo(int from, int to);

protected:
    void OkClicked() override;

private:
    void ShowRow(int row);
    void UpdateButtons();

    TRowDragTable *m_grid;
    QPushButton *m_up;
    QPushButton *m_down;
    RColItems m_items;
    QList<bool> m_ticks;
};
