#pragma once

#include "masterdata/DeptSet.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/HouseSet.h"
#include "masterdata/ItemSet.h"
#include "masterdata/SupplierSet.h"
#include "masterdata/UnitSet.h"
#include "masterdata/WareCataSet.h"
#include "masterdata/WareSet.h"

#include <functional>
#include <type_traits>

class QWidget;
class TDataSet;
class TField;

// What a list window and the list picker do with a master list, whatever its table: one
// list window and one picker serve every table through it.
class IViewList
{
public:
    virtual ~IViewList() = default;

    // The set the window shows (the list object itself).
    virtual TDataSet *ListSet() = 0;
    // The editor on a new record; a saved record is appended to the list.
    virtual void AddItem(QWidget *owner) = 0;
    // The editor on the current record; a saved record replaces the row.
    virtual void EditItem(QWidget *owner) = 0;
    // Deletes the current record after confirmation; a refused delete leaves the list as
    // it was and says why.
    virtual void DeleteItem(QWidget *owner) = 0;
    virtual void Refresh() = 0;
    // Prints the list through its report group.
    virtual void PrintList(QWidget *owner) = 0;
    // The fields offered for quick search, in order.
    virtual void EnumSearchFields(const std::function<void(TField *)> &callback) = 0;
    // Hands the current record to the pick callback; true when it was accepted.
    virtual bool PickCurrent() = 0;
    virtual void ImportItems(QWidget *owner) = 0;
    // The importer of the table ("goods", "suppliers", "employees"); empty for the tables
    // that are entered by hand only.
    virtual QString ImportKind() const { return {}; }
    // Whether 导入 can run: tables without an importer say so when asked; tables with one
    // wait for the import wizard to be installed.
    bool CanImport() const;
    virtual int ReportGroup() const = 0;
    // The right that add, edit, delete and import need.
    virtual int Right() const = 0;
};

// The import wizard, installed by the module that has it: it imports the given kind into
// the database and returns whether anything was imported.
using TImportWizard = std::function<bool(QWidget *owner, const QString &kind)>;
TImportWizard &ImportWizard();

// One list object per master table: the table's record set plus the list operations and a
// pick callback that receives the table's record.
template<class TSet, class TRecord>
class TViewListOf : public TSet, public IViewList
{
public:
    using TRecordType = TRecord;
    std::function<bool(const TRecord &)> OnPick;

    // The sets are query sets that own their data set, they are none themselves.
    TDataSet *ListSet() override { return this->DataSet(); }
    bool PickCurrent() override
    {
        TDataSet *data = this->DataSet();
        return OnPick && data->Active() && !data->IsEmpty() && OnPick(this->AsData());
    }
};

class TWareList : public TViewListOf<TWareSet, RWare>
{
public:
    void AddItem(QWidget *owner) override;
    void EditItem(QWidget *owner) override;
    void DeleteItem(QWidget *owner) override;
    void Refresh() override;      // the goods query with the current criteria
    void PrintList(QWidget *owner) override;
    void EnumSearchFields(const std::function<void(TField *)> &callback) override;
    void ImportItems(QWidget *owner) override;
    QString ImportKind() const override { return QStringLiteral("goods"); }
    int ReportGroup() const override { return 1027; }
    int Right() const override { return 1014; }
    // The category new goods start in (the node chosen in a tree beside the list).
    RWareCata DefaultCategory;
};

class TSupplierList : public TViewListOf<TSupplierSet, RSupplier>
{
public:
    void AddItem(QWidget *owner) override;
    void EditItem(QWidget *owner) override;
    void DeleteItem(QWidget *owner) override;
    void Refresh() override;
    void PrintList(QWidget *owner) override;
    void EnumSearchFields(const std::function<void(TField *)> &callback) override;
    void ImportItems(QWidget *owner) override;
    QString ImportKind() const override { return QStringLiteral("suppliers"); }
    int ReportGroup() const override { return 1028; }
    int Right() const override { return 1010; }
};

// The lists whose editor is one of the small editors and that have no quick search or
// import. The editor is found by the record type (EditRecord overloads in
// MasterEditors.h); the set's class-level Save and Delete do the database work.
template<class TSet, class TRecord, int Group, int RightNo>
class TSimpleList : public TViewListOf<TSet, TRecord>
{
public:
    void AddItem(QWidget *owner) override;
    void EditItem(QWidget *owner) override;
    void DeleteItem(QWidget *owner) override;
    void Refresh() override;
    void PrintList(QWidget *owner) override;
    void EnumSearchFields(const std::function<void(TField *)> &) override {}
    void ImportItems(QWidget *owner) override;
    QString ImportKind() const override
    {
        return std::is_same_v<TRecord, REmployee> ? QStringLiteral("employees") : QString();
    }
    int ReportGroup() const override { return Group; }
    int Right() const override { return RightNo; }
};

using TEmployeeList = TSimpleList<TEmployeeSet, REmployee, 1029, 1011>;
using TDeptList = TSimpleList<TDeptSet, RDept, 1030, 1012>;
using TBankList = TSimpleList<TBankSet, RBank, 1045, 1052>;
using TUnitList = TSimpleList<TUnitSet, RUnit, 58, 62>;
using TbuPlanTypeList = TSimpleList<TbuPlanTypeSet, RbuPlanType, 1070, 1008>;
using TbuOrderTypeList = TSimpleList<TbuOrderTypeSet, RbuOrderType, 1069, 1008>;
using TShldoutItemList = TSimpleList<TShldoutItemSet, RShldoutItem, 1060, 1062>;
using THouseList = TSimpleList<THouseSet, RHouse, 2320, 2013>;

// Defined once in ViewList.cpp.
extern template class TSimpleList<TEmployeeSet, REmployee, 1029, 1011>;
extern template class TSimpleList<TDeptSet, RDept, 1030, 1012>;
extern template class TSimpleList<TBankSet, RBank, 1045, 1052>;
extern template class TSimpleList<TUnitSet, RUnit, 58, 62>;
extern template class TSimpleList<TbuPlanTypeSet, RbuPlanType, 1070, 1008>;
extern template class TSimpleList<TbuOrderTypeSet, RbuOrderType, 1069, 1008>;
extern template class TSimpleList<TShldoutItemSet, RShldoutItem, 1060, 1062>;
extern template class TSimpleList<THouseSet, RHouse, 2320, 2013>;
