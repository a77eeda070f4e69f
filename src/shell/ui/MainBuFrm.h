#pragma once

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class TActionListView;
class TPictureButton;

// The main window: banner, navigation bar, the operator's desktop of function icons, the
// master-data strip, two hint lines and the main menu.
class TmainBuFrm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TmainBuFrm(QWidget *parent = nullptr);
    ~TmainBuFrm() override;

    // The login lives in a module above this one: the program hands it in.
    std::function<bool(QWidget *parent)> LoginDialogHook;
    std::function<bool(const QString &login, const QString &password)> LoginWithHook;
    // The command-line parameters (without the program).
    QStringList Arguments;
    // Runs after the other windows are closed and the desktop is saved: backup, disconnect,
    // compaction.
    std::function<void()> AfterClose;

    // At start-up three parameters log in with the first two; otherwise the dialog asks.
    bool DoLogin(bool atStartup);
    void RebuildDesktop();
    void BuildToolsMenu();
    // Enables every item whose window is installed.
    void UpdateActionStates();
    void SaveDesktop();

    QAction *FindAction(const QString &name) const;
    // Runs an action as its menu item or icon does (right check first); a refusal raises
    // EAbort here, where the menu item hands it to the error handler.
    void ExecuteAction(const QString &name);
    QList<QAction *> DesktopActions() const;

    TActionListView *ListView1;     // the personal desktop
    TActionListView *ListView2;     // the master-data strip
    QLabel *Label8;
    QLabel *Label9;
    QMenu *ToolsMenu() const { return m_toolsMenu; }
    QMenu *PopupMenu1() const { return m_popup; }

    static const QStringList &DesktopActionNames();
    // The arrangement of an operator who has never placed an icon.
    static QString DefaultLayout();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct TActionDef;
    void CreateActions();
    void CreateMenus();
    QWidget *CreateBanner();
    QWidget *CreateNavigation();
    QWidget *CreateBottom();
    void CreateDesktops();
    void RunDef(const TActionDef &def);
    void ShowPopup(TActionListView *view, const QPoint &pos);
    void SelectionChanged(TActionListView *view);
    void OpenShippedText(const QString &name);
    void RenameCaptions();

    QHash<QString, QAction *> m_actions;
    QMenu *m_toolsMenu = nullptr;
    QMenu *m_popup = nullptr;
    TPictureButton *m_buyButton = nullptr;
    bool m_closing = false;
    QString m_loginId;      // whose desktop is shown
};
