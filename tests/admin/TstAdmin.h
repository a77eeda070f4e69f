#pragma once

#include "support/TestSupport.h"

#include <QObject>
#include <QStringList>

// The console tool run as a process: demonstration data, printing a stored arrival,
// exporting master lists, and its refusals.
class TstAdmin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void demoCounts_data();
    void demoCounts();
    void demoArrivalsAreConsistent();
    void demoRefusesDatabaseWithData();
    void demoIsDeterministic();
    void demoScaleWritesInBulk();
    void printArrival();
    void exportSuppliers_data();
    void exportSuppliers();
    void exportGoodsUsesLabels();
    void badArguments_data();
    void badArguments();

private:
    struct TRun
    {
        int ExitCode = -1;
        QString Out;
        QString Err;
    };
    TRun Admin(const QString &connection, const QStringList &args) const;
    // A new, empty database (no tables) filled by "demo"; its connection string.
    QString NewDemoDatabase(const QStringList &extra = {});
    void ConnectTo(const QString &connection);

    TTestDatabase m_databases;
    QString m_demo;             // the database every test reads, filled once
};
