#pragma once

#include "masterdata/CataAssignSet.h"
#include "shell/ui/ADlgFrm.h"

#include <QHash>

class QGroupBox;
class QPushButton;
class TksEdit;
class TLookupCombo;
class TWarecataTree;
struct RWareCata;

// "采购分配": the default buyer of every goods category. Choices are kept in memory and
// written together by "确定".
class TCataAssignFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TCataAssignFrm(QWidget *owner);

    TWarecataTree *Tree() const { return m_tree; }
    TksEdit *PathEdit() const { return m_path; }
    TLookupCombo *BuyerCombo() const { return m_buyer; }
    QPushButton *PickButton() const { return m_pick; }
    // The buyer chosen for a category code; none when unassigned.
    std::optional<int> BuyerOf(const QString &code) const;

protected:
    void OkClicked() override;
    bool event(QEvent *event) override;

private:
    void CategoryChanged(const RWareCata &cata);
    void BuyerChanged();

    TWarecataTree *m_tree;
    QGroupBox *m_box;
    TksEdit *m_path;
    TLookupCombo *m_buyer;
    QPushButton *m_pick;
    RCataAssigns m_assigns;
    QHash<QString, int> m_indexOfCode;      // into m_assigns
    QString m_code;                         // the category being shown
};
