// SPDX-License-Identifier: GPL-3.0-or-later
// Saves records the way the game does, for the fault tests.
//   fault_saver save DIR LAYOUT FIRST [COUNT]  saves FIRST, FIRST+1, ... (COUNT of them, else until killed)
//   fault_saver game SCORE NAME [GO]           finds, reads and saves the record as the game does;
//                                              given GO, says "ready" once it has read it and
//                                              saves once the file GO is there, as games quit at once
//   fault_saver hold DIR [barge]               takes the lock of DIR's protected files and stops
//                                              itself (POSIX); barging, whether or not a reset
//                                              keeps others out, as a save that looked just
//                                              before the reset began
//   fault_saver hold-file PATH SHARING MS      holds PATH open for MS milliseconds, sharing "none"
//                                              or "read" (Windows)
// LAYOUT is one of record_layouts.h. Record N is the score "N" held by
// "Player N". "go" on standard output means saving starts.
#include "record_layouts.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#ifndef _WIN32
#include "records/posix/lock_holder.h"
#include <fcntl.h>
#include <thread>
#else
#include <windows.h>
#endif

#include <csignal>
#include <cstdio>
#include <string>

using namespace orvetta;

namespace {

int saveMany(const char* directory, const char* layout, long long first, long long count)
{
    const auto files = testing::recordFilesOf(QString::fromLocal8Bit(directory), QString::fromLatin1(layout));
    std::puts("go");
    std::fflush(stdout);
    for (long long n = first; count < 0 || n < first + count; ++n) {
        const std::string number = std::to_string(n);
        const auto saved = saveRecord(*files, number, "Player " + number, "fault_saver");
        if (!saved) {
            std::fprintf(stderr, "save %lld failed: %s: %s\n", n, saved.problem.path.c_str(),
                         saved.problem.reason.c_str());
            return 1;
        }
    }
    return 0;
}

// What start-up and quitting do with the record, through the real platform.
int playGame(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    DesktopPlatform platform;
    const FileResult<QString> directory = platform.recordDirectory();
    const FileOutcome opened = directory ? platform.openRecord() : FileOutcome{false, directory.problem};
    if (argc == 5) {
        std::puts("ready");
        std::fflush(stdout);
        while (!QFile::exists(QString::fromLocal8Bit(argv[4])))
            QThread::msleep(1);
    }
    const FileResult<SaveVerdict> saved =
        opened ? platform.saveRecord(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))
               : FileResult<SaveVerdict>{std::nullopt, opened.problem};
    std::printf("directory %s, ", qPrintable(directory.value.value_or(QString())));
    if (!saved)
        std::printf("failed: %s: %s\n", qPrintable(saved.problem.path), qPrintable(saved.problem.reason));
    else
        std::puts(*saved.value == SaveVerdict::Saved  ? "saved"
                  : *saved.value == SaveVerdict::Kept ? "kept"
                                                      : "not a record");
    return saved ? 0 : 1;
}

#ifndef _WIN32
// A holder of the lock that never lets go by itself.
int hold(const char* directory, bool barge)
{
    if (barge) {
        const int lockFile = ::open((std::string(directory) + "/fraprod.lock").c_str(), O_RDWR);
        while (lockFile >= 0 && !tryLockByte(lockFile, recordLockByte))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return lockFile >= 0 && std::raise(SIGSTOP) == 0 ? 0 : 1;
    }
    const auto files = testing::recordFilesOf(QString::fromLocal8Bit(directory), QStringLiteral("protected"));
    if (const StoreProblem problem = files->lock(std::chrono::seconds(30))) {
        std::fprintf(stderr, "%s: %s\n", problem.path.c_str(), problem.reason.c_str());
        return 1;
    }
    std::raise(SIGSTOP);
    return 0;
}
#else
// A pupil's program that holds `path` open for `ms` milliseconds, sharing
// nothing or, as Word or Excel keep a document, only reading.
int holdFile(const char* path, const std::string& sharing, int ms)
{
    const HANDLE file =
        CreateFileW(reinterpret_cast<LPCWSTR>(QString::fromLocal8Bit(path).utf16()), GENERIC_READ | GENERIC_WRITE,
                    sharing == "read" ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(ms)); // ending lets go of the file
    return 0;
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "save" && (argc == 5 || argc == 6))
        return saveMany(argv[2], argv[3], std::stoll(argv[4]), argc == 6 ? std::stoll(argv[5]) : -1);
    if (mode == "game" && (argc == 4 || argc == 5))
        return playGame(argc, argv);
#ifndef _WIN32
    if (mode == "hold" && (argc == 3 || (argc == 4 && argv[3] == std::string("barge"))))
        return hold(argv[2], argc == 4);
#else
    if (mode == "hold-file" && argc == 5)
        return holdFile(argv[2], argv[3], std::stoi(argv[4]));
#endif
    std::fputs("usage: fault_saver save DIR LAYOUT FIRST [COUNT] | game SCORE NAME [GO] | hold DIR [barge] | hold-file "
               "PATH none|read MS\n",
               stderr);
    return 64;
}
