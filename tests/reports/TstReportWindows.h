#pragma once

#include "support/TestSupport.h"

#include <QObject>

class TstReportWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void placement_data();
    void placement();
    void chooserCreatesRenamesDeletes();
    void designSaveAndPreview();
    void designerEditsWithMouseAndKeys();
    void designerDrawsBarcodes_data();
    void designerDrawsBarcodes();
    void previewPagesAndExports();
    void rights();

private:
    std::unique_ptr<TTestDatabase> m_db;
};
