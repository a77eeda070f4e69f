// Data layer benchmarks: each figure is set against the same work done straight through
// Qt SQL in the same run, on the dialect named by the connection string.
//   bench_data [connection]   (default: a new SQLite file in the temporary directory)
#include "BenchSupport.h"
#include "data/Database.h"
#include "data/Dialect.h"
#include "data/Messages.h"
#include "data/RecordSet.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
constexpr int Rows = 200000;
constexpr int Columns = 20;

QString CreateTableSql()
{
    QStringList cols{QStringLiteral("Id integer primary key")};
    for (int c = 1; c < Columns; ++c) {
        const char *type = c % 4 == 0 ? "varchar(50)" : c % 4 == 1 ? "double precision"
                         : c % 4 == 2 ? "integer" : "timestamp";
        cols << QStringLiteral("C%1 %2").arg(c).arg(QLatin1String(type));
    }
    return QStringLiteral("create table benchrows (%1)").arg(cols.join(u','));
}

QString InsertSql()
{
    QStringList names{QStringLiteral("Id")}, params{QStringLiteral(":Id")};
    for (int c = 1; c < Columns; ++c) {
        names << QStringLiteral("C%1").arg(c);
        params << QStringLiteral(":C%1").arg(c);
    }
    return QStringLiteral("insert into benchrows(%1) values(%2)")
        .arg(names.join(u','), params.join(u','));
}

TDBParameters RowParams(int id)
{
    TDBParameters p{DBParam(QStringLiteral("Id"), id)};
    const QDateTime base(QDate(2013, 1, 1), QTime(8, 0));
    for (int c = 1; c < Columns; ++c) {
        QVariant v;
        switch (c % 4) {
        case 0: v = QStringLiteral("货品名称 %1-%2").arg(id).arg(c); break;
        case 1: v = id * 0.25 + c; break;
        case 2: v = id % 1000 + c; break;
        default: v = base.addSecs(qint64(id) * 60 + c); break;
        }
        p << DBParam(QStringLiteral("C%1").arg(c), v);
    }
    return p;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SetMessageLayer(std::make_unique<TConsoleMessages>());
    QTextStream out(stdout);
    QString file;
    if (!ConnectBenchDatabase(argc, argv, QStringLiteral("openbuy_bench.db"), &file, out))
        return 1;
    TDatabase &db = TheDatabase();
    db.ExecCommand(QStringLiteral("drop table if exists benchrows"));
    db.ExecCommand(CreateTableSql());
    const QString dialect = db.IsSqlServer() ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
    out << "dialect: " << dialect << Qt::endl;

    // Fill: 200,000 rows through the parameterised executor in one transaction.
    QElapsedTimer fill;
    fill.start();
    db.BeginTrans();
    const QString insert = InsertSql();
    for (int id = 1; id <= Rows; ++id)
        db.ExecSQL(insert, RowParams(id));
    db.CommitTrans();
    out << QStringLiteral("fill %1 rows x %2 columns: %3 s").arg(Rows).arg(Columns)
               .arg(fill.elapsed() / 1000.0, 0, 'f', 1) << Qt::endl;

    const QString select = QStringLiteral("select * from benchrows");
    // Raw: iterate the same select with Qt SQL, reading every value.
    const double rawMs = BestMs(3, [&] {
        QSqlQuery q(db.Connection());
        q.setForwardOnly(true);
        q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        q.exec(select);
        const int n = q.record().count();
        qint64 sink = 0;
        while (q.next())
            for (int i = 0; i < n; ++i)
                sink += q.value(i).isNull() ? 0 : 1;
        Q_UNUSED(sink);
    });
    long peakKb = 0;
    const double setMs = BestMs(3, [&] {
        const long before = ResidentKb();
        TRecordSet set;
        set.OpenSQL(select);
        peakKb = std::max(peakKb, ResidentKb() - before);
        if (set.DataSet()->RecordCount() != Rows)
            std::abort();
    });
    out << QStringLiteral("load %1 rows into TRecordSet: %2 ms; raw iteration: %3 ms; "
                          "ratio %4; memory %5 bytes/row")
               .arg(Rows).arg(setMs, 0, 'f', 0).arg(rawMs, 0, 'f', 0)
               .arg(setMs / rawMs, 0, 'f', 2).arg(peakKb * 1024.0 / Rows, 0, 'f', 0)
        << Qt::endl;

    // Saving 1,000 lines: the executor against the same prepared inserts straight through Qt.
    constexpr int Lines = 1000;
    auto clearLines = [&] { db.ExecCommand(QStringLiteral("delete from benchrows where Id>%1").arg(Rows)); };
    const double execMs = BestMs(5, [&] {
        clearLines();
        db.BeginTrans();
        for (int i = 1; i <= Lines; ++i)
            db.ExecSQL(insert, RowParams(Rows + i));
        db.CommitTrans();
    });
    const TDialect::TStatement raw = db.Dialect().Translate(insert);
    const double rawSaveMs = BestMs(5, [&] {
        clearLines();
        QSqlDatabase &c = db.Connection();
        c.transaction();
        QSqlQuery q(c);
        q.prepare(raw.Sql);
        for (int i = 1; i <= Lines; ++i) {
            const TDBParameters p = RowParams(Rows + i);
            for (int k = 0; k < p.size(); ++k)
                q.bindValue(k, db.Dialect().BindValue(p[k].Value));
            q.exec();
        }
        c.commit();
    });
    out << QStringLiteral("save %1 lines in one transaction: %2 ms; raw: %3 ms; ratio %4")
               .arg(Lines).arg(execMs, 0, 'f', 1).arg(rawSaveMs, 0, 'f', 1)
               .arg(execMs / rawSaveMs, 0, 'f', 2)
        << Qt::endl;
    db.ExecCommand(QStringLiteral("drop table benchrows"));
    db.SetConnected(false);
    if (!file.isEmpty())
        QFile::remove(file);
    return 0;
}
