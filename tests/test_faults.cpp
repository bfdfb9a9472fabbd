// Faults, each with its figures: a game killed while it saves, two games
// saving at once, and any text typed into the fraction boxes.
#include "game_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <random>
#include <thread>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString saverProgram = QStringLiteral(FAULT_SAVER);

// The record number a file holds whole, 0 when it is missing, -1 when it is broken.
qint64 recordIn(const QString& path, const QString& linePattern)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression whole(QRegularExpression::anchoredPattern(linePattern + QStringLiteral("\r\n")));
    const QRegularExpressionMatch match = whole.match(QString::fromLatin1(file.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

struct Record {
    qint64 score, holder;
};

Record recordOf(const QString& dir)
{
    return {recordIn(dir + QStringLiteral("/fraprod.txt"), QStringLiteral("([0-9]+)")),
            recordIn(dir + QStringLiteral("/fraprod1.txt"), QStringLiteral("Player ([0-9]+)"))};
}

// The judging rules written out again, independently of the game's code.
double valueOf(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[ \t]*([+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+))"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

int expectedOutcome(int option, double n, double d) // 1 right, 0 wrong, -1 uncounted
{
    if (option != 3)
        return (option == 1 ? d < n : d > n) ? 1 : 0;
    const auto halfEven = [](double v) {
        const double below = std::floor(v);
        return v - below != 0.5 ? std::round(v) : std::fmod(below, 2.0) == 0 ? below : below + 1;
    };
    const long long rn = static_cast<long long>(halfEven(n)), rd = static_cast<long long>(halfEven(d));
    if (rd == 0)
        return 0;
    const long long remainder = rn % rd;
    return remainder == 0 ? 1 : remainder > 0 ? 0 : -1;
}

QString randomText(std::mt19937_64& rng)
{
    static const QString characters = QStringLiteral("0123456789012345678901234567890123456789+-.. \taeExB\u00e8\u4e2d\u00df,");
    QString text;
    for (int i = std::uniform_int_distribution<int>(0, 15)(rng); i > 0; --i)
        text.append(characters[std::uniform_int_distribution<qsizetype>(0, characters.size() - 1)(rng)]);
    return text;
}

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void killedWhileSaving()
    {
        QTemporaryDir dir;
        const quint64 seed = 20240611;
        std::mt19937_64 rng(seed);
        int kills = 0, broken = 0, betweenRenames = 0;
        qint64 next = 1;
        QElapsedTimer clock;
        clock.start();
        while (kills < 250 && clock.elapsed() < 20000) {
            QProcess saver;
            saver.start(saverProgram, {QStringLiteral("loop"), dir.path(), QString::number(next)});
            QVERIFY(saver.waitForReadyRead(5000));
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(rng)));
            saver.kill();
            QVERIFY(saver.waitForFinished(5000));
            ++kills;
            const Record record = recordOf(dir.path());
            if (record.score < 0 || record.holder < 0) {
                ++broken;
                continue;
            }
            // Saves run in order, the score first: killed between the two
            // renames, the new score stands beside the previous holder.
            QVERIFY(record.holder == record.score || record.holder == record.score - 1);
            betweenRenames += record.holder != record.score;
            next = std::max(next, record.score + 1);
        }
        qInfo("killed while saving (seed %llu): %d kills in %lld ms, %lld records saved, files found broken: %d, "
              "kills between the two renames: %d",
              seed, kills, clock.elapsed(), next - 1, broken, betweenRenames);
        QVERIFY(kills >= 200);
        QCOMPARE(broken, 0);

        // Whatever the kills left, the next game saves at once.
        QElapsedTimer saving;
        saving.start();
        QProcess later;
        later.start(saverProgram, {QStringLiteral("count"), dir.path(), QString::number(next), QStringLiteral("1")});
        QVERIFY(later.waitForFinished(5000));
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(saving.elapsed() < 2000);
        QCOMPARE(recordOf(dir.path()).score, next);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("fraprod.lock"), QStringLiteral("fraprod.txt"),
                              QStringLiteral("fraprod1.txt")}));
    }

    void twoGamesSavingAtOnce()
    {
        QTemporaryDir dir;
        int reads = 0, broken = 0, wins[2] = {0, 0};
        for (int round = 0; round < 20; ++round) {
            QProcess games[2];
            qint64 last[2];
            for (int g = 0; g < 2; ++g) {
                const qint64 first = (g + 1) * 1000000LL + round * 100;
                last[g] = first + 4;
                games[g].start(saverProgram, {QStringLiteral("count"), dir.path(), QString::number(first),
                                              QStringLiteral("5")});
            }
            while (games[0].state() != QProcess::NotRunning || games[1].state() != QProcess::NotRunning) {
                const Record seen = recordOf(dir.path());
                broken += seen.score < 0 || seen.holder < 0;
                ++reads;
                games[0].waitForFinished(1);
                games[1].waitForFinished(1);
            }
            QCOMPARE(games[0].exitCode() + games[1].exitCode(), 0);
            // Every saved pair comes from one game, and the last to save wins.
            const Record final = recordOf(dir.path());
            QCOMPARE(final.holder, final.score);
            QVERIFY(final.score == last[0] || final.score == last[1]);
            ++wins[final.score == last[0] ? 0 : 1];
        }
        qInfo("two games saving at once: 20 rounds of 2 x 5 saves, %d reads meanwhile, files found broken: %d, "
              "won by the first game %d times, by the second %d times",
              reads, broken, wins[0], wins[1]);
        QCOMPARE(broken, 0);
    }

    void anyTypedTextIsJudgedAsTheRulesSay()
    {
        const quint64 seed = 1712;
        std::mt19937_64 rng(seed);
        Game game;
        int counted[3] = {0, 0, 0};
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 100000; ++i) {
            TavolaWindow& w = game.w();
            if (i % 20000 == 0)
                game.state().nEsatte = game.state().nErrate = 0; // keep the counters below their limit
            const QString numerator = randomText(rng), denominator = randomText(rng);
            game.setFraction(numerator, denominator);
            const int option = std::uniform_int_distribution<int>(1, 3)(rng);
            const int expected = expectedOutcome(option, valueOf(numerator), valueOf(denominator));
            const int rightBefore = game.state().nEsatte, wrongBefore = game.state().nErrate;
            game.click(option == 1 ? w.Option1 : option == 2 ? w.Option2 : w.Option3,
                       i % 3 == 0 ? Qt::LeftButton : i % 3 == 1 ? Qt::RightButton : Qt::MiddleButton);
            ++counted[expected + 1];
            const bool asExpected = game.state().nEsatte - rightBefore == (expected == 1 ? 1 : 0)
                                    && game.state().nErrate - wrongBefore == (expected == 0 ? 1 : 0)
                                    && w.tipo->caption().isEmpty() == (expected == -1);
            if (!asExpected)
                QFAIL(qPrintable(QStringLiteral("answer %1 (seed %2): \"%3\" over \"%4\" with Option%5 shows \"%6\"")
                                     .arg(i).arg(seed).arg(numerator, denominator).arg(option)
                                     .arg(w.tipo->caption())));
        }
        qInfo("typed input (seed %llu): 100000 answers in %lld ms: %d right, %d wrong, %d uncounted, all as the "
              "rules say",
              seed, clock.elapsed(), counted[2], counted[1], counted[0]);
    }
};

QTEST_MAIN(FaultsTest)
#include "test_faults.moc"
