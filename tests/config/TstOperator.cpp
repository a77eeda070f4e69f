#include "TstOperator.h"

#include "config/Operator.h"
#include "support/TestSupport.h"

#include <QTest>

namespace {
TTestDatabase *s_db = nullptr;
}

void TstOperator::initTestCase()
{
    s_db = new TTestDatabase;
    s_db->CreateFull();
}

void TstOperator::cleanupTestCase()
{
    delete s_db;
    s_db = nullptr;
}

void TstOperator::rights_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("has");
    QTest::newRow("granted") << "li" << ",1012,,1013," << 1013 << true;
    QTest::newRow("prefix of a code") << "li" << ",1012,,1013," << 101 << false;
    QTest::newRow("digit of a code") << "li" << ",1012,,1013," << 1 << false;
    QTest::newRow("six digits") << "li" << ",100001," << 10000 << false;
    QTest::newRow("sa holds all") << "sa" << "" << 100001 << true;
    QTest::newRow("SA is ordinary") << "SA" << "" << 1014 << false;
}

void TstOperator::rights()
{
    QFETCH(QString, login);
    QFETCH(QString, rights);
    QFETCH(int, code);
    QFETCH(bool, has);
    TOperator op;
    op.LoginId = login;
    op.Rights = rights;
    QCOMPARE(op.HasRight(code), has);
    QCOMPARE(RightsText({1012, 1013}), QStringLiteral(",1012,,1013,"));
}

void TstOperator::refusalAborts()
{
    TScriptedMessageScope messages;
    TheOperator().Clear();
    TheOperator().LoginId = "li";
    QVERIFY_THROWS_EXCEPTION(EAbort, CheckRight(1014));
    QVERIFY(messages->LastText().contains("对不起,您没有该功能的操作权限,请与管理员联系(1014)."));
    QVERIFY_THROWS_EXCEPTION(EAbort, RequireSa());
    QVERIFY(messages->LastText().contains("只有系统用户(sa)才能执行此操作."));
    TheOperator().Clear();
}

void TstOperator::loginAndPassword()
{
    TOperator op;
    op.Load("sa");
    QVERIFY(op.CheckPassword(""));             // the delivered sa has an empty password
    QVERIFY(!op.CheckPassword("x"));
    SetPassword(op, "Geheim");
    op.Load("sa");
    QVERIFY(op.CheckPassword("Geheim"));
    QVERIFY(!op.CheckPassword("geheim"));      // compared exactly
    op.Load("nobody");
    QVERIFY(op.LoginId.isEmpty());
    QVERIFY(!op.CheckPassword(""));
    SetPassword(TOperator{"sa"}, "");
}

void TstOperator::saveAddDelete()
{
    ROperator op;
    op.LoginId = "wang";
    op.Rights = ",1016,";
    QString error;
    QVERIFY(AddOperator(op, &error));
    // Adding a login that exists (sa included) is refused and changes nothing.
    ROperator impostor;
    impostor.LoginId = "sa";
    impostor.Password = "stolen";
    QVERIFY(!AddOperator(impostor, &error));
    QVERIFY(error.contains("已经存在"));
    TOperator sa;
    sa.Load("sa");
    QVERIFY(sa.CheckPassword(""));
    op.Password = "1";
    op.EmployeeId = 3;
    QVERIFY(SaveOperator(op));
    const ROperators list = ReadOperators();
    QCOMPARE(list.size(), 1);                  // sa is never listed
    QCOMPARE(list[0].Password, QStringLiteral("1"));
    QCOMPARE(list[0].EmployeeId.toInt(), 3);
    QVERIFY(DeleteOperator("wang"));
    QVERIFY(!DeleteOperator("wang"));
    QCOMPARE(OfferedRights().size(), 45);
}
