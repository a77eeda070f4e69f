#include "config/Operator.h"

#include "data/Database.h"
#include "data/Messages.h"
#include "data/RecordSet.h"

void TOperator::Clear()
{
    *this = TOperator();
}

void TOperator::Load(const QString &loginId)
{
    TRecordSet set;
    if (set.OpenSQL(QStringLiteral("select LoginId, [Password], Name, Contact, [Note], Rights "
                                   "from [operator] where LoginId=:LoginId"),
                    {DBParam(QStringLiteral("LoginId"), loginId)})
        != 1) {
        Clear();
        return;
    }
    const TDataSet *d = set.DataSet();
    LoginId = d->Field(0)->AsString();
    Password = d->Field(1)->AsString();
    Name = d->Field(2)->AsString();
    Contact = d->Field(3)->AsString();
    Note = d->Field(4)->AsString();
    Rights = d->Field(5)->AsString();
}

bool TOperator::CheckPassword(const QString &password) const
{
    return !LoginId.isEmpty() && password == Password;
}

bool RightsContain(const QString &rights, int code)
{
    return rights.contains(QStringLiteral(",%1,").arg(code));
}

bool TOperator::HasRight(int code) const
{
    return IsSa() || RightsContain(Rights, code);
}

bool TOperator::CheckRight(int code, bool abort) const
{
    if (HasRight(code))
        return true;
    ShowInfo(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(code));
    if (abort)
        throw EAbort();
    return false;
}

TOperator &TheOperator()
{
    static TOperator op;
    return op;
}

bool HasRight(int code)
{
    return TheOperator().HasRight(code);
}

void CheckRight(int code)
{
    TheOperator().CheckRight(code, true);
}

void RequireSa()
{
    if (TheOperator().IsSa())
        return;
    ShowInfo(QStringLiteral("只有系统用户(sa)才能执行此操作."));
    throw EAbort();
}

QString RightsText(const QList<int> &codes)
{
    QString text;
    for (int code : codes)
        text += QStringLiteral(",%1,").arg(code);
    return text;
}

void SetPassword(const TOperator &op, const QString &password)
{
    TheDatabase().ExecCommand(
        QStringLiteral("update [operator] set [Password]=:Password where LoginId=:LoginId"),
        {DBParam(QStringLiteral("Password"), password),
         DBParam(QStringLiteral("LoginId"), op.LoginId)});
}

ROperators ReadOperators()
{
    TRecordSet set;
    set.OpenSQL(QStringLiteral("select LoginId, [Password], Rights, [Note], EmployeeId, Name, "
                               "Contact from [operator] where LoginId<>'sa'"));
    ROperators list;
    for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next()) {
        ROperator op;
        op.LoginId = d->Field(0)->AsString();
        op.Password = d->Field(1)->AsString();
        op.Rights = d->Field(2)->AsString();
        op.Note = d->Field(3)->AsString();
        op.EmployeeId = d->Field(4)->IsNull() ? QVariant() : QVariant(d->Field(4)->AsInteger());
        op.Name = d->Field(5)->AsString();
        op.Contact = d->Field(6)->AsString();
        list.append(op);
    }
    return list;
}

namespace {
TDBParameters OperatorParams(const ROperator &op)
{
    return {DBParam(QStringLiteral("Password"), op.Password),
            DBParam(QStringLiteral("Rights"), op.Rights), DBParam(QStringLiteral("Note"), op.Note),
            DBParam(QStringLiteral("EmployeeId"), op.EmployeeId),
            DBParam(QStringLiteral("LoginId"), op.LoginId)};
}

const QString InsertOperatorSql = QStringLiteral(
    "insert into [operator](LoginId, [Password], Rights, [Note], EmployeeId)"
    "values(:LoginId, :Password, :Rights, :Note, :EmployeeId)");
} // namespace

bool SaveOperator(const ROperator &op)
{
    const TDBParameters params = OperatorParams(op);
    if (TheDatabase().ExecSQL(QStringLiteral("update [operator] set [Password]=:Password, "
                                             "Rights=:Rights, [Note]=:Note, "
                                             "EmployeeId=:EmployeeId where LoginId=:LoginId"),
                              params)
        == 1)
        return true;
    return TheDatabase().ExecSQL(InsertOperatorSql, params) == 1;
}

bool OperatorExists(const QString &loginId)
{
    TRecordSet set;
    return set.OpenSQL(QStringLiteral("select LoginId from [operator] where LoginId=:LoginId"),
                       {DBParam(QStringLiteral("LoginId"), loginId)})
        > 0;
}

bool AddOperator(const ROperator &op, QString *error)
{
    // Saving would otherwise overwrite the operator of that name, sa included.
    if (OperatorExists(op.LoginId)) {
        if (error)
            *error = QStringLiteral("登陆名 \"%1\" 已经存在, 请换一个登陆名.").arg(op.LoginId);
        return false;
    }
    return TheDatabase().ExecSQL(InsertOperatorSql, OperatorParams(op)) == 1;
}

bool DeleteOperator(const QString &loginId)
{
    return TheDatabase().ExecSQL(QStringLiteral("delete from [operator] where LoginId=:LoginId"),
                                 {DBParam(QStringLiteral("LoginId"), loginId)})
        == 1;
}

const TRightItems &OfferedRights()
{
    static const TRightItems items = {
        {1012, QStringLiteral("部门设置")}, {1013, QStringLiteral("货品分类设置")},
        {1014, QStringLiteral("货品资料设置")}, {1010, QStringLiteral("供应商资料设置")},
        {1011, QStringLiteral("职员资料设置")}, {1052, QStringLiteral("银行账户设置")},
        {1062, QStringLiteral("其他应付项目设置")}, {1057, QStringLiteral("采购计划录入")},
        {1056, QStringLiteral("采购计划审核")}, {1060, QStringLiteral("采购计划报表")},
        {1064, QStringLiteral("采购申请审核")}, {1065, QStringLiteral("采购申请报表")},
        {1069, QStringLiteral("采购任务分配")}, {1059, QStringLiteral("采购询价录入")},
        {1058, QStringLiteral("采购询价审核")}, {1061, QStringLiteral("采购询价报表")},
        {1063, QStringLiteral("采购定价管理")}, {1054, QStringLiteral("采购订单录入")},
        {1055, QStringLiteral("采购订单审核")}, {1053, QStringLiteral("采购订单报表")},
        {1016, QStringLiteral("采购到货单录入")}, {1017, QStringLiteral("采购到货单审核")},
        {1036, QStringLiteral("采购到货报表")}, {1071, QStringLiteral("采购检验录入")},
        {1070, QStringLiteral("采购检验审核")}, {1072, QStringLiteral("采购检验报表")},
        {1067, QStringLiteral("发票录入")}, {1066, QStringLiteral("发票审核")},
        {1068, QStringLiteral("发票报表")}, {1024, QStringLiteral("采购付款单录入")},
        {1026, QStringLiteral("采购付款单审核")}, {1023, QStringLiteral("其他应付单录入")},
        {1025, QStringLiteral("其他应付单审核")}, {1029, QStringLiteral("应付款报表")},
        {1008, QStringLiteral("选项设置")}, {1009, QStringLiteral("数据清理")},
        {10000, QStringLiteral("公司信息设置")}, {100001, QStringLiteral("操作员及权限管理")},
        {10002, QStringLiteral("打印")}, {10003, QStringLiteral("打印设计")},
        {10004, QStringLiteral("数据导出")}, {10008, QStringLiteral("列选择")},
        {10006, QStringLiteral("列样式保存")}, {10005, QStringLiteral("备份设置")},
        {10007, QStringLiteral("工具菜单设置")},
    };
    return items;
}
