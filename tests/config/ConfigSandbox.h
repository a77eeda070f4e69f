#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// One test's cfg.ini and default database in a fresh temporary directory; the user settings
// that hold the client aliases point at a temporary directory for the whole run.
class TConfigSandbox
{
public:
    explicit TConfigSandbox(const QString &programName = QStringLiteral("openbuy"));
    ~TConfigSandbox();

    QString Dir() const { return m_dir.path(); }
    QString IniFile() const;
    void WriteIni(const QByteArray &text) const;
    QByteArray IniBytes() const;

    // The client alias stored for a server; invalid when there is none.
    static QVariant Alias(const QString &server);
    static void SetAlias(const QString &server, const QString &data);

private:
    static void RedirectUserSettings();
    QTemporaryDir m_dir;
};
