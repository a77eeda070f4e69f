#pragma once

#include <QPointer>
#include <QStringList>

#include <functional>

class QWidget;
class TmainBuFrm;
class TSplashFrm;

// The program's start-up and shutdown, in their fixed order. Every step is recorded in Steps
// so that the order can be seen; the steps that need another module or the operator are
// hooks that the program fills with the real ones.
class TStartup
{
public:
    explicit TStartup(const QStringList &arguments);
    ~TStartup();

    std::function<bool()> Connect;
    std::function<void()> LoadSettings;
    std::function<bool()> CompanyInfoEmpty;
    std::function<bool(QWidget *parent)> LoginDialog;
    std::function<bool(const QString &login, const QString &password)> LoginWith;
    // The automatic backup at exit (with the backup module).
    std::function<void()> AutoBackup;

    // Runs start-up up to the running main window; false when the program is to end.
    bool Start();
    // Start and the message loop; the exit code of the program.
    int Run();
    // After the main window has closed the others and saved the desktop.
    void Shutdown();

    TmainBuFrm *MainForm() const;
    QStringList Steps;

private:
    void Step(const QString &name) { Steps << name; }
    QStringList m_arguments;
    QPointer<TmainBuFrm> m_main;
    QPointer<TSplashFrm> m_splash;
};
