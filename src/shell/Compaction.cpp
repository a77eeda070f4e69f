#include "shell/Compaction.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <filesystem>

namespace {
// Runs one statement on its own connection to a file; false with the provider's text.
bool RunOn(const QString &file, const QString &sql, QString *answer, QString *error)
{
    const QString name = QStringLiteral("openbuy-compact-") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(sql);
            if (ok && answer && query.next())
                *answer = query.value(0).toString();
            if (!ok && error)
                *error = query.lastError().text();
            query.finish();
        } else if (error) {
            *error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
} // namespace

bool CompactDatabaseFile(const QString &file, QString *error)
{
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        if (error)
            *error = QStringLiteral("文件 %1 不存在").arg(file);
        return false;
    }
    const QString temp = file + QStringLiteral(".compact.tmp");
    QFile::remove(temp);
    QString quoted = temp;
    quoted.replace(u'\'', QStringLiteral("''"));
    QString check;
    if (!RunOn(file, QStringLiteral("vacuum into '%1'").arg(quoted), nullptr, error)
        || !RunOn(temp, QStringLiteral("pragma quick_check"), &check, error)
        || check != QLatin1String("ok")) {
        if (error && error->isEmpty())
            *error = check;
        QFile::remove(temp);
        return false;
    }
    // One rename: the data file is either the old one or the whole compacted copy.
    std::error_code code;
    std::filesystem::rename(std::filesystem::path(temp.toStdU16String()),
                            std::filesystem::path(file.toStdU16String()), code);
    if (code) {
        if (error)
            *error = QString::fromStdString(code.message());
        QFile::remove(temp);
        return false;
    }
    return true;
}
