#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TDatabase;
class TDialect;

// The one definition of the database (schema/openbuy.schema) and the rows a new database
// needs (schema/rows.sql). It produces the DDL of both dialects, creates a new database and
// checks an existing one for missing tables and columns.
class TSchema
{
public:
    enum class TColumnType { Integer, Float, Money, Text, Memo, DateTime, Boolean, Blob, Variant };
    struct TColumn
    {
        QString Name;
        TColumnType Type = TColumnType::Integer;
        int Size = 0;
        bool Key = false;
        bool Auto = false;              // numbered by the database
        bool Index = false;
        bool Unique = false;
        bool NotNull = false;
        QString Default;
    };
    struct TTable
    {
        QString Name;
        QString Comment;
        QList<TColumn> Columns;
        QList<QStringList> Indexes;     // composite indexes
        const TColumn *FindColumn(const QString &name) const;
    };

    static const TSchema &Standard();
    // Raises EDatabaseError naming the line when the text is malformed.
    static TSchema Parse(const QString &text, const QString &rowsText = QString());

    QList<TTable> Tables;
    QStringList Rows;                   // insert statements of a new database
    const TTable *FindTable(const QString &name) const;
    // The column type of a column name anywhere in the schema (first table that has it).
    bool FindColumnType(const QString &column, TColumnType *type) const;

    QStringList CreateStatements(const TDialect &dialect) const;

    // Tables of the connected database (lower case).
    static QStringList ExistingTables(TDatabase &database);
    // Creates every table, index, function and row in one transaction. Refuses, without
    // any change, a database that already has tables (error tells why).
    bool CreateDatabase(TDatabase &database, QString *error) const;
    // Rows that modules write into every new database after rows.sql, in the same
    // transaction (the report templates of a new installation).
    using TRowProvider = std::function<void(TDatabase &)>;
    static void AddRowProvider(TRowProvider provider);
    // "表 x" / "列 x.y" for every table or column of the definition that the database lacks.
    QStringList MissingObjects(TDatabase &database) const;
};
