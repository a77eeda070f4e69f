#pragma once

#include <QTableView>

#include <functional>

class QAction;
class QLineEdit;
class TDataSet;
class TDataSetModel;
class TField;
class TGridDelegate;
class TGridFooter;
class TGridHeader;
class TksPopupMenu;

// The data grid of every tabular view: columns from the data set's visible fields, a column
// layout saved under a layout id, click-to-sort on the titles (Ctrl+click adds a column),
// the standard popup menu, quick filter, batch update, footers with sums and the keyboard
// rules of the system. The grid reads the data set through one model; it copies no rows.
class TksDBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TksDBGrid(QWidget *parent = nullptr);
    ~TksDBGrid() override;

    // A grid filling the panel, bound to the data set, tagged and laid out by the id.
    static TksDBGrid *CreateInPanel(QObject *owner, int layoutId, TDataSet *dataSet,
                                    QWidget *panel);

    void SetDataSet(TDataSet *dataSet);
    TDataSet *DataSet() const;
    TDataSetModel *DataSource() const { return m_model; }

    int LayoutId() const { return m_layoutId; }
    void SetLayoutId(int layoutId);       // loads that layout at once
    int Tag = 0;

    TksPopupMenu *PopupMenuKs() const { return m_popup; }
    // Called once for every row a batch update changed; it must persist the row.
    std::function<void(TDataSet &)> BatchProc;

    QAction *ActionExport;
    QAction *ActionExport2Excel;
    QAction *ActionExport2Html;
    QAction *ActionColVisible;
    QAction *ActionTableStyleSave;
    QAction *ActionSort;

    // Columns (grid order; a column is bound to one field of the data set).
    int ColumnCount() const { return int(m_columns.size()); }
    TField *ColumnField(int column) const;
    bool ColumnVisible(int column) const;
    void SetColumnVisible(int column, bool visible);
    int ColumnWidth(int column) const;
    QString ColumnCaption(int column) const;
    int ColumnOfField(const TField *field) const;       // -1: none
    int ColumnOfField(const QString &fieldName) const;
    // Reorders the columns: the new order as a list of current column indexes.
    void ReorderColumns(const QList<int> &order);

    void RebuildColumns();
    QString LayoutText() const;
    void ApplyLayout(const QString &text);
    void LoadLayout(int layoutId);
    bool SaveLayout(int layoutId);

    bool CheckDataReady();
    void QuickFilter(const QString &text);
    // A box that filters the grid as the operator types (for a window's toolbar).
    QLineEdit *CreateQuickFilterEdit(QWidget *parent);

    void SetColumnReadOnly(const TField *field, bool readOnly);
    bool ColumnReadOnly(int column) const;     // the column's flag or an unmodifiable field
    void SetEllipsisButton(const TField *field);
    bool HasEllipsisButton(const TField *field) const;
    bool Editing() const { return state() == EditingState; }
    void SetSumFooter(const TField *field);
    double FooterSum(const TField *field) const;
    QString FooterText(int fieldIndex) const;

    // The sort markers, in the order in which they were set.
    int SortMarkCount() const { return int(m_sortMarks.size()); }
    int SortRank(int fieldIndex) const;          // -1: not sorted
    bool SortDescending(int fieldIndex) const;
    // What a click on a title does: cycles its marker and sorts (adding with Ctrl).
    void TitleClick(int fieldIndex, bool addToSort);
    // Rows (view positions) touched by the selection; the current row when none is.
    QList<int> SelectedRows() const;

    // Opens a written file with the desktop's program; replaceable by tests.
    static std::function<bool(const QString &path)> OpenDocument;
    // Asks for a file name to write; replaceable by tests. Empty: cancelled.
    static std::function<QString(QWidget *parent, const QString &filter,
                                 const QString &suffix)> AskSaveFileName;

    // For the delegate: the colours of a cell, then the owner's DrawColumnCell.
    virtual void CellStyle(const QModelIndex &index, QStyleOptionViewItem *option);

public slots:
    void SortClick();
    void FilterClick();
    void PickColumnsClick();
    void SaveLayoutClick();
    void SaveToExcelClick();
    void SaveToHtmlClick();
    void ExportClick();
    void BatchUpdateClick();
    void PopupButtonClick(QWidget *control);

signals:
    void CellClick(TField *field);
    // After the grid chose a cell's colours; the owner may change option->backgroundBrush
    // and option->palette (text colour), e.g. to colour whole rows.
    void DrawColumnCell(const QModelIndex &index, TField *field, QStyleOptionViewItem *option);
    void EditButtonClick(TField *field);

protected:
    struct TColumn
    {
        int Field = 0;              // the field's index in the data set
        bool Visible = true;
        int Width = 64;
        bool ReadOnly = false;
        bool Footer = false;
        bool Ellipsis = false;
    };

    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void updateGeometries() override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

    // The column (grid index) of the current cell, -1 when none.
    int CurrentColumn() const;
    void SelectColumn(int column);
    int ColumnOfLogical(int fieldIndex) const;
    const TColumn &Column(int column) const { return m_columns[column]; }
    QModelIndex CellIndex(int row, int column) const;
    void InvalidateSums();

private:
    void CreateActions();
    void BuildPopupMenu();
    void SyncColumns();
    void OnModelReset();
    void OnSectionMoved();
    void OnSectionResized(int logical, int oldSize, int newSize);
    void OnDataSetCurrent(int pos);
    void CommitEditor();
    void SetSortMarksFromText(const QString &text);
    void ApplySortMarks();
    int DefaultWidth(const TField *field) const;
    QStringList FieldSignature() const;
    QList<int> VisibleColumns() const;

    TDataSetModel *m_model = nullptr;
    TGridHeader *m_header = nullptr;
    TGridDelegate *m_delegate = nullptr;
    TGridFooter *m_footer = nullptr;
    TksPopupMenu *m_popup = nullptr;
    QList<TColumn> m_columns;
    QStringList m_signature;
    QString m_layoutText;           // reapplied when the data set's fields change
    int m_layoutId = 0;
    struct TSortMark { int Field; bool Desc; };
    QList<TSortMark> m_sortMarks;
    bool m_syncing = false;
    mutable QList<double> m_sums;   // per field; empty when they must be computed again
};
