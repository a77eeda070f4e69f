#pragma once

#include <QObject>

// The connection string fetched from the QAM service, against a local HTTP server.
class TstQamLookup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void Lookup_data();
    void Lookup();
};
