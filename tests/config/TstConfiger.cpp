#include "TstConfiger.h"

#include "ConfigSandbox.h"
#include "config/Configer.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTest>

namespace {

// One field of the configer by its cfg.ini key, for tables over several keys.
QVariant Field(const TConfiger &c, const QString &key)
{
    const QHash<QString, QVariant> fields = {
        {QStringLiteral("providerIdx"), c.providerIdx},
        {QStringLiteral("defaultCon"), c.defaultCon},
        {QStringLiteral("mssqlServer"), c.mssqlServer},
        {QStringLiteral("mssqlPort"), c.mssqlPort},
        {QStringLiteral("mssqlDb"), c.mssqlDb},
        {QStringLiteral("mssqlUser"), c.mssqlUser},
        {QStringLiteral("mssqlPw"), c.mssqlPw},
        {QStringLiteral("jetfile"), c.jetfile},
        {QStringLiteral("jetUser"), c.jetUser},
        {QStringLiteral("jetPw"), c.jetPw},
        {QStringLiteral("qamUrl"), c.qamUrl},
        {QStringLiteral("qamUser"), c.qamUser}};
    return fields.value(key);
}

QString StoredConnStr(const TConfigSandbox &sandbox)
{
    QSettings ini(sandbox.IniFile(), QSettings::IniFormat);
    return UnscrambleFromIni(ini.value(QStringLiteral("db/ConnStr")).toString());
}

} // namespace

void TstConfiger::Scramble_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("scrambled");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    // Byte 1 goes with the key's second character ('u' 117 → 7), byte 10 with the first
    // ('t' 116 → 6), byte 11 with the second again.
    QTest::newRow("key cycle") << QByteArray("aaaaaaaaaaa") << QByteArray("fidchfedegf");
    QTest::newRow("control bytes") << QByteArray("\x00\x07", 2) << QByteArray("\x07\x0f", 2);
    QTest::newRow("high bytes") << QByteArray("\xe4\xb8\xad") << QByteArray("\xe3\xb0\xa8");
}

void TstConfiger::Scramble()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, scrambled);
    QCOMPARE(::Scramble(text), scrambled);
    QCOMPARE(::Scramble(scrambled), text);
}

void TstConfiger::LoadsDefaultsWithoutFile()
{
    TConfigSandbox sandbox;
    TConfiger c;
    QCOMPARE(c.providerIdx, 0);
    QCOMPARE(c.defaultCon, true);
    QCOMPARE(c.mssqlPort, 5432);
    for (const char *key : {"mssqlServer", "mssqlDb", "mssqlUser", "mssqlPw", "jetfile",
                            "jetUser", "jetPw", "qamUrl", "qamUser"})
        QCOMPARE(Field(c, QLatin1String(key)).toString(), QString());
    QCOMPARE(c.GetConnectionString(), QString());
    QCOMPARE(TConfiger::LastLoginId(), QString());
    QVERIFY(!QFile::exists(sandbox.IniFile()));
}

void TstConfiger::LoadsHandWrittenValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    const auto row = [](const char *name, const QByteArray &line, const char *key,
                        const QVariant &expected) {
        QTest::newRow(name) << line << QString::fromLatin1(key) << expected;
    };
    row("bool 0", "defaultCon=0", "defaultCon", false);
    row("bool other number", "defaultCon=2", "defaultCon", true);
    row("bool not a number", "defaultCon=no", "defaultCon", true);
    row("integer with spaces", "mssqlPort= 6543 ", "mssqlPort", 6543);
    row("integer not a number", "providerIdx=x", "providerIdx", 0);
    row("commas in a text", "qamUrl=http://h/q?a=1,2", "qamUrl",
        QStringLiteral("http://h/q?a=1,2"));
    row("scrambled password", "mssqlPw=" + ::Scramble("secret"), "mssqlPw",
        QStringLiteral("secret"));
    row("scrambled file", "jetfile=" + ::Scramble("/data/a.db"), "jetfile",
        QStringLiteral("/data/a.db"));
}

void TstConfiger::LoadsHandWrittenValues()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    TConfigSandbox sandbox;
    sandbox.WriteIni("[db]\n" + line + "\n");
    TConfiger c;
    QCOMPARE(Field(c, key), expected);
}

void TstConfiger::SavedTextsSurviveTheFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("chinese") << QStringLiteral("采购部/数据库 密码");
    // 'x' at byte 1 scrambles to DEL, tab and line feed to other control bytes.
    QTest::newRow("control after scramble") << QStringLiteral("x\tline\nnext\r\x01");
    QTest::newRow("ini specials") << QStringLiteral("a;b,c=d#e\"f\\g[h]");
    QTest::newRow("outer spaces") << QStringLiteral("  pw  ");
    QTest::newRow("looks like a variant") << QStringLiteral("@Variant(x)");
    QTest::newRow("percent s") << QStringLiteral("%s%1");
}

void TstConfiger::SavedTextsSurviveTheFile()
{
    QFETCH(QString, text);
    TConfigSandbox sandbox;
    {
        TConfiger c;
        c.providerIdx = 1;
        c.defaultCon = false;
        c.mssqlPw = text;
        c.jetfile = text;
        c.jetPw = text;
        c.mssqlUser = text;
        c.Save();
    }
    TConfiger reread;
    QCOMPARE(reread.mssqlPw, text);
    QCOMPARE(reread.jetfile, text);
    QCOMPARE(reread.jetPw, text);
    QCOMPARE(reread.mssqlUser, text);
    QCOMPARE(reread.GetConnectionString(), QStringLiteral("Provider=SQLite;Data Source=") + text);
}

void TstConfiger::SaveWritesBooleansAsDigitsAndHidesSecrets()
{
    TConfigSandbox sandbox;
    TConfiger c;
    c.providerIdx = 1;
    c.defaultCon = false;
    c.mssqlPw = QStringLiteral("topsecret");
    c.jetfile = QStringLiteral("/srv/purchase.db");
    c.Save();
    const QByteArray file = sandbox.IniBytes();
    QVERIFY(file.contains("defaultCon=0"));
    QVERIFY(file.contains("providerIdx=1"));
    QVERIFY(!file.contains("topsecret"));
    QVERIFY(!file.contains("purchase.db"));
    QVERIFY(!file.contains("Provider="));
}

void TstConfiger::SaveBuildsConnectionString_data()
{
    QTest::addColumn<int>("providerIdx");
    QTest::addColumn<bool>("defaultCon");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("used");
    const QString server = QStringLiteral(
        "Provider=PostgreSQL;Persist Security Info=False;User ID=buyer;Password=p;"
        "Initial Catalog=purchase;Data Source=db1;Port=6543;Workstation ID=OPENBUY");
    const QString file = QStringLiteral("Provider=SQLite;Data Source=/srv/采购.db");
    QTest::newRow("server") << 0 << true << server << server;
    QTest::newRow("chosen file") << 1 << false << file << file;
    QTest::newRow("default file") << 1 << true << file << QStringLiteral("<default>");
    QTest::newRow("other value") << 7 << false << QString() << QString();
}

void TstConfiger::SaveBuildsConnectionString()
{
    QFETCH(int, providerIdx);
    QFETCH(bool, defaultCon);
    QFETCH(QString, stored);
    QFETCH(QString, used);
    TConfigSandbox sandbox(QStringLiteral("buyer"));
    TConfiger c;
    c.providerIdx = providerIdx;
    c.defaultCon = defaultCon;
    c.mssqlServer = QStringLiteral("db1");
    c.mssqlPort = 6543;
    c.mssqlDb = QStringLiteral("purchase");
    c.mssqlUser = QStringLiteral("buyer");
    c.mssqlPw = QStringLiteral("p");
    c.jetfile = QStringLiteral("/srv/采购.db");
    c.jetPw = QStringLiteral("ignored");
    c.Save();
    QCOMPARE(StoredConnStr(sandbox), stored);
    if (used == QLatin1String("<default>"))
        used = QStringLiteral("Provider=SQLite;Data Source=") + sandbox.Dir() + "/buyer.db";
    QCOMPARE(c.GetConnectionString(), used);
    QCOMPARE(TConfiger().GetConnectionString(), used);
}

void TstConfiger::OtherProviderUsesStoredString()
{
    TConfigSandbox sandbox;
    sandbox.WriteIni("[db]\nproviderIdx=2\nConnStr=x\n");
    {
        // Saving with the QAM service clears what was stored.
        TConfiger c;
        c.Save();
        QCOMPARE(StoredConnStr(sandbox), QString());
    }
    const QString text = QStringLiteral("Provider=SQLite;Data Source=/hand/made.db");
    QSettings ini(sandbox.IniFile(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("db/providerIdx"), 9);
    ini.setValue(QStringLiteral("db/ConnStr"), ScrambleToIni(text));
    ini.sync();
    QCOMPARE(TConfiger().GetConnectionString(), text);
}

void TstConfiger::SaveWritesOrRemovesAlias_data()
{
    QTest::addColumn<bool>("smartConnect");
    QTest::addColumn<QVariant>("alias");
    QTest::newRow("plain") << false << QVariant(QStringLiteral("DBMSSOCN,tst-db1,6543"));
    QTest::newRow("smart") << true << QVariant();
}

void TstConfiger::SaveWritesOrRemovesAlias()
{
    QFETCH(bool, smartConnect);
    QFETCH(QVariant, alias);
    TConfigSandbox sandbox;
    TConfigSandbox::SetAlias(QStringLiteral("tst-db1"), QStringLiteral("DBMSSOCN,old"));
    TConfiger c;
    c.providerIdx = 0;
    c.mssqlServer = QStringLiteral("tst-db1");
    c.mssqlPort = 6543;
    c.SmartConnect = smartConnect;
    c.Save();
    QCOMPARE(TConfigSandbox::Alias(QStringLiteral("tst-db1")), alias);
}

void TstConfiger::AliasWithoutPort()
{
    TConfigSandbox sandbox;
    TConfiger::SetServerAlias(QStringLiteral("tst-db2"), QString(), false);
    QCOMPARE(TConfigSandbox::Alias(QStringLiteral("tst-db2")).toString(),
             QStringLiteral("DBMSSOCN,tst-db2"));
}

void TstConfiger::LastLoginIdSurvivesOpenConfiger()
{
    TConfigSandbox sandbox;
    TConfiger c;
    TConfiger::SetLastLoginId(QStringLiteral("张三"));
    c.mssqlServer = QStringLiteral("db1");
    c.Save();
    QCOMPARE(TConfiger::LastLoginId(), QStringLiteral("张三"));
    QCOMPARE(TConfiger().mssqlServer, QStringLiteral("db1"));
}

void TstConfiger::DefaultLocationIsBesideTheProgram()
{
    TConfiger::SetProgramLocation(QString(), QString());
    QCOMPARE(TConfiger::ProgramDir(), QCoreApplication::applicationDirPath());
    QCOMPARE(TConfiger::IniFileName(),
             QCoreApplication::applicationDirPath() + QStringLiteral("/cfg.ini"));
    QCOMPARE(QFileInfo(TConfiger::DefaultDatabaseFile()).fileName(), QStringLiteral("openbuy.db"));
}
