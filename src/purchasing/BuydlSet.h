#pragma once

#include "purchasing/BuyRecords.h"

#include "data/KsClientDataSet.h"

class TDatabase;

// The editable lines of one arrival bill. Every post derives quantity, price, amount and
// the values without tax from what was entered.
class TBuydlSet : public TKsClientDataSet
{
    Q_OBJECT
public:
    TBuydlSet();

    // Posts a pending edit and returns every row in order; the cursor stays where it was.
    RBuydls AsDatas() const;
    // Replaces all rows by the lines given, each derived as it is posted.
    void SetAsDatas(const RBuydls &lines);

    // Writes a new tax rate into every row (derivations follow); nothing when unchanged.
    void SetTaxRate(int rate);
    int TaxRate() const { return m_taxRate; }
    // Whether the current row may be removed: an invoice or inspection line naming it
    // refuses, with the reasons in text.
    bool CheckLineDelete(QString &text) const;
    bool CheckLineDelete(TDatabase &database, QString &text) const;

    TField *dlIdFld;
    TField *MastIdFld;
    TField *WareIdFld;
    TField *WareSFld[12];       // WareS01Fld … WareS12Fld
    TField *WareColorFld;
    TField *WareSizeFld;
    TField *WarePropFld;
    TField *QtyFld;
    TField *PriceFld;
    TField *FundFld;
    TField *TaxFld;
    TField *PurePriceFld;
    TField *PureFundFld;
    TField *dlNoteFld;
    TField *OrderCodeFld;
    TField *AppCodeFld;
    TField *PlanCodeFld;
    TField *OrdlIdFld;
    TField *AppdlIdFld;
    TField *PlandlIdFld;

private:
    void Derive();
    RBuydl CurrentLine() const;
    void WriteLine(const RBuydl &line);

    int m_taxRate = 0;
};
