// SPDX-License-Identifier: GPL-3.0-or-later
// orvetta-record: the one program that writes the machine-wide record.
//
// Installed set-group-id games, it is the only writer of a directory that only
// root may change; the game runs it to read the record and to save a new one
// (helper_command.h says what it does with its arguments and input).
// Root and the teachers the administrator named (record_keepers.h) may also
// read the history and reset the record.
// Anyone may run it and save any score: what it guarantees is that every
// change is made whole, under the lock, and named in the history with the
// login of the real user, which the caller cannot choose.
// Nothing it is given changes where the record lives.
#include "helper/helper_command.h"
#include "helper/record_keepers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvetta;

namespace {

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

// Who runs this, from the real uid and groups, which the caller cannot choose.
HelperCaller realCaller()
{
    HelperCaller caller;
    caller.uid = ::getuid();
    const passwd* entry = ::getpwuid(caller.uid);
    caller.login = entry ? entry->pw_name : "uid " + std::to_string(caller.uid);
    const RecordKeepers keepers = readRecordKeepers(ORVETTA_KEEPERS_FILE);
    caller.keepersGroup = keepers.group ? keepers.groupName : "";
    caller.keepersNote = keepers.note;
    caller.keepsRecord = caller.uid == 0 || (keepers.group && callerIsInGroup(*keepers.group));
    return caller;
}

std::optional<std::string> readName()
{
    std::string name;
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return name;
        name.append(buffer, static_cast<std::size_t>(n));
        if (name.size() > maxHolderBytes)
            return name; // too long whatever follows: the store refuses it
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
    const HelperReply reply = runRecordHelper({argv + 1, argv + argc}, realCaller(), ORVETTA_RECORD_DIRECTORY,
                                              StoreOwner{0, static_cast<unsigned>(::getegid())}, readName);
    std::fwrite(reply.errors.data(), 1, reply.errors.size(), stderr);
    if (!writeOut(reply.output) && reply.outputIsTheResult)
        return static_cast<int>(StoreFailure::Io);
    return reply.status;
}
