#include "purchasing/BuyAprice.h"

#include "purchasing/BuyWhere.h"
#include "purchasing/SelectLoader.h"

#include "data/Database.h"
#include "data/Dialect.h"
#include "data/RecordSet.h"
#include "data/Utils.h"

TBuyAprice::TBuyAprice() : TBuyAprice(TheDatabase()) {}

TBuyAprice::TBuyAprice(TDatabase &database)
    : m_database(database), m_where(new TBuyApriceWhere)
{
    m_where->setParent(this);
    auto number = [this](const char *name, const char *label) {
        return AddField<TFloatField>(QLatin1String(name), true, QString::fromUtf8(label));
    };
    WareIdFld = AddField<TIntegerField>(QStringLiteral("WareId"), false);
    for (int i = 0; i < 12; ++i) {
        const QString name = QStringLiteral("WareS%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        WareSFld[i] = AddFieldDef<TWideStringField>(name, i == 3 ? 200 : 50, true, name);
    }
    CataIdFld = AddField<TIntegerField>(QStringLiteral("CataId"), false);
    CataCodeFld = AddFieldDef<TWideStringField>(QStringLiteral("CataCode"), 50, false);
    CataNameFld = AddFieldDef<TWideStringField>(QStringLiteral("CataName"), 30, true);
    ApriceFld = number("Aprice", "平均价");
    ApriceFld->DisplayFormat = QStringLiteral("0.00000000");
    TbillFld = AddField<TIntegerField>(QStringLiteral("Tbill"), true, QStringLiteral("次数"));
    TfundFld = number("Tfund", "总金额");
    TfundFld->DisplayFormat = QStringLiteral("0.00");
    TqtyFld = number("Tqty", "总数量");
    LpriceFld = number("Lprice", "执行价");
    LdateFld = AddField<TDateTimeField>(QStringLiteral("Ldate"), true, QStringLiteral("执行日期"));
    CreateDataSet();
}

QString TBuyAprice::GoodsColumns() const
{
    return QStringLiteral(
        "w.Id as WareId, w.Code as WareS01, w.Name as WareS02, w.LookId as WareS03, "
        "w.PartNo as WareS04, w.Brand as WareS05, w.Package as WareS06, w.Barcode as WareS07, "
        "w.S08 as WareS08, w.S09 as WareS09, w.S10 as WareS10, w.S11 as WareS11, "
        "w.Unit as WareS12, w.ClassId as CataId, a.Code as CataCode, a.Name as CataName");
}

QString TBuyAprice::QueryText() const
{
    const TBuyApriceWhere &w = *m_where;
    TWhereBuilder b(m_database);
    b.FromDate(QStringLiteral("m.BizDate"), w.BeginDateFld)
        .ToDate(QStringLiteral("m.BizDate"), w.EndDateFld)
        .Id(QStringLiteral("m.SupplierId"), w.SupplierIdFld)
        .Id(QStringLiteral("m.DeptId"), w.DeptIdFld)
        .Id(QStringLiteral("m.BuymanId"), w.BuymanIdFld)
        .Audited(w.ChecksFld);
    TWhereBuilder goods(m_database);
    goods.Prefix(QStringLiteral("a.Code"), w.CataCodeFld);
    // Sums under the criteria; the latest line over all arrivals (dated lines first).
    const QString sums = QStringLiteral(
        "(ware w left join wareclass a on w.ClassId=a.Id) "
        "left join (select d.WareId, count(*) as Tbill, sum(d.Fund) as Tfund, "
        "sum(d.Qty) as Tqty from buydl d left join buy m on d.MastId=m.Id%1 "
        "group by d.WareId) s on s.WareId=w.Id")
        .arg(TWhereBuilder::AsWhere(b.Conditions()));
    // SQLite numbers every line of every goods item in one sorted window, seconds on a few
    // hundred thousand lines; taking each item's latest line through the index on WareId
    // finds the same line in a fraction of that. PostgreSQL's hashed window is the faster
    // there.
    const QString from = m_database.IsSqlServer()
        ? QStringLiteral(
              "(%1) left join (select x.WareId, x.Price, x.BizDate from (select d.WareId, "
              "d.Price, m.BizDate, row_number() over (partition by d.WareId order by "
              "case when m.BizDate is null then 1 else 0 end, m.BizDate desc, d.dlId desc) "
              "as Rn from buydl d left join buy m on d.MastId=m.Id) x where x.Rn=1) l "
              "on l.WareId=w.Id").arg(sums)
        : QStringLiteral(
              "((%1) left join buydl ld on ld.dlId=(select d.dlId from buydl d "
              "left join buy m on d.MastId=m.Id where d.WareId=w.Id order by "
              "case when m.BizDate is null then 1 else 0 end, m.BizDate desc, d.dlId desc "
              "limit 1)) left join buy l on l.Id=ld.MastId").arg(sums);
    return QStringLiteral("select %1, s.Tbill, s.Tfund, s.Tqty, %2.Price as Lprice, "
                          "l.BizDate as Ldate from %3%4 order by w.Id")
        .arg(GoodsColumns(), m_database.IsSqlServer() ? QStringLiteral("l") : QStringLiteral("ld"),
             from, TWhereBuilder::AsWhere(goods.Conditions()));
}

void TBuyAprice::Query()
{
    m_where->FlushEdits();
    StartTiming();
    TWhereBuilder goods(m_database);
    goods.Prefix(QStringLiteral("a.Code"), m_where->CataCodeFld);
    TRecordSet count(m_database);
    count.OpenSQL(QStringLiteral("select count(*) from ware w left join wareclass a "
                                 "on w.ClassId=a.Id")
                  + TWhereBuilder::AsWhere(goods.Conditions()));
    const int rowCount = count.DataSet()->Field(0)->AsInteger();
    const int tqty = TqtyFld->Index();
    const int tfund = TfundFld->Index();
    const int aprice = ApriceFld->Index();
    LoadSelect(m_database, m_data, QueryText(),
        [=](QVariant *row) {
            const double qty = row[tqty].isNull() ? 0.0 : row[tqty].toDouble();
            const double fund = row[tfund].isNull() ? 0.0 : row[tfund].toDouble();
            row[aprice] = qty == 0.0 ? QVariant() : QVariant(RoundTo(fund / qty, 8));
        },
        [this, rowCount](int row) { DoProgress(rowCount, row); });
    StopTiming();
}

void TBuyAprice::FilterCategory(const QString &key)
{
    if (key.isEmpty() || key == QLatin1String("sys-all")) {
        m_data->ClearFilter();
        return;
    }
    const int cataId = CataIdFld->Index();
    const int cataCode = CataCodeFld->Index();
    if (key == QLatin1String("sys-classed") || key == QLatin1String("sys-nulled")) {
        const bool classed = key == QLatin1String("sys-classed");
        m_data->SetFilter([cataId, classed](const TDataSet &d, int rowId) {
            return d.StoredValue(rowId, cataId).isNull() != classed;
        });
        return;
    }
    m_data->SetFilter([cataCode, key](const TDataSet &d, int rowId) {
        return d.StoredValue(rowId, cataCode).toString().startsWith(key, Qt::CaseInsensitive);
    });
}

void TBuyAprice::RefreshWare(int wareId)
{
    TRecordSet set(m_database);
    set.OpenSQL(QStringLiteral("select %1 from ware w left join wareclass a on w.ClassId=a.Id "
                               "where w.Id=:Id").arg(GoodsColumns()),
                {DBParam(QStringLiteral("Id"), wareId)});
    TDataSet *src = set.DataSet();
    if (src->IsEmpty())
        return;
    if (m_data->Locate(QStringLiteral("WareId"), wareId))
        m_data->Edit();
    else
        m_data->Append();
    for (TField *f : src->Fields())
        m_data->FieldByName(f->FieldName)->SetValue(f->Value());
    m_data->Post();
}

RBuyAprice TBuyAprice::AsData() const
{
    RBuyAprice r;
    r.WareId = WareIdFld->AsInteger();
    for (int i = 0; i < 12; ++i)
        r.WareS[i] = WareSFld[i]->AsString();
    r.CataId = CataIdFld->Value();
    r.CataCode = CataCodeFld->AsString();
    r.CataName = CataNameFld->AsString();
    r.Aprice = ApriceFld->Value();
    r.Tbill = TbillFld->Value();
    r.Tfund = TfundFld->Value();
    r.Tqty = TqtyFld->Value();
    r.Lprice = LpriceFld->Value();
    r.Ldate = LdateFld->IsNull() ? QVariant() : QVariant(LdateFld->AsDateTime());
    return r;
}
