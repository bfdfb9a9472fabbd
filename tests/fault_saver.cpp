// SPDX-License-Identifier: GPL-3.0-or-later
// Saves records the way the game does, for the fault tests.
//   fault_saver loop DIR LAYOUT FIRST          saves FIRST, FIRST+1, ... until killed
//   fault_saver count DIR LAYOUT FIRST COUNT   saves COUNT records from FIRST, then exits
//   fault_saver game SCORE NAME                finds, reads and saves the record as the game does
//   fault_saver journal SCORE NAME             prints a journal for the pair "SCORE\r\n", "NAME\r\n"
// LAYOUT is "open" (the game's own files) or "protected" (owned by whoever
// runs this, rewritten in place, as the helper does). Record N is the score
// "N" held by "Player N". "go" on standard output means saving starts.
#include "platform/DesktopPlatform.h"
#include "platform/record_files.h"
#include "records/record_journal.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

using namespace orvetta;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: fault_saver loop DIR LAYOUT FIRST | count DIR LAYOUT FIRST COUNT | game SCORE NAME | journal SCORE NAME\n");
    return 64;
}

bool save(RecordFiles& files, long long n)
{
    const std::string number = std::to_string(n);
    const auto saved = saveRecord(files, number, "Player " + number);
    if (!saved)
        std::fprintf(stderr, "save %lld failed: %s: %s\n", n, saved.problem.path.c_str(), saved.problem.reason.c_str());
    return saved.value.has_value();
}

// What start-up and quitting do with the record, through the real platform.
int playGame(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    DesktopPlatform platform;
    const FileResult<QString> directory = platform.recordDirectory();
    const FileOutcome opened = directory ? platform.openRecord() : FileOutcome{false, directory.problem};
    if (!opened) {
        std::fprintf(stderr, "read: %s: %s\n", qPrintable(opened.problem.path), qPrintable(opened.problem.reason));
        return 1;
    }
    const QByteArray score = *platform.readWhole(*directory.value + QStringLiteral("/fraprod.txt")).value;
    std::printf("directory %s, record %s", qPrintable(*directory.value), score.constData());
    const FileResult<SaveVerdict> saved = platform.saveRecord(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (!saved) {
        std::printf("save failed: %s: %s\n", qPrintable(saved.problem.path), qPrintable(saved.problem.reason));
        return 1;
    }
    std::puts(*saved.value == SaveVerdict::Saved ? "saved" : "not a record");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "game" && argc == 4)
        return playGame(argc, argv);
    if (mode == "journal" && argc == 4) {
        const std::string journal = encodeJournal({std::string(argv[2]) + "\r\n", std::string(argv[3]) + "\r\n"});
        return std::fwrite(journal.data(), 1, journal.size(), stdout) == journal.size() ? 0 : 1;
    }
    if (argc < 5 || (std::strcmp(argv[3], "open") != 0 && std::strcmp(argv[3], "protected") != 0))
        return usage();
    std::optional<StoreOwner> owner;
    if (std::strcmp(argv[3], "protected") == 0)
        owner = StoreOwner{static_cast<unsigned>(::geteuid()), static_cast<unsigned>(::getegid())};
    PosixRecordFiles files(argv[2], owner);
    const long long first = std::atoll(argv[4]);
    std::puts("go");
    std::fflush(stdout);
    if (mode == "loop" && argc == 5) {
        for (long long n = first;; ++n)
            if (!save(files, n))
                return 1;
    }
    if (mode == "count" && argc == 6) {
        for (long long n = first; n < first + std::atoll(argv[5]); ++n)
            if (!save(files, n))
                return 1;
        return 0;
    }
    return usage();
}
