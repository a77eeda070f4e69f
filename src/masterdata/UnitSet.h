#pragma once

#include "masterdata/MasterSet.h"

#include <optional>

// A unit of measure; goods name their unit as text, so nothing refers to its key.
struct RUnit
{
    int Id = 0;
    QString Name;
    std::optional<double> Rate;
    QString NoteX;
    void Clear() { *this = RUnit(); }
};
using RUnits = QList<RUnit>;

class TUnitSet : public TMasterSet
{
    Q_OBJECT
public:
    TUnitSet();

    TField *NameFld;
    TField *RateFld;
    TField *NoteFld;

    RUnit AsData() const;
    void SetAsData(const RUnit &data);

    static const TMasterTable &Table();
    // "单位名称必须填写" when the name is blank.
    static bool Check(const RUnit &data, QString *message);
    static bool Save(RUnit &data);
    // Shows the refusal with the driver's text itself when the database refuses.
    static bool Delete(int id, QString *error = nullptr);
    static bool GetById(int id, RUnit &data);
};
