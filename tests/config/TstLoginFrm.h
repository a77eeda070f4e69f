#pragma once

#include <QObject>

// The login dialog and the change of one's own password.
class TstLoginFrm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void offersLogins_data();
    void offersLogins();
    void login_data();
    void login();
    void wrongPasswordStaysOpen();
    void commandLineLogin_data();
    void commandLineLogin();
    void changePassword_data();
    void changePassword();
};
