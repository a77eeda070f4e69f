#pragma once

#include "support/TestSupport.h"

#include <QObject>

class TstRep : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newDatabaseCarriesStandardTemplates();
    void firstTemplateGetsIdOne();
    void templatesListedByTitle();
    void renameAndDelete();
    void emptyTemplateLoadsEmpty();
    void saveTemplateUpdatesOrInserts();
    void fileKeepsTag();
    void projRepVariables();
    void adminPrintsToPdf();

private:
    std::unique_ptr<TTestDatabase> m_db;
};
