#pragma once

// What every benchmark shares: timing the best of several runs and reading the resident memory.
#include "data/Database.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <unistd.h>

// The best of several runs, in milliseconds.
template<class F>
double BestMs(int runs, F &&f)
{
    double best = 1e18;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, double(t.nsecsElapsed()) / 1e6);
    }
    return best;
}

// The process's resident memory in KB (0 where /proc is missing).
inline long ResidentKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// Connects TheDatabase to the connection given as the first argument, or to a new SQLite file
// of that name in the temporary directory (returned in file, to be removed at the end).
inline bool ConnectBenchDatabase(int argc, char **argv, const QString &fileName, QString *file,
                                 QTextStream &out)
{
    QString connection = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    file->clear();
    if (connection.isEmpty()) {
        *file = QDir::temp().filePath(fileName);
        QFile::remove(*file);
        QFile(*file).open(QIODevice::WriteOnly);
        connection = QStringLiteral("Provider=SQLite;Data Source=") + *file;
    }
    QString error;
    if (TheDatabase().TryConnect(connection, &error))
        return true;
    out << "cannot connect: " << error << Qt::endl;
    return false;
}
