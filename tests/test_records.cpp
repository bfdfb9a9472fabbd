// SPDX-License-Identifier: GPL-3.0-or-later
// The record files on disk, with games killed while they save and two games
// saving at once. On POSIX: start-up, quitting with a record, files that are
// broken or planted, the history and a holder of the lock that does not let
// go. On Windows: the record in the Windows directory that
// GetWindowsDirectoryA names, as the installer lays it out there, read and
// saved by the game without a file made beside it, and kept with the player
// where the installer's files are missing; and in the folder an
// administrator's policy names instead, reached or not.
#include "game_fixture.h"
#include "record_layouts.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <fstream>
#include <optional>
#include <random>
#include <thread>

#ifdef Q_OS_WIN
#include "records/windows/record_files_windows.h"
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#else
#include "helper/record_keepers.h"
#include "records/record_history.h"
#include "records/record_journal.h"
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#endif

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString congratulation = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");
QString saverProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" FAULT_SAVER);
}

// The N of a whole pair "N", "Player N" as one save of fault_saver writes it;
// 0 before any save, -1 for anything else.
qint64 saveIn(const RecordPair& pair)
{
    const std::string number = std::to_string(std::strtoll(pair.score.c_str(), nullptr, 10));
    if (pair == RecordPair{number + "\r\n", "Player " + number + "\r\n"})
        return std::stoll(number);
    return pair == RecordPair{} ? 0 : -1;
}

#ifdef Q_OS_WIN
const QString gameLayout = QStringLiteral("prepared");
const QStringList installedFiles{scoreFile, nameFile, QStringLiteral("fraprod.lock"),
                                 QStringLiteral("fraprod.journal")};

const QString unreadBox = QStringLiteral("Il record non si può leggere ora"),
              unsavedBox = QStringLiteral("Il tuo record di 13 punti, a nome Bea, non è stato registrato");

// The record folder an administrator's policy names, for as long as it lives.
class RecordFolderPolicy {
public:
    explicit RecordFolderPolicy(const QString& value) { policy_.setValue(name_, value); }
    ~RecordFolderPolicy() { policy_.remove(name_); }
    RecordFolderPolicy(const RecordFolderPolicy&) = delete;
    RecordFolderPolicy& operator=(const RecordFolderPolicy&) = delete;

private:
    QSettings policy_{QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Orvetta"), QSettings::NativeFormat};
    const QString name_ = QStringLiteral("RecordFolder");
};

// Where the installed game keeps the record: the Windows directory, or the
// folder a test's policy names.
QString recordFolder;

QString windowsFile(const QString& name)
{
    return (recordFolder.isEmpty() ? WindowsRecordFiles::machineDirectory() : recordFolder) + QLatin1Char('\\') + name;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Everything in the Windows directory, to see that playing adds nothing there.
QStringList windowsDirectoryListing()
{
    return QDir(WindowsRecordFiles::machineDirectory())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The record's files as the installer leaves them, in place of what an
// earlier test left there: the pair given, an empty lock, the journal given;
// `missing` is left out ("*": every file).
void install(const QByteArray& score, const QByteArray& holder, const QByteArray& journal = {},
             const QString& missing = {})
{
    const QByteArray bytes[] = {score, holder, {}, journal}; // as installedFiles names them
    QDir().rmdir(windowsFile(scoreFile));
    for (qsizetype i = 0; i < installedFiles.size(); ++i) {
        QFile file(windowsFile(installedFiles[i]));
        file.remove();
        QVERIFY(installedFiles[i] == missing || missing == QStringLiteral("*")
                || (file.open(QIODevice::WriteOnly) && file.write(bytes[i]) == bytes[i].size()));
    }
}

// Where the fault tests save: the Windows directory, as the installer leaves it.
QString faultDirectory(const QTemporaryDir&)
{
    install({}, {});
    return WindowsRecordFiles::machineDirectory();
}
#else
const QString gameLayout = QStringLiteral("open");

QString faultDirectory(const QTemporaryDir& own)
{
    return own.path();
}

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

// The owner of record files kept as the helper keeps them: whoever runs the test.
const StoreOwner me{::geteuid(), ::getegid()};

// Protected files that run something of the test's, once, where a process
// of another player could act meanwhile.
struct HookedFiles : ProtectedRecordFiles {
    using ProtectedRecordFiles::ProtectedRecordFiles;
    std::function<void()> whenLockFileOpened = [] {}, whenHolderEnded = [] {};
    bool maySignal = true; // false: as a teacher's helper, which may not signal a pupil's
    std::optional<EndedHolder> endLockHolder() override
    {
        const auto ended = maySignal ? ProtectedRecordFiles::endLockHolder() : std::nullopt;
        std::exchange(whenHolderEnded, [] {})();
        return ended;
    }
    void lockFileOpened() override
    {
        std::exchange(whenLockFileOpened, [] {})();
    }
};

// A fault_saver (`program`, this build's unless given) that holds the lock of
// the protected files in `directory` (`how` it takes it), stopped: waited for as its parent,
// which leaves it stopped and unreaped. What went wrong, if it did not.
QString startHolder(QProcess& holder, const QString& directory, const QString& program = saverProgram(),
                    const QStringList& how = {})
{
    holder.start(program, QStringList{QStringLiteral("hold"), directory} + how);
    siginfo_t info = {};
    if (holder.waitForStarted(30000)
        && ::waitid(P_PID, id_t(holder.processId()), &info, WSTOPPED | WEXITED | WNOWAIT) == 0
        && info.si_code == CLD_STOPPED)
        return {};
    holder.waitForFinished(30000);
    return QStringLiteral("%1 did not hold the lock of %2 (%3; status %4): %5")
        .arg(program, directory, holder.errorString())
        .arg(info.si_status)
        .arg(QString::fromLocal8Bit(holder.readAllStandardError()));
}
#endif

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    // After each kill at a random moment of a save, the next reader finishes
    // or drops what the killed save left, so the pair is then one save's
    // pair, whole; the lock dies with its holder, so the next game saves at
    // once and leaves nothing but the record's files in the directory.
    void killedWhileSaving_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("made"); // the files the saves make
#ifdef Q_OS_WIN
        QTest::newRow("the installer's files, rewritten in place") << gameLayout << QStringList();
#else
        const QStringList made{QStringLiteral("fraprod.journal"), QStringLiteral("fraprod.lock"), scoreFile, nameFile};
        QTest::newRow("the game's own files, replaced") << gameLayout << made;
        QTest::newRow("protected files, rewritten in place")
            << QStringLiteral("protected") << QStringList{QStringLiteral("fraprod.history")} + made;
#endif
    }
    void killedWhileSaving()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, made);
        QTemporaryDir own;
        const QString directory = faultDirectory(own);
        const QStringList left = QDir(directory).entryList(QDir::Files | QDir::Hidden) + made;
        const auto files = recordFilesOf(directory, layout);
        std::mt19937_64 rng(20240611);
        qint64 next = 1;
        for (int kill = 0; kill < 100; ++kill) {
            QProcess game;
            // Under Wine about one start in a thousand ends at once, with
            // nothing said: such a start is tried once more.
            const auto started = [&] {
                game.start(saverProgram(), {QStringLiteral("save"), directory, layout, QString::number(next)});
                return game.waitForReadyRead(30000);
            };
            QVERIFY2(started() || started(), qPrintable(game.errorString() + game.readAllStandardError()));
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 10000)(rng)));
            game.kill();
            QVERIFY(game.waitForFinished(30000));
            const auto record = readRecord(*files);
            QVERIFY2(record, record.problem.reason.c_str());
            const qint64 saved = saveIn(*record.value);
            QVERIFY2(saved >= next - 1, "a killed save left a broken, mixed or older pair");
            next = std::max(next, saved + 1);
            if (next > maxRecordScore - 1000) { // keep every save a record
                QVERIFY(resetRecord(*files, "fault tests"));
                next = 1;
            }
        }

        const std::string number = std::to_string(next);
        QCOMPARE(saveRecord(*files, number, "Player " + number, "later").value, SaveVerdict::Saved);
        QCOMPARE(QDir(directory).entryList(QDir::Files | QDir::Hidden), left);
    }

    // Two games saving at once, rounds of five saves each, while a third reads:
    // no read finds a broken or mixed pair, and a lower score never replaces a
    // higher one.
    void twoGamesSavingAtOnce()
    {
        QTemporaryDir own;
        const QString directory = faultDirectory(own);
        const auto files = recordFilesOf(directory, gameLayout);
        for (int round = 0; round < 20; ++round) {
            QProcess games[2];
            for (int g = 0; g < 2; ++g)
                games[g].start(saverProgram(), {QStringLiteral("save"), directory, gameLayout,
                                                QString::number(g * 1000 + round * 10 + 1), QStringLiteral("5")});
            while (games[0].state() != QProcess::NotRunning || games[1].state() != QProcess::NotRunning) {
                const auto record = readRecord(*files);
                QVERIFY(record && saveIn(*record.value) >= 0);
                games[0].waitForFinished(1);
                games[1].waitForFinished(1);
            }
            QCOMPARE(games[0].exitCode() + games[1].exitCode(), 0);
            QCOMPARE(saveIn(*readRecord(*files).value), 1000 + round * 10 + 5);
        }
    }

#ifdef Q_OS_WIN
    // The installed game reads the record the installer kept or made, or
    // whatever a teacher or a pupil wrote there, saves a higher score in the
    // ANSI code page, and leaves nothing new beside it.
    void theInstalledRecord_data()
    {
        QTest::addColumn<QByteArray>("storedScore");
        QTest::addColumn<QByteArray>("storedHolder");
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("shown"); // the score and the holder, each with its line end
        QTest::addColumn<int>("score");     // saved by "Nicolò È" if a record
        QTest::addColumn<bool>("saved");
        const QString niccolo = QString::fromUtf8("Niccolò\r\n");
        const QByteArray oldHolder = niccolo.toLocal8Bit();
        const QByteArray utf8Mark = "\xef\xbb\xbf";
        const auto utf16 = [](const QString& text) {
            return QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        };
        std::mt19937 rng(31);
        QByteArray junk(70 * 1024, '\0');
        for (char& byte : junk)
            byte = static_cast<char>(rng());
        QTest::newRow("an old game's record, beaten")
            << QByteArray("12\r\n") << oldHolder << QByteArray() << "12\r\n" + niccolo << 13 << true;
        QTest::newRow("a fresh installation") << QByteArray() << QByteArray() << QByteArray() << QString() << 1 << true;
        QTest::newRow("Notepad's UTF-8 with its mark, kept")
            << utf8Mark + "5\r\n"
            << utf8Mark + niccolo.toUtf8() << QByteArray() << "5\r\n" + niccolo << 1 << false;
        QTest::newRow("Notepad's UTF-16, kept")
            << utf16("5\r\n") << utf16(niccolo) << QByteArray() << "5\r\n" + niccolo << 1 << false;
        QTest::newRow("Notepad's UTF-16, beaten")
            << utf16("5\r\n") << utf16(niccolo) << QByteArray() << "5\r\n" + niccolo << 6 << true;
        QTest::newRow("Notepad's UTF-8 name")
            << QByteArray("12\r\n") << niccolo.toUtf8() << QByteArray() << "12\r\n" + niccolo << 12 << false;
        QTest::newRow("70 KB of junk in the journal")
            << QByteArray("12\r\n") << oldHolder << junk << "12\r\n" + niccolo << 13 << true;
        QTest::newRow("70 KB of junk after the score")
            << "7\r\n" + junk << oldHolder << QByteArray() << "7\r\n" + niccolo << 8 << true;
        QTest::newRow("70 KB of a score without a line end")
            << QByteArray(70 * 1024, '9') << oldHolder << QByteArray() << niccolo << 1 << true;
    }
    void theInstalledRecord()
    {
        QFETCH(QByteArray, storedScore);
        QFETCH(QByteArray, storedHolder);
        QFETCH(QByteArray, journal);
        QFETCH(QString, shown);
        QFETCH(int, score);
        QFETCH(bool, saved);
        install(storedScore, storedHolder, journal);
        const QStringList before = windowsDirectoryListing();
        const QString name = QString::fromUtf8("Nicolò È");
        Game game(name, false);
        game.platform.machineRecord = true;
        game.tavola->Show();
        QCOMPARE(game.w().lblpunti->caption() + game.w().lblnome->caption(), shown);
        game.quitWithScore(score);
        QCOMPARE(game.boxCount(congratulation), saved ? 1 : 0);
        QCOMPARE(bytesOf(windowsFile(scoreFile)) + bytesOf(windowsFile(nameFile)),
                 saved ? QByteArray::number(score) + "\r\n" + name.toLocal8Bit() + "\r\n" : storedScore + storedHolder);
        QCOMPARE(bytesOf(windowsFile(QStringLiteral("fraprod.journal"))), QByteArray());
        QCOMPARE(windowsDirectoryListing(), before);
    }

    // Without every file the installer makes, the game creates none of them:
    // the record stays in the player's own data directory.
    void withoutTheInstallersFiles_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::newRow("no installation") << QStringLiteral("*");
        QTest::newRow("no lock file") << QStringLiteral("fraprod.lock");
        QTest::newRow("no journal") << QStringLiteral("fraprod.journal");
        QTest::newRow("a folder for the score") << scoreFile;
    }
    void withoutTheInstallersFiles()
    {
        QFETCH(QString, missing);
        install("12\r\n", "Leo\r\n", {}, missing);
        if (missing == scoreFile)
            QVERIFY(QDir().mkdir(windowsFile(scoreFile)));
        const QStringList before = windowsDirectoryListing();
        const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(own).removeRecursively();
        Game game(QStringLiteral("Bea"), false);
        game.platform.machineRecord = true;
        game.tavola->Show();
        QCOMPARE(game.w().lblpunti->caption(), QString());
        game.quitWithScore(5);
        QCOMPARE(game.boxCount(congratulation), 1);
        QCOMPARE(bytesOf(own + QLatin1Char('/') + scoreFile), QByteArray("5\r\n"));
        QCOMPARE(windowsDirectoryListing(), before);
        QDir(own).removeRecursively();
    }

    // The folder of the administrator's policy holds the record instead of
    // the Windows directory, which stays as it was: its files are made where
    // missing and kept where present. A folder that cannot be reached (a
    // server down, a value that names no folder) costs nobody their game: the
    // player is told once, plays, and learns that a record was not saved.
    void theRecordFolderOfThePolicy_data()
    {
        QTest::addColumn<QString>("value");  // %1: the folder
        QTest::addColumn<QString>("folder"); // "installed", "empty" or "gone"
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("reached");
        QTest::newRow("the installer's files, as pasted from Explorer, with a backslash")
            << QStringLiteral("\"%1\\\"") << QStringLiteral("installed") << QStringLiteral("12\r\nOld\r\n") << true;
        QTest::newRow("an empty folder") << QStringLiteral("%1") << QStringLiteral("empty") << QString() << true;
        QTest::newRow("a server that is down") << QStringLiteral("%1") << QStringLiteral("gone") << QString() << false;
        QTest::newRow("a folder named without its drive")
            << QStringLiteral("Orvetta") << QStringLiteral("empty") << QString() << false;
    }
    void theRecordFolderOfThePolicy()
    {
        QFETCH(QString, value);
        QFETCH(QString, folder);
        QFETCH(QString, shown);
        QFETCH(bool, reached);
        install("7\r\n", "Windows\r\n");
        QTemporaryDir made;
        recordFolder = QDir::toNativeSeparators(made.path());
        const auto back = qScopeGuard([] { recordFolder.clear(); });
        if (folder == QStringLiteral("installed"))
            install("12\r\n", "Old\r\n");
        else if (folder == QStringLiteral("gone"))
            QVERIFY(made.remove());
        const RecordFolderPolicy policy(QString(value).replace(QStringLiteral("%1"), recordFolder));
        Game game(QStringLiteral("Bea"), false);
        game.platform.machineRecord = true;
        game.tavola->Show();
        QCOMPARE(game.w().lblpunti->caption() + game.w().lblnome->caption(), shown);
        const QStringList told = game.platform.log.filter("box: " + unreadBox);
        QVERIFY2(told.size() == (reached ? 0 : 1)
                     && (reached || told[0].contains(QString(value).replace(QStringLiteral("%1"), recordFolder))),
                 qPrintable(game.platform.log.join(QLatin1Char('\n'))));
        game.quitWithScore(13);
        QCOMPARE(game.platform.exitStatus, reached ? EXIT_SUCCESS : EXIT_FAILURE);
        QCOMPARE(game.platform.log.filter("box: " + unsavedBox).size(), reached ? 0 : 1);
        QCOMPARE(bytesOf(windowsFile(scoreFile)) + bytesOf(windowsFile(nameFile)),
                 reached ? QByteArray("13\r\nBea\r\n") : QByteArray("<missing><missing>"));
        QCOMPARE(QDir(recordFolder).entryList(QDir::Files).size(), reached ? installedFiles.size() : 0);
        recordFolder.clear();
        QCOMPARE(bytesOf(windowsFile(scoreFile)) + bytesOf(windowsFile(nameFile)), QByteArray("7\r\nWindows\r\n"));
    }

    // A record file that another program holds open, as a pupil's editor, a
    // scanner or a backup does, or that a pupil made read-only: the installed
    // game neither ends for it nor turns to a record of the player's own. Held
    // for a moment, it is waited for; read-only, made writable again; held for
    // good, the player is told, with the file's name, and plays on, or learns
    // what was not saved.
    void heldOrReadOnlyFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("held"); // the sharing and for how many ms; none: made read-only
        QTest::addColumn<bool>("atStartUp"); // from before start-up, let go before quitting; else from before quitting
        QTest::addColumn<QString>("told");   // how the box that names the file begins; none if empty
        QTest::addColumn<bool>("inPolicyFolder"); // else in the Windows directory
        const QStringList forGood{QStringLiteral("none"), QStringLiteral("60000")}, none;
        const QString lock = QStringLiteral("fraprod.lock");
        QTest::newRow("the score, sharing nothing, at start-up") << scoreFile << forGood << true << unreadBox << false;
        QTest::newRow("the lock, sharing nothing, at start-up") << lock << forGood << true << QString() << false;
        QTest::newRow("the holder, read-only") << nameFile << none << true << QString() << false;
        QTest::newRow("the lock, read-only") << lock << none << false << QString() << false;
        QTest::newRow("the holder, as a document is open, for a second")
            << nameFile << QStringList{QStringLiteral("read"), QStringLiteral("1000")} << false << QString() << false;
        QTest::newRow("the journal, sharing nothing, for good")
            << QStringLiteral("fraprod.journal") << forGood << false << unsavedBox << false;
        QTest::newRow("the policy's folder: the score, sharing nothing, at start-up")
            << scoreFile << forGood << true << unreadBox << true;
        QTest::newRow("the policy's folder: the holder, read-only") << nameFile << none << true << QString() << true;
        QTest::newRow("the policy's folder: the journal, sharing nothing, for good")
            << QStringLiteral("fraprod.journal") << forGood << false << unsavedBox << true;
    }
    void heldOrReadOnlyFiles()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, held);
        QFETCH(bool, atStartUp);
        QFETCH(QString, told);
        QFETCH(bool, inPolicyFolder);
        QTemporaryDir folder;
        std::optional<RecordFolderPolicy> policy;
        if (inPolicyFolder)
            policy.emplace(recordFolder = QDir::toNativeSeparators(folder.path()));
        const auto back = qScopeGuard([] { recordFolder.clear(); });
        install("12\r\n", "Old\r\n");
        const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(own).removeRecursively();
        QProcess holder;
        Game game(QStringLiteral("Bea"), false);
        game.platform.machineRecord = true;
        for (const bool startingUp : {true, false}) {
            if (startingUp == atStartUp && held.isEmpty())
                QVERIFY(QFile::setPermissions(windowsFile(file), QFile::ReadOwner | QFile::ReadUser));
            else if (startingUp == atStartUp)
                holder.start(saverProgram(), QStringList{QStringLiteral("hold-file"), windowsFile(file)} + held);
            QVERIFY(held.isEmpty() || startingUp != atStartUp || holder.waitForReadyRead(30000));
            if (!startingUp) {
                game.quitWithScore(13);
                break;
            }
            game.tavola->Show();
            QCOMPARE(game.w().lblpunti->caption(), told == unreadBox ? QString() : "12\r\n");
            holder.kill();
            holder.waitForFinished(30000);
        }
        const QStringList naming = game.platform.log.filter(windowsFile(file));
        QVERIFY2(naming.size() == !told.isEmpty() && (told.isEmpty() || naming[0].startsWith("box: " + told)),
                 qPrintable(game.platform.log.join(QLatin1Char('\n'))));
        const bool saved = told != unsavedBox;
        QCOMPARE(game.platform.exitStatus, saved ? EXIT_SUCCESS : EXIT_FAILURE);
        QCOMPARE(bytesOf(windowsFile(scoreFile)) + bytesOf(windowsFile(nameFile)),
                 QByteArray(saved ? "13\r\nBea\r\n" : "12\r\nOld\r\n"));
        QVERIFY(QFileInfo(windowsFile(file)).isWritable() && !QDir(own).exists());
    }

    // The lock keeps a second game out while the first holds it.
    void oneGameAtATime()
    {
        QTemporaryDir own;
        const QString directory = faultDirectory(own);
        const auto first = recordFilesOf(directory, gameLayout), second = recordFilesOf(directory, gameLayout);
        QCOMPARE(first->lock(std::chrono::milliseconds(0)).kind, StoreFailure::None);
        QCOMPARE(second->lock(std::chrono::milliseconds(50)).kind, StoreFailure::Busy);
    }
#else
    void firstRunCreatesBothFilesEmpty()
    {
        // A pupil with a strict umask still leaves files every other player can read, created or saved.
        const mode_t umaskBefore = ::umask(077);
        Game game;
        ::umask(umaskBefore);
        QCOMPARE(game.file(scoreFile) + game.file(nameFile), QByteArray());
        game.quitWithScore(1);
        // 0644, Qt's way: a hex digit for each of owner, user (the owner here), group and others.
        for (const QString& file :
             {scoreFile, nameFile, QStringLiteral("fraprod.lock"), QStringLiteral("fraprod.journal")})
            QCOMPARE(QFile::permissions(game.platform.recordFile(file)), QFile::Permissions(0x6644));
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
        QTest::newRow("empty name") << QByteArray("2\r\n") << 5 << "" << QByteArray("\r\n");
        QTest::newRow("blanks kept") << QByteArray("2\r\n") << 5 << " Leo  " << QByteArray(" Leo  \r\n");
        QTest::newRow("accented") << QByteArray("2\r\n") << 5 << "Niccolò"
                                  << QString::fromUtf8("Niccolò\r\n").toLocal8Bit();
        // Pasted line breaks, terminal controls and characters that hide.
        QTest::newRow("controls")
            << QByteArray("2\r\n") << 5
            << QString::fromUtf8(
                   "A\x1b[31mB\aC\x7f\u0085D\u202eE\u2066F\tG\r\nH\rI\nJ\u2028K\u2029L\u200bM\u00adN\ufeffO"
                   "\U000E0041P\U000E0FFFQ")
            << QByteArray("A [31mB C  D E F G H I J K L M N O P Q\r\n");
        // No number counts as 0, so 1 beats it.
        QTest::newRow("binary bytes") << QByteArray("\x01\xfe\xff\x80", 4) << 1 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("NUL bytes after a number") << QByteArray("7\0\0\r\n", 5) << 5 << "Leo" << QByteArray();
        QTest::newRow("a score no game reaches") << QByteArray(60000, '4') << 5 << "Leo" << QByteArray("Leo\r\n");
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
        QCOMPARE(game.w().lblpunti->caption() + game.w().lblnome->caption(),
                 QString::fromLocal8Bit(storedScore + holder));
        game.quitWithScore(score);
        QCOMPARE(game.platform.exitStatus, EXIT_SUCCESS);
        const bool saved = !savedName.isEmpty();
        QCOMPARE(game.file(scoreFile) + game.file(nameFile),
                 saved ? QByteArray::number(score) + "\r\n" + savedName : storedScore + holder);
        QCOMPARE(game.platform.log.last(2), (QStringList{"box: " + (saved ? congratulation : quitQuestion), "end"}));
    }

    // What the game does with each answer of the record helper to a save.
    void quittingThroughTheHelper_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("logged"); // what the game shows last before it ends
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
        QCOMPARE(game.platform.log.value(game.platform.log.size() - 2).left(logged.size()), logged);
        QCOMPARE(game.platform.exitStatus, logged.startsWith(QStringLiteral("runtime")) ? EXIT_FAILURE : EXIT_SUCCESS);
    }

    // A record that changed while a game was played: quitting saves only a
    // score that beats both the record start-up showed and the one on disk.
    void theRecordChangedMeanwhile_data()
    {
        QTest::addColumn<int>("savedMeanwhile"); // by another game; 0: root resets the record instead
        QTest::addColumn<int>("score");
        QTest::newRow("tie with a record saved meanwhile") << 20 << 20;
        QTest::newRow("tie with the record at start-up, reset meanwhile") << 0 << 10;
    }
    void theRecordChangedMeanwhile()
    {
        QFETCH(int, savedMeanwhile);
        QFETCH(int, score);
        RecordGame first("10\r\n", "Old\r\n", QStringLiteral("Alba"));
        Game second(QStringLiteral("Bruno"), false);
        second.platform.shareRecordWith(first.platform);
        second.tavola->Show();
        if (savedMeanwhile > 0)
            first.quitWithScore(savedMeanwhile);
        else
            QVERIFY(resetRecord(*recordFilesIn(first.platform.directory(), false), "root"));
        second.quitWithScore(score);
        QCOMPARE(second.boxCount(congratulation), 0);
        QCOMPARE(second.platform.exitStatus, EXIT_SUCCESS);
        QCOMPARE(first.file(scoreFile) + first.file(nameFile), savedMeanwhile ? "20\r\nAlba\r\n" : QByteArray());
    }

    void whatIsNoRecordFileIsRefused_data()
    {
        QTest::addColumn<QString>("planted");
        for (const char* planted : {"dangling link", "FIFO", "file too large", "unusable directory"})
            QTest::addRow("%s", planted) << planted;
    }
    void whatIsNoRecordFileIsRefused()
    {
        QFETCH(QString, planted);
        // What the error names: the file, or why the directory is of no use.
        const QString named = planted == QStringLiteral("unusable directory") ? "Read-only file system" : scoreFile;
        RecordGame game("12\r\n", "Old\r\n");
        const QString path = game.platform.recordFile(scoreFile), victim = QStringLiteral("victim.txt");
        QFile::remove(path);
        if (planted == QStringLiteral("dangling link"))
            QVERIFY(QFile::link(game.platform.recordFile(victim), path));
        else if (planted == QStringLiteral("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (planted == QStringLiteral("file too large"))
            game.writeFile(scoreFile, QByteArray(1 << 20, '1')); // a caption of megabytes would freeze the window
        else
            game.platform.failRecordDirectory(named);

        game.platform.answerNext(MsgAnswer::Yes);
        game.w().Next->trigger(); // a new game reads the record afresh
        QVERIFY(!game.w().isVisible());
        QCOMPARE(game.platform.exitStatus, EXIT_FAILURE);
        QVERIFY(game.platform.log.filter(QStringLiteral("runtime error")).value(0).contains(named));
        QCOMPARE(game.file(victim), QByteArray("<missing>")); // not created through the link
    }

    // A holder of the lock stopped for good holds up nobody: saves wait
    // beside the record, one a player, and every reader counts them at once.
    // Root's reset ends it, and one more that took the lock as the reset
    // began, and names each in the history.
    void aStoppedHolder()
    {
        QTemporaryDir dir;
        HookedFiles files(dir.path().toStdString(), me);
        // Where the package keeps the saves that wait.
        QCOMPARE(::mkdir(QFile::encodeName(dir.filePath(QStringLiteral("fraprod.kept"))).constData(), 0770), 0);
        QCOMPARE(saveRecord(files, "20", "Zoe", "zoe").value, SaveVerdict::Saved);
        QProcess holders[2];
        // A player's: root's reset waits for root's own holders. The player
        // runs a copy of their own, as this build may sit in a folder only
        // root may enter (root's home, where a root user keeps a clone); the
        // player keeps root's group, which may enter these two.
        QTemporaryDir programs;
        QString program = saverProgram();
        if (::geteuid() == 0) {
            program = programs.filePath(QStringLiteral(FAULT_SAVER));
            for (const QString& reachable : {dir.path(), programs.path()})
                QVERIFY(QFile::setPermissions(reachable, QFile::permissions(reachable) | QFile::ExeGroup));
            QVERIFY(QFile::copy(saverProgram(), program));
            for (QProcess& holder : holders)
                holder.setChildProcessModifier([] {
                    if (::setgroups(0, nullptr) != 0 || ::setresuid(65534, 65534, 65534) != 0)
                        ::_exit(126);
                });
        }
        QCOMPARE(startHolder(holders[0], dir.path(), program), QString());
        QCOMPARE(saveRecord(files, "50", "Alba", "leo").value, SaveVerdict::Kept);
        QCOMPARE(saveRecord(files, "40", "Bea", "leo").value, SaveVerdict::NotARecord);
        QCOMPARE(saveRecord(files, "60", "Ciro", "leo").value, SaveVerdict::Kept);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("fraprod.kept"))).entryList({QStringLiteral("user-*")}),
                 QStringList{QStringLiteral("user-%1").arg(::getuid())});
        QCOMPARE(*readRecord(files).value, (RecordPair{"60\r\n", "Ciro\r\n"}));

        files.whenHolderEnded = [&] { QCOMPARE(startHolder(holders[1], dir.path(), program, {"barge"}), QString()); };
        const ResetOutcome outcome = resetRecord(files, "root");
        QVERIFY2(outcome, outcome.problem.reason.c_str());
        QCOMPARE(outcome.ended.size(), 2u);
        // The holders' own pids, read before they are reaped; the lines after the time.
        QByteArrayList ended{"root\treset\t\t\t20\tZoe"},
            lines = QByteArray::fromStdString(*files.history().value).split('\n');
        for (int i : {1, 0})
            ended.prepend(QStringLiteral("root\treset: ended process %1 of %2\t\t\t\t")
                              .arg(holders[i].processId())
                              .arg(QString::fromStdString(outcome.ended[i].login))
                              .toUtf8());
        for (QByteArray& line : lines)
            line.remove(0, line.indexOf('\t') + 1);
        QCOMPARE(lines.mid(lines.size() - 4, 3), ended);
        for (QProcess& holder : holders)
            QVERIFY(holder.waitForFinished(30000) && holder.exitStatus() == QProcess::CrashExit);
        QCOMPARE(*readRecord(files).value, RecordPair{});
    }

    // The teachers' file is trusted only in a directory of root's, not
    // through a link to one.
    void theTeachersFileThroughALink()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real")), link = dir.filePath(QStringLiteral("link"));
        QVERIFY(QDir().mkdir(real) && QFile::link(real, link));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile file(real + QStringLiteral("/record.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("teachers=root\n") == 14);
        file.close();
        const RecordKeepers trusted = readRecordKeepers(file.fileName().toStdString());
        QCOMPARE(trusted.group, ::geteuid() == 0 ? std::optional<gid_t>(0) : std::nullopt);
        const RecordKeepers linked = readRecordKeepers((link + QStringLiteral("/record.conf")).toStdString());
        QVERIFY(!linked.group && linked.note.find("non è una cartella che solo root") != std::string::npos);
    }

    // A reset that may not end the stopped holder waits beside the record:
    // every read counts it at once, a save after it counts, one before it
    // does not, and the next holder of the lock writes it, naming its maker.
    void aResetWaitsBesideAHolderItMayNotEnd()
    {
        QTemporaryDir dir;
        HookedFiles files(dir.path().toStdString(), me);
        QCOMPARE(::mkdir(QFile::encodeName(dir.filePath(QStringLiteral("fraprod.kept"))).constData(), 0770), 0);
        QCOMPARE(saveRecord(files, "20", "Zoe", "zoe").value, SaveVerdict::Saved);
        QProcess holder;
        QCOMPARE(startHolder(holder, dir.path()), QString());
        QCOMPARE(saveRecord(files, "500", "Alba", "leo").value, SaveVerdict::Kept);
        files.maySignal = false;
        const ResetOutcome reset = resetRecord(files, "maestra");
        QVERIFY2(reset && reset.ended.empty() && reset.waitsFor, reset.problem.reason.c_str());
        QCOMPARE(reset.waitsFor->pid, holder.processId());
        QCOMPARE(*readRecord(files).value, RecordPair{});
        QVERIFY(files.history().value->ends_with("\tmaestra\twaiting reset\t\t\t\t\n"));
        QCOMPARE(saveRecord(files, "300", "Ciro", "leo").value, SaveVerdict::Kept);
        QCOMPARE(*readRecord(files).value, (RecordPair{"300\r\n", "Ciro\r\n"}));

        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(30000));
        QCOMPARE(*readRecord(files).value, (RecordPair{"300\r\n", "Ciro\r\n"}));
        QByteArrayList lines = QByteArray::fromStdString(*files.history().value).split('\n');
        for (QByteArray& line : lines)
            line.remove(0, line.indexOf('\t') + 1);
        QCOMPARE(lines.mid(lines.size() - 3, 2),
                 (QByteArrayList{"maestra\treset\t\t\t20\tZoe", "leo\tkept save\t300\tCiro\t\t"}));
    }

    // A history with no room left keeps everyone's story: root's lines and
    // each login's newest stay, whatever one pupil saved, names are cut short,
    // and a trim stopped while it replaced the history is finished, never seen
    // spliced.
    void aFullHistoryKeepsEveryonesStory_data()
    {
        QTest::addColumn<bool>("stopped"); // an earlier trim, while it replaced the history
        QTest::newRow("trimmed by the save") << false;
        QTest::newRow("a trim stopped replacing the history") << true;
    }
    void aFullHistoryKeepsEveryonesStory()
    {
        QFETCH(bool, stopped);
        QTemporaryDir dir;
        ProtectedRecordFiles files(dir.path().toStdString(), me);
        const auto lineOf = [](int n, const char* login, const char* action) {
            return historyLine(n, login, action, {std::to_string(n) + "\r\n", "M\r\n"}, {});
        };
        // Root's older line too, which is no login's newest; a line an older
        // version garbled, which is nobody's.
        const std::string leo = lineOf(1, "leo", "save"),
                          reset = lineOf(2, "root", "reset") + lineOf(3, "root", "reset");
        std::string full = leo + "garbled\n" + reset, newest;
        for (int n = 4; full.size() + newest.size() < maxHistoryBytes - 100; ++n)
            full += std::exchange(newest, lineOf(n, "mal", "save"));
        full += newest;
        const std::string kept = trimmedHistory(full, 200), trim = encodeTrimmedHistory(kept);
        std::ofstream(dir.filePath(QStringLiteral("fraprod.history")).toStdString())
            << (stopped ? kept + full.substr(kept.size()) : full);
        std::ofstream(dir.filePath(QStringLiteral("fraprod.trim")).toStdString()) << (stopped ? trim : "");
        if (stopped)
            QCOMPARE(*files.history().value, kept);

        QCOMPARE(saveRecord(files, "9999", std::string(4096, 'n'), "mal").value, SaveVerdict::Saved);
        const std::string history = *files.history().value;
        const QByteArrayList lines = QByteArray::fromStdString(history).chopped(1).split('\n');
        QCOMPARE(QSet<QByteArray>(lines.begin(), lines.end()).size(), lines.size());
        QVERIFY(history.starts_with(leo + reset) && history.size() < maxHistoryBytes / 2);
        QVERIFY(history.find(newest) != std::string::npos);
        QCOMPARE(lines.last().split('\t').mid(1, 4),
                 QByteArrayList({"mal", "save", "9999", QByteArray(64, 'n') + "\u2026"}));
    }

    // A lock file replaced between its opening and its locking: the lock
    // taken on it keeps nobody out, so it is taken again on the lock file
    // that stands there now, which another save holds meanwhile.
    void aLockFileSwappedBeforeLocking()
    {
        QTemporaryDir dir;
        QProcess holder;
        HookedFiles files(dir.path().toStdString(), me);
        files.whenLockFileOpened = [&] { // the holder makes the lock file afresh
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("fraprod.lock"))));
            QCOMPARE(startHolder(holder, dir.path()), QString());
        };
        QCOMPARE(int(files.lock(std::chrono::milliseconds(100)).kind), int(StoreFailure::Busy));
        holder.kill();
        QVERIFY(holder.waitForFinished(30000));
        QCOMPARE(files.lock(std::chrono::milliseconds(0)).kind, StoreFailure::None);
    }

#endif
};

QTEST_MAIN(RecordsTest)
#include "test_records.moc"
