// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt Widgets program the game is compared with: one empty
// maximised main window.
//   bench_minimal startup   exits once the window is exposed
//   bench_minimal memory    prints VmHWM and VmRSS once it is exposed
#include "bench_memory.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = QApplication::arguments().value(1);
    if (mode != QLatin1String("startup") && mode != QLatin1String("memory")) {
        std::fprintf(stderr, "usage: bench_minimal startup | memory\n");
        return 64;
    }
    QMainWindow window;
    window.showMaximized();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    if (mode == QLatin1String("memory")) {
        QCoreApplication::processEvents();
        const orvetta::bench::Memory m = orvetta::bench::memoryNow();
        std::printf("memory 0 %ld %ld\n", m.peakKb, m.residentKb);
    }
    return 0;
}
