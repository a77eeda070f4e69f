#pragma once

#include <QObject>

// The options dialog and the company information dialog.
class TstOptionEdtFrm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void optionsShowStoredValues();
    void optionsSaveAndReload();
    void optionsCancelStoresNothing();
    void companyDialogSaves_data();
    void companyDialogSaves();
    void companyReadOnly();
    void registeredWindows();
    void textsFitAndScreenshots();
};
