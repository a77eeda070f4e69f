#include "masterdata/MasterSet.h"

TMasterSet::TMasterSet(const TMasterTable &table, QString orderBy)
    : m_table(table), m_orderBy(std::move(orderBy))
{
}

int TMasterSet::LoadAll()
{
    return OpenSQL(QStringLiteral("select * from %1%2").arg(m_table.Table, m_orderBy));
}

bool TMasterSet::LoadById(int id)
{
    return OpenSQL(QStringLiteral("select * from %1 where %2=:Id").arg(m_table.Table, m_table.Key),
                   {DBParam(QStringLiteral("Id"), id)}) == 1;
}

void TMasterSet::EditOrAppend(int id)
{
    TDataSet *data = DataSet();
    if (!data->Active())
        data->Open();
    if (id > 0 && data->Locate(IdFld->FieldName, id))
        data->Edit();
    else
        data->Append();
}

QString TextOf(const TField *field)
{
    return field && !field->IsNull() ? field->AsString() : QString();
}
