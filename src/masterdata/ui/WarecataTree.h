#pragma once

#include "masterdata/WareCataSet.h"
#include "masterdata/ui/CategoryWindows.h"

#include <QTreeWidget>

class QMenu;

// The goods category tree. Browse mode adds the system nodes "全部" (sys-all), "已分类"
// (sys-classed, the categories below it) and "未分类" (sys-nulled); edit mode shows the
// categories at the top level. Every node holds its own copy of the category record.
class TWarecataTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TWarecataTree(QWidget *parent = nullptr);

    void LoadBrowse();
    void LoadEdit();
    TCataTreeMode Mode() const { return m_mode; }
    // Reloads in the current mode and selects the same category again (by its key, else by
    // its code: the system nodes).
    void Refresh();
    bool SelectByCode(const QString &code);
    bool SelectById(int id);
    // The selected node's record; Id -1 when nothing is selected.
    RWareCata Selected() const;
    RWareCata SelectedWithPath() const;
    // A child of the selected node (top level when none) named "新的分类", Id 0, selected.
    QTreeWidgetItem *AddCategory();
    // Flattens the tree in node order with new SlfId, PrtId and Code; false (with the
    // offending node selected and the warning shown) when a name is blank.
    bool BuildSaveArray(RWareCatas &tree);
    // Saves the whole tree; every node then holds its saved record.
    bool SaveTree();

    static RWareCata NodeRecord(const QTreeWidgetItem *item);
    static void SetNodeRecord(QTreeWidgetItem *item, const RWareCata &record);
    // "全部", "已分类" and "未分类" of browse mode.
    static bool IsSystemNode(const QTreeWidgetItem *item);
    // The full path of a node: \A\B\ for B under A.
    static QString PathOf(const QTreeWidgetItem *item);

    // Dragging categories (the category editor): a node dropped on another becomes its last
    // child, dropped on no node a top-level one.
    void SetDragMoveEnabled(bool enabled);
    // Refused onto itself, onto its own parent and onto any category below it.
    static bool CanMoveTo(const QTreeWidgetItem *node, const QTreeWidgetItem *target);
    bool MoveNode(QTreeWidgetItem *node, QTreeWidgetItem *target);

    // The menu of the tree: "分类设置..." (the category editor, then a refresh) and "刷新".
    QMenu *CataMenu();
    QSize sizeHint() const override;

signals:
    // Every selection change, with the new node's record and full path.
    void Changed(const RWareCata &cata);
    // The tree's shape changed by dragging.
    void NodeMoved();
    // The categories were saved through the tree's menu (and reloaded): codes may differ.
    void CategoriesEdited();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void Clear();
    void LoadCategories(QTreeWidgetItem *root);
    QTreeWidgetItem *AddNode(QTreeWidgetItem *parent, const RWareCata &record);
    void UpdateFolderIcon(QTreeWidgetItem *item);
    void EmitChanged();
    QTreeWidgetItem *DropTarget(const QPoint &pos) const;
    TCataTreeMode m_mode = TCataTreeMode::Browse;
    QMenu *m_menu = nullptr;
};
