#include "platform/safe_files.h"

#include <QFileInfo>
#include <QDir>

#include <cerrno>
#include <cstring>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvetta::safe_files {
namespace {

const QString tooLarge = QStringLiteral("è troppo grande per essere un file del record");

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

FileProblem problemAt(const QString& path, int error)
{
    if (error == ELOOP)
        return {path, QStringLiteral("è un collegamento simbolico, non un file")};
    return {path, systemReason(error)};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    bool valid() const { return fd_ >= 0; }
private:
    int fd_;
};

// Opens an existing path for reading without following a link and without
// blocking on a FIFO, and checks that it is a regular file.
FileResult<int> openRegularForReading(const QString& path, struct stat& info)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {std::nullopt, problemAt(path, errno)};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return {std::nullopt, problemAt(path, error)};
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return {std::nullopt, {path, QStringLiteral("non è un file regolare")}};
    }
    return {fd, {}};
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

struct PreparedFile {
    QString target;
    QByteArray tempName;
};

void discard(const std::vector<PreparedFile>& prepared, size_t from)
{
    for (size_t i = from; i < prepared.size(); ++i)
        ::unlink(prepared[i].tempName.constData());
}

// A new file beside the target, never through a link: mkstemp creates it exclusively.
FileResult<PreparedFile> prepare(const FileContent& file)
{
    const QFileInfo target(file.path);
    QByteArray name = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                                        + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {std::nullopt, problemAt(file.path, errno)};
    Descriptor temp(fd);
    const bool written = writeAll(fd, file.bytes) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (!written) {
        ::unlink(name.constData());
        return {std::nullopt, problemAt(file.path, error)};
    }
    return {PreparedFile{file.path, name}, {}};
}

void syncDirectory(const QString& directory)
{
    Descriptor dir(::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

// The kernel releases the lock when its holder dies, however it dies, so a
// killed game never blocks the next save. The lock file itself stays.
FileResult<int> lockSaves(const QString& lockPath)
{
    const QByteArray native = QFile::encodeName(lockPath);
    const int fd = ::open(native.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0)
        return {std::nullopt, problemAt(lockPath, errno)};
    Descriptor lock(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return {std::nullopt, {lockPath, QStringLiteral("non è un file regolare")}};
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return {std::nullopt, problemAt(lockPath, errno)};
        if (std::chrono::steady_clock::now() > giveUp)
            return {std::nullopt, {lockPath, QStringLiteral("un'altra partita sta salvando il record")}};
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return {lock.release(), {}};
}

// Temporary files of a save that was killed before it renamed them. Only a
// save holding the lock has temporary files, so under the lock any is a leftover.
void removeLeftoversOf(const QString& target)
{
    const QFileInfo info(target);
    const QString prefix = QStringLiteral(".") + info.fileName() + QStringLiteral(".");
    const QDir directory = info.absoluteDir();
    for (const QString& name : directory.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System))
        ::unlink(QFile::encodeName(directory.filePath(name)).constData());
}

} // namespace

FileOutcome createIfMissing(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    if (errno != EEXIST)
        return {false, problemAt(path, errno)};
    struct stat info {};
    const auto existing = openRegularForReading(path, info);
    if (!existing)
        return {false, existing.problem};
    ::close(*existing.value);
    return {};
}

FileResult<QByteArray> readWhole(const QString& path)
{
    struct stat info {};
    const auto opened = openRegularForReading(path, info);
    if (!opened)
        return {std::nullopt, opened.problem};
    Descriptor fd(*opened.value);
    if (info.st_size > maxReadableBytes)
        return {std::nullopt, {path, tooLarge}};

    QByteArray content;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {std::nullopt, problemAt(path, errno)};
        if (n == 0)
            break;
        content.append(buffer, n);
        if (content.size() > maxReadableBytes)
            return {std::nullopt, {path, tooLarge}};
    }
    return {content, {}};
}

FileOutcome replaceFiles(const std::vector<FileContent>& files, const QString& lockPath)
{
    const auto lock = lockSaves(lockPath);
    if (!lock)
        return {false, lock.problem};
    Descriptor held(*lock.value);
    for (const FileContent& file : files)
        removeLeftoversOf(file.path);

    std::vector<PreparedFile> prepared;
    for (const FileContent& file : files) {
        auto ready = prepare(file);
        if (!ready) {
            discard(prepared, 0);
            return {false, ready.problem};
        }
        prepared.push_back(*ready.value);
    }
    for (size_t i = 0; i < prepared.size(); ++i) {
        const QByteArray target = QFile::encodeName(prepared[i].target);
        if (::rename(prepared[i].tempName.constData(), target.constData()) != 0) {
            const int error = errno;
            discard(prepared, i);
            return {false, problemAt(prepared[i].target, error)};
        }
    }
    if (!prepared.empty())
        syncDirectory(QFileInfo(prepared.front().target).absolutePath());
    return {};
}

} // namespace orvetta::safe_files
