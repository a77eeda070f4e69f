#pragma once

#include "data/Labels.h"
#include "shell/ui/ADlgFrm.h"

#include <QStringList>

class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The options dialog: decimal places, label definitions and pick lists. Everything is edited
// in memory and stored together by "确定" in one transaction.
class TOptionEdtFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TOptionEdtFrm(QWidget *parent = nullptr);

    QTabWidget *PageControl1 = nullptr;
    QSpinBox *edtQtyDecimals = nullptr;
    QSpinBox *edtPriceDecimals = nullptr;
    QTreeWidget *TreeView1 = nullptr;
    QTableWidget *ValueListEditor1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

    // The labels and pick lists as edited so far.
    const TLabels &Labels() const { return m_labels; }
    QString PickListText(int key) const { return m_lists.value(key); }

protected:
    void OkClicked() override;

private:
    QWidget *BuildPurchasePage();
    QWidget *BuildDecimalsPage();
    QWidget *BuildLabelsPage();
    QWidget *BuildPickListsPage();
    void TreeView1Change(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void StoreLabelRows();
    void ShowLabelGroup(int group);
    void ListBox1Click(int row);
    void Memo1Exit();
    void Save();

    TLabels m_labels;
    QStringList m_lists;
    int m_group = -1;
    int m_list = -1;
};
