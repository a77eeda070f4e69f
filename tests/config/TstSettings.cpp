#include "TstSettings.h"

#include "config/Company.h"
#include "config/KeyValue.h"
#include "config/KeyValue2.h"
#include "config/Operator.h"
#include "config/PickList.h"
#include "config/Settings.h"
#include "data/KeyValueSet.h"
#include "data/RecordSet.h"
#include "support/TestSupport.h"

#include <QTest>

namespace {
TTestDatabase *s_db = nullptr;

int CountRows(const QString &sql, const TDBParameters &params = {})
{
    TRecordSet set;
    return set.OpenSQL(sql, params);
}

KeyData ReadRow(int key)
{
    KeyData data;
    [&] { QVERIFY(TKeyValueSet::ReadKey(key, data)); }();
    return data;
}
} // namespace

void TstSettings::initTestCase()
{
    s_db = new TTestDatabase;
    s_db->CreateFull();
    TheKeyValue2().Reopen();
    ThePickList().Reopen();
}

void TstSettings::cleanupTestCase()
{
    TheKeyValue2().Reopen();
    ThePickList().Reopen();
    delete s_db;
    s_db = nullptr;
}

void TstSettings::keyValue2Rows()
{
    TKeyValue2 &kv = TheKeyValue2();
    const QString byKey = QStringLiteral("select KeyId from keyvalue where KeyId=:K");
    // Reading a key without a row adds the row and reads false.
    QCOMPARE(CountRows(byKey, {DBParam("K", 9)}), 0);
    QCOMPARE(kv.GetBool(9), false);
    QCOMPARE(CountRows(byKey, {DBParam("K", 9)}), 1);

    QVERIFY(kv.SetInt(5, 3));
    QCOMPARE(kv.GetInt(5), 3);
    QCOMPARE(ReadRow(5).Vbool, true);      // SetInt writes the flag true
    kv.SetBool(9, true);
    QCOMPARE(ReadRow(9).Vint, 0);
    QCOMPARE(ReadRow(9).Vbool, true);
    kv.SetDailyTipPrompt(true);
    QVERIFY(kv.DailyTipPrompt());
    kv.SetDailyTipPrompt(false);
    QVERIFY(!kv.DailyTipPrompt());

    // The rows are cached: a row written elsewhere shows after Reopen.
    TheDatabase().ExecCommand("update keyvalue set Vint=77 where KeyId=5");
    QCOMPARE(kv.GetInt(5), 3);
    kv.Reopen();
    QCOMPARE(kv.GetInt(5), 77);

    // WriteRow inserts a row the table lacks and the cache follows.
    QVERIFY(kv.WriteRow(2040, "x", 4, 1.5, false));
    QCOMPARE(ReadRow(2040).Vstr, QStringLiteral("x"));
    QCOMPARE(kv.GetInt(2040), 4);
    QCOMPARE(CountRows(byKey, {DBParam("K", 2040)}), 1);
}

void TstSettings::valueColumn_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("number") << QVariant(3) << 3;
    QTest::newRow("text") << QVariant("12") << 12;
    QTest::newRow("null") << QVariant() << -1;
    QTest::newRow("not a number") << QVariant("zwei") << -1;
    QTest::newRow("fraction") << QVariant("2.5") << -1;
}

void TstSettings::valueColumn()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    const int key = 2008;
    TKeyValue::SetValue(key, stored);
    TKeyValue::SetValue(key, stored);      // the second time updates the row
    QCOMPARE(CountRows("select KeyId from keyvalue where KeyId=2008"), 1);
    QCOMPARE(TKeyValue::GetIntDef(key, -1), expected);
    QVERIFY(TKeyValue::GetValue(4711).isNull());
    QCOMPARE(TKeyValue::GetIntDef(4711, 5), 5);
}

void TstSettings::pickLists()
{
    QString text;
    QVERIFY(TPickList::ReadPickList(plPayModes, text));
    QVERIFY(text.contains(QStringLiteral("现金")));
    QVERIFY(TPickList::WritePickList(plPayModes, QStringLiteral("现金\r\n支票\r\n")));
    QCOMPARE(TPickList::Items(plPayModes), QStringList({"现金", "支票"}));
    QVERIFY(!TPickList::ReadPickList(9, text));
    QVERIFY(TPickList::WritePickList(9, QStringLiteral("新")));     // added
    QVERIFY(TPickList::ReadPickList(9, text));
    QCOMPARE(text, QStringLiteral("新"));

    TPickListSet &set = ThePickList();
    set.Reopen();
    QCOMPARE(set.Count(), 5);
    set.SetCount(7);                        // keys 10 and 11, empty
    QCOMPARE(set.Count(), 7);
    QVERIFY(set.DataSet()->Locate("Key", 11));
    QVERIFY(set.ListFld->IsNull());
    set.SetCount(2);                        // never shrinks
    QCOMPARE(set.Count(), 7);
    TheDatabase().ExecCommand("delete from options where [Key]>3");
    set.Reopen();
}

void TstSettings::displayFormats_data()
{
    QTest::addColumn<QVariant>("qty");
    QTest::addColumn<QVariant>("price");
    QTest::addColumn<QString>("qtyFormat");
    QTest::addColumn<QString>("priceFormat");
    QTest::newRow("three and four") << QVariant(3) << QVariant(4) << "0.000" << "0.0000";
    QTest::newRow("none") << QVariant(0) << QVariant(1) << "0." << "0.0";
    QTest::newRow("unreadable") << QVariant("x") << QVariant() << "0." << "0.";
    QTest::newRow("negative") << QVariant(-2) << QVariant(2) << "0." << "0.00";
}

void TstSettings::displayFormats()
{
    QFETCH(QVariant, qty);
    QFETCH(QVariant, price);
    QFETCH(QString, qtyFormat);
    QFETCH(QString, priceFormat);
    TKeyValue::SetValue(skQtyDecimals, qty);
    TKeyValue::SetValue(skPriceDecimals, price);
    LoadCommonSettings();
    QCOMPARE(QtyFormat(), qtyFormat);
    QCOMPARE(PriceFormat(), priceFormat);
    QCOMPARE(MoneyFormat(), QStringLiteral("0.00"));
    TKeyValue::SetValue(skQtyDecimals, 2);
    TKeyValue::SetValue(skPriceDecimals, 4);
}

void TstSettings::companyFilled_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("filled");
    QTest::newRow("three Chinese") << "宏达厂" << false;
    QTest::newRow("four Chinese") << "宏达机械" << true;
    QTest::newRow("seven bytes") << "Acme Co" << false;
    QTest::newRow("eight bytes") << "Acme Ltd" << true;
    QTest::newRow("mixed") << "宏达 AB" << false;         // 2+2+1+2 = 7 bytes
    QTest::newRow("empty") << "" << false;
}

void TstSettings::companyFilled()
{
    QFETCH(QString, name);
    QFETCH(bool, filled);
    TCompany saved = TheCompany();
    TheCompany().CompanyName = name;
    QCOMPARE(CompanyFilled(), filled);
    TheCompany() = saved;
}

void TstSettings::companySaveInsertsThenUpdates()
{
    TheDatabase().ExecCommand("delete from Company");
    QVERIFY(CompanyInfoEmpty());
    TCompany &c = TheCompany();
    c.CompanyName = QStringLiteral("宏达机械有限公司");
    c.Tel = "0571-1234567";
    c.Profile = QStringLiteral("第一行\r\n第二行");
    c.Updated = true;
    SaveCompany();
    QCOMPARE(CountRows("select Id from Company"), 1);
    QVERIFY(!CompanyInfoEmpty());
    c.Manager = QStringLiteral("王经理");
    SaveCompany();
    QCOMPARE(CountRows("select Id from Company"), 1);
    LoadCompany();
    QCOMPARE(TheCompany().Manager, QStringLiteral("王经理"));
    QCOMPARE(TheCompany().Profile, QStringLiteral("第一行\r\n第二行"));
    QVERIFY(TheCompany().Updated);
    QCOMPARE(CompanyText(), QStringLiteral("宏达机械有限公司\r\n王经理\r\n0571-1234567\r\n\r\n"
                                           "\r\n\r\n第一行\r\n第二行\r\n"));
}

void TstSettings::commonSettings()
{
    KeyData labels;
    TKeyValueSet::ReadKey(37, labels);
    TKeyValueSet::WriteText(37, labels.Vstr + QStringLiteral("\r\nWareS05=厂牌"));
    TKeyValueSet::WriteKey(2037, KeyData{QStringLiteral("opaque"), 2, 0, true});
    LoadCommonSettings();
    QCOMPARE(Caption("WareS05"), QStringLiteral("品牌"));     // the first definition counts
    QCOMPARE(Caption("WareS02"), QStringLiteral("品名"));
    QCOMPARE(Caption("Unknown"), QStringLiteral("Unknown"));
    KeyData data;
    QVERIFY(CommonSetting(2037, data));
    QCOMPARE(data.Vstr, QStringLiteral("opaque"));
    QVERIFY(!CommonSetting(2038, data));
    TKeyValueSet::WriteText(37, labels.Vstr);

    TheOperator().Clear();
    TheOperator().LoginId = "li";
    const TReportVariables vars = CompanyReportVariables();
    QCOMPARE(vars.size(), 6);
    QCOMPARE(vars.first(), qMakePair(QStringLiteral("u_Company"), TheCompany().CompanyName));
    QCOMPARE(vars.last(), qMakePair(QStringLiteral("u_Operator"), QStringLiteral("li")));
    TheOperator().Clear();
}
