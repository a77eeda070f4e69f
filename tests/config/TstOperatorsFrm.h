#pragma once

#include <QObject>

// The operators and rights window and the operator editor.
class TstOperatorsFrm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void editorRightsRoundTrip_data();
    void editorRightsRoundTrip();
    void editorRefuses_data();
    void editorRefuses();
    void editorEmployees();
    void windowAddsOperator();
    void windowRefusesExistingLogin_data();
    void windowRefusesExistingLogin();
    void windowChangesOperator();
    void windowDeletesOperator();
};
