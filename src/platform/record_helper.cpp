// SPDX-License-Identifier: GPL-3.0-or-later
// orvetta-record: the one program that writes the machine-wide record.
//
// Installed set-group-id games, it is the only writer of a directory that only
// root may change; the game runs it to read the record and to save a new one:
//   orvetta-record read          prints both files, framed as "<size> <size>\n" and the bytes
//   orvetta-record save SCORE    the holder's name on standard input; prints "saved" or "not a record"
// Problems go to standard error as "path: reason", with an exit status that
// tells their kind. Nothing it is given changes where the record lives.
#include "platform/record_files.h"
#include "records/record_journal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvetta;

namespace {

constexpr int usageStatus = 64;

// Whatever the caller left behind: no environment, no descriptors beyond the
// three standard ones (which are always open), a known umask, and a file-size
// signal that fails a write instead of killing the save half-way.
void startClean()
{
    ::clearenv();
    ::umask(077);
    for (int fd = 0; fd < 3; ++fd)
        if (::fcntl(fd, F_GETFD) < 0)
            ::open("/dev/null", O_RDWR);
    ::close_range(3, ~0U, 0);
    ::signal(SIGXFSZ, SIG_IGN);
    ::signal(SIGPIPE, SIG_IGN);
}

int report(const StoreProblem& problem)
{
    std::fprintf(stderr, "%s: %s\n", problem.path.empty() ? "orvetta-record" : problem.path.c_str(),
                 problem.reason.c_str());
    return static_cast<int>(problem.kind);
}

// Only root may change the directory: otherwise whoever can plant files in it
// could make this program write where they like.
StoreProblem checkDirectory(const std::string& directory)
{
    struct stat info {};
    if (::lstat(directory.c_str(), &info) != 0)
        return {directory, std::strerror(errno), StoreFailure::Unusable};
    if (!S_ISDIR(info.st_mode) || info.st_uid != 0 || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return {directory, "non è una cartella che solo root può modificare", StoreFailure::Unusable};
    return {};
}

bool readName(std::string& name)
{
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        name.append(buffer, static_cast<std::size_t>(n));
        if (name.size() > maxHolderBytes)
            return true; // too long whatever follows: the store refuses it
    }
}

bool writeOut(const std::string& bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    startClean();
    const std::string command = argc > 1 ? argv[1] : "";
    if (!((command == "read" && argc == 2) || (command == "save" && argc == 3))) {
        std::fputs("usage: orvetta-record read | orvetta-record save SCORE < name\n", stderr);
        return usageStatus;
    }
    const std::string directory = ORVETTA_RECORD_DIRECTORY;
    if (const StoreProblem problem = checkDirectory(directory))
        return report(problem);
    PosixRecordFiles files(directory, StoreOwner{0, static_cast<unsigned>(::getegid())});

    if (command == "read") {
        const auto record = readRecord(files);
        if (!record)
            return report(record.problem);
        return writeOut(framePair(*record.value)) ? 0 : static_cast<int>(StoreFailure::Io);
    }
    std::string name;
    if (!readName(name))
        return report({"orvetta-record", "il nome non si può leggere", StoreFailure::Io});
    const auto saved = saveRecord(files, argv[2], name);
    if (!saved)
        return report(saved.problem);
    return writeOut(*saved.value == SaveVerdict::Saved ? "saved\n" : "not a record\n") ? 0
                                                                                      : static_cast<int>(StoreFailure::Io);
}
