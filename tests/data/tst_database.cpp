#include "data/TestObjects.h"
#include "support/TestSupport.h"

#include "data/CustomWhere.h"
#include "data/Dialect.h"
#include "data/RecordSet.h"
#include "data/Schema.h"

#include <QTest>

// Statements as the documents write them, run on the dialect under test.
class TstDatabase : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

    TDatabase &Db() { return TheDatabase(); }
    void AddBuy(int id, const QString &code, const QDateTime &date, const QString &note)
    {
        Db().ExecSQL("insert into buy(Id, Code, BizDate, [Note], SupplierId)"
                     "values(:Id, :Code, :BizDate, :Note, :SupplierId)",
                     {DBParam("Id", id), DBParam("code", code), DBParam("BizDate", date),
                      DBParam("Note", note), DBParam("SupplierId", id % 3)});
    }

private slots:
    void initTestCase()
    {
        m_db.CreateFull();
        AddBuy(1, "AR13010001", QDateTime(QDate(2013, 1, 15), QTime(23, 59, 59)), "a");
        AddBuy(2, "AR13010002", QDateTime(QDate(2013, 1, 16), QTime(0, 0)), "O'Brien 100%");
        AddBuy(3, "AR13010003", QDateTime(QDate(2013, 1, 16), QTime(15, 30)), "c_d");
        AddBuy(4, "AR13020001", QDateTime(QDate(2013, 2, 1), QTime(8, 0)), "[x]");
    }

    void rowsAffected()
    {
        QCOMPARE(Db().ExecSQL("update buy set [Note]=:Note where Id=:Id",
                              {DBParam("Note", "z"), DBParam("Id", 999)}), 0);
        QCOMPARE(Db().ExecSQL("update buy set [Note]=[Note] where Id>=:Id", {DBParam("Id", 2)}), 3);
    }

    void parameterErrorsBeforeRunning()
    {
        // A parameter the statement lacks fails before anything runs: the row keeps its note.
        QVERIFY_THROWS_EXCEPTION(EDatabaseError,
            Db().ExecSQL("update buy set [Note]='gone' where Id=:Id",
                         {DBParam("Id", 1), DBParam("Other", 2)}));
        QVERIFY_THROWS_EXCEPTION(EDatabaseError,
            Db().ExecSQL("update buy set [Note]='gone' where Id=:Id", {}));
        TRecordSet set;
        QCOMPARE(set.OpenSQL("select [Note] from buy where Id=1"), 1);
        QCOMPARE(set.DataSet()->Field(0)->AsString(), QStringLiteral("a"));
    }

    void failedStatementCarriesProviderMessageAndSql()
    {
        const QString sql = "insert into buy(Id, Code) values(:Id, :Code)";
        try {
            Db().ExecSQL(sql, {DBParam("Id", 1), DBParam("Code", "dup")});
            QFAIL("a duplicate key must fail");
        } catch (const EDatabaseError &e) {
            QVERIFY(e.Message().endsWith("\r\n" + sql));
            QVERIFY(e.Message().size() > sql.size() + 2);
        }
    }

    void openSqlReportsAndCloses()
    {
        TScriptedMessageScope messages;
        TRecordSet set;
        QCOMPARE(set.OpenSQL("select * from buy where Id<0"), 0);
        QVERIFY(set.DataSet()->Active());
        QVERIFY(set.DataSet()->IsEmpty());
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, set.OpenSQL("selec Id fro buy"));
        QVERIFY(!set.DataSet()->Active());
        QVERIFY(messages->LastText().startsWith("\r\nSQL语句错误,原文如下:\r\nselec Id fro buy"
                                                "\r\n\r\n错误提示:\r\n"));
    }

    void datesCompareExactlyWithLiterals_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("ids");
        QTest::newRow("from day") << "BizDate>=%1" << "2,3,4";
        QTest::newRow("to day (midnight only)") << "BizDate<=%1" << "1,2";
        QTest::newRow("year and month") << "year(BizDate)=2013 and month(BizDate)=1 and %1=%1"
                                        << "1,2,3";
    }
    void datesCompareExactlyWithLiterals()
    {
        QFETCH(QString, condition);
        QFETCH(QString, ids);
        const QString literal = Db().DateLiteral(QDateTime(QDate(2013, 1, 16), QTime(15, 30)));
        TRecordSet set;
        set.OpenSQL("select Id from buy where " + condition.arg(literal) + " order by Id");
        QCOMPARE(set.JoinValues(set.DataSet()->Field(0), ","), ids);
    }

    void valuesRoundTrip()
    {
        const QByteArray picture("\x00\x01\xffPNG", 6);
        Db().ExecSQL("insert into report(Id, GrpId, Title, Fr3File) values(:Id, 1, :Title, :F)",
                     {DBParam("Id", 1), DBParam("Title", "标准格式")}, {xDBParam("F", &picture)});
        TRecordSet set;
        QCOMPARE(set.OpenSQL("select Fr3File, Title from report where Id=:Id", {DBParam("id", 1)}), 1);
        QCOMPARE(set.DataSet()->Field(0)->AsBytes(), picture);
        QCOMPARE(set.DataSet()->FieldByName("Title")->AsString(), QStringLiteral("标准格式"));
        set.OpenSQL("select BizDate, Id, Code from buy where Id=3");
        // The server gives names in lower case; the set keeps them as the statement wrote them.
        QCOMPARE(set.DataSet()->Field(0)->FieldName, QStringLiteral("BizDate"));
        QCOMPARE(set.DataSet()->Field(0)->DataType(), TFieldType::DateTime);
        QCOMPARE(set.DataSet()->Field(0)->AsDateTime(), QDateTime(QDate(2013, 1, 16), QTime(15, 30)));
        QCOMPARE(set.DataSet()->Field(1)->AsInteger(), 3);
    }

    void searchTextIsTakenLiterally_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ids");
        QTest::newRow("quote") << "O'Brien" << "2";
        QTest::newRow("percent") << "100%" << "2";
        QTest::newRow("underscore") << "c_d" << "3";
        QTest::newRow("bracket") << "[x]" << "4";
        QTest::newRow("case") << "o'brien" << "2";
    }
    void searchTextIsTakenLiterally()
    {
        QFETCH(QString, text);
        QFETCH(QString, ids);
        TKsClientDataSet criteria;
        TField *note = criteria.AddFieldDef<TWideStringField>("Note", 50, true);
        criteria.CreateDataSet();
        criteria.DataSet()->Append();
        note->SetAsString(text);
        TWhereBuilder where;
        where.Contains("m.[Note]", note);
        TRecordSet set;
        set.OpenSQL("select m.Id from buy m" + where.AsWhere() + " order by m.Id");
        QCOMPARE(set.JoinValues(set.DataSet()->Field(0), ","), ids);
    }

    void transactionRollsBack()
    {
        Db().BeginTrans();
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, Db().BeginTrans());     // never nested
        AddBuy(50, "AR13030001", QDateTime::currentDateTime(), "t");
        TRecordSet &lookup = TheLookupSet();
        QCOMPARE(lookup.OpenSQL("select max(Id) from buy"), 1);
        QCOMPARE(lookup.DataSet()->Field(0)->AsInteger(), 50);           // sees its own write
        Db().RollbackTrans();
        lookup.OpenSQL("select max(Id) from buy");
        QCOMPARE(lookup.DataSet()->Field(0)->AsInteger(), 4);
    }

    void closedConnectionReopens()
    {
        Db().SetConnected(false);
        QVERIFY(!Db().Connected());
        QCOMPARE(Db().ExecSQL("update buy set [Note]=[Note] where Id=1"), 1);
        QVERIFY(Db().Connected());
    }

    void serverNowAndDialect()
    {
        const QDateTime now = Db().ServerNow();
        QVERIFY(now.isValid());
        QVERIFY(qAbs(now.secsTo(QDateTime::currentDateTime())) < 120);
        QCOMPARE(Db().IsSqlServer(), TTestDatabase::IsPostgres());
    }

    void connectFailureShowsMessage()
    {
        TScriptedMessageScope messages;
        TDatabase other;
        const QString bad = TTestDatabase::IsPostgres()
            ? "Provider=PostgreSQL;Data Source=127.0.0.1;Port=1;Initial Catalog=x;User ID=x"
            : "Provider=SQLite;Data Source=/nonexistent/openbuy.db";
        QVERIFY(!other.Connect(bad));
        QVERIFY(messages->LastText().startsWith("\r\n连接时失败,提示如下:\r\n"));
    }

    void concurrentSaveWithSameIdRollsBack()
    {
        // Two workstations computing the same new id: the second insert is refused.
        TDatabase second;
        QVERIFY(second.TryConnect(m_db.ConnectionString(), nullptr));
        second.BeginTrans();
        second.ExecSQL("insert into buy(Id, Code) values(:Id, 'X')", {DBParam("Id", 60)});
        second.CommitTrans();
        Db().BeginTrans();
        QVERIFY_THROWS_EXCEPTION(EDatabaseError,
            Db().ExecSQL("insert into buy(Id, Code) values(:Id, 'Y')", {DBParam("Id", 60)}));
        Db().RollbackTrans();
        TRecordSet set;
        set.OpenSQL("select Code from buy where Id=60");
        QCOMPARE(set.DataSet()->Field(0)->AsString(), QStringLiteral("X"));
    }

    void schemaCheckAndRefusal()
    {
        QVERIFY(TSchema::Standard().MissingObjects(Db()).isEmpty());
        QString error;
        QVERIFY(!TSchema::Standard().CreateDatabase(Db(), &error));
        QVERIFY(error.contains("已经有"));
        Db().ExecCommand("drop table upgrade");
        QVERIFY(TSchema::Standard().MissingObjects(Db()).contains("表 upgrade"));
    }
};

QObject *NewDatabaseTest()
{
    return new TstDatabase;
}

#include "tst_database.moc"
