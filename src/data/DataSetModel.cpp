#include "data/DataSetModel.h"

#include "data/DataSet.h"

TDataSetModel::TDataSetModel(TDataSet *dataSet, QObject *parent) : QAbstractTableModel(parent)
{
    SetDataSet(dataSet);
}

void TDataSetModel::SetDataSet(TDataSet *dataSet)
{
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    beginResetModel();
    m_dataSet = dataSet;
    m_rows = dataSet && dataSet->Active() ? dataSet->RecordCount() : 0;
    m_columns = dataSet ? dataSet->FieldCount() : 0;
    endResetModel();
    if (!dataSet)
        return;
    connect(dataSet, &TDataSet::StructureChanged, this, &TDataSetModel::Reset);
    connect(dataSet, &TDataSet::RowsAboutToBeInserted, this, [this](int first, int count) {
        beginInsertRows(QModelIndex(), first, first + count - 1);
    });
    connect(dataSet, &TDataSet::RowsInserted, this, &TDataSetModel::OnRowsInserted);
    connect(dataSet, &TDataSet::RowsAboutToBeRemoved, this, [this](int first, int count) {
        beginRemoveRows(QModelIndex(), first, first + count - 1);
    });
    connect(dataSet, &TDataSet::RowsRemoved, this, &TDataSetModel::OnRowsRemoved);
    connect(dataSet, &TDataSet::RowChanged, this, &TDataSetModel::OnRowChanged);
    connect(dataSet, &TDataSet::ValuesChanged, this, &TDataSetModel::OnValuesChanged);
    connect(dataSet, &TDataSet::CurrentChanged, this, &TDataSetModel::CurrentRowChanged);
    connect(dataSet, &QObject::destroyed, this, [this] {
        beginResetModel();
        m_rows = m_columns = 0;
        endResetModel();
    });
}

void TDataSetModel::Reset()
{
    beginResetModel();
    m_rows = m_dataSet && m_dataSet->Active() ? m_dataSet->RecordCount() : 0;
    m_columns = m_dataSet ? m_dataSet->FieldCount() : 0;
    endResetModel();
}

void TDataSetModel::OnRowsInserted(int, int count)
{
    m_rows += count;
    endInsertRows();
}

void TDataSetModel::OnRowsRemoved(int, int count)
{
    m_rows -= count;
    endRemoveRows();
}

void TDataSetModel::OnRowChanged(int pos)
{
    if (pos >= 0 && pos < m_rows && m_columns > 0)
        emit dataChanged(index(pos, 0), index(pos, m_columns - 1));
}

void TDataSetModel::OnValuesChanged()
{
    if (m_rows > 0 && m_columns > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
}

int TDataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TDataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant TDataSetModel::data(const QModelIndex &index, int role) const
{
    // While controls are disabled the data set may hold fewer rows than views know of.
    if (!m_dataSet || !index.isValid() || index.row() >= m_dataSet->RecordCount()
        || index.column() >= m_dataSet->FieldCount())
        return QVariant();
    const TField *field = m_dataSet->Field(index.column());
    const int rowId = m_dataSet->RowIdAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return field->DisplayText(m_dataSet->StoredValue(rowId, index.column()));
    case Qt::EditRole:
        return field->Typed(m_dataSet->StoredValue(rowId, index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(field->IsNumeric() ? Qt::AlignRight | Qt::AlignVCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
    case RowIdRole:
        return rowId;
    default:
        return QVariant();
    }
}

bool TDataSetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_dataSet || !index.isValid() || role != Qt::EditRole
        || m_dataSet->Field(index.column())->ReadOnly)
        return false;
    m_dataSet->SetValueAt(index.row(), index.column(), value);
    return true;
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !m_dataSet || section < 0 || section >= m_columns
        || section >= m_dataSet->FieldCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const TField *field = m_dataSet->Field(section);
    if (role == Qt::DisplayRole)
        return field->Label();
    if (role == FieldNameRole)
        return field->FieldName;
    return QVariant();
}

Qt::ItemFlags TDataSetModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_dataSet && index.column() < m_dataSet->FieldCount()
        && !m_dataSet->Field(index.column())->ReadOnly)
        f |= Qt::ItemIsEditable;
    return f;
}
