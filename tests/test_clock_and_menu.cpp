// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown driven tick by tick, the menu commands and the caption.
#include "game_fixture.h"

#include <QFile>
#include <QTimer>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString quitQuestion = QStringLiteral("Vuoi veramente lasciarmi  ?");
const QString timeUp = QStringLiteral("Tempo scaduto");
const QString newGameQuestion = QStringLiteral("INIZIAMO UNA NUOVA GARA  ?");

void ticks(const Game& game, int count)
{
    for (int i = 0; i < count; ++i)
        game.tick();
}

qsizetype boxCount(const Game& game, const QString& text)
{
    return std::count_if(game.platform.boxes().begin(), game.platform.boxes().end(),
                         [&](const ShownBox& b) { return b.text == text; });
}

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
        QTest::addColumn<int>("left");
        QTest::newRow("first tick") << 1 << "00:14:59" << 899;
        QTest::newRow("tick 60") << 60 << "00:14:00" << 840;
        QTest::newRow("tick 61 borrows") << 61 << "00:13:59" << 839;
        QTest::newRow("tick 899") << 899 << "00:00:01" << 1;
        QTest::newRow("tick 900") << 900 << "00:00:00" << 0;
    }
    void countingDown()
    {
        QFETCH(int, tickCount);
        QFETCH(QString, display);
        QFETCH(int, left);
        Game game;
        const size_t boxes = game.platform.boxes().size();
        ticks(game, tickCount);
        QCOMPARE(game.w().lblconto->caption(), display);
        QCOMPARE(game.state().secondiRestanti, std::int16_t(left));
        QCOMPARE(game.platform.boxes().size(), boxes);
        QVERIFY(game.timerEnabled());
    }

    void hoursBorrowToo()
    {
        Game game;
        game.state().ore = 1;
        game.state().minuti = 0;
        game.state().secondi = 0;
        game.state().secondiRestanti = 3600;
        game.tick();
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:59:59"));
        QCOMPARE(game.state().secondiRestanti, std::int16_t(3599));
    }

    void endOfTimeAnsweredNo()
    {
        Game game;
        ticks(game, 900);
        game.platform.answerNext(MsgAnswer::No);
        game.tick();
        QCOMPARE(game.platform.log().last(4),
                 (QStringList{QStringLiteral("box: ") + quitQuestion, QStringLiteral("box: ") + timeUp,
                              QStringLiteral("timer off"), QStringLiteral("beep")}));
        QCOMPARE(game.platform.boxes().back().title, QStringLiteral("Orvetta"));
        QCOMPARE(game.platform.boxes().back().style, MsgStyle::OkOnly);
        QVERIFY(!game.timerEnabled());
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:00:00"));
        QCOMPARE(QFile(game.platform.recordFile(QStringLiteral("fraprod.txt"))).size(), 0);

        // The quiz goes on after the end of time.
        game.setFraction(QStringLiteral("1"), QStringLiteral("2"));
        game.click(game.w().Option2);
        QCOMPARE(game.state().nEsatte, std::int16_t(1));
    }

    void endOfTimeAnsweredYes()
    {
        Game game;
        game.state().nEsatte = 3;
        game.tavola->cmdNext_Click();
        ticks(game, 900);
        game.platform.answerNext(MsgAnswer::Yes);
        game.tick();
        QVERIFY(game.platform.ended());
        QCOMPARE(boxCount(game, timeUp), 0);
        QVERIFY(game.eventsAfterEnd().isEmpty());
        QCOMPARE(QFile(game.platform.recordFile(QStringLiteral("fraprod.txt"))).size(), 3);
    }

    void boxesOfATickNeverPileUp()
    {
        Game game;
        ticks(game, 900);
        game.platform.whileNextBoxIsOpen([&] { ticks(game, 3); }); // under the quit question
        game.platform.whileNextBoxIsOpen([&] { ticks(game, 3); }); // under "Tempo scaduto"
        game.tick();
        QCOMPARE(boxCount(game, quitQuestion), 1);
        QCOMPARE(boxCount(game, timeUp), 1);
        QCOMPARE(game.platform.log().filter(QStringLiteral("beep")).size(), 1);
    }

    void clockRunsWhileOtherBoxesAreOpen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("help") << "help";
        QTest::newRow("new game question") << "new game";
        QTest::newRow("exit question") << "exit";
    }
    void clockRunsWhileOtherBoxesAreOpen()
    {
        QFETCH(QString, command);
        Game game;
        game.platform.whileNextBoxIsOpen([&] { ticks(game, 5); });
        if (command == QStringLiteral("help"))
            game.w().HELP->trigger();
        else if (command == QStringLiteral("new game"))
            game.w().Next->trigger();
        else
            game.click(game.w().cmdExit);
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:14:55"));
    }

    void exitQuestionOpenWhenTimeRunsOut()
    {
        Game game;
        ticks(game, 900);
        // The player asked to quit; the end of time asks again on top, and No to both goes on.
        game.platform.whileNextBoxIsOpen([&] { game.tick(); });
        game.click(game.w().cmdExit);
        QCOMPARE(boxCount(game, quitQuestion), 2);
        QCOMPARE(boxCount(game, timeUp), 1);
        QVERIFY(!game.platform.ended());
    }

    void helpText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("named") << "Anna";
        QTest::newRow("no name") << "";
    }
    void helpText()
    {
        QFETCH(QString, name);
        Game game(name);
        const QString question = game.fraction();
        game.w().HELP->trigger();
        const QString middle = QStringLiteral(" devi solo ripassare le caratteristiche dei vari tipi di frazioni e "
                                              "cliccare sul pulsante corrispondente.  ");
        QCOMPARE(middle.size(), 107);
        QCOMPARE(game.platform.boxes().back().text, name + middle + QStringLiteral("Ciao"));
        QCOMPARE(game.platform.boxes().back().style, MsgStyle::OkOnly);
        QCOMPARE(game.platform.boxes().back().title, QStringLiteral("Orvetta"));
        QCOMPARE(game.fraction(), question);
    }

    void newGameAnsweredNo()
    {
        Game game;
        game.setFraction(QStringLiteral("1"), QStringLiteral("2"));
        game.click(game.w().Option2);
        ticks(game, 10);
        TavolaWindow* before = game.tavola->window();
        const QString question = game.fraction();
        game.w().Next->trigger();
        const ShownBox& asked = game.platform.boxes().back();
        QCOMPARE(asked.text, newGameQuestion);
        QCOMPARE(asked.title, QStringLiteral("INIZIARE NUOVA GARA"));
        QCOMPARE(asked.style, MsgStyle::YesNoQuestionDefaultNo);
        QCOMPARE(game.tavola->window(), before);
        QCOMPARE(game.state().nEsatte, std::int16_t(1));
        QCOMPARE(game.fraction(), question);
        QCOMPARE(game.w().lblnome1->caption(), QStringLiteral("Anna"));
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:14:50"));
        QVERIFY(game.timerEnabled());
    }

    void newGameAnsweredYes()
    {
        Game game;
        game.state().nEsatte = 7;
        game.state().nErrate = 2;
        game.setFraction(QStringLiteral("1"), QStringLiteral("2"));
        game.click(game.w().Option1);
        ticks(game, 30);
        // Another game saved a record meanwhile; the new game reads it.
        QFile score(game.platform.recordFile(QStringLiteral("fraprod.txt")));
        QVERIFY(score.open(QIODevice::WriteOnly));
        score.write("4\r\n");
        score.close();

        QPointer<TavolaWindow> old = game.tavola->window();
        auto* oldTimer = static_cast<ScriptedTimer*>(old->Timer1);
        game.platform.nameNext(QStringLiteral("Bruno"));
        game.platform.answerNext(MsgAnswer::Yes);
        old->Next->trigger();

        QVERIFY(!old->isVisible());
        QVERIFY(!oldTimer->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());

        TavolaWindow& w = game.w();
        QVERIFY(w.isVisible());
        QCOMPARE(game.state().nEsatte, std::int16_t(0));
        QCOMPARE(game.state().nErrate, std::int16_t(0));
        QCOMPARE(w.lblScore->caption(), QStringLiteral("0"));
        QCOMPARE(w.lblScore1->caption(), QStringLiteral("0"));
        QCOMPARE(w.lblScore2->caption(), QStringLiteral("0"));
        QCOMPARE(w.tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(w.lblnome1->caption(), QStringLiteral("Bruno"));
        QCOMPARE(w.lblpunti->caption(), QStringLiteral("4\r\n"));
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:15:00"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        QVERIFY(game.timerEnabled());
        QCOMPARE(game.platform.boxes().back().text,
                 QStringLiteral(" Bruno vediamo se sei un vero campione  "));
        QCOMPARE(QFile(game.platform.recordFile(QStringLiteral("fraprod.txt"))).size(), 3);
        QCOMPARE(QFile(game.platform.recordFile(QStringLiteral("fraprod1.txt"))).size(), 0);
        game.tick();
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:14:59"));
    }

    void newGameAfterTimeIsUp()
    {
        Game game;
        ticks(game, 901);
        QVERIFY(!game.timerEnabled());
        game.platform.answerNext(MsgAnswer::Yes);
        game.w().Next->trigger();
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:15:00"));
        QVERIFY(game.timerEnabled());
        game.tick();
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:14:59"));
    }

    void captionFollowsTheWindowState()
    {
        Game game;
        TavolaWindow& w = game.w();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        ticks(game, 61);
        w.showMinimized();
        QCOMPARE(w.windowTitle(), QStringLiteral("00:13:59"));
        ticks(game, 5);
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
