#include "purchasing/BuyBill2.h"

#include "purchasing/BuyLineRules.h"

#include "config/Operator.h"
#include "data/Database.h"
#include "data/Numbering.h"
#include "data/RecordSet.h"
#include "data/Utils.h"

using BillModel::Number;

namespace {
const QString InsertFailed = QStringLiteral("主表insert未返回正确标识,原因未知.");

QVariant NullableDate(const QVariant &value)
{
    return value.isNull() ? QVariant(QMetaType(QMetaType::QDateTime)) : value;
}

QString Text(TDataSet *d, const char *name)
{
    return d->FieldByName(QLatin1String(name))->AsString();
}

int Int(TDataSet *d, const char *name)
{
    const TField *f = d->FieldByName(QLatin1String(name));
    return f->IsNull() ? 0 : f->AsInteger();
}

QVariant Value(TDataSet *d, const char *name)
{
    const TField *f = d->FieldByName(QLatin1String(name));
    return f->Typed(f->Value());
}

QVariant DateValue(TDataSet *d, const char *name)
{
    const TField *f = d->FieldByName(QLatin1String(name));
    if (f->IsNull())
        return {};
    return f->AsDateTime();
}

void ReadHeader(TDataSet *d, RBuy &bill)
{
    bill.Id = Int(d, "Id");
    bill.Code = Text(d, "Code");
    bill.OldCode = Text(d, "OldCode");
    bill.BizDate = DateValue(d, "BizDate");
    bill.DeptId = Int(d, "DeptId");
    bill.TypeId = Int(d, "TypeId");
    bill.BuymanId = Int(d, "BuymanId");
    bill.SupplierId = Int(d, "SupplierId");
    bill.DeptName = Text(d, "DeptName");
    bill.TypeName = Text(d, "TypeName");
    bill.BuymanName = Text(d, "BuymanName");
    bill.SupplierName = Text(d, "SupplierName");
    bill.TaxRate = Int(d, "TaxRate");
    bill.TotalFund = Value(d, "TotalFund");
    bill.BillTime = DateValue(d, "BillTime");
    bill.CheckTime = DateValue(d, "CheckTime");
    bill.Billman = Text(d, "Billman");
    bill.Checkman = Text(d, "Checkman");
    bill.Note = Text(d, "Note");
}

// The line columns, looked up once per load rather than by name on every line.
struct TLineFields
{
    explicit TLineFields(TDataSet *d)
    {
        const auto f = [d](const char *name) { return d->FieldByName(QLatin1String(name)); };
        dlId = f("dlId");
        MastId = f("MastId");
        WareId = f("WareId");
        for (int i = 0; i < 12; ++i)
            WareS[i] = d->FieldByName(QStringLiteral("WareS%1").arg(i + 1, 2, 10,
                                                                   QLatin1Char('0')));
        WareColor = f("WareColor");
        WareSize = f("WareSize");
        WareProp = f("WareProp");
        Qty = f("Qty");
        Price = f("Price");
        Fund = f("Fund");
        dlNote = f("dlNote");
        AppCode = f("AppCode");
        PlanCode = f("PlanCode");
        OrderCode = f("OrderCode");
        AppdlId = f("AppdlId");
        PlandlId = f("PlandlId");
        OrdlId = f("OrdlId");
    }
    TField *dlId, *MastId, *WareId, *WareS[12], *WareColor, *WareSize, *WareProp, *Qty, *Price,
        *Fund, *dlNote, *AppCode, *PlanCode, *OrderCode, *AppdlId, *PlandlId, *OrdlId;
};

int IntOf(const TField *f)
{
    return f->IsNull() ? 0 : f->AsInteger();
}

QVariant ValueOf(const TField *f)
{
    return f->Typed(f->Value());
}

RBuydl ReadLine(const TLineFields &f, int taxRate)
{
    RBuydl l;
    l.dlId = IntOf(f.dlId);
    l.MastId = IntOf(f.MastId);
    l.WareId = IntOf(f.WareId);
    for (int i = 0; i < 12; ++i)
        l.WareS[i] = f.WareS[i]->AsString();
    l.WareColor = f.WareColor->AsString();
    l.WareSize = f.WareSize->AsString();
    l.WareProp = f.WareProp->AsString();
    l.Qty = ValueOf(f.Qty);
    l.Price = ValueOf(f.Price);
    l.Fund = ValueOf(f.Fund);
    // The bill's rate counts; what the line stored is not read.
    l.Tax = taxRate;
    TBuyLineValues v{l.Qty, l.Price, l.Tax, {}, {}, {}};
    DeriveBuyLine(v);
    l.PurePrice = v.PurePrice;
    l.PureFund = v.PureFund;
    l.dlNote = f.dlNote->AsString();
    l.AppCode = f.AppCode->AsString();
    l.PlanCode = f.PlanCode->AsString();
    l.OrderCode = f.OrderCode->AsString();
    l.AppdlId = ValueOf(f.AppdlId);
    l.PlandlId = ValueOf(f.PlandlId);
    l.OrdlId = ValueOf(f.OrdlId);
    return l;
}

const char *HeaderSql =
    "select i.*, h.Name as DeptName, t.Name as TypeName, p.Name as SupplierName, "
    "e.Name as BuymanName from ((((buy i left join departments h on i.DeptId=h.Id) "
    "left join supplier p on i.SupplierId=p.Id) left join employee e on i.BuymanId=e.Id) "
    "left join buytype t on i.TypeId=t.Id) where i.Id=:Id";

const char *LinesSql =
    "SELECT d.*, am.Code as AppCode, om.Code as OrderCode, pm.Code as PlanCode, "
    "w.Code as WareS01, w.Name as WareS02, w.LookId as WareS03, w.PartNo as WareS04, "
    "w.Brand as WareS05, w.Package as WareS06, w.Barcode as WareS07, w.S08 as WareS08, "
    "w.S09 as WareS09, w.S10 as WareS10, w.S11 as WareS11, w.Unit as WareS12 "
    "FROM (((((((buydl AS d INNER JOIN ware AS w ON d.WareId=w.Id) "
    "left join buorderfrmdl od on od.dlId=d.OrdlId) "
    "left join buorderfrm om on om.Id=od.MastId) "
    "left join buappfrmdl ad on ad.dlId=d.AppdlId) "
    "left join buappfrm am on am.Id=ad.MastId) "
    "left join buplanfrmdl pd on pd.dlId=d.PlandlId) "
    "left join buplanfrm pm on pm.Id=pd.MastId) where d.MastId=:MastId order by d.dlId";
} // namespace

const TBillTables &TBuyBill2::Tables()
{
    static const TBillTables tables{QStringLiteral("buy"), QStringLiteral("buydl"),
                                    QStringLiteral("AR"), 1017};
    return tables;
}

bool TBuyBill2::Load(int id, RBuy &bill)
{
    return Load(TheDatabase(), id, bill);
}

bool TBuyBill2::Load(TDatabase &database, int id, RBuy &bill)
{
    TRecordSet set(database);
    set.OpenSQL(QLatin1String(HeaderSql), {DBParam(QStringLiteral("Id"), id)});
    if (set.DataSet()->RecordCount() != 1)
        return false;
    bill = RBuy();
    ReadHeader(set.DataSet(), bill);
    TRecordSet lines(database);
    lines.OpenSQL(QLatin1String(LinesSql), {DBParam(QStringLiteral("MastId"), id)});
    TDataSet *d = lines.DataSet();
    bill.Lines.reserve(d->RecordCount());
    const TLineFields fields(d);
    for (d->First(); !d->Eof(); d->Next())
        bill.Lines << ReadLine(fields, bill.TaxRate);
    return true;
}

double TBuyBill2::TotalOf(const RBuydls &lines)
{
    double total = 0.0;
    for (const RBuydl &l : lines)
        total += Number(l.Fund);
    return RoundTo(total, 2);
}

bool TBuyBill2::Save(RBuy &bill, QString &error)
{
    return Save(TheDatabase(), bill, error);
}

bool TBuyBill2::Save(TDatabase &database, RBuy &bill, QString &error)
{
    error.clear();
    // The amounts are derived again so that a record built in code stores what the
    // window would show; the total always agrees with the lines.
    RBuy work = bill;
    for (RBuydl &l : work.Lines) {
        l.Tax = work.TaxRate;
        TBuyLineValues v{l.Qty, l.Price, l.Tax, {}, {}, {}};
        DeriveBuyLine(v);
        l.Qty = v.Qty;
        l.Price = v.Price;
        l.Fund = v.Fund;
        l.PurePrice = v.PurePrice;
        l.PureFund = v.PureFund;
    }
    work.TotalFund = TotalOf(work.Lines);
    TBillTransaction transaction(database);
    if (!SaveHeader(database, work, error) || !SaveLines(database, work, error))
        return false;           // the transaction rolls back
    transaction.Commit();
    bill = work;
    return true;
}

bool TBuyBill2::SaveHeader(TDatabase &database, RBuy &bill, QString &error)
{
    const bool isNew = bill.Id == 0;
    if (isNew) {
        bill.Id = NewId(database, QStringLiteral("buy"));
        bill.BillTime = QDateTime::currentDateTime();
        bill.Code = NextBillCode(database, Tables().Prefix, QStringLiteral("buy"));
        if (bill.Billman.isEmpty())
            bill.Billman = TheOperator().LoginId;
    }
    const TDBParameters params{
        DBParam(QStringLiteral("Code"), bill.Code),
        DBParam(QStringLiteral("OldCode"), bill.OldCode),
        DBParam(QStringLiteral("SupplierId"), bill.SupplierId),
        DBParam(QStringLiteral("BuymanId"), bill.BuymanId),
        DBParam(QStringLiteral("BizDate"), NullableDate(bill.BizDate)),
        DBParam(QStringLiteral("DeptId"), bill.DeptId),
        DBParam(QStringLiteral("TypeId"), bill.TypeId),
        DBParam(QStringLiteral("TaxRate"), bill.TaxRate),
        DBParam(QStringLiteral("TotalFund"), bill.TotalFund),
        DBParam(QStringLiteral("Billman"), bill.Billman),
        DBParam(QStringLiteral("BillTime"), NullableDate(bill.BillTime)),
        DBParam(QStringLiteral("Note"), bill.Note),
        DBParam(QStringLiteral("Id"), bill.Id)};
    if (isNew) {
        const int rows = database.ExecSQL(QStringLiteral(
            "insert into buy( Code, OldCode, SupplierId, BuymanId, BizDate, DeptId, TypeId, "
            "TaxRate, TotalFund, Billman, BillTime,[Note], Id)values(:Code,:OldCode,"
            ":SupplierId,:BuymanId,:BizDate,:DeptId,:TypeId,:TaxRate,:TotalFund,:Billman,"
            ":BillTime,:Note,:Id)"), params);
        if (rows != 1)
            error = InsertFailed;
        return rows == 1;
    }
    // Any operator may change an unaudited arrival: the guard binds the bill's own author.
    const int rows = database.ExecSQL(QStringLiteral(
        "update buy set Code=:Code, OldCode=:OldCode, SupplierId=:SupplierId, "
        "BuymanId=:BuymanId, BizDate=:BizDate, DeptId=:DeptId, TypeId=:TypeId, "
        "TaxRate=:TaxRate, TotalFund=:TotalFund, BillTime=:BillTime, [Note]=:Note "
        "where Id=:Id and Billman=:Billman and CheckTime is null"), params);
    if (rows == 1)
        return true;
    error = BillModel::ExplainUpdate(database, Tables(), bill.Id);
    return false;
}

bool TBuyBill2::SaveLines(TDatabase &database, RBuy &bill, QString &error)
{
    QList<int> kept;
    for (const RBuydl &l : bill.Lines)
        kept << l.dlId;
    BillModel::RemoveOtherLines(database, Tables(), bill.Id, kept);
    int nextId = 0;
    for (RBuydl &l : bill.Lines) {
        const bool isNew = l.dlId < 1;
        if (isNew) {
            // One read of the maximum per save; the keys of this save follow on from it.
            nextId = nextId == 0 ? NewId(database, QStringLiteral("buydl"), QStringLiteral("dlId"))
                                 : nextId + 1;
            l.dlId = nextId;
        }
        l.MastId = bill.Id;
        const TDBParameters params{
            DBParam(QStringLiteral("MastId"), l.MastId),
            DBParam(QStringLiteral("WareId"), l.WareId),
            DBParam(QStringLiteral("WareColor"), l.WareColor),
            DBParam(QStringLiteral("WareSize"), l.WareSize),
            DBParam(QStringLiteral("WareProp"), l.WareProp),
            DBParam(QStringLiteral("Qty"), l.Qty),
            DBParam(QStringLiteral("Price"), l.Price),
            DBParam(QStringLiteral("Tax"), l.Tax),
            DBParam(QStringLiteral("Fund"), BillModel::NullIfZero(l.Fund)),
            DBParam(QStringLiteral("dlNote"), l.dlNote),
            DBParam(QStringLiteral("OrdlId"), BillModel::NullLink(l.OrdlId)),
            DBParam(QStringLiteral("PlandlId"), BillModel::NullLink(l.PlandlId)),
            DBParam(QStringLiteral("AppdlId"), BillModel::NullLink(l.AppdlId)),
            DBParam(QStringLiteral("dlId"), l.dlId)};
        const int rows = database.ExecSQL(isNew
            ? QStringLiteral("insert into buydl(MastId, WareId, WareColor, WareSize, WareProp, "
                             "Qty, Price, Tax, Fund, dlNote, OrdlId, PlandlId, AppdlId, dlId)"
                             "values(:MastId,:WareId,:WareColor,:WareSize,:WareProp,:Qty,"
                             ":Price,:Tax,:Fund,:dlNote,:OrdlId,:PlandlId,:AppdlId,:dlId)")
            : QStringLiteral("update buydl set MastId=:MastId, WareId=:WareId, "
                             "WareColor=:WareColor, WareSize=:WareSize, WareProp=:WareProp, "
                             "Qty=:Qty, Price=:Price, Tax=:Tax, Fund=:Fund, dlNote=:dlNote, "
                             "OrdlId=:OrdlId, PlandlId=:PlandlId, AppdlId=:AppdlId "
                             "where dlId=:dlId"),
            params);
        if (rows != 1) {
            error = InsertFailed;
            return false;
        }
    }
    return true;
}

bool TBuyBill2::CheckDelete(const RBuy &bill, QString &text)
{
    return CheckDelete(TheDatabase(), bill, text);
}

bool TBuyBill2::CheckDelete(TDatabase &database, const RBuy &bill, QString &text)
{
    text.clear();
    const TDBParameters params{DBParam(QStringLiteral("Id"), bill.Id)};
    TRecordSet set(database);
    set.OpenSQL(QStringLiteral("select om.Code from ((buydl a inner join buinvfrmdl o on "
                               "a.dlId=o.BuydlId) inner join buinvfrm om on o.MastId=om.Id) "
                               "where a.MastId=:Id"), params);
    if (!set.DataSet()->IsEmpty())
        text = QStringLiteral("发票单%1已经引用本单明细,不允许删除,除非先删除相应的发票记录.\r\n")
                   .arg(set.DataSet()->Field(0)->AsString());
    set.OpenSQL(QStringLiteral("select bm.Code from ((buydl a inner join buqualifrmdl b on "
                               "a.dlId=b.BuydlId) inner join buqualifrm bm on b.MastId=bm.Id) "
                               "where a.MastId=:Id"), params);
    if (!set.DataSet()->IsEmpty())
        text = QStringLiteral("质检单%1已经引用本单明细,不允许删除,除非先删除相应的质检记录.\r\n")
                   .arg(set.DataSet()->Field(0)->AsString()) + text;
    return text.isEmpty();
}

bool TBuyBill2::Delete(const RBuy &bill, QString &error)
{
    return Delete(TheDatabase(), bill, error);
}

bool TBuyBill2::Delete(TDatabase &database, const RBuy &bill, QString &error)
{
    error.clear();
    try {
        TBillTransaction transaction(database);
        // Checked again inside the transaction: an invoice or inspection made since the
        // window asked would otherwise be left pointing at deleted lines.
        if (!CheckDelete(database, bill, error))
            return false;
        const TDBParameters params{DBParam(QStringLiteral("Id"), bill.Id)};
        database.ExecSQL(QStringLiteral("delete from buydl where MastId=:Id"), params);
        // Only the author deletes: the guard binds the operator, not the record's author.
        const int rows = database.ExecSQL(
            QStringLiteral("delete from buy where Id=:Id and Billman=:Billman "
                           "and CheckTime is null"),
            {DBParam(QStringLiteral("Id"), bill.Id),
             DBParam(QStringLiteral("Billman"), TheOperator().LoginId)});
        if (rows == 1) {
            transaction.Commit();
            return true;
        }
        transaction.Rollback();
        error = BillModel::ExplainDelete(database, Tables(), bill.Id);
        return false;
    } catch (const EOpenBuyError &e) {
        error = e.Message();
        return false;
    }
}

bool TBuyBill2::Check(RBuy &bill)
{
    return Check(TheDatabase(), bill);
}

bool TBuyBill2::Check(TDatabase &database, RBuy &bill)
{
    return BillModel::CheckBill(database, Tables(), bill.Id, bill.Checkman, bill.CheckTime);
}

int TBuyBill2::PriorId(const RBuy &bill)
{
    return BillModel::PriorId(TheDatabase(), Tables(), bill.Id);
}

int TBuyBill2::NextId(const RBuy &bill)
{
    return BillModel::NextId(TheDatabase(), Tables(), bill.Id);
}

bool TBuyBill2::LastId(int &id)
{
    return BillModel::LastId(TheDatabase(), Tables(), id);
}

RBuy TBuyBill2::NewBill()
{
    return NewBill(TheDatabase());
}

RBuy TBuyBill2::NewBill(TDatabase &database)
{
    RBuy bill;
    const QDateTime now = database.ServerNow();
    bill.BizDate = QDateTime(now.date(), QTime(0, 0));
    bill.TypeId = 1;
    bill.Billman = TheOperator().LoginId;
    return bill;
}

RBuy TBuyBill2::Copy(const RBuy &bill)
{
    return Copy(TheDatabase(), bill);
}

RBuy TBuyBill2::Copy(TDatabase &database, const RBuy &bill)
{
    RBuy copy = bill;
    const RBuy fresh = NewBill(database);
    copy.Id = 0;
    copy.Code.clear();
    copy.BizDate = fresh.BizDate;
    copy.Billman = fresh.Billman;
    copy.BillTime = QVariant();
    copy.Checkman.clear();
    copy.CheckTime = QVariant();
    for (RBuydl &l : copy.Lines) {
        l.dlId = 0;
        l.MastId = 0;
    }
    return copy;
}
