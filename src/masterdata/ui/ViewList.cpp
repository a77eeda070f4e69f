#include "masterdata/ui/ViewList.h"

#include "config/Operator.h"
#include "data/Exceptions.h"
#include "data/Messages.h"
#include "masterdata/ui/MasterEditors.h"
#include "reports/ui/ReporterFrm.h"

TImportWizard &ImportWizard()
{
    static TImportWizard wizard;
    return wizard;
}

bool IViewList::CanImport() const
{
    return ImportKind().isEmpty() || bool(ImportWizard());
}

namespace {
const QString NoImport = QStringLiteral("不支持导入功能,请手工录入");

void RunImport(IViewList &list, QWidget *owner)
{
    CheckRight(list.Right());
    if (list.ImportKind().isEmpty() || !ImportWizard()) {
        ShowInfo(NoImport);
        return;
    }
    if (ImportWizard()(owner, list.ImportKind()))
        list.Refresh();
}

// A delete that bills stand in the way of: the list says so with the reason and keeps the row.
void ShowIntegrity(const QString &reason)
{
    ShowInfo(QStringLiteral("为了数据的完整性,现在不能删除该资料,因为有的单据中已引用了,"
                            "除非先把相关的单据删除.\r\n"
                            "如果是初始使用，请选择“文件”菜单里的初始数据功能来清除. "
                            "系统描述如下:\r\n")
             + reason);
}

// Deletes one record by key: references are looked up first so that the operator sees the
// list's own message (and only that one); a refusal of the database itself ends the same way.
template<class TSet>
bool DeleteChecked(int id)
{
    try {
        const QString refused = TSet::Table().References(id);
        if (!refused.isEmpty()) {
            ShowIntegrity(refused);
            return false;
        }
        QString error;
        if (TSet::Delete(id, &error))
            return true;
        if (!error.isEmpty())
            ShowInfo(error);
        return false;
    } catch (const EDatabaseError &e) {
        ShowIntegrity(e.Message());
        return false;
    }
}

// Saves through the set's class-level save; a statement the database refuses is reported
// and the editor stays open with the input.
template<class TSet, class TRecord>
bool SaveChecked(TSet &list, TRecord &record)
{
    try {
        if (!TSet::Save(record)) {
            ShowWarning(QStringLiteral("保存失败, 没有返回成功值."));
            return false;
        }
    } catch (const EDatabaseError &e) {
        ShowError(e.Message());
        return false;
    }
    list.SetAsData(record);
    return true;
}

bool HasCurrent(const TQuerySet &set)
{
    return set.DataSet()->Active() && !set.DataSet()->IsEmpty();
}
} // namespace

// ---- goods ------------------------------------------------------------------------------

void TWareList::AddItem(QWidget *owner)
{
    CheckRight(Right());
    RWare ware;
    if (DefaultCategory.Id > 0) {
        ware.ClassId = DefaultCategory.Id;
        ware.CataCode = DefaultCategory.Code;
        ware.CataName = DefaultCategory.Name;
        ware.CataPath = DefaultCategory.Path.isEmpty() ? DefaultCategory.Name
                                                       : DefaultCategory.Path;
    }
    EditWare(owner, ware, [this](RWare &w) { return SaveChecked<TWareSet>(*this, w); });
}

void TWareList::EditItem(QWidget *owner)
{
    CheckRight(Right());
    if (!HasCurrent(*this))
        return;
    EditWare(owner, AsData(), [this](RWare &w) { return SaveChecked<TWareSet>(*this, w); });
}

void TWareList::DeleteItem(QWidget *)
{
    CheckRight(Right());
    if (!HasCurrent(*this))
        return;
    // The goods confirmation names no item: "当前记录".
    const int id = IdFld->AsInteger();
    if (ConfirmDelete() && DeleteChecked<TWareSet>(id))
        DeleteCurrent();
}

void TWareList::Refresh()
{
    Load();
}

void TWareList::PrintList(QWidget *owner)
{
    PrintDataSets({DataSet()}, ReportGroup(), owner);
}

void TWareList::EnumSearchFields(const std::function<void(TField *)> &callback)
{
    for (TField *f : {LookIdFld, CodeFld, NameFld, PartNoFld, BarcodeFld})
        callback(f);
}

void TWareList::ImportItems(QWidget *owner)
{
    RunImport(*this, owner);
}

// ---- suppliers --------------------------------------------------------------------------

namespace {
// The supplier editor can delete the supplier it shows; the list loses the row with it.
std::function<bool(int)> SupplierRemover(TSupplierList &list)
{
    return [&list](int id) {
        if (!DeleteChecked<TSupplierSet>(id))
            return false;
        TDataSet *data = list.DataSet();
        if (data->Active() && data->Locate(QStringLiteral("Id"), id))
            list.DeleteCurrent();
        return true;
    };
}
} // namespace

void TSupplierList::AddItem(QWidget *owner)
{
    CheckRight(Right());
    EditSupplier(
        owner, RSupplier(),
        [this](RSupplier &s) { return SaveChecked<TSupplierSet>(*this, s); },
        SupplierRemover(*this));
}

void TSupplierList::EditItem(QWidget *owner)
{
    CheckRight(Right());
    if (!HasCurrent(*this))
        return;
    EditSupplier(
        owner, AsData(),
        [this](RSupplier &s) { return SaveChecked<TSupplierSet>(*this, s); },
        SupplierRemover(*this));
}

void TSupplierList::DeleteItem(QWidget *)
{
    CheckRight(Right());
    if (!HasCurrent(*this))
        return;
    const RSupplier supplier = AsData();
    if (ConfirmDelete(supplier.Name) && DeleteChecked<TSupplierSet>(supplier.Id))
        DeleteCurrent();
}

void TSupplierList::Refresh()
{
    LoadAll();
}

void TSupplierList::PrintList(QWidget *owner)
{
    PrintDataSets({DataSet()}, ReportGroup(), owner);
}

void TSupplierList::EnumSearchFields(const std::function<void(TField *)> &callback)
{
    for (TField *f : {LookIdFld, NameFld, TelFld})
        callback(f);
}

void TSupplierList::ImportItems(QWidget *owner)
{
    RunImport(*this, owner);
}

// ---- the small tables -------------------------------------------------------------------

template<class TSet, class TRecord, int Group, int RightNo>
void TSimpleList<TSet, TRecord, Group, RightNo>::AddItem(QWidget *owner)
{
    CheckRight(RightNo);
    EditRecord(owner, TRecord(), [this](TRecord &r) { return SaveChecked<TSet>(*this, r); });
}

template<class TSet, class TRecord, int Group, int RightNo>
void TSimpleList<TSet, TRecord, Group, RightNo>::EditItem(QWidget *owner)
{
    CheckRight(RightNo);
    if (!HasCurrent(*this))
        return;
    EditRecord(owner, this->AsData(),
               [this](TRecord &r) { return SaveChecked<TSet>(*this, r); });
}

template<class TSet, class TRecord, int Group, int RightNo>
void TSimpleList<TSet, TRecord, Group, RightNo>::DeleteItem(QWidget *)
{
    CheckRight(RightNo);
    if (!HasCurrent(*this))
        return;
    const TRecord record = this->AsData();
    if (ConfirmDelete(record.Name) && DeleteChecked<TSet>(record.Id))
        this->DeleteCurrent();
}

template<class TSet, class TRecord, int Group, int RightNo>
void TSimpleList<TSet, TRecord, Group, RightNo>::Refresh()
{
    this->LoadAll();
}

template<class TSet, class TRecord, int Group, int RightNo>
void TSimpleList<TSet, TRecord, Group, RightNo>::PrintList(QWidget *owner)
{
    PrintDataSets({this->DataSet()}, Group, owner);
}

template<class TSet, class TRecord, int Group, int RightNo>
void TSimpleList<TSet, TRecord, Group, RightNo>::ImportItems(QWidget *owner)
{
    RunImport(*this, owner);
}

template class TSimpleList<TEmployeeSet, REmployee, 1029, 1011>;
template class TSimpleList<TDeptSet, RDept, 1030, 1012>;
template class TSimpleList<TBankSet, RBank, 1045, 1052>;
template class TSimpleList<TUnitSet, RUnit, 58, 62>;
template class TSimpleList<TbuPlanTypeSet, RbuPlanType, 1070, 1008>;
template class TSimpleList<TbuOrderTypeSet, RbuOrderType, 1069, 1008>;
template class TSimpleList<TShldoutItemSet, RShldoutItem, 1060, 1062>;
template class TSimpleList<THouseSet, RHouse, 2320, 2013>;
