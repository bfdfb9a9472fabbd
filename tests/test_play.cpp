// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and play as the pupil meets them: the greeting, answers judged
// through real mouse releases on the picture buttons, what each new question
// clears and keeps, the background and the window.
#include "game_fixture.h"

#include <QImage>

#include <cmath>

using namespace orvetta;
using namespace orvetta::testing;

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void greeting_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("name with blanks") << "  Anna Maria " << "   Anna Maria  vediamo se sei un vero campione  ";
        QTest::newRow("empty name") << "" << "  vediamo se sei un vero campione  ";
        QTest::newRow("markup is just text") << "<b>Leo</b>" << " <b>Leo</b> vediamo se sei un vero campione  ";
    }
    void greeting()
    {
        QFETCH(QString, name);
        QFETCH(QString, greeting);
        Game game(name);
        QCOMPARE(game.platform.boxes[0].text, QStringLiteral("Come ti chiami?"));
        QCOMPARE(game.platform.boxes[0].title, QStringLiteral("Orvetta"));
        QCOMPARE(game.platform.boxes[1].text, greeting);
        QCOMPARE(game.platform.boxes[1].style, MsgStyle::OkOnly);
        QCOMPARE(game.platform.boxes[1].title, QStringLiteral("Orvetta"));
        QCOMPARE(game.w().lblnome1->caption(), name);
        QCOMPARE(game.w().lblnome1->textFormat(), Qt::PlainText);
    }

    void startUp()
    {
        Game game(QStringLiteral("Anna"), false);
        // Load draws 1/1; activation draws the question the player sees, denominator first, at both ends of the range.
        game.platform.drawNext({0.0f, 0.0f, std::nextafter(1.0f, 0.0f), 0.5f});
        game.tavola->Show();
        const QStringList& log = game.platform.log;
        const qsizetype off = log.indexOf(QStringLiteral("timer off"));
        const qsizetype prompt = log.indexOf(QStringLiteral("input: Come ti chiami?"));
        QVERIFY(off >= 0 && off < prompt && prompt < log.lastIndexOf(QStringLiteral("timer on")));
        QVERIFY(game.timerEnabled());

        TavolaWindow& w = game.w();
        QCOMPARE(game.platform.randomizeCount, 2);
        QCOMPARE(game.fraction(), QStringLiteral("51/100"));
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:15:00"));
        QCOMPARE(game.state().secondiRestanti, std::int16_t(900));
        QVERIFY(w.isVisible() && (w.windowState() & Qt::WindowMaximized));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.Option2);
        QVERIFY(!w.cmdNext->isEnabled());
        QCOMPARE(w.tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(w.lblScore->caption(), QStringLiteral("0"));
    }

    void onlyAReleaseOverTheButtonAnswers()
    {
        Game game;
        OptionButton* proper = game.w().Option2;
        QTest::mousePress(proper, Qt::LeftButton, Qt::NoModifier, proper->rect().center());
        QTest::mouseRelease(proper, Qt::LeftButton, Qt::NoModifier, QPoint(proper->width() + 40, 5));
        QCOMPARE(game.w().lblScore2->caption(), QStringLiteral("0"));
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Ok"));

        // A release alone, with a modifier held, counts.
        game.setFraction(QStringLiteral("1"), QStringLiteral("100"));
        QTest::mouseRelease(proper, Qt::RightButton, Qt::ShiftModifier, proper->rect().center());
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("1"));
    }

    void keyboardSelectionJudgesNothing()
    {
        Game game;
        const QString question = game.fraction();
        QVERIFY(QTest::qWaitForWindowActive(&game.w()));
        QTest::keyClick(game.w().Option2, Qt::Key_Space);
        QVERIFY(game.w().Option2->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(game.w().lblScore2->caption(), QStringLiteral("0"));
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(game.fraction(), question);
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

        QCOMPARE(game.fraction(), QStringLiteral("100/7"));
        QVERIFY(w.lblMessage->caption().isEmpty());
        QVERIFY(!w.Option1->isChecked() && !w.Option2->isChecked() && !w.Option3->isChecked());
        QVERIFY(!w.cmdNext->isEnabled());
        QCOMPARE(w.tipo->caption(), QStringLiteral("Sei veramente un asso"));
        QCOMPARE(w.tipo->foreColor(), 65280u); // green
        QCOMPARE(game.state().kBanda, 256);
        QCOMPARE(game.state().yBanda, 512.0);
    }

    void everyQuestionReseedsAndDrawsAfresh()
    {
        Game game;
        QSet<QString> seen;
        for (int i = 0; i < 50; ++i) {
            game.tavola->cmdNext_Click();
            seen.insert(game.fraction());
        }
        QCOMPARE(game.platform.randomizeCount, 2 + 50);
        QVERIFY2(seen.size() > 30, "questions drawn in the same millisecond still differ");
    }

    void fullCountersStayAndTheTotalIsTrue()
    {
        Game game;
        game.state().nEsatte = 32767;
        game.state().nErrate = 32767;
        for (OptionButton* answer : {game.w().Option2, game.w().Option1}) {
            game.setFraction(QStringLiteral("1"), QStringLiteral("100"));
            game.click(answer);
        }
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Fai attenzione"));
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("32767"));
        QCOMPARE(game.w().lblScore1->caption(), QStringLiteral("32767"));
        QCOMPARE(game.w().lblScore2->caption(), QStringLiteral("65534"));
        QVERIFY(!game.ended());
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

        // Column 820 crosses no control: every row is a band colour, darkest on top, no band skipped.
        for (int y = 1; y < image.height(); ++y) {
            const QColor c = image.pixelColor(820, y);
            QCOMPARE(QColor(c.red(), c.green(), 0), QColor(0, 0, 0));
            QVERIFY2(c.blue() - image.pixelColor(820, y - 1).blue() <= 1, qPrintable(QStringLiteral("row %1").arg(y)));
            QVERIFY(c.blue() >= image.pixelColor(820, y - 1).blue());
        }
        QCOMPARE(image.pixelColor(820, 0), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(820, image.height() - 1), QColor(0, 0, 255));

        // Inside lblScore's box but away from its digit, the gradient shows through.
        const QPoint inside = w.lblScore->geometry().topLeft() + QPoint(3, 3);
        QCOMPARE(image.pixelColor(inside), image.pixelColor(820, inside.y()));
    }

    void labelsGrowToTheRight()
    {
        Game game;
        Label* name = game.w().lblnome1;
        const QRect before = name->geometry();
        name->setCaption(QStringLiteral("Bartolomeo Massimiliano"));
        QCOMPARE(name->pos(), before.topLeft());
        QVERIFY(name->width() > before.width());
    }

    void boxesTakeFifteenTypedCharacters()
    {
        Game game;
        for (QLineEdit* box : {game.w().txtAnswer, game.w().Text3}) {
            box->clear();
            QTest::keyClicks(box, QStringLiteral("1234567890123456789"));
            QCOMPARE(box->text(), QStringLiteral("123456789012345"));
        }
    }

    void creditEntriesAndCommand1DoNothing()
    {
        Game game;
        const QString question = game.fraction();
        const size_t boxes = game.platform.boxes.size();
        for (QAction* entry : {game.w().Tmer, game.w().istituto, game.w().soft})
            entry->trigger();
        game.w().Command1->click();
        QCOMPARE(game.platform.boxes.size(), boxes);
        QCOMPARE(game.fraction(), question);
        QCOMPARE(game.w().windowTitle(), QStringLiteral("Tessaloro"));
    }

    void accessKeyAsksToQuit()
    {
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(&game.w()));
        QTest::keyClick(&game.w(), Qt::Key_X, Qt::AltModifier);
        // An access key presses the button visibly, then clicks it.
        QTRY_COMPARE(game.platform.boxes.back().text, QStringLiteral("Vuoi veramente lasciarmi  ?"));
    }

    void closeBoxEndsWithoutAskingOrSaving()
    {
        Game game;
        game.state().nEsatte = 5;
        game.tavola->cmdNext_Click();
        const size_t boxes = game.platform.boxes.size();
        game.w().close();
        QCOMPARE(game.platform.exitStatus, EXIT_SUCCESS);
        QCOMPARE(game.platform.boxes.size(), boxes);
        QCOMPARE(QFileInfo(game.platform.recordFile(QStringLiteral("fraprod.txt"))).size(), 0);
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
