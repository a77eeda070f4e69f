#pragma once

#include "masterdata/ui/CategoryWindows.h"
#include "shell/ui/ADlgFrm.h"

class QPushButton;
class QTreeWidgetItem;
class TWarecataTree;

// The category picker "选择": the tree positioned on a code. "确定" (or a double click on a
// category without sub-categories) hands the selected category to the accept callback and
// closes only when it agrees; "设置" opens the category editor and refreshes after a save.
class TWarecataPickerFrm : public TADlgFrm
{
    Q_OBJECT
public:
    TWarecataPickerFrm(QWidget *owner, const QString &code, TCataTreeMode mode,
                       TCataCallback accept, const QString &name = QStringLiteral(
                           "WarecataPickerFrm"));

    TWarecataTree *Tree() const { return m_tree; }
    QPushButton *SettingsButton() const { return m_settings; }

protected:
    void OkClicked() override;

private:
    void TreeDoubleClicked(QTreeWidgetItem *item);
    void SettingsClicked();

    TWarecataTree *m_tree;
    QPushButton *m_settings;
    TCataCallback m_accept;
};
