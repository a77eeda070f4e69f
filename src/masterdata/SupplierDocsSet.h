#pragma once

#include "data/KsClientDataSet.h"

#include <QDateTime>

// A document kept for a supplier. DocFrom names the file its bytes come from on insert.
struct RSupplierDoc
{
    int dlId = 0;
    int SupplierId = 0;
    QDateTime BizDate;          // null when unknown
    QString Handman;
    QString DocName;
    QString DocFrom;
    QString dlNotes;
    QString Billman;
    QDateTime BillTime;
};
using RSupplierDocs = QList<RSupplierDoc>;

// The documents of one supplier, without their bytes.
class TSupplierDocsSet : public TKsClientDataSet
{
    Q_OBJECT
public:
    TSupplierDocsSet();

    TField *dlIdFld;
    TField *SupplierIdFld;
    TField *BizDateFld;
    TField *HandmanFld;
    TField *DocNameFld;
    TField *DocFromFld;
    TField *dlNotesFld;
    TField *BillmanFld;
    TField *BillTimeFld;

    void LoadBySupplier(int supplierId);
    RSupplierDoc AsData() const;
    void SetAsData(const RSupplierDoc &data);
    // Inserts (reading the file named by DocFrom first) or updates the document, then puts
    // it into the set. An update never replaces the stored bytes.
    bool SaveDocument(RSupplierDoc &data);
    // -1: the current row.
    bool DeleteDocument(int dlId = -1);

    // The class-level forms.
    static bool Save(RSupplierDoc &data);
    static bool Delete(int dlId);
    static bool FetchDocumentData(int dlId, QByteArray &data);
};
