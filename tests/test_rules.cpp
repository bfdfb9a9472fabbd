// The rules that need no window: number texts, judging, the draw, the clock's
// arithmetic, the record line and the choice of the record directory.
#include "clock/countdown.h"
#include "platform/record_directory.h"
#include "quiz/judging.h"
#include "quiz/number_text.h"
#include "quiz/question_draw.h"
#include "records/record_format.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace orvetta;

Q_DECLARE_METATYPE(Verdict)

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void lenientValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "37" << 37.0;
        QTest::newRow("letters after the number") << "12abc" << 12.0;
        QTest::newRow("leading blanks") << "   8" << 8.0;
        QTest::newRow("decimal") << "7.5" << 7.5;
        QTest::newRow("negative") << "-7" << -7.0;
        QTest::newRow("plus sign") << "+4" << 4.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("point last") << "5." << 5.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("record line") << "12\r\n" << 12.0;
        QTest::newRow("blank inside ends it") << "1 2" << 1.0;
        QTest::newRow("non-ASCII digits are not digits") << QString::fromUtf8("٣") << 0.0;
        QTest::newRow("fifteen nines") << "999999999999999" << 999999999999999.0;
    }
    void lenientValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(orvetta::lenientValue(text), value);
    }

    void lenientValueOfAnEnormousNumberIsInfinite()
    {
        QVERIFY(std::isinf(orvetta::lenientValue(QString(400, QLatin1Char('9')))));
    }

    void strictValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "13" << true << 13.0;
        QTest::newRow("blanks around") << "  13 " << true << 13.0;
        QTest::newRow("zero") << "0" << true << 0.0;
        QTest::newRow("trailing letters") << "13a" << false << 0.0;
        QTest::newRow("line end") << "13\r\n" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }
    void strictValue()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const auto converted = orvetta::strictValue(text);
        QCOMPARE(converted.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*converted, value);
    }

    void numberFormats()
    {
        QCOMPARE(formatTwoDigits(7), QStringLiteral("07"));
        QCOMPARE(formatTwoDigits(0), QStringLiteral("00"));
        QCOMPARE(formatTwoDigits(15), QStringLiteral("15"));
        QCOMPARE(formatTwoDigits(100), QStringLiteral("100"));
        QCOMPARE(formatWhole(0), QStringLiteral("0"));
        QCOMPARE(formatWhole(32767), QStringLiteral("32767"));
        QCOMPARE(formatWhole(65534), QStringLiteral("65534"));
    }

    void judging_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("d");
        QTest::addColumn<Verdict>("improper");
        QTest::addColumn<Verdict>("proper");
        QTest::addColumn<Verdict>("apparent");
        const Verdict R = Verdict::Right, W = Verdict::Wrong, U = Verdict::Uncounted;
        QTest::newRow("3/7") << 3.0 << 7.0 << W << R << W;
        QTest::newRow("9/9") << 9.0 << 9.0 << W << W << R;
        QTest::newRow("50/25") << 50.0 << 25.0 << R << W << R;
        QTest::newRow("51/25") << 51.0 << 25.0 << R << W << W;
        QTest::newRow("1/100") << 1.0 << 100.0 << W << R << W;
        QTest::newRow("100/1") << 100.0 << 1.0 << R << W << R;
        QTest::newRow("7.5/2 rounds to 8/2") << 7.5 << 2.0 << R << W << R;
        QTest::newRow("6.5/2 rounds to 6/2") << 6.5 << 2.0 << R << W << R;
        QTest::newRow("2.5/5 rounds to 2/5") << 2.5 << 5.0 << W << R << W;
        QTest::newRow("-7/3 negative remainder") << -7.0 << 3.0 << W << R << U;
        QTest::newRow("7/-3 positive remainder") << 7.0 << -3.0 << R << W << W;
        QTest::newRow("emptied boxes 0/0") << 0.0 << 0.0 << W << W << W;
        QTest::newRow("0 denominator") << 5.0 << 0.0 << R << W << W;
        QTest::newRow("denominator rounds to 0") << 5.0 << 0.4 << R << W << W;
        QTest::newRow("beyond 32 bits, multiple") << 999999999999998.0 << 2.0 << R << W << R;
        QTest::newRow("beyond 32 bits, not multiple") << 999999999999999.0 << 2.0 << R << W << W;
        QTest::newRow("beyond 32 bits denominator") << 4294967296.0 << 4294967296.0 << W << W << R;
        QTest::newRow("denominator -1") << -9.0 << -1.0 << W << R << R;
        QTest::newRow("infinite numerator") << HUGE_VAL << 2.0 << R << W << W;
    }
    void judging()
    {
        QFETCH(double, n);
        QFETCH(double, d);
        QFETCH(Verdict, improper);
        QFETCH(Verdict, proper);
        QFETCH(Verdict, apparent);
        QCOMPARE(judgeImproper(n, d), improper);
        QCOMPARE(judgeProper(n, d), proper);
        QCOMPARE(judgeApparent(n, d), apparent);
    }

    void countersStopAtTheLargest16BitValue()
    {
        QCOMPARE(countOneMore(0), std::int16_t(1));
        QCOMPARE(countOneMore(32766), std::int16_t(32767));
        QCOMPARE(countOneMore(32767), std::int16_t(32767));
    }

    void drawBounds()
    {
        QCOMPARE(drawWholeNumber(0.0f), 1.0f);
        QCOMPARE(drawWholeNumber(std::nextafter(1.0f, 0.0f)), 100.0f);
        QCOMPARE(drawWholeNumber(0.5f), 51.0f);
        for (int bits = 0; bits < (1 << 24); bits += 4093) {
            const float drawn = drawWholeNumber(static_cast<float>(bits) / 16777216.0f);
            QVERIFY(drawn >= 1.0f && drawn <= 100.0f);
        }
    }

    void plainNumberText()
    {
        QCOMPARE(orvetta::plainNumberText(100.0f), QStringLiteral("100"));
        QCOMPARE(orvetta::plainNumberText(7.0f), QStringLiteral("7"));
        QCOMPARE(orvetta::plainNumberText(1.0f), QStringLiteral("1"));
    }

    void countdown_data()
    {
        QTest::addColumn<int>("ore");
        QTest::addColumn<int>("minuti");
        QTest::addColumn<float>("secondi");
        QTest::addColumn<QString>("after");
        QTest::newRow("start borrows a minute") << 0 << 15 << 0.0f << "00:14:59";
        QTest::newRow("plain second") << 0 << 14 << 59.0f << "00:14:58";
        QTest::newRow("minute borrow") << 0 << 14 << 0.0f << "00:13:59";
        QTest::newRow("hour borrow") << 1 << 0 << 0.0f << "00:59:59";
        QTest::newRow("last second") << 0 << 0 << 1.0f << "00:00:00";
    }
    void countdown()
    {
        QFETCH(int, ore);
        QFETCH(int, minuti);
        QFETCH(float, secondi);
        QFETCH(QString, after);
        std::int16_t h = static_cast<std::int16_t>(ore), m = static_cast<std::int16_t>(minuti);
        float s = secondi;
        std::int16_t left = static_cast<std::int16_t>(ore * 3600 + minuti * 60 + static_cast<int>(secondi));
        const std::int16_t before = left;
        countDownOneSecond(h, m, s, left);
        QCOMPARE(clockText(h, m, s), after);
        QCOMPARE(left, static_cast<std::int16_t>(before - 1));
    }

    void roundingForTheSecondsLeft()
    {
        QCOMPARE(roundToInt16(900.0f), std::int16_t(900));
        QCOMPARE(roundToInt16(900.5f), std::int16_t(900));
        QCOMPARE(roundToInt16(901.5f), std::int16_t(902));
    }

    void remainingTimeText()
    {
        QCOMPARE(orvetta::remainingTimeText(900), QStringLiteral("00:15:00"));
        QCOMPARE(orvetta::remainingTimeText(899), QStringLiteral("00:14:59"));
        QCOMPARE(orvetta::remainingTimeText(0), QStringLiteral("00:00:00"));
        QCOMPARE(orvetta::remainingTimeText(3600), QStringLiteral("01:00:00"));
    }

    void trailingSeparator_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("result");
        QTest::newRow("Windows directory") << "C:\\WINDOWS" << "\\" << "C:\\WINDOWS\\";
        QTest::newRow("root directory") << "C:\\" << "\\" << "C:\\";
        QTest::newRow("Unix directory") << "/var/games/orvetta" << "/" << "/var/games/orvetta/";
        QTest::newRow("Unix root") << "/" << "/" << "/";
    }
    void trailingSeparator()
    {
        QFETCH(QString, directory);
        QFETCH(QString, separator);
        QFETCH(QString, result);
        QCOMPARE(withTrailingSeparator(directory, separator.front()), result);
    }

    void recordLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("score") << "13" << QByteArray("13\r\n");
        QTest::newRow("empty name") << "" << QByteArray("\r\n");
        QTest::newRow("blanks kept") << " Anna " << QByteArray(" Anna \r\n");
        QTest::newRow("pasted LF") << "Anna\nMaria" << QByteArray("Anna Maria\r\n");
        QTest::newRow("pasted CR LF") << "Anna\r\nMaria" << QByteArray("Anna Maria\r\n");
        QTest::newRow("pasted CR") << "Anna\rMaria\n" << QByteArray("Anna Maria \r\n");
    }
    void recordLines()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(recordLine(text), bytes);
    }

    void accentedNameRoundTrips()
    {
        const QString name = QString::fromUtf8("Niccolò Lucía");
        const QByteArray line = recordLine(name);
        QCOMPARE(line, name.toLocal8Bit() + "\r\n");
        QCOMPARE(recordCaption(line), name + QStringLiteral("\r\n"));
    }

    void recordDirectoryChoice()
    {
        const DirectoryProbe machine{QStringLiteral("/var/games/orvetta"), true, {}};
        const DirectoryProbe broken{QStringLiteral("/var/games/orvetta"), false, QStringLiteral("Permission denied")};
        const DirectoryProbe own{QStringLiteral("/home/anna/.local/share/orvetta"), true, {}};
        const DirectoryProbe ownBroken{QStringLiteral("/home/anna/.local/share/orvetta"), false,
                                       QStringLiteral("Read-only file system")};
        bool fallbackProbed = false;

        const auto preferred = chooseRecordDirectory(machine, [&] { fallbackProbed = true; return own; });
        QCOMPARE(preferred.path.value_or(QString()), machine.path);
        QVERIFY(preferred.notice.isEmpty());
        QVERIFY2(!fallbackProbed, "the player's own directory is not touched when it is not needed");

        const auto fallback = chooseRecordDirectory(broken, [&] { return own; });
        QCOMPARE(fallback.path.value_or(QString()), own.path);
        QVERIFY(fallback.notice.contains(own.path));
        QVERIFY(fallback.notice.contains(broken.path));
        QVERIFY(fallback.notice.contains(QStringLiteral("Permission denied")));
        QVERIFY(!fallback.notice.contains(QLatin1Char('\n')));

        const auto neither = chooseRecordDirectory(broken, [&] { return ownBroken; });
        QVERIFY(!neither.path);
        QVERIFY(neither.failure.contains(broken.path));
        QVERIFY(neither.failure.contains(QStringLiteral("Read-only file system")));
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
