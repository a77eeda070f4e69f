#include "admin/AdminCommands.h"

#include "config/Configer.h"
#include "data/Database.h"
#include "data/Messages.h"
#include "data/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <functional>

namespace {
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

struct TOptions
{
    QString Command;
    QString Connection;
    QStringList Rest;
};

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

// The connection given on the command line, or the one cfg.ini beside the tool configures.
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
             "不给 --connection 时使用同目录 cfg.ini 配置的连接。"
          << Qt::endl;
    return 2;
}
} // namespace

int AdminMain(const QStringList &arguments)
{
    SetMessageLayer(std::make_unique<TConsoleMessages>());
    const TOptions options = ParseOptions(arguments);
    static const QHash<QString, std::function<int(const TOptions &)>> commands = {
        {QStringLiteral("init"), Init},
        {QStringLiteral("check"), Check},
    };
    const auto command = commands.find(options.Command);
    if (command == commands.end())
        return Usage();
    try {
        return command.value()(options);
    } catch (const EOpenBuyError &e) {
        Err() << e.Message() << Qt::endl;
        return 1;
    }
}
