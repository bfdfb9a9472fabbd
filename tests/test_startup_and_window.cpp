// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as the player meets it, and the window as it is built.
#include "game_fixture.h"

#include <QMenuBar>

using namespace orvetta;
using namespace orvetta::testing;

class StartupAndWindowTest : public QObject {
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
        const auto& boxes = game.platform.boxes();
        QVERIFY(boxes.size() >= 2);
        QCOMPARE(boxes[0].text, QStringLiteral("Come ti chiami?"));
        QCOMPARE(boxes[0].title, QStringLiteral("Orvetta"));
        QCOMPARE(boxes[1].text, greeting);
        QCOMPARE(boxes[1].style, MsgStyle::OkOnly);
        QCOMPARE(boxes[1].title, QStringLiteral("Orvetta"));
        QCOMPARE(game.w().lblnome1->caption(), name);
        QCOMPARE(game.w().lblnome1->textFormat(), Qt::PlainText);
    }

    void startupSequence()
    {
        Game game(QStringLiteral("Anna"), false);
        game.tavola->Show();
        const QStringList& log = game.platform.log();
        // Timer off before the name prompt, on again after the greeting.
        const qsizetype off = log.indexOf(QStringLiteral("timer off"));
        const qsizetype prompt = log.indexOf(QStringLiteral("input: Come ti chiami?"));
        const qsizetype on = log.lastIndexOf(QStringLiteral("timer on"));
        QVERIFY(off >= 0 && off < prompt && prompt < on);
        QVERIFY(game.timerEnabled());

        TavolaWindow& w = game.w();
        QCOMPARE(game.platform.randomizeCount(), 2); // one question in each handler
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:15:00"));
        QCOMPARE(game.state().secondiRestanti, std::int16_t(900));
        QVERIFY(w.isVisible());
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.Option2);
        QVERIFY(!w.cmdNext->isEnabled());
        QCOMPARE(w.tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(w.lblScore->caption(), QStringLiteral("0"));
    }

    void thePlayerSeesTheSecondQuestion()
    {
        Game game(QStringLiteral("Anna"), false);
        game.platform.drawNext({0.0f, 0.0f, 0.25f, 0.5f}); // load: 1/1, activation: 51/26
        game.tavola->Show();
        QCOMPARE(game.w().Text3->text(), QStringLiteral("26"));
        QCOMPARE(game.w().txtAnswer->text(), QStringLiteral("51"));
    }

    void restoringGivesTheDesignGeometry()
    {
        Game game;
        TavolaWindow& w = game.w();
        w.showNormal();
        w.applyDesignGeometry();
        QCOMPARE(w.centralWidget()->size(), TavolaWindow::designClientSize);
        QCOMPARE(w.centralWidget()->mapToGlobal(QPoint(0, 0)), TavolaWindow::designClientPosition);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
    }

    void autoSizeLabelsGrowToTheRight()
    {
        Game game;
        Label* score = game.w().lblScore;
        const QRect single = score->geometry();
        score->setCaption(QStringLiteral("12"));
        QCOMPARE(score->geometry().topLeft(), single.topLeft());
        QVERIFY(score->width() > single.width());
        Label* name = game.w().lblnome1;
        name->setCaption(QStringLiteral("Bartolomeo Massimiliano"));
        QCOMPARE(name->pos(), QPoint(32, 424));
        QVERIFY(name->width() > 91);
    }

    void countersSitUnderTheirHeadings()
    {
        Game game;
        TavolaWindow& w = game.w();
        const std::pair<Label*, Label*> pairs[] = {
            {w.Label6, w.lblScore}, {w.Label1, w.lblScore1}, {w.Label3, w.lblScore2}};
        for (const auto& [heading, counter] : pairs) {
            QVERIFY(heading->geometry().bottom() < counter->geometry().top());
            QVERIFY(heading->geometry().left() <= counter->geometry().left());
            QVERIFY(heading->geometry().right() >= counter->geometry().right());
        }
    }

    void hiddenButtonsAndMenuCommands()
    {
        Game game;
        TavolaWindow& w = game.w();
        // Command1 and cmdcalcola lie hidden under cmdNext.
        QCOMPARE(w.surface->childAt(w.Command1->geometry().center()), w.cmdNext);
        QCOMPARE(w.surface->childAt(w.cmdcalcola->geometry().center()), w.cmdNext);
        // The two commands stand in the menu bar itself, with no drop-down to open first.
        QVERIFY(w.menuBar()->actions().contains(w.Next) && !w.Next->menu());
        QVERIFY(w.menuBar()->actions().contains(w.HELP) && !w.HELP->menu());
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
        const QString numerator = game.w().txtAnswer->text();
        const size_t boxes = game.platform.boxes().size();
        game.w().Tmer->trigger();
        game.w().istituto->trigger();
        game.w().soft->trigger();
        game.w().Command1->click();
        QCOMPARE(game.platform.boxes().size(), boxes);
        QCOMPARE(game.w().txtAnswer->text(), numerator);
        QCOMPARE(game.w().windowTitle(), QStringLiteral("Tessaloro"));
    }

    void accessKeyAsksToQuit()
    {
        Game game;
        QVERIFY(QTest::qWaitForWindowActive(&game.w()));
        QTest::keyClick(&game.w(), Qt::Key_X, Qt::AltModifier);
        // An access key presses the button visibly, then clicks it.
        QTRY_COMPARE(game.platform.boxes().back().text, QStringLiteral("Vuoi veramente lasciarmi  ?"));
    }

    void closeBoxEndsWithoutAskingOrSaving()
    {
        Game game;
        game.state().nEsatte = 5;
        game.tavola->cmdNext_Click();
        const size_t boxes = game.platform.boxes().size();
        game.w().close();
        QVERIFY(game.platform.ended());
        QCOMPARE(game.platform.boxes().size(), boxes);
        QCOMPARE(QFileInfo(game.platform.recordFile(QStringLiteral("fraprod.txt"))).size(), 0);
    }
};

QTEST_MAIN(StartupAndWindowTest)
#include "test_startup_and_window.moc"
