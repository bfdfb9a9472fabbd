// SPDX-License-Identifier: GPL-3.0-or-later
// The game as the pupil meets it: the greeting, answers given by real mouse
// releases on the picture buttons (any typed text judged as the rules say),
// what each new question clears and keeps, the background, the window, the
// clock tick by tick and the menu commands.
#include "game_fixture.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <random>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString timeUp = QStringLiteral("Tempo scaduto");

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
    static const QString characters =
        QStringLiteral("0123456789012345678901234567890123456789+-.. \taeExB\u00e8\u4e2d\u00df,");
    const qsizetype alphabet = std::uniform_int_distribution<int>(0, 7)(rng) == 0 ? 10 : characters.size();
    QString text;
    for (int i = std::uniform_int_distribution<int>(0, 15)(rng); i > 0; --i)
        text.append(characters[std::uniform_int_distribution<qsizetype>(0, alphabet - 1)(rng)]);
    return text;
}

const QString proper = QStringLiteral("Frazione propria");
// The caption of each answer, with the verdict it gives when right.
const QString captions[] = {QStringLiteral("Frazione impropria"), proper, QStringLiteral("Frazione apparente")};
const QString verdictTexts[] = {QStringLiteral("Sei mitico"), QStringLiteral("Sei  un campione"),
                                QStringLiteral("Sei veramente un asso")};

} // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void startUp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("name with blanks") << "  Anna Maria "
                                          << "   Anna Maria  vediamo se sei un vero campione  ";
        QTest::newRow("empty name") << ""
                                    << "  vediamo se sei un vero campione  ";
        QTest::newRow("markup is just text") << "<b>Leo</b>"
                                             << " <b>Leo</b> vediamo se sei un vero campione  ";
        QTest::newRow("long name") << "Bartolomeo Massimiliano"
                                   << " Bartolomeo Massimiliano vediamo se sei un vero campione  ";
    }
    void startUp()
    {
        QFETCH(QString, name);
        QFETCH(QString, greeting);
        Game game(name, false);
        // Load draws 1/1; activation draws the question the player sees, denominator first, at both ends of the range.
        game.platform.drawNext({0.0f, 0.0f, std::nextafter(1.0f, 0.0f), 0.5f});
        bool clockDuringGreeting = true;
        game.platform.whileNextBoxIsOpen([&] { clockDuringGreeting = game.timerEnabled(); });
        game.tavola->Show();
        QVERIFY(!clockDuringGreeting);
        QVERIFY(game.timerEnabled());
        QCOMPARE(game.platform.boxes[0], (ShownBox{QStringLiteral("Come ti chiami?"), -1, QStringLiteral("Orvetta")}));
        QCOMPARE(game.platform.boxes[1], (ShownBox{greeting, MsgStyle::OkOnly, QStringLiteral("Orvetta")}));

        TavolaWindow& w = game.w();
        QCOMPARE(w.lblnome1->caption(), name);
        QCOMPARE(w.lblnome1->textFormat(), Qt::PlainText);
        QVERIFY(w.lblnome1->width() >= w.lblnome1->fontMetrics().horizontalAdvance(name)); // shown whole
        QCOMPARE(game.fraction(), QStringLiteral("51/100"));
        QVERIFY(w.isVisible() && (w.windowState() & Qt::WindowMaximized));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), game.answerButton(proper));
        QVERIFY(!w.cmdNext->isEnabled());
    }

    void onlyAMouseReleaseOverAButtonAnswers()
    {
        Game game;
        const QString question = game.fraction();
        OptionButton* button = game.answerButton(proper);
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(button->width() + 40, 5));
        QVERIFY(QTest::qWaitForWindowActive(&game.w()));
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY(button->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(game.w().lblScore2->caption(), QStringLiteral("0"));
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(game.fraction(), question);
    }

    // A new question clears the message and Next, and keeps the verdict and
    // the counters: full ones stay full and their total is true.
    void newQuestionClearsAndKeeps()
    {
        Game game;
        TavolaWindow& w = game.w();
        game.state().nEsatte = game.state().nErrate = 32767;
        game.answer(QStringLiteral("1/100"), captions[0]);
        QCOMPARE(w.tipo->caption(), QStringLiteral("Fai attenzione"));
        game.answer(QStringLiteral("50/25"), captions[2]);
        w.lblMessage->setCaption(QStringLiteral("prima"));
        w.cmdNext->setEnabled(true);

        game.platform.drawNext({0.0625f, 0.991f}); // denominator, then numerator
        game.tavola->cmdNext_Click();

        QCOMPARE(game.fraction(), QStringLiteral("100/7"));
        QVERIFY(w.lblMessage->caption().isEmpty());
        QVERIFY(!w.cmdNext->isEnabled());
        QCOMPARE(w.tipo->caption(), QStringLiteral("Sei veramente un asso"));
        QCOMPARE(w.tipo->foreColor(), 65280u); // green
        QCOMPARE(w.lblScore->caption() + ' ' + w.lblScore1->caption() + ' ' + w.lblScore2->caption(),
                 QStringLiteral("32767 32767 65534"));
        QVERIFY(!game.ended());
    }

    // Two games started together ask other questions, questions drawn within
    // the same second still differ, and the real random source shows every
    // number from 1 to 100 in 8000 draws, and nothing else.
    void questionsDiffer()
    {
        Game first, second;
        QStringList asked[2];
        QSet<QString> numbers;
        for (int i = 0; i < 4000; ++i) {
            Game& game = i % 2 ? second : first;
            game.tavola->cmdNext_Click();
            asked[i % 2] << game.fraction();
            numbers.unite(QSet<QString>{game.fraction().section('/', 0, 0), game.fraction().section('/', 1)});
        }
        QVERIFY(asked[0] != asked[1]);
        QVERIFY(QSet<QString>(asked[0].begin(), asked[0].end()).size() > 1000);
        QStringList all = numbers.values();
        all.sort();
        QStringList oneToAHundred;
        for (int n = 1; n <= 100; ++n)
            oneToAHundred << QString::number(n);
        oneToAHundred.sort();
        QCOMPARE(all, oneToAHundred);
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
            const int step = c.blue() - image.pixelColor(820, y - 1).blue();
            QVERIFY2(step == 0 || step == 1, qPrintable(QStringLiteral("row %1").arg(y)));
        }
        QCOMPARE(image.pixelColor(820, 0), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(820, image.height() - 1), QColor(0, 0, 255));

        // Inside lblScore's box but away from its digit, the gradient shows through.
        const QPoint inside = w.lblScore->geometry().topLeft() + QPoint(3, 3);
        QCOMPARE(image.pixelColor(inside), image.pixelColor(820, inside.y()));
    }

    // Maximised, the window shows every control in the design's proportions,
    // shrunk as a whole where the screen is too small at its scale.
    void theWholeDesignShows()
    {
        Game game;
        TavolaWindow& w = game.w();
        const QRect screen = w.screen()->availableGeometry();
        // Maximised, give or take the rounding of a scale.
        QTRY_VERIFY(qAbs(w.frameGeometry().width() - screen.width()) <= 1
                    && qAbs(w.frameGeometry().height() - screen.height()) <= 1);
        const auto controls = [&] {
            QRect box;
            for (const QWidget* control : w.surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                box |= control->geometry();
            return box;
        };
        const QRect shown = controls();
        QVERIFY2(w.surface->rect().contains(shown) && screen.contains(w.surface->mapToGlobal(shown.bottomRight())),
                 qPrintable(QStringLiteral("controls up to (%1, %2) on a surface of %3x%4, a screen of %5x%6")
                                .arg(shown.right())
                                .arg(shown.bottom())
                                .arg(w.surface->width())
                                .arg(w.surface->height())
                                .arg(screen.width())
                                .arg(screen.height())));
        w.showNormal();
        w.applyDesignGeometry();
        const QRect designed = controls();
        QVERIFY(shown.size() == designed.size()
                || qAbs(double(shown.width()) / designed.width() - double(shown.height()) / designed.height()) < 0.02);
    }

    // The same on the screens of a school, each in a process of its own, at
    // the scale Windows or QT_SCALE_FACTOR gives. The offscreen screen has no
    // taskbar and no title bar: the 40 and about 31 pixels that Windows takes
    // for them at 100% come off its height.
    void theWholeDesignShowsOnEveryScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("scale");
        for (const char* scale : {"1", "1.25", "1.5"})
            QTest::addRow("1366x768 at %s", scale) << QSize(1366, 768) << scale;
        for (const char* scale : {"1", "1.25", "1.5", "1.75", "2"})
            QTest::addRow("1920x1080 at %s", scale) << QSize(1920, 1080) << scale;
    }
    void theWholeDesignShowsOnEveryScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, scale);
        QTemporaryDir dir;
        QFile config(dir.filePath(QStringLiteral("screen.json")));
        const QByteArray json = QStringLiteral("{\"screens\": [{\"name\": \"s\", \"width\": %1, \"height\": %2}]}")
                                    .arg(screen.width())
                                    .arg(screen.height() - qRound(71 * scale.toDouble()))
                                    .toUtf8();
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write(json) == json.size());
        config.close();
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // A path would hold a colon on Windows: the file is named from the working directory.
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=screen.json"));
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        run.setProcessEnvironment(environment);
        run.setWorkingDirectory(dir.path());
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("theWholeDesignShows"), QStringLiteral("-o"), QStringLiteral("report.txt,txt")});
        QVERIFY(run.waitForFinished(60000));
        QFile report(dir.filePath(QStringLiteral("report.txt")));
        QVERIFY2(run.exitCode() == 0, report.open(QIODevice::ReadOnly) ? report.readAll().constData() : "no report");
    }

    void keysCommandsAndTheCloseBox()
    {
        Game game;
        for (QLineEdit* box : {game.w().txtAnswer, game.w().Text3}) {
            box->clear();
            QTest::keyClicks(box, QStringLiteral("1234567890123456789"));
            QCOMPARE(box->text(), QStringLiteral("123456789012345"));
        }
        const QString question = game.fraction();
        const size_t boxes = game.platform.boxes.size();
        for (QAction* entry : {game.w().Tmer, game.w().istituto, game.w().soft})
            entry->trigger();
        game.w().Command1->click();
        QCOMPARE(game.platform.boxes.size(), boxes);
        QCOMPARE(game.fraction(), question);

        // An access key presses Exit visibly, then clicks it.
        QVERIFY(QTest::qWaitForWindowActive(&game.w()));
        QTest::keyClick(&game.w(), Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(game.platform.boxes.back().text, quitQuestion);

        // The close box ends the game without asking, and saves no record.
        game.state().nEsatte = 5;
        game.tavola->cmdNext_Click();
        game.w().close();
        QCOMPARE(game.platform.exitStatus, EXIT_SUCCESS);
        QCOMPARE(game.platform.boxes.size(), boxes + 1); // the quit question the access key asked
        QCOMPARE(game.file(scoreFile), QByteArray());
    }

    // The real boxes: their buttons read the game's own Italian texts whether
    // or not Qt's translations are installed.
    void desktopBoxes_data()
    {
        QTest::addColumn<int>("style");     // -1 for the name box
        QTest::addColumn<QString>("press"); // a button's text, or "" for Escape
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("answer");
        const QStringList yesNo{QStringLiteral("No"), QStringLiteral("Sì")};
        const QStringList okCancel{QStringLiteral("Annulla"), QStringLiteral("OK")};
        QTest::newRow("question, Sì") << MsgStyle::YesNoQuestionDefaultNo << "Sì" << yesNo
                                      << QString::number(MsgAnswer::Yes);
        QTest::newRow("question, Escape")
            << MsgStyle::YesNoQuestionDefaultNo << "" << yesNo << QString::number(MsgAnswer::No);
        QTest::newRow("message") << MsgStyle::OkOnly << "OK" << QStringList{QStringLiteral("OK")}
                                 << QString::number(MsgAnswer::Ok);
        QTest::newRow("name, OK") << -1 << "OK" << okCancel << "Martina";
        QTest::newRow("name, Annulla") << -1 << "Annulla" << okCancel << "";
    }
    void desktopBoxes()
    {
        QFETCH(int, style);
        QFETCH(QString, press);
        QFETCH(QStringList, buttons);
        QFETCH(QString, answer);
        DesktopPlatform platform;
        QStringList texts;
        QTimer::singleShot(0, qApp, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            if (auto* name = shown->findChild<QLineEdit*>())
                QTest::keyClicks(name, QStringLiteral("Martina"));
            for (QPushButton* button : shown->findChildren<QPushButton*>())
                texts << button->text();
            if (QPushButton* pressed = shown->findChildren<QPushButton*>().value(texts.indexOf(press)))
                pressed->click();
            else
                QTest::keyClick(shown, Qt::Key_Escape);
        });
        const QString given =
            style < 0 ? platform.inputBox(QStringLiteral("Come ti chiami?"), applicationTitle)
                      : QString::number(platform.messageBox(nullptr, QStringLiteral("?"), style, applicationTitle));
        texts.sort();
        QCOMPARE(texts, buttons);
        QCOMPARE(given, answer);
    }

    // Ticks count down and borrow; the caption shows the clock only while minimized.
    void clockAndCaption()
    {
        Game game;
        TavolaWindow& w = game.w();
        const size_t boxes = game.platform.boxes.size();
        game.tick();
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:14:59"));
        game.tick(60);
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:13:59"));
        game.tick(294);
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:09:05"));
        w.showMinimized();
        QCOMPARE(w.windowTitle(), QStringLiteral("00:09:05"));
        game.tick(5);
        QCOMPARE(w.windowTitle(), QStringLiteral("00:09:05"));
        w.showNormal();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        w.showMaximized();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        QCOMPARE(game.platform.boxes.size(), boxes);
        QVERIFY(game.timerEnabled());
    }

    void realTimerSettings()
    {
        Game game(QStringLiteral("Anna"), false);
        game.platform.realTimer = true;
        game.tavola->Show();
        const QList<QTimer*> timers = game.w().findChildren<QTimer*>();
        QCOMPARE(timers.size(), 1);
        QCOMPARE(timers.front()->interval(), 1000);
        QVERIFY(timers.front()->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(game.w().lblconto->caption(), QStringLiteral("00:14:59"), 5000);
    }

    // The first tick at 00:00:00 asks to quit; ticks that fall due under its
    // boxes never pile up more.
    void endOfTime_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("stay") << "stay";
        QTest::newRow("quit") << "quit";
    }
    void endOfTime()
    {
        QFETCH(QString, how);
        Game game;
        for (const char* fraction : {"1/2", "3/2", "2/4", "5/5", "7/8"})
            game.answer(QString::fromLatin1(fraction), proper);
        QCOMPARE(game.w().lblScore->caption() + ' ' + game.w().lblScore1->caption() + ' '
                     + game.w().lblScore2->caption(),
                 QStringLiteral("3 2 5"));
        game.tick(900);
        game.platform.whileNextBoxIsOpen([&] { game.tick(3); }); // under the quit question
        game.platform.whileNextBoxIsOpen([&] { game.tick(3); }); // under "Tempo scaduto"
        game.platform.answerNext(how == QStringLiteral("quit") ? MsgAnswer::Yes : MsgAnswer::No);
        game.tick();
        QVERIFY(!game.timerEnabled());
        QVERIFY(game.platform.log.filter(QStringLiteral("AFTER END")).isEmpty());
        QCOMPARE(game.boxCount(quitQuestion), 1);
        if (how == QStringLiteral("quit")) {
            QCOMPARE(game.platform.exitStatus, EXIT_SUCCESS);
            QCOMPARE(game.boxCount(timeUp), 0);
            QCOMPARE(game.file(scoreFile), QByteArray("3\r\n"));
            return;
        }
        QCOMPARE(game.boxCount(timeUp), 1);
        QCOMPARE(game.platform.log.filter(QStringLiteral("beep")).size(), 1);
        QCOMPARE(game.platform.boxes.back(), (ShownBox{timeUp, MsgStyle::OkOnly, QStringLiteral("Orvetta")}));
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:00:00"));
        QCOMPARE(game.file(scoreFile), QByteArray());

        // The quiz goes on after the end of time.
        game.answer(QStringLiteral("1/2"), proper);
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("4"));
    }

    // While a box of the menu or of Exit is open the clock goes on; OK or No changes nothing else.
    void boxesOfTheMenuAndExit_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pressReturn"); // on the real box, else answered OK or No
        QTest::addColumn<ShownBox>("shown");
        const QString help = QStringLiteral(" devi solo ripassare le caratteristiche dei vari tipi di frazioni e "
                                            "cliccare sul pulsante corrispondente.  Ciao");
        const int yesNo = MsgStyle::YesNoQuestionDefaultNo;
        const ShownBox newGame{"INIZIAMO UNA NUOVA GARA  ?", yesNo, "INIZIARE NUOVA GARA"};
        const ShownBox exit{quitQuestion, yesNo, "Uscire dal programma"};
        QTest::newRow("help") << "help"
                              << "Anna" << false << ShownBox{"Anna" + help, MsgStyle::OkOnly, "Orvetta"};
        QTest::newRow("help, no name") << "help"
                                       << "" << false << ShownBox{help, MsgStyle::OkOnly, "Orvetta"};
        QTest::newRow("new game, No") << "new game"
                                      << "Anna" << false << newGame;
        QTest::newRow("new game, Return") << "new game"
                                          << "Anna" << true << newGame;
        QTest::newRow("exit, No") << "exit"
                                  << "Anna" << false << exit;
        QTest::newRow("exit, Return") << "exit"
                                      << "Anna" << true << exit;
    }
    void boxesOfTheMenuAndExit()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(bool, pressReturn);
        QFETCH(ShownBox, shown);
        Game game(name);
        game.answer(QStringLiteral("1/2"), proper);
        TavolaWindow* before = game.tavola->window();
        const QString question = game.fraction();
        game.platform.realQuestions = pressReturn;
        game.platform.whileNextBoxIsOpen([&] {
            game.tick(5);
            if (pressReturn)
                QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        if (command == QStringLiteral("help"))
            game.w().HELP->trigger();
        else if (command == QStringLiteral("new game"))
            game.w().Next->trigger();
        else
            game.click(game.w().cmdExit);
        QCOMPARE(game.platform.boxes.back(), shown);
        QCOMPARE(game.tavola->window(), before);
        QCOMPARE(game.fraction(), question);
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("1"));
        QCOMPARE(game.w().lblconto->caption(), QStringLiteral("00:14:55"));
        QVERIFY(game.timerEnabled() && !game.ended());
        QCOMPARE(game.file(scoreFile), QByteArray());
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
        game.answer(QStringLiteral("1/2"), captions[0]);
        game.tick(ticks);
        // Another game saved a record meanwhile; the new game reads it.
        game.writeFile(scoreFile, "4\r\n");

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
        QCOMPARE(w.lblScore->caption() + ' ' + w.lblScore1->caption() + ' ' + w.lblScore2->caption(),
                 QStringLiteral("0 0 0"));
        QCOMPARE(w.tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(w.lblnome1->caption(), QStringLiteral("Bruno"));
        QCOMPARE(w.lblpunti->caption(), QStringLiteral("4\r\n"));
        QCOMPARE(game.file(scoreFile), QByteArray("4\r\n"));
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:15:00"));
        game.tick();
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:14:59"));
    }

    void anyTypedTextIsJudgedAsTheRulesSay()
    {
        const quint64 seed = 1712;
        std::mt19937_64 rng(seed);
        Game game;
        OptionButton* const answers[] = {game.answerButton(captions[0]), game.answerButton(captions[1]),
                                         game.answerButton(captions[2])};
        QVERIFY(answers[0] && answers[1] && answers[2]);
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
            game.click(answers[option - 1], buttons[i % 3]);
            ++counted[expected + 1];
            const QString verdict = expected == 1   ? verdictTexts[option - 1]
                                    : expected == 0 ? QStringLiteral("Fai attenzione")
                                                    : QString();
            const int right = rightBefore + (expected == 1), wrong = wrongBefore + (expected == 0);
            if (w.lblScore->caption() != QString::number(right) || w.lblScore1->caption() != QString::number(wrong)
                || w.lblScore2->caption() != QString::number(right + wrong) || w.tipo->caption() != verdict
                || (expected >= 0 && w.tipo->foreColor() != (expected == 1 ? 65280u : 255u)) // green, red
                || answers[0]->isChecked() || answers[1]->isChecked() || answers[2]->isChecked())
                QFAIL(
                    qPrintable(QStringLiteral("answer %1 (seed %2): \"%3\" over \"%4\" with \"%5\" shows \"%6\"%7")
                                   .arg(i)
                                   .arg(seed)
                                   .arg(numerator, denominator, captions[option - 1], w.tipo->caption(),
                                        answers[option - 1]->isChecked() ? QStringLiteral(", the button still pressed")
                                                                         : QString())));
        }
        qInfo("typed input (seed %llu): 100000 answers in %lld ms: %d right, %d wrong, %d uncounted, all as the rules "
              "say",
              seed, clock.elapsed(), counted[2], counted[1], counted[0]);
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
