#pragma once

#include "masterdata/MasterSet.h"

struct RDept
{
    int Id = 0;
    QString Name;
    QString Mgr;
    QString Tel;
    QString Addr;
    QString Note;
    void Clear() { *this = RDept(); }
};
using RDepts = QList<RDept>;

class TDeptSet : public TMasterSet
{
    Q_OBJECT
public:
    TDeptSet();

    TField *NameFld;
    TField *MgrFld;
    TField *TelFld;
    TField *AddrFld;
    TField *NoteFld;

    RDept AsData() const;
    void SetAsData(const RDept &data);

    static const TMasterTable &Table();
    static bool Check(const RDept &data, QString *message);
    static bool Save(RDept &data);
    static bool Delete(int id, QString *error = nullptr);
    static bool GetById(int id, RDept &data);
};
