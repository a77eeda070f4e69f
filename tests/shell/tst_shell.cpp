#include "support/TestSupport.h"

#include "config/Operator.h"
#include "data/Exceptions.h"
#include "data/KeyValueSet.h"
#include "data/OperatorMenus.h"
#include "shell/Compaction.h"
#include "shell/Startup.h"
#include "shell/ui/ActionListView.h"
#include "shell/ui/Link.h"
#include "shell/ui/MainBuFrm.h"
#include "shell/ui/Mall.h"
#include "shell/ui/PubApplication.h"
#include "shell/ui/SplashFrm.h"
#include "shell/ui/TipsFrm.h"
#include "shell/ui/ToolEditorFrm.h"
#include "shell/ui/ToolsFrm.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
bool LoginSa(QWidget *)
{
    TheOperator().Load(QStringLiteral("sa"));
    return true;
}

void AddClerk(const QString &rights)
{
    ROperator op;
    op.LoginId = QStringLiteral("clerk");
    op.Rights = rights;
    SaveOperator(op);
    TheOperator().Load(QStringLiteral("clerk"));
}

QPoint PositionOf(TmainBuFrm &form, const char *name)
{
    QListWidgetItem *item = form.ListView1->ItemOf(QString::fromLatin1(name));
    return item ? form.ListView1->IconPosition(item) : QPoint(-1, -1);
}

QStringList MenuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}
} // namespace

class TstShell : public QObject
{
    Q_OBJECT
private slots:
    void startupOrder()
    {
        TTestDatabase db;
        db.CreateFull();
        TScriptedMessageScope messages;
        TTipsFrm::SetDailyTipPrompt(true);
        int companyChecks = 0;
        TheMall().CompanyInfoCheck = [&](QWidget *) { ++companyChecks; };
        TStartup startup({});
        startup.Connect = [] { return true; };
        startup.LoginDialog = LoginSa;
        startup.CompanyInfoEmpty = [] { return true; };
        QVERIFY(startup.Start());
        QCOMPARE(startup.Steps,
                 QStringList({"texts", "mall", "splash", "connected", "settings", "errorhandler",
                              "mainform", "login", "shown", "company", "tip"}));
        QCOMPARE(companyChecks, 1);
        QVERIFY(startup.MainForm()->isVisible());
        QVERIFY(startup.MainForm()->windowState() & Qt::WindowMaximized);
        QCOMPARE(startup.MainForm()->windowTitle(),
                 QStringLiteral("OpenBuy采购管理系统 - 网络版 3.01.130116"));
        const QString file = TheDatabase().DataSource();
        startup.MainForm()->close();
        QStringList closing = {"closed", "disconnected"};
        if (!TTestDatabase::IsPostgres())
            closing << "compacted";
        QCOMPARE(startup.Steps.mid(11), closing);
        QVERIFY(!TheDatabase().Connected());
        TheMall().CompanyInfoCheck = nullptr;
    }

    void startupEnds_data()
    {
        QTest::addColumn<bool>("connects");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("connection cancelled")
            << false << QStringList({"texts", "mall", "splash", "cancelled"});
        QTest::newRow("login cancelled")
            << true << QStringList({"texts", "mall", "splash", "connected", "settings",
                                    "errorhandler", "mainform", "nologin", "closed",
                                    "disconnected"});
    }
    void startupEnds()
    {
        QFETCH(bool, connects);
        QFETCH(QStringList, steps);
        TTestDatabase db;
        db.CreateFull();
        TScriptedMessageScope messages;
        TStartup startup({});
        startup.Connect = [connects] { return connects; };
        startup.LoginDialog = [](QWidget *) { return false; };
        QVERIFY(!startup.Start());
        startup.Steps.removeAll(QStringLiteral("compacted"));
        QCOMPARE(startup.Steps, steps);
    }

    void commandLineLogin_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("three") << QStringList({"sa", "", "x"}) << false;
        QTest::newRow("three, wrong password") << QStringList({"sa", "bad", "x"}) << true;
        QTest::newRow("two") << QStringList({"sa", ""}) << true;
        QTest::newRow("four") << QStringList({"sa", "", "x", "y"}) << true;
    }
    void commandLineLogin()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, dialog);
        TTestDatabase db;
        db.CreateFull();
        TmainBuFrm form;
        form.Arguments = arguments;
        bool asked = false;
        form.LoginDialogHook = [&](QWidget *parent) {
            asked = true;
            return LoginSa(parent);
        };
        form.LoginWithHook = [](const QString &login, const QString &password) {
            TheOperator().Load(login);
            return TheOperator().CheckPassword(password);
        };
        QVERIFY(form.DoLogin(true));
        QCOMPARE(asked, dialog);
        // A re-login always asks.
        asked = false;
        QVERIFY(form.DoLogin(false));
        QVERIFY(asked);
    }

    void menuRights()
    {
        TTestDatabase db;
        db.CreateFull();
        TScriptedMessageScope messages;
        int opened = 0;
        TheMall().Register(QStringLiteral("OpenWareList"), [&](QWidget *) { ++opened; });
        TKeyValueSet::WriteText(37, QStringLiteral("InquiryBillName=比价单"));
        TmainBuFrm form;
        AddClerk(QStringLiteral(",1010,"));
        QVERIFY(form.FindAction("WareAction1")->isEnabled());
        // A window nobody installed is offered but cannot be chosen.
        QVERIFY(!form.FindAction("PriceManagerAction1")->isEnabled());
        QVERIFY_THROWS_EXCEPTION(EAbort, form.ExecuteAction(QStringLiteral("WareAction1")));
        QCOMPARE(opened, 0);
        QVERIFY(messages->LastText().contains(
            QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(1014).")));
        AddClerk(QStringLiteral(",1010,,1014,"));
        form.ExecuteAction(QStringLiteral("WareAction1"));
        QCOMPARE(opened, 1);
        // The menu item shows the refusal and stops silently.
        AddClerk(QStringLiteral(",1010,"));
        messages->Reset();
        form.FindAction("WareAction1")->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(messages->Messages.size(), 1);

        QMenu *info = form.menuBar()->actions().at(1)->menu();
        QCOMPARE(form.menuBar()->actions().at(1)->text(), QStringLiteral("资料(&I)"));
        QCOMPARE(MenuTexts(info), QStringList({"货品", "供应商", "部门", "职员", "采购分配", "-",
                                               "账户", "应付项目", "计划类别", "订单类别"}));
        QMenu *business = form.menuBar()->actions().at(3)->menu();
        QCOMPARE(MenuTexts(business).first(), QStringLiteral("比价单"));
        QCOMPARE(MenuTexts(business).at(6), QStringLiteral("比价单明细表"));
        TheMall().Register(QStringLiteral("OpenWareList"), [](QWidget *) {});
    }

    void parsePosition_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("set") << "120,40" << QPoint(120, 40);
        QTest::newRow("origin") << "0,0" << QPoint(10, 10);
        QTest::newRow("missing") << "" << QPoint(10, 10);
        QTest::newRow("no comma") << "120" << QPoint(10, 10);
        QTest::newRow("garbage") << "a,b" << QPoint(10, 10);
        QTest::newRow("only x zero") << "0,50" << QPoint(0, 50);
    }
    void parsePosition()
    {
        QFETCH(QString, value);
        QFETCH(QPoint, position);
        QCOMPARE(TActionListView::ParsePosition(value), position);
    }

    void desktopLayout()
    {
        TTestDatabase db;
        db.CreateFull();
        TScriptedMessageScope messages;
        SetOperatorMenus("sa", "Other=1,2\r\nPlanBillAction1=0,0\r\nOrderBillAction1=300,120");
        {
            TmainBuFrm form;
            form.LoginDialogHook = LoginSa;
            form.resize(1280, 800);
            QVERIFY(form.DoLogin(false));
            QCOMPARE(form.ListView1->count(), 21);
            QCOMPARE(PositionOf(form, "PlanBillAction1"), QPoint(10, 10));
            QCOMPARE(PositionOf(form, "InvoiceBillAction1"), QPoint(10, 10));
            QCOMPARE(PositionOf(form, "OrderBillAction1"), QPoint(300, 120));
            form.ListView1->SetIconPosition(form.ListView1->ItemOf("ArriveBillAction1"),
                                            QPoint(410, 230));
            // A removed icon comes back with the next desktop.
            form.ListView1->ItemOf("PlanSumAction1")->setSelected(true);
            form.ListView1->RemoveSelected();
            QCOMPARE(form.ListView1->count(), 20);
            QCOMPARE(PositionOf(form, "OrderBillAction1"), QPoint(300, 120));
            form.SaveDesktop();
        }
        const QString menus = GetOperatorMenus("sa");
        QVERIFY(menus.contains("Other=1,2"));
        QVERIFY(menus.contains("ArriveBillAction1=410,230"));
        TmainBuFrm form;
        form.LoginDialogHook = LoginSa;
        QVERIFY(form.DoLogin(false));
        QCOMPARE(form.ListView1->count(), 21);
        QCOMPARE(PositionOf(form, "ArriveBillAction1"), QPoint(410, 230));
        QCOMPARE(PositionOf(form, "OrderBillAction1"), QPoint(300, 120));
        QCOMPARE(form.ListView2->count(), 5);
    }

    void newOperatorGetsArrangedDesktop()
    {
        TTestDatabase db;
        db.CreateFull();
        TmainBuFrm form;
        form.LoginDialogHook = LoginSa;
        QVERIFY(form.DoLogin(false));
        QCOMPARE(PositionOf(form, "PlanBillAction1"), QPoint(24, 18));
        QCOMPARE(PositionOf(form, "PaymentBillAction1"), QPoint(24, 18 + 3 * 84));
        QSet<QPair<int, int>> places;
        for (int i = 0; i < form.ListView1->count(); ++i) {
            const QPoint p = form.ListView1->IconPosition(form.ListView1->item(i));
            places.insert({p.x(), p.y()});
        }
        QCOMPARE(places.size(), 21);
        // Showing and resizing the window keeps the places.
        form.setWindowState(Qt::WindowNoState);
        form.resize(1280, 800);
        form.show();
        QApplication::processEvents();
        form.resize(1000, 700);
        QApplication::processEvents();
        QCOMPARE(PositionOf(form, "PaymentBillAction1"), QPoint(24, 18 + 3 * 84));
    }

    void toolsMenu()
    {
        TTestDatabase db;
        db.CreateFull();
        TScriptedMessageScope messages;
        TmainBuFrm form;
        QCOMPARE(form.ToolsMenu()->actions().size(), 5);
        TLink web;
        web.Title = QStringLiteral("供应商门户");
        web.lpFile = QStringLiteral("IEXPLORE.EXE");
        web.lpParameters = QStringLiteral("http://example.com");
        web.Note = QStringLiteral("网页");
        QVERIFY(InsertLink(web));
        TLink prog = web;
        prog.Title = QStringLiteral("计划表");
        prog.lpFile = QStringLiteral("/bin/sh");
        QVERIFY(InsertLink(prog));
        form.BuildToolsMenu();
        QList<QAction *> items = form.ToolsMenu()->actions();
        QCOMPARE(items.size(), 7);
        QCOMPARE(items.at(5)->text(), QStringLiteral("供应商门户"));
        QCOMPARE(items.at(5)->statusTip(), QStringLiteral("网页"));
        QCOMPARE(items.at(6)->text(), QStringLiteral("计划表"));
        TLink loaded;
        QVERIFY(LoadLink(loaded, items.at(6)->data().toInt()));
        QVERIFY(DeleteLink(loaded));
        form.BuildToolsMenu();
        QCOMPARE(form.ToolsMenu()->actions().size(), 6);

        // The setup window refuses to act without a selection.
        TToolsFrm tools;
        QCOMPARE(tools.ListBox1->count(), 1);
        tools.EditLink();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n请先从列表中选中一个项目再操作.\t"));
        tools.RunEditor = [](TToolEditorFrm &editor) {
            editor.edtTitle->setText(QStringLiteral("改名"));
            editor.OkButton()->click();
            return editor.result();
        };
        tools.ListBox1->setCurrentRow(0);
        tools.EditLink();
        QCOMPARE(tools.ListBox1->item(0)->text(), QStringLiteral("改名"));
        messages->Answers = {true};
        tools.RemoveLink();
        QCOMPARE(tools.ListBox1->count(), 0);
    }

    void toolEditor_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("web");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("web link without title and address")
            << "IEXPLORE.EXE" << true << "" << ""
            << QStringList({"\"标题\" 不能为空", "\"网址\" 不能为空且应以 \"http://\" 开头"});
        QTest::newRow("address without prefix is accepted")
            << "IEXPLORE.EXE" << true << "门户" << "www.example.com" << QStringList();
        QTest::newRow("other spelling is a program")
            << "iexplore.exe" << false << "门户" << "x"
            << QStringList({"文件 iexplore.exe 不存在"});
        QTest::newRow("empty file") << "" << false << "门户" << "" << QStringList({
            "\"文件地址\" 不能为空"});
        QTest::newRow("existing program") << "/bin/sh" << false << "终端" << "" << QStringList();
    }
    void toolEditor()
    {
        QFETCH(QString, file);
        QFETCH(bool, web);
        QFETCH(QString, title);
        QFETCH(QString, url);
        QFETCH(QStringList, problems);
        TToolEditorFrm editor;
        QVERIFY(editor.rbUrl->isChecked());
        QCOMPARE(editor.edtUrl->text(), QStringLiteral("http://"));
        TLink link;
        link.Id = 5;
        link.Title = title;
        link.lpFile = file;
        link.lpParameters = url;
        editor.SetLink(link);
        QCOMPARE(editor.rbUrl->isChecked(), web);
        QCOMPARE(editor.edtUrl->isEnabled(), web);
        QCOMPARE(editor.Problems(), problems);
    }

    void toolEditorMessage()
    {
        TScriptedMessageScope messages;
        TToolEditorFrm editor;
        editor.edtUrl->clear();
        editor.OkButton()->click();
        QCOMPARE(messages->LastText(),
                 QStringLiteral("\r\n请按以下提示完成各项内容:\t\r\r\"标题\" 不能为空"
                                "\r\"网址\" 不能为空且应以 \"http://\" 开头.\t"));
        QCOMPARE(editor.result(), int(QDialog::Rejected));
    }

    void tips()
    {
        TTestDatabase db;
        db.CreateFull();
        TTipsFrm::SetDailyTipPrompt(false);
        TTipsFrm form;
        QCOMPARE(TTipsFrm::Tips().size(), 8);
        for (int i = 0; i < 8; ++i) {
            form.ShowTip(i);
            QCOMPARE(form.Memo(), QStringLiteral("\n\n") + TTipsFrm::Tips().at(i));
        }
        QVERIFY(!form.PromptBox()->isChecked());
        form.PromptBox()->click();
        QVERIFY(TTipsFrm::DailyTipPrompt());
    }

    void errorHandler()
    {
        TScriptedMessageScope messages;
        HandleException(EAbort());
        QVERIFY(messages->Messages.isEmpty());
        HandleException(EDatabaseError(QStringLiteral("no such table: ware")));
        QCOMPARE(messages->Messages.size(), 1);
        QCOMPARE(messages->LastText(),
                 QStringLiteral("\r\n非常抱歉,系统遇到如下异常:\r\n\r\nno such table: ware"));
    }

    void compaction()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("data.db");
        {
            QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "compact-test");
            c.setDatabaseName(file);
            QVERIFY(c.open());
            QSqlQuery q(c);
            QVERIFY(q.exec("create table t(a text)"));
            for (int i = 0; i < 200; ++i)
                QVERIFY(q.exec(QStringLiteral("insert into t values('%1')").arg(i)));
            QVERIFY(q.exec("delete from t where a<>'7'"));
            c.close();
        }
        QSqlDatabase::removeDatabase("compact-test");
        QVERIFY(CompactDatabaseFile(file));
        QVERIFY(!QFile::exists(file + ".compact.tmp"));
        {
            QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "compact-test");
            c.setDatabaseName(file);
            QVERIFY(c.open());
            QSqlQuery q(c);
            QVERIFY(q.exec("select a from t") && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("7"));
        }
        QSqlDatabase::removeDatabase("compact-test");
        // Not a database: the file stays as it was.
        const QString text = dir.filePath("notes.db");
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a database");
        f.close();
        QVERIFY(!CompactDatabaseFile(text));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("not a database"));
        QVERIFY(!CompactDatabaseFile(dir.filePath("missing.db")));
    }

    void grabs()
    {
        TTestDatabase db;
        db.CreateFull();
        TSplashFrm splash;
        splash.ShowHint(QStringLiteral("正在创建公共对象,请稍候..."));
        splash.ShowHint();
        QCOMPARE(splash.Status(), QStringLiteral("正在创建公共对象,请稍候...."));
        splash.grab().save("/tmp/openbuy-splash.png");
        TmainBuFrm form;
        form.LoginDialogHook = LoginSa;
        QVERIFY(form.DoLogin(false));
        form.setWindowState(Qt::WindowNoState);
        form.resize(1280, 800);
        form.show();
        form.ListView1->ItemOf("ArriveBillAction1")->setSelected(true);
        QApplication::processEvents();
        form.grab().save("/tmp/openbuy-main.png");
        TTipsFrm tips;
        tips.ShowTip(2);
        tips.show();
        tips.grab().save("/tmp/openbuy-tips.png");
        TToolsFrm tools;
        tools.show();
        tools.grab().save("/tmp/openbuy-tools.png");
        TToolEditorFrm editor;
        editor.show();
        editor.grab().save("/tmp/openbuy-tooleditor.png");
    }
};

OPENBUY_TEST_MAIN(new TstShell)

#include "tst_shell.moc"
