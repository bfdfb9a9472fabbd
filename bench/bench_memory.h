// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>

namespace orvetta::bench {

// VmHWM and VmRSS of this process, in kB.
struct Memory {
    long peakKb = -1;
    long residentKb = -1;
};

inline Memory memoryNow()
{
    Memory memory;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return memory;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            memory.peakKb = line.mid(6).trimmed().split(' ').first().toLong();
        else if (line.startsWith("VmRSS:"))
            memory.residentKb = line.mid(6).trimmed().split(' ').first().toLong();
    }
    return memory;
}

} // namespace orvetta::bench
