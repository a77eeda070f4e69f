#include "config/Configer.h"

#include "config/HttpGet.h"
#include "data/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace {

const char ScrambleKey[] = "tulipmarsh";
constexpr int ScrambleKeyLength = 10;

// The network server, built at save from the server fields.
const char ServerTemplate[] =
    "Provider=PostgreSQL;Persist Security Info=False;User ID=%s;Password=%s;"
    "Initial Catalog=%s;Data Source=%s;Port=%s;Workstation ID=OPENBUY";
// A chosen database file; the file carries no password of its own.
const char FileTemplate[] = "Provider=SQLite;Data Source=%s";
// The database file named like the program, beside it.
const char DefaultFileTemplate[] = "Provider=SQLite;Data Source=%s";
// The server named by the QAM service.
const char QamTemplate[] =
    "Provider=PostgreSQL;Data Source=%s;Port=%s;User ID=%s;Password=%s;"
    "Initial Catalog=%s;Persist Security Info=True";

const char AliasGroup[] = "Client/ConnectTo";

struct TProgramLocation
{
    QString Dir;
    QString Name;
    int QamTimeout = 15000;
};

TProgramLocation &Location()
{
    static TProgramLocation location;
    return location;
}

// Fills the %s of a template in order; a value that itself holds "%s" stays as it is.
QString FormatS(const char *pattern, const QStringList &args)
{
    const QString text = QString::fromLatin1(pattern);
    QString result;
    qsizetype from = 0;
    for (const QString &arg : args) {
        const qsizetype at = text.indexOf(QLatin1String("%s"), from);
        if (at < 0)
            break;
        result += text.mid(from, at - from) + arg;
        from = at + 2;
    }
    return result + text.mid(from);
}

// A value the file may hold as a list when someone wrote commas into it by hand.
QString ReadString(const QSettings &ini, const QString &key)
{
    const QVariant value = ini.value(key);
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

int ReadInteger(const QSettings &ini, const QString &key, int defaultValue)
{
    bool ok = false;
    const int value = ReadString(ini, key).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

// Written as 1 and 0; any other number reads as true.
bool ReadBool(const QSettings &ini, const QString &key, bool defaultValue)
{
    return ReadInteger(ini, key, defaultValue ? 1 : 0) != 0;
}

QString ExecutableDir()
{
    const QString dir = QCoreApplication::applicationDirPath();
    if (!dir.isEmpty() && QFileInfo(dir).isWritable())
        return dir;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

// The reply of the QAM service as lines, a final line break ending the last line.
QStringList ReplyLines(const QString &body)
{
    if (body.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = body.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::unique_ptr<QSettings> OpenIni()
{
    return std::make_unique<QSettings>(TConfiger::IniFileName(), QSettings::IniFormat);
}

} // namespace

QByteArray Scramble(const QByteArray &text)
{
    QByteArray result(text);
    for (qsizetype i = 0; i < result.size(); ++i) {
        const qsizetype k = i + 1;
        const int mask = static_cast<unsigned char>(ScrambleKey[k % ScrambleKeyLength]) % 10;
        result[i] = static_cast<char>(static_cast<unsigned char>(result[i]) ^ mask);
    }
    return result;
}

QString ScrambleToIni(const QString &text)
{
    return QString::fromLatin1(Scramble(text.toUtf8()));
}

QString UnscrambleFromIni(const QString &stored)
{
    return QString::fromUtf8(Scramble(stored.toLatin1()));
}

TConfiger::TConfiger() : m_ini(OpenIni())
{
    Load();
}

TConfiger::~TConfiger() = default;

void TConfiger::Load()
{
    const QSettings &ini = *m_ini;
    providerIdx = ReadInteger(ini, QStringLiteral("db/providerIdx"), 0);
    defaultCon = ReadBool(ini, QStringLiteral("db/defaultCon"), true);
    mssqlServer = ReadString(ini, QStringLiteral("db/mssqlServer"));
    mssqlPort = ReadInteger(ini, QStringLiteral("db/mssqlPort"), 5432);
    mssqlDb = ReadString(ini, QStringLiteral("db/mssqlDb"));
    mssqlUser = ReadString(ini, QStringLiteral("db/mssqlUser"));
    mssqlPw = UnscrambleFromIni(ReadString(ini, QStringLiteral("db/mssqlPw")));
    jetfile = UnscrambleFromIni(ReadString(ini, QStringLiteral("db/jetfile")));
    jetUser = ReadString(ini, QStringLiteral("db/jetUser"));
    jetPw = UnscrambleFromIni(ReadString(ini, QStringLiteral("db/jetPw")));
    qamUrl = ReadString(ini, QStringLiteral("db/qamUrl"));
    qamUser = ReadString(ini, QStringLiteral("db/qamUser"));
}

void TConfiger::Save()
{
    QSettings &ini = *m_ini;
    ini.beginGroup(QStringLiteral("db"));
    ini.setValue(QStringLiteral("mssqlServer"), mssqlServer);
    ini.setValue(QStringLiteral("mssqlPort"), mssqlPort);
    ini.setValue(QStringLiteral("mssqlDb"), mssqlDb);
    ini.setValue(QStringLiteral("mssqlUser"), mssqlUser);
    ini.setValue(QStringLiteral("mssqlPw"), ScrambleToIni(mssqlPw));
    ini.setValue(QStringLiteral("jetfile"), ScrambleToIni(jetfile));
    ini.setValue(QStringLiteral("jetUser"), jetUser);
    ini.setValue(QStringLiteral("jetPw"), ScrambleToIni(jetPw));
    ini.setValue(QStringLiteral("qamUrl"), qamUrl);
    ini.setValue(QStringLiteral("qamUser"), qamUser);
    ini.setValue(QStringLiteral("providerIdx"), providerIdx);
    ini.setValue(QStringLiteral("defaultCon"), defaultCon ? 1 : 0);
    ini.setValue(QStringLiteral("ConnStr"), ScrambleToIni(BuildConnStr()));
    ini.endGroup();
    ini.sync();
}

QString TConfiger::BuildConnStr()
{
    switch (providerIdx) {
    case 0: {
        const QString port = QString::number(mssqlPort);
        const QString text =
            FormatS(ServerTemplate, {mssqlUser, mssqlPw, mssqlDb, mssqlServer, port});
        SetServerAlias(mssqlServer, port, SmartConnect);
        return text;
    }
    case 1:
        // Also with defaultCon on: unticking it later finds the chosen file ready.
        return FormatS(FileTemplate, {jetfile});
    default:
        return QString();
    }
}

QString TConfiger::GetConnectionString()
{
    if (providerIdx == 1 && defaultCon)
        return FormatS(DefaultFileTemplate, {DefaultDatabaseFile()});
    if (providerIdx == 2)
        return QamConnectionString();
    return UnscrambleFromIni(ReadString(*m_ini, QStringLiteral("db/ConnStr")));
}

QString TConfiger::QamConnectionString()
{
    const QUrl url(QStringLiteral("%1?user=%2").arg(qamUrl, qamUser));
    QString body;
    if (!url.isValid() || !HttpGetText(url, QamTimeout(), &body)) {
        ShowInfo(QStringLiteral("无法获得QAM连接信息,请检查网络是否畅通."));
        return QString();
    }
    // Server, port, login, password, database; anything else is not a usable answer.
    const QStringList lines = ReplyLines(body);
    if (lines.size() != 5)
        return QString();
    SetServerAlias(lines[0], lines[1], false);
    return FormatS(QamTemplate, {lines[0], lines[1], lines[2], lines[3], lines[4]});
}

void TConfiger::SetServerAlias(const QString &server, const QString &port, bool remove)
{
    if (server.isEmpty())
        return;
    QSettings registry(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("OpenBuy"), QStringLiteral("OpenBuy"));
    // No permission: the alias is a convenience, the connection works without it.
    if (!registry.isWritable())
        return;
    registry.beginGroup(QLatin1String(AliasGroup));
    if (remove) {
        registry.remove(server);
    } else {
        const QString target = port.isEmpty() ? server : server + QLatin1Char(',') + port;
        registry.setValue(server, QStringLiteral("DBMSSOCN,") + target);
    }
    registry.endGroup();
}

QString TConfiger::LastLoginId()
{
    return ReadString(*OpenIni(), QStringLiteral("Login/LastLoginId"));
}

void TConfiger::SetLastLoginId(const QString &loginId)
{
    OpenIni()->setValue(QStringLiteral("Login/LastLoginId"), loginId);
}

void TConfiger::SetProgramLocation(const QString &dir, const QString &name)
{
    Location().Dir = dir;
    Location().Name = name;
}

QString TConfiger::ProgramDir()
{
    return Location().Dir.isEmpty() ? ExecutableDir() : Location().Dir;
}

QString TConfiger::ProgramName()
{
    return Location().Name.isEmpty() ? QStringLiteral("openbuy") : Location().Name;
}

QString TConfiger::IniFileName()
{
    return QDir(ProgramDir()).filePath(QStringLiteral("cfg.ini"));
}

QString TConfiger::DefaultDatabaseFile()
{
    return QDir(ProgramDir()).filePath(ProgramName() + QStringLiteral(".db"));
}

void TConfiger::SetQamTimeout(int milliseconds)
{
    Location().QamTimeout = milliseconds;
}

int TConfiger::QamTimeout()
{
    return Location().QamTimeout;
}
