#include "masterdata/ui/WarecataTree.h"

#include "data/Exceptions.h"
#include "data/Messages.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHash>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTreeWidgetItemIterator>

namespace {
const QString SysAll = QStringLiteral("sys-all");
const QString SysClassed = QStringLiteral("sys-classed");
const QString SysNulled = QStringLiteral("sys-nulled");

// The node record lives in the item's data roles.
enum TNodeRole {
    IdRole = Qt::UserRole + 1, CodeRole, NameRole, NoteRole, PathRole, SlfIdRole, PrtIdRole
};

QPixmap Canvas()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// "全部": a small stack of goods boxes.
QIcon RootIcon()
{
    static const QIcon icon = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(120, 80, 30), 1));
        p.setBrush(QColor(226, 178, 104));
        p.drawRect(QRectF(1.5, 8.5, 6, 6));
        p.drawRect(QRectF(8.5, 8.5, 6, 6));
        p.setBrush(QColor(240, 200, 130));
        p.drawRect(QRectF(5, 1.5, 6, 6));
        return QIcon(pixmap);
    }();
    return icon;
}

// The folders of "已分类" and "未分类", closed or open.
QIcon FolderIcon(bool open)
{
    static const QIcon closed = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(250, 214, 100));
        QPainterPath path;
        path.moveTo(1.5, 3.5);
        path.lineTo(6, 3.5);
        path.lineTo(7.5, 5);
        path.lineTo(14.5, 5);
        path.lineTo(14.5, 13.5);
        path.lineTo(1.5, 13.5);
        path.closeSubpath();
        p.drawPath(path);
        return QIcon(pixmap);
    }();
    static const QIcon opened = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(232, 190, 80));
        QPainterPath back;
        back.moveTo(1.5, 13.5);
        back.lineTo(1.5, 3.5);
        back.lineTo(6, 3.5);
        back.lineTo(7.5, 5);
        back.lineTo(13.5, 5);
        back.lineTo(13.5, 7.5);
        p.drawPath(back);
        p.setBrush(QColor(255, 226, 130));
        QPainterPath front;
        front.moveTo(1.5, 13.5);
        front.lineTo(4, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13, 13.5);
        front.closeSubpath();
        p.drawPath(front);
        return QIcon(pixmap);
    }();
    return open ? opened : closed;
}

// A category: a small tag.
QIcon CataIcon()
{
    static const QIcon icon = [] {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 90, 150), 1));
        p.setBrush(QColor(120, 175, 230));
        QPainterPath path;
        path.moveTo(2.5, 3.5);
        path.lineTo(9, 3.5);
        path.lineTo(14, 8);
        path.lineTo(9, 12.5);
        path.lineTo(2.5, 12.5);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(4.5, 6.5, 3, 3));
        return QIcon(pixmap);
    }();
    return icon;
}

RWareCata SystemRecord(const QString &code, const QString &name)
{
    RWareCata record;
    record.Id = -1;
    record.Code = code;
    record.Name = name;
    record.Path = name;
    return record;
}

int Depth(const QTreeWidgetItem *item)
{
    int depth = 0;
    for (const QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        ++depth;
    return depth;
}
} // namespace

TWarecataTree::TWarecataTree(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("WarecataTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMinimumWidth(120);
    resize(180, height());
    // The selection stays visible when the focus moves to the grid beside the tree.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    connect(this, &QTreeWidget::currentItemChanged, this, &TWarecataTree::EmitChanged);
    connect(this, &QTreeWidget::itemExpanded, this, &TWarecataTree::UpdateFolderIcon);
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) {
        // Browse mode keeps "全部" and its two folders open.
        if (m_mode == TCataTreeMode::Browse && Depth(item) < 2 && item->childCount() > 0) {
            expandItem(item);
            return;
        }
        UpdateFolderIcon(item);
    });
}

QSize TWarecataTree::sizeHint() const
{
    return {180, QTreeWidget::sizeHint().height()};
}

RWareCata TWarecataTree::NodeRecord(const QTreeWidgetItem *item)
{
    RWareCata r;
    if (!item) {
        r.Clear();
        return r;
    }
    r.Id = item->data(0, IdRole).toInt();
    r.Code = item->data(0, CodeRole).toString();
    r.Name = item->data(0, NameRole).toString();
    r.Note = item->data(0, NoteRole).toString();
    r.Path = item->data(0, PathRole).toString();
    r.SlfId = item->data(0, SlfIdRole).toInt();
    r.PrtId = item->data(0, PrtIdRole).toInt();
    return r;
}

void TWarecataTree::SetNodeRecord(QTreeWidgetItem *item, const RWareCata &record)
{
    item->setData(0, IdRole, record.Id);
    item->setData(0, CodeRole, record.Code);
    item->setData(0, NameRole, record.Name);
    item->setData(0, NoteRole, record.Note);
    item->setData(0, PathRole, record.Path);
    item->setData(0, SlfIdRole, record.SlfId);
    item->setData(0, PrtIdRole, record.PrtId);
    item->setText(0, record.Name);
}

bool TWarecataTree::IsSystemNode(const QTreeWidgetItem *item)
{
    return item && item->data(0, IdRole).toInt() < 0
        && item->data(0, CodeRole).toString().startsWith(QLatin1String("sys-"));
}

QString TWarecataTree::PathOf(const QTreeWidgetItem *item)
{
    QString path;
    for (; item; item = item->parent())
        path = item->data(0, NameRole).toString() + u'\\' + path;
    return u'\\' + path;
}

void TWarecataTree::Clear()
{
    const QSignalBlocker blocker(this);
    clear();
}

QTreeWidgetItem *TWarecataTree::AddNode(QTreeWidgetItem *parent, const RWareCata &record)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    SetNodeRecord(item, record);
    item->setIcon(0, CataIcon());
    return item;
}

void TWarecataTree::LoadCategories(QTreeWidgetItem *root)
{
    TWareCataSet set;
    const RWareCatas rows = set.LoadTree();
    // The first node with a number is the parent of the rows that name it.
    QHash<int, QTreeWidgetItem *> bySlfId;
    bySlfId.reserve(rows.size());
    for (const RWareCata &row : rows) {
        if (row.Name.isEmpty())
            continue;
        QTreeWidgetItem *parent = row.PrtId > 0 ? bySlfId.value(row.PrtId, root) : root;
        QTreeWidgetItem *item = AddNode(parent, row);
        if (!bySlfId.contains(row.SlfId))
            bySlfId.insert(row.SlfId, item);
    }
}

void TWarecataTree::LoadBrowse()
{
    m_mode = TCataTreeMode::Browse;
    const QSignalBlocker blocker(this);
    clear();
    auto *all = new QTreeWidgetItem(this);
    SetNodeRecord(all, SystemRecord(SysAll, QStringLiteral("全部")));
    all->setIcon(0, RootIcon());
    auto *classed = new QTreeWidgetItem(all);
    SetNodeRecord(classed, SystemRecord(SysClassed, QStringLiteral("已分类")));
    LoadCategories(classed);
    auto *nulled = new QTreeWidgetItem(all);
    SetNodeRecord(nulled, SystemRecord(SysNulled, QStringLiteral("未分类")));
    expandItem(classed);
    expandItem(all);
    UpdateFolderIcon(classed);
    UpdateFolderIcon(nulled);
    setCurrentItem(all);
}

void TWarecataTree::LoadEdit()
{
    m_mode = TCataTreeMode::Edit;
    const QSignalBlocker blocker(this);
    clear();
    LoadCategories(nullptr);
}

void TWarecataTree::Refresh()
{
    const RWareCata before = Selected();
    {
        const QSignalBlocker blocker(this);
        if (m_mode == TCataTreeMode::Browse)
            LoadBrowse();
        else
            LoadEdit();
        // A saved tree renumbers its codes: a category is found again by its key first, so
        // that a code now worn by another category cannot take the selection over.
        if (!(before.Id > 0 && SelectById(before.Id)) && !before.Code.isEmpty())
            SelectByCode(before.Code);
    }
    EmitChanged();
}

bool TWarecataTree::SelectByCode(const QString &code)
{
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->data(0, CodeRole).toString() == code) {
            setCurrentItem(*it);
            scrollToItem(*it);
            return true;
        }
    }
    return false;
}

bool TWarecataTree::SelectById(int id)
{
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->data(0, IdRole).toInt() == id) {
            setCurrentItem(*it);
            scrollToItem(*it);
            return true;
        }
    }
    return false;
}

RWareCata TWarecataTree::Selected() const
{
    return NodeRecord(currentItem());
}

RWareCata TWarecataTree::SelectedWithPath() const
{
    RWareCata r = Selected();
    if (currentItem())
        r.Path = PathOf(currentItem());
    return r;
}

QTreeWidgetItem *TWarecataTree::AddCategory()
{
    QTreeWidgetItem *parent = currentItem();
    // In browse mode new categories hang below "已分类", never beside the system nodes.
    if (parent && IsSystemNode(parent)) {
        parent = nullptr;
        for (QTreeWidgetItemIterator it(this); *it; ++it)
            if ((*it)->data(0, CodeRole).toString() == SysClassed)
                parent = *it;
    }
    RWareCata record;
    record.Name = QStringLiteral("新的分类");
    record.Path = record.Name;
    QTreeWidgetItem *item = AddNode(parent, record);
    if (parent)
        expandItem(parent);
    setCurrentItem(item);
    return item;
}

bool TWarecataTree::BuildSaveArray(RWareCatas &tree)
{
    // Category nodes in index order, each with the index of its nearest category parent.
    QList<QTreeWidgetItem *> nodes;
    QHash<const QTreeWidgetItem *, int> indexOf;
    RWareCatas array;
    QList<int> parents;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (IsSystemNode(*it))
            continue;
        const QTreeWidgetItem *parent = (*it)->parent();
        parents.append(parent && indexOf.contains(parent) ? indexOf.value(parent) : -1);
        indexOf.insert(*it, int(nodes.size()));
        nodes.append(*it);
        array.append(NodeRecord(*it));
    }
    QString message;
    int bad = -1;
    if (!TWareCataSet::Renumber(array, parents, &message, &bad)) {
        setCurrentItem(nodes.value(bad));
        ShowWarning(message);
        return false;
    }
    for (int i = 0; i < nodes.size(); ++i) {
        array[i].Path = NodeRecord(nodes[i]).Path;
        SetNodeRecord(nodes[i], array[i]);
    }
    tree = array;
    return true;
}

bool TWarecataTree::SaveTree()
{
    RWareCatas tree;
    if (!BuildSaveArray(tree))
        return false;
    if (!TWareCataSet::SaveTree(tree))
        return false;
    int i = 0;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if (!IsSystemNode(*it))
            SetNodeRecord(*it, tree.value(i++));
    return true;
}

void TWarecataTree::UpdateFolderIcon(QTreeWidgetItem *item)
{
    if (IsSystemNode(item) && item->data(0, CodeRole).toString() != SysAll)
        item->setIcon(0, FolderIcon(item->isExpanded()));
}

void TWarecataTree::EmitChanged()
{
    emit Changed(SelectedWithPath());
}

void TWarecataTree::mousePressEvent(QMouseEvent *event)
{
    // A right click selects the node under the mouse before its menu opens.
    if (event->button() == Qt::RightButton)
        if (QTreeWidgetItem *item = itemAt(event->position().toPoint()))
            setCurrentItem(item);
    QTreeWidget::mousePressEvent(event);
}

void TWarecataTree::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_mode == TCataTreeMode::Browse)
        CataMenu()->popup(event->globalPos());
}

QMenu *TWarecataTree::CataMenu()
{
    if (m_menu)
        return m_menu;
    m_menu = new QMenu(this);
    m_menu->addAction(QStringLiteral("分类设置..."), this, [this] {
        try {
            if (EditCategories(window())) {
                Refresh();
                emit CategoriesEdited();
            }
        } catch (const EAbort &) {
            // The missing right was shown by the check.
        }
    });
    m_menu->addAction(QStringLiteral("刷新"), this, &TWarecataTree::Refresh);
    return m_menu;
}

void TWarecataTree::SetDragMoveEnabled(bool enabled)
{
    setDragEnabled(enabled);
    setAcceptDrops(enabled);
    setDropIndicatorShown(enabled);
    setDragDropMode(enabled ? QAbstractItemView::InternalMove : QAbstractItemView::NoDragDrop);
}

bool TWarecataTree::CanMoveTo(const QTreeWidgetItem *node, const QTreeWidgetItem *target)
{
    if (!node || IsSystemNode(node))
        return false;
    if (!target)
        return node->parent() != nullptr;
    if (target == node->parent())
        return false;
    for (const QTreeWidgetItem *p = target; p; p = p->parent())
        if (p == node)
            return false;
    return true;
}

bool TWarecataTree::MoveNode(QTreeWidgetItem *node, QTreeWidgetItem *target)
{
    if (!CanMoveTo(node, target))
        return false;
    QTreeWidgetItem *taken = nullptr;
    {
        const QSignalBlocker blocker(this);
        QTreeWidgetItem *parent = node->parent();
        taken = parent ? parent->takeChild(parent->indexOfChild(node))
                       : takeTopLevelItem(indexOfTopLevelItem(node));
        if (target) {
            target->addChild(taken);
            expandItem(target);
        } else {
            addTopLevelItem(taken);
        }
        setCurrentItem(taken);
    }
    EmitChanged();
    emit NodeMoved();
    return true;
}

QTreeWidgetItem *TWarecataTree::DropTarget(const QPoint &pos) const
{
    return itemAt(pos);
}

void TWarecataTree::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidget::dragMoveEvent(event);
    QTreeWidgetItem *target = DropTarget(event->position().toPoint());
    if (event->source() == this && CanMoveTo(currentItem(), target))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TWarecataTree::dropEvent(QDropEvent *event)
{
    // The tree does the move itself: always the last child, never between siblings.
    QTreeWidgetItem *target = DropTarget(event->position().toPoint());
    if (event->source() == this)
        MoveNode(currentItem(), target);
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}
