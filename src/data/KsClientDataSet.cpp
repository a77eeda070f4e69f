#include "data/KsClientDataSet.h"

TKsClientDataSet::TKsClientDataSet() : m_data(new TDataSet(this)) {}

TKsClientDataSet::~TKsClientDataSet() = default;

void TKsClientDataSet::CreateDataSet()
{
    m_data->Close();
    m_data->Open();
}

double TKsClientDataSet::FieldSum(const TField *field) const
{
    // Straight over the stored rows: the current row and bound controls are not disturbed.
    double sum = 0.0;
    if (!m_data->Active() || !field)
        return sum;
    const int column = field->Index();
    for (int pos = 0; pos < m_data->RecordCount(); ++pos) {
        const QVariant &v = m_data->StoredValue(m_data->RowIdAt(pos), column);
        if (!v.isNull())
            sum += v.toDouble();
    }
    return sum;
}

void TKsClientDataSet::DoProgress(int count, int position)
{
    emit OnProgress(count, position);
}

void TKsClientDataSet::DoProgress2(int count, int position, const QString &hint)
{
    emit OnProgress2(count, position, hint);
}
