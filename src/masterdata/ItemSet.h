#pragma once

#include "masterdata/MasterSet.h"

// The small tables of a name and a note: bank and cash accounts, plan types, order types,
// payable items. One set class each, on one base.
struct RItem
{
    int Id = 0;
    QString Name;
    QString Note;
    void Clear() { *this = RItem(); }
};
using RBank = RItem;
using RbuPlanType = RItem;
using RbuOrderType = RItem;
using RShldoutItem = RItem;
using RItems = QList<RItem>;

class TItemSet : public TMasterSet
{
    Q_OBJECT
public:
    TItemSet(const TMasterTable &table, int nameSize, int noteSize,
             const QString &nameCaption = QStringLiteral("名称"));

    TField *NameFld;
    TField *NoteFld;

    RItem AsData() const;
    void SetAsData(const RItem &data);

    // "名称不能为空" when the name is blank.
    static bool Check(const RItem &data, QString *message);

protected:
    static bool SaveItem(const TMasterTable &table, RItem &data);
    static TMasterTable MakeTable(const QString &name, const QStringList &referringColumns,
                                  const QStringList &extraReferences);
};

// The class-level operations of one table of the family.
template<class Self>
class TItemSetOf : public TItemSet
{
public:
    using TItemSet::TItemSet;
    static bool Save(RItem &data) { return SaveItem(Self::Table(), data); }
    static bool Delete(int id, QString *error = nullptr)
    {
        return Self::Table().Delete(id, {}, error);
    }
    static bool GetById(int id, RItem &data)
    {
        Self set;
        if (!set.LoadById(id))
            return false;
        data = set.AsData();
        return true;
    }
};

class TBankSet : public TItemSetOf<TBankSet>
{
public:
    TBankSet() : TItemSetOf(Table(), 30, 50, QStringLiteral("帐户名称")) {}
    static const TMasterTable &Table();
};

class TbuPlanTypeSet : public TItemSetOf<TbuPlanTypeSet>
{
public:
    TbuPlanTypeSet() : TItemSetOf(Table(), 50, 100) {}
    static const TMasterTable &Table();
};

class TbuOrderTypeSet : public TItemSetOf<TbuOrderTypeSet>
{
public:
    TbuOrderTypeSet() : TItemSetOf(Table(), 50, 100) {}
    static const TMasterTable &Table();
};

class TShldoutItemSet : public TItemSetOf<TShldoutItemSet>
{
public:
    TShldoutItemSet() : TItemSetOf(Table(), 30, 50) {}
    static const TMasterTable &Table();
};
