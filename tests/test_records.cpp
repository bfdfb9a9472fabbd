// The record files on disk: start-up, quitting with a record, and files that
// are broken, planted or busy.
#include "game_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QLockFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <thread>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString scoreFile = QStringLiteral("fraprod.txt");
const QString nameFile = QStringLiteral("fraprod1.txt");
const QString congratulation = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Plays the given score, then quits with Yes.
void quitWithScore(Game& game, int score)
{
    game.state().nEsatte = static_cast<std::int16_t>(score);
    game.tavola->cmdNext_Click();
    game.platform.answerNext(MsgAnswer::Yes);
    game.click(game.w().cmdExit);
}

bool congratulated(const Game& game)
{
    return std::any_of(game.platform.boxes().begin(), game.platform.boxes().end(),
                       [](const ShownBox& b) { return b.text == congratulation; });
}

// A game whose record files hold the given bytes before it starts.
struct GameWithRecord : Game {
    GameWithRecord(const QByteArray& score, const QByteArray& holder, const QString& name = QStringLiteral("Anna"))
        : Game(name, false)
    {
        writeBytes(platform.recordFile(scoreFile), score);
        writeBytes(platform.recordFile(nameFile), holder);
        tavola->Show();
    }

    void quitWithScore(int score) { ::quitWithScore(*this, score); }
    QByteArray file(const QString& name) const { return bytesOf(platform.recordFile(name)); }
    bool congratulated() const { return ::congratulated(*this); }
};

// A second game started on the record of `first`, as on the same machine.
struct SecondGame : Game {
    SecondGame(const Game& first, const QString& name) : Game(name, false)
    {
        platform.shareRecordWith(first.platform);
        tavola->Show();
    }
};

QString modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? QString::number(info.st_mode & 07777, 8)
                                                                   : QStringLiteral("missing");
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunCreatesBothFilesEmpty()
    {
        // A pupil with a strict umask still leaves files every other player can read.
        const mode_t umaskBefore = ::umask(077);
        Game game;
        ::umask(umaskBefore);
        for (const QString& file : {scoreFile, nameFile, QStringLiteral("fraprod.lock"), QStringLiteral("fraprod.journal")})
            QCOMPARE(modeOf(game.platform.recordFile(file)), QStringLiteral("644"));
        QCOMPARE(bytesOf(game.platform.recordFile(scoreFile)), QByteArray());
        QCOMPARE(bytesOf(game.platform.recordFile(nameFile)), QByteArray());
        QCOMPARE(game.w().lblpunti->caption(), QString());
        QCOMPARE(game.w().lblnome->caption(), QString());
        QCOMPARE(game.state().cartellaWin, game.platform.directory() + QStringLiteral("/"));
    }

    void startupShowsAndKeepsTheStoredRecord()
    {
        const QByteArray holder = QString::fromUtf8("Niccolò Lucía\r\n").toLocal8Bit();
        GameWithRecord game("12\r\n", holder);
        QCOMPARE(game.w().lblpunti->caption(), QStringLiteral("12\r\n"));
        QCOMPARE(game.w().lblnome->caption(), QString::fromUtf8("Niccolò Lucía\r\n"));
        QCOMPARE(game.file(scoreFile), QByteArray("12\r\n"));
        QCOMPARE(game.file(nameFile), holder);
    }

    void quitting_data()
    {
        QTest::addColumn<QByteArray>("storedScore");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QByteArray>("nameBytes");
        QTest::newRow("13 beats 12") << QByteArray("12\r\n") << 13 << "Leo" << true << QByteArray("Leo\r\n");
        QTest::newRow("equal keeps the record") << QByteArray("12\r\n") << 12 << "Leo" << false << QByteArray();
        QTest::newRow("lower keeps the record") << QByteArray("12\r\n") << 3 << "Leo" << false << QByteArray();
        QTest::newRow("first run, 0 saves nothing") << QByteArray() << 0 << "Leo" << false << QByteArray();
        QTest::newRow("first run, 1 is a record") << QByteArray() << 1 << "Leo" << true << QByteArray("Leo\r\n");
        QTest::newRow("empty name") << QByteArray("2\r\n") << 5 << "" << true << QByteArray("\r\n");
        QTest::newRow("blanks kept") << QByteArray("2\r\n") << 5 << " Leo  " << true << QByteArray(" Leo  \r\n");
        QTest::newRow("accented name") << QByteArray("2\r\n") << 5 << QString::fromUtf8("Niccolò")
                                       << true << QString::fromUtf8("Niccolò\r\n").toLocal8Bit();
        QTest::newRow("pasted line break") << QByteArray("2\r\n") << 5 << "Leo\nMaria" << true
                                           << QByteArray("Leo Maria\r\n");
        QTest::newRow("pasted CR LF and CR") << QByteArray("2\r\n") << 5 << "Leo\r\nMaria\rB" << true
                                             << QByteArray("Leo Maria B\r\n");
        QTest::newRow("name plays no part") << QByteArray("40\r\n") << 39 << "Zed" << false << QByteArray();
    }
    void quitting()
    {
        QFETCH(QByteArray, storedScore);
        QFETCH(int, score);
        QFETCH(QString, name);
        QFETCH(bool, saved);
        QFETCH(QByteArray, nameBytes);
        GameWithRecord game(storedScore, "Old\r\n", name);
        game.quitWithScore(score);

        const ShownBox& question = game.platform.boxes()[2];
        QCOMPARE(question.text, QStringLiteral("Vuoi veramente lasciarmi  ?"));
        QCOMPARE(question.title, QStringLiteral("Uscire dal programma"));
        QCOMPARE(question.style, MsgStyle::YesNoQuestionDefaultNo);
        QVERIFY(game.platform.ended());
        QCOMPARE(game.platform.exitStatus(), EXIT_SUCCESS);
        QVERIFY(game.eventsAfterEnd().isEmpty());
        if (saved) {
            QCOMPARE(game.file(scoreFile), QByteArray::number(score) + "\r\n");
            QCOMPARE(game.file(nameFile), nameBytes);
            QCOMPARE(game.platform.log().last(2),
                     (QStringList{QStringLiteral("box: ") + congratulation, QStringLiteral("end")}));
            QCOMPARE(congratulation.size(), 48);
        } else {
            QCOMPARE(game.file(scoreFile), storedScore);
            QCOMPARE(game.file(nameFile), QByteArray("Old\r\n"));
            QCOMPARE(game.platform.boxes().size(), size_t(3));
        }
    }

    void answeringNoChangesNothing()
    {
        GameWithRecord game("12\r\n", "Old\r\n");
        game.state().nEsatte = 20;
        game.tavola->cmdNext_Click();
        const QString question = game.fraction();
        game.platform.answerNext(MsgAnswer::No);
        game.click(game.w().cmdExit);
        QVERIFY(!game.platform.ended());
        QVERIFY(game.timerEnabled());
        QCOMPARE(game.fraction(), question);
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("20"));
        QCOMPARE(game.w().lblpunti->caption(), QStringLiteral("12\r\n"));
        QCOMPARE(game.file(scoreFile), QByteArray("12\r\n"));
    }

    void afterYesNothingRuns()
    {
        GameWithRecord game("1\r\n", "Old\r\n");
        game.quitWithScore(4);
        QVERIFY(!game.timerEnabled());
        game.tick();
        QVERIFY(game.eventsAfterEnd().isEmpty());
        QCOMPARE(game.platform.log().last(), QStringLiteral("end"));
    }

    void aSaveCutShortIsFinishedByTheNextGame()
    {
        GameWithRecord game("12\r\n", "Old\r\n");
        // Something the name file cannot be replaced by.
        const QString planted = game.platform.recordFile(nameFile);
        QVERIFY(QFile::remove(planted));
        QVERIFY(QDir().mkpath(planted + QStringLiteral("/inside")));
        game.quitWithScore(13);
        QVERIFY(game.runtimeError().contains(nameFile));
        QVERIFY(!game.congratulated());
        QCOMPARE(game.platform.exitStatus(), EXIT_FAILURE);

        QVERIFY(QDir(planted).removeRecursively());
        SecondGame next(game, QStringLiteral("Bea"));
        QCOMPARE(next.w().lblpunti->caption(), QStringLiteral("13\r\n"));
        QCOMPARE(next.w().lblnome->caption(), QStringLiteral("Anna\r\n"));
        QCOMPARE(game.file(nameFile), QByteArray("Anna\r\n"));
    }

    void aLowerScoreSavedSecondWritesNothing()
    {
        GameWithRecord first("10\r\n", "Old\r\n", QStringLiteral("Alba"));
        SecondGame second(first, QStringLiteral("Bruno"));
        QCOMPARE(second.w().lblpunti->caption(), QStringLiteral("10\r\n"));
        first.quitWithScore(50);
        QVERIFY(first.congratulated());
        quitWithScore(second, 20);
        QVERIFY(second.platform.ended());
        QVERIFY(!congratulated(second));
        QCOMPARE(second.platform.exitStatus(), EXIT_SUCCESS);
        QCOMPARE(first.file(scoreFile), QByteArray("50\r\n"));
        QCOMPARE(first.file(nameFile), QByteArray("Alba\r\n"));
    }

    void startupRefusesWhatIsNoRecordFile_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<QString>("named");
        for (const char* planted : {"dangling link", "link to a file", "directory", "FIFO"})
            QTest::newRow(planted) << planted << scoreFile;
        QTest::newRow("unusable directory") << "unusable directory" << "Read-only file system";
    }
    void startupRefusesWhatIsNoRecordFile()
    {
        QFETCH(QString, planted);
        QFETCH(QString, named);
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
        Game game(QStringLiteral("Anna"), false);
        const QString path = game.platform.recordFile(scoreFile);
        if (planted == QStringLiteral("link to a file"))
            writeBytes(victim, "99\r\n");
        if (planted.contains(QStringLiteral("link")))
            QVERIFY(QFile::link(victim, path));
        else if (planted == QStringLiteral("directory"))
            QVERIFY(QDir().mkdir(path));
        else if (planted == QStringLiteral("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else
            game.platform.failRecordDirectory(named);
        QElapsedTimer clock;
        clock.start();
        game.tavola->Show();
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(game.platform.ended());
        QCOMPARE(game.platform.exitStatus(), EXIT_FAILURE);
        QVERIFY(game.runtimeError().contains(named));
        QVERIFY(!game.w().isVisible());
        // Neither read nor created through a link.
        QCOMPARE(bytesOf(victim), planted == QStringLiteral("link to a file") ? QByteArray("99\r\n")
                                                                              : QByteArray("<missing>"));
    }

    void linkPlantedBeforeASaveIsNotWrittenThrough()
    {
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
        writeBytes(victim, "precious\n");
        GameWithRecord game("12\r\n", "Old\r\n");
        const QString record = game.platform.recordFile(scoreFile);
        QVERIFY(QFile::remove(record));
        QVERIFY(QFile::link(victim, record));
        game.quitWithScore(13);
        QCOMPARE(bytesOf(victim), QByteArray("precious\n"));
        QVERIFY(game.runtimeError().contains(scoreFile));
        QVERIFY(!game.congratulated());
        QCOMPARE(game.file(nameFile), QByteArray("Old\r\n"));
    }

    void badRecordFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("beatenByFive");
        QTest::newRow("binary bytes") << QByteArray("\x01\xfe\xff\x80", 4) << true << true;
        QTest::newRow("NUL bytes after a number") << QByteArray("7\0\0\r\n", 5) << true << false;
        QTest::newRow("very long line") << QByteArray(60000, '4') << true << false;
        QTest::newRow("sign") << QByteArray("+3\r\n") << true << true;
        QTest::newRow("negative") << QByteArray("-3\r\n") << true << true;
        QTest::newRow("decimal point") << QByteArray("4.5\r\n") << true << true;
        QTest::newRow("decimal point above") << QByteArray("5.5\r\n") << true << false;
        QTest::newRow("too large to be a record") << QByteArray(1 << 20, '1') << false << false;
    }
    void badRecordFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, readable);
        QFETCH(bool, beatenByFive);
        GameWithRecord game(content, "Old\r\n");
        if (!readable) {
            QVERIFY(game.platform.ended());
            QVERIFY(game.runtimeError().contains(scoreFile));
            QCOMPARE(game.file(scoreFile), content);
            return;
        }
        QVERIFY(!game.platform.ended());
        QCOMPARE(game.w().lblpunti->caption(), QString::fromLocal8Bit(content));
        game.quitWithScore(5);
        QCOMPARE(game.congratulated(), beatenByFive);
        QCOMPARE(game.file(scoreFile), beatenByFive ? QByteArray("5\r\n") : content);
    }

    void saveWaitsForAnotherGamesLock()
    {
        GameWithRecord game("12\r\n", "Old\r\n");
        const QByteArray lockPath = QFile::encodeName(game.platform.recordFile(QStringLiteral("fraprod.lock")));
        const int other = ::open(lockPath.constData(), O_RDONLY | O_CREAT, 0644);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        std::thread release([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            ::close(other);
        });
        QElapsedTimer clock;
        clock.start();
        game.quitWithScore(13);
        release.join();
        QVERIFY(clock.elapsed() >= 350);
        QCOMPARE(game.file(scoreFile), QByteArray("13\r\n"));
        QCOMPARE(game.file(nameFile), QByteArray("Anna\r\n"));
    }

    void leftoversOfAKilledSaveAreNoObstacle()
    {
        GameWithRecord game("12\r\n", "Old\r\n");
        writeBytes(game.platform.recordFile(QStringLiteral("fraprod.lock")), "");
        writeBytes(game.platform.recordFile(QStringLiteral(".fraprod.txt.a1B2c3")), "1");
        writeBytes(game.platform.recordFile(QStringLiteral(".fraprod1.txt.Zz9Yy8")), "Pla");
        QElapsedTimer clock;
        clock.start();
        game.quitWithScore(13);
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(game.congratulated());
        QCOMPARE(QDir(game.platform.directory()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("fraprod.journal"), QStringLiteral("fraprod.lock"), scoreFile, nameFile}));
    }
};

QTEST_MAIN(RecordsTest)
#include "test_records.moc"
