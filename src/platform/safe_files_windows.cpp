#include "platform/safe_files.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <memory>

namespace orvetta::safe_files {
namespace {

FileProblem notARegularFile(const QString& path)
{
    return {path, QStringLiteral("non è un file regolare")};
}

bool isPlanted(const QFileInfo& info)
{
    return info.isSymLink() || info.isShortcut() || info.isJunction() || !info.isFile();
}

} // namespace

FileOutcome createIfMissing(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return isPlanted(info) ? FileOutcome{false, notARegularFile(path)} : FileOutcome{};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {false, {path, file.errorString()}};
    return {};
}

FileResult<QByteArray> readWhole(const QString& path)
{
    const QFileInfo info(path);
    if (isPlanted(info))
        return {std::nullopt, notARegularFile(path)};
    if (info.size() > maxReadableBytes)
        return {std::nullopt, {path, QStringLiteral("è troppo grande per essere un file del record")}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, {path, file.errorString()}};
    QByteArray content = file.read(maxReadableBytes + 1);
    if (content.size() > maxReadableBytes)
        return {std::nullopt, {path, QStringLiteral("è troppo grande per essere un file del record")}};
    return {content, {}};
}

FileOutcome replaceFiles(const std::vector<FileContent>& files, const QString& lockPath)
{
    QLockFile lock(lockPath);
    lock.setStaleLockTime(5000);
    if (!lock.tryLock(10000))
        return {false, {lockPath, QStringLiteral("un'altra partita sta salvando il record")}};

    // QSaveFile writes beside the target and renames over it on commit.
    std::vector<std::unique_ptr<QSaveFile>> prepared;
    for (const FileContent& content : files) {
        auto file = std::make_unique<QSaveFile>(content.path);
        if (!file->open(QIODevice::WriteOnly) || file->write(content.bytes) != content.bytes.size())
            return {false, {content.path, file->errorString()}};
        prepared.push_back(std::move(file));
    }
    for (size_t i = 0; i < prepared.size(); ++i) {
        if (!prepared[i]->commit())
            return {false, {files[i].path, prepared[i]->errorString()}};
    }
    return {};
}

} // namespace orvetta::safe_files
