#pragma once

#include "grids/ui/RowDragTable.h"
#include "shell/ui/ADlgFrm.h"

#include <QStringList>

class QPushButton;
class QTableWidget;
class TDataSet;

// "排序": builds a sort order over several columns of an in-memory data set.
// Sort text: "Code ASC,Name DESC".
class TSortFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TSortFrm(QWidget *parent = nullptr);

    // One row per sortable field (no memo or blob), the visible ones or, with allFields, all.
    void Fill(TDataSet *dataSet, bool allFields);
    // Shows an existing order: the sorted fields head the list in sort order.
    void SetSortString(const QString &text);
    QString SortString() const;
    QString SortLabels() const;

    QTableWidget *Grid() const { return m_grid; }
    // Moves the selected row one place (-1 up, +1 down).
    void MoveSelected(int delta);
    // Moves a row to another place and selects it there (the buttons and dragging).
    void MoveTo(int from, int to);
    // Cycles the row's direction: none → 升序 → 降序 → none.
    void CycleDirection(int row);

private:
    void MoveRow(int from, int to);
    void ShowRow(int row);
    void UpdateButtons();

    TRowDragTable *m_grid;
    QPushButton *m_up;
    QPushButton *m_down;
    QStringList m_names;
    QStringList m_labels;
    QStringList m_dirs;        // "", "ASC" or "DESC" per row
};
