#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// One arrival line in memory. Nullable numbers and links are QVariant: null means empty
// (a number) or no link.
struct RBuydl
{
    int dlId = 0;
    int MastId = 0;
    int WareId = 0;
    QString WareS[12];          // WareS01 … WareS12, display only
    QString WareColor;
    QString WareSize;
    QString WareProp;
    QVariant Qty;
    QVariant Price;
    QVariant Fund;
    QVariant Tax;
    QVariant PurePrice;
    QVariant PureFund;
    QString dlNote;
    QString AppCode;
    QString PlanCode;
    QString OrderCode;
    QVariant AppdlId;
    QVariant PlandlId;
    QVariant OrdlId;
};
using RBuydls = QList<RBuydl>;

// One arrival bill in memory: the header with its lines.
struct RBuy
{
    int Id = 0;
    QString Code;
    QString OldCode;
    QVariant BizDate;
    int DeptId = 0;
    int TypeId = 1;
    int BuymanId = 0;
    int SupplierId = 0;
    QString DeptName;
    QString TypeName;
    QString BuymanName;
    QString SupplierName;
    int TaxRate = 0;
    QVariant TotalFund;
    QVariant BillTime;
    QVariant CheckTime;
    QString Billman;
    QString Checkman;
    QString Note;
    RBuydls Lines;

    bool Audited() const { return !CheckTime.isNull(); }
};

// One arrival type.
struct RBuyType
{
    int Id = 0;
    QString Name;
};
