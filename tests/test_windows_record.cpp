// SPDX-License-Identifier: GPL-3.0-or-later
// The record on Windows, in the Windows directory that GetWindowsDirectoryA
// names, as the installer lays it out there: read and saved by the game
// without a file made beside it, whole after saves killed part way, shared
// by two games saving at once; and kept with the player where the
// installer's files are missing.
#include "game_fixture.h"
#include "record_layouts.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <random>

#include <windows.h>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString congratulation = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");
const QStringList installedFiles{scoreFile, nameFile, QStringLiteral("fraprod.lock"),
                                 QStringLiteral("fraprod.journal")};

QString windowsDirectory()
{
    char buffer[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return QString::fromLocal8Bit(buffer, static_cast<qsizetype>(length));
}

QString windowsFile(const QString& name)
{
    return windowsDirectory() + QLatin1Char('\\') + name;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Everything in the Windows directory, to see that playing adds nothing there.
QStringList windowsDirectoryListing()
{
    return QDir(windowsDirectory()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The record's files as the installer leaves them: the pair given, an empty
// lock, the journal given; `missing` is left out.
void install(const QByteArray& score, const QByteArray& holder, const QByteArray& journal = {},
             const QString& missing = {})
{
    for (const QString& name : installedFiles) {
        QFile::remove(windowsFile(name));
        if (name == missing)
            continue;
        QFile file(windowsFile(name));
        const QByteArray bytes = name == scoreFile                           ? score
                                 : name == nameFile                          ? holder
                                 : name == QStringLiteral("fraprod.journal") ? journal
                                                                             : QByteArray();
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
}

QString saverProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/fault_saver.exe");
}

} // namespace

class WindowsRecordTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        QDir().rmdir(windowsFile(scoreFile));
        for (const QString& name : installedFiles)
            QFile::remove(windowsFile(name));
    }

    // The installed game reads the record the installer kept or made, or
    // whatever a teacher or a pupil wrote there, saves a higher score in the
    // ANSI code page, and leaves nothing new beside it.
    void theInstalledRecord_data()
    {
        QTest::addColumn<QByteArray>("storedScore");
        QTest::addColumn<QByteArray>("storedHolder");
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("shown"); // the score and the holder, each with its line end
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");
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
            << QByteArray("12\r\n") << oldHolder << QByteArray() << "12\r\n" + niccolo << 13 << "Bea" << true;
        QTest::newRow("an old game's record, kept")
            << QByteArray("12\r\n") << oldHolder << QByteArray() << "12\r\n" + niccolo << 12 << "Bea" << false;
        QTest::newRow("a fresh installation, accented name")
            << QByteArray() << QByteArray() << QByteArray() << QString() << 1 << QString::fromUtf8("Nicolò È") << true;
        QTest::newRow("Notepad's UTF-8 with its mark, kept")
            << utf8Mark + "5\r\n"
            << utf8Mark + niccolo.toUtf8() << QByteArray() << "5\r\n" + niccolo << 1 << "Bea" << false;
        QTest::newRow("Notepad's UTF-16, kept")
            << utf16("5\r\n") << utf16(niccolo) << QByteArray() << "5\r\n" + niccolo << 1 << "Bea" << false;
        QTest::newRow("Notepad's UTF-16, beaten")
            << utf16("5\r\n") << utf16(niccolo) << QByteArray() << "5\r\n" + niccolo << 6 << "Bea" << true;
        QTest::newRow("Notepad's UTF-8 name")
            << QByteArray("12\r\n") << niccolo.toUtf8() << QByteArray() << "12\r\n" + niccolo << 12 << "Bea" << false;
        QTest::newRow("a score no game reaches")
            << QByteArray("99999\r\n") << oldHolder << QByteArray() << "99999\r\n" + niccolo << 1 << "Bea" << true;
        QTest::newRow("70 KB of junk in the journal")
            << QByteArray("12\r\n") << oldHolder << junk << "12\r\n" + niccolo << 13 << "Bea" << true;
        QTest::newRow("70 KB of junk after the score")
            << "7\r\n" + junk << oldHolder << QByteArray() << "7\r\n" + niccolo << 8 << "Bea" << true;
        QTest::newRow("70 KB of a score without a line end")
            << QByteArray(70 * 1024, '9') << oldHolder << QByteArray() << niccolo << 1 << "Bea" << true;
    }
    void theInstalledRecord()
    {
        QFETCH(QByteArray, storedScore);
        QFETCH(QByteArray, storedHolder);
        QFETCH(QByteArray, journal);
        QFETCH(QString, shown);
        QFETCH(int, score);
        QFETCH(QString, name);
        QFETCH(bool, saved);
        install(storedScore, storedHolder, journal);
        const QStringList before = windowsDirectoryListing();
        Game game(name, false);
        game.platform.machineRecord = true;
        game.tavola->Show();
        QCOMPARE(game.state().cartellaWin, windowsDirectory() + QLatin1Char('\\'));
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
        QTest::newRow("no installation") << QString();
        QTest::newRow("no lock file") << QStringLiteral("fraprod.lock");
        QTest::newRow("no journal") << QStringLiteral("fraprod.journal");
        QTest::newRow("a folder for the score") << scoreFile;
    }
    void withoutTheInstallersFiles()
    {
        QFETCH(QString, missing);
        if (!missing.isEmpty()) {
            install("12\r\n", "Leo\r\n", {}, missing);
            if (missing == scoreFile)
                QVERIFY(QDir().mkdir(windowsFile(scoreFile)));
        }
        const QStringList before = windowsDirectoryListing();
        const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(own).removeRecursively();
        Game game(QStringLiteral("Bea"), false);
        game.platform.machineRecord = true;
        game.tavola->Show();
        QCOMPARE(QDir::cleanPath(game.state().cartellaWin), QDir::cleanPath(own));
        QCOMPARE(game.w().lblpunti->caption(), QString());
        game.quitWithScore(5);
        QCOMPARE(game.boxCount(congratulation), 1);
        QCOMPARE(bytesOf(own + QLatin1Char('/') + scoreFile), QByteArray("5\r\n"));
        QCOMPARE(windowsDirectoryListing(), before);
        QDir(own).removeRecursively();
    }

    void savesKilledAtRandom()
    {
        install({}, {});
        checkSavesKilledAtRandom(saverProgram(), windowsDirectory(), QStringLiteral("prepared"),
                                 QDir(windowsDirectory()).entryList(QDir::Files | QDir::Hidden));
    }

    void twoGamesSavingAtOnce()
    {
        install({}, {});
        checkTwoGamesSavingAtOnce(saverProgram(), windowsDirectory(), QStringLiteral("prepared"));
    }

    // The lock keeps a second game out while the first holds it, and only so long.
    void oneGameAtATime()
    {
        install({}, {});
        const auto first = recordFilesOf(windowsDirectory(), QStringLiteral("prepared"));
        const auto second = recordFilesOf(windowsDirectory(), QStringLiteral("prepared"));
        QCOMPARE(first->lock(std::chrono::milliseconds(0)).kind, StoreFailure::None);
        QCOMPARE(second->lock(std::chrono::milliseconds(50)).kind, StoreFailure::Busy);
        first->unlock();
        QCOMPARE(second->lock(std::chrono::milliseconds(0)).kind, StoreFailure::None);
    }
};

QTEST_MAIN(WindowsRecordTest)
#include "test_windows_record.moc"
