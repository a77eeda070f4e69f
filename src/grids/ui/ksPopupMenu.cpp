#include "grids/ui/ksPopupMenu.h"

#include <QAction>

TksPopupMenu::TksPopupMenu(QWidget *parent) : QMenu(parent) {}

namespace {
void InsertAt(QMenu *menu, QAction *item, int index)
{
    const QList<QAction *> items = menu->actions();
    if (index < 0 || index >= items.size())
        menu->addAction(item);
    else
        menu->insertAction(items[index], item);
}
} // namespace

QAction *TksPopupMenu::AddActionItem(QMenu *menu, QAction *action, int index, QMenu *parentItem)
{
    InsertAt(parentItem ? parentItem : menu, action, index);
    return action;
}

QAction *TksPopupMenu::AddCommandItem(QMenu *menu, const QString &caption, bool atTop,
                                      std::function<void()> onClick, QObject *context)
{
    auto *item = new QAction(caption, menu);
    if (onClick)
        QObject::connect(item, &QAction::triggered, context ? context : menu,
                         [onClick = std::move(onClick)] { onClick(); });
    InsertAt(menu, item, atTop ? 0 : -1);
    return item;
}

QAction *TksPopupMenu::AddSeparator(QMenu *menu, int index, QMenu *parentItem)
{
    QMenu *target = parentItem ? parentItem : menu;
    auto *item = new QAction(target);
    item->setSeparator(true);
    InsertAt(target, item, index);
    return item;
}
