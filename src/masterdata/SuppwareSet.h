#pragma once

#include "data/CustomWhere.h"
#include "data/QuerySet.h"
#include "masterdata/MasterTable.h"

#include <array>
#include <optional>

// Which supplier offers which goods item at which price, with the supplier's contact and
// the goods attributes under their aliases.
struct RSuppware
{
    int Id = 0;
    int SupplierId = 0;
    int WareId = 0;
    std::optional<double> Price;
    std::optional<double> TaxPrice;
    QString Notes;
    QString SuppName;
    QString SuppLinkman;
    QString SuppMobile;
    QString SuppTel;
    QString SuppFax;
    QString SuppAddr;
    QString SuppCredits;
    std::array<QString, 12> WareS;      // WareS01 … WareS12
};
using RSuppwares = QList<RSuppware>;

class TSuppwareWhere : public TCustomWhere
{
    Q_OBJECT
public:
    TSuppwareWhere();
    TField *SupplierIdFld;
    TField *SuppNameFld;
    TField *SuppCreditsFld;
    TField *WareIdFld;
    std::array<TField *, 5> WareSFld;   // WareS01 … WareS05
    QString Conditions(const TDatabase &database) const;
};

class TSuppwareSet : public TQuerySet
{
    Q_OBJECT
public:
    TSuppwareSet();

    TSuppwareWhere *Where() const { return m_where; }
    int Load();

    TField *IdFld;
    TField *SupplierIdFld;
    TField *WareIdFld;
    TField *PriceFld;
    TField *TaxPriceFld;
    TField *NotesFld;
    TField *SuppNameFld;
    TField *SuppLinkmanFld;
    TField *SuppMobileFld;
    TField *SuppTelFld;
    TField *SuppFaxFld;
    TField *SuppAddrFld;
    TField *SuppCreditsFld;
    std::array<TField *, 12> WareSFld;

    RSuppware AsData() const;
    void SetAsData(const RSuppware &data);

    // Saves, then puts the record into the loaded set.
    bool SaveItem(RSuppware &data);
    // Deletes the current row in the database and then from the set.
    bool DeleteCurrentItem();

    static const TMasterTable &Table();
    static QString SelectSql();
    static bool Save(RSuppware &data);
    static bool Delete(int id);

private:
    TSuppwareWhere *m_where;
};
