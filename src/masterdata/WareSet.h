#pragma once

#include "masterdata/MasterSet.h"
#include "masterdata/WareWhere.h"

#include <array>
#include <optional>

struct RWareCata;

// A goods item. Every numeric attribute but Id is nullable and starts null.
struct RWare
{
    int Id = 0;
    std::optional<int> ClassId;         // null: not categorised
    QString Code;
    QString Name;
    QString LookId;
    QString PartNo;
    QString Brand;
    QString Package;
    QString Barcode;
    QString Unit;
    QString S08;
    QString S09;
    QString S10;
    QString S11;
    std::array<std::optional<double>, 5> F;     // F01 … F05
    QString Note;
    std::optional<double> InPrice;
    std::optional<double> OutPrice;
    std::optional<double> MinQty;
    std::optional<double> MaxQty;
    QString Location;
    std::optional<int> CostId;          // a null in the database reads as 0
    std::optional<double> CostPrice;
    std::optional<double> InnerPrice;
    std::optional<double> SalePrice1;
    std::optional<double> SalePrice2;
    std::optional<double> SalePrice3;
    std::optional<int> ProfitRate;
    // Joined in on loading, not stored in ware.
    QString CataCode;
    QString CataName;
    QString CataPath;
    QString CostName;
    void Clear() { *this = RWare(); }
};
using RWares = QList<RWare>;

// The goods with their category and costing method, selected by the owned criteria.
class TWareSet : public TMasterSet
{
    Q_OBJECT
public:
    TWareSet();

    TField *ClassIdFld;
    TField *CataCodeFld;
    TField *CataNameFld;
    TField *CataPathFld;
    TField *CodeFld;
    TField *NameFld;
    TField *LookIdFld;
    TField *PartNoFld;
    TField *BrandFld;
    TField *PackageFld;
    TField *BarcodeFld;
    TField *UnitFld;
    TField *S08Fld;
    TField *S09Fld;
    TField *S10Fld;
    TField *S11Fld;
    std::array<TField *, 5> FFld;       // F01Fld … F05Fld
    TField *NoteFld;
    TField *InPriceFld;
    TField *OutPriceFld;
    TField *MinQtyFld;
    TField *MaxQtyFld;
    TField *LocationFld;
    TField *CostPriceFld;
    TField *InnerPriceFld;
    TField *SalePrice1Fld;
    TField *SalePrice2Fld;
    TField *SalePrice3Fld;
    TField *ProfitRateFld;
    TField *CostIdFld;
    TField *CostNameFld;

    TWareWhere *Where() const { return m_where; }
    // The goods query with the current criteria; the record count.
    int Load();
    int LoadAll() override;
    bool LoadById(int id) override;
    static QString SelectSql(const QString &conditions);

    RWare AsData() const;
    void SetAsData(const RWare &data);

    // In-memory filters: each sets its own part; the parts hold together.
    void SetClassId(const QString &cataCode);
    void SetLookId(const QString &text);
    void SetWareName(const QString &text);
    void SetPartNo(const QString &text);
    void SetWareCode(const QString &text);
    // Replaces the filter with the category alone (a code, or a system node's code).
    void FilterByCategory(const QString &cataCode);

    // Moves the current goods item into the category (none for an id of 0 or below).
    bool MoveToCategory(const RWareCata &cata);

    // Sales-price statistics of the current goods item.
    double LowestInPrice() const;
    double HighestInPrice() const;
    double LastInPrice() const;
    double AvgInPrice() const;

    static const TMasterTable &Table();
    // The goods number and the name must be filled in; the message names their captions.
    static bool Check(const RWare &data, QString *message);
    static bool Save(RWare &data);
    // Refused while bills, supplier prices or stock documents name the goods item.
    static bool Delete(int id, QString *error = nullptr);
    static bool GetById(int id, RWare &data);
    // Moves every goods item of one category into another; the number moved, or -1 with
    // the reason in message when the target is no category.
    static int ReassignCategory(const RWareCata &oldCata, const RWareCata &newCata,
                                QString *message = nullptr);

private:
    void ApplyFilterParts();
    double PriceStatistic(const QString &expression) const;
    TWareWhere *m_where;
    std::array<QString, 5> m_filterParts;   // ClassId, LookId, WareName, PartNo, WareCode
};
