#include "ConfigSandbox.h"

#include "config/Configer.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {

QSettings AliasSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("OpenBuy"),
                     QStringLiteral("OpenBuy"));
}

} // namespace

TConfigSandbox::TConfigSandbox(const QString &programName)
{
    RedirectUserSettings();
    QVERIFY(m_dir.isValid());
    TConfiger::SetProgramLocation(m_dir.path(), programName);
}

TConfigSandbox::~TConfigSandbox()
{
    TConfiger::SetProgramLocation(QString(), QString());
    QSettings settings = AliasSettings();
    settings.remove(QStringLiteral("Client/ConnectTo"));
}

void TConfigSandbox::RedirectUserSettings()
{
    static QTemporaryDir userDir;
    static bool done = false;
    if (done)
        return;
    done = true;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userDir.path());
}

QString TConfigSandbox::IniFile() const
{
    return m_dir.filePath(QStringLiteral("cfg.ini"));
}

void TConfigSandbox::WriteIni(const QByteArray &text) const
{
    QFile file(IniFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray TConfigSandbox::IniBytes() const
{
    QFile file(IniFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVariant TConfigSandbox::Alias(const QString &server)
{
    return AliasSettings().value(QStringLiteral("Client/ConnectTo/") + server);
}

void TConfigSandbox::SetAlias(const QString &server, const QString &data)
{
    QSettings settings = AliasSettings();
    settings.setValue(QStringLiteral("Client/ConnectTo/") + server, data);
}
