#pragma once

#include "purchasing/BuyWhere.h"

#include "data/RecordSet.h"

#include <QDateTime>

// One arrival line as the detail lists show it.
struct RBuyDetail
{
    int Id = 0;
    QString Code, OldCode;
    QVariant BizDate;
    int DeptId = 0, SupplierId = 0, BuymanId = 0, TypeId = 0;
    QString DeptName, SupplierName, BuymanName, TypeName, Note;
    int dlId = 0;
    QString CataCode, CataName;
    int WareId = 0;
    QString WareS[12];
    QString WareColor, WareSize, WareProp;
    QVariant Qty, Price, Fund, PurePrice, PureFund;
    int TaxRate = 0;
    QString dlNote, OrderCode, AppCode, PlanCode;
    QVariant InvId;
    QString InvNo;
    QVariant InvDate, QuaDate, Unqualified;
    QString Quatxt, Trtmnt;
};

// One row per arrival line with its invoice and inspection (the invoice and inspection
// pickers, the arrival detail report). A line referenced by two invoices or inspections
// is listed once per reference; lines whose type or goods row is missing are not listed.
class TBuyDetails : public TRecordSet
{
    Q_OBJECT
public:
    TBuyDetails();
    explicit TBuyDetails(TDatabase &database);

    TBuyWhere *Where() const { return m_where; }
    void Query();
    QString QueryText() const;
    RBuyDetail AsData() const;

    TField *F(const char *name) const { return DataSet()->FieldByName(QLatin1String(name)); }

private:
    QString Conditions() const;
    TBuyWhere *m_where;
};
