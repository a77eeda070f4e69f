#include "admin/AdminCommands.h"

#include "admin/AdminSupport.h"

#include "config/Configer.h"
#include "config/Settings.h"
#include "data/Database.h"
#include "data/Messages.h"
#include "data/Schema.h"
#include "reports/StandardTemplates.h"

#include <QFile>
#include <QFileInfo>

#include <functional>

QTextStream &Out()
{
    static QTextStream out(stdout);
    return out;
}

QTextStream &Err()
{
    static QTextStream err(stderr);
    return err;
}

QString ConnectionOf(const TOptions &options)
{
    if (!options.Connection.isEmpty())
        return options.Connection;
    TConfiger configer;
    return configer.GetConnectionString();
}

bool ConnectOrSay(TDatabase &database, const QString &connection)
{
    QString error;
    if (database.TryConnect(connection, &error))
        return true;
    Err() << "无法连接数据库: " << error << Qt::endl;
    return false;
}

bool ConnectForWork(const TOptions &options)
{
    if (!ConnectOrSay(TheDatabase(), ConnectionOf(options)))
        return false;
    LoadCommonSettings();
    return true;
}

bool ParseNamed(const QStringList &rest, const QStringList &names,
                QHash<QString, QString> &values, QString *error)
{
    for (int i = 0; i < rest.size(); ++i) {
        const QString &a = rest[i];
        const QString name = a.startsWith(QLatin1String("--")) ? a.mid(2) : QString();
        if (name.isEmpty() || !names.contains(name)) {
            *error = QStringLiteral("不认识的参数: %1").arg(a);
            return false;
        }
        if (i + 1 >= rest.size() || rest[i + 1].isEmpty()) {
            *error = QStringLiteral("参数 %1 缺少取值").arg(a);
            return false;
        }
        values.insert(name, rest[++i]);
    }
    return true;
}

namespace {
TOptions ParseOptions(const QStringList &arguments)
{
    TOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == u"--connection" && i + 1 < arguments.size())
            options.Connection = arguments[++i];
        else if (a.startsWith(QLatin1String("--connection=")))
            options.Connection = a.mid(13);
        else if (options.Command.isEmpty())
            options.Command = a;
        else
            options.Rest.append(a);
    }
    return options;
}

int Init(const TOptions &options)
{
    const QString connection = ConnectionOf(options);
    const bool sqlite = ConnectionStringProperty(connection, QStringLiteral("Provider"))
                            .compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0;
    const QString file = ConnectionStringProperty(connection, QStringLiteral("Data Source"));
    bool created = false;
    if (sqlite && !file.isEmpty() && !QFileInfo::exists(file)) {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly)) {
            Err() << "无法建立数据库文件 " << file << ": " << f.errorString() << Qt::endl;
            return 1;
        }
        created = true;
    }
    TDatabase &database = TheDatabase();
    if (!ConnectOrSay(database, connection)) {
        if (created)
            QFile::remove(file);
        return 1;
    }
    QString error;
    if (!TSchema::Standard().CreateDatabase(database, &error)) {
        Err() << "没有建立数据库: " << error << Qt::endl;
        database.SetConnected(false);
        if (created)
            QFile::remove(file);
        return 1;
    }
    Out() << "数据库已建立: " << TSchema::Standard().Tables.size() << " 个表" << Qt::endl;
    return 0;
}

int Check(const TOptions &options)
{
    TDatabase &database = TheDatabase();
    if (!ConnectOrSay(database, ConnectionOf(options)))
        return 1;
    const QStringList missing = TSchema::Standard().MissingObjects(database);
    for (const QString &m : missing)
        Out() << "缺少" << m << Qt::endl;
    if (!missing.isEmpty()) {
        Out() << "共缺少 " << missing.size() << " 项" << Qt::endl;
        return 1;
    }
    Out() << "数据库完整: " << TSchema::Standard().Tables.size() << " 个表都在" << Qt::endl;
    return 0;
}

int Usage()
{
    Err() << "用法: openbuy-admin <命令> [--connection \"Provider=…;Data Source=…\"]\n"
             "  init    在空的 SQLite 文件或 PostgreSQL 数据库中建立全部表和初始数据\n"
             "  check   列出数据库缺少的表和列 (有缺少时退出码为 1)\n"
             "  print --group N [--template 标题] --data d0=文件.csv [--data d1=文件.csv]\n"
             "          [--var 名称=值 …] --pdf 输出.pdf\n"
             "          用报表组的打印样式把 CSV 数据 (第一行为字段名) 输出为 PDF\n"
             "  print --kind 1 --id 单据Id [--template 标题] --pdf 输出.pdf\n"
             "          按单据窗口的打印内容把一张采购收货单输出为 PDF\n"
             "  demo [--scale N]\n"
             "          在没有业务数据的数据库中装入演示数据 (数据库文件不存在时先建立);\n"
             "          N≥1 时装入 N×5000 张收货单 (每张 6 行), 用于性能测试\n"
             "  export --list goods|suppliers|employees|departments|banks|units\n"
             "          --format xlsx|csv|html|txt --out 文件 [--encoding gb18030|utf8]\n"
             "          按列表窗口的列标题导出基础资料\n"
             "不给 --connection 时使用同目录 cfg.ini 配置的连接。"
          << Qt::endl;
    return 1;
}
} // namespace

int AdminMain(const QStringList &arguments)
{
    SetMessageLayer(std::make_unique<TConsoleMessages>());
    RegisterStandardTemplates();
    const TOptions options = ParseOptions(arguments);
    static const QHash<QString, std::function<int(const TOptions &)>> commands = {
        {QStringLiteral("init"), Init},
        {QStringLiteral("check"), Check},
        {QStringLiteral("print"), Print},
        {QStringLiteral("demo"), Demo},
        {QStringLiteral("export"), Export},
    };
    const auto command = commands.find(options.Command);
    if (command == commands.end()) {
        if (!options.Command.isEmpty())
            Err() << QStringLiteral("不认识的命令: %1").arg(options.Command) << Qt::endl;
        return Usage();
    }
    try {
        return command.value()(options);
    } catch (const EOpenBuyError &e) {
        Err() << e.Message() << Qt::endl;
        return 1;
    }
}
