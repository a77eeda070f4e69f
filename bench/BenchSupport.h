#pragma once

// What every benchmark shares: timing the best of several runs and reading the resident memory.
#include <QElapsedTimer>
#include <QFile>

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
