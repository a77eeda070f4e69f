#include "admin/AdminCommands.h"

#include "config/Configer.h"
#include "data/DataSet.h"
#include "data/Database.h"
#include "data/Messages.h"
#include "data/Schema.h"
#include "reports/Rep.h"
#include "reports/RepSet.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRenderer.h"
#include "reports/StandardTemplates.h"

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

struct TPrintOptions
{
    int Group = 0;
    QString Template;
    QList<QPair<QString, QString>> Data;        // name, CSV file
    QList<QPair<QString, QString>> Vars;
    QString Pdf;
};

// "--group 1001 --data d0=lines.csv --var Code=AR… --pdf out.pdf"; false with the reason.
bool ParsePrintOptions(const QStringList &rest, TPrintOptions &p, QString *error)
{
    for (int i = 0; i < rest.size(); ++i) {
        const QString &a = rest[i];
        const QString value = i + 1 < rest.size() ? rest[i + 1] : QString();
        const int eq = value.indexOf(u'=');
        if (a == u"--group" && !value.isEmpty()) {
            bool ok = false;
            p.Group = value.toInt(&ok);
            if (!ok) {
                *error = QStringLiteral("报表组应为数字: %1").arg(value);
                return false;
            }
        } else if (a == u"--template" && !value.isEmpty()) {
            p.Template = value;
        } else if ((a == u"--data" || a == u"--var") && eq > 0) {
            (a == u"--data" ? p.Data : p.Vars).append({value.left(eq), value.mid(eq + 1)});
        } else if (a == u"--pdf" && !value.isEmpty()) {
            p.Pdf = value;
        } else {
            *error = QStringLiteral("不认识的参数: %1").arg(a);
            return false;
        }
        ++i;
    }
    if (p.Group == 0 || p.Pdf.isEmpty()) {
        *error = QStringLiteral("print 需要 --group 和 --pdf");
        return false;
    }
    return true;
}

// The template of the group with that title, or the group's first by title; 0 when none.
int FindTemplate(int group, const QString &title)
{
    TRepSet set;
    set.Open(group);
    for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next())
        if (title.isEmpty() || set.TitleFld->AsString() == title)
            return set.IdFld->AsInteger();
    return 0;
}

int Print(const TOptions &options)
{
    TPrintOptions p;
    QString error;
    if (!ParsePrintOptions(options.Rest, p, &error)) {
        Err() << error << Qt::endl;
        return 2;
    }
    TDatabase &database = TheDatabase();
    if (!ConnectOrSay(database, ConnectionOf(options)))
        return 1;
    const int id = FindTemplate(p.Group, p.Template);
    if (id == 0) {
        if (p.Template.isEmpty())
            Err() << QStringLiteral("报表组 %1 没有打印样式").arg(p.Group) << Qt::endl;
        else
            Err() << QStringLiteral("报表组 %1 没有名为\"%2\"的打印样式")
                         .arg(p.Group).arg(p.Template)
                  << Qt::endl;
        return 1;
    }
    std::vector<std::unique_ptr<TDataSet>> data;
    TProjRep rep;
    for (const auto &d : std::as_const(p.Data)) {
        data.push_back(LoadCsvDataSet(d.second));
        rep.AddDataSet(d.first, data.back().get());
    }
    for (const auto &v : std::as_const(p.Vars))
        rep.AddVar(v.first, v.second);
    rep.LoadTemplate(id);
    auto layout = rep.CreateLayout();
    if (!ExportPdf(*layout, p.Pdf, &error)) {
        Err() << error << Qt::endl;
        return 1;
    }
    Out() << "已输出 " << layout->PageCount() << " 页到 " << p.Pdf << Qt::endl;
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
             "不给 --connection 时使用同目录 cfg.ini 配置的连接。"
          << Qt::endl;
    return 2;
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
