#pragma once

#include "data/QuerySet.h"

// A goods category. Code is the parent's code + SlfId + "." ("1.2."); SlfId numbers the
// tree in pre-order; PrtId is the parent's SlfId (0 at the top). Path is not stored: the
// load gives the name, the tree the full path.
struct RWareCata
{
    int Id = 0;
    QString Code;
    QString Name;
    QString Note;
    QString Path;
    int SlfId = 0;
    int PrtId = 0;
    void Clear() { *this = RWareCata(); Id = -1; }
};
using RWareCatas = QList<RWareCata>;

class TWareCataSet : public TQuerySet
{
    Q_OBJECT
public:
    TWareCataSet();

    TField *IdFld;
    TField *CodeFld;
    TField *NameFld;
    TField *NoteFld;
    TField *PathFld;
    TField *SlfIdFld;
    TField *PrtIdFld;

    RWareCata AsData() const;
    // Every category in SlfId order.
    RWareCatas LoadTree();

    // Numbers a pre-order array (parentIndex[i]: the index of entry i's parent, -1 at the
    // top): SlfId, PrtId and Code as the tree encoding says. False, with the message and
    // the index of the offending entry, when a name is blank.
    static bool Renumber(RWareCatas &tree, const QList<int> &parentIndex,
                         QString *message = nullptr, int *badIndex = nullptr);
    // The parent index of every entry of a loaded tree (by PrtId; unknown parents: -1).
    static QList<int> ParentIndexes(const RWareCatas &tree);
    // Writes the whole tree in one transaction: categories missing from it are deleted
    // (their goods become uncategorised), codes are rewritten, new categories get their
    // Id in the array. Raises "保存失败, 没有返回成功值." when a row is not written; the
    // database is then unchanged.
    static bool SaveTree(RWareCatas &tree);
    // Moves a category with everything below it to be the last child of another
    // (0 or below: the top level) and rewrites every code, in one transaction.
    static bool MoveCategory(int cataId, int newParentId, QString *message = nullptr);
    static bool GetById(int id, RWareCata &data);
};
