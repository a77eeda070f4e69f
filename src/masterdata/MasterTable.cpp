#include "masterdata/MasterTable.h"

#include "data/Field.h"
#include "data/Numbering.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "masterdata/SaveTransaction.h"

#include <QHash>

namespace {
QString ParamName(const QString &column)
{
    QString name = column;
    name.remove(u'[').remove(u']');
    return name;
}
} // namespace

QString TMasterTable::UpdateSql() const
{
    QStringList sets;
    for (const QString &c : Columns)
        sets << c + QStringLiteral("=:") + ParamName(c);
    return QStringLiteral("update %1 set %2 where %3=:%3").arg(Table, sets.join(u','), Key);
}

QString TMasterTable::InsertSql() const
{
    QStringList params;
    for (const QString &c : Columns)
        params << u':' + ParamName(c);
    return QStringLiteral("insert into %1(%2,%3)values(%4,:%3)")
        .arg(Table, Columns.join(u','), Key, params.join(u','));
}

bool TMasterTable::Save(const TDBParameters &params, int &id) const
{
    TDatabase &db = Database();
    TSaveTransaction trans(db);
    const bool insert = id <= 0;
    const int key = insert ? NewId(db, Table, Key) : id;
    TDBParameters all = params;
    all << DBParam(Key, key);
    if (db.ExecSQL(insert ? InsertSql() : UpdateSql(), all) != 1)
        return false;
    trans.Commit();
    id = key;
    return true;
}

QList<TMasterTable::TReference> TMasterTable::ReferenceList() const
{
    QList<TReference> refs;
    for (const TSchema::TTable &t : TSchema::Standard().Tables) {
        if (t.Name.compare(Table, Qt::CaseInsensitive) == 0
            || OwnedTables.contains(t.Name, Qt::CaseInsensitive))
            continue;
        for (const TSchema::TColumn &c : t.Columns) {
            // Text columns of the same name (supplier.BankId, an account number) are no links.
            if (c.Type == TSchema::TColumnType::Integer
                && ReferringColumns.contains(c.Name, Qt::CaseInsensitive))
                refs.append({t.Name, c.Name});
        }
    }
    for (const QString &extra : ExtraReferences)
        refs.append({extra.section(u'.', 0, 0), extra.section(u'.', 1)});
    return refs;
}

QString TMasterTable::References(int id) const
{
    const QList<TReference> refs = ReferenceList();
    if (refs.isEmpty())
        return QString();
    // One statement answers for every referring table: the numbers of those that refer.
    QStringList parts;
    for (int i = 0; i < refs.size(); ++i)
        parts << QStringLiteral("select %1 as R where exists(select 1 from %2 where %3=:Id)")
                     .arg(i).arg(refs[i].Table, refs[i].Column);
    TRecordSet set(Database());
    set.OpenSQL(parts.join(QStringLiteral(" union all ")), {DBParam(QStringLiteral("Id"), id)});
    QStringList lines;
    TDataSet *data = set.DataSet();
    for (data->First(); !data->Eof(); data->Next()) {
        const TReference &r = refs[data->Field(0)->AsInteger()];
        const QString line =
            QStringLiteral("%1 (%2.%3)").arg(TableCaption(r.Table), r.Table, r.Column);
        if (!lines.contains(line))
            lines << line;
    }
    if (lines.isEmpty())
        return QString();
    return QStringLiteral("以下单据或资料引用了该记录:\r\n") + lines.join(QStringLiteral("\r\n"));
}

bool TMasterTable::Delete(int id, const QStringList &cleanUps, QString *error) const
{
    TDatabase &db = Database();
    TSaveTransaction trans(db);
    const QString refused = References(id);
    if (!refused.isEmpty()) {
        trans.Rollback();
        if (error)
            *error = refused;
        ShowDeleteRefused(refused);
        return false;
    }
    const TDBParameters key{DBParam(QStringLiteral("Id"), id)};
    for (const QString &sql : cleanUps)
        db.ExecSQL(sql, key);
    if (db.ExecSQL(QStringLiteral("delete from %1 where %2=:Id").arg(Table, Key), key) != 1) {
        if (error)
            *error = QStringLiteral("记录不存在或已被删除.");
        return false;
    }
    trans.Commit();
    return true;
}

std::optional<double> OptFloat(const TField *field)
{
    if (!field || field->IsNull())
        return std::nullopt;
    return field->AsFloat();
}

std::optional<int> OptInt(const TField *field)
{
    if (!field || field->IsNull())
        return std::nullopt;
    return field->AsInteger();
}

QString TableCaption(const QString &table)
{
    static const QHash<QString, QString> captions{
        {QStringLiteral("buy"), QStringLiteral("采购收货单")},
        {QStringLiteral("buydl"), QStringLiteral("采购收货单明细")},
        {QStringLiteral("buorderfrm"), QStringLiteral("采购订单")},
        {QStringLiteral("buorderfrmdl"), QStringLiteral("采购订单明细")},
        {QStringLiteral("buplanfrm"), QStringLiteral("采购计划")},
        {QStringLiteral("buplanfrmdl"), QStringLiteral("采购计划明细")},
        {QStringLiteral("buappfrm"), QStringLiteral("采购申请单")},
        {QStringLiteral("buappfrmdl"), QStringLiteral("采购申请单明细")},
        {QStringLiteral("buinquiryfrm"), QStringLiteral("采购询价单")},
        {QStringLiteral("buinquiryfrmdl"), QStringLiteral("采购询价单明细")},
        {QStringLiteral("buqualifrm"), QStringLiteral("质检单")},
        {QStringLiteral("buinvfrm"), QStringLiteral("采购发票")},
        {QStringLiteral("payment"), QStringLiteral("付款单")},
        {QStringLiteral("shouldout"), QStringLiteral("其他应付款")},
        {QStringLiteral("suppwares"), QStringLiteral("供应商报价")},
        {QStringLiteral("slplanfrm"), QStringLiteral("销售计划")},
        {QStringLiteral("slplanfrmdl"), QStringLiteral("销售计划明细")},
        {QStringLiteral("slquotfrm"), QStringLiteral("报价单")},
        {QStringLiteral("slquotfrmdl"), QStringLiteral("报价单明细")},
        {QStringLiteral("slorderfrm"), QStringLiteral("销售订单")},
        {QStringLiteral("slorderfrmdl"), QStringLiteral("销售订单明细")},
        {QStringLiteral("sale"), QStringLiteral("销售单")},
        {QStringLiteral("saledl"), QStringLiteral("销售单明细")},
        {QStringLiteral("receipt"), QStringLiteral("收款单")},
        {QStringLiteral("shouldin"), QStringLiteral("其他应收款")},
        {QStringLiteral("outlay"), QStringLiteral("费用单")},
        {QStringLiteral("putin"), QStringLiteral("入库单")},
        {QStringLiteral("putindl"), QStringLiteral("入库单明细")},
        {QStringLiteral("takeout"), QStringLiteral("出库单")},
        {QStringLiteral("takeoutdl"), QStringLiteral("出库单明细")},
        {QStringLiteral("movedl"), QStringLiteral("调拨单明细")},
        {QStringLiteral("regulate"), QStringLiteral("盘点调整单")},
        {QStringLiteral("regulatedl"), QStringLiteral("盘点调整单明细")},
        {QStringLiteral("carry"), QStringLiteral("结转单")},
        {QStringLiteral("carrydl"), QStringLiteral("结转单明细")},
    };
    return captions.value(table.toLower(), table);
}
