#pragma once

#include "shell/ui/WinFrm.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <initializer_list>

class QAction;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class TBillGrid;
class TDataSet;
class TField;
class TksPopupMenu;

// The five states of a bill window.
enum TBillState { bsNew = 0, bsModify = 1, bsBrowse = 2, bsClosed = 3, bsAudited = 4 };

// A set of states, for the buttons that are enabled only in some of them.
using TBillStates = unsigned;
constexpr TBillStates InStates(std::initializer_list<TBillState> states)
{
    TBillStates set = 0;
    for (TBillState s : states)
        set |= 1u << s;
    return set;
}

// What a bill kind declares about its window besides its controls and record operations.
struct TBillKindDecl
{
    QString Name;           // the component name, also the help topic: "BuyBillFrm"
    QString Title;          // the title reads "<Title> - <state name>"
    int LineLayout = 0;     // saved layout of the line grid
    bool CanCopy = true;    // "复制" on the toolbar
};

// The window every bill kind shares: the toolbar, the five states and what each enables,
// the save, cancel, copy, delete, audit, navigation, find and print flows with their
// messages, the required header fields, the line grid with its side buttons, the status
// labels and the closing question. A kind places its header controls, binds its line set
// and implements the record operations (TBillFrmOf does most of them from the bill class).
class TBillFrm : public TWinFrm
{
    Q_OBJECT
public:
    TBillFrm(QWidget *owner, const TBillKindDecl &decl);
    ~TBillFrm() override;

    int State() const { return m_state; }
    static QString StateName(int state);

    // Loads the bill and shows it in the state it is in; "找不到单据" when it cannot.
    bool OpenBill(int id);
    // The empty bill in state 3 (a window opened on no bill).
    void ShowClosed();
    // Shows the current bill in the state it is in (0 when it has no key yet).
    void ShowCurrentBill();
    // Opens the window 30 pixels below and right of another window.
    void PlaceBelow(QWidget *other);

    // Toolbar, left to right.
    QAction *HelpAction1;
    QAction *SetupAction1;          // drops down the grid's menu
    QAction *DeleteAction1;
    QAction *CopyAction1;
    QAction *NewAction1;
    QAction *CancelAction1;
    QAction *SaveAction1;
    QAction *CheckAction1;          // "审核" or, in state 4, "反审"
    QAction *PrintAction1;
    QAction *FindAction1;
    QAction *PriorAction1;
    QAction *NextAction1;
    QAction *ExitAction1;
    // The line commands: side buttons and the grid menu.
    QAction *AddLineAction1;        // 添加明细
    QAction *DeleteLineAction1;     // 删除明细

    QLabel *LblCode1;
    TBillGrid *DBGrid1;
    QPushButton *btnAddLine;        // "增加明细"
    QPushButton *btnDeleteLine;     // "删除该行"
    QPushButton *btnRelated;        // "相关▼"

    void DeleteAction1Execute();
    void CopyAction1Execute();
    void NewAction1Execute();
    void CancelAction1Execute();
    // True when the bill was saved.
    bool SaveAction1Execute();
    void CheckAction1Execute();
    void PrintAction1Execute();
    void FindAction1Execute();
    void PriorAction1Execute();
    void NextAction1Execute();
    void AddLineAction1Execute();
    void DeleteLineAction1Execute();

    // In state 2 any change of the bill makes it state 1.
    void MarkChanged();
    // Whether the window is filling its controls (changes then are no changes).
    bool Showing() const { return m_showing > 0; }
    // The items the grid's menu, "设置" and "相关▼" show.
    TksPopupMenu *LineMenu() const;

protected:
    // ---- what a kind places ------------------------------------------------------------
    // A header control with its caption at a cell of the header grid (columns count
    // caption-control pairs); an ellipsis handler adds a "..." button beside it.
    QLabel *AddHeaderField(int row, int column, const QString &caption, QWidget *control,
                           std::function<void()> ellipsis = {}, int span = 1);
    // A control the save requires; checked in the order declared.
    void AddRequired(QLabel *caption, QWidget *control, std::function<bool()> filled);
    // A button below the standard side buttons, enabled in the given states.
    QPushButton *AddSideButton(const QString &caption, TBillStates states,
                               std::function<void()> onClick);
    // Binds the line set to the grid and to the change tracking.
    void SetLineSet(TDataSet *lines);
    TDataSet *LineSet() const { return m_lines; }
    // "制单人: %s" … "审核时间: %s".
    void ShowStatus(const QString &billman, const QVariant &billTime, const QString &checkman,
                    const QVariant &checkTime);
    // "NO. %s".
    void ShowCode(const QString &code);
    // Puts the cursor into the field's cell of the current line.
    void FocusLineCell(const TField *field);

    // The positions (1-based, grid order) of the lines without a quantity are named in one
    // box "明细表第 %s 数量不能为空"; true when every line has one.
    bool CheckLineQuantities(const TField *qty);
    // "对不起,保存操作失败,返回的提示如下:" and the text.
    static void ShowSaveFailure(const QString &error);

    // ---- the record operations of the kind --------------------------------------------
    // The bill becomes the current one (not shown); false when it cannot be loaded.
    virtual bool LoadCurrent(int id) = 0;
    virtual void ShowCurrent() = 0;
    virtual void ShowNew() = 0;
    virtual void ShowCopy() = 0;
    // The empty bill of state 3; it also becomes the current one.
    virtual void ShowEmpty() = 0;
    virtual int CurrentId() const = 0;
    virtual bool CurrentAudited() const = 0;
    virtual QString CurrentBillman() const = 0;
    virtual QString CurrentCode() const = 0;
    // Builds the record from the window (fresh in state 0, the current bill's copy in
    // state 1), checks its lines and saves it; on success it becomes the current bill.
    // Every refusal and failure has shown its message when this returns false.
    virtual bool SaveCurrent(bool fresh) = 0;
    virtual bool CheckDeleteCurrent(QString &text) = 0;
    virtual bool DeleteCurrent(QString &error) = 0;
    // Audits or un-audits the current bill; true when it changed.
    virtual bool CheckCurrent() = 0;
    virtual int PriorIdOfCurrent() const = 0;
    virtual int NextIdOfCurrent() const = 0;
    virtual void PrintCurrent() = 0;
    // Shows the finder modally over FinderList; true when a row was chosen.
    virtual bool RunFinder() = 0;
    // The finder's list (rows with an Id), nullptr before the first find.
    virtual TDataSet *FinderList() const = 0;
    // 添加明细: opens the kind's picker.
    virtual void AddLines() = 0;
    // Whether the current line may be removed; the reasons in text.
    virtual bool CheckLineDelete(QString &text);

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TRequired
    {
        QLabel *Caption;
        QString Text;
        QWidget *Control;
        std::function<bool()> Filled;
    };
    struct TSideButton
    {
        QPushButton *Button;
        TBillStates States;
    };
    // Fills the controls without counting it as a change.
    class TShowScope
    {
    public:
        explicit TShowScope(TBillFrm &form) : m_form(form) { ++m_form.m_showing; }
        ~TShowScope() { --m_form.m_showing; }

    private:
        TBillFrm &m_form;
    };

    void CreateToolBar();
    void CreateLineArea();
    QAction *AddTool(const QString &name, const QString &caption, int icon);
    void SetState(int state);
    void ApplyReadOnly(bool readOnly);
    int StateOfCurrent() const;
    bool CheckRequired();
    void OpenFinderRow(bool forward);
    void WatchControl(QWidget *control);
    void PlaceBelowMainWindow();
    void ShowGridMenu(QWidget *anchor);

    TBillKindDecl m_decl;
    int m_state = bsClosed;
    int m_showing = 0;
    bool m_placed = false;
    TDataSet *m_lines = nullptr;
    QToolBar *m_toolBar = nullptr;
    QGroupBox *m_header = nullptr;
    QGridLayout *m_headerGrid = nullptr;
    QWidget *m_sidePanel = nullptr;
    QVBoxLayout *m_sideLayout = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_billman = nullptr;
    QLabel *m_billTime = nullptr;
    QLabel *m_checkman = nullptr;
    QLabel *m_checkTime = nullptr;
    QList<TRequired> m_required;
    QList<TSideButton> m_sideButtons;
};
