#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

class TField;
class TksDBGrid;

// Draws and edits the cells of a grid: colours from the grid and its owner, a plain text
// editor (numbers and dates are typed as text and converted by the field), and the
// ellipsis button of the columns that have one: on the editor while the cell is edited,
// drawn on the current cell otherwise (read-only cells have no editor but keep the button).
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
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // Where the ellipsis button sits in a cell.
    static QRect ButtonRect(const QRect &cell);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    TField *EllipsisField(const QModelIndex &index) const;
    // The current cell of an ellipsis column without an open editor.
    bool DrawsButton(const QModelIndex &index) const;

    TksDBGrid *m_grid;
    QPersistentModelIndex m_buttonDown;     // the cell whose button the mouse pressed
};
