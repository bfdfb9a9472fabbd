// SPDX-License-Identifier: GPL-3.0-or-later
// Playing: answers judged through real mouse releases on the picture
// buttons, what each new question clears and keeps, and the background.
#include "game_fixture.h"

#include <QImage>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

constexpr std::uint32_t green = 65280;
constexpr std::uint32_t red = 255;

OptionButton* button(const Game& game, int which)
{
    switch (which) {
    case 1: return game.w().Option1;
    case 2: return game.w().Option2;
    default: return game.w().Option3;
    }
}

} // namespace

class QuizTest : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data()
    {
        QTest::addColumn<QString>("numerator");
        QTest::addColumn<QString>("denominator");
        QTest::addColumn<int>("option");
        // 1 right, 0 wrong, -1 uncounted
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("verdict");

        const QString careful = QStringLiteral("Fai attenzione");
        const QString mitico = QStringLiteral("Sei mitico");
        const QString campione = QStringLiteral("Sei  un campione");
        const QString asso = QStringLiteral("Sei veramente un asso");
        const struct {
            const char* n;
            const char* d;
            int improper, proper, apparent;
        } fractions[] = {
            {"3", "7", 0, 1, 0},       {"9", "9", 0, 0, 1},      {"50", "25", 1, 0, 1},
            {"51", "25", 1, 0, 0},     {"1", "100", 0, 1, 0},    {"100", "1", 1, 0, 1},
            {"12abc", "4", 1, 0, 1},   {"7.5", "2", 1, 0, 1},    {"-7", "3", 0, 1, -1},
            {"", "", 0, 0, 0},         {"5", "0", 1, 0, 0},      {"abc", "3", 0, 1, 1},
            {"  6", "3", 1, 0, 1},     {"6.5", "2", 1, 0, 1},    {"2.5", "5", 0, 1, 0},
            {"7", "-3", 1, 0, 0},      {"5", "0.4", 1, 0, 0},    {"-9", "-1", 0, 1, 1},
            {"999999999999998", "2", 1, 0, 1}, {"999999999999999", "2", 1, 0, 0},
            {"4294967296", "4294967296", 0, 0, 1},
        };
        for (const auto& f : fractions) {
            const QString name = QStringLiteral("%1 over %2").arg(QLatin1String(f.n), QLatin1String(f.d));
            QTest::addRow("%s, improper", qPrintable(name))
                << f.n << f.d << 1 << f.improper << (f.improper ? mitico : careful);
            QTest::addRow("%s, proper", qPrintable(name))
                << f.n << f.d << 2 << f.proper << (f.proper ? campione : careful);
            QTest::addRow("%s, apparent", qPrintable(name))
                << f.n << f.d << 3 << f.apparent
                << (f.apparent == 1 ? asso : f.apparent == 0 ? careful : QString());
        }
    }
    void verdicts()
    {
        QFETCH(QString, numerator);
        QFETCH(QString, denominator);
        QFETCH(int, option);
        QFETCH(int, outcome);
        QFETCH(QString, verdict);

        Game game;
        game.state().nEsatte = 4;
        game.state().nErrate = 2;
        game.setFraction(numerator, denominator);
        game.click(button(game, option));

        QCOMPARE(game.w().tipo->caption(), verdict);
        if (outcome >= 0)
            QCOMPARE(game.w().tipo->foreColor(), outcome == 1 ? green : red);
        QCOMPARE(game.state().nEsatte, std::int16_t(outcome == 1 ? 5 : 4));
        QCOMPARE(game.state().nErrate, std::int16_t(outcome == 0 ? 3 : 2));
        QCOMPARE(game.w().lblScore->caption(), QString::number(game.state().nEsatte));
        QCOMPARE(game.w().lblScore1->caption(), QString::number(game.state().nErrate));
        QCOMPARE(game.w().lblScore2->caption(), QString::number(game.state().nEsatte + game.state().nErrate));
    }

    void anyMouseButtonAnswers_data()
    {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyMouseButtonAnswers()
    {
        QFETCH(Qt::MouseButton, mouseButton);
        Game game;
        game.setFraction(QStringLiteral("1"), QStringLiteral("100"));
        game.click(game.w().Option2, mouseButton);
        QCOMPARE(game.state().nEsatte, std::int16_t(1));
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Sei  un campione"));

        // A release alone, with a modifier held, counts as well.
        game.setFraction(QStringLiteral("1"), QStringLiteral("100"));
        QTest::mouseRelease(game.w().Option1, mouseButton, Qt::ShiftModifier, game.w().Option1->rect().center());
        QCOMPARE(game.state().nErrate, std::int16_t(1));
    }

    void releaseOutsideTheButtonIsNoAnswer()
    {
        Game game;
        OptionButton* proper = game.w().Option2;
        QTest::mousePress(proper, Qt::LeftButton, Qt::NoModifier, proper->rect().center());
        QTest::mouseRelease(proper, Qt::LeftButton, Qt::NoModifier, QPoint(proper->width() + 40, 5));
        QCOMPARE(game.state().nEsatte + game.state().nErrate, 0);
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Ok"));
    }

    void keyboardSelectionJudgesNothing()
    {
        Game game;
        const QString numerator = game.w().txtAnswer->text();
        const QString denominator = game.w().Text3->text();
        QVERIFY(QTest::qWaitForWindowActive(&game.w()));
        QCOMPARE(QApplication::focusWidget(), game.w().Option2);
        QTest::keyClick(game.w().Option2, Qt::Key_Space);
        QVERIFY(game.w().Option2->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);

        QVERIFY(game.w().Option1->isChecked() || game.w().Option2->isChecked() || game.w().Option3->isChecked());
        QCOMPARE(game.state().nEsatte + game.state().nErrate, 0);
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(game.w().txtAnswer->text(), numerator);
        QCOMPARE(game.w().Text3->text(), denominator);
    }

    void newQuestionClearsAndKeeps()
    {
        Game game;
        game.setFraction(QStringLiteral("50"), QStringLiteral("25"));
        game.click(game.w().Option3);
        TavolaWindow& w = game.w();
        w.lblMessage->setCaption(QStringLiteral("prima"));
        w.Option1->setSelected(true);
        w.cmdNext->setEnabled(true);

        game.platform.drawNext({0.0625f, 0.991f}); // denominator, then numerator
        game.tavola->cmdNext_Click();

        QCOMPARE(w.Text3->text(), QStringLiteral("7"));
        QCOMPARE(w.txtAnswer->text(), QStringLiteral("100"));
        QVERIFY(w.lblMessage->caption().isEmpty());
        QVERIFY(!w.Option1->isChecked() && !w.Option2->isChecked() && !w.Option3->isChecked());
        QVERIFY(!w.cmdNext->isEnabled());
        QCOMPARE(w.tipo->caption(), QStringLiteral("Sei veramente un asso"));
        QCOMPARE(w.tipo->foreColor(), green);
        QCOMPARE(game.state().kBanda, 256);
        QCOMPARE(game.state().yBanda, 512.0);
    }

    void clickedButtonDoesNotStaySelected()
    {
        Game game;
        game.click(game.w().Option1);
        QVERIFY(!game.w().Option1->isChecked());
    }

    void everyQuestionReseedsAndDrawsAfresh()
    {
        Game game;
        const int before = game.platform.randomizeCount();
        QSet<QString> seen;
        for (int i = 0; i < 50; ++i) {
            game.tavola->cmdNext_Click();
            seen.insert(game.fraction());
        }
        QCOMPARE(game.platform.randomizeCount(), before + 50);
        QVERIFY2(seen.size() > 30, "questions drawn in the same millisecond still differ");
    }

    void fullCountersStayAndTheTotalIsTrue()
    {
        Game game;
        game.state().nEsatte = 32767;
        game.state().nErrate = 32767;
        game.setFraction(QStringLiteral("1"), QStringLiteral("100"));
        game.click(game.w().Option2);
        QCOMPARE(game.state().nEsatte, std::int16_t(32767));
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Sei  un campione"));
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("32767"));
        QCOMPARE(game.w().lblScore2->caption(), QStringLiteral("65534"));
        game.setFraction(QStringLiteral("1"), QStringLiteral("100"));
        game.click(game.w().Option1);
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Fai attenzione"));
        QCOMPARE(game.w().lblScore1->caption(), QStringLiteral("32767"));
        QVERIFY(game.eventsAfterEnd().isEmpty() && !game.platform.ended());
    }

    void gradientFillsTheWindowBehindTransparentLabels()
    {
        Game game;
        TavolaWindow& w = game.w();
        w.showNormal();
        w.applyDesignGeometry();
        game.tavola->cmdNext_Click();
        const QImage image = w.surface->grab().toImage();
        QCOMPARE(image.size(), TavolaWindow::designClientSize);

        // Column 820 crosses no control: every row is a band colour, darkest on top.
        int previousBlue = -1;
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(820, y);
            QCOMPARE(c.red(), 0);
            QCOMPARE(c.green(), 0);
            QVERIFY2(c.blue() >= previousBlue, qPrintable(QStringLiteral("row %1").arg(y)));
            QVERIFY2(c.blue() <= previousBlue + 1 || previousBlue < 0, "no band is skipped");
            previousBlue = c.blue();
        }
        QCOMPARE(image.pixelColor(820, 0), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(820, image.height() - 1), QColor(0, 0, 255));

        // Inside lblScore's box but away from its digit, the gradient shows through.
        const QRect score = w.lblScore->geometry();
        const QColor behind = image.pixelColor(score.left() + 3, score.top() + 3);
        QCOMPARE(behind.red(), 0);
        QCOMPARE(behind.green(), 0);
        QCOMPARE(behind.blue(), image.pixelColor(820, score.top() + 3).blue());

        // Covered and uncovered, it is repainted the same.
        w.surface->repaint();
        QCOMPARE(w.surface->grab().toImage().pixelColor(820, 300), image.pixelColor(820, 300));
    }
};

QTEST_MAIN(QuizTest)
#include "test_quiz.moc"
