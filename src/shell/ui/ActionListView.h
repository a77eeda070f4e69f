#pragma once

#include <QHash>
#include <QList>
#include <QListWidget>
#include <QPoint>
#include <QString>

#include <functional>

class QAction;

// The remembered place of one desktop icon.
struct RListItem
{
    QString Name;       // the action's object name
    int X = 10;
    int Y = 10;
};
using RListItems = QList<RListItem>;

// An icon view of actions: the personal desktop (icons dragged freely, positions kept per
// operator in operator.Menus as "Name=x,y" lines) and the master-data strip.
class TActionListView : public QListWidget
{
    Q_OBJECT
public:
    TActionListView(QWidget *parent, bool freeIcons);

    // The action behind a name (the main window's actions).
    std::function<QAction *(const QString &name)> ActionFinder;

    QListWidgetItem *AddAction(QAction *action);
    QAction *FindAction(const QString &name) const;
    QAction *ActionOf(const QListWidgetItem *item) const;
    QString ActionName(const QListWidgetItem *item) const;
    QListWidgetItem *ItemOf(const QString &name) const;

    // The positions of the actions' icons, read from an operator's Menus text.
    void LoadLayout(const QList<QAction *> &actions, const QString &menus);
    void ApplyPositions();
    void CapturePositions();
    // The Menus text with every kept position written into it, other lines left as they are.
    QString SaveLayout(const QString &menus) const;
    const RListItems &Items() const { return m_items; }

    QPoint IconPosition(const QListWidgetItem *item) const;
    void SetIconPosition(QListWidgetItem *item, const QPoint &position);
    void AlignTop();
    void AlignLeft();
    void RemoveSelected();

    // "x,y" → a position; no comma, unreadable or "0,0" give the default 10,10.
    static QPoint ParsePosition(const QString &value);
    // The value of a "Name=value" line of a Menus text; empty when there is none.
    static QString LineValue(const QString &menus, const QString &name);
    static QString SetLineValue(const QString &menus, const QString &name, const QString &value);

    // The view lays its icons out afresh when shown, resized or changed: placed icons go back
    // where they were put.
    void doItemsLayout() override;

protected:
    void dropEvent(QDropEvent *event) override;

private:
    void RememberPositions();
    RListItems m_items;
    QHash<QString, QPoint> m_placed;
};
