#pragma once

#include <QObject>

// The connection dialog, driven with key and mouse events.
class TstDBConfigFrm : public QObject
{
    Q_OBJECT
private slots:
    void ShowsStoredSettings();
    void ProviderSelectsPage();
    void DefaultFileGreysFileControls();
    void ConfirmSavesEveryControl();
    void BadPortSavesNothing_data();
    void BadPortSavesNothing();
    void CancelAndEscapeSaveNothing_data();
    void CancelAndEscapeSaveNothing();
    void EnterMovesToNextControl();
    void SmartConnectUntickedOnEveryOpen();
    void BrowseTakesChosenFile();
    void TextsFitAndScreenshots();
};
