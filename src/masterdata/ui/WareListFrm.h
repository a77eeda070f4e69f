#pragma once

#include "masterdata/WareCataSet.h"
#include "masterdata/ui/InfoListFrm.h"

class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class TksComboBox;
class TLookupEdit;
class TWareList;
class TWarecataTree;

// "货物资料": the category tree in browse mode beside the goods grid. A category narrows the
// grid to its goods and everything below it; the search row narrows it by one field; "移动"
// moves every goods item of one category into another.
class TWareListFrm : public TInfoListFrm
{
    Q_OBJECT
public:
    explicit TWareListFrm(QWidget *owner);

    TWareList *Wares() const;
    TWarecataTree *Tree() const { return m_tree; }
    TLookupEdit *FromEdit() const { return m_from; }
    TLookupEdit *ToEdit() const { return m_to; }
    QStackedWidget *Pages() const { return m_pages; }

    // The goods with empty criteria; the tree's category still applies.
    void LoadGoods();
    // Shows the move panel (right 1014).
    void MoveClick();
    // "确定" of the move panel: moves the goods and says how many; true when the list shows
    // again.
    bool MoveGoods();
    void CloseMovePanel();
    void SetupClick() override;

private:
    QWidget *CreateMovePanel();
    void CategoryChanged(const RWareCata &cata);
    void PickInto(TLookupEdit *edit);

    TWarecataTree *m_tree;
    TLookupEdit *m_from = nullptr;
    TLookupEdit *m_to = nullptr;
    QStackedWidget *m_pages;
    QMenu *m_setupMenu;
};
