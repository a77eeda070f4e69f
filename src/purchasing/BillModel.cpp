#include "purchasing/BillModel.h"

#include "config/Operator.h"
#include "data/Database.h"
#include "data/Messages.h"
#include "data/RecordSet.h"
#include "data/Utils.h"

#include <QStringList>

TBillTransaction::TBillTransaction(TDatabase &database) : m_database(database)
{
    m_database.BeginTrans();
}

TBillTransaction::~TBillTransaction()
{
    if (m_open) {
        try {
            m_database.RollbackTrans();
        } catch (...) {
            // The connection is gone: the server has dropped the transaction already.
        }
    }
}

void TBillTransaction::Commit()
{
    m_database.CommitTrans();
    m_open = false;
}

void TBillTransaction::Rollback()
{
    m_open = false;
    m_database.RollbackTrans();
}

namespace BillModel {

namespace {
QVariant SingleValue(TDatabase &database, const QString &sql, const TDBParameters &params)
{
    TRecordSet set(database);
    set.OpenSQL(sql, params);
    if (set.DataSet()->IsEmpty())
        return {};
    return set.DataSet()->Field(0)->Value();
}

int IdValue(const QVariant &value)
{
    return value.isNull() ? 0 : value.toInt();
}
} // namespace

int PriorId(TDatabase &database, const TBillTables &tables, int id)
{
    return IdValue(SingleValue(database,
        QStringLiteral("select max(Id) from %1 where Id<:Id").arg(tables.Header),
        {DBParam(QStringLiteral("Id"), id)}));
}

int NextId(TDatabase &database, const TBillTables &tables, int id)
{
    return IdValue(SingleValue(database,
        QStringLiteral("select min(Id) from %1 where Id>:Id").arg(tables.Header),
        {DBParam(QStringLiteral("Id"), id)}));
}

bool LastId(TDatabase &database, const TBillTables &tables, int &id)
{
    id = IdValue(SingleValue(database, QStringLiteral("select max(Id) from %1").arg(tables.Header),
                             {}));
    return id >= 1;
}

namespace {
struct TStoredState
{
    bool Found = false;
    QString Billman;
    QString Checkman;
    QVariant CheckTime;
};

TStoredState ReadState(TDatabase &database, const TBillTables &tables, int id)
{
    TRecordSet set(database);
    set.OpenSQL(QStringLiteral("select CheckTime, Checkman, Billman from %1 where Id=:Id")
                    .arg(tables.Header),
                {DBParam(QStringLiteral("Id"), id)});
    TStoredState state;
    TDataSet *d = set.DataSet();
    if (d->IsEmpty())
        return state;
    state.Found = true;
    state.CheckTime = d->FieldByName(QStringLiteral("CheckTime"))->Value();
    state.Checkman = d->FieldByName(QStringLiteral("Checkman"))->AsString();
    state.Billman = d->FieldByName(QStringLiteral("Billman"))->AsString();
    return state;
}

QString TimeText(const QVariant &value)
{
    const QDateTime time = value.typeId() == QMetaType::QString
        ? ParseDateTime(value.toString()) : value.toDateTime();
    return DateTimeText(time);
}
} // namespace

QString ExplainUpdate(TDatabase &database, const TBillTables &tables, int id)
{
    const TStoredState state = ReadState(database, tables, id);
    if (!state.Found)
        return QStringLiteral("单据已经被删除.");
    if (!state.CheckTime.isNull())
        return QStringLiteral("单据已经被用户%1在%2时审核.")
            .arg(state.Checkman, TimeText(state.CheckTime));
    if (state.Billman != TheOperator().LoginId)
        return QStringLiteral("操作员%1不是单据的编制人%2,不允许修改.")
            .arg(TheOperator().LoginId, state.Billman);
    return QStringLiteral("主表update未返回正确标识,未知原因.");
}

QString ExplainDelete(TDatabase &database, const TBillTables &tables, int id)
{
    const TStoredState state = ReadState(database, tables, id);
    if (!state.Found)
        return QStringLiteral("记录已经被其他用户删除.");
    if (!state.CheckTime.isNull())
        return QStringLiteral("单据已经被其他用户%1审核,不允许删除.").arg(state.Checkman);
    if (state.Billman != TheOperator().LoginId)
        return QStringLiteral("操作员%1不是单据的编制人%2,不允许删除.")
            .arg(TheOperator().LoginId, state.Billman);
    return QStringLiteral("未知原因.");
}

void RemoveOtherLines(TDatabase &database, const TBillTables &tables, int mastId,
                      const QList<int> &keptIds)
{
    QStringList ids;
    for (int id : keptIds)
        ids << QString::number(id);
    // Without lines the list must still be valid SQL and match no stored key.
    const QString list = ids.isEmpty() ? QStringLiteral("-1, -2") : ids.join(u',');
    database.ExecSQL(QStringLiteral("delete from %1 where MastId=%2 and dlId not in (%3)")
                         .arg(tables.Lines).arg(mastId).arg(list));
}

bool CheckBill(TDatabase &database, const TBillTables &tables, int id, QString &checkman,
               QVariant &checkTime)
{
    CheckRight(tables.AuditRight);
    const QString login = TheOperator().LoginId;
    const bool unaudit = !checkman.isEmpty();
    if (unaudit && checkman != login) {
        ShowInfo(QStringLiteral("不能反审核该单据,因为您不是该单据的审核人."));
        return false;
    }
    const QString newCheckman = unaudit ? QString() : login;
    const QVariant newTime = unaudit ? QVariant() : QVariant(database.ServerNow());
    // The guard keeps a stale window from overwriting an audit made elsewhere meanwhile.
    const QString guard = unaudit ? QStringLiteral(" and Checkman=:OldCheckman")
                                  : QStringLiteral(" and CheckTime is null");
    TBillTransaction transaction(database);
    TDBParameters params{DBParam(QStringLiteral("Checkman"), newCheckman),
                         DBParam(QStringLiteral("CheckTime"), newTime),
                         DBParam(QStringLiteral("Id"), id)};
    if (unaudit)
        params << DBParam(QStringLiteral("OldCheckman"), checkman);
    const int rows = database.ExecSQL(
        QStringLiteral("update %1 set Checkman=:Checkman, CheckTime=:CheckTime where Id=:Id")
            .arg(tables.Header) + guard, params);
    if (rows != 1) {
        transaction.Rollback();
        ShowInfo(QStringLiteral("主表审核失败"));
        return false;
    }
    transaction.Commit();
    checkman = newCheckman;
    checkTime = newTime;
    return true;
}

QVariant NullLink(const QVariant &value)
{
    // A key is never 0 or negative: such a value means no link as null does.
    if (value.isNull() || value.toInt() <= 0)
        return QVariant(QMetaType(QMetaType::Int));
    return value.toInt();
}

QVariant NullIfZero(const QVariant &value)
{
    const double v = Number(value);
    return v == 0.0 ? QVariant(QMetaType(QMetaType::Double)) : QVariant(v);
}

double Number(const QVariant &value)
{
    return value.isNull() ? 0.0 : value.toDouble();
}

} // namespace BillModel
