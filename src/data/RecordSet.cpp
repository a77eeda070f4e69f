#include "data/RecordSet.h"

void TRecordSet::SetupField(TField *field, int size)
{
    if (size >= 0)
        field->Size = size;
}

void TRecordSet::Refresh()
{
    if (!m_data->Active())
        return;
    m_data->DisableControls();
    try {
        Load(m_sql, m_params);
    } catch (...) {
        m_data->EnableControls();
        throw;
    }
    m_data->EnableControls();
}

QString TRecordSet::JoinValues(TField *field, const QString &separator) const
{
    if (!m_data->Active() || m_data->IsEmpty() || !field)
        return QString();
    QStringList parts;
    parts.reserve(m_data->RecordCount());
    for (int pos = 0; pos < m_data->RecordCount(); ++pos)
        parts.append(field->Text(m_data->StoredValue(m_data->RowIdAt(pos), field->Index())));
    return parts.join(separator);
}

void TRecordSet::DeleteCurrent()
{
    if (m_data->Active() && !m_data->IsEmpty())
        m_data->Delete();
}

void TRecordSet::DeleteAll()
{
    if (!m_data->Active())
        return;
    m_data->DisableControls();
    while (!m_data->IsEmpty()) {
        m_data->First();
        m_data->Delete();
    }
    m_data->EnableControls();
}
