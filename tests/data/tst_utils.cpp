#include "data/TestObjects.h"
#include "support/TestSupport.h"

#include "data/Dialect.h"
#include "data/KeyValueSet.h"
#include "data/Labels.h"
#include "data/Numbering.h"
#include "data/OperatorMenus.h"
#include "data/RecordSet.h"
#include "data/Utils.h"

#include <QTest>

class TstDialect : public QObject
{
    Q_OBJECT
private slots:
    void translate_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("sqlite");
        QTest::addColumn<QString>("postgres");
        QTest::addColumn<QString>("params");
        QTest::newRow("brackets and params")
            << "update operator set [Password]=:Pw where LoginId=:LoginId"
            << "update operator set [Password]=? where LoginId=?"
            << "update operator set \"password\"=? where LoginId=?" << "Pw,LoginId";
        QTest::newRow("quoted text untouched")
            << "select ':x [y] like' from t where a like :A"
            << "select ':x [y] like' from t where a like ?"
            << "select ':x [y] like' from t where a ilike ?" << "A";
        QTest::newRow("casts and repeated names")
            << "select a::int from t where b=:B or c=:b"
            << "select a::int from t where b=? or c=?"
            << "select a::int from t where b=? or c=?" << "B,b";
    }
    void translate()
    {
        QFETCH(QString, sql);
        QFETCH(QString, sqlite);
        QFETCH(QString, postgres);
        QFETCH(QString, params);
        const auto s = TSqliteDialect().Translate(sql);
        const auto p = TPostgresDialect().Translate(sql);
        QCOMPARE(s.Sql, sqlite);
        QCOMPARE(p.Sql, postgres);
        QCOMPARE(s.Params.join(u','), params);
    }

    void connectionProperties_data()
    {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("last pair, no ;") << "Provider=SQLite;Data Source=C:\\a b\\x.db"
                                         << "Data Source" << "C:\\a b\\x.db";
        QTest::newRow("middle pair") << "Provider=PostgreSQL;Data Source=db1;Port=5433"
                                     << "Data Source" << "db1";
        QTest::newRow("missing") << "Provider=SQLite" << "Data Source" << "";
    }
    void connectionProperties()
    {
        QFETCH(QString, connection);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QCOMPARE(ConnectionStringProperty(connection, name), value);
    }

    void dateLiteralsDropTime()
    {
        TDatabase db;
        QString error;
        db.TryConnect("Provider=SQLite;Data Source=/nonexistent.db", &error);
        const QDateTime d(QDate(2013, 1, 16), QTime(15, 30));
        QCOMPARE(db.DateLiteral(d), QStringLiteral("'2013-01-16 00:00:00'"));
        QVERIFY(!db.IsSqlServer());
        db.TryConnect("Provider=PostgreSQL;Data Source=127.0.0.1;Port=1", &error);
        QCOMPARE(db.DateLiteral(d), QStringLiteral("'2013-01-16'"));
        QVERIFY(db.IsSqlServer());
    }
};

class TstUtils : public QObject
{
    Q_OBJECT
private slots:
    void amountInWords_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("words");
        QTest::newRow("1234.50") << 1234.50 << "壹仟贰佰叁拾肆元伍角";
        QTest::newRow("100") << 100.0 << "壹佰元整";
        QTest::newRow("100.05") << 100.05 << "壹佰元零伍分";
        QTest::newRow("0") << 0.0 << "";
        QTest::newRow("10000.01") << 10000.01 << "壹万元零壹分";
        QTest::newRow("100000000") << 100000000.0 << "壹亿元整";
        QTest::newRow("0.5") << 0.5 << "伍角";
        QTest::newRow("1005.3") << 1005.3 << "壹仟零伍元叁角";
    }
    void amountInWords()
    {
        QFETCH(double, amount);
        QFETCH(QString, words);
        QCOMPARE(AmountInWords(amount), words);
    }
    void amountInWordsRefusesNegative()
    {
        QVERIFY_THROWS_EXCEPTION(EConvertError, AmountInWords(-1));
    }

    void formatting_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("money") << ",0.00" << 1234567.891 << "1,234,567.89";
        QTest::newRow("half away from zero") << "0.00" << 1.005 << "1.01";
        QTest::newRow("negative half") << "0.00" << -2.675 << "-2.68";
        QTest::newRow("optional digits") << "0.####" << 2.5 << "2.5";
        QTest::newRow("small") << ",0.00" << 999.999 << "1,000.00";
    }
    void formatting()
    {
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatFloat(format, value), text);
    }

    void roundTo()
    {
        QCOMPARE(RoundTo(2.345, 2), 2.35);
        QCOMPARE(RoundTo(-2.345, 2), -2.35);
        QCOMPARE(RoundTo(0.123456785, 8), 0.12345679);
    }

    void dates()
    {
        QCOMPARE(DateText(QDateTime(QDate(2013, 1, 6), QTime(9, 5))), QStringLiteral("2013-01-06"));
        QCOMPARE(ParseDateTime(u"2013-01-16 15:30:07"),
                 QDateTime(QDate(2013, 1, 16), QTime(15, 30, 7)));
        QVERIFY(!ParseDateTime(u"2013-02-30").isValid());
    }

    void messagesAreFramed()
    {
        TScriptedMessageScope messages;
        ShowInfo("abc");
        QCOMPARE(messages->LastText(), QStringLiteral("\r\nabc\t"));
        messages->Answers = {false};
        QVERIFY(!ConfirmDelete());
        QCOMPARE(messages->LastText(), QStringLiteral("\r您确定要删除 当前记录 吗?\t\t"));
        QVERIFY(Confirm("继续?"));
        QCOMPARE(messages->LastText(), QStringLiteral("\r继续?"));
        QVERIFY(!CheckActive(nullptr));
    }
};

// The settings store, numbering and labels on the dialect under test.
class TstStore : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;
private slots:
    void initTestCase() { m_db.CreateFull(); }

    void nextBillCode()
    {
        const QString stem = "AR" + TheDatabase().ServerNow().toString("yyMM");
        QCOMPARE(NextBillCode("AR", "buy"), stem + "0001");
        // Other months and other prefixes do not count.
        TheDatabase().ExecSQL("insert into buy(Id, Code) values(1, 'AR99120077')");
        TheDatabase().ExecSQL("insert into buy(Id, Code) values(2, :C)", {DBParam("C", "OD" + stem.mid(2) + "0050")});
        QCOMPARE(NextBillCode("AR", "buy"), stem + "0001");
        TheDatabase().ExecSQL("insert into buy(Id, Code) values(3, :C)", {DBParam("C", stem + "0009")});
        QCOMPARE(NextBillCode("AR", "buy"), stem + "0010");
        // Past 9999 the sequence grows instead of starting again.
        TheDatabase().ExecSQL("insert into buy(Id, Code) values(4, :C)", {DBParam("C", stem + "9999")});
        QCOMPARE(NextBillCode("AR", "buy"), stem + "10000");
        TheDatabase().ExecSQL("insert into buy(Id, Code) values(5, :C)", {DBParam("C", stem + "10000")});
        QCOMPARE(NextBillCode("AR", "buy"), stem + "10001");
        QCOMPARE(NewId("buy"), 6);
        QCOMPARE(NewId("buydl", "dlId"), 1);
    }

    void keyValues()
    {
        KeyData data;
        QVERIFY(!TKeyValueSet::ReadKey(90, data));
        data.Vstr = "文本";
        data.Vint = 7;
        data.Vfloat = 1.5;
        data.Vbool = true;
        QVERIFY(TKeyValueSet::WriteKey(90, data));      // inserted
        data.Vint = 8;
        QVERIFY(TKeyValueSet::WriteKey(90, data));      // updated
        KeyData read;
        QVERIFY(TKeyValueSet::ReadKey(90, read));
        QCOMPARE(read.Vint, 8);
        QCOMPARE(read.Vbool, true);
        QCOMPARE(TKeyValueSet::ReadText(90), QStringLiteral("文本"));
        // Two rows of one key read as not found; writing then touches both and fails.
        TheDatabase().ExecSQL("insert into keyvalue(KeyId, Vstr) values(91, 'a')");
        TheDatabase().ExecSQL("insert into keyvalue(KeyId, Vstr) values(91, 'b')");
        QVERIFY(!TKeyValueSet::ReadKey(91, read));
        QCOMPARE(TKeyValueSet::ReadText(91), QString());
    }

    void labels()
    {
        TLabels labels;
        QCOMPARE(labels.GetLabel("InquiryBillName"), QStringLiteral("采购询价"));
        QCOMPARE(labels.GetLabel("NoSuchCaption"), QStringLiteral("NoSuchCaption"));
        labels.SetLabel("WareS01", "物料编号");
        QVERIFY(labels.SaveLabels());
        QCOMPARE(TLabels().GetLabel("WareS01"), QStringLiteral("物料编号"));
    }

    void operatorMenus()
    {
        QCOMPARE(GetOperatorMenus("nobody"), QString());
        SetOperatorMenus("sa", "采购收货=10,20");
        QCOMPARE(GetOperatorMenus("sa"), QStringLiteral("采购收货=10,20"));
        TRecordSet set;
        QCOMPARE(set.OpenSQL("select Menus from operator where LoginId='sa'"), 1);
    }
};

QObject *NewDialectTest()
{
    return new TstDialect;
}

QObject *NewUtilsTest()
{
    return new TstUtils;
}

QObject *NewStoreTest()
{
    return new TstStore;
}

#include "tst_utils.moc"
