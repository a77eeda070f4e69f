#pragma once

#include "masterdata/ui/CategoryWindows.h"
#include "shell/ui/aFrm.h"

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class TDBGrid;
class TWareList;
class TWarecataTree;

// The goods picker of the supplier editor "选择": not modal, kept by its owner and shown again
// for every "添加". The category tree narrows the goods, "搜索(F3)" filters the grid quickly;
// Enter or a double click hands the current goods item to the owner's callback.
class TSuppwarePickFrm : public TaFrm
{
    Q_OBJECT
public:
    TSuppwarePickFrm(QWidget *owner, TWareCallback accept);
    ~TSuppwarePickFrm() override;

    void SetAccept(TWareCallback accept) { m_accept = std::move(accept); }
    TWareList *Wares() const { return m_wares.get(); }
    TWarecataTree *Tree() const { return m_tree; }
    TDBGrid *Grid() const { return m_grid; }
    QLineEdit *SearchEdit() const { return m_search; }
    QCheckBox *AutoHideBox() const { return m_autoHide; }
    bool Loaded() const { return m_loaded; }

    // Hands the current goods item to the callback; hides when it agrees and "自动隐藏" is on.
    bool AcceptCurrent();
    // Where the picker stands: 500 high, 30 above the screen's bottom, 150 right of the owner.
    static QRect Placement(const QRect &owner, const QRect &screen, int width);

protected:
    bool PreviewKey(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void LoadWares();
    void BuildPopup();

    std::unique_ptr<TWareList> m_wares;
    TWareCallback m_accept;
    TWarecataTree *m_tree;
    TDBGrid *m_grid;
    QLineEdit *m_search;
    QCheckBox *m_autoHide;
    QLabel *m_status;
    bool m_loaded = false;
};
