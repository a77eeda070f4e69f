#include "data/DataSet.h"

#include "data/Exceptions.h"

#include <QRegularExpression>

#include <algorithm>

TDataSet::TDataSet(QObject *parent) : QObject(parent) {}

TDataSet::~TDataSet() = default;

void TDataSet::AdoptField(std::unique_ptr<TField> field, const QString &name, bool visible,
                          const QString &label)
{
    if (Active())
        throw EDatabaseError(QStringLiteral("数据集已打开, 不能再添加字段 %1").arg(name));
    field->FieldName = name;
    field->Visible = visible;
    field->DisplayLabel = label;
    field->m_dataSet = this;
    field->m_index = int(m_fields.size());
    m_fields.push_back(std::move(field));
}

TField *TDataSet::AddField(TFieldType type, const QString &name, bool visible,
                           const QString &label)
{
    switch (type) {
    case TFieldType::Integer: return AddField<TIntegerField>(name, visible, label);
    case TFieldType::LargeInt: return AddField<TLargeintField>(name, visible, label);
    case TFieldType::Float: return AddField<TFloatField>(name, visible, label);
    case TFieldType::Currency: return AddField<TCurrencyField>(name, visible, label);
    case TFieldType::String: return AddField<TStringField>(name, visible, label);
    case TFieldType::WideString: return AddField<TWideStringField>(name, visible, label);
    case TFieldType::Memo: return AddField<TMemoField>(name, visible, label);
    case TFieldType::DateTime: return AddField<TDateTimeField>(name, visible, label);
    case TFieldType::Boolean: return AddField<TBooleanField>(name, visible, label);
    case TFieldType::Blob: return AddField<TBlobField>(name, visible, label);
    case TFieldType::Variant: return AddField<TVariantField>(name, visible, label);
    }
    return nullptr;
}

TField *TDataSet::FindField(const QString &name) const
{
    for (const auto &f : m_fields)
        if (f->FieldName.compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

TField *TDataSet::FieldByName(const QString &name) const
{
    TField *f = FindField(name);
    if (!f)
        throw EDatabaseError(QStringLiteral("字段 '%1' 没有找到").arg(name));
    return f;
}

QList<TField *> TDataSet::Fields() const
{
    QList<TField *> list;
    list.reserve(qsizetype(m_fields.size()));
    for (const auto &f : m_fields)
        list.append(f.get());
    return list;
}

void TDataSet::ClearFields()
{
    Close();
    m_fields.clear();
}

void TDataSet::Open()
{
    if (Active())
        return;
    m_stride = m_fields.size();
    SetChunkSize();
    ClearRows();
    m_deleted.clear();
    m_view.clear();
    m_pos = -1;
    m_eof = m_bof = true;
    SetState(TDataSetState::Browse);
    NotifyStructure();
}

void TDataSet::Close()
{
    if (!Active())
        return;
    ClearRows();
    m_deleted.clear();
    m_view.clear();
    m_saved.clear();
    m_pos = -1;
    m_eof = m_bof = true;
    SetState(TDataSetState::Inactive);
    NotifyStructure();
}

void TDataSet::EmptyDataSet()
{
    RequireActive();
    if (m_state != TDataSetState::Browse)
        Cancel();
    ClearRows();
    m_deleted.clear();
    m_view.clear();
    m_pos = -1;
    m_eof = m_bof = true;
    NotifyStructure();
}

void TDataSet::RequireActive() const
{
    if (!Active())
        throw EDatabaseError(QStringLiteral("数据集没有打开, 不能进行此操作"));
}

void TDataSet::SetState(TDataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    if (m_disableCount == 0)
        emit StateChanged(state);
}

void TDataSet::SetChunkSize()
{
    constexpr size_t ChunkBytes = 96 * 1024;
    const size_t rowBytes = std::max<size_t>(m_stride, 1) * sizeof(QVariant);
    m_chunkShift = 4;
    while (m_chunkShift < 12 && (size_t(2) << m_chunkShift) * rowBytes <= ChunkBytes)
        ++m_chunkShift;
}

void TDataSet::ClearRows()
{
    m_chunks.clear();
    m_deleted.clear();
}

// ---- navigation -------------------------------------------------------------------------

void TDataSet::MoveTo(int pos, bool scroll)
{
    const int count = RecordCount();
    if (count == 0) {
        m_pos = -1;
        m_eof = m_bof = true;
    } else {
        m_pos = std::clamp(pos, 0, count - 1);
    }
    NotifyCurrent();
    if (scroll && AfterScroll && m_disableCount == 0)
        AfterScroll(*this);
}

void TDataSet::SetRecNo(int recNo)
{
    CheckBrowseMode();
    MoveTo(recNo - 1);
    m_eof = m_bof = IsEmpty();
}

void TDataSet::First()
{
    RequireActive();
    CheckBrowseMode();
    MoveTo(0);
    m_bof = true;
    m_eof = IsEmpty();
}

void TDataSet::Last()
{
    RequireActive();
    CheckBrowseMode();
    MoveTo(RecordCount() - 1);
    m_eof = true;
    m_bof = IsEmpty();
}

void TDataSet::Next()
{
    RequireActive();
    CheckBrowseMode();
    if (m_pos + 1 >= RecordCount()) {
        m_eof = true;
        return;
    }
    m_bof = false;
    m_eof = false;
    MoveTo(m_pos + 1);
}

void TDataSet::Prior()
{
    RequireActive();
    CheckBrowseMode();
    if (m_pos <= 0) {
        m_bof = true;
        return;
    }
    m_bof = false;
    m_eof = false;
    MoveTo(m_pos - 1);
}

bool TDataSet::Locate(const QString &fieldName, const QVariant &value, bool caseInsensitive,
                      bool partialKey)
{
    RequireActive();
    CheckBrowseMode();
    const TField *field = FieldByName(fieldName);
    const int column = field->Index();
    const QVariant wanted = value.isNull() ? value : field->Convert(value);
    for (int pos = 0; pos < RecordCount(); ++pos) {
        const QVariant v = field->Typed(StoredValue(m_view[size_t(pos)], column));
        bool match;
        if (wanted.isNull() || v.isNull()) {
            match = wanted.isNull() && v.isNull();
        } else if (field->IsString()) {
            const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive
                                                           : Qt::CaseSensitive;
            match = partialKey ? v.toString().startsWith(wanted.toString(), cs)
                               : v.toString().compare(wanted.toString(), cs) == 0;
        } else {
            match = QVariant::compare(v, wanted) == QPartialOrdering::Equivalent;
        }
        if (match) {
            MoveTo(pos);
            m_eof = m_bof = false;
            return true;
        }
    }
    return false;
}

// ---- values -----------------------------------------------------------------------------

QVariant TDataSet::CurrentValue(int column) const
{
    if (m_pos < 0 || !Active())
        return QVariant();
    return StoredValue(m_view[size_t(m_pos)], column);
}

void TDataSet::SetCurrentValue(int column, const QVariant &value)
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        throw EDatabaseError(QStringLiteral("数据集不在编辑或插入状态"));
    const int rowId = m_view[size_t(m_pos)];
    RowPtr(rowId)[column] = value;
    NotifyRowChanged(m_pos);
}

QVariant TDataSet::ValueAt(int pos, int column) const
{
    return m_fields[size_t(column)]->Typed(StoredValue(m_view[size_t(pos)], column));
}

void TDataSet::SetValueAt(int pos, int column, const QVariant &value)
{
    if (pos != m_pos) {
        CheckBrowseMode();
        MoveTo(pos);
    }
    if (m_state == TDataSetState::Browse)
        Edit();
    m_fields[size_t(column)]->SetValue(value);
}

int TDataSet::PositionOf(int rowId) const
{
    const auto it = std::find(m_view.begin(), m_view.end(), rowId);
    return it == m_view.end() ? -1 : int(it - m_view.begin());
}

// ---- editing ----------------------------------------------------------------------------

void TDataSet::Edit()
{
    RequireActive();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        return;
    if (IsEmpty()) {
        Append();
        return;
    }
    const QVariant *row = RowPtr(CurrentRowId());
    m_saved.assign(row, row + m_stride);
    SetState(TDataSetState::Edit);
}

int TDataSet::NewRow()
{
    const int rowId = int(m_deleted.size());
    if ((rowId & ((1 << m_chunkShift) - 1)) == 0)
        m_chunks.emplace_back(new QVariant[(size_t(1) << m_chunkShift) * std::max<size_t>(m_stride, 1)]);
    m_deleted.push_back(0);
    return rowId;
}

void TDataSet::Insert()
{
    RequireActive();
    CheckBrowseMode();
    const int pos = std::max(m_pos, 0);
    const int rowId = NewRow();
    NotifyInserting(pos);
    m_view.insert(m_view.begin() + pos, rowId);
    m_pos = pos;
    m_eof = m_bof = false;
    SetState(TDataSetState::Insert);
    NotifyInserted(pos);
    NotifyCurrent();
}

void TDataSet::Append()
{
    RequireActive();
    CheckBrowseMode();
    const int rowId = NewRow();
    NotifyInserting(RecordCount());
    m_view.push_back(rowId);
    m_pos = RecordCount() - 1;
    m_eof = m_bof = false;
    SetState(TDataSetState::Insert);
    NotifyInserted(m_pos);
    NotifyCurrent();
}

void TDataSet::Post()
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        return;
    // The hook derives dependent values; an exception leaves the row in its edit state.
    if (BeforePost)
        BeforePost(*this);
    m_saved.clear();
    SetState(TDataSetState::Browse);
    if (AfterPost)
        AfterPost(*this);
}

void TDataSet::Cancel()
{
    if (m_state == TDataSetState::Edit) {
        std::move(m_saved.begin(), m_saved.end(), RowPtr(CurrentRowId()));
        m_saved.clear();
        SetState(TDataSetState::Browse);
        NotifyRowChanged(m_pos);
    } else if (m_state == TDataSetState::Insert) {
        const int pos = m_pos;
        const int rowId = m_view[size_t(pos)];
        m_deleted[size_t(rowId)] = 1;
        for (size_t c = 0; c < m_stride; ++c)
            RowPtr(rowId)[c] = QVariant();
        NotifyRemoving(pos);
        m_view.erase(m_view.begin() + pos);
        SetState(TDataSetState::Browse);
        NotifyRemoved(pos);
        MoveTo(std::min(pos, RecordCount() - 1), false);
        m_eof = m_bof = IsEmpty();
    }
}

void TDataSet::Delete()
{
    RequireActive();
    if (m_state == TDataSetState::Insert) {
        Cancel();
        return;
    }
    if (m_state == TDataSetState::Edit)
        Cancel();
    if (IsEmpty())
        throw EDatabaseError(QStringLiteral("不能对空数据集进行删除操作"));
    const int pos = m_pos;
    const int rowId = m_view[size_t(pos)];
    m_deleted[size_t(rowId)] = 1;
    for (size_t c = 0; c < m_stride; ++c)
        RowPtr(rowId)[c] = QVariant();
    NotifyRemoving(pos);
    m_view.erase(m_view.begin() + pos);
    NotifyRemoved(pos);
    MoveTo(std::min(pos, RecordCount() - 1));
    m_eof = m_bof = IsEmpty();
}

void TDataSet::CheckBrowseMode()
{
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert) {
        FlushEdits();
        Post();
    }
}

void TDataSet::FlushEdits()
{
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        emit FlushEditsRequested();
}

// ---- bookmarks --------------------------------------------------------------------------

TBookmark TDataSet::GetBookmark() const
{
    return CurrentRowId();
}

bool TDataSet::BookmarkValid(TBookmark bookmark) const
{
    return bookmark >= 0 && size_t(bookmark) < m_deleted.size() && !m_deleted[size_t(bookmark)]
        && PositionOf(bookmark) >= 0;
}

void TDataSet::GotoBookmark(TBookmark bookmark)
{
    CheckBrowseMode();
    const int pos = bookmark >= 0 ? PositionOf(bookmark) : -1;
    if (pos < 0)
        throw EDatabaseError(QStringLiteral("记录没有找到"));
    m_eof = m_bof = false;
    MoveTo(pos);
}

// ---- sort and filter --------------------------------------------------------------------

void TDataSet::SetSortText(const QString &text)
{
    m_sortText = text.trimmed();
    if (Active()) {
        CheckBrowseMode();
        RebuildView();
    }
}

void TDataSet::SetFilter(TFilterFunc filter)
{
    m_filter = std::move(filter);
    if (Active()) {
        CheckBrowseMode();
        RebuildView();
    }
}

void TDataSet::ClearFilter()
{
    SetFilter(nullptr);
}

namespace {
struct TSortKey
{
    int column;
    bool descending;
    const TField *field;
};

int CompareValues(const TField *field, const QVariant &a, const QVariant &b)
{
    // Empty values sort first, as an empty cell would.
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    if (field->IsNumeric()) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (field->DataType() == TFieldType::DateTime) {
        if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
            return QString::compare(a.toString(), b.toString());
        const QDateTime x = field->Typed(a).toDateTime();
        const QDateTime y = field->Typed(b).toDateTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (field->DataType() == TFieldType::Boolean) {
        const int x = a.toBool();
        const int y = b.toBool();
        return x - y;
    }
    return QString::compare(a.toString(), b.toString());
}
} // namespace

void TDataSet::RebuildView()
{
    const int keepRow = CurrentRowId();
    std::vector<int> view;
    view.reserve(m_deleted.size());
    for (int rowId = 0; rowId < int(m_deleted.size()); ++rowId) {
        if (m_deleted[size_t(rowId)])
            continue;
        if (m_filter && !m_filter(*this, rowId))
            continue;
        view.push_back(rowId);
    }
    if (!m_sortText.isEmpty()) {
        std::vector<TSortKey> keys;
        const QStringList parts = m_sortText.split(QRegularExpression(QStringLiteral("[;,]")),
                                                   Qt::SkipEmptyParts);
        for (const QString &part : parts) {
            const QStringList words = part.simplified().split(u' ');
            const TField *field = FieldByName(words.value(0));
            const bool desc = words.size() > 1
                && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
            keys.push_back({field->Index(), desc, field});
        }
        std::stable_sort(view.begin(), view.end(), [&](int l, int r) {
            for (const TSortKey &key : keys) {
                const int c = CompareValues(key.field, StoredValue(l, key.column),
                                            StoredValue(r, key.column));
                if (c != 0)
                    return key.descending ? c > 0 : c < 0;
            }
            return false;
        });
    }
    m_view = std::move(view);
    NotifyStructure();
    const int pos = keepRow >= 0 ? PositionOf(keepRow) : -1;
    MoveTo(pos >= 0 ? pos : 0);
    m_eof = m_bof = IsEmpty();
}

// ---- loading ----------------------------------------------------------------------------

void TDataSet::BeginLoad(int expectedRows)
{
    Close();
    m_stride = m_fields.size();
    SetChunkSize();
    m_deleted.reserve(size_t(std::max(expectedRows, 0)));
    m_state = TDataSetState::Browse;
}

QVariant *TDataSet::AppendLoadRow()
{
    const int rowId = NewRow();
    return RowPtr(rowId);
}

void TDataSet::EndLoad()
{
    if (m_filter || !m_sortText.isEmpty()) {
        RebuildView();
    } else {
        m_view.resize(m_deleted.size());
        for (size_t i = 0; i < m_view.size(); ++i)
            m_view[i] = int(i);
        NotifyStructure();
    }
    m_pos = IsEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = IsEmpty();
    if (m_disableCount == 0)
        emit StateChanged(m_state);
    NotifyCurrent();
}

// ---- notification -----------------------------------------------------------------------

void TDataSet::DisableControls()
{
    ++m_disableCount;
}

void TDataSet::EnableControls()
{
    if (m_disableCount == 0 || --m_disableCount > 0)
        return;
    if (m_pendingStructure)
        emit StructureChanged();
    else if (m_pendingValues)
        emit ValuesChanged();
    if (m_pendingCurrent || m_pendingStructure)
        emit CurrentChanged(m_pos);
    m_pendingStructure = m_pendingValues = m_pendingCurrent = false;
}

void TDataSet::NotifyStructure()
{
    if (m_disableCount > 0)
        m_pendingStructure = true;
    else
        emit StructureChanged();
}

void TDataSet::NotifyRowChanged(int pos)
{
    if (m_disableCount > 0)
        m_pendingValues = true;
    else
        emit RowChanged(pos);
}

void TDataSet::NotifyInserting(int pos)
{
    if (m_disableCount == 0)
        emit RowsAboutToBeInserted(pos, 1);
}

void TDataSet::NotifyRemoving(int pos)
{
    if (m_disableCount == 0)
        emit RowsAboutToBeRemoved(pos, 1);
}

void TDataSet::NotifyInserted(int pos)
{
    if (m_disableCount > 0)
        m_pendingStructure = true;
    else
        emit RowsInserted(pos, 1);
}

void TDataSet::NotifyRemoved(int pos)
{
    if (m_disableCount > 0)
        m_pendingStructure = true;
    else
        emit RowsRemoved(pos, 1);
}

void TDataSet::NotifyCurrent()
{
    if (m_disableCount > 0)
        m_pendingCurrent = true;
    else
        emit CurrentChanged(m_pos);
}
