#include "masterdata/ui/MasterEditors.h"

#include "masterdata/ui/CategoryWindows.h"
#include "masterdata/ui/PickerFrm.h"
#include "masterdata/ui/ViewList.h"
#include "shell/ui/Mall.h"

namespace {
void PickEmployee(QWidget *owner, const Tmall::TEmployeeCallback &callback)
{
    TEmployeeList list;
    list.LoadAll();
    list.OnPick = [&callback](const REmployee &e) {
        if (callback)
            callback(e.Id, e.Name);
        return true;
    };
    TPickerFrm::Pick(owner, list, 1214);
}
} // namespace

void RegisterMasterWindows(Tmall &mall)
{
    mall.Register(QStringLiteral("OpenWareList"), [](QWidget *o) { OpenGoodsList(o); });
    mall.Register(QStringLiteral("OpenSuppliers"), [](QWidget *o) { OpenSupplierList(o); });
    mall.Register(QStringLiteral("OpenCataAssign"), [](QWidget *o) { AssignCategoryBuyers(o); });
    const QList<QPair<QString, TInfoKind>> lists{
        {QStringLiteral("OpenEmployees"), TInfoKind::Employees},
        {QStringLiteral("OpenBanks"), TInfoKind::Banks},
        {QStringLiteral("OpenWarehouses"), TInfoKind::Houses},
        {QStringLiteral("OpenShldoutItems"), TInfoKind::ShldoutItems},
        {QStringLiteral("OpenPlanTypes"), TInfoKind::PlanTypes},
        {QStringLiteral("OpenOrderTypes"), TInfoKind::OrderTypes},
    };
    for (const auto &[name, kind] : lists)
        mall.Register(name, [kind](QWidget *o) { OpenInfoList(o, kind); });
    mall.EmployeePicker = PickEmployee;
}
