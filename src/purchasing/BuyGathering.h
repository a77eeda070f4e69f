#pragma once

#include "purchasing/BuyHeaderFields.h"
#include "purchasing/BuyWhere.h"

#include "data/KsClientDataSet.h"

// One arrival with what payments have settled of it.
struct RBuyGathering
{
    int Id = 0;
    QString Code, OldCode;
    QVariant BizDate;
    int DeptId = 0, SupplierId = 0, BuymanId = 0, TypeId = 0;
    QString DeptName, SupplierName, BuymanName, TypeName, Note;
    double TotalFund = 0, PaymentFund = 0, DiscountFund = 0, BalanceFund = 0;
};

// One row per arrival with its signed total, the signed sums of the payment lines that
// name its code (paid and discounted) and the open balance (the payment picker).
class TBuyGathering : public TKsClientDataSet, public TBuyHeaderFields
{
    Q_OBJECT
public:
    TBuyGathering();
    explicit TBuyGathering(TDatabase &database);

    TBuyWhere *Where() const { return m_where; }
    void Query();
    QString QueryText() const;
    // Hides the arrivals whose balance is exactly 0.
    void ShowOpenOnly(bool open);
    RBuyGathering AsData() const;

    TField *NoteFld;
    TField *TotalFundFld;
    TField *PaymentFundFld;
    TField *DiscountFundFld;
    TField *BalanceFundFld;

private:
    TDatabase &m_database;
    TBuyWhere *m_where;
};
