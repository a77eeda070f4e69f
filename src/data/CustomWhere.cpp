#include "data/CustomWhere.h"

#include "data/Database.h"
#include "data/Dialect.h"

void TCustomWhere::CreateCriteriaRow()
{
    CreateDataSet();
    m_data->Append();
}

void TCustomWhere::Clear()
{
    m_data->Cancel();
    m_data->Append();
}

void TCustomWhere::FlushEdits()
{
    m_data->FlushEdits();
}

TWhereBuilder::TWhereBuilder(const TDatabase &database) : m_database(database) {}

TWhereBuilder::TWhereBuilder() : m_database(TheDatabase()) {}

bool TWhereBuilder::IsSet(const TField *field)
{
    return field && !field->IsNull();
}

bool TWhereBuilder::IsIdSet(const TField *field)
{
    return IsSet(field) && field->AsLargeInt() > 0;
}

bool TWhereBuilder::IsTextSet(const TField *field)
{
    return IsSet(field) && !field->AsString().isEmpty();
}

TWhereBuilder &TWhereBuilder::Add(const QString &condition)
{
    m_conditions += QStringLiteral(" and ") + condition;
    return *this;
}

TWhereBuilder &TWhereBuilder::AddIf(bool set, const QString &condition)
{
    return set ? Add(condition) : *this;
}

TWhereBuilder &TWhereBuilder::FromDate(const QString &column, const TField *field)
{
    return AddIf(IsSet(field),
                 IsSet(field) ? column + QStringLiteral(">=")
                         + m_database.DateLiteral(field->AsDateTime())
                              : QString());
}

TWhereBuilder &TWhereBuilder::ToDate(const QString &column, const TField *field)
{
    return AddIf(IsSet(field),
                 IsSet(field) ? column + QStringLiteral("<=")
                         + m_database.DateLiteral(field->AsDateTime())
                              : QString());
}

TWhereBuilder &TWhereBuilder::Id(const QString &column, const TField *field)
{
    if (!IsIdSet(field))
        return *this;
    return Add(column + u'=' + QString::number(field->AsLargeInt()));
}

TWhereBuilder &TWhereBuilder::Link(const QString &column, const TField *field)
{
    if (!IsSet(field))
        return *this;
    return Add(column + u'=' + QString::number(field->AsLargeInt()));
}

TWhereBuilder &TWhereBuilder::Contains(const QString &column, const TField *field)
{
    if (!IsTextSet(field))
        return *this;
    return Add(column + QStringLiteral(" like ")
               + m_database.Dialect().LikeContains(field->AsString()));
}

TWhereBuilder &TWhereBuilder::Prefix(const QString &column, const TField *field)
{
    if (!IsTextSet(field))
        return *this;
    return Add(column + QStringLiteral(" like ")
               + m_database.Dialect().LikePrefix(field->AsString()));
}

TWhereBuilder &TWhereBuilder::Audited(const TField *field, const QString &alias)
{
    if (!IsSet(field))
        return *this;
    return Add(field->AsBoolean() ? QStringLiteral("(not %1.CheckTime is null)").arg(alias)
                                  : QStringLiteral("%1.CheckTime is null").arg(alias));
}

QString TWhereBuilder::AsWhere(const QString &conditions)
{
    static const QString And = QStringLiteral(" and ");
    if (!conditions.startsWith(And))
        return conditions;
    return QStringLiteral(" where ") + conditions.mid(And.size());
}
