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

    void controlsAtTheirDesignPlace_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Option3") << "Option3" << QRect(384, 8, 169, 73);
        QTest::newRow("Option2") << "Option2" << QRect(32, 8, 169, 73);
        QTest::newRow("Option1") << "Option1" << QRect(208, 8, 169, 73);
        QTest::newRow("Text3") << "Text3" << QRect(576, 120, 121, 80);
        QTest::newRow("txtAnswer") << "txtAnswer" << QRect(576, 8, 121, 80);
        QTest::newRow("cmdNext") << "cmdNext" << QRect(288, 336, 121, 73);
        QTest::newRow("cmdExit") << "cmdExit" << QRect(512, 336, 121, 73);
        QTest::newRow("Command1") << "Command1" << QRect(320, 360, 57, 41);
        QTest::newRow("cmdcalcola") << "cmdcalcola" << QRect(296, 376, 5, 13);
        QTest::newRow("tipo") << "tipo" << QRect(144, 152, 353, 121);
        QTest::newRow("lblnome") << "lblnome" << QRect(168, 480, 369, 33);
        QTest::newRow("Label12") << "Label12" << QRect(8, 480, 153, 25);
        QTest::newRow("Label11") << "Label11" << QRect(24, 144, 105, 25);
        QTest::newRow("lblconto") << "lblconto" << QRect(24, 168, 105, 33);
        QTest::newRow("lblMessage") << "lblMessage" << QRect(112, 144, 441, 41);
        QTest::newRow("Image5(1)") << "Image5(1)" << QRect(360, 432, 57, 31);
        QTest::newRow("Image4(2)") << "Image4(2)" << QRect(656, 216, 47, 47);
    }
    void controlsAtTheirDesignPlace()
    {
        QFETCH(QString, control);
        QFETCH(QRect, pixels);
        Game game;
        TavolaWindow& w = game.w();
        const std::map<QString, QWidget*> controls{
            {"Option3", w.Option3}, {"Option2", w.Option2},     {"Option1", w.Option1},
            {"Text3", w.Text3},     {"txtAnswer", w.txtAnswer}, {"cmdNext", w.cmdNext},
            {"cmdExit", w.cmdExit}, {"Command1", w.Command1},   {"cmdcalcola", w.cmdcalcola},
            {"tipo", w.tipo},       {"lblnome", w.lblnome},     {"Label12", w.Label12},
            {"Label11", w.Label11}, {"lblconto", w.lblconto},   {"lblMessage", w.lblMessage},
            {"Image5(1)", w.Image5[1]}, {"Image4(2)", w.Image4[2]},
        };
        QCOMPARE(controls.at(control)->geometry(), pixels);
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

    void fixedLabelsKeepTheirSize()
    {
        Game game;
        Label* holder = game.w().lblnome;
        holder->setCaption(QStringLiteral("Bartolomeo Massimiliano Ottaviano Del Poggio Alto\r\n"));
        QCOMPARE(holder->geometry(), QRect(168, 480, 369, 33));
        QVERIFY(holder->wordWrap());
    }

    void designLook()
    {
        Game game;
        TavolaWindow& w = game.w();
        QCOMPARE(w.Option1->text(), QStringLiteral("Frazione impropria"));
        QCOMPARE(w.Option2->text(), QStringLiteral("Frazione propria"));
        QCOMPARE(w.Option3->text(), QStringLiteral("Frazione apparente"));
        for (OptionButton* option : {w.Option1, w.Option2, w.Option3})
            QCOMPARE(option->toolTip(), QStringLiteral("Cliccami"));
        QCOMPARE(w.Option3->palette().color(QPalette::Button), QColor(0xFF, 0, 0));
        QCOMPARE(w.txtAnswer->toolTip(), QStringLiteral("Inserisci il numeratore  premi il tasto  Invio"));
        QCOMPARE(w.Text3->toolTip(), QStringLiteral("Inserisci il denominatore e  premi il tasto  Invio"));
        QCOMPARE(w.txtAnswer->maxLength(), 15);
        QCOMPARE(w.Text3->maxLength(), 15);
        QCOMPARE(w.cmdNext->toolTip(), QStringLiteral("Go"));
        QCOMPARE(w.cmdExit->toolTip(), QStringLiteral("Allora ti arrendi?"));
        QCOMPARE(w.lblScore->toolTip(), QStringLiteral("Questo è il tuo punteggio. Forza con il  record"));
        QCOMPARE(w.Label12->caption(), QStringLiteral("Il record  è di "));
        QCOMPARE(w.cmdExit->cursor().hotSpot(), QPoint(3, 3));
        QCOMPARE(w.Image4[0]->pixmap().size(), QSize(47, 47));
        QVERIFY(!w.windowIcon().isNull());
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

    void tabOrderAndStacking()
    {
        Game game;
        TavolaWindow& w = game.w();
        const QWidget* expected[] = {w.cmdExit, w.cmdNext, w.txtAnswer, w.Command1, w.Text3,
                                     w.cmdcalcola, w.Option1, w.Option2, w.Option3};
        for (size_t i = 1; i < std::size(expected); ++i)
            QCOMPARE(expected[i - 1]->nextInFocusChain(), expected[i]);
        // Command1 and cmdcalcola lie hidden under cmdNext.
        QCOMPARE(w.surface->childAt(w.Command1->geometry().center()), w.cmdNext);
        QCOMPARE(w.surface->childAt(w.cmdcalcola->geometry().center()), w.cmdNext);
    }

    void menu()
    {
        Game game;
        QStringList bar;
        for (QAction* action : game.w().menuBar()->actions())
            bar << action->text();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar.mid(1), (QStringList{QStringLiteral("NUOVA GARA"), QStringLiteral("AIUTO")}));
        QVERIFY(!game.w().Next->menu());
        QVERIFY(!game.w().HELP->menu());
        QCOMPARE(game.w().Ciao->actions().size(), 3);
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
