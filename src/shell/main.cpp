#include "config/Configer.h"
#include "config/ui/ConnectDatabase.h"
#include "data/Database.h"
#include "data/Schema.h"
#include "data/ui/MessageBoxes.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

namespace {
// The single-user installation creates its database file when it is missing.
void EnsureDefaultDatabase()
{
    TConfiger configer;
    if (configer.providerIdx != 1 || !configer.defaultCon)
        return;
    const QString file = TConfiger::DefaultDatabaseFile();
    if (QFileInfo::exists(file))
        return;
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return;     // the connection loop reports the missing file
    f.close();
    TDatabase database;
    QString error;
    if (!database.TryConnect(QStringLiteral("Provider=SQLite;Data Source=") + file, &error)
        || !TSchema::Standard().CreateDatabase(database, &error)) {
        database.SetConnected(false);
        QFile::remove(file);
        ShowInfo(QStringLiteral("无法建立数据库文件 %1:\r\n%2").arg(file, error));
    }
}

void SetProgramFont()
{
    const QStringList families = QFontDatabase::families();
    for (const char *name : {"SimSun", "宋体", "AR PL UMing CN", "WenQuanYi Micro Hei"}) {
        if (families.contains(QString::fromUtf8(name))) {
            QFont font(QString::fromUtf8(name));
            font.setPointSize(9);
            QApplication::setFont(font);
            return;
        }
    }
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OpenBuy"));
    QApplication::setApplicationDisplayName(QStringLiteral("OpenBuy采购管理系统"));
    SetProgramFont();
    InstallMessageBoxes();
    EnsureDefaultDatabase();
    if (!ConnectDatabase())
        return 0;
    // The main window comes with the application shell; until then the program ends here.
    ShowInfo(QStringLiteral("已连接数据库: %1").arg(TheDatabase().DataSource()));
    TheDatabase().SetConnected(false);
    return 0;
}
