#include "config/ui/OptionEdtFrm.h"

#include "config/KeyValue.h"
#include "config/PickList.h"
#include "config/Settings.h"
#include "data/Database.h"
#include "data/Exceptions.h"
#include "data/Messages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Rows tall enough for the Chinese face: its glyphs reach beyond the default row height.
void SetRowHeights(QListWidget *list)
{
    const int height = list->fontMetrics().height() + 6;
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSizeHint(QSize(0, height));
}

QSpinBox *NewDecimalsEdit(QWidget *parent, const QString &name, int key)
{
    auto *edit = new QSpinBox(parent);
    edit->setObjectName(name);
    edit->setRange(0, 100);
    edit->setValue(TKeyValue::GetIntDef(key, 0));
    edit->setMinimumWidth(80);
    return edit;
}
} // namespace

TOptionEdtFrm::TOptionEdtFrm(QWidget *parent) : TADlgFrm(parent, QStringLiteral("OptionEdtFrm"))
{
    setWindowTitle(QStringLiteral("选项"));
    for (int key = 0; key < TPickList::Names().size(); ++key) {
        QString text;
        TPickList::ReadPickList(key, text);
        m_lists.append(text);
    }
    PageControl1 = new QTabWidget(Client());
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(BuildPurchasePage(), QStringLiteral("采购选项"));
    PageControl1->addTab(BuildDecimalsPage(), QStringLiteral("小数位"));
    PageControl1->addTab(BuildLabelsPage(), QStringLiteral("标签定义"));
    PageControl1->addTab(BuildPickListsPage(), QStringLiteral("下拉选项"));
    PageControl1->setFixedSize(480, 340);
    auto *note = new QLabel(QStringLiteral("部份设置需在下次启动后生效！"), Client());
    note->setStyleSheet(QStringLiteral("color: #a00000;"));
    auto *layout = new QVBoxLayout(Client());
    layout->addWidget(PageControl1);
    layout->addWidget(note);
    TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
    ListBox1->setCurrentRow(0);
}

QWidget *TOptionEdtFrm::BuildPurchasePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("无选项"), page), 0, Qt::AlignLeft | Qt::AlignTop);
    return page;
}

QWidget *TOptionEdtFrm::BuildDecimalsPage()
{
    auto *page = new QWidget;
    auto *group = new QGroupBox(QStringLiteral("小数位"), page);
    edtQtyDecimals = NewDecimalsEdit(group, QStringLiteral("edtQtyDecimals"), skQtyDecimals);
    edtPriceDecimals = NewDecimalsEdit(group, QStringLiteral("edtPriceDecimals"),
                                       skPriceDecimals);
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("数量"), edtQtyDecimals);
    form->addRow(QStringLiteral("单价"), edtPriceDecimals);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget *TOptionEdtFrm::BuildLabelsPage()
{
    auto *page = new QWidget;
    TreeView1 = new QTreeWidget(page);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setFixedWidth(110);
    const int height = TreeView1->fontMetrics().height() + 6;
    for (const RLabelGroup &group : LabelGroups())
        (new QTreeWidgetItem(TreeView1, {group.Name}))->setSizeHint(0, QSize(0, height));
    ValueListEditor1 = new QTableWidget(0, 2, page);
    ValueListEditor1->setObjectName(QStringLiteral("ValueListEditor1"));
    ValueListEditor1->setHorizontalHeaderLabels({QStringLiteral("项目"), QStringLiteral("名称")});
    ValueListEditor1->verticalHeader()->hide();
    ValueListEditor1->verticalHeader()->setDefaultSectionSize(22);
    ValueListEditor1->horizontalHeader()->setStretchLastSection(true);
    ValueListEditor1->setColumnWidth(0, 130);
    ValueListEditor1->setSelectionMode(QAbstractItemView::SingleSelection);
    ValueListEditor1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(TreeView1);
    layout->addWidget(ValueListEditor1, 1);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TOptionEdtFrm::TreeView1Change);
    return page;
}

QWidget *TOptionEdtFrm::BuildPickListsPage()
{
    auto *page = new QWidget;
    ListBox1 = new QListWidget(page);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems(TPickList::Names());
    SetRowHeights(ListBox1);
    ListBox1->setFixedWidth(130);
    Memo1 = new QPlainTextEdit(page);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(ListBox1);
    layout->addWidget(Memo1, 1);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TOptionEdtFrm::ListBox1Click);
    // Kept as typed, so that switching lists or confirming never loses an edit.
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TOptionEdtFrm::Memo1Exit);
    return page;
}

void TOptionEdtFrm::TreeView1Change(QTreeWidgetItem *current, QTreeWidgetItem *)
{
    StoreLabelRows();
    ShowLabelGroup(current ? TreeView1->indexOfTopLevelItem(current) : -1);
}

void TOptionEdtFrm::StoreLabelRows()
{
    for (int row = 0; row < ValueListEditor1->rowCount(); ++row)
        m_labels.SetLabel(ValueListEditor1->item(row, 0)->text(),
                          ValueListEditor1->item(row, 1)->text());
}

void TOptionEdtFrm::ShowLabelGroup(int group)
{
    m_group = group;
    const QStringList names = group >= 0 ? LabelGroups().at(group).Names : QStringList();
    ValueListEditor1->setRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        auto *name = new QTableWidgetItem(names[row]);
        name->setFlags(Qt::ItemIsEnabled);
        name->setBackground(palette().color(QPalette::Button));
        ValueListEditor1->setItem(row, 0, name);
        ValueListEditor1->setItem(row, 1, new QTableWidgetItem(m_labels.GetLabel(names[row])));
    }
}

void TOptionEdtFrm::ListBox1Click(int row)
{
    m_list = -1;                // no edit while the memo is refilled
    Memo1->setPlainText(row >= 0 ? m_lists.value(row) : QString());
    m_list = row;
}

void TOptionEdtFrm::Memo1Exit()
{
    if (m_list >= 0 && m_list < m_lists.size())
        m_lists[m_list] = Memo1->toPlainText();
}

void TOptionEdtFrm::Save()
{
    StoreLabelRows();
    TDatabase &db = TheDatabase();
    db.BeginTrans();
    try {
        TKeyValue::SetValue(skQtyDecimals, edtQtyDecimals->value());
        TKeyValue::SetValue(skPriceDecimals, edtPriceDecimals->value());
        m_labels.SaveLabels();
        for (int key = 0; key < m_lists.size(); ++key)
            TPickList::WritePickList(key, m_lists[key]);
        db.CommitTrans();
    } catch (...) {
        db.RollbackTrans();
        throw;
    }
}

void TOptionEdtFrm::OkClicked()
{
    // An open cell editor hands its text over first.
    ValueListEditor1->setFocus();
    try {
        Save();
    } catch (const EDatabaseError &e) {
        ShowInfo(QStringLiteral("选项没有保存:\n") + e.Message());
        return;
    }
    LoadCommonSettings();
    accept();
}
