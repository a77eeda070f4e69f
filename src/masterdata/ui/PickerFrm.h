#pragma once

#include "shell/ui/ADlgFrm.h"

class QLineEdit;
class QPushButton;

class IViewList;
class TksDBGrid;

// The list picker "选择": a read-only row grid over a list object with a search box, the
// filter dialog, the grid's menu, "确定", "取消" and "新添". Add, modify and delete go to
// the list object; "确定" and a double click hand the current row to its pick callback and
// close when that accepts it.
class TPickerFrm : public TaFrm
{
    Q_OBJECT
public:
    TPickerFrm(QWidget *owner, IViewList *list, int layoutId);
    TksDBGrid *Grid() const { return m_grid; }
    QLineEdit *SearchEdit() const { return m_search; }
    QPushButton *OkButton() const { return m_ok; }
    QPushButton *NewButton() const { return m_new; }

    void AcceptCurrent();
    void AddClick();

    // Modal; true when a row was picked.
    static bool Pick(QWidget *owner, IViewList &list, int layoutId);

protected:
    // Down or Enter in the search box go into the grid; Enter in the grid picks.
    bool PreviewKey(QKeyEvent *event) override;

private:
    void BuildMenu();

    IViewList *m_list;
    TksDBGrid *m_grid = nullptr;
    QLineEdit *m_search = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_new = nullptr;
};
