#pragma once

#include "data/Schema.h"

#include <QDateTime>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

// What differs between the single-user SQLite file and the PostgreSQL server.
// Statements are written once; the dialect rewrites what it must (bracketed names,
// case-insensitive like) and turns ":Name" parameters into positional ones.
class TDialect
{
public:
    virtual ~TDialect() = default;

    struct TStatement
    {
        QString Sql;            // as the driver runs it, with '?' placeholders
        QStringList Params;     // parameter names in placeholder order
    };
    TStatement Translate(const QString &sql) const;

    virtual bool IsServer() const = 0;
    virtual QString QtDriver() const = 0;
    virtual QString DateLiteral(const QDate &date) const = 0;
    virtual QString ServerNowSql() const = 0;
    // Values as they are bound: dates in their canonical text, flags as 0/1.
    virtual QVariant BindValue(const QVariant &value) const;
    // Sets up a newly opened connection (functions, time-outs); raises on failure.
    virtual void Configure(QSqlDatabase &db) const = 0;
    virtual void Open(QSqlDatabase &db, const QString &connectionString) const = 0;
    virtual QString ColumnType(const TSchema::TColumn &column) const = 0;
    virtual QString QuoteName(const QString &name) const = 0;
    // A key column the database numbers itself.
    virtual QString AutoKeyColumn(const QString &name) const = 0;
    // Statements the schema adds after its tables (functions of the server).
    virtual QStringList ExtraSchemaStatements() const { return {}; }
    // The tables of the connected database, lower case.
    virtual QString ListTablesSql() const = 0;
    virtual QString ListColumnsSql(const QString &table) const = 0;
    // Escapes text for a quoted literal in a search condition.
    QString QuoteText(const QString &text) const;
    // Escapes text for a like pattern ('%' and '_' match themselves).
    virtual QString LikeContains(const QString &text) const;
    virtual QString LikePrefix(const QString &text) const;

protected:
    virtual QString TranslateName(const QString &bracketed) const = 0;
    virtual bool RewriteLike() const { return false; }
};

class TSqliteDialect final : public TDialect
{
public:
    bool IsServer() const override { return false; }
    QString QtDriver() const override { return QStringLiteral("QSQLITE"); }
    QString DateLiteral(const QDate &date) const override;
    QString ServerNowSql() const override;
    void Configure(QSqlDatabase &db) const override;
    void Open(QSqlDatabase &db, const QString &connectionString) const override;
    QString ColumnType(const TSchema::TColumn &column) const override;
    QString QuoteName(const QString &name) const override;
    QString AutoKeyColumn(const QString &name) const override;
    QString ListTablesSql() const override;
    QString ListColumnsSql(const QString &table) const override;

protected:
    QString TranslateName(const QString &bracketed) const override { return bracketed; }
};

class TPostgresDialect final : public TDialect
{
public:
    bool IsServer() const override { return true; }
    QString QtDriver() const override { return QStringLiteral("QPSQL"); }
    QString DateLiteral(const QDate &date) const override;
    QString ServerNowSql() const override;
    void Configure(QSqlDatabase &db) const override;
    void Open(QSqlDatabase &db, const QString &connectionString) const override;
    QString ColumnType(const TSchema::TColumn &column) const override;
    QString QuoteName(const QString &name) const override;
    QString AutoKeyColumn(const QString &name) const override;
    QStringList ExtraSchemaStatements() const override;
    QString ListTablesSql() const override;
    QString ListColumnsSql(const QString &table) const override;

protected:
    QString TranslateName(const QString &bracketed) const override;
    bool RewriteLike() const override { return true; }
};
