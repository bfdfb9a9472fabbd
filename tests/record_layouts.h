// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QTest>

#include <memory>
#include <random>
#include <thread>

#ifdef Q_OS_WIN
#include "records/windows/record_files_windows.h"
#else
#include "records/posix/own_record_files.h"
#include "records/posix/protected_record_files.h"
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvetta::testing {

// The record files of a directory as the games lay them out: "open", the
// game's own files; "protected", rewritten in place and owned by the
// directory's owner, as the helper keeps them; "prepared", made beforehand
// and rewritten in place, as the Windows installer leaves them.
inline std::unique_ptr<RecordFiles> recordFilesOf(const QString& directory, const QString& layout)
{
#ifdef Q_OS_WIN
    using Layout = WindowsRecordFiles::Layout;
    return std::make_unique<WindowsRecordFiles>(directory,
                                                layout == QStringLiteral("prepared") ? Layout::Prepared : Layout::Own);
#else
    const std::string path = QFile::encodeName(directory).toStdString();
    struct stat info = {};
    if (layout == QStringLiteral("protected") && ::stat(path.c_str(), &info) == 0)
        return std::make_unique<ProtectedRecordFiles>(path, StoreOwner{info.st_uid, info.st_gid});
    return std::make_unique<OwnRecordFiles>(path);
#endif
}

// The N of a whole pair "N", "Player N" as one save of fault_saver writes it;
// 0 before any save, -1 for anything else.
inline qint64 saveIn(const RecordPair& pair)
{
    if (pair == RecordPair{})
        return 0;
    const std::string number = pair.score.substr(0, pair.score.find('\r'));
    const bool whole = !number.empty() && number.find_first_not_of("0123456789") == std::string::npos
                       && pair.score == number + "\r\n" && pair.holder == "Player " + number + "\r\n";
    return whole ? std::stoll(number) : -1;
}

// Saves of fault_saver killed at random moments: after each kill the next
// reader finishes or drops what the killed save left, so the pair is then
// one save's pair, whole; the lock dies with its holder, so the next game
// saves at once and leaves exactly the files `left` in the directory.
inline void checkSavesKilledAtRandom(const QString& saver, const QString& directory, const QString& layout,
                                     const QStringList& left)
{
    const auto files = recordFilesOf(directory, layout);
    const quint64 seed = 20240611;
    std::mt19937_64 rng(seed);
    int kills = 0, broken = 0, cutShort = 0;
    qint64 next = 1;
    QElapsedTimer clock;
    clock.start();
    for (; kills < 100; ++kills) {
        QProcess game;
        game.start(saver, {QStringLiteral("save"), directory, layout, QString::number(next)});
        QVERIFY(game.waitForReadyRead(30000));
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 10000)(rng)));
        game.kill();
        QVERIFY(game.waitForFinished(30000));
        cutShort += QFileInfo(QDir(directory).filePath(QStringLiteral("fraprod.journal"))).size() > 0;
        const auto record = readRecord(*files);
        QVERIFY2(record, record.problem.reason.c_str());
        const qint64 saved = saveIn(*record.value);
        broken += saved < next - 1;
        next = std::max(next, saved + 1);
        if (next > maxRecordScore - 1000) { // keep every save a record
            QVERIFY(resetRecord(*files, "fault tests"));
            next = 1;
        }
    }
    qInfo("killed while saving, %s (seed %llu): %d kills in %lld ms, journals left for the next reader to finish "
          "or drop: %d, pairs found broken, mixed or older: %d",
          qPrintable(layout), seed, kills, clock.elapsed(), cutShort, broken);
    QCOMPARE(broken, 0);

    QProcess later;
    later.start(saver, {QStringLiteral("save"), directory, layout, QString::number(next), QStringLiteral("1")});
    QVERIFY(later.waitForFinished(30000));
    QCOMPARE(later.exitCode(), 0);
    QCOMPARE(saveIn(*readRecord(*files).value), next);
    QCOMPARE(QDir(directory).entryList(QDir::Files | QDir::Hidden), left);
}

// Two games saving at once, rounds of five saves each, while a third reads:
// no read finds a broken or mixed pair, and a lower score never replaces a
// higher one.
inline void checkTwoGamesSavingAtOnce(const QString& saver, const QString& directory, const QString& layout)
{
    const auto files = recordFilesOf(directory, layout);
    int reads = 0, broken = 0;
    for (int round = 0; round < 20; ++round) {
        QProcess games[2];
        for (int g = 0; g < 2; ++g)
            games[g].start(saver, {QStringLiteral("save"), directory, layout,
                                   QString::number(g * 1000 + round * 10 + 1), QStringLiteral("5")});
        while (games[0].state() != QProcess::NotRunning || games[1].state() != QProcess::NotRunning) {
            const auto record = readRecord(*files);
            ++reads;
            broken += !record || saveIn(*record.value) < 0;
            games[0].waitForFinished(1);
            games[1].waitForFinished(1);
        }
        QCOMPARE(games[0].exitCode() + games[1].exitCode(), 0);
        QCOMPARE(saveIn(*readRecord(*files).value), 1000 + round * 10 + 5);
    }
    qInfo("two games saving at once, %s: 20 rounds of 2 x 5 saves, %d reads meanwhile, pairs found broken or mixed: "
          "%d",
          qPrintable(layout), reads, broken);
    QCOMPARE(broken, 0);
}

} // namespace orvetta::testing
