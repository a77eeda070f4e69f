#include "masterdata/WareCataSet.h"

#include "data/Numbering.h"
#include "masterdata/SaveTransaction.h"

#include <QHash>

#include <functional>

TWareCataSet::TWareCataSet()
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, false);
    CodeFld = AddField<TWideStringField>(QStringLiteral("Code"), 50, true, QStringLiteral("编码"));
    NameFld = AddField<TWideStringField>(QStringLiteral("Name"), 30, true,
                                         QStringLiteral("类别名称"));
    NoteFld = AddField<TWideStringField>(QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    PathFld = AddField<TWideStringField>(QStringLiteral("Path"), 250, true,
                                         QStringLiteral("类别全称"));
    SlfIdFld = AddField<TIntegerField>(QStringLiteral("SlfId"), -1, false);
    PrtIdFld = AddField<TIntegerField>(QStringLiteral("PrtId"), -1, false);
}

RWareCata TWareCataSet::AsData() const
{
    return {IdFld->AsInteger(), CodeFld->AsString(), NameFld->AsString(), NoteFld->AsString(),
            PathFld->AsString(), SlfIdFld->AsInteger(), PrtIdFld->AsInteger()};
}

RWareCatas TWareCataSet::LoadTree()
{
    OpenSQL(QStringLiteral("select Id, Code, Name, [Note], SlfId, PrtId, Name as Path "
                           "from wareclass order by SlfId"));
    RWareCatas tree;
    tree.reserve(DataSet()->RecordCount());
    for (DataSet()->First(); !DataSet()->Eof(); DataSet()->Next())
        tree.append(AsData());
    return tree;
}

bool TWareCataSet::GetById(int id, RWareCata &data)
{
    TWareCataSet set;
    if (set.OpenSQL(QStringLiteral("select Id, Code, Name, [Note], SlfId, PrtId, Name as Path "
                                   "from wareclass where Id=:Id"),
                    {DBParam(QStringLiteral("Id"), id)}) != 1)
        return false;
    data = set.AsData();
    return true;
}

bool TWareCataSet::Renumber(RWareCatas &tree, const QList<int> &parentIndex, QString *message,
                            int *badIndex)
{
    RWareCatas out = tree;
    for (int i = 0; i < out.size(); ++i) {
        RWareCata &c = out[i];
        c.SlfId = i + 1;
        const int parent = parentIndex.value(i, -1);
        c.PrtId = parent >= 0 ? out[parent].SlfId : 0;
        c.Code = (parent >= 0 ? out[parent].Code : QString()) + QString::number(c.SlfId) + u'.';
        if (c.Name.trimmed().isEmpty()) {
            if (message)
                *message = QStringLiteral("分类名称不能是空白,必须填写.");
            if (badIndex)
                *badIndex = i;
            return false;
        }
    }
    tree = out;
    return true;
}

QList<int> TWareCataSet::ParentIndexes(const RWareCatas &tree)
{
    QHash<int, int> bySlfId;
    QList<int> parents;
    parents.reserve(tree.size());
    for (int i = 0; i < tree.size(); ++i) {
        // A parent comes before its children; the first node with the number counts.
        parents.append(tree[i].PrtId > 0 ? bySlfId.value(tree[i].PrtId, -1) : -1);
        if (!bySlfId.contains(tree[i].SlfId))
            bySlfId.insert(tree[i].SlfId, i);
    }
    return parents;
}

namespace {
[[noreturn]] void SaveFailed()
{
    throw EDatabaseError(QStringLiteral("保存失败, 没有返回成功值."));
}
} // namespace

bool TWareCataSet::SaveTree(RWareCatas &tree)
{
    TDatabase &db = TheDatabase();
    QStringList keys{QStringLiteral("-1")};
    for (const RWareCata &c : tree)
        if (c.Id > 0)
            keys << QString::number(c.Id);
    const QString kept = keys.join(u',');
    RWareCatas saved = tree;
    TSaveTransaction trans(db);
    // Categories no longer in the tree: their goods become uncategorised, then they go.
    db.ExecSQL(QStringLiteral("update ware set ClassId=null where ClassId in "
                              "(select Id from wareclass where Id not in(%1))").arg(kept));
    db.ExecSQL(QStringLiteral("delete from wareclass where Id not in(%1)").arg(kept));
    // Rewritten codes must not collide with the old ones on the unique index.
    db.ExecSQL(QStringLiteral("update wareclass set Code=null"));
    int next = NewId(db, QStringLiteral("wareclass"));
    for (RWareCata &c : saved) {
        const bool insert = c.Id <= 0;
        if (insert)
            c.Id = next++;
        const TDBParameters params{
            DBParam(QStringLiteral("Code"), c.Code), DBParam(QStringLiteral("Name"), c.Name),
            DBParam(QStringLiteral("Note"), c.Note), DBParam(QStringLiteral("SlfId"), c.SlfId),
            DBParam(QStringLiteral("PrtId"), c.PrtId), DBParam(QStringLiteral("Id"), c.Id)};
        const QString sql = insert
            ? QStringLiteral("insert into wareclass(Code, Name, [Note], SlfId, PrtId, Id)"
                             "values(:Code, :Name, :Note, :SlfId, :PrtId, :Id)")
            : QStringLiteral("update wareclass set Code=:Code, Name=:Name, [Note]=:Note, "
                             "SlfId=:SlfId, PrtId=:PrtId where Id=:Id");
        if (db.ExecSQL(sql, params) != 1)
            SaveFailed();
    }
    trans.Commit();
    tree = saved;
    return true;
}

bool TWareCataSet::MoveCategory(int cataId, int newParentId, QString *message)
{
    TWareCataSet set;
    const RWareCatas tree = set.LoadTree();
    const QList<int> parents = ParentIndexes(tree);
    int moved = -1;
    int target = -1;
    for (int i = 0; i < tree.size(); ++i) {
        if (tree[i].Id == cataId)
            moved = i;
        if (newParentId > 0 && tree[i].Id == newParentId)
            target = i;
    }
    auto refuse = [message](const QString &text) {
        if (message)
            *message = text;
        return false;
    };
    if (moved < 0 || (newParentId > 0 && target < 0))
        return refuse(QStringLiteral("分类不存在或已被删除."));
    for (int p = target; p >= 0; p = parents[p])
        if (p == moved)
            return refuse(QStringLiteral("不能把分类移到它自己或它的下级分类中."));
    // Children in order, with the moved category taken out and hung under its new parent.
    QList<QList<int>> children(tree.size() + 1);     // the last list: the top level
    const int top = int(tree.size());
    for (int i = 0; i < tree.size(); ++i)
        if (i != moved)
            children[parents[i] >= 0 ? parents[i] : top].append(i);
    children[target >= 0 ? target : top].append(moved);
    RWareCatas ordered;
    QList<int> orderedParents;
    std::function<void(int, int)> walk = [&](int node, int parentPos) {
        for (int child : children[node]) {
            ordered.append(tree[child]);
            orderedParents.append(parentPos);
            walk(child, int(ordered.size()) - 1);
        }
    };
    walk(top, -1);
    if (!Renumber(ordered, orderedParents, message))
        return false;
    return SaveTree(ordered);
}
