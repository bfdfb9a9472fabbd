// SPDX-License-Identifier: GPL-3.0-or-later
// Faults, each with its figures: a game killed while it saves, two games
// saving at once, and any text typed into the fraction boxes.
#include "game_fixture.h"
#include "platform/record_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <random>
#include <thread>
#include <unistd.h>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString saverProgram = QStringLiteral(FAULT_SAVER);

// The N of a whole pair "N", "Player N" as one save writes it; 0 before any save, -1 for anything else.
qint64 saveIn(const RecordPair& pair)
{
    if (pair == RecordPair{})
        return 0;
    const std::string number = pair.score.substr(0, pair.score.find('\r'));
    const bool whole = !number.empty() && number.find_first_not_of("0123456789") == std::string::npos
                       && pair.score == number + "\r\n" && pair.holder == "Player " + number + "\r\n";
    return whole ? std::stoll(number) : -1;
}

std::vector<qint64> savesMeanwhile(RecordFiles& files, QProcess (&games)[2])
{
    std::vector<qint64> seen;
    while (games[0].state() != QProcess::NotRunning || games[1].state() != QProcess::NotRunning) {
        const auto record = readRecord(files);
        seen.push_back(record ? saveIn(*record.value) : -1);
        games[0].waitForFinished(1);
        games[1].waitForFinished(1);
    }
    return seen;
}

// The judging rules written out again, independently of the game's code: 1 right, 0 wrong, -1 uncounted.
int expectedOutcome(int option, const QString& numerator, const QString& denominator)
{
    static const QRegularExpression number(QStringLiteral("^[ \t]*([+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+))"));
    const auto valueOf = [](const QString& text) { return number.match(text).captured(1).toDouble(); };
    const double n = valueOf(numerator), d = valueOf(denominator);
    if (option != 3)
        return (option == 1 ? d < n : d > n) ? 1 : 0;
    const auto halfEven = [](double v) { return static_cast<long long>(std::nearbyint(v)); };
    if (halfEven(d) == 0)
        return 0;
    const long long remainder = halfEven(n) % halfEven(d);
    return remainder == 0 ? 1 : remainder > 0 ? 0 : -1;
}

// Up to 15 characters: one text in eight only digits, long numbers included; the others mostly digits,
// signs, points and blanks, with letters and wide characters among them.
QString randomText(std::mt19937_64& rng)
{
    static const QString characters = QStringLiteral("0123456789012345678901234567890123456789+-.. \taeExB\u00e8\u4e2d\u00df,");
    const qsizetype alphabet = std::uniform_int_distribution<int>(0, 7)(rng) == 0 ? 10 : characters.size();
    QString text;
    for (int i = std::uniform_int_distribution<int>(0, 15)(rng); i > 0; --i)
        text.append(characters[std::uniform_int_distribution<qsizetype>(0, alphabet - 1)(rng)]);
    return text;
}

const QString verdictTexts[] = {QStringLiteral("Sei mitico"), QStringLiteral("Sei  un campione"),
                                QStringLiteral("Sei veramente un asso")};

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
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
        std::optional<StoreOwner> owner;
        if (layout == QStringLiteral("protected"))
            owner = StoreOwner{static_cast<unsigned>(::geteuid()), static_cast<unsigned>(::getegid())};
        PosixRecordFiles files(QFile::encodeName(dir.path()).toStdString(), owner);
        const quint64 seed = 20240611;
        std::mt19937_64 rng(seed);
        int kills = 0, broken = 0, cutShort = 0;
        qint64 next = 1;
        QElapsedTimer clock;
        clock.start();
        for (; kills < 100; ++kills) {
            QProcess saver;
            saver.start(saverProgram, {QStringLiteral("save"), dir.path(), layout, QString::number(next)});
            QVERIFY(saver.waitForReadyRead(10000));
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 10000)(rng)));
            saver.kill();
            QVERIFY(saver.waitForFinished(10000));
            cutShort += QFileInfo(dir.filePath(QStringLiteral("fraprod.journal"))).size() > 0;
            const auto record = readRecord(files);
            QVERIFY2(record, record.problem.reason.c_str());
            const qint64 saved = saveIn(*record.value);
            broken += saved < next - 1;
            next = std::max(next, saved + 1);
            if (next > maxRecordScore - 1000) { // keep every save a record
                QCOMPARE(files.write(StoreFile::Score, "0\r\n").kind, StoreFailure::None);
                next = 1;
            }
        }
        qInfo("killed while saving, %s (seed %llu): %d kills in %lld ms, journals left for the next reader to finish "
              "or drop: %d, pairs found broken, mixed or older: %d",
              qPrintable(layout), seed, kills, clock.elapsed(), cutShort, broken);
        QCOMPARE(broken, 0);

        // Whatever the kills left, the next game saves at once and leaves nothing behind.
        QProcess later;
        later.start(saverProgram, {QStringLiteral("save"), dir.path(), layout, QString::number(next), QStringLiteral("1")});
        QVERIFY(later.waitForFinished(10000));
        QCOMPARE(later.exitCode(), 0);
        QCOMPARE(saveIn(*readRecord(files).value), next);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("fraprod.journal"), QStringLiteral("fraprod.lock"),
                              QStringLiteral("fraprod.txt"), QStringLiteral("fraprod1.txt")}));
    }

    void twoGamesSavingAtOnce()
    {
        QTemporaryDir dir;
        PosixRecordFiles files(QFile::encodeName(dir.path()).toStdString(), std::nullopt);
        int reads = 0, broken = 0;
        for (int round = 0; round < 20; ++round) {
            QProcess games[2];
            for (int g = 0; g < 2; ++g)
                games[g].start(saverProgram, {QStringLiteral("save"), dir.path(), QStringLiteral("open"),
                                              QString::number(g * 1000 + round * 10 + 1), QStringLiteral("5")});
            const std::vector<qint64> seen = savesMeanwhile(files, games);
            reads += static_cast<int>(seen.size());
            broken += static_cast<int>(std::count(seen.begin(), seen.end(), -1));
            QCOMPARE(games[0].exitCode() + games[1].exitCode(), 0);
            // A lower score never replaces a higher one.
            QCOMPARE(saveIn(*readRecord(files).value), 1000 + round * 10 + 5);
        }
        qInfo("two games saving at once: 20 rounds of 2 x 5 saves, %d reads meanwhile, pairs found broken or mixed: %d",
              reads, broken);
        QCOMPARE(broken, 0);
    }

    void anyTypedTextIsJudgedAsTheRulesSay()
    {
        const quint64 seed = 1712;
        std::mt19937_64 rng(seed);
        Game game;
        int counted[3] = {0, 0, 0};
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 100000; ++i) {
            TavolaWindow& w = game.w();
            if (i % 20000 == 0)
                game.state().nEsatte = game.state().nErrate = 0; // keep the counters below their limit
            const QString numerator = randomText(rng), denominator = randomText(rng);
            game.setFraction(numerator, denominator);
            const int option = std::uniform_int_distribution<int>(1, 3)(rng);
            const int expected = expectedOutcome(option, numerator, denominator);
            const int rightBefore = game.state().nEsatte, wrongBefore = game.state().nErrate;
            game.click(option == 1 ? w.Option1 : option == 2 ? w.Option2 : w.Option3, buttons[i % 3]);
            ++counted[expected + 1];
            const QString verdict = expected == 1 ? verdictTexts[option - 1] : expected == 0 ? QStringLiteral("Fai attenzione") : QString();
            const int right = rightBefore + (expected == 1), wrong = wrongBefore + (expected == 0);
            if (w.lblScore->caption() != QString::number(right) || w.lblScore1->caption() != QString::number(wrong)
                || w.lblScore2->caption() != QString::number(right + wrong) || w.tipo->caption() != verdict
                || (expected >= 0 && w.tipo->foreColor() != (expected == 1 ? 65280u : 255u))) // green, red
                QFAIL(qPrintable(QStringLiteral("answer %1 (seed %2): \"%3\" over \"%4\" with Option%5 shows \"%6\"")
                                     .arg(i).arg(seed).arg(numerator, denominator).arg(option).arg(w.tipo->caption())));
        }
        qInfo("typed input (seed %llu): 100000 answers in %lld ms: %d right, %d wrong, %d uncounted, all as the rules say",
              seed, clock.elapsed(), counted[2], counted[1], counted[0]);
    }
};

QTEST_MAIN(FaultsTest)
#include "test_faults.moc"
