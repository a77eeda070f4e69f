#include "admin/AdminSupport.h"

#include "config/Operator.h"
#include "config/Settings.h"
#include "data/Database.h"
#include "data/Schema.h"
#include "purchasing/DemoData.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

namespace {
// A missing SQLite file is created; a database without tables gets them first, so that
// "demo" alone makes a demonstration database.
bool PrepareDatabase(const QString &connection)
{
    const bool sqlite = ConnectionStringProperty(connection, QStringLiteral("Provider"))
                            .compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0;
    const QString file = ConnectionStringProperty(connection, QStringLiteral("Data Source"));
    if (sqlite && !file.isEmpty() && !QFileInfo::exists(file)) {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly)) {
            Err() << "无法建立数据库文件 " << file << ": " << f.errorString() << Qt::endl;
            return false;
        }
    }
    TDatabase &database = TheDatabase();
    if (!ConnectOrSay(database, connection))
        return false;
    QString error;
    if (TSchema::ExistingTables(database).isEmpty()
        && !TSchema::Standard().CreateDatabase(database, &error)) {
        Err() << "没有建立数据库: " << error << Qt::endl;
        return false;
    }
    const QStringList missing = TSchema::Standard().MissingObjects(database);
    if (!missing.isEmpty()) {
        Err() << "数据库不完整 (缺少" << missing.first() << " 等 " << missing.size()
              << " 项), 请先用 check 检查" << Qt::endl;
        return false;
    }
    return true;
}
} // namespace

int Demo(const TOptions &options)
{
    QHash<QString, QString> values;
    QString error;
    if (!ParseNamed(options.Rest, {QStringLiteral("scale")}, values, &error)) {
        Err() << error << Qt::endl;
        return 1;
    }
    bool ok = true;
    const int scale = values.value(QStringLiteral("scale"), QStringLiteral("0")).toInt(&ok);
    if (!ok || scale < 0 || scale > 1000) {
        Err() << "--scale 应为 0 到 1000 的整数: " << values.value(QStringLiteral("scale"))
              << Qt::endl;
        return 1;
    }
    if (!PrepareDatabase(ConnectionOf(options)))
        return 1;
    LoadCommonSettings();
    // The tool works as the administrator: bills are written and audited by sa.
    TheOperator().Load(QStringLiteral("sa"));
    TheOperator().LoginId = QStringLiteral("sa");
    TDemoData demo(TheDatabase());
    const QString refusal = demo.Refusal();
    if (!refusal.isEmpty()) {
        Err() << refusal << Qt::endl;
        return 1;
    }
    const RDemoCounts counts = TDemoData::CountsOf(scale);
    QElapsedTimer clock;
    clock.start();
    demo.OnProgress = [&](const QString &step, qint64 done, qint64 total) {
        Err() << QStringLiteral("\r%1 %2/%3  %4 秒").arg(step).arg(done).arg(total)
                     .arg(clock.elapsed() / 1000.0, 0, 'f', 1);
        if (done == total)
            Err() << Qt::endl;
        Err().flush();
    };
    demo.Fill(scale);
    Out() << QStringLiteral("演示数据已装入: 供货商 %1 家, 货品 %2 种, 收货单 %3 张 "
                            "(退货 %4 张, 已审核 %5 张), 用时 %6 秒")
                 .arg(counts.Suppliers).arg(counts.Goods).arg(demo.ArrivalCount())
                 .arg(demo.ReturnCount()).arg(demo.AuditedCount())
                 .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
          << Qt::endl;
    return 0;
}
