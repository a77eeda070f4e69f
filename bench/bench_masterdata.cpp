// Master data benchmarks: the goods list with 100,000 goods in a five-level tree of 2,000
// categories, as a set and as the window "货物资料". Each figure is set against the same rows
// selected straight through Qt SQL in the same run, on the dialect named by the connection
// string. Without a display the window runs on the offscreen platform.
//   bench_masterdata [connection]   (default: a new SQLite file in the temporary directory)
#include "BenchSupport.h"
#include "data/Database.h"
#include "data/Dialect.h"
#include "data/Messages.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "masterdata/WareCataSet.h"
#include "masterdata/WareSet.h"
#include "masterdata/ui/ViewList.h"
#include "masterdata/ui/WareListFrm.h"
#include "masterdata/ui/WarecataTree.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {
constexpr int Goods = 100000;
constexpr int LevelSizes[] = {10, 40, 150, 500, 1300};     // 2,000 categories

// Reads every value of a select, as a grid-less client would: the engine's own cost.
int RawRows(TDatabase &db, const QString &sql)
{
    QSqlQuery q(db.Connection());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    q.exec(db.Dialect().Translate(sql).Sql);
    const int n = q.record().count();
    int rows = 0;
    qint64 sink = 0;
    while (q.next()) {
        ++rows;
        for (int i = 0; i < n; ++i)
            sink += q.value(i).isNull() ? 0 : 1;
    }
    Q_UNUSED(sink);
    return rows;
}

// The tree in pre-order: every category of a level hangs below one of the level above.
RWareCatas BuildTree(QList<int> &parents)
{
    QList<QList<int>> levels;
    QList<int> parentOf;
    int next = 0;
    for (int level = 0; level < 5; ++level) {
        QList<int> nodes;
        for (int i = 0; i < LevelSizes[level]; ++i) {
            nodes << next++;
            parentOf << (level == 0 ? -1 : levels[level - 1][i % levels[level - 1].size()]);
        }
        levels << nodes;
    }
    QList<QList<int>> children(next + 1);
    for (int n = 0; n < next; ++n)
        children[parentOf[n] >= 0 ? parentOf[n] : next].append(n);
    RWareCatas tree;
    std::function<void(int, int)> walk = [&](int node, int parentPos) {
        for (int child : children[node]) {
            tree.append({0, QString(), QStringLiteral("分类%1").arg(child + 1), QString(),
                         QString(), 0, 0});
            parents.append(parentPos);
            walk(child, int(tree.size()) - 1);
        }
    };
    walk(next, -1);
    return tree;
}

void FillGoods(TDatabase &db, const RWareCatas &tree)
{
    db.BeginTrans();
    const QString sql = QStringLiteral(
        "insert into ware(Id, ClassId, Code, Name, LookId, PartNo, Brand, Package, Unit, "
        "InPrice, CostId)values(:Id, :ClassId, :Code, :Name, :LookId, :PartNo, :Brand, "
        ":Package, :Unit, :InPrice, :CostId)");
    for (int id = 1; id <= Goods; ++id) {
        // One goods item in twenty has no category.
        const QVariant classId = id % 20 == 0 ? QVariant() : QVariant(tree[id % tree.size()].Id);
        const QString code = QStringLiteral("W%1").arg(id, 6, 10, QLatin1Char('0'));
        const QString partNo = QStringLiteral("规格 %1x%2").arg(id % 97).arg(id % 13);
        db.ExecSQL(sql, {DBParam(QStringLiteral("Id"), id),
                         DBParam(QStringLiteral("ClassId"), classId),
                         DBParam(QStringLiteral("Code"), code),
                         DBParam(QStringLiteral("Name"), QStringLiteral("货品 %1").arg(id % 9973)),
                         DBParam(QStringLiteral("LookId"), QStringLiteral("hp%1").arg(id)),
                         DBParam(QStringLiteral("PartNo"), partNo),
                         DBParam(QStringLiteral("Brand"), QStringLiteral("品牌%1").arg(id % 50)),
                         DBParam(QStringLiteral("Package"), QStringLiteral("盒")),
                         DBParam(QStringLiteral("Unit"), QStringLiteral("个")),
                         DBParam(QStringLiteral("InPrice"), id * 0.01),
                         DBParam(QStringLiteral("CostId"), 1 + id % 4)});
    }
    db.CommitTrans();
}

bool Prepare(TDatabase &db, QTextStream &out)
{
    if (TSchema::ExistingTables(db).contains(QStringLiteral("ware"))) {
        db.ExecCommand(QStringLiteral("delete from ware"));
        db.ExecCommand(QStringLiteral("delete from wareclass"));
        return true;
    }
    QString error;
    if (!TSchema::Standard().CreateDatabase(db, &error)) {
        out << "cannot create the schema: " << error << Qt::endl;
        return false;
    }
    return true;
}
// The goods list window as the operator meets it: opening builds the tree of every category,
// loads the goods and shows the grid; switching selects a category in the tree, which filters
// the grid, and lets the window repaint.
void MeasureWindow(QTextStream &out, const QString &code, double rawOpen, double rawSwitch,
                   int subtreeRows)
{
    const double open = BestMs(3, [] {
        TWareListFrm window(nullptr);
        window.LoadGoods();
        window.show();
        QApplication::processEvents();
    });
    TWareListFrm window(nullptr);
    window.LoadGoods();
    window.show();
    QApplication::processEvents();
    double best = 1e18;
    int shown = 0;
    for (int run = 0; run < 5; ++run) {
        window.Tree()->SelectByCode(QStringLiteral("sys-all"));
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        window.Tree()->SelectByCode(code);
        QApplication::processEvents();
        best = std::min(best, double(t.nsecsElapsed()) / 1e6);
        shown = window.Wares()->DataSet()->RecordCount();
    }
    out << QStringLiteral("window: open the goods list %1 ms, ratio %2; switch to %3 (%4 of %5 "
                          "rows) %6 ms, ratio %7")
               .arg(open, 0, 'f', 0).arg(open / rawOpen, 0, 'f', 2).arg(code).arg(shown)
               .arg(subtreeRows).arg(best, 0, 'f', 1).arg(best / rawSwitch, 0, 'f', 2)
        << Qt::endl;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetMessageLayer(std::make_unique<TConsoleMessages>());
    QTextStream out(stdout);
    QString file;
    if (!ConnectBenchDatabase(argc, argv, QStringLiteral("openbuy_bench_masterdata.db"), &file, out))
        return 1;
    TDatabase &db = TheDatabase();
    if (!Prepare(db, out))
        return 1;
    out << "dialect: " << (db.IsSqlServer() ? "PostgreSQL" : "SQLite") << Qt::endl;

    QList<int> parents;
    RWareCatas tree = BuildTree(parents);
    TWareCataSet::Renumber(tree, parents);
    QElapsedTimer t;
    t.start();
    TWareCataSet::SaveTree(tree);
    out << QStringLiteral("save a tree of %1 categories: %2 ms").arg(tree.size())
               .arg(t.elapsed()) << Qt::endl;
    t.start();
    FillGoods(db, tree);
    db.ExecCommand(QStringLiteral("analyze"));
    out << QStringLiteral("fill %1 goods: %2 s").arg(Goods).arg(t.elapsed() / 1000.0, 0, 'f', 1)
        << Qt::endl;

    // Opening the goods list: the set's criteria query against the same select read raw.
    const QString listSql = TWareSet::SelectSql(QString());
    int rawRows = 0;
    const double rawOpen = BestMs(3, [&] { rawRows = RawRows(db, listSql); });
    int setRows = 0;
    const double setOpen = BestMs(3, [&] {
        TWareSet set;
        setRows = set.Load();
    });
    if (rawRows != setRows || setRows != Goods)
        return 2;
    const double plainSet = BestMs(3, [&] {
        TRecordSet set;
        set.OpenSQL(listSql);
    });
    out << QStringLiteral("(the same select into a TRecordSet without typed fields: %1 ms)")
               .arg(plainSet, 0, 'f', 0) << Qt::endl;
    out << QStringLiteral("open the goods list (%1 rows): set %2 ms; plain select %3 ms; ratio %4")
               .arg(setRows).arg(setOpen, 0, 'f', 0).arg(rawOpen, 0, 'f', 0)
               .arg(setOpen / rawOpen, 0, 'f', 2)
        << Qt::endl;

    // Switching the category: a level-2 category with everything below it. The list window
    // filters the loaded set; a fresh criteria query is the other way to get the rows.
    const QString code = tree[1].Code;
    const QString where = QStringLiteral(" where c.Code like ") + db.Dialect().LikePrefix(code);
    const QString subtreeSql = TWareSet::SelectSql(where);
    const double rawSwitch = BestMs(5, [&] { rawRows = RawRows(db, subtreeSql); });
    TWareSet list;
    list.Load();
    int filtered = 0;
    const double filterSwitch = BestMs(5, [&] {
        list.FilterByCategory(QStringLiteral("sys-all"));
        list.FilterByCategory(code);
        filtered = list.DataSet()->RecordCount();
    });
    TWareSet queried;
    queried.Where()->CataCodeFld->SetValue(code);
    const double querySwitch = BestMs(5, [&] { setRows = queried.Load(); });
    if (filtered != rawRows || setRows != rawRows)
        return 3;
    out << QStringLiteral("switch to category %1 (%2 rows): filter %3 ms; criteria query %4 ms; "
                          "plain select %5 ms; ratios %6 / %7")
               .arg(code).arg(rawRows).arg(filterSwitch, 0, 'f', 1).arg(querySwitch, 0, 'f', 1)
               .arg(rawSwitch, 0, 'f', 1).arg(filterSwitch / rawSwitch, 0, 'f', 2)
               .arg(querySwitch / rawSwitch, 0, 'f', 2)
        << Qt::endl;

    MeasureWindow(out, code, rawOpen, rawSwitch, rawRows);

    if (db.IsSqlServer()) {
        db.ExecCommand(QStringLiteral("delete from ware"));
        db.ExecCommand(QStringLiteral("delete from wareclass"));
    }
    db.SetConnected(false);
    if (!file.isEmpty())
        QFile::remove(file);
    return 0;
}
