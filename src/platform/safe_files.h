#pragma once

#include "platform/Platform.h"

#include <vector>

// File operations for a directory that every player of the machine may write
// to: they never follow a symbolic link, never block on a FIFO or device, and
// accept only regular files.
namespace orvetta::safe_files {

// Files larger than this are not record files; reading one is refused.
constexpr qint64 maxReadableBytes = 64 * 1024;

FileOutcome createIfMissing(const QString& path);
FileResult<QByteArray> readWhole(const QString& path);

// Writes every new content to a temporary file beside its target first, then
// renames them into place in order while holding lockPath, so that each
// target holds either its old or its new content, whole, at every instant.
FileOutcome replaceFiles(const std::vector<FileContent>& files, const QString& lockPath);

} // namespace orvetta::safe_files
