// SPDX-License-Identifier: GPL-3.0-or-later
// Runs two commands N times each, alternately, and prints the median and the
// 95th percentile of each one's wall time from just before exec to its exit.
//   bench_spawn N COMMAND_A... -- COMMAND_B...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The monotonic clock, in milliseconds.
double nowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Wall time of one run in milliseconds, or -1 when it fails.
double timeOnce(char* const* command)
{
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDOUT_FILENO);
        execv(command[0], command);
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    const double end = nowMs();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? end - start : -1;
}

double at(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())))];
}

} // namespace

int main(int argc, char* argv[])
{
    int split = 0;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--") == 0)
            split = i;
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (runs <= 0 || split <= 2 || split == argc - 1) {
        std::fprintf(stderr, "usage: bench_spawn N COMMAND_A... -- COMMAND_B...\n");
        return 64;
    }
    argv[split] = nullptr;
    char* const* commands[] = {argv + 2, argv + split + 1};
    std::vector<double> times[2];
    for (int i = 0; i < runs; ++i)
        for (int c = 0; c < 2; ++c) {
            const double ms = timeOnce(commands[c]);
            if (ms < 0) {
                std::fprintf(stderr, "%s failed\n", commands[c][0]);
                return 1;
            }
            times[c].push_back(ms);
        }
    std::printf("spawn %d %.2f %.2f %.2f %.2f\n", runs, at(times[0], 0.5), at(times[0], 0.95), at(times[1], 0.5),
                at(times[1], 0.95));
    return 0;
}
