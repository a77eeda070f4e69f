#pragma once

#include "masterdata/ui/MasterEditors.h"
#include "shell/ui/WinFrm.h"

#include <memory>

class IViewList;
class QAction;
class QLineEdit;
class QToolBar;
class TField;
class TksComboBox;
class QVBoxLayout;
class TDBGrid;

// The list window of one master table: its list object in a grid under the toolbar
// "添加" "修改" "删除" "刷新" "导入" "导出" "打印" "排序" "设置" " 退出 ". The window owns the
// list object and frees itself when closed.
class TInfoListFrm : public TWinFrm
{
    Q_OBJECT
public:
    TInfoListFrm(QWidget *owner, std::unique_ptr<IViewList> list, const QString &title,
                 int layoutId, const QString &name = QStringLiteral("InfoListFrm"));
    ~TInfoListFrm() override;

    // The window of one of the six tables, loaded.
    static TInfoListFrm *Create(QWidget *owner, TInfoKind kind);
    static QString TitleOf(TInfoKind kind);
    // A list window of that title that is open already comes to the front instead of a
    // second copy being opened; false when none is open.
    static bool ShowOpen(const QString &title);
    static int LayoutOf(TInfoKind kind);

    IViewList *List() const { return m_list.get(); }
    TDBGrid *Grid() const { return m_grid; }
    QToolBar *ToolBar() const { return m_toolBar; }
    // The toolbar action with that caption (trimmed), nullptr when none.
    QAction *Action(const QString &caption) const;

    void AddClick();
    void EditClick();
    void DeleteClick();
    void RefreshClick();
    void ImportClick();
    void PrintClick();
    // Drops the grid's menu down below the "设置" button.
    virtual void SetupClick();

    // The search row, when the window has one.
    TksComboBox *FieldCombo() const { return m_field; }
    QLineEdit *KeywordEdit() const { return m_keyword; }

protected:
    // The search row "搜索" [field] "关键字" [keyword] (not yet placed): every change filters
    // the list to the rows whose chosen field contains the keyword, taken as it stands
    // (quotes, % and _ are ordinary characters), replacing any other filter.
    QWidget *CreateSearchRow(const QList<TField *> &fields, int selected);
    void ApplyKeyword();
    // Where a subclass puts controls between the toolbar and the grid.
    QVBoxLayout *MainLayout() const { return m_layout; }
    // Runs a command; a refused right has already said so and only ends the command.
    void Run(const std::function<void()> &command);

private:
    std::unique_ptr<IViewList> m_list;
    QToolBar *m_toolBar;
    TDBGrid *m_grid;
    QVBoxLayout *m_layout;
    TksComboBox *m_field = nullptr;
    QLineEdit *m_keyword = nullptr;
};
