#include "shell/Startup.h"

#include "config/Operator.h"
#include "config/Settings.h"
#include "config/ui/ConnectDatabase.h"
#include "config/ui/LoginFrm.h"
#include "data/Database.h"
#include "shell/Compaction.h"
#include "shell/ui/AppInfo.h"
#include "shell/ui/MainBuFrm.h"
#include "shell/ui/Mall.h"
#include "shell/ui/PubApplication.h"
#include "shell/ui/SplashFrm.h"
#include "shell/ui/TipsFrm.h"

#include <QApplication>

TStartup::TStartup(const QStringList &arguments) : m_arguments(arguments)
{
    Connect = [] { return ConnectDatabase(); };
    LoadSettings = [] { LoadCommonSettings(); };
    CompanyInfoEmpty = [] { return ::CompanyInfoEmpty(); };
    LoginDialog = [](QWidget *parent) { return ::LoginDialog(parent); };
    LoginWith = [](const QString &login, const QString &password) {
        return ::LoginWith(login, password);
    };
}

TStartup::~TStartup()
{
    delete m_splash;
    delete m_main;
}

bool TStartup::Start()
{
    SetProcessTexts();
    QApplication::processEvents();
    Step(QStringLiteral("texts"));
    TheMall();
    Step(QStringLiteral("mall"));

    m_splash = new TSplashFrm;
    m_splash->show();
    m_splash->ShowHint(QStringLiteral("正在连接数据库,请稍候..."));
    Step(QStringLiteral("splash"));
    if (!Connect()) {
        Step(QStringLiteral("cancelled"));
        m_splash->close();
        return false;
    }
    Step(QStringLiteral("connected"));

    m_splash->ShowHint(QStringLiteral("正在创建公共对象,请稍候..."));
    LoadSettings();
    m_splash->ShowHint();
    Step(QStringLiteral("settings"));

    if (auto *app = qobject_cast<TPubApplication *>(qApp))
        app->SetHandlerActive(true);
    Step(QStringLiteral("errorhandler"));

    m_splash->ShowHint(QStringLiteral("正在创建主程序,请稍候..."));
    m_main = new TmainBuFrm;
    m_main->setAttribute(Qt::WA_DeleteOnClose);
    m_main->Arguments = m_arguments;
    m_main->LoginDialogHook = LoginDialog;
    m_main->LoginWithHook = LoginWith;
    m_main->AfterClose = [this] { Shutdown(); };
    Step(QStringLiteral("mainform"));
    m_splash->close();

    if (!m_main->DoLogin(true)) {
        Step(QStringLiteral("nologin"));
        m_main->close();
        return false;
    }
    Step(QStringLiteral("login"));
    m_main->showMaximized();
    Step(QStringLiteral("shown"));

    if (HasRight(10000) && CompanyInfoEmpty()) {
        Step(QStringLiteral("company"));
        TheMall().CheckCompanyInfo(m_main);
    }
    if (TTipsFrm::DailyTipPrompt()) {
        Step(QStringLiteral("tip"));
        auto *tips = new TTipsFrm(m_main);
        tips->setAttribute(Qt::WA_DeleteOnClose);
        tips->open();
    }
    return true;
}

int TStartup::Run()
{
    if (!Start())
        return 0;
    return QApplication::exec();
}

void TStartup::Shutdown()
{
    Step(QStringLiteral("closed"));
    if (AutoBackup) {
        AutoBackup();
        Step(QStringLiteral("backup"));
    }
    TDatabase &db = TheDatabase();
    const bool file = !db.ConnectionString().isEmpty() && !db.IsSqlServer();
    const QString dataFile = db.DataSource();
    db.SetConnected(false);
    Step(QStringLiteral("disconnected"));
    // Nothing is reported: a file that cannot be compacted now is compacted another time.
    if (file && CompactDatabaseFile(dataFile))
        Step(QStringLiteral("compacted"));
}

TmainBuFrm *TStartup::MainForm() const
{
    return m_main;
}
