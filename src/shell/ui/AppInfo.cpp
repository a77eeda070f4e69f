#include "shell/ui/AppInfo.h"

#include <QApplication>
#include <QDir>

QString AppTitle()
{
    return QStringLiteral("OpenBuy采购管理系统");
}

QString VersionText()
{
    return QStringLiteral("网络版 3.01.130116");
}

QString BuildText()
{
    return QStringLiteral("Build130116");
}

void SetProcessTexts()
{
    QApplication::setApplicationName(QStringLiteral("OpenBuy"));
    QApplication::setApplicationDisplayName(AppTitle());
    QApplication::setApplicationVersion(VersionText());
}

QString ProgramFile(const QString &name)
{
    return QDir(QApplication::applicationDirPath()).filePath(name);
}
