#pragma once

#include <QObject>

// Operators, passwords and rights on the database under test.
class TstOperator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void rights_data();
    void rights();
    void refusalAborts();
    void loginAndPassword();
    void saveAddDelete();
};
