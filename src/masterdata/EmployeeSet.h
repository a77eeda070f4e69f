#pragma once

#include "masterdata/MasterSet.h"

// An employee: the buyers, handlers and applicants that bills name.
struct REmployee
{
    int Id = 0;
    QString Name;
    QString Sex;
    QString Tel;
    QString Addr;
    QString Note;
    void Clear() { *this = REmployee(); }
};
using REmployees = QList<REmployee>;

class TEmployeeSet : public TMasterSet
{
    Q_OBJECT
public:
    TEmployeeSet();

    TField *NameFld;
    TField *SexFld;
    TField *TelFld;
    TField *AddrFld;
    TField *NoteFld;

    REmployee AsData() const;
    void SetAsData(const REmployee &data);

    static const TMasterTable &Table();
    // "名称不能为空" when the name is blank.
    static bool Check(const REmployee &data, QString *message);
    static bool Save(REmployee &data);
    // Also detaches the operator account and the categories the employee buys for.
    static bool Delete(int id, QString *error = nullptr);
    static bool GetById(int id, REmployee &data);
};
