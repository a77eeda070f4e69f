#include "grids/ui/SortFrm.h"

#include "data/DataSet.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString DirectionText(const QString &dir)
{
    if (dir == QLatin1String("ASC"))
        return QStringLiteral("升序");
    if (dir == QLatin1String("DESC"))
        return QStringLiteral("降序");
    return QString();
}
} // namespace

TSortFrm::TSortFrm(QWidget *parent) : TADlgFrm(parent, QStringLiteral("SortFrm"))
{
    setWindowTitle(QStringLiteral("排序"));
    OkButton()->setText(QStringLiteral("确定(&Y)"));
    CancelButton()->setText(QStringLiteral("取消(&Q)"));
    m_grid = new TRowDragTable(0, 2, Client());
    m_grid->setHorizontalHeaderLabels({QStringLiteral("列名"), QStringLiteral("排序方式")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setFixedHeight(20);
    m_grid->setColumnWidth(0, 170);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setToolTip(QStringLiteral("双击可改变当前值"));
    m_grid->setFixedSize(280, 260);
    m_up = new QPushButton(QStringLiteral("上移(&U)"), Client());
    m_down = new QPushButton(QStringLiteral("下移(&D)"), Client());
    auto *hint = new QLabel(QStringLiteral("提示:双击空白处切换排序方式(升/降/无),"
                                           "单击上下移动键调整优先顺序"), Client());
    hint->setWordWrap(true);
    hint->setFixedWidth(370);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    buttons->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(m_grid);
    row->addLayout(buttons);
    auto *layout = new QVBoxLayout(Client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(hint);
    connect(m_up, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(m_grid, &TRowDragTable::RowDropped, this, &TSortFrm::MoveTo);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int r) { CycleDirection(r); });
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, &TSortFrm::UpdateButtons);
    UpdateButtons();
}

void TSortFrm::Fill(TDataSet *dataSet, bool allFields)
{
    m_names.clear();
    m_labels.clear();
    m_dirs.clear();
    for (const TField *f : dataSet->Fields()) {
        if (f->DataType() == TFieldType::Memo || f->DataType() == TFieldType::Blob)
            continue;
        if (!f->Visible && !allFields)
            continue;
        m_names << f->FieldName;
        m_labels << f->Label();
        m_dirs << QString();
    }
    m_grid->setRowCount(int(m_names.size()));
    for (int r = 0; r < m_names.size(); ++r)
        ShowRow(r);
    UpdateButtons();
}

void TSortFrm::ShowRow(int row)
{
    m_grid->setItem(row, 0, new QTableWidgetItem(m_labels[row]));
    m_grid->setItem(row, 1, new QTableWidgetItem(DirectionText(m_dirs[row])));
}

void TSortFrm::MoveRow(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= m_names.size() || to >= m_names.size())
        return;
    m_names.move(from, to);
    m_labels.move(from, to);
    m_dirs.move(from, to);
    for (int r = std::min(from, to); r <= std::max(from, to); ++r)
        ShowRow(r);
}

void TSortFrm::SetSortString(const QString &text)
{
    // Entries at commas, each a field name with an optional direction (ascending by default).
    int position = 0;
    for (const QString &entry : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = entry.simplified().split(u' ', Qt::SkipEmptyParts);
        const int row = int(m_names.indexOf(words.value(0)));
        if (row < 0)
            continue;
        m_dirs[row] = words.value(1).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0
            ? QStringLiteral("DESC") : QStringLiteral("ASC");
        ShowRow(row);
        MoveRow(row, position++);
    }
}

QString TSortFrm::SortString() const
{
    QStringList entries;
    for (int r = 0; r < m_names.size(); ++r)
        if (!m_dirs[r].isEmpty())
            entries << m_names[r] + u' ' + m_dirs[r];
    return entries.join(u',');
}

QString TSortFrm::SortLabels() const
{
    QStringList entries;
    for (int r = 0; r < m_names.size(); ++r)
        if (!m_dirs[r].isEmpty())
            entries << m_labels[r] + u' ' + DirectionText(m_dirs[r]);
    return entries.join(u',');
}

void TSortFrm::CycleDirection(int row)
{
    if (row < 0 || row >= m_dirs.size())
        return;
    QString &dir = m_dirs[row];
    dir = dir.isEmpty() ? QStringLiteral("ASC")
        : dir == QLatin1String("ASC") ? QStringLiteral("DESC") : QString();
    ShowRow(row);
}

void TSortFrm::MoveSelected(int delta)
{
    const int row = m_grid->currentRow();
    if (row >= 0)
        MoveTo(row, row + delta);
}

void TSortFrm::MoveTo(int from, int to)
{
    if (from < 0 || to < 0 || from >= m_names.size() || to >= m_names.size())
        return;
    MoveRow(from, to);
    m_grid->selectRow(to);
    UpdateButtons();
}

void TSortFrm::UpdateButtons()
{
    const int row = m_grid->currentRow();
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row < m_grid->rowCount() - 1);
}
