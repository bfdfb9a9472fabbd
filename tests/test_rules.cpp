// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that need no window: number texts, the draw, the record
// directory's separator and the choice of the record directory. Judging is
// tested through the buttons.
#include "platform/record_directory.h"
#include "quiz/number_text.h"
#include "quiz/question_draw.h"
#include "records/record_format.h"

#include <QTest>

#include <cmath>

using namespace orvetta;

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void lenientValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("leading blanks") << "   8" << 8.0;
        QTest::newRow("plus sign") << "+4" << 4.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("point last") << "5." << 5.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
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

    void strictValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "13" << true << 13.0;
        QTest::newRow("blanks around") << "  13 " << true << 13.0;
        QTest::newRow("trailing letters") << "13a" << false << 0.0;
        QTest::newRow("line end") << "13\r\n" << false << 0.0;
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
        QCOMPARE(formatTwoDigits(7) + formatTwoDigits(0) + formatTwoDigits(15), QStringLiteral("070015"));
        QCOMPARE(formatWhole(0) + QLatin1Char(' ') + formatWhole(65534), QStringLiteral("0 65534"));
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
