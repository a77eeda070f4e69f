#pragma once

#include "data/RecordSet.h"
#include "masterdata/MasterTable.h"

// Base of the master record sets: loads all rows or one row by key, and locates the row
// that a written record goes into. Writing a record into the set never touches the
// database; the class-level Save and Delete of each set do.
class TMasterSet : public TRecordSet
{
    Q_OBJECT
public:
    explicit TMasterSet(const TMasterTable &table,
                        QString orderBy = QStringLiteral(" order by Id"));

    // All rows of the table; the record count.
    virtual int LoadAll();
    // The row with that key; true when exactly one came back.
    virtual bool LoadById(int id);
    TField *IdFld = nullptr;

protected:
    // Puts the set on the row with that key in edit state, or appends a new row.
    void EditOrAppend(int id);
    const TMasterTable &m_table;
    QString m_orderBy;
};

// Text of a field, empty for null.
QString TextOf(const TField *field);
