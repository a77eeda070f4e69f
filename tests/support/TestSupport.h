#pragma once

#include "data/Database.h"
#include "data/Messages.h"

#include <QApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>

// Runs the test objects of one executable in turn; the exit code is the number of failures.
int RunTestObjects(int argc, char **argv, std::initializer_list<QObject *> objects);

#define OPENBUY_TEST_MAIN(...)                                                                \
    int main(int argc, char **argv)                                                           \
    {                                                                                         \
        QApplication app(argc, argv);                                                         \
        return RunTestObjects(argc, argv, {__VA_ARGS__});                                     \
    }

// The database of a test run: a new SQLite file or a new PostgreSQL database, chosen by
// OPENBUY_TEST_DIALECT. Opening one with the schema and the rows of a new installation
// connects TheDatabase (or the given database) to it. Dropped when the object goes.
class TTestDatabase
{
public:
    TTestDatabase();
    ~TTestDatabase();
    static QString Dialect();                   // "sqlite" or "postgresql"
    static bool IsPostgres() { return Dialect() == QLatin1String("postgresql"); }
    // A connection string of a new, empty database.
    QString CreateEmpty();
    // A new database with every table and the rows of a new installation; TheDatabase connects.
    void CreateFull(TDatabase &database);
    void CreateFull();
    QString ConnectionString() const { return m_connectionString; }

private:
    void DropAll();
    QString m_connectionString;
    QStringList m_pgDatabases;
    QStringList m_files;
};

// Installs a scripted message layer for the lifetime of the object.
class TScriptedMessageScope
{
public:
    TScriptedMessageScope();
    ~TScriptedMessageScope();
    TScriptedMessages &operator*() { return *m_layer; }
    TScriptedMessages *operator->() { return m_layer; }

private:
    TScriptedMessages *m_layer;
    std::unique_ptr<TMessageLayer> m_previous;
};
