#include "grids/ui/xVisibleFrm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

TxVisibleFrm::TxVisibleFrm(QWidget *parent) : TADlgFrm(parent, QStringLiteral("xVisibleFrm"))
{
    setWindowTitle(QStringLiteral("列选择"));
    OkButton()->setText(QStringLiteral("确定(&Y)"));
    CancelButton()->setText(QStringLiteral("取消(&Q)"));
    m_grid = new TRowDragTable(0, 2, Client());
    m_grid->setHorizontalHeaderLabels({QStringLiteral("列名"), QStringLiteral("显示")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setFixedHeight(20);
    m_grid->setColumnWidth(0, 170);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setFixedSize(260, 280);
    m_up = new QPushButton(QStringLiteral("上移(&U)"), Client());
    m_down = new QPushButton(QStringLiteral("下移(&D)"), Client());
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(Client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row) { Toggle(row); });
    connect(m_grid, &TRowDragTable::RowDropped, this, &TxVisibleFrm::MoveTo);
    connect(m_up, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, &TxVisibleFrm::UpdateButtons);
    UpdateButtons();
}

void TxVisibleFrm::SetItems(const RColItems &items)
{
    m_items = items;
    m_ticks.clear();
    for (const RColItem &item : items)
        m_ticks << item.Visible;
    m_grid->setRowCount(int(items.size()));
    for (int r = 0; r < items.size(); ++r)
        ShowRow(r);
    UpdateButtons();
}

void TxVisibleFrm::ShowRow(int row)
{
    m_grid->setItem(row, 0, new QTableWidgetItem(m_items[row].Caption));
    auto *tick = new QTableWidgetItem(m_ticks[row] ? QStringLiteral("√") : QString());
    tick->setTextAlignment(Qt::AlignCenter);
    m_grid->setItem(row, 1, tick);
}

void TxVisibleFrm::Toggle(int row)
{
    if (row < 0 || row >= m_ticks.size())
        return;
    m_ticks[row] = !m_ticks[row];
    ShowRow(row);
}

void TxVisibleFrm::MoveSelected(int delta)
{
    const int row = m_grid->currentRow();
    if (row >= 0)
        MoveTo(row, row + delta);
}

void TxVisibleFrm::MoveTo(int from, int to)
{
    if (from < 0 || to < 0 || from >= m_items.size() || to >= m_items.size())
        return;
    m_items.move(from, to);
    m_ticks.move(from, to);
    for (int r = std::min(from, to); r <= std::max(from, to); ++r)
        ShowRow(r);
    m_grid->selectRow(to);
    UpdateButtons();
}

void TxVisibleFrm::UpdateButtons()
{
    const int row = m_grid->currentRow();
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row < m_grid->rowCount() - 1);
}

void TxVisibleFrm::OkClicked()
{
    for (int r = 0; r < m_items.size(); ++r)
        m_items[r].Visible = m_ticks[r];
    accept();
}
