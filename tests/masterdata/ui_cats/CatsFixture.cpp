#include "CatsFixture.h"

#include "config/KeyValue2.h"
#include "config/Operator.h"
#include "config/Settings.h"
#include "data/RecordSet.h"

#include <QHash>
#include <QTest>

void OpenCatsDatabase()
{
    TheDatabase().ExecSQL(QStringLiteral("delete from ware"));
    TheDatabase().ExecSQL(QStringLiteral("delete from wareclass"));
    TheKeyValue2().Reopen();
    LoadCommonSettings();
    TheOperator().Clear();
    TheOperator().LoginId = QStringLiteral("sa");
}

RWareCatas StoreTree(const QString &shape)
{
    RWareCatas tree;
    QList<int> parents;
    QList<int> stack{-1};
    QString name;
    auto flush = [&] {
        if (name.trimmed().isEmpty())
            return;
        RWareCata c;
        c.Name = name.trimmed();
        tree.append(c);
        parents.append(stack.last());
        name.clear();
    };
    for (const QChar ch : shape) {
        if (ch == u'(') {
            flush();
            stack.append(int(tree.size()) - 1);
        } else if (ch == u')') {
            flush();
            stack.removeLast();
        } else if (ch == u',') {
            flush();
        } else {
            name += ch;
        }
    }
    flush();
    if (!TWareCataSet::Renumber(tree, parents) || !TWareCataSet::SaveTree(tree))
        qFatal("cannot store the tree %s", qPrintable(shape));
    return tree;
}

QString StoredShape()
{
    TWareCataSet set;
    const RWareCatas tree = set.LoadTree();
    const QList<int> parents = TWareCataSet::ParentIndexes(tree);
    // Children per node in stored order, then written out recursively.
    std::function<QString(int)> write = [&](int parent) {
        QStringList parts;
        for (int i = 0; i < tree.size(); ++i) {
            if (parents[i] != parent)
                continue;
            const QString children = write(i);
            parts << tree[i].Name + (children.isEmpty() ? QString() : u'(' + children + u')');
        }
        return parts.join(u',');
    };
    return write(-1);
}

QString StoredCodes()
{
    TWareCataSet set;
    QStringList out;
    for (const RWareCata &c : set.LoadTree())
        out << c.Name + u'=' + c.Code;
    return out.join(u' ');
}

QString DumpCategories()
{
    TRecordSet set;
    set.OpenSQL(QStringLiteral("select Id, Code, Name, [Note], SlfId, PrtId from wareclass "
                               "order by Id"));
    QStringList rows;
    TDataSet *d = set.DataSet();
    for (d->First(); !d->Eof(); d->Next()) {
        QStringList cells;
        for (int i = 0; i < d->FieldCount(); ++i)
            cells << d->Field(i)->AsString();
        rows << cells.join(u'|');
    }
    return rows.join(u'\n');
}

int CategoryId(const QString &name)
{
    TRecordSet set;
    set.OpenSQL(QStringLiteral("select Id from wareclass where Name=:Name"),
                {DBParam(QStringLiteral("Name"), name)});
    return set.DataSet()->IsEmpty() ? 0 : set.DataSet()->Field(0)->AsInteger();
}

int StoreGoods(const QString &code, const QString &name, const QString &category)
{
    RWare w;
    w.Code = code;
    w.Name = name;
    if (!category.isEmpty())
        w.ClassId = CategoryId(category);
    if (!TWareSet::Save(w))
        qFatal("cannot store goods %s", qPrintable(code));
    return w.Id;
}

int CountOf(const QString &sql)
{
    TRecordSet set;
    set.OpenSQL(sql);
    return set.DataSet()->Field(0)->AsInteger();
}
