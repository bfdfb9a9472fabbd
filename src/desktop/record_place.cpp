// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/record_place.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <QTemporaryFile>
#else
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvetta {

RecordDirectoryChoice chooseRecordDirectory(const DirectoryProbe& machineWide,
                                            const std::function<DirectoryProbe()>& probeFallback)
{
    if (machineWide.usable)
        return {machineWide.path, {}, {}};
    const DirectoryProbe fallback = probeFallback();
    if (fallback.usable) {
        return {fallback.path,
                QCoreApplication::translate("orvetta::RecordDirectory",
                                            "orvetta: record in %1, perché %2 non si può usare (%3)")
                    .arg(fallback.path, machineWide.path, machineWide.reason),
                {}};
    }
    return {std::nullopt,
            {},
            QStringLiteral("%1: %2; %3: %4").arg(machineWide.path, machineWide.reason, fallback.path, fallback.reason)};
}

#ifdef Q_OS_WIN
DirectoryProbe probeDirectory(const QString& path)
{
    if (path.isEmpty())
        return {path, false, QCoreApplication::translate("orvetta::RecordProblem", "la cartella non si conosce")};
    if (!QDir().mkpath(path))
        return {path, false,
                QCoreApplication::translate("orvetta::RecordProblem", "la cartella non esiste e non si può creare")};
    // Permissions on Windows are ACLs: trying is the only sure test.
    QTemporaryFile probe(path + QStringLiteral("/orvetta-XXXXXX"));
    if (!probe.open())
        return {path, false, probe.errorString()};
    return {path, true, {}};
}
#else
DirectoryProbe probeDirectory(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(native.constData(), &info) != 0) {
        if (errno != ENOENT)
            return {path, false, QString::fromLocal8Bit(std::strerror(errno))};
        if (!QDir().mkpath(path))
            return {
                path, false,
                QCoreApplication::translate("orvetta::RecordProblem", "la cartella non esiste e non si può creare")};
        if (::stat(native.constData(), &info) != 0)
            return {path, false, QString::fromLocal8Bit(std::strerror(errno))};
    }
    if (!S_ISDIR(info.st_mode))
        return {path, false, QCoreApplication::translate("orvetta::RecordProblem", "non è una cartella")};
    if (::access(native.constData(), R_OK | W_OK | X_OK) != 0)
        return {path, false, QString::fromLocal8Bit(std::strerror(errno))};
    return {path, true, {}};
}
#endif

} // namespace orvetta
