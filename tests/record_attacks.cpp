// SPDX-License-Identifier: GPL-3.0-or-later
// Players without privileges against the record as the package lays it out:
// they read it and save through the set-group-id helper, and can change,
// delete or hold it up in no other way; every save is in root's history; the
// package's postinst turns an old layout that pupils could write into the new
// one without being turned against the machine. check-record-privileges runs
// this as root in a private mount namespace with the helper installed. A pupil
// is a child that drops to their uid and runs a command, or a tool of theirs:
// their own helpers stepped, stopped or frozen while /proc/locks shows them
// holding the lock, or killed at random moments.
#include "records/posix/lock_holder.h"
#include "records/record_history.h"
#include "records/record_journal.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <random>
#include <ranges>
#include <sched.h>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace std::chrono_literals;
using namespace std::string_literals;
using Clock = std::chrono::steady_clock;

namespace {

const std::string records = "/var/games/orvetta", programs = "/usr/lib/games/orvetta/",
                  helper = programs + "orvetta-record", saver = programs + "fault_saver",
                  postinst = programs + "postinst";
constexpr uid_t root = 0, martina = 4242, piero = 4243, teacher = 4244;
constexpr gid_t teachers = 4300; // the teacher's one group besides their own
int failures = 0;
// As long as a school's directory makes them: the history must name them whole.
const auto login = [](uid_t uid) { return std::string(::getpwuid(uid)->pw_name); };

const auto cat = [](const auto&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
};
// A file of /proc whose process ends while it is read fails the read (ESRCH):
// then what was read, which the stream's own error handling keeps.
const auto textOf = [](const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
};
const auto writeTo = [](const std::string& path, const std::string& text) {
    return static_cast<bool>(std::ofstream(path, std::ios::binary) << text << std::flush);
};
// A memory file of ours, read or written afresh through /proc.
const auto memoryFile = [](int fd) { return cat("/proc/", ::getpid(), "/fd/", fd); };

const auto split = [](std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (const auto part : std::views::split(text, separator))
        parts.emplace_back(part.begin(), part.end());
    return parts;
};
const auto linesOf = [](const std::string& text) {
    return split(text.substr(0, text.size() - text.ends_with('\n')), '\n');
};

// Bytes as text on one line, with escapes for what would not show.
const auto shown = [](const std::string& text, std::size_t most = 300) {
    std::string seen;
    for (const unsigned char c : text.substr(0, most))
        seen += c >= ' ' && c != 127 ? std::string(1, c)
                : c == '\n'          ? "\\n"
                : c == '\r'          ? "\\r"
                : c == '\t'          ? "\\t"
                                     : cat("\\", std::oct, int(c));
    return text.size() > most ? seen + "..." : seen;
};

const auto check = [](bool ok, const std::string& what, const std::string& seen) {
    std::printf("%s: %s: %s\n", ok ? "ok" : "FAIL", what.c_str(), seen.c_str());
    return ok || ++failures == 0;
};
const auto expect = [](const std::string& seen, const std::string& wanted, const std::string& what) {
    return check(seen == wanted, what, shown(seen));
};

const auto waitUntil = [](const std::function<bool()>& done, std::chrono::milliseconds most) {
    for (const auto giveUp = Clock::now() + most; !done(); std::this_thread::sleep_for(20ms))
        if (Clock::now() > giveUp)
            return false;
    return true;
};

// The state in /proc/PID/stat, after the command name, which may hold anything; '?' once it is gone.
const auto stateOf = [](pid_t pid) {
    const std::string stat = textOf(cat("/proc/", pid, "/stat"));
    return stat.rfind(')') + 2 < stat.size() ? stat[stat.rfind(')') + 2] : '?';
};
// Blocked reading its name: kernels name the wait pipe_read or anon_pipe_read.
const auto readsPipe = [](pid_t pid) { return textOf(cat("/proc/", pid, "/wchan")).ends_with("pipe_read"); };
const auto inputOf = [](const std::string& text) {
    const int fd = ::memfd_create("input", MFD_CLOEXEC);
    return writeTo(memoryFile(fd), text) ? fd : -1;
};

struct Run {
    int status = -1;
    std::string out, err;
    long long ms = 0;
    std::string seen() const { return cat("status ", status, " after ", ms, " ms, said '", shown(out + err), "'"); }
};

// What a child runs to run `args` as `uid`; a pupil's with the bare
// environment of a session (whose locale is UTF-8, as Qt from 6.5 on says at
// every start otherwise).
const auto command = [](uid_t uid, std::vector<std::string> args) {
    return [=]() mutable {
        std::vector<char*> argv(args.size() + 1); // ended by a null pointer
        std::ranges::transform(args, argv.begin(), [](std::string& arg) { return arg.data(); });
        const std::string home = cat("HOME=/tmp/", uid);
        const char* env[] = {home.c_str(), "PATH=/usr/bin:/bin", "LANG=C.UTF-8", "QT_QPA_PLATFORM=offscreen", nullptr};
        return ::execvpe(argv[0], argv.data(), uid == root ? environ : const_cast<char**>(env)), 127;
    };
};

// A child that runs `body` as `uid` (root's stay root's; a pupil's have no
// groups, the teacher's only theirs, once root moved them into `cgroup` if given), reading `in`, which
// it takes (else /dev/null), writing to memory files, and with none of this
// program's other descriptors. Root's children each lead a process group,
// ended whole; a pupil's tool keeps their helpers in its own. Stepped, a
// helper starts stopped and runs a few microseconds at a time once it is on a
// processor: anyone may stop and continue their own processes, the
// set-group-id helper included, see in /proc/PID/schedstat when it runs, and
// look at what it did in between. It then does little between two looks,
// however busy the machine.
class Job {
public:
    Job(uid_t uid, const std::function<int()>& body, int in = -1, const std::string& cgroup = {})
    {
        const bool leader = ::getuid() == root, pupil = uid != ::geteuid();
        std::fflush(nullptr);
        if ((pid_ = ::fork()) == 0) {
            if ((leader && ::setpgid(0, 0)) || (!cgroup.empty() && !writeTo(cgroup + "/cgroup.procs", "0"))
                || ::dup2(in < 0 ? ::open("/dev/null", O_RDONLY) : in, 0) < 0 || ::dup2(out_, 1) < 0
                || ::dup2(err_, 2) < 0 || ::close_range(3, ~0U, 0) || ::prctl(PR_SET_PDEATHSIG, SIGKILL)
                || std::signal(SIGPIPE, SIG_DFL) == SIG_ERR
                || (pupil
                    && (::setgroups(uid == teacher, &teachers) || ::setresgid(uid, uid, uid)
                        || ::setresuid(uid, uid, uid))))
                ::_exit(126);
            const int status = body();
            ::_exit(std::fflush(nullptr) == 0 ? status : 125);
        }
        if (leader)
            ::setpgid(pid_, pid_);
        ::close(in);
        reaped_ = pid_ < 0;
    }
    Job(uid_t uid, const std::vector<std::string>& args, int in = -1) : Job(uid, command(uid, args), in) {}
    ~Job() { wait(0s), ::close(out_), ::close(err_); }
    Job(const Job&) = delete;

    pid_t pid() const { return pid_; }
    std::string out() const { return textOf(memoryFile(out_)); }
    std::string err() const { return textOf(memoryFile(err_)); }
    bool running() { return !reaped_ && !(reaped_ = ::waitpid(pid_, &status_, WNOHANG) == pid_); }
    // Ended where it is, and its group, if it takes longer than `most`.
    Run wait(std::chrono::milliseconds most = 120s)
    {
        for (const auto giveUp = Clock::now() + most; running() && Clock::now() < giveUp;)
            std::this_thread::sleep_for(1ms);
        if (running())
            ::kill(-pid_, SIGKILL), ::kill(pid_, SIGKILL);
        if (!std::exchange(reaped_, true))
            ::waitpid(pid_, &status_, 0); // no signal of ours has a handler to interrupt it
        return {WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_), out(), err(),
                (Clock::now() - start_) / 1ms};
    }
    // Lets it run about 5 us once it is back on a processor, and stops it
    // again; false once it has ended. The first step waits for it to stop.
    bool step()
    {
        const bool first = !std::exchange(stepped_, true);
        const auto timesRun = [this] { // how many times it was put on a processor; -1 if the kernel does not say
            long long times = -1;
            std::sscanf(textOf(cat("/proc/", pid_, "/schedstat")).c_str(), "%*d %*d %lld", &times);
            return times;
        };
        const long long before = first ? -1 : timesRun();
        if (!first && (reaped_ || ::kill(pid_, SIGCONT) != 0))
            return false;
        for (const auto giveUp = Clock::now() + 2ms; before >= 0 && timesRun() == before && Clock::now() < giveUp;)
            std::this_thread::sleep_for(5us);
        std::this_thread::sleep_for(5us);
        if (!reaped_ && (first || ::kill(pid_, SIGSTOP) == 0))
            ::waitpid(pid_, &status_, WUNTRACED);
        return !(reaped_ = reaped_ || !WIFSTOPPED(status_));
    }

private:
    int out_ = ::memfd_create("out", MFD_CLOEXEC), err_ = ::memfd_create("err", MFD_CLOEXEC);
    pid_t pid_ = -1;
    int status_ = W_EXITCODE(127, 0);
    bool reaped_ = false, stepped_ = false;
    Clock::time_point start_ = Clock::now();
};

const auto run = [](uid_t uid, const std::vector<std::string>& args, const std::string& input = {},
                    std::chrono::seconds most = 120s) { return Job(uid, args, inputOf(input)).wait(most); };
// The helper run by `who` with `args`, one space each (a last one makes an
// empty argument), and `name` on its standard input.
const auto ask = [](uid_t who, const std::string& args, const std::string& name = {}) {
    return run(who, split(args.empty() ? helper : helper + ' ' + args, ' '), name);
};
// What a shell command of root's prints, `arg` its $0.
const auto shell = [](const std::string& command, const std::string& arg = records, const std::string& input = {}) {
    return run(root, {"sh", "-c", command, arg}, input).out;
};
const auto record = [] { return textOf(records + "/fraprod.txt") + '|' + textOf(records + "/fraprod1.txt"); };
// A run that exits 0 saying `said`, the record then holding `held`, "score|name".
const auto expectSaved = [](const Run& job, const std::string& said, const std::string& held, const std::string& what) {
    const std::size_t bar = held.find('|');
    return check(job.status == 0 && job.out + job.err == said
                     && record() == held.substr(0, bar) + "\r\n|" + held.substr(bar + 1) + "\r\n",
                 what, job.seen() + ", the record " + shown(record()));
};
// What a pipeline of root's makes of root's history.
const auto history = [](const std::string& pipeline = "cat") { return shell(helper + " history | " + pipeline); };
// Lines of history not of seven fields; an empty history is one.
const auto torn = [](const std::string& text) {
    return text.empty()
           + std::ranges::count_if(linesOf(text), [](const auto& line) { return std::ranges::count(line, '\t') != 6; });
};
const auto layout = [] { return shell("stat -c '%a %U:%G %h %n' $0 $0/fraprod*"); };
// What root must never be turned against: what is installed, a secret, and a
// directory whose scripts root runs; and no old record directory a pupil's.
const auto outside = [] {
    return shell("find /usr/lib/games -printf '%p %u:%g %m %s\\n' | sort; cat /usr/lib/games/standin/secret; "
                 "find /var/games -maxdepth 1 -name 'orvetta.old.*' ! -user root");
};

// ---- The pupil's tools, each run as the pupil in a Job of their own.

// Who /proc/locks, which anyone may read, shows holding the record's lock: as
// a flock, "N: FLOCK  ADVISORY  WRITE PID MAJ:MIN:INODE 0 EOF", or as a POSIX
// lock on its first byte, "N: POSIX  ADVISORY  WRITE PID MAJ:MIN:INODE 0 0";
// not those waiting for it, "N: -> POSIX  ADVISORY  WRITE PID ...".
// Root could ask the kernel through the lock file (lockHolderOf), but a pupil
// may not open it.
const auto lockHolders = [] {
    struct stat lock = {};
    std::vector<pid_t> found;
    for (const std::string& line :
         linesOf(::stat((records + "/fraprod.lock").c_str(), &lock) ? "" : textOf("/proc/locks"))) {
        unsigned major = 0, minor = 0;
        long long pid = 0, inode = 0, first = -1; // `first` read last, so only from a line read whole: not "->"
        std::sscanf(line.c_str(), "%*d: %*s %*s %*s %lld %x:%x:%lld %lld", &pid, &major, &minor, &inode, &first);
        if (first == 0 && ::makedev(major, minor) == lock.st_dev && static_cast<ino_t>(inode) == lock.st_ino)
            found.push_back(static_cast<pid_t>(pid));
    }
    return found;
};
const auto holdsLock = [](pid_t pid) { return std::ranges::count(lockHolders(), pid) > 0; };

// A helper the pupil runs to save `score` under `name` ("N<score>" if none); stepped, it starts stopped.
const auto save = [](long long score, bool stepped, const std::string& name = {}) {
    auto saving = command(martina, {helper, "save", cat(score)});
    return std::make_unique<Job>(
        martina, [=]() mutable { return stepped && ::raise(SIGSTOP) ? 126 : saving(); },
        inputOf(name.empty() ? cat("N", score) : name));
};

// What anyone may see of the record files without reading them: the size
// and time of change of each, which a save changes in place.
const auto filesSeen = [] {
    std::string seen;
    for (const char* name : {"/fraprod.txt", "/fraprod1.txt", "/fraprod.journal", "/fraprod.history"})
        if (struct stat file = {}; ::stat((records + name).c_str(), &file) == 0)
            seen += cat(file.st_size, ' ', file.st_mtim.tv_sec, '.', file.st_mtim.tv_nsec, ' ');
    return seen;
};

// Saves killed at random moments, in two ways: half anywhere in their run,
// from before the helper starts to after it is done (twice what a whole save
// takes, in ms rounded up); half, stepped, at the first step that changes a record file or up
// to two steps after it. A run is mostly starting up, and what is killed
// outside the lock changes nothing.
const auto killHelpers = [](long long first, long long count, unsigned seed) {
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    std::vector<long long> whole; // ms of five saves run whole
    for (long long i = 0; i < 5; ++i)
        whole.push_back(save(first + i, false)->wait().ms);
    std::ranges::sort(whole);
    std::mt19937 random(seed);
    std::uniform_int_distribution<long long> anywhere(0, 2000 * (whole[2] + 1)), after(0, 2); // in us
    long long killed[2] = {}, ended = 0;
    for (long long i = 0; i < count; ++i) {
        const std::string before = filesSeen();
        const auto job = save(first + 10 + i, i % 2);
        std::this_thread::sleep_for(std::chrono::microseconds(i % 2 ? 0 : anywhere(random)));
        for (long long steps = after(random); i % 2 && job->step() && (filesSeen() == before || steps-- > 0);) {
        }
        job->wait(0s).status == 128 + SIGKILL ? ++killed[i % 2] : ++ended;
    }
    std::printf("saves killed: %lld anywhere in their run, %lld at their first change to a file or a step or two "
                "after; %lld ended first (a whole save takes %lld ms)",
                killed[0], killed[1], ended, whole[2]);
    return 0;
};

// A pupil's own helper stopped while it holds the lock, or frozen with the
// cgroup a session is given to manage (moved into a child of it and frozen
// there, then continued, so that it is not stopped, state S not T, and still
// does not run); its parent, this tool, stays alive: were it orphaned, the
// kernel would wake its stopped process group with SIGHUP and SIGCONT. Each
// try is stepped until it is seen holding the lock, and saves a score higher
// than the last, so that each is a record to save under the lock. The tool
// then takes `shared` flocks and says the helper's pid.
const auto stopHolder = [](const std::string& cgroup, long long shared) {
    const std::string frozen = cgroup + "/frozen";
    const auto isFrozen = [&] { return textOf(frozen + "/cgroup.events").find("frozen 1") != std::string::npos; };
    const auto freeze = [&](pid_t pid) {
        return (::mkdir(frozen.c_str(), 0755) == 0 || errno == EEXIST) && writeTo(frozen + "/cgroup.procs", cat(pid))
               && writeTo(frozen + "/cgroup.freeze", "1") && ::kill(pid, SIGCONT) == 0
               && waitUntil([&] { return stateOf(pid) == 'S' && isFrozen(); }, 10s);
    };
    for (long long score = 1, giveUp = std::time(nullptr) + 60; score <= 32767 && std::time(nullptr) < giveUp; ++score)
        for (const auto job = save(score, true, "Holder"); job->step() && std::time(nullptr) < giveUp;)
            if (holdsLock(job->pid()) && (cgroup.empty() || freeze(job->pid()))) {
                // Every flock, shared or not, is a line of /proc/locks: each
                // open of a file is a lock of its own, as many as the tool's
                // limit of open files, which root raised. Taken on the first
                // processor, after the helper's, they are listed first, newest
                // first, so ahead of the record's.
                cpu_set_t firstProcessor = {};
                CPU_SET(0, &firstProcessor);
                ::sched_setaffinity(0, sizeof firstProcessor, &firstProcessor);
                for (long long i = 0; i < shared; ++i)
                    // Spread over files: each flock looks through the others on its file.
                    if (const int fd = ::open(cat("/tmp/4242/shared-", i % 64).c_str(), O_RDONLY | O_CREAT, 0600);
                        fd < 0 || ::flock(fd, LOCK_SH))
                        return std::fprintf(stderr, "only %lld shared flocks", i), 1;
                std::printf("%d\n", job->pid());
                std::fprintf(stderr, "helper %d %s holding the lock, at try %lld, with %lld shared flocks", job->pid(),
                             cgroup.empty() ? "stopped" : ("frozen in " + frozen).c_str(), score, shared);
                std::fflush(nullptr);
                return job->wait(3600s), 0;
            }
    std::fputs("no helper was caught holding the lock in 60 s", stderr);
    return 1;
};

// Whoever ends a stopped holder may find the next one stopped in turn: a
// pupil keeps 40 saves waiting, starting one as another ends, and stops each
// as soon as /proc/locks shows it holding the lock. Says the pid of each.
const auto stopEachHolder = [] {
    std::vector<std::unique_ptr<Job>> saves;
    pid_t stopped = 0; // the last: one holds the lock at a time
    for (long long n = 0, giveUp = std::time(nullptr) + 120; std::time(nullptr) < giveUp; ++n) {
        std::erase_if(saves, [](const auto& job) { return !job->running(); });
        if (saves.size() < 40) // one at a time, so as to look at the lock between
            saves.push_back(save(1 + n % 32767, false, "Stopper"));
        for (const pid_t holder : lockHolders()) // the pupil may stop none of root's resets
            if (holder != stopped && ::kill(holder, SIGSTOP) == 0)
                std::printf("%d\n", stopped = holder);
        std::fflush(stdout);
    }
    return 0;
};

// ---- The checks, run as root.

// The teachers' group the administrator names reads the history and resets
// as root does, and the history names the teacher; a pupil is refused, and
// so is everyone but root when the file that names the group could be
// another's, or names no group that exists, which the helper says.
const auto teachersGroup = [] {
    const std::string trusted = "rm -f $0 $0.real; chmod 755 ${0%/*}; echo teachers=teachers >$0; chmod 644 $0";
    const std::string keepers = "/etc/orvetta/record.conf";
    shell(trusted, keepers);
    ask(piero, "save 300", "Piero");
    const std::string rootSees = history();
    const Run seen = ask(teacher, "history"), reset = ask(teacher, "reset"), pupil = ask(martina, "reset");
    check(seen.status == 0 && seen.out == rootSees && reset.status == 0 && record() == "|"
              && history("tail -n 1 | cut -f 2,3") == login(teacher) + "\treset\n" && pupil.status == 77
              && pupil.err.find("gruppo teachers") != std::string::npos,
          "a teacher reads the history as root does and resets, named in it; a pupil is refused",
          seen.seen() + "; " + reset.seen() + "; " + pupil.seen());
    for (const std::string& row :
         {"chmod 666 $0|record.conf: non è un file che solo root"s, "chown 4244 $0|record.conf: non è"s,
          "chmod 775 ${0%/*}|/etc/orvetta: non è una cartella"s,
          "mv $0 $0.real && ln -s $0.real $0|record.conf: non è"s,
          "echo teachers=nessuno >$0|il gruppo «nessuno» non esiste"s, "echo teachers= >$0|solo root può usare"s}) {
        const std::vector<std::string> untrusted = split(row, '|'); // how, what the helper says
        shell(trusted + "; " + untrusted[0], keepers);
        const Run refused = ask(teacher, "history");
        check(refused.status == 77 && refused.err.find(untrusted[1]) != std::string::npos,
              "after '" + untrusted[0] + "' only root may read the history, and the helper says why", refused.seen());
    }
    shell(trusted, keepers);
};

// A teacher's reset cannot end a pupil's holder, stopped or frozen in
// `cgroup`: it waits beside the record, which every read shows empty at
// once, and the next holder of the lock writes it, naming the teacher.
const auto teacherResetWaits = [](const std::string& what, const std::string& cgroup) {
    ask(root, "reset");
    Job tool(martina, std::bind(stopHolder, cgroup, 0), -1, cgroup);
    waitUntil([&] { return !tool.out().empty() || !tool.running(); }, 90s);
    const pid_t holder = std::atoi(tool.out().c_str());
    const Run reset = ask(teacher, "reset"), read = ask(piero, "read");
    const bool gone = ::kill(holder, SIGKILL) == 0 && waitUntil([&] { return stateOf(holder) == '?'; }, 10s);
    const Run after = ask(piero, "read");
    check(holder > 0 && reset.status == 0
              && reset.out.find(cat("il processo ", holder, " di ", login(martina))) != std::string::npos
              && read.out + after.out == "0 0\n0 0\n" && gone
              && history("tail -n 1 | cut -f 2,3") == login(teacher) + "\treset\n",
          "a teacher's reset waits beside a pupil's helper " + what + ", and counts at once",
          cat(reset.seen(), "; read ", shown(read.out), " then ", shown(after.out), gone ? "" : "; not gone"));
};

// Every way round the helper fails; the game's own path saves; names of
// characters that show nothing are stored as blanks; what the helper refuses.
const auto playing = [](const std::string& laidOut) {
    // Each in a shell of its own, in a shell of the pupil's that names those that work.
    const Run tried = run(martina, {"sh", "-c", R"(cd "$0" && for a; do ! sh -c "$a" 2>/dev/null || echo "$a"; done)",
                                    records, R"(printf '32767\r\n' >fraprod.txt)", "rm -f fraprod.txt",
                                    "mv fraprod1.txt old", "ln -s /tmp fraprod.new", "mkfifo fraprod.fifo",
                                    "flock -n fraprod.lock true", ": >fraprod.journal", "cat fraprod.journal",
                                    "cat fraprod.history", "ls fraprod.kept", "touch fraprod.kept/save-0"});
    check(tried.status == 0 && tried.out.empty(), "a pupil can change, lock or read none of the record's files",
          tried.seen());
    expectSaved(run(martina, {saver, "game", "13", "Martina"}), "directory " + records + ", saved\n", "13|Martina",
                "a pupil saves through the game, and the record holds their score and name");
    expect(layout(), laidOut, "the record directory and files keep owner, group and mode");
    expectSaved(run(piero, {saver, "game", "13", "Leo"}), "directory " + records + ", not a record\n", "13|Martina",
                "a tie is not saved, and the record stays");
    ask(piero, "save 32767", "Mallory");
    expect(record() + history("tail -n 2 | cut -f 2-"),
           "32767\r\n|Mallory\r\n" + login(martina) + "\tsave\t13\tMartina\t\t\n" + login(piero)
               + "\tsave\t32767\tMallory\t13\tMartina\n",
           "anyone may run the helper and save any score; the history names each saver's login, what they saved "
           "and what it replaced");
    ask(root, "reset");
    expect(record() + history("tail -n 1 | cut -f 2-"), "|root\treset\t\t\t32767\tMallory\n",
           "root resets the record, and the history says so");

    // Between letters or as the whole name, each is one blank: a grapheme
    // joiner, variation selectors, an inherent vowel, an unassigned tag, a
    // noncharacter, a private-use character, Hangul fillers, blank Braille
    // patterns, bytes of no character, line and paragraph separators,
    // zero-width spaces, control and bidirectional characters.
    for (const std::string& row :
         {"1|A\u034FB\uFE0FC\U000E0100D\u180BE|A B C D E"s, "2|F\u17B4G\U000E0000H\uFFFEI\uE000J|F G H I J"s,
          "3|\u3164| "s, "4|\u115F\u1160|  "s, "5|\uFFA0| "s, "6|\u2800\u2800|  "s,
          "12|A\233B\377C\300\212D\u2028E\u2029F\u200BG|A B C  D E F G"s,
          "13|A\033[31mB\007C\177D\u202EE\302\233F\tG|A [31mB C D E F G"s}) {
        const std::vector<std::string> blanked = split(row, '|'); // score, name, as stored
        ask(martina, "save " + blanked[0], blanked[1]);
        expect(record() + history("tail -n 1 | cut -f 5"),
               blanked[0] + "\r\n|" + blanked[2] + "\r\n" + blanked[2] + "\n",
               "'" + shown(blanked[1]) + "' is stored as blanks in the record and in the history");
    }

    ask(martina, "save 14", "Martina");
    for (const std::string& row :
         {"65|save 32768|Leo"s, "65|save -1|Leo"s, "65|save 012|Leo"s, "65|save 1e3|Leo"s, "65|save |Leo"s,
          "65|save 20|"s + std::string(5000, 'a'), "65|save 20|Le\0o"s, "64||"s, "64|read extra|"s, "64|write 20|Leo"s,
          "77|history|"s, "77|reset|"s, "64|reset now|"s}) {
        const std::vector<std::string> refusal = split(row, '|'); // status, arguments, name
        const Run refused = ask(martina, refusal[1], refusal[2]);
        check(refused.status == std::stoi(refusal[0]) && !refused.err.empty(), "'" + refusal[1] + "' is refused",
              refused.seen());
    }
    expect(record(), "14\r\n|Martina\r\n", "refusals leave the record alone");
};

// Journals: a torn one is dropped (forged and cut-short ones are in the
// journal fuzz target's corpus), a whole one is finished. A directory others
// may change, and files only root could plant: refused, and the game falls
// back to the pupil's own record.
const auto plants = [] {
    // Torn after its check line was written.
    const orvetta::RecordPair zoe{"20\r\n", "Zoe\r\n"};
    const std::string whole = orvetta::encodeJournal(
                          {zoe, orvetta::historyLine(std::time(nullptr), "forger", "save", zoe, {})}),
                      journalFile = records + "/fraprod.journal";
    writeTo(journalFile, std::string(whole).replace(whole.find("Zoe"), 3, "Zed"));
    ask(martina, "read");
    expect(record() + textOf(journalFile), "14\r\n|Martina\r\n", "a torn journal is refused and dropped");
    writeTo(journalFile, whole);
    expect(ask(martina, "read").out, "4 5\n20\r\nZoe\r\n", "a whole journal is finished by the next reader");

    shell("cp -p \"$0\"/fraprod1.txt /tmp/holder");
    // The pupil's save in a directory opened or given to them, or their read
    // of a planted holder file; each row starts from the directory as laid out.
    for (const char* row :
         {"save 99|cp -p /tmp/holder $0 && chmod 0777 $d", "save 99|cp -p /tmp/holder $0 && chmod 1777 $d",
          "save 99|cp -p /tmp/holder $0 && chmod 0775 $d", "save 99|cp -p /tmp/holder $0 && chown 4242 $d",
          "read|ln -s /etc/passwd $0", "read|mkfifo $0 && chown root:games $0", "read|mkdir $0 && chown root:games $0",
          "read|cp -p /tmp/holder $0 && chown 4242 $0", "read|cp -p /tmp/holder $0 && ln $0 /var/games/link",
          "read|:"}) {
        const std::vector<std::string> plant = split(row, '|'); // what the pupil runs, what root planted
        shell("d=${0%/*}; chown root:games $d && chmod 0755 $d && rm -rf $0 /var/games/link && " + plant[1],
              records + "/fraprod1.txt");
        const Run refused = run(martina, split(helper + ' ' + plant[0], ' '), "Leo", 10s);
        // The save's error names the directory, the read's the file.
        const std::string named = records + (plant[0] == "read" ? "/fraprod1.txt: " : ": ");
        check(refused.status == 66 && refused.err.starts_with(named) && textOf(records + "/fraprod.txt") == "20\r\n",
              "'" + plant[1] + "' is refused, and the record stays",
              refused.seen() + ", the score " + shown(textOf(records + "/fraprod.txt")));
    }
    const Run fallback = run(martina, {saver, "game", "30", "Ugo"});
    check(fallback.out.starts_with("directory /tmp/4242/") && fallback.out.ends_with("saved\n")
              && fallback.err.find(records) != std::string::npos,
          "the game says so and keeps the pupil's record in their own directory", fallback.seen());
    expect(shell(helper + " read >/dev/null; stat -c '%a %U:%G %s' $0/fraprod1.txt"), "664 root:games 0\n",
           "root's helper recreates a record file");
    shell("install -o root -g games -m 0664 /tmp/holder $0/fraprod1.txt && rm -f /var/games/link");
};

// A helper stopped while it holds the lock (held here by root, as only the
// helper's group may): saves are kept, start-up reads them, the next holder
// applies them.
const auto heldLock = [] {
    Job holder(root, [] {
        const int lock = ::open((records + "/fraprod.lock").c_str(), O_RDWR | O_CLOEXEC);
        return lock < 0 || !orvetta::tryLockByte(lock, orvetta::recordLockByte) || ::raise(SIGSTOP);
    });
    waitUntil([&] { return stateOf(holder.pid()) == 'T'; }, 30s);
    Job other(piero, {helper, "save", "40"}, inputOf("Piero"));
    const Run game = run(martina, {saver, "game", "41", "Martina"}), kept = other.wait();
    expectSaved(kept, "kept\n", "20|Zoe", "a save that finds the lock held is kept; the record stays whole");
    expectSaved(game, "directory " + records + ", kept\n", "20|Zoe", "and so is the game's");
    const Run read = ask(martina, "read");
    check(read.out == "4 9\n41\r\nMartina\r\n" && read.ms < 3000, "start-up reads the saves waiting", read.seen());
    holder.wait(0s);
    expect(ask(piero, "read").out, "4 9\n41\r\nMartina\r\n", "once the holder is gone, the next read applies them");
    expect(history("tail -n 2 | cut -f 2-") + shell("ls -A $0/fraprod.kept | grep -v '^lock-'"),
           login(piero) + "\tkept save\t40\tPiero\t20\tZoe\n" + login(martina)
               + "\tkept save\t41\tMartina\t40\tPiero\n",
           "each in the history with its own saver, and nothing stays kept but each player's lock");
};

// A hostile pupil against the helper itself: the terminal's stop signals,
// standard output closed, a copy that is not set-group-id, saves killed at
// random moments.
const auto hostile = [] {
    int name[2] = {-1, -1}; // the helper waits for its name until this closes
    Job waiting(martina, {helper, "save", "42"}, ::pipe2(name, O_CLOEXEC) ? -1 : name[0]);
    waitUntil([&] { return readsPipe(waiting.pid()); }, 30s);
    // A helper that did stop goes on once its state is seen.
    const std::string stop = "kill -TSTP $0; kill -TTIN $0; sleep 0.1; cut -d ' ' -f 3 /proc/$0/stat; kill -CONT $0",
                      state = run(martina, {"sh", "-c", stop, cat(waiting.pid())}).out;
    ::close(name[1]);
    waiting.wait();
    check(state != "T\n" && record() == "42\r\n|\r\n", "SIGTSTP and SIGTTIN leave the helper running, and it saves",
          "state " + shown(state) + ", the record " + shown(record()));

    // The save is made, so it says so with its status, and nothing else
    // breaks for want of somewhere to print "saved".
    expectSaved(run(martina, {"sh", "-c", "exec $0 save 43 >&-", helper}, "Leo"), "", "43|Leo",
                "a save with standard output closed exits 0, and the record holds it");

    // Even a copy the pupil made makes itself non-dumpable first thing, so no
    // process of its user may read its memory, descriptors or environment.
    Job copy(martina, {"sh", "-c", "cp \"$0\" ~/orvetta-copy && exec ~/orvetta-copy save 5", helper},
             ::pipe2(name, O_CLOEXEC) ? -1 : name[0]);
    const bool waits = waitUntil([&] { return readsPipe(copy.pid()); }, 30s); // well past its start
    const std::string owner = shell("stat -c %u $0", cat("/proc/", copy.pid(), "/environ"));
    ::close(name[1]);
    check(owner == "0\n", "a helper not set-group-id is not dumpable: its /proc/PID/environ is root's",
          cat("owned by ", shown(owner), waits ? ", waiting for its name" : ", not yet waiting"));

    // The history holds a line for each change that happened and for nothing else.
    ask(root, "reset");
    const unsigned seed = std::random_device()();
    const Run killing = Job(martina, [=] { return killHelpers(1000, 400, seed); }).wait();
    ask(martina, "read");
    // From root's last reset on, each line replaces what the line before it
    // saved, each save with a higher score, and the last saved the record:
    // awk says what the last line saved, and where the chain first breaks.
    const std::string chain = history(R"(awk -F '\t' '$3 ~ /^reset/ { reset = 1; broken = "" }
        $3 !~ /^reset/ && broken == "" && ($6 "\t" $7 != score "\t" name || ($3 ~ /save$/ && $4 + 0 <= $6 + 0)) {
            broken = "; " $0 " does not follow " line }
        { score = $4; name = $5; line = $0 }
        END { printf "%s\r\n|%s\r\n%s", score, name, reset ? broken : "; no reset" }')");
    check(killing.status == 0 && chain == record(), cat(killing.out, " (seed ", seed, ")"),
          cat("the history saves ", shown(chain), ", the record ", shown(record()), "; the tool: ", killing.seen()));
};

// A pupil's tool keeps one of their helpers stopped, or frozen in `cgroup`,
// holding the lock with `shared` flocks taken, while `meanwhile` runs, once
// /proc shows it so. Root's reset then ends it, says so and names it in the
// history, in less than `most` ms, and empties the record.
const auto holderEnded = [](const std::string& what, const std::string& cgroup, long long shared, long long most,
                            const std::function<void()>& meanwhile) {
    ask(root, "reset");
    Job tool(martina, std::bind(stopHolder, cgroup, shared), -1, cgroup);
    waitUntil([&] { return !tool.out().empty() || !tool.running(); }, 90s);
    const pid_t holder = std::atoi(tool.out().c_str());
    if (!check(holder > 0 && stateOf(holder) == (cgroup.empty() ? 'T' : 'S') && holdsLock(holder),
               "a helper of the pupil's is caught " + what, tool.err()))
        return;
    meanwhile();
    const Run reset = ask(root, "reset");
    const bool gone = waitUntil([&] { return stateOf(holder) == '?'; }, 10s);
    const std::string actions = history("tail -n 2 | cut -f 3"), pid = cat(holder);
    check(reset.status == 0 && reset.ms < most && reset.out.find(pid) != std::string::npos && gone
              && actions == cat("reset: ended process ", pid, " of ", login(martina), "\nreset\n") && record() == "|",
          "root's reset ends it, names it and its login whole, and empties the record",
          cat(reset.seen(), gone ? ", gone" : ", still there", "; history '", shown(actions), "'; ", shown(record())));
};

// A pupil stops one of their own helpers while it holds the lock, takes
// shared flocks by the thousand on files of their own, which make
// /proc/locks long, and floods the helper with saves released all at once:
// only a few of theirs may wait for the lock, so another pupil's save still
// waits, and start-up reads the best of the record and the waiting saves,
// each taking no time. Root's reset ends a holder stopped or frozen. A pupil
// who stops each of their helpers that takes the lock, with 40 saves waiting
// for it all the time, does not stop root's resets.
const auto stoppedHolders = [] {
    const rlimit files = {20000, 20000}; // for the pupil's shared flocks
    ::setrlimit(RLIMIT_NOFILE, &files);
    holderEnded("stopped holding the lock, with 19000 shared flocks", {}, 19000, 1500, [] {
        int names[2] = {-1, -1}; // every save of the flood waits for its name until this closes
        Job flood(martina,
                  {"sh", "-c", "exec 3<&0; for i in $(seq 10000 10399); do $0 save $i <&3 >>~/flood 2>&1 & done; wait",
                   helper},
                  ::pipe2(names, O_CLOEXEC) ? -1 : names[0]);
        const std::string count = cat("pgrep -c -x orvetta-record -P ", flood.pid());
        waitUntil([&] { return shell(count) == "400\n"; }, 60s);
        const std::string released = shell(count);
        const bool named = ::write(names[1], "Flood", 5) == 5 && ::close(names[1]) == 0;
        // Counted while the flood runs, and once more after it.
        const std::string most =
            shell(cat("while :; do running=$(pgrep -P ", flood.pid(), "); find $0/fraprod.kept ",
                      "-user 4242 ! -name 'lock-*' ! -name '.new-*' | wc -l; [ \"$running\" ] || break; ",
                      "done | sort -n | tail -n 1"));
        check(named && !most.empty() && std::atoi(most.c_str()) <= 2,
              "at most 2 of a pupil's flood of saves wait for the lock",
              cat(shown(most), " at once, of ", shown(released),
                  " released at once: ", shown(shell("sort /tmp/4242/flood | uniq -c"))));
        const Run other = ask(piero, "save 30000", "Piero"), read = ask(martina, "read");
        check(other.status == 0 && other.out + other.err + read.out == "kept\n7 7\n30000\r\nPiero\r\n"
                  && other.ms < 1500 && read.ms < 1500,
              "another pupil's save still waits for the lock, and start-up reads it, each taking no time",
              other.seen() + "; " + read.seen());
    });
    // A cgroup given to the pupil, as a session is given one to manage (on
    // Debian 12 user@.service delegates one to each user), where cgroup2 is
    // mounted writable; thawed and removed once the processes in it are gone.
    const std::string cgroup =
        shell(R"(mount=$(awk '$3 == "cgroup2" { print $2; exit }' /proc/mounts) && [ "$mount" ] && mkdir "$mount/$0" &&
        cd "$mount/$0" && chown 4242 . cgroup.procs cgroup.freeze cgroup.subtree_control && printf %s "$PWD")",
              cat("orvetta-check-", ::getpid()));
    if (cgroup.empty())
        std::puts("skipped: a holder frozen in a cgroup, as no cgroup2 is mounted writable here");
    else
        holderEnded("frozen holding the lock", cgroup, 0, 10000, [] {});
    teacherResetWaits("stopped holding the lock", {});
    if (!cgroup.empty())
        teacherResetWaits("frozen holding the lock", cgroup);
    const std::string remove = "echo 0 >$0/frozen/cgroup.freeze; rmdir $0/frozen; rmdir $0 && echo gone";
    waitUntil([&] { return cgroup.empty() || shell(remove, cgroup) == "gone\n"; }, 5s);

    // Frozen by root's own freezer (cgroup v1), as by an administrator's
    // tool, or stuck in the kernel, a holder outlives its SIGKILL: the reset
    // gives up within seconds, names it on its output and in the history, and
    // leaves the record; thawed, it is gone, and the next reset works.
    const std::string freezer = shell("[ -e /tmp/freezer/cgroup.procs ] && mkdir $0 && printf %s $0",
                                      cat("/tmp/freezer/orvetta-check-", ::getpid()));
    if (freezer.empty()) {
        std::puts("skipped: a holder that outlives its SIGKILL, as no cgroup v1 freezer could be mounted here");
    } else {
        Job tool(martina, std::bind(stopHolder, std::string(), 0));
        waitUntil([&] { return !tool.out().empty() || !tool.running(); }, 90s);
        const pid_t holder = std::atoi(tool.out().c_str());
        // Never pid 0, which would freeze the shell that writes it.
        shell(cat("[ ", holder, " -gt 0 ] && echo ", holder, " >$0/cgroup.procs && echo FROZEN >$0/freezer.state && ",
                  "kill -CONT ", holder),
              freezer);
        waitUntil([&] { return textOf(freezer + "/freezer.state") == "FROZEN\n"; }, 10s);
        const Run reset = ask(root, "reset");
        const std::string action = history("cut -f 3 | grep '^failed reset'"),
                          named = cat("il processo ", holder, " di ", login(martina));
        shell("echo THAWED >$0/freezer.state", freezer);
        const bool gone = waitUntil([&] { return stateOf(holder) == '?'; }, 10s);
        check(reset.status == 75 && reset.ms < 30000 && reset.err.find(named) != std::string::npos
                  && action.starts_with("failed reset: " + named) && gone && ask(root, "reset").status == 0
                  && record() == "|",
              "root's reset gives up on a holder that outlives its SIGKILL, and names it; thawed, it is gone",
              cat(reset.seen(), "; history '", shown(action), "'", gone ? ", gone" : ", still there"));
        shell("rmdir $0", freezer);
    }

    // From the empty record the last reset left.
    Job stopper(martina, [] { return stopEachHolder(); });
    waitUntil([&] { return !stopper.out().empty() || !stopper.running(); }, 60s);
    const std::string refused = shell(
        R"(for i in $(seq 20); do said=$("$0" reset 2>&1) || echo "reset $i: status $?, said '$said'"; done)", helper);
    const Run stopped = stopper.wait(0s);
    check(!stopped.out.empty() && refused.empty(), "root's 20 resets work while a pupil stops each new holder",
          cat(linesOf(stopped.out).size(), " stopped; ", refused, stopped.err));
};

// Saves cut short by the pupil's own file-size limit leave no half line for
// the next saver's line to be glued to, and can neither erase the history
// nor make a trim of it show lines twice; one pupil's long names do not push
// everyone else out of it.
const auto historyLimits = [] {
    const std::string historyFile = records + "/fraprod.history", wide(4096, 'm');
    const auto sizeOf = [&] { return static_cast<long long>(textOf(historyFile).size()); };
    const auto limited = [](long long size, long long score, const std::string& name) {
        run(martina, {"prlimit", cat("--fsize=", size), helper, "save", cat(score)}, name);
    };
    // How many lines the history root sees holds, how many of them and of its
    // file's are torn, and whether the file is cut short: "N lines, 0 torn, 0
    // in the file" when all is whole.
    const auto whole = [&] {
        const std::string seen = history(), file = textOf(historyFile);
        return cat(linesOf(seen).size(), " lines, ", torn(seen), " torn, ", torn(file), " in the file",
                   file.ends_with('\n') ? "" : " cut short");
    };
    // A save cut short within its line, then ordinary saves fill it, then
    // saves of long names, each under a limit a little above the history's
    // size, stop part way, over and over. Each takes back only its own line:
    // the history keeps root's reset and the other pupil's 40 lines. The
    // next saver's lines, of 4096-byte names, are whole, and last, each name
    // cut to 64 characters.
    ask(root, "reset");
    limited(sizeOf() + 50, 200, std::string(1000, 'm'));
    for (int i = 1; i <= 40; ++i)
        ask(piero, cat("save ", 400 + i), std::string(300, 'p'));
    for (int i = 1; i <= 80; ++i)
        limited(sizeOf() + 50, 500 + i, wide);
    for (int i = 1; i <= 33; ++i)
        ask(martina, cat("save ", 700 + i), wide);
    const std::string lines = whole(),
                      kept = history("cut -f 2,3 | grep -c -e '^root.reset$' -e '^" + login(piero) + ".save$'"),
                      newest = history("tail -n 33 | cut -f 2,3,5 | uniq -c | tr -s ' \t' ' '");
    check(lines.ends_with(", 0 torn, 0 in the file") && std::stoi(kept) >= 41
              && newest == " 33 " + login(martina) + " save " + wide.substr(0, 64) + "…\n",
          "saves under a file-size limit leave whole lines of history, and take none of the others' away; "
          "the next 33 saves of 4096-byte names come last, each name cut to 64 characters",
          cat(lines, ", ", sizeOf(), " bytes, ", shown(kept), " of root's reset and the other pupil's lines; newest ",
              shown(newest, 120)));

    // A trim cut short: root sees it as the next save leaves it, each line once
    // and whole. The pupil fills the same history to within a line of 256 KiB,
    // past which it is trimmed, with lines of one length (names of 63
    // four-byte characters, a bold M as a pupil may type it, too short to be
    // cut), then saves once more under a limit far below what the trim
    // rewrites. Once a save trims it whole, root's reset and the other
    // pupil's newest line, older than all the filler's, stay.
    const std::string bold = shell("for i in $(seq 63); do printf '\360\235\220\214'; done");
    long long size = sizeOf(), line = 1, score = 10000;
    for (long long now = 0; (size + line <= 262144 && score < 12000);
         line = (now > size ? now - size : line), size = now)
        ask(martina, cat("save ", ++score), bold), now = sizeOf();
    limited(16384, score + 1, bold);
    const std::string trimmed = history(), cutShort = whole();
    const int twice = std::stoi(shell("grep -F \"$0\" | sort | uniq -d | wc -l", bold, trimmed));
    ask(martina, cat("save ", score + 2), bold);
    const std::string after =
        history("cut -f 2-4 | grep -x -e 'root.reset.' -e '" + login(piero) + ".save.440' | sort -u");
    check(twice == 0 && torn(trimmed) == 0 && sizeOf() < size && after == login(piero) + "\tsave\t440\nroot\treset\t\n",
          "a trim cut short by a file-size limit shows each line once and whole; once a save trims it, root's line "
          "and the other pupil's stay",
          cat("after ", score - 10000, " saves filled ", size, " bytes: ", cutShort, ", ", twice, " twice; then ",
              sizeOf(), " bytes, ", whole(), ", of root's and the other's ", shown(after)));
};

// Upgrades from the layout of older versions, open to every player, with what
// a pupil could have planted there. The real postinst must exit 0, lay out the
// record as on a fresh install, carry over only a record that reads as one, and
// leave everything outside the record directory as it was. An administrator's
// override that opens the directory: postinst keeps it, leaves the record
// alone, says what to do, and follows no link that a pupil swaps in meanwhile.
const auto upgrades = [](const std::string& laidOut, const std::string& outsideBefore) {
    const auto changed = [&] { return outside() == outsideBefore ? "" : "; outside now " + shown(outside(), 3000); };
    // Root's postinst over an open directory made afresh, where the pupil
    // planted `what`, with the names of what root must not be turned against
    // at hand. A plant that loops goes on while postinst runs.
    const auto plantAndConfigure = [](const std::string& what) {
        shell("rm -rf /var/games/* && install -d -m 0777 $0");
        const std::string standin =
            "cron=/usr/lib/games/standin/cron.d secret=/usr/lib/games/standin/secret; cd $0 && ";
        Job planter(martina, {"sh", "-c", standin + what, records});
        if (what.find("while :") == std::string::npos)
            planter.wait();
        return run(root, {"sh", postinst, "configure"}, "", 60s);
    };
    // The last: an open directory, empty whenever the pupil starts over, that
    // they fill with links meanwhile, again and again.
    std::vector<std::pair<std::string, std::string>> rows = {
        {"13\r\n|Mar tina\r\n", R"(printf '13\r\n' >fraprod.txt; printf 'Mar\033tina\r\n' >fraprod1.txt)"},
        {"|", R"(ln -s $cron fraprod.txt; ln -s $secret fraprod1.txt; for s in 0 1 2 3 4 5 6 7 8 9; do
                 ln -s $cron fraprod.txt.moved-aside.$(date -d "+$s sec" +%Y%m%d%H%M%S); done)"},
        {"|", R"(printf '12\r\n' >fraprod.txt; ln -s $secret fraprod1.txt)"},
        {"|", R"(printf '12\r\n' >fraprod.txt; truncate -s 1T fraprod1.txt)"},
        {"|", R"(printf '12\r\n' >fraprod.txt; printf '%s\r\n' )" + std::string(70000, 'a') + " >fraprod1.txt"},
        {"|", "mkfifo fraprod.txt fraprod1.txt fraprod.lock"},
        {"|", R"(printf '99999\r\n' >fraprod.txt; printf 'Mallory\r\n' >fraprod1.txt)"},
        {"|", "mkdir fraprod.kept; ln -s $secret fraprod.history; ln -s $cron fraprod.journal"}};
    rows.insert(rows.end(), 10,
                {"|", "while :; do rm -f fraprod*; for n in fraprod.txt fraprod1.txt fraprod.history; do "
                      "ln -s $secret $n; done; done"});
    for (const auto& [carried, planted] : rows) {
        const Run upgrade = plantAndConfigure(planted);
        check(upgrade.status == 0 && layout() == laidOut && changed().empty(),
              "upgrade over '" + shown(planted, 60) + "': postinst exits 0, nothing outside changed",
              upgrade.seen() + changed() + (layout() == laidOut ? "" : "; laid out " + shown(layout())));
        expect(record(), carried, "and the record is '" + shown(carried) + "'");
        expectSaved(ask(piero, "save 99", "Leo"), "saved\n", "99|Leo", "and a pupil saves on it");
    }

    shell("dpkg-statoverride --add root games 0777 $0");
    const Run overridden = plantAndConfigure(R"(printf '5\r\n' >fraprod.txt; printf 'Ada\r\n' >fraprod1.txt; while :; do
        for n in fraprod.txt fraprod1.txt fraprod.lock fraprod.journal fraprod.history; do
        ln -sf $secret $n.new; mv -f $n.new $n; done; done)");
    const std::string mode = shell("stat -c %a $0 && dpkg-statoverride --list $0 >/dev/null && echo listed");
    check(overridden.status == 0 && overridden.err.find("dpkg-statoverride --remove " + records) != std::string::npos
              && changed().empty() && mode == "777\nlisted\n",
          "an open override is kept and the record left alone", overridden.seen() + shown(mode) + changed());
    shell("dpkg-statoverride --remove $0 && sh " + postinst + " configure");
    expect(layout(), laidOut, "without it, postinst lays the record out again");
};

} // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::signal(SIGPIPE, SIG_IGN);
    const std::string laidOut = layout(), outsideBefore = outside();
    playing(laidOut);
    plants();
    heldLock();
    hostile();
    teachersGroup();
    stoppedHolders();
    historyLimits();
    upgrades(laidOut, outsideBefore);

    // A game built here, with no helper installed, run by root: it keeps the
    // record in root's own data directory and never makes an open one for all.
    shell("rm -rf /var/games/* $0", helper);
    const Run game = run(root, {"env", "HOME=/tmp/root", saver, "game", "7", "Root"});
    check(game.out.starts_with("directory /tmp/root/") && game.out.ends_with("saved\n")
              && shell("ls -A /var/games").empty() && game.err.find(helper) != std::string::npos,
          "without the helper, root's game keeps its own record", game.seen());
    std::puts(failures ? cat(failures, " check(s) failed").c_str() : "all record privilege checks passed");
    return failures ? 1 : 0;
}
