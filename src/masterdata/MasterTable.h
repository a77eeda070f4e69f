#pragma once

#include "data/Database.h"

#include <QStringList>
#include <QVariant>

#include <optional>

class TField;

// How one master table is written: its name, key and columns in statement order
// (reserved names bracketed, "[Note]"; the parameter is the bare name), and the columns
// of other tables that refer to its rows.
class TMasterTable
{
public:
    QString Table;
    QStringList Columns;
    QString Key = QStringLiteral("Id");
    // Columns named like this elsewhere hold a key of this table ("WareId", "DeptId" …).
    QStringList ReferringColumns;
    // Tables whose referring rows go with the record (a supplier's documents and prices).
    QStringList OwnedTables;
    // Referring columns given table by table ("buplanfrm.TypeId").
    QStringList ExtraReferences;

    QString UpdateSql() const;
    QString InsertSql() const;

    // Inserts (key 0 or below: a new key, max+1 read inside the transaction, written back)
    // or updates every column, in one transaction; true when exactly one row was written.
    bool Save(const TDBParameters &params, int &id) const;

    // The bills and tables that refer to the row, one line each; empty when none.
    QString References(int id) const;
    // Deletes the row and runs the clean-ups (statements with the parameter :Id) in one
    // transaction. A row that bills refer to is refused with the standard message and
    // nothing is deleted; the reason comes back in error. True when one row was deleted.
    bool Delete(int id, const QStringList &cleanUps = {}, QString *error = nullptr) const;

    TDatabase &Database() const { return TheDatabase(); }

private:
    struct TReference { QString Table; QString Column; };
    QList<TReference> ReferenceList() const;
};

// Nullable values as records hold them and as statements bind them.
inline QVariant Nullable(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant();
}
inline QVariant Nullable(const std::optional<int> &value)
{
    return value ? QVariant(*value) : QVariant();
}
std::optional<double> OptFloat(const TField *field);
std::optional<int> OptInt(const TField *field);
// The caption of a table in a refusal ("采购收货单"); the name itself when unknown.
QString TableCaption(const QString &table);
