#include "masterdata/WareWhere.h"

#include "data/Database.h"
#include "data/Dialect.h"

TWareWhere::TWareWhere()
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), true);
    CataCodeFld = AddFieldDef<TWideStringField>(QStringLiteral("CataCode"), 50, true);
    LookIdFld = AddFieldDef<TWideStringField>(QStringLiteral("LookId"), 50, true);
    WareCodeFld = AddFieldDef<TWideStringField>(QStringLiteral("WareCode"), 50, true);
    WareNameFld = AddFieldDef<TWideStringField>(QStringLiteral("WareName"), 50, true);
    PartNoFld = AddFieldDef<TWideStringField>(QStringLiteral("PartNo"), 200, true);
    PackageFld = AddFieldDef<TWideStringField>(QStringLiteral("Package"), 50, true);
    BarCodeFld = AddFieldDef<TWideStringField>(QStringLiteral("BarCode"), 50, true);
    LocationFld = AddFieldDef<TWideStringField>(QStringLiteral("Location"), 50, true);
    CreateCriteriaRow();
}

QString CategoryCondition(const TDatabase &database, const QString &code,
                          const QString &classIdColumn, const QString &codeColumn)
{
    if (code.isEmpty() || code == QLatin1String("sys-all"))
        return QString();
    if (code == QLatin1String("sys-nulled"))
        return classIdColumn + QStringLiteral(" is null");
    if (code == QLatin1String("sys-classed"))
        return classIdColumn + QStringLiteral(" is not null");
    // The trailing full stop of every code makes the prefix exact: "1.2." never takes "1.21.".
    return codeColumn + QStringLiteral(" like ") + database.Dialect().LikePrefix(code);
}

QString TWareWhere::Conditions(const TDatabase &database) const
{
    TWhereBuilder b(database);
    const QString cata = TWhereBuilder::IsTextSet(CataCodeFld) ? CataCodeFld->AsString()
                                                               : QString();
    const QString category = CategoryCondition(database, cata, QStringLiteral("w.ClassId"),
                                               QStringLiteral("c.Code"));
    b.AddIf(!category.isEmpty(), category)
        .Link(QStringLiteral("w.Id"), IdFld)
        .Contains(QStringLiteral("w.LookId"), LookIdFld)
        .Contains(QStringLiteral("w.Code"), WareCodeFld)
        .Contains(QStringLiteral("w.Name"), WareNameFld)
        .Contains(QStringLiteral("w.PartNo"), PartNoFld)
        .Contains(QStringLiteral("w.Package"), PackageFld)
        .Contains(QStringLiteral("w.BarCode"), BarCodeFld)
        .Contains(QStringLiteral("w.Location"), LocationFld);
    return b.AsWhere();
}
