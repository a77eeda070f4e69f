#pragma once

#include "grids/ui/ksDBGrid.h"

// The line grid of bill windows: live sum footers, cell editing that posts the row as soon
// as the cursor leaves an edited column, Enter across the editable cells (PassLastCell at
// the end of the last line), shift-click row ranges, and read-only cells coloured.
class TksBillGrid : public TksDBGrid
{
    Q_OBJECT
public:
    explicit TksBillGrid(QWidget *parent = nullptr);

    static const QColor Cream;        // read-only cells on odd record numbers
    static const QColor MoneyGreen;   // read-only cells on even record numbers

    void CellStyle(const QModelIndex &index, QStyleOptionViewItem *option) override;
    // What Enter does: the next editable cell, the next line, or PassLastCell.
    void EnterKey();

signals:
    // Enter on the last editable cell of the last line: bill windows add a line here.
    void PassLastCell();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    int NextEditableColumn(int after) const;
};
