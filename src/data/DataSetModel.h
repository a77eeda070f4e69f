#pragma once

#include <QAbstractTableModel>
#include <QPointer>

class TDataSet;

// Binds any data set to any view without copying its rows: every cell is read from the
// data set when the view asks, and formatted only then. Columns are the data set's fields
// in their order; views hide the invisible ones.
class TDataSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TDataSetModel(TDataSet *dataSet = nullptr, QObject *parent = nullptr);

    void SetDataSet(TDataSet *dataSet);
    TDataSet *DataSet() const { return m_dataSet; }

    // Role for the field name in headerData and the row id in data().
    static constexpr int FieldNameRole = Qt::UserRole + 1;
    static constexpr int RowIdRole = Qt::UserRole + 2;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void CurrentRowChanged(int row);

private:
    void Reset();
    void OnRowsInserted(int first, int count);
    void OnRowsRemoved(int first, int count);
    void OnRowChanged(int pos);
    void OnValuesChanged();

    QPointer<TDataSet> m_dataSet;
    // The shape the views were last told about; changes arrive through signals.
    int m_rows = 0;
    int m_columns = 0;
};
