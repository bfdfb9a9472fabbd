// SPDX-License-Identifier: GPL-3.0-or-later
// What a pupil with a shell can do to the record helper's saves with their
// own processes: kill them at chosen moments, leave one stopped or frozen
// while it holds the lock, stop every one that takes it, or make /proc/locks
// long. Linux; no privileges, but for hold-lock.
//   pupil_attacks kill-helper HELPER LOCK FIRST COUNT SEED
//       runs HELPER save FIRST, ... FIRST+9 to their end, then COUNT saves
//       more, each killed at a random moment
//   pupil_attacks stop-holder HELPER LOCK FIRST [CGROUP]
//       runs HELPER save FIRST, FIRST+1, ... until one is caught holding the
//       lock on LOCK and stopped there, or, given the pupil's own CGROUP,
//       frozen in a child of it; prints its pid and waits for it to end
//   pupil_attacks stop-each-holder HELPER LOCK
//       keeps 40 saves running and stops each caught holding the lock,
//       printing its pid, for 120 s
//   pupil_attacks share-locks DIRECTORY COUNT
//       holds COUNT shared flocks on files in DIRECTORY until its standard
//       input ends (at most 120 s)
//   pupil_attacks hold-lock LOCK
//       (as root) holds LOCK as either helper would, prints "held" and sleeps
// The helper reads the name "N<score>" ("Holder" for stop-holder) from a pipe.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <random>
#include <sched.h>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long long microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

int waitFor(pid_t child, int options = 0)
{
    int status = 0;
    while (::waitpid(child, &status, options) < 0 && errno == EINTR) {
    }
    return status;
}

// A helper saving, its name written on a pipe and its output thrown away, as
// a pupil may run it. Stepped, it starts stopped and runs a few microseconds
// at a time once it is on a processor: anyone may stop and continue their own
// processes, the set-group-id helper included, see in /proc/PID/schedstat
// when it runs, and look at what it did in between. It then does little
// between two looks, however busy the machine.
class Save {
public:
    Save(const char* helper, long long score, const std::string& name, bool stepped)
    {
        int ends[2];
        if (::pipe(ends) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(ends[0], STDIN_FILENO);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            ::close_range(3, ~0U, 0);
            if (stepped)
                ::raise(SIGSTOP);
            const std::string number = std::to_string(score);
            ::execl(helper, helper, "save", number.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ends[0]);
        if (pid_ > 0 && ::write(ends[1], name.data(), name.size()) != static_cast<ssize_t>(name.size()))
            std::perror("the name");
        ::close(ends[1]);
        if (pid_ > 0 && stepped) {
            running_ = WIFSTOPPED(status_ = waitFor(pid_, WUNTRACED));
            schedstat_ = ::open(("/proc/" + std::to_string(pid_) + "/schedstat").c_str(), O_RDONLY | O_CLOEXEC);
        }
        if (pid_ < 0)
            std::perror(helper);
    }

    ~Save()
    {
        if (schedstat_ >= 0)
            ::close(schedstat_);
    }
    Save(const Save&) = delete;
    Save& operator=(const Save&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }

    // Lets it run about `quantum` once it is back on a processor, and stops
    // it again; false once it has ended.
    bool step(std::chrono::microseconds quantum = std::chrono::microseconds(5))
    {
        if (!running_)
            return false;
        const long long before = timesRun();
        const auto giveUp = Clock::now() + std::chrono::milliseconds(2);
        ::kill(pid_, SIGCONT);
        while (before >= 0 && timesRun() == before && Clock::now() < giveUp)
            std::this_thread::sleep_for(quantum);
        std::this_thread::sleep_for(quantum);
        ::kill(pid_, SIGSTOP);
        status_ = waitFor(pid_, WUNTRACED);
        return running_ = WIFSTOPPED(status_);
    }

    // Kills it where it is: whether it was killed rather than ended first.
    bool kill()
    {
        if (running_) {
            ::kill(pid_, SIGKILL);
            status_ = waitFor(pid_);
            running_ = false;
        }
        return WIFSIGNALED(status_) && WTERMSIG(status_) == SIGKILL;
    }

    // Waits for a save that is not stepped to end by itself.
    void finish()
    {
        if (running_)
            status_ = waitFor(pid_);
        running_ = false;
    }

    // Whether a save that is not stepped has ended, without waiting.
    bool ended()
    {
        if (running_ && ::waitpid(pid_, &status_, WNOHANG) == pid_)
            running_ = false;
        return !running_;
    }

private:
    // How many times it was put on a processor, from /proc/PID/schedstat,
    // which anyone may read; -1 where the kernel does not say.
    long long timesRun()
    {
        if (schedstat_ < 0)
            return -1;
        char text[128] = "";
        const ssize_t n = ::pread(schedstat_, text, sizeof text - 1, 0);
        long long onCpu = 0, waiting = 0, times = -1;
        if (n <= 0 || std::sscanf(text, "%lld %lld %lld", &onCpu, &waiting, &times) != 3)
            return -1;
        return times;
    }

    pid_t pid_ = -1;
    int status_ = 0;
    bool running_ = true;
    int schedstat_ = -1;
};

// Who /proc/locks, which every user may read, shows holding the lock on the
// file, as a flock, "N: FLOCK  ADVISORY  WRITE PID MAJ:MIN:INODE 0 EOF", or
// as a POSIX lock on its first byte, "N: POSIX  ADVISORY  WRITE PID MAJ:MIN:INODE 0 0".
class LockWatch {
public:
    explicit LockWatch(const char* path) : locks_(::open("/proc/locks", O_RDONLY | O_CLOEXEC))
    {
        if (locks_ < 0 || ::stat(path, &file_) != 0)
            std::perror(path);
    }
    ~LockWatch()
    {
        if (locks_ >= 0)
            ::close(locks_);
    }
    LockWatch(const LockWatch&) = delete;
    LockWatch& operator=(const LockWatch&) = delete;

    bool usable() const { return locks_ >= 0 && file_.st_ino != 0; }

    std::vector<pid_t> holders() const
    {
        std::vector<pid_t> found;
        std::string text;
        char chunk[1 << 16];
        if (::lseek(locks_, 0, SEEK_SET) != 0)
            return found;
        for (ssize_t n; (n = ::read(locks_, chunk, sizeof chunk)) > 0;)
            text.append(chunk, static_cast<std::size_t>(n));
        for (std::size_t line = 0, end = 0; line < text.size(); line = end + 1) {
            end = std::min(text.find('\n', line), text.size());
            text[end] = '\0'; // sscanf would measure all the rest of the text, for each line
            char kind[16] = "";
            int holder = 0;
            unsigned major = 0, minor = 0;
            unsigned long long inode = 0;
            long long first = -1;
            if (std::sscanf(text.data() + line, "%*d: %15s %*s %*s %d %x:%x:%llu %lld", kind, &holder, &major, &minor,
                            &inode, &first)
                    == 6
                && (std::string_view(kind) == "FLOCK" || (std::string_view(kind) == "POSIX" && first == 0))
                && ::makedev(major, minor) == file_.st_dev && inode == file_.st_ino)
                found.push_back(holder);
        }
        return found;
    }

    bool holds(pid_t pid) const
    {
        const std::vector<pid_t> found = holders();
        return std::find(found.begin(), found.end(), pid) != found.end();
    }

private:
    int locks_;
    struct stat file_ = {};
};

// What anyone may see of the record files without reading them: the size
// and time of change of each, which a save changes in place.
std::string filesSeen(const std::string& directory)
{
    std::string seen;
    for (const char* name : {"fraprod.txt", "fraprod1.txt", "fraprod.journal", "fraprod.history"}) {
        struct stat file = {};
        if (::stat((directory + '/' + name).c_str(), &file) == 0)
            seen += std::to_string(file.st_size) + ' ' + std::to_string(file.st_mtim.tv_sec) + '.'
                    + std::to_string(file.st_mtim.tv_nsec) + ' ';
    }
    return seen;
}

template <typename T>
T median(std::vector<T> values, T otherwise)
{
    if (values.empty())
        return otherwise;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Saves killed at random moments, in three ways: a quarter anywhere in their
// run, from before the helper starts to after it is done (twice what a whole
// save takes); a quarter, stepped, at a random step from when they take the
// lock to after they let it go (twice the steps a whole save holds it); and
// half, stepped, at the first step that changes a record file. A run is
// mostly starting up, and what is killed outside the lock changes nothing.
int killHelpers(const char* helper, const char* lockPath, long long first, long long count, unsigned seed)
{
    const LockWatch watch(lockPath);
    if (!watch.usable())
        return 1;
    const std::string path = lockPath;
    const std::string directory = path.substr(0, path.rfind('/'));
    std::signal(SIGPIPE, SIG_IGN);
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    constexpr int timed = 5;
    long long n = first;
    std::vector<long long> wholeSpans, lockedSteps;
    for (; n < first + timed; ++n) {
        const auto started = Clock::now();
        Save save(helper, n, "N" + std::to_string(n), false);
        if (!save.started())
            return 1;
        save.finish();
        wholeSpans.push_back(microsecondsSince(started));
    }
    for (; n < first + 2 * timed; ++n) {
        Save save(helper, n, "N" + std::to_string(n), true);
        if (!save.started())
            return 1;
        long long steps = 0;
        while (save.step())
            steps += watch.holds(save.pid());
        lockedSteps.push_back(steps);
    }
    const long long whole = median(wholeSpans, 0LL), locked = median(lockedSteps, 0LL);
    std::mt19937 random(seed);
    std::uniform_int_distribution<long long> anywhere(0, 2 * whole), holding(0, 2 * locked);
    long long killed[3] = {}, ended = 0;
    for (long long i = 0; i < count; ++i, ++n) {
        const int way = std::min(static_cast<int>(i % 4), 2);
        const std::string before = filesSeen(directory);
        Save save(helper, n, "N" + std::to_string(n), way != 0);
        if (!save.started())
            return 1;
        if (way == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(anywhere(random)));
        } else if (way == 1) {
            while (save.step() && !watch.holds(save.pid())) {
            }
            for (long long steps = holding(random); steps > 0 && save.step(); --steps) {
            }
        } else {
            while (save.step() && filesSeen(directory) == before) {
            }
        }
        if (save.kill())
            ++killed[way];
        else
            ++ended;
    }
    std::printf("saves killed: %lld anywhere in their run, %lld at a step holding the lock, %lld at their first "
                "change to a file; %lld ended first (a whole save takes %lld us, %lld steps of it holding the lock)\n",
                killed[0], killed[1], killed[2], ended, whole, locked);
    return 0;
}

bool writeTo(const std::string& path, const std::string& text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    const bool written = fd >= 0 && ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (!written)
        std::perror(path.c_str());
    if (fd >= 0)
        ::close(fd);
    return written;
}

std::string textOf(const std::string& path)
{
    char text[512] = "";
    if (std::FILE* file = std::fopen(path.c_str(), "re")) {
        text[std::fread(text, 1, sizeof text - 1, file)] = '\0';
        std::fclose(file);
    }
    return text;
}

// The state in /proc/PID/stat, after the command name, which may hold anything.
char stateOf(pid_t pid)
{
    const std::string stat = textOf("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t nameEnd = stat.rfind(')');
    return nameEnd != std::string::npos && nameEnd + 2 < stat.size() ? stat[nameEnd + 2] : '?';
}

// Frozen with the cgroup a session is given to manage: moved into a child
// of it and frozen there, then continued, so that it is not stopped (state
// S, not T) and still does not run.
bool freeze(pid_t pid, const std::string& cgroup)
{
    const std::string frozen = cgroup + "/frozen";
    if ((::mkdir(frozen.c_str(), 0755) != 0 && errno != EEXIST)
        || !writeTo(frozen + "/cgroup.procs", std::to_string(pid)) || !writeTo(frozen + "/cgroup.freeze", "1"))
        return false;
    ::kill(pid, SIGCONT);
    const auto giveUp = Clock::now() + std::chrono::seconds(10);
    while (!(stateOf(pid) == 'S' && textOf(frozen + "/cgroup.events").find("frozen 1") != std::string::npos)) {
        if (Clock::now() > giveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// A pupil's own helper stopped (or frozen in `cgroup`) while it holds the
// lock, its parent (this program) alive: were it orphaned, the kernel would
// wake its stopped process group with SIGHUP and SIGCONT. Each try is stepped
// until it is seen holding the lock, and saves a score higher than the last,
// so that each is a record to save under the lock.
int stopHolder(const char* helper, const char* lockPath, long long first, const char* cgroup)
{
    const LockWatch watch(lockPath);
    if (!watch.usable())
        return 1;
    std::signal(SIGPIPE, SIG_IGN);
    const auto giveUp = Clock::now() + std::chrono::seconds(60);
    for (long long score = first; score <= 32767 && Clock::now() < giveUp; ++score) {
        Save save(helper, score, "Holder", true);
        if (!save.started())
            return 1;
        while (save.step() && Clock::now() < giveUp) {
            if (watch.holds(save.pid())) {
                if (cgroup && !freeze(save.pid(), cgroup)) {
                    save.kill();
                    return 1;
                }
                std::printf("%d\n", static_cast<int>(save.pid()));
                std::fprintf(stderr, "helper %d %s holding %s, at try %lld\n", static_cast<int>(save.pid()),
                             cgroup ? ("frozen in " + std::string(cgroup) + "/frozen").c_str() : "stopped", lockPath,
                             score - first + 1);
                std::fflush(stdout);
                waitFor(save.pid());
                std::fprintf(stderr, "helper %d ended\n", static_cast<int>(save.pid()));
                return 0;
            }
        }
        save.kill();
    }
    std::fprintf(stderr, "no helper was caught holding %s in 60 s\n", lockPath);
    return 1;
}

// Whoever ends a stopped holder may find the next one stopped in turn: a
// pupil keeps 40 saves waiting, starting one as another ends, and stops each
// as soon as /proc/locks shows it holding the lock. Prints the pid of each.
int stopEachHolder(const char* helper, const char* lockPath)
{
    const LockWatch watch(lockPath);
    if (!watch.usable())
        return 1;
    std::signal(SIGPIPE, SIG_IGN);
    const auto giveUp = Clock::now() + std::chrono::seconds(120);
    std::vector<std::unique_ptr<Save>> saves;
    std::vector<pid_t> stopped;
    for (long long n = 0; Clock::now() < giveUp;) {
        std::erase_if(saves, [](const auto& save) { return save->ended(); });
        if (saves.size() < 40) { // one at a time, so as to look at the lock between
            saves.push_back(std::make_unique<Save>(helper, 1 + n++ % 32767, "Stopper", false));
            if (!saves.back()->started())
                return 1;
        }
        for (const pid_t holder : watch.holders()) {
            const bool ours =
                std::any_of(saves.begin(), saves.end(), [&](const auto& save) { return save->pid() == holder; });
            if (ours && std::find(stopped.begin(), stopped.end(), holder) == stopped.end()) {
                ::kill(holder, SIGSTOP);
                stopped.push_back(holder);
                std::printf("%d\n", static_cast<int>(holder));
                std::fflush(stdout);
            }
        }
    }
    for (const auto& save : saves)
        save->kill();
    return 0;
}

// Every flock, shared or not, is a line of /proc/locks. One process holds up
// to its limit of open files (each open of a file a lock of its own), so
// COUNT are spread over as many as that takes, on the first processor: its
// locks are listed first, newest first, so ahead of the record's. Held until
// standard input ends, or for 120 s.
int shareLocks(const std::string& directory, long long count)
{
    rlimit files = {};
    ::getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &files);
    const long long each = static_cast<long long>(std::min<rlim_t>(files.rlim_cur - 64, 1 << 20));
    int ready[2];
    if (each <= 0 || ::pipe(ready) != 0)
        return 1;
    std::vector<pid_t> holders;
    for (long long left = count; left > 0; left -= each) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            cpu_set_t first;
            CPU_ZERO(&first);
            CPU_SET(0, &first);
            ::sched_setaffinity(0, sizeof first, &first);
            for (long long i = 0; i < std::min(left, each); ++i) {
                // Spread over files: each flock looks through the others on its file.
                const std::string path = directory + "/shared-" + std::to_string(i % 64);
                const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
                if (fd < 0 || ::flock(fd, LOCK_SH) != 0) {
                    std::perror(path.c_str());
                    ::_exit(1);
                }
            }
            const bool told = ::write(ready[1], "+", 1) == 1;
            ::close(ready[1]);
            ::pause();
            ::_exit(told ? 0 : 1);
        }
        holders.push_back(child);
    }
    ::close(ready[1]);
    std::size_t held = 0;
    for (char c; ::read(ready[0], &c, 1) == 1;)
        ++held;
    if (held == holders.size()) {
        std::printf("%lld shared flocks held by %zu processes\n", count, held);
        std::fflush(stdout);
        pollfd input = {STDIN_FILENO, POLLIN, 0};
        for (char c; ::poll(&input, 1, 120 * 1000) > 0 && ::read(STDIN_FILENO, &c, 1) > 0;) {
        }
    }
    for (const pid_t holder : holders) {
        ::kill(holder, SIGKILL);
        waitFor(holder);
    }
    return held == holders.size() ? 0 : 1;
}

// The lock held as either helper takes it, a flock and a POSIX lock on its
// first byte, for the check to stop: only root and the helper's group may.
int holdLock(const char* lockPath)
{
    const int fd = ::open(lockPath, O_RDWR | O_CLOEXEC);
    struct flock firstByte = {};
    firstByte.l_type = F_WRLCK;
    firstByte.l_whence = SEEK_SET;
    firstByte.l_len = 1;
    if (fd < 0 || ::flock(fd, LOCK_EX) != 0 || ::fcntl(fd, F_SETLKW, &firstByte) != 0) {
        std::perror(lockPath);
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(600));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "kill-helper" && argc == 7)
        return killHelpers(argv[2], argv[3], std::stoll(argv[4]), std::stoll(argv[5]),
                           static_cast<unsigned>(std::stoul(argv[6])));
    if (mode == "stop-holder" && (argc == 5 || argc == 6))
        return stopHolder(argv[2], argv[3], std::stoll(argv[4]), argc == 6 ? argv[5] : nullptr);
    if (mode == "stop-each-holder" && argc == 4)
        return stopEachHolder(argv[2], argv[3]);
    if (mode == "share-locks" && argc == 4)
        return shareLocks(argv[2], std::stoll(argv[3]));
    if (mode == "hold-lock" && argc == 3)
        return holdLock(argv[2]);
    std::fputs(
        "usage: pupil_attacks kill-helper HELPER LOCK FIRST COUNT SEED | stop-holder HELPER LOCK FIRST [CGROUP]\n"
        "       | stop-each-holder HELPER LOCK | share-locks DIRECTORY COUNT | hold-lock LOCK\n",
        stderr);
    return 64;
}
