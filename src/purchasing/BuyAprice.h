#pragma once

#include "purchasing/BuyApriceWhere.h"

#include "data/KsClientDataSet.h"

// One goods item with its purchase price statistics.
struct RBuyAprice
{
    int WareId = 0;
    QString WareS[12];
    QVariant CataId;
    QString CataCode, CataName;
    QVariant Aprice, Tbill, Tfund, Tqty, Lprice, Ldate;
};

// One row per goods item, in key order, with the count, amount and quantity of its
// arrival lines under the criteria, their average price, and the price and date of its
// latest arrival line over all arrivals (latest business date, then highest line key).
// The statistics ignore the arrival type's sign. Goods without arrivals are listed with
// empty statistics. Emits OnProgress(row count, row) while it fills; LostTime tells the ms.
class TBuyAprice : public TKsClientDataSet
{
    Q_OBJECT
public:
    TBuyAprice();
    explicit TBuyAprice(TDatabase &database);

    TBuyApriceWhere *Where() const { return m_where; }
    void Query();
    QString QueryText() const;
    // "sys-all" shows every row, "sys-classed" goods with a category, "sys-nulled" those
    // without, any other key the goods of that category and below.
    void FilterCategory(const QString &key);
    // Reads one goods item again and updates or appends its row; statistics stay.
    void RefreshWare(int wareId);
    RBuyAprice AsData() const;

    TField *WareIdFld;
    TField *WareSFld[12];
    TField *CataIdFld;
    TField *CataCodeFld;
    TField *CataNameFld;
    TField *ApriceFld;
    TField *TbillFld;
    TField *TfundFld;
    TField *TqtyFld;
    TField *LpriceFld;
    TField *LdateFld;

private:
    QString GoodsColumns() const;
    TDatabase &m_database;
    TBuyApriceWhere *m_where;
};
