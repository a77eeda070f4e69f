#pragma once

#include <QObject>

class TstReportEngine : public QObject
{
    Q_OBJECT
private slots:
    void templateXmlRoundTrip();
    void templateXmlRejectsForeignFile();
    void substitute_data();
    void substitute();
    void paginationRepeatsColumnHeader();
    void firstPageBeforeTheRest();
    void bandTallerThanPageStillPlaced();
    void stretchedRow_data();
    void stretchedRow();
    void stretchedRowsBreakBeforeBottomMargin();
    void billPdfIsSearchable();
    void exports();
    void barcodes();
    void csvDataSet();
};
