// SPDX-License-Identifier: GPL-3.0-or-later
// The record files on disk: start-up, quitting with a record, files that are
// broken or planted, and the figures of games killed while they save and of
// two games saving at once (POSIX; the Windows layout has its own test).
#include "game_fixture.h"
#include "record_layouts.h"
#include "records/record_history.h"
#include "records/record_journal.h"

#include <QThread>

#include <cstdio>
#include <grp.h>
#include <sys/stat.h>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString congratulation = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");

// A game started on record files that hold the given bytes.
struct RecordGame : Game {
    RecordGame(const QByteArray& score, const QByteArray& holder, const QString& name = QStringLiteral("Anna"))
        : Game(name, false)
    {
        writeFile(scoreFile, score);
        writeFile(nameFile, holder);
        tavola->Show();
    }
};

QString modeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? QString::number(info.st_mode & 07777, 8)
                                                                   : QStringLiteral("missing");
}

const QString saverProgram = QStringLiteral(FAULT_SAVER);

// The record files of a directory as the helper keeps them, owned by whoever
// runs the test.
struct ProtectedFiles : ProtectedRecordFiles {
    explicit ProtectedFiles(const QTemporaryDir& dir)
        : ProtectedRecordFiles(QFile::encodeName(dir.path()).toStdString(),
                               StoreOwner{static_cast<unsigned>(::geteuid()), static_cast<unsigned>(::getegid())})
    {
    }
};

void putFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
}

bool waitUntilStopped(qint64 pid)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        const QByteArray text = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
        if (const qsizetype nameEnd = text.lastIndexOf(')'); nameEnd > 0 && text.mid(nameEnd + 2, 1) == "T")
            return true;
        QThread::msleep(5);
    }
    return false;
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunCreatesBothFilesEmpty()
    {
        // A pupil with a strict umask still leaves files every other player can read, created or saved.
        const mode_t umaskBefore = ::umask(077);
        Game game;
        ::umask(umaskBefore);
        QCOMPARE(game.file(scoreFile) + game.file(nameFile), QByteArray());
        QCOMPARE(game.state().cartellaWin, game.platform.directory() + QStringLiteral("/"));
        for (bool saved : {false, true}) {
            if (saved)
                game.quitWithScore(1);
            for (const QString& file :
                 {scoreFile, nameFile, QStringLiteral("fraprod.lock"), QStringLiteral("fraprod.journal")})
                QCOMPARE(modeOf(game.platform.recordFile(file)), QStringLiteral("644"));
        }
    }

    // Start-up shows both files whole and leaves them as they are; quitting
    // saves a score that beats the number the stored score begins with.
    void quitting_data()
    {
        QTest::addColumn<QByteArray>("storedScore");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("savedName"); // empty: nothing is saved
        QTest::newRow("13 beats 12") << QByteArray("12\r\n") << 13 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("lower keeps the record") << QByteArray("12\r\n") << 3 << "Leo" << QByteArray();
        QTest::newRow("first run, 0 saves nothing") << QByteArray() << 0 << "Leo" << QByteArray();
        QTest::newRow("first run, 1 is a record") << QByteArray() << 1 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("empty name") << QByteArray("2\r\n") << 5 << "" << QByteArray("\r\n");
        QTest::newRow("blanks kept") << QByteArray("2\r\n") << 5 << " Leo  " << QByteArray(" Leo  \r\n");
        QTest::newRow("accented name") << QByteArray("2\r\n") << 5 << QString::fromUtf8("Niccolò")
                                       << QString::fromUtf8("Niccolò\r\n").toLocal8Bit();
        QTest::newRow("pasted line breaks")
            << QByteArray("2\r\n") << 5 << "Leo\r\nMaria\rB\nC" << QByteArray("Leo Maria B C\r\n");
        QTest::newRow("terminal controls")
            << QByteArray("2\r\n") << 5 << QString::fromUtf8("A\x1b[31mB\aC\x7f\u0085D\u202eE\u2066F\tG")
            << QByteArray("A [31mB C  D E F G\r\n");
        QTest::newRow("characters that hide")
            << QByteArray("2\r\n") << 5 << QString::fromUtf8("A\u2028B\u2029C\u200bD\u00adE\ufeffF\U000E0041G")
            << QByteArray("A B C D E F G\r\n");
        QTest::newRow("characters that show as nothing")
            << QByteArray("2\r\n") << 5
            << QString::fromUtf8("A\u034fB\ufe0fC\U000E0100D\u180bE\u17b4F\U000E0000G\ufffeH\ue000I\U000E0FFFJ")
            << QByteArray("A B C D E F G H I J\r\n");
        QTest::newRow("a name of fillers")
            << QByteArray("2\r\n") << 5 << QString::fromUtf8("\u3164\u115f\u1160\uffa0\u2800\u2800")
            << QByteArray("      \r\n");
        QTest::newRow("name plays no part") << QByteArray("40\r\n") << 39 << "Zed" << QByteArray();
        QTest::newRow("binary bytes") << QByteArray("\x01\xfe\xff\x80", 4) << 5 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("NUL bytes after a number") << QByteArray("7\0\0\r\n", 5) << 5 << "Leo" << QByteArray();
        QTest::newRow("a score no game reaches, on a very long line")
            << QByteArray(60000, '4') << 5 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("sign") << QByteArray("-3\r\n") << 5 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("decimal point") << QByteArray("4.5\r\n") << 5 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("decimal point above") << QByteArray("5.5\r\n") << 5 << "Leo" << QByteArray();
    }
    void quitting()
    {
        QFETCH(QByteArray, storedScore);
        QFETCH(int, score);
        QFETCH(QString, name);
        QFETCH(QByteArray, savedName);
        const QByteArray holder = QString::fromUtf8("Niccolò\r\n").toLocal8Bit();
        RecordGame game(storedScore, holder, name);
        QCOMPARE(game.w().lblpunti->caption(), QString::fromLocal8Bit(storedScore));
        QCOMPARE(game.w().lblnome->caption(), QString::fromUtf8("Niccolò\r\n"));
        game.quitWithScore(score);
        QCOMPARE(game.platform.exitStatus, EXIT_SUCCESS);
        const bool saved = !savedName.isEmpty();
        QCOMPARE(game.file(scoreFile) + game.file(nameFile),
                 saved ? QByteArray::number(score) + "\r\n" + savedName : storedScore + holder);
        const QString lastBox = saved ? congratulation : quitQuestion;
        QCOMPARE(game.platform.log.last(2), (QStringList{QStringLiteral("box: ") + lastBox, QStringLiteral("end")}));
        // The next game shows the holder as the file holds it.
        Game next(QStringLiteral("Bruno"), false);
        next.platform.shareRecordWith(game.platform);
        next.tavola->Show();
        QCOMPARE(next.w().lblnome->caption(), QString::fromLocal8Bit(next.file(nameFile)));
    }

    // What the game does with each answer of the record helper to a save.
    void quittingThroughTheHelper_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("logged"); // what the game shows last before it ends
        QTest::newRow("saved") << QByteArray("saved\n") << QStringLiteral("box: ") + congratulation;
        QTest::newRow("not a record") << QByteArray("not a record\n") << QStringLiteral("box: ") + quitQuestion;
        QTest::newRow("kept until the lock is free")
            << QByteArray("kept\n")
            << QStringLiteral("box: Il tuo record sarà registrato appena il computer lo permette.");
        QTest::newRow("anything else") << QByteArray("saved\nmore\n") << QStringLiteral("runtime error 75");
    }
    void quittingThroughTheHelper()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, logged);
        Game game(QStringLiteral("Anna"), false);
        const QString helper = game.platform.recordFile(QStringLiteral("helper"));
        game.writeFile(QStringLiteral("helper"),
                       "#!/bin/sh\nprintf '%s ' \"$@\" >\"$0.args\"\ncat >\"$0.name\"\nprintf '" + answer + "'\n");
        QVERIFY(QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner));
        game.platform.saveThrough(helper);
        game.tavola->Show();
        game.quitWithScore(13);
        QCOMPARE(game.file(QStringLiteral("helper.args")) + game.file(QStringLiteral("helper.name")),
                 QByteArray("save 13 Anna"));
        QVERIFY2(game.platform.log.value(game.platform.log.size() - 2).startsWith(logged),
                 qPrintable(game.platform.log.join('|')));
        QCOMPARE(game.platform.log.last(), QStringLiteral("end"));
        QCOMPARE(game.platform.exitStatus, logged.startsWith(QStringLiteral("runtime")) ? EXIT_FAILURE : EXIT_SUCCESS);
    }

    // A record that changed while a game was played: quitting saves only a
    // score that beats both the record start-up showed and the one on disk.
    void theRecordChangedMeanwhile_data()
    {
        QTest::addColumn<int>("savedMeanwhile"); // by another game; 0: root resets the record instead
        QTest::addColumn<int>("score");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("lower than a record saved meanwhile") << 50 << 20 << QByteArray("50\r\nAlba\r\n");
        QTest::newRow("tie with a record saved meanwhile") << 20 << 20 << QByteArray("20\r\nAlba\r\n");
        QTest::newRow("tie with the record at start-up, reset meanwhile") << 0 << 10 << QByteArray();
    }
    void theRecordChangedMeanwhile()
    {
        QFETCH(int, savedMeanwhile);
        QFETCH(int, score);
        QFETCH(QByteArray, record);
        RecordGame first("10\r\n", "Old\r\n", QStringLiteral("Alba"));
        Game second(QStringLiteral("Bruno"), false);
        second.platform.shareRecordWith(first.platform);
        second.tavola->Show();
        QCOMPARE(second.w().lblpunti->caption(), QStringLiteral("10\r\n"));
        if (savedMeanwhile > 0) {
            first.quitWithScore(savedMeanwhile);
            QCOMPARE(first.boxCount(congratulation), 1);
        } else {
            OwnRecordFiles files(QFile::encodeName(first.platform.directory()).toStdString());
            QVERIFY(resetRecord(files, "root"));
        }
        second.quitWithScore(score);
        QCOMPARE(second.boxCount(congratulation), 0);
        QCOMPARE(second.platform.exitStatus, EXIT_SUCCESS);
        QCOMPARE(first.file(scoreFile) + first.file(nameFile), record);
    }

    void whatIsNoRecordFileIsRefused_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<bool>("atStartUp");
        QTest::addColumn<QString>("named");
        for (const char* planted : {"dangling link", "link to a file", "directory", "FIFO", "file too large"})
            QTest::addRow("%s at start-up", planted) << planted << true << scoreFile;
        QTest::newRow("link to a file before a save") << "link to a file" << false << scoreFile;
        QTest::newRow("unusable directory") << "unusable directory" << true << "Read-only file system";
    }
    void whatIsNoRecordFileIsRefused()
    {
        QFETCH(QString, planted);
        QFETCH(bool, atStartUp);
        QFETCH(QString, named);
        RecordGame game("12\r\n", "Old\r\n");
        const QString path = game.platform.recordFile(scoreFile), victim = QStringLiteral("victim.txt");
        const bool linkedFile = planted == QStringLiteral("link to a file");
        QFile::remove(path);
        if (linkedFile)
            game.writeFile(victim, "99\r\n");
        if (planted.contains(QStringLiteral("link")))
            QVERIFY(QFile::link(game.platform.recordFile(victim), path));
        else if (planted == QStringLiteral("directory"))
            QVERIFY(QDir().mkdir(path));
        else if (planted == QStringLiteral("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (planted == QStringLiteral("file too large"))
            game.writeFile(scoreFile, QByteArray(1 << 20, '1')); // a caption of megabytes would freeze the window
        else
            game.platform.failRecordDirectory(named);

        QElapsedTimer clock;
        clock.start();
        if (atStartUp) {
            game.platform.nameNext(QStringLiteral("Bea"));
            game.platform.answerNext(MsgAnswer::Yes);
            game.w().Next->trigger(); // a new game reads the record afresh
            QVERIFY(!game.w().isVisible());
        } else {
            game.quitWithScore(13);
        }
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(game.platform.exitStatus, EXIT_FAILURE);
        QVERIFY(game.platform.log.filter(QStringLiteral("runtime error")).value(0).contains(named));
        // Neither read, written nor created through a link.
        QCOMPARE(game.file(victim), linkedFile ? QByteArray("99\r\n") : QByteArray("<missing>"));
    }

    // After each kill, the next reader finishes or drops what the killed save
    // left: the pair is then one save's pair, whole.
    void killedWhileSaving_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::newRow("the game's own files, replaced") << QStringLiteral("open");
        QTest::newRow("protected files, rewritten in place") << QStringLiteral("protected");
    }
    void killedWhileSaving()
    {
        QFETCH(QString, layout);
        QTemporaryDir dir;
        QStringList left{QStringLiteral("fraprod.journal"), QStringLiteral("fraprod.lock"), scoreFile, nameFile};
        if (layout == QStringLiteral("protected"))
            left.prepend(QStringLiteral("fraprod.history"));
        checkSavesKilledAtRandom(saverProgram, dir.path(), layout, left);
    }

    // A holder of the lock that does not let go. Stopped for good, it holds
    // up nobody: saves wait beside the record, one a player, every reader
    // counts them at once, and the next holder applies them. Root's reset
    // ends it within a few seconds, whatever its state, and says so.
    void aHolderThatDoesNotLetGo_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<bool>("reset");
        QTest::newRow("stopped, then killed") << true << false;
        QTest::newRow("stopped, then root resets") << true << true;
        QTest::newRow("asleep as when frozen, then root resets") << false << true;
    }
    void aHolderThatDoesNotLetGo()
    {
        QFETCH(bool, stopped);
        QFETCH(bool, reset);
        QTemporaryDir dir;
        ProtectedFiles files(dir);
        // Where the package keeps the saves that wait.
        QCOMPARE(::mkdir(QFile::encodeName(dir.filePath(QStringLiteral("fraprod.kept"))).constData(), 0770), 0);
        QCOMPARE(saveRecord(files, "20", "Zoe", "zoe").value, SaveVerdict::Saved);
        QProcess holder;
        // A player's: root's reset waits for root's own holders.
        if (::geteuid() == 0) {
            QVERIFY(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeGroup));
            holder.setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setresuid(65534, 65534, 65534) != 0)
                    ::_exit(126);
            });
        }
        holder.start(saverProgram, {QStringLiteral("hold"), dir.path(), QStringLiteral("protected"),
                                    stopped ? QStringLiteral("stopped") : QStringLiteral("asleep")});
        QVERIFY2(holder.waitForReadyRead(30000) && (!stopped || waitUntilStopped(holder.processId())),
                 holder.readAllStandardError().constData());
        const qint64 holderPid = holder.processId();
        const RecordPair best{"60\r\n", "Ciro\r\n"};
        if (stopped) {
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(saveRecord(files, "50", "Alba", "leo").value, SaveVerdict::Kept);
            QCOMPARE(saveRecord(files, "40", "Bea", "leo").value, SaveVerdict::NotARecord);
            QCOMPARE(saveRecord(files, "60", "Ciro", "leo").value, SaveVerdict::Kept);
            QVERIFY2(clock.elapsed() < saveLockWait.count(), "a save waited for the stopped holder");
            QCOMPARE(QDir(dir.filePath(QStringLiteral("fraprod.kept"))).entryList({QStringLiteral("user-*")}),
                     QStringList{QStringLiteral("user-%1").arg(::getuid())});
            QCOMPARE(*readRecord(files).value, best);
            QCOMPARE(*files.read(StoreFile::Score).value, "20\r\n");
        }

        if (reset) {
            QElapsedTimer clock;
            clock.start();
            const ResetOutcome outcome = resetRecord(files, "root");
            QVERIFY2(outcome && clock.elapsed() < saveLockWait.count(), outcome.problem.reason.c_str());
            QCOMPARE(outcome.ended.size(), 1u);
            QCOMPARE(outcome.ended.front().pid, holderPid);
            QVERIFY(holder.waitForFinished(30000) && holder.exitStatus() == QProcess::CrashExit);
            QCOMPARE(*readRecord(files).value, RecordPair{});
            const std::string line = "\troot\treset, after ending process " + std::to_string(holderPid) + " of "
                                     + outcome.ended.front().login + "\t\t\t";
            QVERIFY2(files.history().value->find(line) != std::string::npos, files.history().value->c_str());
        } else {
            holder.kill();
            QVERIFY(holder.waitForFinished(30000));
            QCOMPARE(*readRecord(files).value, best);
            QVERIFY(files.history().value->ends_with("\tleo\tkept save\t60\tCiro\t20\tZoe\n"));
        }
        QCOMPARE(QDir(dir.filePath(QStringLiteral("fraprod.kept")))
                     .entryList({QStringLiteral("user-*"), QStringLiteral("applying-*")}),
                 QStringList());
    }

    // What a change leaves in the history when a save was stopped at any
    // point: the lines before it whole, then its own line, once.
    void theHistoryAfterASaveCutShort_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("lineWritten"); // before the save was stopped
        QTest::addColumn<QByteArray>("kept");  // of the lines before
        const QByteArray line = "2026-12-01 10:00:00 +0000\tleo\tsave\t5\tLeo\t\t\n";
        QTest::newRow("stopped before its line") << line << false << line;
        QTest::newRow("stopped after its line") << line << true << line;
        QTest::newRow("a line cut short before it") << line + "2026-12-01 10:00:01 +0000\tmal" << false << line;
        const qsizetype nearlyFull = qsizetype(maxHistoryBytes) - 5 - line.size();
        QTest::newRow("full, with a garbled line") << line + QByteArray(nearlyFull - 1, 'x') + '\n' << false << line;
    }
    void theHistoryAfterASaveCutShort()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, lineWritten);
        QFETCH(QByteArray, kept);
        QTemporaryDir dir;
        ProtectedFiles files(dir);
        QVERIFY(readRecord(files));
        const RecordPair pair{"7\r\n", "Mara\r\n"};
        const std::string line = historyLine(0, "mara", "save", pair, {});
        QCOMPARE(files.write(StoreFile::Journal, encodeJournal({pair, line})).kind, StoreFailure::None);
        QFile history(dir.filePath(QStringLiteral("fraprod.history")));
        const QByteArray written = before + (lineWritten ? QByteArray::fromStdString(line) : QByteArray());
        QVERIFY(history.open(QIODevice::WriteOnly) && history.write(written) == written.size());
        history.close();

        const auto record = readRecord(files);
        QVERIFY(record);
        QCOMPARE(*record.value, pair);
        QCOMPARE(QByteArray::fromStdString(*files.history().value), kept + QByteArray::fromStdString(line));
    }

    // A history with no room left keeps everyone's story: root's lines and
    // each login's newest stay, whatever one pupil saved, names are cut short,
    // and a trim stopped at any point is finished or dropped, never seen spliced.
    void aFullHistoryKeepsEveryonesStory_data()
    {
        QTest::addColumn<QString>("stopped"); // where an earlier trim was stopped
        QTest::newRow("trimmed by the save") << "";
        QTest::newRow("a trim stopped writing its lines") << "writing";
        QTest::newRow("a trim stopped replacing the history") << "replacing";
    }
    void aFullHistoryKeepsEveryonesStory()
    {
        QFETCH(QString, stopped);
        QTemporaryDir dir;
        ProtectedFiles files(dir);
        const auto lineOf = [](int n, const char* login, const char* action) {
            return historyLine(n, login, action, {std::to_string(n) + "\r\n", "M\r\n"}, {});
        };
        const std::string leo = lineOf(1, "leo", "save"), reset = lineOf(2, "root", "reset");
        std::string full = leo + reset, newest;
        for (int n = 3; full.size() + newest.size() < maxHistoryBytes - 100; ++n)
            full += std::exchange(newest, lineOf(n, "mal", "save"));
        full += newest;
        const std::string kept = trimmedHistory(full, 200), trim = encodeTrimmedHistory(kept);
        putFile(dir.filePath(QStringLiteral("fraprod.history")),
                stopped == "replacing" ? kept + full.substr(kept.size()) : full);
        putFile(dir.filePath(QStringLiteral("fraprod.trim")), stopped == "writing"     ? trim.substr(0, trim.size() / 2)
                                                              : stopped == "replacing" ? trim
                                                                                       : "");
        if (stopped == "replacing")
            QCOMPARE(*files.history().value, kept);

        QCOMPARE(saveRecord(files, "9999", std::string(4096, 'n'), "mal").value, SaveVerdict::Saved);
        const std::string history = *files.history().value;
        const QByteArrayList lines = QByteArray::fromStdString(history).chopped(1).split('\n');
        QCOMPARE(QSet<QByteArray>(lines.begin(), lines.end()).size(), lines.size());
        QVERIFY(history.starts_with(leo + reset) && history.size() < maxHistoryBytes / 2);
        QVERIFY(history.find(newest) != std::string::npos);
        QCOMPARE(lines.last().split('\t').mid(1, 4),
                 QByteArrayList({"mal", "save", "9999", QByteArray(64, 'n') + "\u2026"}));
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("fraprod.trim"))).size(), 0);
    }

    // A lock file replaced between its opening and its locking: the lock
    // taken on it keeps nobody out, so it is taken again on the lock file
    // that stands there now, which another save holds meanwhile.
    void aLockFileSwappedBeforeLocking()
    {
        QTemporaryDir dir;
        const QString lockFile = dir.filePath(QStringLiteral("fraprod.lock"));
        QProcess holder;
        struct SwappedFiles : ProtectedFiles {
            using ProtectedFiles::ProtectedFiles;
            std::function<void()> meanwhile;
            void lockFileOpened() override
            {
                std::exchange(meanwhile, [] {})();
            }
        } files(dir);
        files.meanwhile = [&] {
            QFile fresh(lockFile + QStringLiteral(".new"));
            QVERIFY(fresh.open(QIODevice::WriteOnly) && fresh.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
            QCOMPARE(
                std::rename(QFile::encodeName(fresh.fileName()).constData(), QFile::encodeName(lockFile).constData()),
                0);
            holder.start(saverProgram,
                         {QStringLiteral("hold"), dir.path(), QStringLiteral("protected"), QStringLiteral("stopped")});
            QVERIFY(holder.waitForReadyRead(30000) && waitUntilStopped(holder.processId()));
        };
        QCOMPARE(int(files.lock(std::chrono::milliseconds(100)).kind), int(StoreFailure::Busy));
        holder.kill();
        QVERIFY(holder.waitForFinished(30000));
        QCOMPARE(files.lock(std::chrono::milliseconds(0)).kind, StoreFailure::None);
    }

    void twoGamesSavingAtOnce()
    {
        QTemporaryDir dir;
        checkTwoGamesSavingAtOnce(saverProgram, dir.path(), QStringLiteral("open"));
    }
};

QTEST_MAIN(RecordsTest)
#include "test_records.moc"
