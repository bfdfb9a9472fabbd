// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/DesktopPlatform.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace orvetta::bench {

// The desktop platform without dialogs: the name box answers "Bench", every
// other box its default, the clock never ticks and the record lives in a
// temporary directory.
class BenchPlatform : public DesktopPlatform {
public:
    int messageBox(QWidget*, const QString&, int style, const QString&) override
    {
        return style == MsgStyle::YesNoQuestionDefaultNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
    QString inputBox(const QString&, const QString&) override { return QStringLiteral("Bench"); }
    Timer* createTimer(QObject*, std::function<void()>) override { return &timer_; }
    FileResult<QString> recordDirectory() override { return useOwnDirectory(dir_.path()); }
    void reportRuntimeError(int number, const QString& description) override
    {
        std::fprintf(stderr, "runtime error %d: %s\n", number, qPrintable(description));
    }
    void endProgram(int) override
    {
        std::fprintf(stderr, "the game ended during the benchmark\n");
        std::exit(3);
    }

private:
    struct StoppedTimer : Timer {
        void setInterval(int) override {}
        void setEnabled(bool enabled) override { enabled_ = enabled; }
        bool isEnabled() const override { return enabled_; }
        bool enabled_ = false;
    };
    QTemporaryDir dir_;
    StoppedTimer timer_;
};

} // namespace orvetta::bench
