#include "Tests.h"
#include "UiTestKit.h"
#include "../../config/ModalScript.h"

#include "grids/ui/DBGrid.h"
#include "masterdata/ui/InfoListFrm.h"
#include "masterdata/ui/PickerFrm.h"
#include "masterdata/ui/ViewList.h"
#include "shell/ui/Mall.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolBar>

using namespace UiKit;

class TstInfoList : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

private slots:
    void initTestCase()
    {
        m_db.CreateFull();
        LoginAs(QStringLiteral("sa"));
        AddEmployee(QStringLiteral("孙采购"));
        AddEmployee(QStringLiteral("周经理"));
    }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("table");
        QTest::newRow("plan types") << int(TInfoKind::PlanTypes) << "计划类别" << 1287 << "buplantype";
        QTest::newRow("order types") << int(TInfoKind::OrderTypes) << "订单类别" << 1286
                                     << "buordertype";
        QTest::newRow("payable items") << int(TInfoKind::ShldoutItems) << "应付项目" << 1273
                                       << "shouldout_item";
        QTest::newRow("banks") << int(TInfoKind::Banks) << "账户设置" << 1248 << "fn_bank";
        QTest::newRow("warehouses") << int(TInfoKind::Houses) << "仓库" << 2201 << "warehouse";
        QTest::newRow("employees") << int(TInfoKind::Employees) << "职员" << 1099 << "employee";
    }
    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(int, layout);
        QFETCH(QString, table);
        TInfoListFrm *window = TInfoListFrm::Create(nullptr, static_cast<TInfoKind>(kind));
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->Grid()->LayoutId(), layout);
        QCOMPARE(window->Grid()->DataSet()->RecordCount(), Count(table));
        QStringList captions;
        for (QAction *a : window->ToolBar()->actions())
            if (!a->isSeparator())
                captions << a->text();
        QCOMPARE(captions, (QStringList{"添加", "修改", "删除", "刷新", "导入", "导出", "打印",
                                        "排序", "设置", " 退出 "}));
        // A refused right ends the command quietly after its message.
        TScriptedMessageScope messages;
        LoginAs(QStringLiteral("li"), QStringLiteral(",1,"));
        window->Action(QStringLiteral("添加"))->trigger();
        QCOMPARE(messages->Messages.size(), 1);
        LoginAs(QStringLiteral("sa"));
        window->show();
        if (kind == int(TInfoKind::Employees))
            UiKit::Shot(window, QStringLiteral("info-list-employees"));
        window->Action(QStringLiteral(" 退出 "))->trigger();
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Choosing a list that is open already brings that window forward instead of a copy.
    void secondOpenShowsTheFirst()
    {
        const auto openLists = [] {
            int n = 0;
            for (QWidget *w : QApplication::topLevelWidgets())
                n += qobject_cast<TInfoListFrm *>(w) && w->isVisible();
            return n;
        };
        Tmall mall;
        RegisterMasterWindows(mall);
        for (const char *name : {"OpenBanks", "OpenBanks", "OpenSuppliers", "OpenWareList",
                                 "OpenSuppliers", "OpenWareList", "OpenEmployees"})
            mall.Open(QString::fromLatin1(name));
        QCOMPARE(openLists(), 4);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TInfoListFrm *>(w))
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openLists(), 0);
        mall.Open(QStringLiteral("OpenBanks"));
        QCOMPARE(openLists(), 1);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TInfoListFrm *>(w))
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The main window's names reach these windows; the employee picker answers the launcher.
    void registration()
    {
        Tmall mall;
        RegisterMasterWindows(mall);
        for (const char *name : {"OpenWareList", "OpenSuppliers", "OpenCataAssign",
                                 "OpenEmployees", "OpenBanks", "OpenWarehouses",
                                 "OpenShldoutItems", "OpenPlanTypes", "OpenOrderTypes"})
            QVERIFY2(mall.Has(QString::fromLatin1(name)), name);
        QVERIFY(mall.EmployeePicker);
        int id = 0;
        QString name;
        int layout = 0;
        TModalScript script({[&layout](QWidget *d) {
            auto *picker = qobject_cast<TPickerFrm *>(d);
            layout = picker->Grid()->LayoutId();
            picker->SearchEdit()->setText(QStringLiteral("周"));
            UiKit::Shot(d, QStringLiteral("list-picker"));
            picker->AcceptCurrent();
        }});
        mall.PickEmployee(nullptr, [&](int i, const QString &n) {
            id = i;
            name = n;
        });
        QCOMPARE(layout, 1214);
        QCOMPARE(name, QStringLiteral("周经理"));
        QVERIFY(id > 0);
    }
};

QObject *NewInfoListTest()
{
    return new TstInfoList;
}

#include "TstInfoList.moc"
