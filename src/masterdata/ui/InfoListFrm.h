#pragma once

#include "masterdata/ui/MasterEditors.h"
#include "shell/ui/WinFrm.h"

#include <memory>

class IViewList;
class QAction;
class QToolBar;
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

protected:
    // Where a subclass puts controls between the toolbar and the grid.
    QVBoxLayout *MainLayout() const { return m_layout; }
    // Runs a command; a refused right has already said so and only ends the command.
    void Run(const std::function<void()> &command);

private:
    std::unique_ptr<IViewList> m_list;
    QToolBar *m_toolBar;
    TDBGrid *m_grid;
    QVBoxLayout *m_layout;
};
