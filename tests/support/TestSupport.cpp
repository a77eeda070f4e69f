#include "support/TestSupport.h"

#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <cstdio>
#include <cstdlib>

int RunTestObjects(int argc, char **argv, std::initializer_list<QObject *> objects)
{
    int failures = 0;
    std::printf("database dialect under test: %s\n", qPrintable(TTestDatabase::Dialect()));
    for (QObject *object : objects) {
        failures += QTest::qExec(object, argc, argv);
        delete object;
    }
    return failures;
}

QString TTestDatabase::Dialect()
{
    const QString d = qEnvironmentVariable("OPENBUY_TEST_DIALECT", QStringLiteral("sqlite"));
    return d.toLower();
}

TTestDatabase::TTestDatabase() = default;

TTestDatabase::~TTestDatabase()
{
    DropAll();
}

namespace {
// The throwaway server's maintenance connection; fails loudly when the server is missing.
QString ServerConnection()
{
    const QString server = qEnvironmentVariable("OPENBUY_TEST_PG");
    if (server.isEmpty())
        qFatal("OPENBUY_TEST_PG is not set: run the PostgreSQL tests through `make test` "
               "(tools/with-postgres.sh)");
    return server;
}

void RunOnServer(const QString &sql)
{
    const QString server = ServerConnection();
    const QString name = QStringLiteral("openbuy_test_admin");
    {
        QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name)
                                                       : QSqlDatabase::addDatabase("QPSQL", name);
        db.setHostName(ConnectionStringProperty(server, QStringLiteral("Data Source")));
        db.setPort(ConnectionStringProperty(server, QStringLiteral("Port")).toInt());
        db.setUserName(ConnectionStringProperty(server, QStringLiteral("User ID")));
        db.setDatabaseName(ConnectionStringProperty(server, QStringLiteral("Initial Catalog")));
        if (!db.isOpen() && !db.open())
            qFatal("cannot reach the test PostgreSQL server: %s",
                   qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        if (!q.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    }
}
} // namespace

QString TTestDatabase::CreateEmpty()
{
    if (IsPostgres()) {
        const QString name = QStringLiteral("openbuy_t_%1")
                                 .arg(QUuid::createUuid().toString(QUuid::Id128).left(16));
        RunOnServer(QStringLiteral("create database %1").arg(name));
        m_pgDatabases.append(name);
        QString server = ServerConnection();
        server.replace(QStringLiteral("Initial Catalog=")
                           + ConnectionStringProperty(server, QStringLiteral("Initial Catalog")),
                       QStringLiteral("Initial Catalog=") + name);
        m_connectionString = server;
    } else {
        const QString file = QDir::temp().filePath(
            QStringLiteral("openbuy_t_%1.db")
                .arg(QUuid::createUuid().toString(QUuid::Id128).left(16)));
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(file));
        m_files.append(file);
        m_connectionString = QStringLiteral("Provider=SQLite;Data Source=") + file;
    }
    return m_connectionString;
}

void TTestDatabase::CreateFull(TDatabase &database)
{
    const QString connection = CreateEmpty();
    QString error;
    if (!database.TryConnect(connection, &error))
        qFatal("cannot connect to the test database: %s", qPrintable(error));
    if (!TSchema::Standard().CreateDatabase(database, &error))
        qFatal("cannot create the test database: %s", qPrintable(error));
}

void TTestDatabase::CreateFull()
{
    CreateFull(TheDatabase());
}

void TTestDatabase::DropAll()
{
    TheDatabase().SetConnected(false);
    for (const QString &file : std::as_const(m_files))
        QFile::remove(file);
    for (const QString &name : std::as_const(m_pgDatabases))
        RunOnServer(QStringLiteral("drop database if exists %1 with (force)").arg(name));
    m_files.clear();
    m_pgDatabases.clear();
}

TScriptedMessageScope::TScriptedMessageScope()
{
    auto layer = std::make_unique<TScriptedMessages>();
    m_layer = layer.get();
    m_previous = SetMessageLayer(std::move(layer));
}

TScriptedMessageScope::~TScriptedMessageScope()
{
    SetMessageLayer(std::move(m_previous));
}
