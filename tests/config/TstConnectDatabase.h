#pragma once

#include <QObject>

// The start-up loop: connect, and while that fails let the dialog correct the settings.
class TstConnectDatabase : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void Loop_data();
    void Loop();
};
