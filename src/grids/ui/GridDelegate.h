#pragma once

#include <QStyledItemDelegate>

class TksDBGrid;

// Draws and edits the cells of a grid: colours from the grid and its owner, a plain text
// editor (numbers and dates are typed as text and converted by the field), and the
// ellipsis button of the columns that have one.
class TGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit TGridDelegate(TksDBGrid *grid);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    TksDBGrid *m_grid;
};
