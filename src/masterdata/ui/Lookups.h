#pragma once

#include "grids/ui/ksComboBox.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/DeptSet.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/HouseSet.h"
#include "masterdata/ItemSet.h"
#include "masterdata/SupplierSet.h"
#include "masterdata/WareCataSet.h"
#include "masterdata/WareSet.h"

#include <QVariant>

#include <functional>
#include <memory>

class TDataSet;

// The master tables a lookup combo box can hold.
enum class TLookupKind {
    Depts, Employees, Suppliers, Banks, PlanTypes, OrderTypes, ShldoutItems, Houses,
    PickList,   // the lines of a pick list (by its kind number), no records
    Records     // any set with an Id and a Name, filled by FillFrom (arrival types …)
};

// A drop-down list of the rows of one master table: the item text is the row's name, the
// item holds the row's record. Delete clears the choice; Pick opens the list picker and
// adds a picked record that the list did not hold yet.
class TLookupCombo : public TksComboBox
{
    Q_OBJECT
public:
    explicit TLookupCombo(TLookupKind kind, QWidget *parent = nullptr);
    TLookupKind Kind() const { return m_kind; }

    // Reloads the items from the table, keeping nothing selected; withAll appends
    // "(全部)" (Id -1) and then selects the first item (departments and warehouses).
    void Fill(bool withAll = false);
    // The pick list's lines (kind PickList): free text stays allowed.
    void FillPickList(int pickListKind);
    // Any set with fields Id and Name, in its order (kind Records).
    void FillFrom(TDataSet &set);

    // The selected record's key, 0 when nothing is selected (-1 for "(全部)").
    int SelectedId() const;
    QString SelectedName() const;
    // Selects the first item with that key; no item when none has it.
    void SelectId(int id);

    // The selected record; a cleared record when nothing is selected.
    RDept Dept() const;
    REmployee Employee() const;
    RSupplier Supplier() const;
    RItem Item() const;           // banks, plan types, order types, payable items
    RHouse House() const;

    // Opens the list picker over the table (kinds with a picker); true when one was picked.
    bool Pick();
    // The picker layout of the kind (1213 departments, 1214 employees, 1295 suppliers …).
    int PickerLayout() const;

signals:
    // The choice changed (by the user, Delete, or a pick).
    void Changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct TImpl;
    TLookupKind m_kind;
    std::shared_ptr<TImpl> m_impl;
};

// The fixed-choice lists of the finders and reports.
enum class TChoiceKind { Sign, CheckStatus, InvoiceStatus, CompletionStatus, InspectionStatus };

class TChoiceCombo : public TksComboBox
{
    Q_OBJECT
public:
    explicit TChoiceCombo(TChoiceKind kind, QWidget *parent = nullptr);
    void Fill();
    // The selected item's value, NULL when nothing is selected.
    QVariant Get() const;
    // Selects the item with that value; NULL selects nothing.
    void Select(const QVariant &value);

private:
    TChoiceKind m_kind;
};

// An edit box holding one chosen record; the text shows it, Browse opens the picker.
enum class TLookupEditKind { Supplier, Ware, Category, Employee };

class TLookupEdit : public TksEdit
{
    Q_OBJECT
public:
    explicit TLookupEdit(TLookupEditKind kind, QWidget *parent = nullptr);
    TLookupEditKind Kind() const { return m_kind; }

    RSupplier Supplier() const;
    void SetSupplier(const RSupplier &data);
    RWare Ware() const;
    void SetWare(const RWare &data);
    RWareCata Cata() const;
    void SetCata(const RWareCata &data);
    REmployee Employee() const;
    void SetEmployee(const REmployee &data);
    // The held record's key; 0 (-1 for a category) when none.
    int HeldId() const;
    void ClearHeld();

    // The pick callbacks: store, show, raise Changed, true.
    bool AcceptSupplier(const RSupplier &data);
    bool AcceptWare(const RWare &data);
    bool AcceptCata(const RWareCata &data);

    // Opens the picker of the kind (suppliers 1295, goods 1219, the category picker).
    void Browse();

    // When set, a goods item is shown by this text instead of "名称 型号 编号 品牌".
    std::function<QString(const RWare &)> WareDisplay;

signals:
    void Changed();

private:
    struct TImpl;
    TLookupEditKind m_kind;
    std::shared_ptr<TImpl> m_impl;
};
