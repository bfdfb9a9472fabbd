// SPDX-License-Identifier: GPL-3.0-or-later
// The record files on disk: start-up, quitting with a record, and files that
// are broken, planted or busy.
#include "game_fixture.h"

#include <QDir>
#include <QElapsedTimer>

#include <sys/stat.h>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString scoreFile = QStringLiteral("fraprod.txt");
const QString nameFile = QStringLiteral("fraprod1.txt");
const QString congratulation = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");

// A game started on record files that hold the given bytes, or on the record of another game.
struct RecordGame : Game {
    RecordGame(const QByteArray& score, const QByteArray& holder, const QString& name = QStringLiteral("Anna"))
        : Game(name, false)
    {
        writeFile(scoreFile, score);
        writeFile(nameFile, holder);
        tavola->Show();
    }
    RecordGame(const Game& first, const QString& name) : Game(name, false)
    {
        platform.shareRecordWith(first.platform);
        tavola->Show();
    }
    bool congratulated() const { return boxCount(congratulation) > 0; }
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
        // A pupil with a strict umask still leaves files every other player can read, created or saved.
        const mode_t umaskBefore = ::umask(077);
        Game game;
        ::umask(umaskBefore);
        QCOMPARE(game.file(scoreFile) + game.file(nameFile), QByteArray());
        QCOMPARE(game.w().lblpunti->caption() + game.w().lblnome->caption(), QString());
        QCOMPARE(game.state().cartellaWin, game.platform.directory() + QStringLiteral("/"));
        for (bool saved : {false, true}) {
            if (saved)
                game.quitWithScore(1);
            for (const QString& file : {scoreFile, nameFile, QStringLiteral("fraprod.lock"), QStringLiteral("fraprod.journal")})
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
        QTest::newRow("equal keeps the record") << QByteArray("12\r\n") << 12 << "Leo" << QByteArray();
        QTest::newRow("lower keeps the record") << QByteArray("12\r\n") << 3 << "Leo" << QByteArray();
        QTest::newRow("first run, 0 saves nothing") << QByteArray() << 0 << "Leo" << QByteArray();
        QTest::newRow("first run, 1 is a record") << QByteArray() << 1 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("empty name") << QByteArray("2\r\n") << 5 << "" << QByteArray("\r\n");
        QTest::newRow("blanks kept") << QByteArray("2\r\n") << 5 << " Leo  " << QByteArray(" Leo  \r\n");
        QTest::newRow("accented name") << QByteArray("2\r\n") << 5 << QString::fromUtf8("Niccolò")
                                       << QString::fromUtf8("Niccolò\r\n").toLocal8Bit();
        QTest::newRow("pasted line breaks") << QByteArray("2\r\n") << 5 << "Leo\r\nMaria\rB\nC" << QByteArray("Leo Maria B C\r\n");
        QTest::newRow("name plays no part") << QByteArray("40\r\n") << 39 << "Zed" << QByteArray();
        QTest::newRow("binary bytes") << QByteArray("\x01\xfe\xff\x80", 4) << 5 << "Leo" << QByteArray("Leo\r\n");
        QTest::newRow("NUL bytes after a number") << QByteArray("7\0\0\r\n", 5) << 5 << "Leo" << QByteArray();
        QTest::newRow("very long line") << QByteArray(60000, '4') << 5 << "Leo" << QByteArray();
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
        QCOMPARE(game.file(scoreFile) + game.file(nameFile), storedScore + holder);
        game.quitWithScore(score);

        const ShownBox& question = game.platform.boxes[2];
        QCOMPARE(question.text, QStringLiteral("Vuoi veramente lasciarmi  ?"));
        QCOMPARE(question.title, QStringLiteral("Uscire dal programma"));
        QCOMPARE(question.style, MsgStyle::YesNoQuestionDefaultNo);
        QCOMPARE(game.platform.exitStatus, EXIT_SUCCESS);
        QVERIFY(!game.timerEnabled());
        game.tick();
        QVERIFY(game.eventsAfterEnd().isEmpty());
        const bool saved = !savedName.isEmpty();
        QCOMPARE(game.file(scoreFile) + game.file(nameFile),
                 saved ? QByteArray::number(score) + "\r\n" + savedName : storedScore + holder);
        const QString lastBox = saved ? congratulation : question.text;
        QCOMPARE(game.platform.log.last(2), (QStringList{QStringLiteral("box: ") + lastBox, QStringLiteral("end")}));
    }

    void aSaveCutShortIsFinishedByTheNextGame()
    {
        RecordGame game("12\r\n", "Old\r\n");
        // Something the name file cannot be replaced by.
        const QString planted = game.platform.recordFile(nameFile);
        QVERIFY(QFile::remove(planted) && QDir().mkpath(planted + QStringLiteral("/inside")));
        game.quitWithScore(13);
        QVERIFY(game.runtimeError().contains(nameFile));
        QVERIFY(!game.congratulated());
        QCOMPARE(game.platform.exitStatus, EXIT_FAILURE);

        QVERIFY(QDir(planted).removeRecursively());
        RecordGame next(game, QStringLiteral("Bea"));
        QCOMPARE(next.w().lblpunti->caption() + next.w().lblnome->caption(), QStringLiteral("13\r\nAnna\r\n"));
        QCOMPARE(game.file(nameFile), QByteArray("Anna\r\n"));
    }

    void aLowerScoreSavedSecondWritesNothing()
    {
        RecordGame first("10\r\n", "Old\r\n", QStringLiteral("Alba"));
        RecordGame second(first, QStringLiteral("Bruno"));
        QCOMPARE(second.w().lblpunti->caption(), QStringLiteral("10\r\n"));
        first.quitWithScore(50);
        QVERIFY(first.congratulated());
        second.quitWithScore(20);
        QVERIFY(!second.congratulated());
        QCOMPARE(second.platform.exitStatus, EXIT_SUCCESS);
        QCOMPARE(first.file(scoreFile) + first.file(nameFile), QByteArray("50\r\nAlba\r\n"));
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
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
        RecordGame game("12\r\n", "Old\r\n");
        const QString path = game.platform.recordFile(scoreFile);
        QFile::remove(path);
        if (planted == QStringLiteral("link to a file")) {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("99\r\n") == 4);
        }
        if (planted.contains(QStringLiteral("link")))
            QVERIFY(QFile::link(victim, path));
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
            QVERIFY(!game.congratulated());
        }
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(game.platform.exitStatus, EXIT_FAILURE);
        QVERIFY(game.runtimeError().contains(named));
        // Neither read, written nor created through a link.
        const bool linkedFile = planted == QStringLiteral("link to a file");
        QFile target(victim);
        QCOMPARE(target.exists(), linkedFile);
        QVERIFY(!linkedFile || (target.open(QIODevice::ReadOnly) && target.readAll() == "99\r\n"));
    }
};

QTEST_MAIN(RecordsTest)
#include "test_records.moc"
