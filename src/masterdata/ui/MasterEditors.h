#pragma once

#include "masterdata/DeptSet.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/HouseSet.h"
#include "masterdata/ItemSet.h"
#include "masterdata/SupplierSet.h"
#include "masterdata/UnitSet.h"
#include "masterdata/WareSet.h"

#include <functional>

class QWidget;
class Tmall;

// The editors of the master tables. Each is modal, collects its fields into the record and
// calls the save callback; it closes with OK only when the callback returns true, so a
// failed save keeps the user's input. True when it closed with OK.
template<class TRecord>
using TSaveCallback = std::function<bool(TRecord &)>;

bool EditWare(QWidget *owner, const RWare &ware, const TSaveCallback<RWare> &save);
bool EditSupplier(QWidget *owner, const RSupplier &supplier,
                  const TSaveCallback<RSupplier> &save,
                  const std::function<bool(int id)> &remove);
// The small editors, found by the record type.
bool EditRecord(QWidget *owner, const RItem &item, const TSaveCallback<RItem> &save);
bool EditRecord(QWidget *owner, const RDept &dept, const TSaveCallback<RDept> &save);
bool EditRecord(QWidget *owner, const REmployee &employee,
                const TSaveCallback<REmployee> &save);
bool EditRecord(QWidget *owner, const RUnit &unit, const TSaveCallback<RUnit> &save);
bool EditRecord(QWidget *owner, const RHouse &house, const TSaveCallback<RHouse> &save);

// The list windows of the main window.
void OpenSupplierList(QWidget *owner);
enum class TInfoKind { PlanTypes, OrderTypes, ShldoutItems, Banks, Houses, Employees };
void OpenInfoList(QWidget *owner, TInfoKind kind);

// Registers every master-data window with the launcher (menu names "OpenWareList",
// "OpenSuppliers", "OpenEmployees", …) and its employee picker.
void RegisterMasterWindows(Tmall &mall);
