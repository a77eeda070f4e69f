#pragma once

#include <QMenu>

#include <functional>

class QAction;

// The popup menu of grids and windows, with the builders every window uses to add items.
class TksPopupMenu : public QMenu
{
    Q_OBJECT
public:
    explicit TksPopupMenu(QWidget *parent = nullptr);

    // An item bound to the action at the index (-1: at the end) of the parent (or the menu).
    static QAction *AddActionItem(QMenu *menu, QAction *action, int index = -1,
                                  QMenu *parentItem = nullptr);
    // A command item; at the top when atTop is set (so later items stand above earlier ones).
    static QAction *AddCommandItem(QMenu *menu, const QString &caption, bool atTop,
                                   std::function<void()> onClick, QObject *context = nullptr);
    static QAction *AddSeparator(QMenu *menu, int index = -1, QMenu *parentItem = nullptr);
};
