#pragma once

#include <QObject>

// cfg.ini, the scrambled values, the connection strings and the client alias.
class TstConfiger : public QObject
{
    Q_OBJECT
private slots:
    void Scramble_data();
    void Scramble();
    void LoadsDefaultsWithoutFile();
    void LoadsHandWrittenValues_data();
    void LoadsHandWrittenValues();
    void SavedTextsSurviveTheFile_data();
    void SavedTextsSurviveTheFile();
    void SaveWritesBooleansAsDigitsAndHidesSecrets();
    void SaveBuildsConnectionString_data();
    void SaveBuildsConnectionString();
    void OtherProviderUsesStoredString();
    void SaveWritesOrRemovesAlias_data();
    void SaveWritesOrRemovesAlias();
    void AliasWithoutPort();
    void LastLoginIdSurvivesOpenConfiger();
    void DefaultLocationIsBesideTheProgram();
};
