// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/record_files_windows.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvetta {
namespace {

StoreProblem problemAt(const QString& path, const QString& reason, StoreFailure kind = StoreFailure::Io)
{
    return {path.toStdString(), reason.toStdString(), kind};
}

// Anything at a record name that is not a plain file of its own.
bool isPlanted(const QFileInfo& info)
{
    return info.isSymLink() || info.isShortcut() || info.isJunction() || (info.exists() && !info.isFile());
}

} // namespace

WindowsRecordFiles::WindowsRecordFiles(QString directory) : directory_(std::move(directory)) {}

QString WindowsRecordFiles::pathOf(StoreFile file) const
{
    switch (file) {
    case StoreFile::Score: return directory_ + QLatin1Char('/') + QString::fromLatin1(scoreFileName);
    case StoreFile::Holder: return directory_ + QLatin1Char('/') + QString::fromLatin1(holderFileName);
    case StoreFile::Journal: break;
    }
    return directory_ + QStringLiteral("/fraprod.journal");
}

StoreProblem WindowsRecordFiles::lock(std::chrono::milliseconds wait)
{
    const QString path = directory_ + QStringLiteral("/fraprod.lock");
    lock_ = std::make_unique<QLockFile>(path);
    if (!lock_->tryLock(static_cast<int>(wait.count()))) {
        lock_.reset();
        return problemAt(path, QStringLiteral("un'altra partita sta salvando il record da troppo tempo"),
                         StoreFailure::Busy);
    }
    return {};
}

void WindowsRecordFiles::unlock()
{
    lock_.reset();
}

StoreResult<std::string> WindowsRecordFiles::read(StoreFile file)
{
    const QString path = pathOf(file);
    const QFileInfo info(path);
    if (isPlanted(info))
        return {std::nullopt, problemAt(path, QStringLiteral("non è un file regolare"), StoreFailure::Unusable)};
    QFile content(path);
    if (!info.exists()) {
        if (!content.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return {std::nullopt, problemAt(path, content.errorString(), StoreFailure::Unusable)};
        return {std::string(), {}};
    }
    if (info.size() > maxRecordFileBytes)
        return {std::nullopt, problemAt(path, QStringLiteral("è troppo grande per essere un file del record"),
                                        StoreFailure::Unusable)};
    if (!content.open(QIODevice::ReadOnly))
        return {std::nullopt, problemAt(path, content.errorString())};
    return {content.read(maxRecordFileBytes).toStdString(), {}};
}

StoreProblem WindowsRecordFiles::write(StoreFile file, const std::string& bytes)
{
    const QString path = pathOf(file);
    if (isPlanted(QFileInfo(path)))
        return problemAt(path, QStringLiteral("non è un file regolare"), StoreFailure::Unusable);
    // QSaveFile writes beside the target and renames over it on commit.
    QSaveFile content(path);
    const bool written =
        content.open(QIODevice::WriteOnly)
        && content.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && content.commit();
    return written ? StoreProblem{} : problemAt(path, content.errorString());
}

} // namespace orvetta
