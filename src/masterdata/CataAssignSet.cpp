#include "masterdata/CataAssignSet.h"

#include "data/RecordSet.h"
#include "masterdata/MasterTable.h"
#include "masterdata/SaveTransaction.h"

RCataAssigns TCataAssignSet::LoadAssignments()
{
    TRecordSet set;
    set.OpenSQL(QStringLiteral("select Code, BuymanId from wareclass"));
    RCataAssigns out;
    TDataSet *d = set.DataSet();
    for (d->First(); !d->Eof(); d->Next())
        out.append({d->Field(0)->AsString(), OptInt(d->Field(1))});
    return out;
}

bool TCataAssignSet::SaveAssignments(const RCataAssigns &assigns)
{
    TDatabase &db = TheDatabase();
    TSaveTransaction trans(db);
    for (const RCataAssign &a : assigns) {
        if (db.ExecSQL(QStringLiteral("update wareclass set BuymanId=:BuymanId where Code=:Code"),
                       {DBParam(QStringLiteral("BuymanId"), Nullable(a.BuymanId)),
                        DBParam(QStringLiteral("Code"), a.Code)})
            != 1)
            return false;
    }
    trans.Commit();
    return true;
}

namespace {
bool EmployeeFrom(const QString &sql, const TDBParameters &params, REmployee &employee)
{
    TRecordSet set;
    if (set.OpenSQL(sql, params) != 1 || set.DataSet()->Field(0)->IsNull())
        return false;
    return TEmployeeSet::GetById(set.DataSet()->Field(0)->AsInteger(), employee);
}
} // namespace

bool TCataAssignSet::BuyerOfWare(int wareId, REmployee &buyer)
{
    return EmployeeFrom(QStringLiteral("select BuymanId from ware w left join wareclass c "
                                       "on w.ClassId=c.Id where w.Id=:WareId"),
                        {DBParam(QStringLiteral("WareId"), wareId)}, buyer);
}

bool TCataAssignSet::EmployeeOfOperator(const QString &loginId, REmployee &employee)
{
    return EmployeeFrom(QStringLiteral("select EmployeeId from [operator] where LoginId=:LoginId"),
                        {DBParam(QStringLiteral("LoginId"), loginId)}, employee);
}
