#pragma once

#include "data/Field.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

enum class TDataSetState { Inactive, Browse, Edit, Insert };
using TBookmark = int;                 // a row's identity; stays valid across sort and filter
constexpr TBookmark NoBookmark = -1;

// The in-memory table under every set of the system: typed fields, rows, a current row,
// edit/insert/post with a before-post hook, bookmarks, sort text and a filter.
// Rows are stored once; sorting and filtering only reorder a view of row ids.
class TDataSet : public QObject
{
    Q_OBJECT
public:
    explicit TDataSet(QObject *parent = nullptr);
    ~TDataSet() override;

    // Columns. Fields are declared before the data set is opened.
    template<class F>
    F *AddField(const QString &name, bool visible = true, const QString &label = QString())
    {
        auto field = std::make_unique<F>();
        F *raw = field.get();
        AdoptField(std::move(field), name, visible, label);
        return raw;
    }
    TField *AddField(TFieldType type, const QString &name, bool visible = true,
                     const QString &label = QString());
    TField *FindField(const QString &name) const;
    TField *FieldByName(const QString &name) const;   // raises when missing
    TField *Field(int index) const { return m_fields[size_t(index)].get(); }
    int FieldCount() const { return int(m_fields.size()); }
    QList<TField *> Fields() const;
    void ClearFields();

    // Opening and closing.
    void Open();                // an empty table over the declared fields
    void Close();
    bool Active() const { return m_state != TDataSetState::Inactive; }
    TDataSetState State() const { return m_state; }
    void EmptyDataSet();

    // Navigation over the current view (sorted and filtered).
    int RecordCount() const { return int(m_view.size()); }
    bool IsEmpty() const { return m_view.empty(); }
    int RecNo() const { return m_pos + 1; }           // 0 when empty
    void SetRecNo(int recNo);
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    void First();
    void Last();
    void Next();
    void Prior();
    bool Locate(const QString &fieldName, const QVariant &value, bool caseInsensitive = false,
                bool partialKey = false);

    // Editing.
    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();     // posts a pending edit or insert
    std::function<void(TDataSet &)> BeforePost;
    std::function<void(TDataSet &)> AfterPost;
    std::function<void(TDataSet &)> AfterScroll;
    // Writes pending edits of bound controls into the current row (no post).
    void FlushEdits();

    // Bookmarks.
    TBookmark GetBookmark() const;
    bool BookmarkValid(TBookmark bookmark) const;
    void GotoBookmark(TBookmark bookmark);

    // Sort text: field names separated by ';' or ',', each optionally followed by DESC.
    QString SortText() const { return m_sortText; }
    void SetSortText(const QString &text);
    // Filter over rows: a predicate of the data set and a row id.
    using TFilterFunc = std::function<bool(const TDataSet &, int rowId)>;
    void SetFilter(TFilterFunc filter);
    void ClearFilter();
    bool Filtered() const { return bool(m_filter); }

    // Bound controls: while disabled no change is signalled; enabling again signals once.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    // Direct access by view position or row id, for grids, sums and exports.
    int RowIdAt(int pos) const { return m_view[size_t(pos)]; }
    int PositionOf(int rowId) const;
    const QVariant &StoredValue(int rowId, int column) const
    {
        return RowPtr(rowId)[column];
    }
    QVariant ValueAt(int pos, int column) const;
    // Edits one cell of a row through the edit/post cycle.
    void SetValueAt(int pos, int column, const QVariant &value);
    // The row id of the current row, -1 when none.
    int CurrentRowId() const { return m_pos < 0 ? -1 : m_view[size_t(m_pos)]; }

    // Bulk loading (sets reading a query): rows are appended without signals.
    void BeginLoad(int expectedRows = 0);
    QVariant *AppendLoadRow();          // FieldCount() values to fill
    void EndLoad();

signals:
    void StructureChanged();            // rows and columns may all differ
    void RowsAboutToBeInserted(int first, int count);
    void RowsInserted(int first, int count);
    void RowsAboutToBeRemoved(int first, int count);
    void RowsRemoved(int first, int count);
    void RowChanged(int pos);
    void ValuesChanged();               // any value of any row may differ
    void CurrentChanged(int pos);
    void StateChanged(TDataSetState state);
    void FlushEditsRequested();

private:
    friend class TField;
    void AdoptField(std::unique_ptr<TField> field, const QString &name, bool visible,
                    const QString &label);
    QVariant CurrentValue(int column) const;
    void SetCurrentValue(int column, const QVariant &value);
    void RequireActive() const;
    void MoveTo(int pos, bool scroll = true);
    void RebuildView();
    int NewRow();
    void NotifyStructure();
    void NotifyRowChanged(int pos);
    void NotifyInserting(int pos);
    void NotifyInserted(int pos);
    void NotifyRemoving(int pos);
    void NotifyRemoved(int pos);
    void NotifyCurrent();
    void SetState(TDataSetState state);

    std::vector<std::unique_ptr<TField>> m_fields;
    // Rows in fixed chunks: loading never moves what is already stored. A chunk stays
    // below the allocator's threshold for mapping fresh pages, so the memory of a closed set
    // serves the next one.
    QVariant *RowPtr(int rowId) const
    {
        return m_chunks[size_t(rowId >> m_chunkShift)].get()
            + size_t(rowId & ((1 << m_chunkShift) - 1)) * m_stride;
    }
    void SetChunkSize();
    int m_chunkShift = 10;
    void ClearRows();
    std::vector<std::unique_ptr<QVariant[]>> m_chunks;
    std::vector<char> m_deleted;        // per row id
    size_t m_stride = 0;
    std::vector<int> m_view;            // row ids in view order
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;
    TDataSetState m_state = TDataSetState::Inactive;
    std::vector<QVariant> m_saved;      // the row before Edit, for Cancel
    QString m_sortText;
    TFilterFunc m_filter;
    int m_disableCount = 0;
    bool m_pendingStructure = false;
    bool m_pendingValues = false;
    bool m_pendingCurrent = false;
};
