#pragma once

// Started by the benchmark: once the first window has been shown and the
// event loop has painted it, print the peak resident memory and quit.

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

inline void reportWhenShown() {
    QTimer::singleShot(0, [] {
        QFile status(QStringLiteral("/proc/self/status"));
        long peakKb = -1;
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    peakKb = line.mid(6).trimmed().split(' ').value(0).toLong();
        std::printf("shown %ld\n", peakKb);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
