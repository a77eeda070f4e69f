#pragma once

#include "data/CustomWhere.h"

// Criteria of the goods query. CataCode also takes the codes of the tree's system nodes:
// "sys-all" (no condition), "sys-classed" (categorised goods), "sys-nulled" (the others).
class TWareWhere : public TCustomWhere
{
    Q_OBJECT
public:
    TWareWhere();

    TField *IdFld;
    TField *CataCodeFld;
    TField *LookIdFld;
    TField *WareCodeFld;
    TField *WareNameFld;
    TField *PartNoFld;
    TField *PackageFld;
    TField *BarCodeFld;
    TField *LocationFld;

    // " where …" over the aliases w (ware) and c (wareclass); empty without criteria.
    QString Conditions(const TDatabase &database) const;
};

// The condition of a category code over a category-code column, "" for none.
QString CategoryCondition(const TDatabase &database, const QString &code,
                          const QString &classIdColumn, const QString &codeColumn);
