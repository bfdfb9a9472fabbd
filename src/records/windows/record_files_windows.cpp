// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/windows/record_files_windows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <utility>
#include <vector>
#include <windows.h>

#include <restartmanager.h>

namespace orvetta {
namespace {

// Paths in the ANSI code page, as the platform reads them back; reasons in UTF-8, as the store writes its own.
StoreProblem problemAt(const QString& path, const QString& reason, StoreFailure kind = StoreFailure::Io)
{
    return {path.toLocal8Bit().toStdString(), reason.toStdString(), kind};
}

// Another program's open file, as a scanner, a backup or a pupil's editor
// holds it, is let go within moments, or never.
constexpr qint64 heldFileWaitMs = 3000;

// The programs that have `path` open, as the Restart Manager names them;
// none where Windows cannot tell.
QStringList programsHolding(const QString& path)
{
    QStringList programs;
    DWORD session = 0;
    WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
    if (RmStartSession(&session, 0, key) != ERROR_SUCCESS)
        return programs;
    LPCWSTR files[] = {reinterpret_cast<LPCWSTR>(path.utf16())};
    UINT needed = 0, count = 0;
    DWORD reasons = 0;
    std::vector<RM_PROCESS_INFO> found;
    if (RmRegisterResources(session, 1, files, 0, nullptr, 0, nullptr) == ERROR_SUCCESS
        && RmGetList(session, &needed, &count, nullptr, &reasons) == ERROR_MORE_DATA) {
        found.resize(needed);
        count = needed;
        if (RmGetList(session, &needed, &count, found.data(), &reasons) != ERROR_SUCCESS)
            count = 0;
    }
    RmEndSession(session);
    for (UINT i = 0; i < count && i < found.size(); ++i)
        programs << QStringLiteral("%1 (%2)")
                        .arg(QString::fromWCharArray(found[i].strAppName))
                        .arg(found[i].Process.dwProcessId);
    return programs;
}

// Why `path` cannot be opened now, with the programs that hold it where Windows can tell.
QString heldReason(const QString& path)
{
    const QString reason = QStringLiteral("è aperto in un altro programma");
    const QStringList holders = programsHolding(path);
    return holders.isEmpty() ? reason : reason + QStringLiteral(": ") + holders.join(QStringLiteral(", "));
}

// Why `path` could not be opened, from the error Windows gave.
StoreProblem openingProblem(const QString& path, DWORD error, bool createWhenMissing)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NETNAME_DELETED:
    case ERROR_NETWORK_UNREACHABLE:
    case ERROR_UNEXP_NET_ERR:
        // A file that may be made is missing only with its folder: a server
        // that is down, a share that is gone, a drive not there.
        if (createWhenMissing)
            return problemAt(path, QStringLiteral("la cartella del record non si raggiunge: ") + lastError(),
                             StoreFailure::Unusable);
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return problemAt(path, QStringLiteral("manca (lo prepara il programma d'installazione)"),
                             StoreFailure::Unusable);
        break;
    case ERROR_SHARING_VIOLATION: return problemAt(path, heldReason(path), StoreFailure::Busy);
    default: break;
    }
    return problemAt(path, lastError(), StoreFailure::Unusable);
}

// A handle on a plain file of its own at path, never on what a link or
// junction there points to. A file another program holds open is waited for
// a while; a read-only one is made writable again.
class FileHandle {
public:
    FileHandle(const QString& path, DWORD access, bool createWhenMissing) : path_(path)
    {
        QElapsedTimer waited;
        waited.start();
        DWORD error = ERROR_SUCCESS;
        for (;;) {
            handle_ = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), access,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  createWhenMissing ? OPEN_ALWAYS : OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            error = GetLastError();
            if (handle_ != INVALID_HANDLE_VALUE)
                break;
            if (error == ERROR_ACCESS_DENIED && clearReadOnly(path))
                continue;
            if (error != ERROR_SHARING_VIOLATION || waited.elapsed() >= heldFileWaitMs)
                break;
            QThread::msleep(50);
        }
        if (handle_ == INVALID_HANDLE_VALUE) {
            SetLastError(error);
            problem_ = openingProblem(path, error, createWhenMissing);
            return;
        }
        BY_HANDLE_FILE_INFORMATION info = {};
        if (!GetFileInformationByHandle(handle_, &info)) {
            problem_ = problemAt(path, lastError());
        } else if (GetFileType(handle_) != FILE_TYPE_DISK
                   || (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
            problem_ = problemAt(path, QStringLiteral("non è un file regolare"), StoreFailure::Unusable);
        } else {
            size_ = (static_cast<long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
            // Opened for writing all the same, as whoever may ignore the attribute can.
            if ((access & GENERIC_WRITE) != 0 && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0)
                clearReadOnly(path);
        }
    }
    ~FileHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    const StoreProblem& problem() const { return problem_; }
    long long size() const { return size_; }
    HANDLE handle() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

    // The first `limit` bytes at most.
    StoreResult<std::string> readAll(long long limit)
    {
        std::string bytes(static_cast<size_t>(std::min(size_, limit)), '\0');
        DWORD done = 0;
        if (!bytes.empty() && (!ReadFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr)))
            return {std::nullopt, problemAt(path_, lastError())};
        bytes.resize(done);
        return {std::move(bytes), {}};
    }

    // Replaces the content in place; the bytes are on disk when it returns.
    StoreProblem replaceWith(const std::string& bytes)
    {
        DWORD done = 0;
        const bool written = SetEndOfFile(handle_)
                             && (bytes.empty()
                                 || (WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr)
                                     && done == bytes.size()))
                             && FlushFileBuffers(handle_);
        return written ? StoreProblem{} : problemAt(path_, lastError());
    }

private:
    QString path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    StoreProblem problem_;
    long long size_ = 0;
};

} // namespace

QString lastError()
{
    return qt_error_string(static_cast<int>(GetLastError())).trimmed();
}

bool clearReadOnly(const QString& path)
{
    const auto name = reinterpret_cast<LPCWSTR>(path.utf16());
    const DWORD attributes = GetFileAttributesW(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0
           && SetFileAttributesW(name, attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

QString WindowsRecordFiles::machineDirectory()
{
    char buffer[128];
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return length == 0 || length >= sizeof buffer ? QString()
                                                  : QString::fromLocal8Bit(buffer, static_cast<qsizetype>(length));
}

WindowsRecordFiles::WindowsRecordFiles(QString directory, Layout layout)
    : directory_(QDir::toNativeSeparators(directory)),
      layout_(layout),
      lock_(INVALID_HANDLE_VALUE)
{
}

WindowsRecordFiles::~WindowsRecordFiles()
{
    unlock();
}

QString WindowsRecordFiles::pathOf(std::string_view name) const
{
    return directory_ + QLatin1Char('\\') + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString WindowsRecordFiles::pathOf(StoreFile file) const
{
    switch (file) {
    case StoreFile::Score: return pathOf(scoreFileName);
    case StoreFile::Holder: return pathOf(holderFileName);
    case StoreFile::Journal: break;
    }
    return pathOf(journalFileName);
}

StoreProblem WindowsRecordFiles::checkPrepared(const QString& directory)
{
    const WindowsRecordFiles files(directory, Layout::Prepared);
    for (const std::string_view name : recordFileNames) {
        const QString path = files.pathOf(name);
        const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16()));
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return problemAt(path, QStringLiteral("manca (lo prepara il programma d'installazione)"),
                             StoreFailure::Unusable);
    }
    return {};
}

StoreProblem WindowsRecordFiles::lock(std::chrono::milliseconds wait)
{
    unlock();
    const QString path = pathOf(lockFileName);
    FileHandle file(path, GENERIC_READ | GENERIC_WRITE, layout_ == Layout::MadeOnFirstUse);
    if (file.problem())
        return file.problem();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        OVERLAPPED firstByte = {};
        if (LockFileEx(file.handle(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &firstByte)) {
            lock_ = file.release();
            return {};
        }
        if (GetLastError() != ERROR_LOCK_VIOLATION)
            return problemAt(path, lastError());
        if (waited.elapsed() >= wait.count())
            return problemAt(path, QStringLiteral("un'altra partita sta salvando il record da troppo tempo"),
                             StoreFailure::Busy);
        QThread::msleep(10);
    }
}

void WindowsRecordFiles::unlock()
{
    // Closing the handle drops the lock.
    if (lock_ != INVALID_HANDLE_VALUE)
        CloseHandle(std::exchange(lock_, INVALID_HANDLE_VALUE));
}

StoreResult<std::string> WindowsRecordFiles::read(StoreFile file)
{
    const QString path = pathOf(file);
    FileHandle content(path, GENERIC_READ, layout_ == Layout::MadeOnFirstUse);
    if (content.problem())
        return {std::nullopt, content.problem()};
    StoreResult<std::string> bytes = content.readAll(maxRecordFileBytes);
    if (!bytes || content.size() <= maxRecordFileBytes || file == StoreFile::Journal)
        return bytes; // a journal that big never decodes: it is dropped under the lock
    // Every player may write these files, so one too big for a record must
    // not end the game: it reads as its first line, or as no record.
    const size_t lineEnd = bytes.value->find('\n');
    bytes.value->resize(lineEnd == std::string::npos ? 0 : lineEnd + 1);
    return bytes;
}

StoreProblem WindowsRecordFiles::write(StoreFile file, const std::string& bytes)
{
    FileHandle content(pathOf(file), GENERIC_WRITE, layout_ == Layout::MadeOnFirstUse);
    if (content.problem())
        return content.problem();
    return content.replaceWith(bytes);
}

} // namespace orvetta
