#pragma once

#include "data/Exceptions.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <memory>

class TDialect;
class TRecordSet;
class QSqlQuery;

// A named parameter value of a statement (the name without the colon).
struct TDBParameter
{
    QString Name;
    QVariant Value;
};
using TDBParameters = QList<TDBParameter>;
inline TDBParameter DBParam(const QString &name, const QVariant &value) { return {name, value}; }

// A named blob parameter; the bytes are not owned.
struct TxDBParameter
{
    QString Name;
    const QByteArray *Stream = nullptr;
};
using TxDBParameters = QList<TxDBParameter>;
inline TxDBParameter xDBParam(const QString &name, const QByteArray *stream)
{
    return {name, stream};
}

// The one connection of the process and the statement executors.
// Connection strings have the form "Provider=…;Data Source=…;…"; providers are
// "SQLite" (the single-user file) and "PostgreSQL" (the network server).
class TDatabase
{
public:
    TDatabase();
    ~TDatabase();
    TDatabase(const TDatabase &) = delete;
    TDatabase &operator=(const TDatabase &) = delete;

    // Closes, sets the string, opens; on failure shows "连接时失败,提示如下:…" and returns false.
    bool Connect(const QString &connectionString);
    // The same without the message: the provider's text comes back in error.
    bool TryConnect(const QString &connectionString, QString *error);
    bool Connected() const;
    void SetConnected(bool connected);
    QString ConnectionString() const { return m_connectionString; }

    // One statement that returns no rows; the result is the number of rows affected.
    int ExecSQL(const QString &sql, const TDBParameters &params = {},
                const TxDBParameters &blobParams = {});
    // The same without a row count.
    void ExecCommand(const QString &sql, const TDBParameters &params = {},
                     const TxDBParameters &blobParams = {});

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return m_inTransaction; }

    bool IsSqlServer() const;
    QString DateLiteral(const QDateTime &value) const;
    QString DateLiteral(const QDate &value) const;
    QDateTime ServerNow();
    QString ConnectionProperty(const QString &name) const;
    QString Provider() const { return ConnectionProperty(QStringLiteral("Provider")); }
    QString DataSource() const { return ConnectionProperty(QStringLiteral("Data Source")); }

    const TDialect &Dialect() const;
    QSqlDatabase &Connection() { return m_db; }

    // Runs a select for a set: the query is positioned before its first row.
    // Raises EDatabaseError with the provider's message on failure.
    QSqlQuery &RunSelect(const QString &sql, const TDBParameters &params);
    void FinishSelect();

private:
    struct TPrepared;
    TPrepared &Prepare(const QString &sql);
    void Bind(TPrepared &prepared, const QString &sql, const TDBParameters &params,
              const TxDBParameters &blobParams);
    void EnsureOpen();
    bool Run(TPrepared &prepared);
    int Execute(const QString &sql, const TDBParameters &params,
                const TxDBParameters &blobParams);
    void DropPrepared();

    QString m_connectionName;
    QString m_connectionString;
    QSqlDatabase m_db;
    std::unique_ptr<TDialect> m_dialect;
    struct TCache;
    std::unique_ptr<TCache> m_cache;
    bool m_inTransaction = false;
};

// The process-wide connection and the shared set for one-off lookups.
TDatabase &TheDatabase();
TRecordSet &TheLookupSet();

// "Provider=…;Data Source=…" → the value of one pair; empty when the name does not occur.
QString ConnectionStringProperty(const QString &connectionString, const QString &name);

// The standard refusal to delete a record that other tables refer to, with the driver's text.
void ShowDeleteRefused(const QString &message);
