// SPDX-License-Identifier: GPL-3.0-or-later
// orvetta-record: the one program that writes the machine-wide record.
//
// Installed set-group-id games, it is the only writer of a directory that only
// root may change; the game runs it to read the record and to save a new one:
//   orvetta-record read          prints both files, framed as "<size> <size>\n" and the bytes
//   orvetta-record save SCORE    the holder's name on standard input; prints "saved",
//                                "not a record", or "kept" when the lock stayed taken
// and, for root only:
//   orvetta-record history       prints the history of changes to the record
//   orvetta-record reset         empties the record, ending a process stopped
//                                while it holds the lock
// Anyone may run it and save any score: what it guarantees is that every
// change is made whole, under the lock, and named in the history with the
// login of the real user, which the caller cannot choose.
// Problems go to standard error as "path: reason", with an exit status that
// tells their kind. Nothing it is given changes where the record lives.
#include "platform/record_files_posix.h"
#include "records/record_journal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvetta;

namespace {

constexpr int usageStatus = 64;
constexpr int notAllowedStatus = 77;

// Whatever the caller left behind: no environment, no descriptors beyond the
// three standard ones (which are always open), a known umask, a file-size
// signal that fails a write instead of killing the save half-way, and no
// stop from the terminal while the lock may be held. (SIGSTOP cannot be
// ignored: a save that finds the lock held by a stopped helper is kept.)
void startClean()
{
    // Before anything is read: no core dump, and no /proc entries of this
    // process that its caller could open, whatever the kernel's settings.
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    ::clearenv();
    ::umask(077);
    for (int fd = 0; fd < 3; ++fd)
        if (::fcntl(fd, F_GETFD) < 0)
            ::open("/dev/null", O_RDWR);
    ::close_range(3, ~0U, 0);
    ::signal(SIGXFSZ, SIG_IGN);
    ::signal(SIGPIPE, SIG_IGN);
    for (const int stop : {SIGTSTP, SIGTTIN, SIGTTOU})
        ::signal(stop, SIG_IGN);
}

// Who runs this, from the real uid, which the caller cannot choose.
std::string realLogin()
{
    const uid_t uid = ::getuid();
    if (const passwd* entry = ::getpwuid(uid))
        return entry->pw_name;
    return "uid " + std::to_string(uid);
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
    struct stat info = {};
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
    const bool forRoot = command == "history" || command == "reset";
    if (!((command == "read" && argc == 2) || (command == "save" && argc == 3) || (forRoot && argc == 2))) {
        std::fputs("usage: orvetta-record read | orvetta-record save SCORE < name\n"
                   "       orvetta-record history | orvetta-record reset   (root only)\n",
                   stderr);
        return usageStatus;
    }
    if (forRoot && ::getuid() != 0) {
        std::fprintf(stderr, "orvetta-record: solo root può usare «%s»\n", command.c_str());
        return notAllowedStatus;
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
    if (command == "history") {
        const auto history = files.history();
        if (!history)
            return report(history.problem);
        return writeOut(*history.value) ? 0 : static_cast<int>(StoreFailure::Io);
    }
    if (command == "reset") {
        const auto ended = resetRecord(files, realLogin());
        if (!ended)
            return report(ended.problem);
        for (const EndedHolder& holder : *ended.value)
            std::printf("orvetta-record: terminato il processo %lld di %s, fermo con il record bloccato\n", holder.pid,
                        holder.login.c_str());
        return 0;
    }
    std::string name;
    if (!readName(name))
        return report({"orvetta-record", "il nome non si può leggere", StoreFailure::Io});
    const auto saved = saveRecord(files, argv[2], name, realLogin());
    if (!saved)
        return report(saved.problem);
    const char* verdict = *saved.value == SaveVerdict::Saved  ? "saved\n"
                          : *saved.value == SaveVerdict::Kept ? "kept\n"
                                                              : "not a record\n";
    // Done is done: a caller that closed its end learns nothing, but no failure.
    writeOut(verdict);
    return 0;
}
