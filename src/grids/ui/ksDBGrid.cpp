#include "grids/ui/ksDBGrid.h"

#include "config/Operator.h"
#include "data/DataSet.h"
#include "data/DataSetModel.h"
#include "data/Messages.h"
#include "grids/DataExport.h"
#include "grids/GridLayout.h"
#include "grids/ui/BatchUpdateFrm.h"
#include "grids/ui/DataExporterFrm.h"
#include "grids/ui/FltrDlgFrm.h"
#include "grids/ui/GridDelegate.h"
#include "grids/ui/GridFooter.h"
#include "grids/ui/GridHeader.h"
#include "grids/ui/SortFrm.h"
#include "grids/ui/ksPopupMenu.h"
#include "grids/ui/xVisibleFrm.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int RightExport = 10004;
constexpr int RightSaveLayout = 10006;
constexpr int RightPickColumns = 10008;
constexpr int FooterHeight = 20;

bool OpenWithDesktop(const QString &path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop opens any file with something; only a registered program counts here.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"),
                 QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml."
                                "sheet")});
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)
        && (!query.waitForFinished(3000) || query.readAllStandardOutput().trimmed().isEmpty()))
        return false;
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString AskFileName(QWidget *parent, const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent, QStringLiteral("保存"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
} // namespace

std::function<bool(const QString &)> TksDBGrid::OpenDocument = OpenWithDesktop;
std::function<QString(QWidget *, const QString &, const QString &)>
    TksDBGrid::AskSaveFileName = AskFileName;

TksDBGrid::TksDBGrid(QWidget *parent) : QTableView(parent)
{
    m_model = new TDataSetModel(nullptr, this);
    m_header = new TGridHeader(this);
    setHorizontalHeader(m_header);
    m_delegate = new TGridDelegate(this);
    setItemDelegate(m_delegate);
    setModel(m_model);
    m_footer = new TGridFooter(this);
    m_footer->hide();
    m_popup = new TksPopupMenu(this);

    // Title clicks sort; they do not select the column.
    disconnect(m_header, &QHeaderView::sectionPressed, this, &QTableView::selectColumn);
    disconnect(m_header, SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)));
    connect(m_header, &QHeaderView::sectionClicked, this, [this](int logical) {
        TitleClick(logical, m_header->LastModifiers().testFlag(Qt::ControlModifier));
    });
    connect(m_header, &QHeaderView::sectionMoved, this, &TksDBGrid::OnSectionMoved);
    connect(m_header, &QHeaderView::sectionResized, this, &TksDBGrid::OnSectionResized);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TksDBGrid::OnModelReset);
    connect(m_model, &TDataSetModel::CurrentRowChanged, this, &TksDBGrid::OnDataSetCurrent);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, signal, this, &TksDBGrid::InvalidateSums);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &TksDBGrid::InvalidateSums);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));

    // Rows of one height: the view never measures the rows it does not show.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(16, fontMetrics().height() + 4));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setAlternatingRowColors(false);
    setFrameShape(QFrame::StyledPanel);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        m_popup->popup(viewport()->mapToGlobal(pos));
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (DataSet() && index.isValid())
            emit CellClick(DataSet()->Field(index.column()));
    });
    CreateActions();
    BuildPopupMenu();
}

TksDBGrid::~TksDBGrid() = default;

TksDBGrid *TksDBGrid::CreateInPanel(QObject *, int layoutId, TDataSet *dataSet, QWidget *panel)
{
    auto *grid = new TksDBGrid(panel);
    QLayout *layout = panel->layout();
    if (!layout) {
        layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(grid);
    grid->SetDataSet(dataSet);
    grid->Tag = layoutId;
    grid->SetLayoutId(layoutId);
    return grid;
}

void TksDBGrid::CreateActions()
{
    const auto make = [this](const QString &caption, void (TksDBGrid::*slot)()) {
        auto *action = new QAction(caption, this);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    ActionExport = make(QStringLiteral("导出"), &TksDBGrid::ExportClick);
    ActionExport2Excel = make(QStringLiteral("导出到Excel文档"), &TksDBGrid::SaveToExcelClick);
    ActionExport2Html = make(QStringLiteral("导出到Html网页文件"), &TksDBGrid::SaveToHtmlClick);
    ActionColVisible = make(QStringLiteral("列选择"), &TksDBGrid::PickColumnsClick);
    ActionTableStyleSave = make(QStringLiteral("保存表格样式"), &TksDBGrid::SaveLayoutClick);
    ActionSort = make(QStringLiteral("排序"), &TksDBGrid::SortClick);
}

void TksDBGrid::BuildPopupMenu()
{
    TksPopupMenu::AddActionItem(m_popup, ActionSort);
    TksPopupMenu::AddSeparator(m_popup);
    TksPopupMenu::AddActionItem(m_popup, ActionColVisible);
    TksPopupMenu::AddActionItem(m_popup, ActionTableStyleSave);
    TksPopupMenu::AddSeparator(m_popup);
    TksPopupMenu::AddActionItem(m_popup, ActionExport2Excel);
    TksPopupMenu::AddActionItem(m_popup, ActionExport2Html);
}

// ---- data set and columns ---------------------------------------------------------------

void TksDBGrid::SetDataSet(TDataSet *dataSet)
{
    m_model->SetDataSet(dataSet);
    RebuildColumns();
    SetSortMarksFromText(dataSet ? dataSet->SortText() : QString());
    if (!m_layoutText.isEmpty())
        ApplyLayout(m_layoutText);
    if (dataSet)
        connect(dataSet, &TDataSet::FlushEditsRequested, this, &TksDBGrid::CommitEditor,
                Qt::UniqueConnection);
    OnDataSetCurrent(dataSet && dataSet->Active() ? dataSet->RecNo() - 1 : -1);
}

// A save button asks the data set for pending edits: the open editor hands its text over.
void TksDBGrid::CommitEditor()
{
    if (state() != EditingState)
        return;
    QWidget *focused = QApplication::focusWidget();
    QWidget *editor = indexWidget(currentIndex());
    if (!editor && focused && viewport()->isAncestorOf(focused))
        editor = focused;
    if (editor)
        commitData(editor);
}

TDataSet *TksDBGrid::DataSet() const
{
    return m_model->DataSet();
}

QStringList TksDBGrid::FieldSignature() const
{
    QStringList names;
    if (TDataSet *ds = DataSet())
        for (const TField *f : ds->Fields())
            names << f->FieldName;
    return names;
}

int TksDBGrid::DefaultWidth(const TField *field) const
{
    int chars = field->DisplayWidth;
    if (chars <= 0) {
        switch (field->DataType()) {
        case TFieldType::String:
        case TFieldType::WideString: chars = std::clamp(field->Size, 4, 32); break;
        case TFieldType::Memo: chars = 32; break;
        case TFieldType::DateTime: chars = 11; break;
        case TFieldType::Boolean: chars = 4; break;
        default: chars = 10; break;
        }
    }
    const QFontMetrics fm = fontMetrics();
    const int byValue = chars * fm.horizontalAdvance(QLatin1Char('0')) + 8;
    const int byTitle = fm.horizontalAdvance(field->Label()) + 12;
    return std::min(std::max(byValue, byTitle), 400);
}

void TksDBGrid::RebuildColumns()
{
    // What the window set on a column (read-only, ellipsis button, sum footer) outlives a
    // layout applied afterwards and a data set opened again with the same fields.
    QHash<QString, TColumn> settings;
    for (const TColumn &c : std::as_const(m_columns))
        if (c.Field < m_signature.size())
            settings.insert(m_signature[c.Field].toLower(), c);
    m_columns.clear();
    m_signature = FieldSignature();
    if (TDataSet *ds = DataSet())
        for (const TField *f : ds->Fields()) {
            if (!f->Visible)
                continue;
            TColumn column{f->Index(), true, DefaultWidth(f)};
            if (const auto it = settings.constFind(f->FieldName.toLower()); it != settings.cend()) {
                column.ReadOnly = it->ReadOnly;
                column.Footer = it->Footer;
                column.Ellipsis = it->Ellipsis;
            }
            m_columns.append(column);
        }
    InvalidateSums();
    SyncColumns();
}

// Puts the view's sections in the grid's column order; fields without a column stay hidden.
void TksDBGrid::SyncColumns()
{
    const bool wasSyncing = m_syncing;
    m_syncing = true;
    QHeaderView *h = m_header;
    const int count = m_model->columnCount();
    QList<bool> used(count, false);
    for (int i = 0; i < m_columns.size(); ++i) {
        const TColumn &c = m_columns[i];
        if (c.Field >= count)
            continue;
        used[c.Field] = true;
        const int from = h->visualIndex(c.Field);
        if (from != i)
            h->moveSection(from, i);
        h->setSectionHidden(c.Field, !c.Visible);
        if (c.Visible)
            h->resizeSection(c.Field, c.Width);
    }
    for (int f = 0; f < count; ++f)
        if (!used[f])
            h->setSectionHidden(f, true);
    m_syncing = wasSyncing;
    if (m_footer)
        m_footer->update();
}

void TksDBGrid::OnModelReset()
{
    // Sorting and filtering reset the model; the view then forgets moved and hidden sections.
    if (FieldSignature() != m_signature) {
        RebuildColumns();
        if (!m_layoutText.isEmpty())
            ApplyLayout(m_layoutText);
    } else {
        SyncColumns();
    }
    InvalidateSums();
}

void TksDBGrid::OnSectionMoved()
{
    if (m_syncing)
        return;
    std::stable_sort(m_columns.begin(), m_columns.end(), [this](const TColumn &a,
                                                                const TColumn &b) {
        return m_header->visualIndex(a.Field) < m_header->visualIndex(b.Field);
    });
    m_footer->update();
}

void TksDBGrid::OnSectionResized(int logical, int, int newSize)
{
    if (!m_syncing && newSize > 0)
        if (const int c = ColumnOfLogical(logical); c >= 0)
            m_columns[c].Width = newSize;
    m_footer->update();
}

int TksDBGrid::ColumnOfLogical(int fieldIndex) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].Field == fieldIndex)
            return i;
    return -1;
}

TField *TksDBGrid::ColumnField(int column) const
{
    return DataSet() ? DataSet()->Field(m_columns[column].Field) : nullptr;
}

bool TksDBGrid::ColumnVisible(int column) const
{
    return m_columns[column].Visible;
}

void TksDBGrid::SetColumnVisible(int column, bool visible)
{
    m_columns[column].Visible = visible;
    SyncColumns();
}

int TksDBGrid::ColumnWidth(int column) const
{
    return m_columns[column].Width;
}

QString TksDBGrid::ColumnCaption(int column) const
{
    const TField *f = ColumnField(column);
    return f ? f->Label() : QString();
}

int TksDBGrid::ColumnOfField(const TField *field) const
{
    return field ? ColumnOfField(field->FieldName) : -1;
}

int TksDBGrid::ColumnOfField(const QString &fieldName) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (ColumnField(i)->FieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TksDBGrid::ReorderColumns(const QList<int> &order)
{
    QList<TColumn> columns;
    for (int c : order)
        if (c >= 0 && c < m_columns.size())
            columns.append(m_columns[c]);
    if (columns.size() != m_columns.size())
        return;
    m_columns = columns;
    SyncColumns();
}

QList<int> TksDBGrid::VisibleColumns() const
{
    QList<int> list;
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].Visible)
            list.append(i);
    return list;
}

// ---- layouts ----------------------------------------------------------------------------

void TksDBGrid::SetLayoutId(int layoutId)
{
    m_layoutId = layoutId;
    LoadLayout(layoutId);
}

QString TksDBGrid::LayoutText() const
{
    RLayoutColumns columns;
    for (int i = 0; i < m_columns.size(); ++i)
        columns.append({ColumnField(i)->FieldName, m_columns[i].Visible, m_columns[i].Width});
    return ::LayoutText(columns);
}

void TksDBGrid::ApplyLayout(const QString &text)
{
    m_layoutText = text;
    RebuildColumns();
    RLayoutColumns layout;
    for (int i = 0; i < m_columns.size(); ++i)
        layout.append({ColumnField(i)->FieldName, m_columns[i].Visible, m_columns[i].Width});
    ApplyLayoutText(layout, text);
    QList<TColumn> columns;
    for (const RLayoutColumn &l : layout) {
        TColumn c = m_columns[ColumnOfField(l.FieldName)];
        c.Visible = l.Visible;
        c.Width = l.Width;
        columns.append(c);
    }
    m_columns = columns;
    SyncColumns();
}

void TksDBGrid::LoadLayout(int layoutId)
{
    ApplyLayout(layoutId > 0 ? LoadLayoutText(layoutId) : QString());
}

bool TksDBGrid::SaveLayout(int layoutId)
{
    const QString text = LayoutText();
    const bool saved = SaveLayoutText(layoutId, text);
    if (saved)
        m_layoutText = text;
    return saved;
}

void TksDBGrid::SaveLayoutClick()
{
    CheckRight(RightSaveLayout);
    if (SaveLayout(m_layoutId > 0 ? m_layoutId : Tag))
        ShowInfo(QStringLiteral("列样式保存成功."));
}

// ---- sorting and filtering --------------------------------------------------------------

bool TksDBGrid::CheckDataReady()
{
    if (!m_model) {
        ShowInfo(QStringLiteral("系统错误: 没有为DBGrid指定DataSource对象,请与作者联系!"));
        return false;
    }
    if (!DataSet()) {
        ShowInfo(QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!"));
        return false;
    }
    if (!DataSet()->Active()) {
        ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
        return false;
    }
    return true;
}

int TksDBGrid::SortRank(int fieldIndex) const
{
    for (int i = 0; i < m_sortMarks.size(); ++i)
        if (m_sortMarks[i].Field == fieldIndex)
            return i;
    return -1;
}

bool TksDBGrid::SortDescending(int fieldIndex) const
{
    const int rank = SortRank(fieldIndex);
    return rank >= 0 && m_sortMarks[rank].Desc;
}

void TksDBGrid::TitleClick(int fieldIndex, bool addToSort)
{
    TDataSet *ds = DataSet();
    if (!ds || !ds->Active() || fieldIndex < 0 || fieldIndex >= ds->FieldCount())
        return;
    const int rank = SortRank(fieldIndex);
    // none → ascending → descending → none
    if (rank < 0)
        m_sortMarks.append({fieldIndex, false});
    else if (!m_sortMarks[rank].Desc)
        m_sortMarks[rank].Desc = true;
    else
        m_sortMarks.removeAt(rank);
    if (!addToSort)
        m_sortMarks.removeIf([fieldIndex](const TSortMark &m) { return m.Field != fieldIndex; });
    ApplySortMarks();
}

void TksDBGrid::ApplySortMarks()
{
    QString text;
    for (const TSortMark &m : m_sortMarks)
        text += DataSet()->Field(m.Field)->FieldName
              + (m.Desc ? QStringLiteral(" DESC , ") : QStringLiteral(", "));
    text.chop(2);
    DataSet()->SetSortText(text.trimmed());
    m_header->viewport()->update();
}

void TksDBGrid::SetSortMarksFromText(const QString &text)
{
    m_sortMarks.clear();
    if (!DataSet())
        return;
    for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        const TField *f = DataSet()->FindField(words.value(0));
        if (f)
            m_sortMarks.append({f->Index(), words.value(1).compare(QLatin1String("DESC"),
                                                                   Qt::CaseInsensitive) == 0});
    }
    m_header->viewport()->update();
}

void TksDBGrid::SortClick()
{
    if (!CheckDataReady())
        return;
    TSortFrm dialog(this);
    dialog.Fill(DataSet(), true);
    dialog.SetSortString(DataSet()->SortText());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString text = dialog.SortString();
    SetSortMarksFromText(text);
    DataSet()->SetSortText(text);
}

void TksDBGrid::FilterClick()
{
    if (!CheckDataReady())
        return;
    TFltrDlgFrm dialog(DataSet(), this);
    dialog.exec();
}

void TksDBGrid::QuickFilter(const QString &text)
{
    TDataSet *ds = DataSet();
    if (!ds || !ds->Active())
        return;
    if (text.isEmpty()) {
        ds->ClearFilter();
        return;
    }
    QList<int> columns;
    for (const TField *f : ds->Fields())
        if (f->DataType() == TFieldType::String || f->DataType() == TFieldType::WideString)
            columns.append(f->Index());
    ds->SetFilter([columns, text](const TDataSet &data, int rowId) {
        for (int c : columns) {
            const QVariant &v = data.StoredValue(rowId, c);
            if (v.typeId() == QMetaType::QString
                    ? static_cast<const QString *>(v.constData())->contains(text,
                                                                           Qt::CaseInsensitive)
                    : v.toString().contains(text, Qt::CaseInsensitive))
                return true;
        }
        return false;
    });
}

QLineEdit *TksDBGrid::CreateQuickFilterEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setPlaceholderText(QStringLiteral("快速过滤"));
    edit->setClearButtonEnabled(true);
    auto *timer = new QTimer(edit);
    timer->setSingleShot(true);
    timer->setInterval(250);
    connect(edit, &QLineEdit::textChanged, timer, qOverload<>(&QTimer::start));
    connect(timer, &QTimer::timeout, this, [this, edit] { QuickFilter(edit->text()); });
    connect(edit, &QLineEdit::returnPressed, this, [this, edit, timer] {
        timer->stop();
        QuickFilter(edit->text());
    });
    return edit;
}

// ---- column settings and footers --------------------------------------------------------

void TksDBGrid::SetColumnReadOnly(const TField *field, bool readOnly)
{
    if (const int c = ColumnOfField(field); c >= 0)
        m_columns[c].ReadOnly = readOnly;
    viewport()->update();
}

bool TksDBGrid::ColumnReadOnly(int column) const
{
    return m_columns[column].ReadOnly || ColumnField(column)->ReadOnly;
}

void TksDBGrid::SetEllipsisButton(const TField *field)
{
    if (const int c = ColumnOfField(field); c >= 0)
        m_columns[c].Ellipsis = true;
}

bool TksDBGrid::HasEllipsisButton(const TField *field) const
{
    const int c = ColumnOfField(field);
    return c >= 0 && m_columns[c].Ellipsis;
}

void TksDBGrid::SetSumFooter(const TField *field)
{
    if (const int c = ColumnOfField(field); c >= 0)
        m_columns[c].Footer = true;
    m_footer->show();
    InvalidateSums();
    updateGeometries();
}

void TksDBGrid::InvalidateSums()
{
    m_sums.clear();
    if (m_footer)
        m_footer->update();
}

double TksDBGrid::FooterSum(const TField *field) const
{
    TDataSet *ds = DataSet();
    if (!ds || !ds->Active() || !field)
        return 0.0;
    if (m_sums.size() != ds->FieldCount()) {
        m_sums = QList<double>(ds->FieldCount(), 0.0);
        for (const TColumn &c : m_columns) {
            if (!c.Footer)
                continue;
            double sum = 0.0;
            for (int pos = 0; pos < ds->RecordCount(); ++pos)
                sum += ds->StoredValue(ds->RowIdAt(pos), c.Field).toDouble();
            m_sums[c.Field] = sum;
        }
    }
    return m_sums[field->Index()];
}

QString TksDBGrid::FooterText(int fieldIndex) const
{
    const int c = ColumnOfLogical(fieldIndex);
    if (c < 0 || !m_columns[c].Footer || !DataSet() || !DataSet()->Active())
        return QString();
    const TField *field = DataSet()->Field(fieldIndex);
    const double sum = FooterSum(field);
    return field->DataType() == TFieldType::Integer || field->DataType() == TFieldType::LargeInt
        ? field->DisplayText(qint64(std::llround(sum)))
        : field->DisplayText(sum);
}

void TksDBGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (!m_footer)
        return;
    const int fh = m_footer->isHidden() ? 0 : FooterHeight;
    const QMargins m = viewportMargins();
    if (m.bottom() != fh)
        setViewportMargins(m.left(), m.top(), m.right(), fh);
    if (fh > 0) {
        const QRect vp = viewport()->geometry();
        m_footer->setGeometry(vp.left(), vp.bottom() + 1, vp.width(), fh);
        m_footer->update();
    }
}

// ---- cells ------------------------------------------------------------------------------

void TksDBGrid::CellStyle(const QModelIndex &index, QStyleOptionViewItem *option)
{
    if (DataSet())
        emit DrawColumnCell(index, DataSet()->Field(index.column()), option);
}

QModelIndex TksDBGrid::CellIndex(int row, int column) const
{
    return m_model->index(row, m_columns[column].Field);
}

int TksDBGrid::CurrentColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? ColumnOfLogical(current.column()) : -1;
}

void TksDBGrid::SelectColumn(int column)
{
    const int row = std::max(currentIndex().row(), 0);
    if (row < m_model->rowCount())
        setCurrentIndex(CellIndex(row, column));
}

bool TksDBGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const int c = index.isValid() ? ColumnOfLogical(index.column()) : -1;
    // A read-only cell opens no editor; its ellipsis button still takes the click.
    if (c >= 0 && trigger != NoEditTriggers && ColumnReadOnly(c))
        return QTableView::edit(index, NoEditTriggers, event);
    return QTableView::edit(index, trigger, event);
}

void TksDBGrid::OnDataSetCurrent(int pos)
{
    if (m_syncing || pos < 0 || pos >= m_model->rowCount())
        return;
    if (currentIndex().row() == pos)
        return;
    int column = CurrentColumn();
    if (column < 0) {
        const QList<int> visible = VisibleColumns();
        column = visible.isEmpty() ? -1 : visible.first();
    }
    if (column < 0)
        return;
    m_syncing = true;
    const QItemSelectionModel::SelectionFlags flags = selectionBehavior() == SelectRows
        ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
        : QItemSelectionModel::ClearAndSelect;
    selectionModel()->setCurrentIndex(CellIndex(pos, column), flags);
    scrollTo(currentIndex());
    m_syncing = false;
}

void TksDBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_footer)
        m_footer->update();
    TDataSet *ds = DataSet();
    if (m_syncing || !ds || !ds->Active() || !current.isValid())
        return;
    if (current.row() != ds->RecNo() - 1) {
        m_syncing = true;
        struct TReset { bool &flag; ~TReset() { flag = false; } } reset{m_syncing};
        ds->SetRecNo(current.row() + 1);
    }
}

QList<int> TksDBGrid::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty() && currentIndex().isValid())
        rows.append(currentIndex().row());
    return rows;
}

void TksDBGrid::keyPressEvent(QKeyEvent *event)
{
    TDataSet *ds = DataSet();
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    const int column = CurrentColumn();
    switch (plain ? event->key() : 0) {
    case Qt::Key_Left:
        // Never onto the first column: it usually holds the line's key or number.
        for (int c = column - 1; c >= 1; --c)
            if (m_columns[c].Visible) {
                SelectColumn(c);
                break;
            }
        return;
    case Qt::Key_Right:
        for (int c = column + 1; c < m_columns.size(); ++c)
            if (m_columns[c].Visible) {
                SelectColumn(c);
                break;
            }
        return;
    case Qt::Key_Up:
        if (ds && ds->Active())
            ds->Prior();
        return;
    case Qt::Key_Down:
        if (ds && ds->Active())
            ds->Next();
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}

// ---- commands ---------------------------------------------------------------------------

void TksDBGrid::PickColumnsClick()
{
    CheckRight(RightPickColumns);
    RColItems items;
    for (int i = 0; i < m_columns.size(); ++i)
        items.append({i, ColumnCaption(i), m_columns[i].Visible});
    TxVisibleFrm dialog(this);
    dialog.SetItems(items);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog's order is the columns' new order.
    QList<int> order;
    for (const RColItem &item : dialog.Items()) {
        m_columns[item.Index].Visible = item.Visible;
        order.append(item.Index);
    }
    ReorderColumns(order);
}

void TksDBGrid::ExportClick()
{
    CheckRight(RightExport);
    if (!DataSet() || !DataSet()->Active())
        return;
    TDataExporterFrm dialog(DataSet(), this);
    dialog.exec();
}

namespace {
RExportColumns VisibleExportColumns(const TksDBGrid &grid)
{
    RExportColumns columns;
    for (int i = 0; i < grid.ColumnCount(); ++i)
        if (grid.ColumnVisible(i))
            columns.append({grid.ColumnField(i)->Index(), grid.ColumnCaption(i)});
    return columns;
}

} // namespace

void TksDBGrid::SaveToExcelClick()
{
    CheckRight(RightExport);
    if (!CheckDataReady())
        return;
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString path = QDir(dir).filePath(
        QStringLiteral("导出_%1.xlsx")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmsszzz"))));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        WriteXlsxFile(*DataSet(), VisibleExportColumns(*this), path);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    if (!OpenDocument(path))
        ShowInfo(QStringLiteral("没有找到可以打开Excel文档的程序, 文件已导出到:\r\n%1")
                     .arg(QDir::toNativeSeparators(path)));
}

void TksDBGrid::SaveToHtmlClick()
{
    CheckRight(RightExport);
    if (!DataSet() || !DataSet()->Active())
        return;
    const QString path = AskSaveFileName(this, QStringLiteral("网页文件(*.htm *.html)"),
                                         QStringLiteral("html"));
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        WriteHtmlFile(*DataSet(), VisibleExportColumns(*this), path, TExportEncoding::Gb18030);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    if (MessageLayer().Ask(TMessageLayer::Kind::Confirm,
                           QStringLiteral("导出成功,是否现在就打开?")))
        OpenDocument(path);
}

void TksDBGrid::BatchUpdateClick()
{
    TDataSet *ds = DataSet();
    if (!ds) {
        ShowInfo(QStringLiteral("没有指定数据集DataSet, 操作被取消."));
        return;
    }
    if (!BatchProc) {
        ShowInfo(QStringLiteral("没有指定更新过程BatchProc, 操作被取消."));
        return;
    }
    if (!CheckDataReady())
        return;
    TBatchUpdateFrm dialog(this);
    for (int i = 0; i < m_columns.size(); ++i) {
        const TField *f = ColumnField(i);
        if (f->Visible && !f->ReadOnly)
            dialog.AddItem(f->Label(), f->FieldName);
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    TField *field = ds->FieldByName(dialog.FieldName());
    const QString value = dialog.Value();
    const QList<int> rows = SelectedRows();
    const TBookmark bookmark = ds->GetBookmark();
    ds->DisableControls();
    struct TRestore
    {
        TDataSet *ds;
        TBookmark bookmark;
        ~TRestore()
        {
            if (ds->BookmarkValid(bookmark))
                ds->GotoBookmark(bookmark);
            ds->EnableControls();
        }
    } restore{ds, bookmark};
    for (int pos : rows) {
        ds->SetRecNo(pos + 1);
        ds->Edit();
        field->SetAsString(value);
        ds->Post();
        BatchProc(*ds);
    }
}

void TksDBGrid::PopupButtonClick(QWidget *control)
{
    if (control)
        m_popup->popup(control->mapToGlobal(QPoint(0, control->height())));
}
