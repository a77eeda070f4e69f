#pragma once

#include "masterdata/MasterSet.h"

// A warehouse (used by the warehouse side's documents, edited here).
struct RHouse
{
    int Id = 0;
    QString Name;
    QString Mgr;
    QString Tel;
    QString Note;
    void Clear() { *this = RHouse(); }
};
using RHouses = QList<RHouse>;

class THouseSet : public TMasterSet
{
    Q_OBJECT
public:
    THouseSet();

    TField *NameFld;
    TField *MgrFld;
    TField *TelFld;
    TField *NoteFld;

    RHouse AsData() const;
    void SetAsData(const RHouse &data);

    static const TMasterTable &Table();
    static bool Check(const RHouse &data, QString *message);
    static bool Save(RHouse &data);
    static bool Delete(int id, QString *error = nullptr);
    static bool GetById(int id, RHouse &data);
};
