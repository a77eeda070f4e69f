#include "config/DefaultDatabase.h"

#include "config/Configer.h"
#include "data/Database.h"
#include "data/Schema.h"

#include <QFile>
#include <QFileInfo>

bool CreateDefaultDatabaseIfMissing(const TConfiger &configer, QString *error)
{
    if (configer.providerIdx != 1 || !configer.defaultCon)
        return true;
    const QString file = TConfiger::DefaultDatabaseFile();
    if (QFileInfo::exists(file))
        return true;
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("无法建立数据库文件 %1: %2").arg(file, f.errorString());
        return false;
    }
    f.close();
    bool created = false;
    {
        TDatabase database;
        QString why;
        created = database.TryConnect(QStringLiteral("Provider=SQLite;Data Source=") + file, &why)
            && TSchema::Standard().CreateDatabase(database, &why);
        if (!created && error)
            *error = QStringLiteral("无法建立数据库文件 %1:\r\n%2").arg(file, why);
    }
    // Half a database is worse than none: the next start tries again.
    if (!created)
        QFile::remove(file);
    return created;
}
