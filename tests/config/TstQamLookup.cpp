#include "TstQamLookup.h"

#include "ConfigSandbox.h"
#include "LocalHttpServer.h"
#include "config/Configer.h"
#include "support/TestSupport.h"

#include <QTest>

#include <memory>

namespace {

const QString QamFailure = QStringLiteral("无法获得QAM连接信息,请检查网络是否畅通.");

enum class TServer { Answers, Silent, Missing };

} // namespace

Q_DECLARE_METATYPE(TServer)

void TstQamLookup::initTestCase()
{
    // A silent service must not hold the run for long.
    TConfiger::SetQamTimeout(1500);
}

void TstQamLookup::cleanupTestCase()
{
    TConfiger::SetQamTimeout(15000);
}

void TstQamLookup::Lookup_data()
{
    QTest::addColumn<TServer>("server");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<bool>("failureShown");

    const QString found = QStringLiteral(
        "Provider=PostgreSQL;Data Source=tst-qam;Port=6543;User ID=buyer;Password=p w;"
        "Initial Catalog=采购;Persist Security Info=True");
    const QString alias = QStringLiteral("DBMSSOCN,tst-qam,6543");
    QTest::newRow("five lines") << TServer::Answers << 200
        << QByteArray("tst-qam\n6543\nbuyer\np w\n采购\n") << found << alias << false;
    QTest::newRow("five lines, crlf, no final break") << TServer::Answers << 200
        << QByteArray("tst-qam\r\n6543\r\nbuyer\r\np w\r\n采购") << found << alias << false;
    QTest::newRow("four lines") << TServer::Answers << 200
        << QByteArray("tst-qam\n6543\nbuyer\np w\n") << QString() << QString() << false;
    QTest::newRow("six lines") << TServer::Answers << 200
        << QByteArray("tst-qam\n6543\nbuyer\np w\n采购\nmore\n") << QString() << QString()
        << false;
    QTest::newRow("server error") << TServer::Answers << 500
        << QByteArray("tst-qam\n6543\nbuyer\np w\n采购\n") << QString() << QString() << true;
    QTest::newRow("nobody listening") << TServer::Missing << 0 << QByteArray() << QString()
                                      << QString() << true;
    QTest::newRow("no answer in time") << TServer::Silent << 0 << QByteArray() << QString()
                                       << QString() << true;
}

void TstQamLookup::Lookup()
{
    QFETCH(TServer, server);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    QFETCH(QString, alias);
    QFETCH(bool, failureShown);

    TConfigSandbox sandbox;
    TScriptedMessageScope messages;
    std::unique_ptr<TLocalHttpServer> http;
    if (server != TServer::Missing)
        http = std::make_unique<TLocalHttpServer>(status, body,
            server == TServer::Silent ? TLocalHttpServer::TMode::Silent
                                      : TLocalHttpServer::TMode::Answer);
    TConfiger c;
    c.providerIdx = 2;
    c.qamUrl = http ? http->Url() : TLocalHttpServer::UnreachableUrl();
    c.qamUser = QStringLiteral("buyer01");

    QCOMPARE(c.GetConnectionString(), expected);
    QCOMPARE(TConfigSandbox::Alias(QStringLiteral("tst-qam")).toString(), alias);
    QCOMPARE(messages->Messages.size(), failureShown ? 1 : 0);
    if (failureShown)
        QVERIFY(messages->LastText().contains(QamFailure));
    if (http)
        QCOMPARE(http->LastTarget(), QStringLiteral("/qam?user=buyer01"));
}
