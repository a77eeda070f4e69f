#pragma once

#include "data/KsClientDataSet.h"

class TDatabase;

// One row of search criteria. The row stays in insert state for the life of the object;
// a criterion is not set when its field is null (id fields also when 0 or less).
class TCustomWhere : public TKsClientDataSet
{
    Q_OBJECT
public:
    TCustomWhere() = default;
    // Every criterion becomes not set.
    virtual void Clear();
    // Writes pending edits of bound controls into the row.
    void FlushEdits();

protected:
    // Called by a criteria class at the end of its constructor, after declaring fields.
    void CreateCriteriaRow();
};

// Turns criteria into SQL conditions: each set criterion appends " and <condition>".
// Text is escaped, so a quote or a wildcard in a search text is searched for literally.
class TWhereBuilder
{
public:
    explicit TWhereBuilder(const TDatabase &database);
    TWhereBuilder();

    TWhereBuilder &FromDate(const QString &column, const TField *field);
    TWhereBuilder &ToDate(const QString &column, const TField *field);
    TWhereBuilder &Id(const QString &column, const TField *field);        // when > 0
    TWhereBuilder &Link(const QString &column, const TField *field);      // when not null
    TWhereBuilder &Contains(const QString &column, const TField *field);  // like '%text%'
    TWhereBuilder &Prefix(const QString &column, const TField *field);    // like 'text%'
    // true: "(not <alias>.CheckTime is null)", false: "<alias>.CheckTime is null".
    TWhereBuilder &Audited(const TField *field, const QString &alias = QStringLiteral("m"));
    TWhereBuilder &Add(const QString &condition);
    TWhereBuilder &AddIf(bool set, const QString &condition);

    static bool IsSet(const TField *field);
    static bool IsIdSet(const TField *field);
    static bool IsTextSet(const TField *field);

    // " and a=1 and b=2"; empty when no criterion is set.
    QString Conditions() const { return m_conditions; }
    // " where a=1 and b=2" for a query without where clause; empty when none is set.
    QString AsWhere() const { return AsWhere(m_conditions); }
    static QString AsWhere(const QString &conditions);

private:
    const TDatabase &m_database;
    QString m_conditions;
};
