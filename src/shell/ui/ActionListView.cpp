#include "shell/ui/ActionListView.h"

#include <QAction>
#include <QDropEvent>
#include <QRegularExpression>

namespace {
constexpr int NameRole = Qt::UserRole + 1;

QStringList MenusLines(const QString &menus)
{
    return menus.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
}
} // namespace

TActionListView::TActionListView(QWidget *parent, bool freeIcons) : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setIconSize(QSize(32, 32));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setResizeMode(QListView::Fixed);
    setWordWrap(true);
    setSpacing(10);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    if (freeIcons) {
        // Icons go where the operator drops them; the view never rearranges them.
        setMovement(QListView::Free);
        setDragEnabled(true);
        setDragDropMode(QAbstractItemView::InternalMove);
        setDefaultDropAction(Qt::MoveAction);
    } else {
        setMovement(QListView::Static);
        setFlow(QListView::LeftToRight);
        setWrapping(false);
        setDragEnabled(false);
    }
}

QListWidgetItem *TActionListView::AddAction(QAction *action)
{
    auto *item = new QListWidgetItem(action->icon(), action->text());
    item->setData(NameRole, action->objectName());
    item->setSizeHint(QSize(96, 66));
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    item->setToolTip(action->statusTip().isEmpty() ? action->text() : action->statusTip());
    if (!action->isEnabled())
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    addItem(item);
    return item;
}

QAction *TActionListView::FindAction(const QString &name) const
{
    return ActionFinder ? ActionFinder(name) : nullptr;
}

QString TActionListView::ActionName(const QListWidgetItem *item) const
{
    return item ? item->data(NameRole).toString() : QString();
}

QAction *TActionListView::ActionOf(const QListWidgetItem *item) const
{
    return item ? FindAction(ActionName(item)) : nullptr;
}

QListWidgetItem *TActionListView::ItemOf(const QString &name) const
{
    for (int i = 0; i < count(); ++i)
        if (ActionName(item(i)) == name)
            return item(i);
    return nullptr;
}

QPoint TActionListView::ParsePosition(const QString &value)
{
    const int comma = value.indexOf(u',');
    if (comma < 0)
        return {10, 10};
    bool okX = false;
    bool okY = false;
    const int x = value.left(comma).trimmed().toInt(&okX);
    const int y = value.mid(comma + 1).trimmed().toInt(&okY);
    if (!okX || !okY || (x == 0 && y == 0))
        return {10, 10};
    return {x, y};
}

QString TActionListView::LineValue(const QString &menus, const QString &name)
{
    const QString prefix = name + u'=';
    for (const QString &line : MenusLines(menus))
        if (line.startsWith(prefix, Qt::CaseInsensitive))
            return line.mid(prefix.size());
    return QString();
}

QString TActionListView::SetLineValue(const QString &menus, const QString &name,
                                      const QString &value)
{
    QStringList lines = MenusLines(menus);
    const QString prefix = name + u'=';
    bool found = false;
    for (QString &line : lines) {
        if (line.startsWith(prefix, Qt::CaseInsensitive)) {
            line = prefix + value;
            found = true;
            break;
        }
    }
    if (!found)
        lines.append(prefix + value);
    return lines.join(QStringLiteral("\r\n"));
}

void TActionListView::LoadLayout(const QList<QAction *> &actions, const QString &menus)
{
    m_items.clear();
    for (const QAction *action : actions) {
        const QPoint p = ParsePosition(LineValue(menus, action->objectName()));
        m_items.append({action->objectName(), p.x(), p.y()});
    }
}

QPoint TActionListView::IconPosition(const QListWidgetItem *item) const
{
    return rectForIndex(indexFromItem(item)).topLeft();
}

void TActionListView::SetIconPosition(QListWidgetItem *item, const QPoint &position)
{
    m_placed.insert(ActionName(item), position);
    setPositionForIndex(position, indexFromItem(item));
}

void TActionListView::doItemsLayout()
{
    QListWidget::doItemsLayout();
    if (movement() != QListView::Free)
        return;
    for (int i = 0; i < count(); ++i) {
        const auto placed = m_placed.constFind(ActionName(item(i)));
        if (placed != m_placed.constEnd())
            setPositionForIndex(placed.value(), indexFromItem(item(i)));
    }
}

void TActionListView::RememberPositions()
{
    for (int i = 0; i < count(); ++i)
        m_placed.insert(ActionName(item(i)), IconPosition(item(i)));
}

void TActionListView::dropEvent(QDropEvent *event)
{
    // Only icons dragged inside the desktop move; the drop moves every selected one.
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QListWidget::dropEvent(event);
    RememberPositions();
}

void TActionListView::ApplyPositions()
{
    for (int i = 0; i < count(); ++i) {
        const QString name = ActionName(item(i));
        for (const RListItem &r : std::as_const(m_items)) {
            if (r.Name == name) {
                SetIconPosition(item(i), {r.X, r.Y});
                break;
            }
        }
    }
    viewport()->update();
}

void TActionListView::CapturePositions()
{
    for (int i = 0; i < count(); ++i) {
        const QString name = ActionName(item(i));
        const QPoint p = IconPosition(item(i));
        for (RListItem &r : m_items) {
            if (r.Name == name) {
                r.X = p.x();
                r.Y = p.y();
                break;
            }
        }
    }
}

QString TActionListView::SaveLayout(const QString &menus) const
{
    QString text = menus;
    for (const RListItem &r : m_items)
        text = SetLineValue(text, r.Name, QStringLiteral("%1,%2").arg(r.X).arg(r.Y));
    return text;
}

void TActionListView::AlignTop()
{
    const QList<QListWidgetItem *> items = selectedItems();
    QListWidgetItem *focused = currentItem();
    if (items.size() < 2 || !focused || !focused->isSelected())
        return;
    const int top = IconPosition(focused).y();
    for (QListWidgetItem *item : items)
        SetIconPosition(item, {IconPosition(item).x(), top});
    viewport()->update();
}

void TActionListView::AlignLeft()
{
    const QList<QListWidgetItem *> items = selectedItems();
    QListWidgetItem *focused = currentItem();
    if (items.size() < 2 || !focused || !focused->isSelected())
        return;
    const int left = IconPosition(focused).x();
    for (QListWidgetItem *item : items)
        SetIconPosition(item, {left, IconPosition(item).y()});
    viewport()->update();
}

void TActionListView::RemoveSelected()
{
    // Removing rows lays the view out afresh: the icons left keep their places.
    QList<QPair<QListWidgetItem *, QPoint>> kept;
    for (int i = 0; i < count(); ++i)
        if (!item(i)->isSelected())
            kept.append({item(i), IconPosition(item(i))});
    for (QListWidgetItem *item : selectedItems())
        delete item;
    doItemsLayout();
    for (const auto &[item, position] : kept)
        SetIconPosition(item, position);
    viewport()->update();
}
