#include "masterdata/WareSet.h"

#include "masterdata/WareCaptions.h"
#include "masterdata/WareCataSet.h"

namespace {
QVariant ClassIdValue(const std::optional<int> &classId)
{
    return classId && *classId > 0 ? QVariant(*classId) : QVariant();
}

// The text of a stored value without copying it.
QStringView StoredText(const QVariant &value, QString &buffer)
{
    if (value.metaType().id() == QMetaType::QString)
        return *static_cast<const QString *>(value.constData());
    buffer = value.toString();
    return buffer;
}
} // namespace

TWareSet::TWareSet() : TMasterSet(Table()), m_where(new TWareWhere)
{
    m_where->setParent(this);
    using WareCaptions::Caption;
    auto text = [this](const QString &name, int size, const QString &caption,
                       bool visible = true) {
        return AddField<TWideStringField>(name, size, visible, caption);
    };
    auto number = [this](const QString &name, const QString &caption) {
        return AddField<TFloatField>(name, -1, true, caption);
    };
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, true, QStringLiteral("ID"));
    ClassIdFld = AddField<TIntegerField>(QStringLiteral("ClassId"), -1, false);
    CataCodeFld = text(QStringLiteral("CataCode"), 50, QString(), false);
    CataNameFld = text(QStringLiteral("CataName"), 50, QStringLiteral("类别"));
    CataPathFld = text(QStringLiteral("CataPath"), 50, QStringLiteral("分类"), false);
    CodeFld = text(QStringLiteral("Code"), 30, Caption(QStringLiteral("WareS01")));
    NameFld = text(QStringLiteral("Name"), 30, Caption(QStringLiteral("WareS02")));
    LookIdFld = text(QStringLiteral("LookId"), 30, Caption(QStringLiteral("WareS03")));
    PartNoFld = text(QStringLiteral("PartNo"), 200, Caption(QStringLiteral("WareS04")));
    BrandFld = text(QStringLiteral("Brand"), 30, Caption(QStringLiteral("WareS05")));
    PackageFld = text(QStringLiteral("Package"), 30, Caption(QStringLiteral("WareS06")));
    BarcodeFld = text(QStringLiteral("Barcode"), 30, Caption(QStringLiteral("WareS07")));
    S08Fld = text(QStringLiteral("S08"), 50, Caption(QStringLiteral("WareS08")));
    S09Fld = text(QStringLiteral("S09"), 50, Caption(QStringLiteral("WareS09")));
    S10Fld = text(QStringLiteral("S10"), 50, Caption(QStringLiteral("WareS10")));
    S11Fld = text(QStringLiteral("S11"), 50, Caption(QStringLiteral("WareS11")));
    UnitFld = text(QStringLiteral("Unit"), 30, Caption(QStringLiteral("WareS12")));
    for (int i = 0; i < 5; ++i)
        FFld[size_t(i)] = number(QStringLiteral("F%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                                 Caption(WareCaptions::NumberNames()[i]));
    NoteFld = text(QStringLiteral("Note"), 50, QStringLiteral("备注"));
    InPriceFld = number(QStringLiteral("InPrice"), QStringLiteral("入库价"));
    OutPriceFld = number(QStringLiteral("OutPrice"), QStringLiteral("出库价"));
    MinQtyFld = number(QStringLiteral("MinQty"), QStringLiteral("库存下限"));
    MaxQtyFld = number(QStringLiteral("MaxQty"), QStringLiteral("库存上限"));
    LocationFld = text(QStringLiteral("Location"), 50, QStringLiteral("货位"));
    CostPriceFld = number(QStringLiteral("CostPrice"), QStringLiteral("入库成本价"));
    InnerPriceFld = number(QStringLiteral("InnerPrice"), QStringLiteral("对内结算价"));
    SalePrice1Fld = number(QStringLiteral("SalePrice1"), QStringLiteral("销售建议价1"));
    SalePrice2Fld = number(QStringLiteral("SalePrice2"), QStringLiteral("销售建议价2"));
    SalePrice3Fld = number(QStringLiteral("SalePrice3"), QStringLiteral("销售建议价3"));
    ProfitRateFld = AddField<TIntegerField>(QStringLiteral("ProfitRate"), -1, true,
                                            QStringLiteral("销售提成率"));
    CostIdFld = AddField<TIntegerField>(QStringLiteral("CostId"), -1, false);
    CostNameFld = text(QStringLiteral("CostName"), 50, QStringLiteral("成本核算法"));
}

const TMasterTable &TWareSet::Table()
{
    static const TMasterTable table = [] {
        TMasterTable t;
        t.Table = QStringLiteral("ware");
        t.Columns = QStringList{QStringLiteral("ClassId"), QStringLiteral("Code"),
                                QStringLiteral("Name"), QStringLiteral("PartNo"),
                                QStringLiteral("Brand"), QStringLiteral("Package"),
                                QStringLiteral("Barcode"), QStringLiteral("LookId"),
                                QStringLiteral("Unit"), QStringLiteral("[Note]"),
                                QStringLiteral("S08"), QStringLiteral("S09"),
                                QStringLiteral("S10"), QStringLiteral("S11"),
                                QStringLiteral("F01"), QStringLiteral("F02"),
                                QStringLiteral("F03"), QStringLiteral("F04"),
                                QStringLiteral("F05"), QStringLiteral("InPrice"),
                                QStringLiteral("OutPrice"), QStringLiteral("MinQty"),
                                QStringLiteral("MaxQty"), QStringLiteral("Location"),
                                QStringLiteral("CostId"), QStringLiteral("CostPrice"),
                                QStringLiteral("InnerPrice"), QStringLiteral("SalePrice1"),
                                QStringLiteral("SalePrice2"), QStringLiteral("SalePrice3"),
                                QStringLiteral("ProfitRate")};
        t.ReferringColumns = {QStringLiteral("WareId")};
        return t;
    }();
    return table;
}

QString TWareSet::SelectSql(const QString &conditions)
{
    return QStringLiteral("select w.*, c.Code as CataCode, c.Name as CataName, "
                          "c.Name as CataPath, t.Name as CostName from ((ware w "
                          "left join wareclass c on c.Id=w.ClassId) "
                          "left join costing t on t.Id=w.CostId)%1 "
                          "order by w.ClassId,w.Name,PartNo,Brand,Package,Unit")
        .arg(conditions);
}

int TWareSet::Load()
{
    m_where->FlushEdits();
    return OpenSQL(SelectSql(m_where->Conditions(Database())));
}

int TWareSet::LoadAll()
{
    m_where->Clear();
    return Load();
}

bool TWareSet::LoadById(int id)
{
    return OpenSQL(SelectSql(QStringLiteral(" where w.Id=:Id")),
                   {DBParam(QStringLiteral("Id"), id)}) == 1;
}

RWare TWareSet::AsData() const
{
    RWare r;
    r.Id = IdFld->AsInteger();
    r.ClassId = OptInt(ClassIdFld);
    r.Code = TextOf(CodeFld);
    r.Name = TextOf(NameFld);
    r.LookId = TextOf(LookIdFld);
    r.PartNo = TextOf(PartNoFld);
    r.Brand = TextOf(BrandFld);
    r.Package = TextOf(PackageFld);
    r.Barcode = TextOf(BarcodeFld);
    r.Unit = TextOf(UnitFld);
    r.S08 = TextOf(S08Fld);
    r.S09 = TextOf(S09Fld);
    r.S10 = TextOf(S10Fld);
    r.S11 = TextOf(S11Fld);
    for (size_t i = 0; i < 5; ++i)
        r.F[i] = OptFloat(FFld[i]);
    r.Note = TextOf(NoteFld);
    r.InPrice = OptFloat(InPriceFld);
    r.OutPrice = OptFloat(OutPriceFld);
    r.MinQty = OptFloat(MinQtyFld);
    r.MaxQty = OptFloat(MaxQtyFld);
    r.Location = TextOf(LocationFld);
    r.CostId = CostIdFld->IsNull() ? 0 : CostIdFld->AsInteger();
    r.CostPrice = OptFloat(CostPriceFld);
    r.InnerPrice = OptFloat(InnerPriceFld);
    r.SalePrice1 = OptFloat(SalePrice1Fld);
    r.SalePrice2 = OptFloat(SalePrice2Fld);
    r.SalePrice3 = OptFloat(SalePrice3Fld);
    r.ProfitRate = OptInt(ProfitRateFld);
    r.CataCode = TextOf(CataCodeFld);
    r.CataName = TextOf(CataNameFld);
    r.CataPath = TextOf(CataPathFld);
    r.CostName = TextOf(CostNameFld);
    return r;
}

void TWareSet::SetAsData(const RWare &data)
{
    EditOrAppend(data.Id);
    IdFld->SetValue(data.Id);
    ClassIdFld->SetValue(ClassIdValue(data.ClassId));
    CodeFld->SetValue(data.Code);
    NameFld->SetValue(data.Name);
    LookIdFld->SetValue(data.LookId);
    PartNoFld->SetValue(data.PartNo);
    BrandFld->SetValue(data.Brand);
    PackageFld->SetValue(data.Package);
    BarcodeFld->SetValue(data.Barcode);
    UnitFld->SetValue(data.Unit);
    S08Fld->SetValue(data.S08);
    S09Fld->SetValue(data.S09);
    S10Fld->SetValue(data.S10);
    S11Fld->SetValue(data.S11);
    for (size_t i = 0; i < 5; ++i)
        FFld[i]->SetValue(Nullable(data.F[i]));
    NoteFld->SetValue(data.Note);
    InPriceFld->SetValue(Nullable(data.InPrice));
    OutPriceFld->SetValue(Nullable(data.OutPrice));
    MinQtyFld->SetValue(Nullable(data.MinQty));
    MaxQtyFld->SetValue(Nullable(data.MaxQty));
    LocationFld->SetValue(data.Location);
    CostIdFld->SetValue(Nullable(data.CostId));
    CostPriceFld->SetValue(Nullable(data.CostPrice));
    InnerPriceFld->SetValue(Nullable(data.InnerPrice));
    SalePrice1Fld->SetValue(Nullable(data.SalePrice1));
    SalePrice2Fld->SetValue(Nullable(data.SalePrice2));
    SalePrice3Fld->SetValue(Nullable(data.SalePrice3));
    ProfitRateFld->SetValue(Nullable(data.ProfitRate));
    CataCodeFld->SetValue(data.CataCode);
    CataNameFld->SetValue(data.CataName);
    CataPathFld->SetValue(data.CataPath);
    CostNameFld->SetValue(data.CostName);
    DataSet()->Post();
}

bool TWareSet::Check(const RWare &data, QString *message)
{
    QString missing;
    if (data.Code.trimmed().isEmpty())
        missing = WareCaptions::Caption(QStringLiteral("WareS01"));
    else if (data.Name.trimmed().isEmpty())
        missing = WareCaptions::Caption(QStringLiteral("WareS02"));
    if (missing.isEmpty())
        return true;
    if (message)
        *message = missing + QStringLiteral("必须填写");
    return false;
}

bool TWareSet::Save(RWare &data)
{
    auto p = [](const char *name, const QVariant &value) {
        return DBParam(QLatin1String(name), value);
    };
    TDBParameters params{
        p("ClassId", ClassIdValue(data.ClassId)), p("Code", data.Code), p("Name", data.Name),
        p("PartNo", data.PartNo), p("Brand", data.Brand), p("Package", data.Package),
        p("Barcode", data.Barcode), p("LookId", data.LookId), p("Unit", data.Unit),
        p("Note", data.Note), p("S08", data.S08), p("S09", data.S09), p("S10", data.S10),
        p("S11", data.S11)};
    for (size_t i = 0; i < 5; ++i)
        params << DBParam(QStringLiteral("F%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                          Nullable(data.F[i]));
    params << p("InPrice", Nullable(data.InPrice)) << p("OutPrice", Nullable(data.OutPrice))
           << p("MinQty", Nullable(data.MinQty)) << p("MaxQty", Nullable(data.MaxQty))
           << p("Location", data.Location) << p("CostId", Nullable(data.CostId))
           << p("CostPrice", Nullable(data.CostPrice))
           << p("InnerPrice", Nullable(data.InnerPrice))
           << p("SalePrice1", Nullable(data.SalePrice1))
           << p("SalePrice2", Nullable(data.SalePrice2))
           << p("SalePrice3", Nullable(data.SalePrice3))
           << p("ProfitRate", Nullable(data.ProfitRate));
    if (!Table().Save(params, data.Id))
        return false;
    if (data.ClassId && *data.ClassId <= 0)
        data.ClassId.reset();
    return true;
}

bool TWareSet::Delete(int id, QString *error)
{
    return Table().Delete(id, {}, error);
}

bool TWareSet::GetById(int id, RWare &data)
{
    TWareSet set;
    if (!set.LoadById(id))
        return false;
    data = set.AsData();
    return true;
}

int TWareSet::ReassignCategory(const RWareCata &oldCata, const RWareCata &newCata,
                               QString *message)
{
    // Moving goods "into no category" would silently uncategorise a whole category.
    if (newCata.Id <= 0) {
        if (message)
            *message = QStringLiteral("请选择要归入的目标分类: 不能把货品归入空的分类.");
        return -1;
    }
    TDatabase &db = TheDatabase();
    const TDBParameters params{DBParam(QStringLiteral("NewClassId"), newCata.Id),
                               DBParam(QStringLiteral("OldClassId"), oldCata.Id)};
    if (oldCata.Id <= 0)
        return db.ExecSQL(QStringLiteral("update ware set ClassId=:NewClassId "
                                         "where ClassId is null"),
                          {params.first()});
    return db.ExecSQL(QStringLiteral("update ware set ClassId=:NewClassId "
                                     "where ClassId=:OldClassId"),
                      params);
}

bool TWareSet::MoveToCategory(const RWareCata &cata)
{
    TDataSet *d = DataSet();
    if (!d->Active() || d->IsEmpty())
        return false;
    const QVariant classId = cata.Id > 0 ? QVariant(cata.Id) : QVariant();
    if (Database().ExecSQL(QStringLiteral("update ware set ClassId=:ClassId where Id=:Id"),
                           {DBParam(QStringLiteral("ClassId"), classId),
                            DBParam(QStringLiteral("Id"), IdFld->AsInteger())})
        != 1)
        return false;
    d->Edit();
    ClassIdFld->SetValue(classId);
    CataCodeFld->SetValue(cata.Id > 0 ? QVariant(cata.Code) : QVariant());
    CataNameFld->SetValue(cata.Id > 0 ? QVariant(cata.Name) : QVariant());
    d->Post();
    return true;
}

void TWareSet::SetClassId(const QString &cataCode)
{
    m_filterParts[0] = cataCode == QLatin1String("sys-all") ? QString() : cataCode;
    ApplyFilterParts();
}

void TWareSet::SetLookId(const QString &text)
{
    m_filterParts[1] = text;
    ApplyFilterParts();
}

void TWareSet::SetWareName(const QString &text)
{
    m_filterParts[2] = text;
    ApplyFilterParts();
}

void TWareSet::SetPartNo(const QString &text)
{
    m_filterParts[3] = text;
    ApplyFilterParts();
}

void TWareSet::SetWareCode(const QString &text)
{
    m_filterParts[4] = text;
    ApplyFilterParts();
}

namespace {
// A row test on the category code column: a code prefix or a system node.
TDataSet::TFilterFunc CategoryFilter(const QString &code, int classIdColumn, int codeColumn)
{
    if (code.isEmpty() || code == QLatin1String("sys-all"))
        return nullptr;
    if (code == QLatin1String("sys-nulled") || code == QLatin1String("sys-classed")) {
        const bool wantNull = code == QLatin1String("sys-nulled");
        return [=](const TDataSet &d, int row) {
            return d.StoredValue(row, classIdColumn).isNull() == wantNull;
        };
    }
    return [=](const TDataSet &d, int row) {
        QString buffer;
        return StoredText(d.StoredValue(row, codeColumn), buffer).startsWith(code);
    };
}
} // namespace

void TWareSet::ApplyFilterParts()
{
    if (!DataSet()->Active())
        return;
    QList<TDataSet::TFilterFunc> tests;
    const int classId = ClassIdFld->Index();
    if (auto category = CategoryFilter(m_filterParts[0], classId, CataCodeFld->Index()))
        tests << category;
    const TField *fields[] = {nullptr, LookIdFld, NameFld, PartNoFld, CodeFld};
    for (size_t i = 1; i < 5; ++i) {
        if (m_filterParts[i].isEmpty())
            continue;
        const int column = fields[i]->Index();
        const QString text = m_filterParts[i];
        tests << [column, text](const TDataSet &d, int row) {
            QString buffer;
            return StoredText(d.StoredValue(row, column), buffer)
                .contains(text, Qt::CaseInsensitive);
        };
    }
    DataSet()->ClearFilter();
    if (tests.isEmpty())
        return;
    DataSet()->SetFilter([tests](const TDataSet &d, int row) {
        for (const auto &test : tests)
            if (!test(d, row))
                return false;
        return true;
    });
}

void TWareSet::FilterByCategory(const QString &cataCode)
{
    TDataSet *d = DataSet();
    d->ClearFilter();
    if (auto filter = CategoryFilter(cataCode, ClassIdFld->Index(), CataCodeFld->Index()))
        d->SetFilter(filter);
}

double TWareSet::PriceStatistic(const QString &expression) const
{
    if (!DataSet()->Active() || DataSet()->IsEmpty())
        return 0.0;
    TRecordSet set(Database());
    set.OpenSQL(QStringLiteral("select %1 from saledl where WareId=:WareId").arg(expression),
                {DBParam(QStringLiteral("WareId"), IdFld->AsInteger())});
    return set.DataSet()->Field(0)->AsFloat();
}

double TWareSet::LowestInPrice() const
{
    return PriceStatistic(QStringLiteral("min(Price)"));
}

double TWareSet::HighestInPrice() const
{
    return PriceStatistic(QStringLiteral("max(Price)"));
}

double TWareSet::AvgInPrice() const
{
    return PriceStatistic(QStringLiteral("avg(Price)"));
}

double TWareSet::LastInPrice() const
{
    if (!DataSet()->Active() || DataSet()->IsEmpty())
        return 0.0;
    // The latest sale by business date, then by line.
    TRecordSet set(Database());
    set.OpenSQL(QStringLiteral("select d.Price from saledl d join sale m on m.Id=d.MastId "
                               "where d.WareId=:WareId order by m.BizDate desc, d.dlId desc"),
                {DBParam(QStringLiteral("WareId"), IdFld->AsInteger())});
    return set.DataSet()->IsEmpty() ? 0.0 : set.DataSet()->Field(0)->AsFloat();
}
