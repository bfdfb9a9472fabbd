// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown driven tick by tick, the menu commands and the caption.
#include "game_fixture.h"

#include <QTimer>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString quitQuestion = QStringLiteral("Vuoi veramente lasciarmi  ?");
const QString timeUp = QStringLiteral("Tempo scaduto");

class RealTimerPlatform : public ScriptedPlatform {
public:
    Timer* createTimer(QObject* owner, std::function<void()> onTick) override
    {
        return DesktopPlatform::createTimer(owner, std::move(onTick));
    }
};

} // namespace

class ClockAndMenuTest : public QObject {
    Q_OBJECT
private slots:
    void countingDown_data()
    {
        QTest::addColumn<int>("tickCount");
        QTest::addColumn<QString>("display");
        QTest::newRow("first tick") << 1 << "00:14:59";
        QTest::newRow("tick 61 borrows a minute") << 61 << "00:13:59";
        QTest::newRow("tick 900") << 900 << "00:00:00";
    }
    void countingDown()
    {
        QFETCH(int, tickCount);
        QFETCH(QString, display);
        Game game;
        const size_t boxes = game.platform.boxes.size();
        game.tick(tickCount);
        QCOMPARE(game.w().lblconto->caption(), display);
        QCOMPARE(game.state().secondiRestanti, std::int16_t(900 - tickCount));
        QCOMPARE(game.platform.boxes.size(), boxes);
        QVERIFY(game.timerEnabled());
    }

    // The first tick at 00:00:00 asks to quit; ticks that fall due under its
    // boxes never pile up more.
    void endOfTime_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("stay") << "stay";
        QTest::newRow("quit") << "quit";
        QTest::newRow("while the player's own quit question is open") << "asked";
    }
    void endOfTime()
    {
        QFETCH(QString, how);
        Game game;
        game.state().nEsatte = 3;
        game.tavola->cmdNext_Click();
        game.tick(900);
        if (how == QStringLiteral("asked")) {
            game.platform.whileNextBoxIsOpen([&] { game.tick(); });
            game.click(game.w().cmdExit);
            QCOMPARE(game.boxCount(quitQuestion), 2);
            QCOMPARE(game.boxCount(timeUp), 1);
            QVERIFY(!game.ended());
            return;
        }
        game.platform.whileNextBoxIsOpen([&] { game.tick(3); }); // under the quit question
        game.platform.whileNextBoxIsOpen([&] { game.tick(3); }); // under "Tempo scaduto"
        game.platform.answerNext(how == QStringLiteral("quit") ? MsgAnswer::Yes : MsgAnswer::No);
        game.tick();
        QVERIFY(!game.timerEnabled());
        QVERIFY(game.eventsAfterEnd().isEmpty());
        QCOMPARE(game.boxCount(quitQuestion), 1);
        if (how == QStringLiteral("quit")) {
            QCOMPARE(game.platform.exitStatus, EXIT_SUCCESS);
            QCOMPARE(game.boxCount(timeUp), 0);
            QCOMPARE(game.file(QStringLiteral("fraprod.txt")), QByteArray("3\r\n"));
            return;
        }
        QCOMPARE(game.boxCount(timeUp), 1);
        QCOMPARE(game.platform.log.filter(QStringLiteral("beep")).size(), 1);
        QCOMPARE(game.platform.boxes.back().title, QStringLiteral("Orvetta"));
        QCOMPARE(game.platform.boxes.back().style, MsgStyle::OkOnly);
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:00:00"));
        QCOMPARE(game.file(QStringLiteral("fraprod.txt")), QByteArray());

        // The quiz goes on after the end of time.
        game.setFraction(QStringLiteral("1"), QStringLiteral("2"));
        game.click(game.w().Option2);
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("4"));
    }

    // While a box of the menu or of Exit is open the clock goes on; OK or No changes nothing else.
    void boxesOfTheMenuAndExit_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("style");
        const QString help = QStringLiteral(" devi solo ripassare le caratteristiche dei vari tipi di frazioni e "
                                            "cliccare sul pulsante corrispondente.  Ciao");
        QTest::newRow("help") << "help" << "Anna" << "Anna" + help << "Orvetta" << MsgStyle::OkOnly;
        QTest::newRow("help, no name") << "help" << "" << help << "Orvetta" << MsgStyle::OkOnly;
        QTest::newRow("new game, No") << "new game" << "Anna" << "INIZIAMO UNA NUOVA GARA  ?" << "INIZIARE NUOVA GARA"
                                      << MsgStyle::YesNoQuestionDefaultNo;
        QTest::newRow("exit, No") << "exit" << "Anna" << quitQuestion << "Uscire dal programma"
                                  << MsgStyle::YesNoQuestionDefaultNo;
    }
    void boxesOfTheMenuAndExit()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, style);
        Game game(name);
        game.setFraction(QStringLiteral("1"), QStringLiteral("2"));
        game.click(game.w().Option2);
        TavolaWindow* before = game.tavola->window();
        const QString question = game.fraction();
        game.platform.whileNextBoxIsOpen([&] { game.tick(5); });
        if (command == QStringLiteral("help"))
            game.w().HELP->trigger();
        else if (command == QStringLiteral("new game"))
            game.w().Next->trigger();
        else
            game.click(game.w().cmdExit);
        const ShownBox& shown = game.platform.boxes.back();
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.title, title);
        QCOMPARE(shown.style, style);
        QCOMPARE(game.tavola->window(), before);
        QCOMPARE(game.fraction(), question);
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("1"));
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:14:55"));
        QVERIFY(game.timerEnabled() && !game.ended());
        QCOMPARE(game.file(QStringLiteral("fraprod.txt")), QByteArray());
    }

    void newGameAnsweredYes_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::newRow("during the game") << 30;
        QTest::newRow("after the end of time") << 901;
    }
    void newGameAnsweredYes()
    {
        QFETCH(int, ticks);
        Game game;
        game.state().nEsatte = 7;
        game.setFraction(QStringLiteral("1"), QStringLiteral("2"));
        game.click(game.w().Option1);
        game.tick(ticks);
        // Another game saved a record meanwhile; the new game reads it.
        game.writeFile(QStringLiteral("fraprod.txt"), "4\r\n");

        QPointer<TavolaWindow> old = game.tavola->window();
        auto* oldTimer = static_cast<ScriptedTimer*>(old->Timer1);
        game.platform.nameNext(QStringLiteral("Bruno"));
        game.platform.answerNext(MsgAnswer::Yes);
        old->Next->trigger();
        QVERIFY(!old->isVisible() && !oldTimer->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());

        TavolaWindow& w = game.w();
        QVERIFY(w.isVisible());
        for (Label* counter : {w.lblScore, w.lblScore1, w.lblScore2})
            QCOMPARE(counter->caption(), QStringLiteral("0"));
        QCOMPARE(w.tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(w.lblnome1->caption(), QStringLiteral("Bruno"));
        QCOMPARE(w.lblpunti->caption(), QStringLiteral("4\r\n"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        QCOMPARE(game.platform.boxes.back().text, QStringLiteral(" Bruno vediamo se sei un vero campione  "));
        QCOMPARE(game.file(QStringLiteral("fraprod.txt")), QByteArray("4\r\n"));
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:15:00"));
        game.tick();
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:14:59"));
    }

    void captionFollowsTheWindowState()
    {
        Game game;
        TavolaWindow& w = game.w();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        game.tick(61);
        w.showMinimized();
        QCOMPARE(w.windowTitle(), QStringLiteral("00:13:59"));
        game.tick(5);
        QCOMPARE(w.windowTitle(), QStringLiteral("00:13:59"));
        w.showNormal();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        w.showMaximized();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
    }

    void realTimerSettings()
    {
        RealTimerPlatform platform;
        Tavola tavola(platform);
        tavola.Show();
        const QList<QTimer*> timers = tavola.window()->findChildren<QTimer*>();
        QCOMPARE(timers.size(), 1);
        QCOMPARE(timers.front()->interval(), 1000);
        QVERIFY(timers.front()->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(tavola.window()->lblconto->caption(), QStringLiteral("00:14:59"), 2000);
    }
};

QTEST_MAIN(ClockAndMenuTest)
#include "test_clock_and_menu.moc"
