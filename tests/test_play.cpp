// SPDX-License-Identifier: GPL-3.0-or-later
// The game as the pupil meets it: the greeting, answers given by real mouse
// releases on the picture buttons (any typed text judged as the rules say),
// the background, the window, the clock tick by tick and the menu commands;
// and all of it in each language.
#include "desktop/translations.h"
#include "game_fixture.h"
#include "window/desktop_style.h"

#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <cmath>
#include <numeric>

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString timeUp = QStringLiteral("Tempo scaduto");

const QString proper = QStringLiteral("Frazione propria");
// The caption of each answer, with the verdict it gives when right.
const QString captions[] = {QStringLiteral("Frazione impropria"), proper, QStringLiteral("Frazione apparente")};
const QString verdictTexts[] = {QStringLiteral("Sei mitico"), QStringLiteral("Sei  un campione"),
                                QStringLiteral("Sei veramente un asso")};

// Right answers, wrong answers and their total, as the three counters show them.
QString scores(const TavolaWindow& w)
{
    return w.lblScore->caption() + ' ' + w.lblScore1->caption() + ' ' + w.lblScore2->caption();
}

// Names stay as they are in every language.
const QStringList names{QStringLiteral("Orvetta"), QStringLiteral("Tessaloro"), QStringLiteral("Anna"),
                        QStringLiteral("Via dei Numeratori 1 - 00000 Borgo Frazione"),
                        QStringLiteral("Istituto Comprensivo Tre Quarti - Borgo Frazione")};

} // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void startUp()
    {
        const QString name = QStringLiteral("  <b>Bartolomeo</b> Massimiliano ");
        Game game(name, false);
        game.platform.realTimer = true;
        // Load draws 1/1; activation draws the question the player sees, denominator first, at both ends of the range.
        game.platform.drawNext({0.0f, 0.0f, std::nextafter(1.0f, 0.0f), 0.5f});
        bool clockDuringGreeting = true;
        game.platform.whileNextBoxIsOpen([&] { clockDuringGreeting = game.w().Timer1->isEnabled(); });
        game.tavola->Show();
        QVERIFY(!clockDuringGreeting);
        QCOMPARE(game.platform.boxes[0], (ShownBox{QStringLiteral("Come ti chiami?"), -1, "Orvetta"}));
        QCOMPARE(game.platform.boxes[1],
                 (ShownBox{' ' + name + " vediamo se sei un vero campione  ", MsgStyle::OkOnly, "Orvetta"}));

        TavolaWindow& w = game.w();
        QCOMPARE(w.lblnome1->caption(), name);
        QVERIFY(w.lblnome1->width() >= w.lblnome1->fontMetrics().horizontalAdvance(name)); // shown whole
        QCOMPARE(game.fraction(), QStringLiteral("51/100"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));
        // The toolkit's one timer ticks each second.
        const QList<QTimer*> timers = w.findChildren<QTimer*>();
        QVERIFY(timers.size() == 1 && timers.front()->interval() == 1000);
        QTRY_COMPARE_WITH_TIMEOUT(w.lblconto->caption(), QStringLiteral("00:14:59"), 5000);

        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), game.answerButton(proper));
        QVERIFY(!w.cmdNext->isEnabled());

        // Only a mouse release over an answer button answers: not one beside it, nor the keys.
        OptionButton* button = game.answerButton(proper);
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(button->width() + 40, 5));
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY(button->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(game.fraction(), QStringLiteral("51/100")); // every answer draws the next question
    }

    // Two games started together ask other questions, and questions drawn
    // within the same second still differ. Over all of them, each box shows
    // every whole number from 1 to 100, and nothing else.
    void questionsDiffer()
    {
        Game games[2];
        QSet<QString> asked[2];
        QList<int> numerators, denominators, oneToHundred(100);
        std::iota(oneToHundred.begin(), oneToHundred.end(), 1);
        for (int i = 0; i < 4000; ++i) {
            games[i % 2].tavola->cmdNext_Click();
            asked[i % 2] << games[i % 2].fraction();
            numerators << games[i % 2].fractionBoxes()[0]->text().toInt();
            denominators << games[i % 2].fractionBoxes()[1]->text().toInt();
        }
        QVERIFY(asked[0] != asked[1]);
        QVERIFY(asked[0].size() > 1000);
        for (QList<int>* shown : {&numerators, &denominators}) {
            std::ranges::sort(*shown);
            shown->erase(std::ranges::unique(*shown).begin(), shown->end());
            QCOMPARE(*shown, oneToHundred);
        }
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
        const QRect shown = w.surface->childrenRect();
        QVERIFY(w.surface->rect().contains(shown) && screen.contains(w.surface->mapToGlobal(shown.bottomRight())));
        w.showNormal();
        w.applyDesignGeometry();
        const QRect designed = w.surface->childrenRect();
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
        const QByteArray json = QStringLiteral(R"({"screens": [{"name": "s", "width": %1, "height": %2}]})")
                                    .arg(screen.width())
                                    .arg(screen.height() - qRound(71 * scale.toDouble()))
                                    .toUtf8();
        // Unbuffered: the game reads it while it is still open.
        QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && config.write(json) == json.size());
        QProcess run;
        // The child reads it as it starts; this process read its own long ago.
        qputenv("QT_SCALE_FACTOR", scale.toLatin1());
        run.setWorkingDirectory(dir.path());
        // A path would hold a colon on Windows: the file is named from the working directory.
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("theWholeDesignShows"), QStringLiteral("-platform"),
                   QStringLiteral("offscreen:configfile=screen.json")});
        QVERIFY2(run.waitForFinished(60000) && run.exitCode() == 0, run.readAll().constData());
    }

    // The real boxes: their buttons read the game's own Italian texts whether
    // or not Qt's translations are installed. Sì answers Yes; OK gives the name
    // typed, Annulla none.
    void desktopBoxes()
    {
        DesktopPlatform platform;
        QStringList texts; // of the last box's buttons
        const auto press = [&texts](const QString& text) {
            QTimer::singleShot(0, qApp, [&texts, text] {
                QWidget* shown = QApplication::activeModalWidget();
                if (auto* name = shown->findChild<QLineEdit*>())
                    QTest::keyClicks(name, QStringLiteral("Martina"));
                const QList<QPushButton*> buttons = shown->findChildren<QPushButton*>();
                texts.clear();
                for (QPushButton* button : buttons)
                    texts << button->text();
                if (QPushButton* pressed = buttons.value(texts.indexOf(text)))
                    pressed->click();
                else
                    QTest::keyClick(shown, Qt::Key_Escape);
            });
        };
        press(QStringLiteral("Sì"));
        QCOMPARE(platform.messageBox(nullptr, QStringLiteral("?"), MsgStyle::YesNoQuestionDefaultNo, applicationTitle),
                 MsgAnswer::Yes);
        QCOMPARE(texts, (QStringList{"Sì", "No"}));
        press(QStringLiteral("OK"));
        QCOMPARE(platform.inputBox(QStringLiteral("Come ti chiami?"), applicationTitle), QStringLiteral("Martina"));
        QCOMPARE(texts, (QStringList{"OK", "Annulla"}));
        press(QStringLiteral("Annulla"));
        QCOMPARE(platform.inputBox(QStringLiteral("Come ti chiami?"), applicationTitle), QString());
    }

    // Yes to a new game during the game builds the window afresh, asks the
    // name again, reads the record again and starts the clock again. Ticks
    // count down and borrow; the caption shows the clock only while
    // minimized. The first tick at 00:00:00 asks to quit; ticks that fall due
    // under its boxes never pile up more.
    void newGameAndItsClock_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::newRow("stay") << false;
        QTest::newRow("quit") << true;
    }
    void newGameAndItsClock()
    {
        QFETCH(bool, quit);
        Game game;
        game.state().nEsatte = 7;
        game.answer(QStringLiteral("1/2"), captions[0]);
        game.tick(30);
        // Another game saved a record meanwhile; the new game reads it.
        game.writeFile(scoreFile, "2\r\n");
        QPointer<TavolaWindow> old = game.tavola->window();
        game.platform.nameNext(QStringLiteral("Bruno"));
        game.platform.answerNext(MsgAnswer::Yes);
        old->Next->trigger();
        QVERIFY(!old->isVisible() && !old->Timer1->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());

        TavolaWindow& w = game.w();
        QVERIFY(w.isVisible());
        QCOMPARE(w.tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(w.lblnome1->caption(), QStringLiteral("Bruno"));
        QCOMPARE(w.lblpunti->caption(), QStringLiteral("2\r\n"));
        for (const char* fraction : {"1/2", "3/2", "2/4", "5/5", "7/8"})
            game.answer(QString::fromLatin1(fraction), proper);
        QCOMPARE(scores(w), QStringLiteral("3 2 5"));
        for (auto [ticks, clock] : {std::pair{0, "00:15:00"}, {1, "00:14:59"}, {60, "00:13:59"}, {294, "00:09:05"}}) {
            game.tick(ticks);
            QCOMPARE(w.lblconto->caption(), QString::fromLatin1(clock));
        }
        w.showMinimized();
        QCOMPARE(w.windowTitle(), QStringLiteral("00:09:05"));
        game.tick(5);
        QCOMPARE(w.windowTitle(), QStringLiteral("00:09:05"));
        w.showMaximized();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaloro"));

        game.tick(540);
        game.platform.whileNextBoxIsOpen([&] { game.tick(3); }); // under the quit question
        game.platform.whileNextBoxIsOpen([&] { game.tick(3); }); // under "Tempo scaduto"
        game.platform.answerNext(quit ? MsgAnswer::Yes : MsgAnswer::No);
        game.tick();
        QVERIFY(!w.Timer1->isEnabled());
        QVERIFY(game.platform.log.filter(QStringLiteral("AFTER END")).isEmpty());
        QCOMPARE(game.boxCount(quitQuestion), 1);
        QCOMPARE(game.boxCount(timeUp), quit ? 0 : 1);
        QCOMPARE(game.file(scoreFile), quit ? QByteArray("3\r\n") : QByteArray("2\r\n"));
        QCOMPARE(game.platform.exitStatus, quit ? EXIT_SUCCESS : -1);
        if (quit)
            return;
        QCOMPARE(game.platform.log.filter(QStringLiteral("beep")).size(), 1);
        QCOMPARE(game.platform.boxes.back(), (ShownBox{timeUp, MsgStyle::OkOnly, "Orvetta"}));
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:00:00"));
        // The quiz goes on after the end of time, and the close box ends it
        // without asking, saving no record.
        game.answer(QStringLiteral("1/2"), proper);
        QCOMPARE(w.lblScore->caption(), QStringLiteral("4"));
        w.close();
        QCOMPARE(game.platform.exitStatus, EXIT_SUCCESS);
        QCOMPARE(game.boxCount(quitQuestion), 1);
        QCOMPARE(game.file(scoreFile), QByteArray("2\r\n"));
    }

    // While a box of the menu or of Exit is open the clock goes on; OK or
    // Return changes nothing else.
    void boxesOfTheMenuAndExit_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<ShownBox>("shown");
        QTest::addColumn<QString>("name");
        const QString help = QStringLiteral(" devi solo ripassare le caratteristiche dei vari tipi di frazioni e "
                                            "cliccare sul pulsante corrispondente.  Ciao");
        const int yesNo = MsgStyle::YesNoQuestionDefaultNo;
        QTest::newRow("help") << "help" << ShownBox{"Anna" + help, MsgStyle::OkOnly, "Orvetta"} << "Anna";
        QTest::newRow("help, no name") << "help" << ShownBox{help, MsgStyle::OkOnly, "Orvetta"} << "";
        QTest::newRow("new game") << "new game" << ShownBox{"INIZIAMO UNA NUOVA GARA  ?", yesNo, "INIZIARE NUOVA GARA"}
                                  << "Anna";
        QTest::newRow("exit, by its access key")
            << "exit" << ShownBox{quitQuestion, yesNo, "Uscire dal programma"} << "Anna";
    }
    void boxesOfTheMenuAndExit()
    {
        QFETCH(QString, command);
        QFETCH(ShownBox, shown);
        QFETCH(QString, name);
        Game game(name);
        TavolaWindow& w = game.w();
        game.answer(QStringLiteral("1/2"), proper);
        const QString question = game.fraction();
        game.platform.realQuestions = true;
        game.platform.whileNextBoxIsOpen([&] {
            game.tick(5);
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Return);
        });
        if (command == QStringLiteral("help"))
            w.HELP->trigger();
        else if (command == QStringLiteral("new game"))
            w.Next->trigger();
        else { // the access key presses Exit visibly, then clicks it
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier);
        }
        QTRY_COMPARE(game.platform.boxes.back(), shown);
        QCOMPARE(game.tavola->window(), &w);
        QCOMPARE(game.fraction(), question);
        QCOMPARE(w.lblScore->caption(), QStringLiteral("1"));
        QCOMPARE(w.lblconto->caption(), QStringLiteral("00:14:55"));
        QVERIFY(w.Timer1->isEnabled() && game.platform.exitStatus < 0);
        QCOMPARE(game.file(scoreFile), QByteArray());
    }

    // Whatever the boxes hold is judged by the number each text begins with,
    // of at most 15 characters; "apparent" by the remainder of the two
    // rounded half to even, and a negative one counts for nothing. Any mouse
    // button answers. Full counters stay full, and their total is true.
    void typedTextsAreJudged_data()
    {
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<int>("answer");  // 0 improper, 1 proper, 2 apparent
        QTest::addColumn<int>("outcome"); // 1 right, 0 wrong, -1 uncounted
        QTest::addColumn<int>("counted"); // right and wrong answers before
        QTest::newRow("proper") << "37/80" << 1 << 1 << 4;
        QTest::newRow("improper") << "80/37" << 0 << 1 << 4;
        QTest::newRow("apparent") << "50/25" << 2 << 1 << 4;
        QTest::newRow("improper, wrong") << "1/100" << 0 << 0 << 4;
        QTest::newRow("equal: not proper") << "5/5" << 1 << 0 << 4;
        QTest::newRow("equal: apparent") << "5/5" << 2 << 1 << 4;
        QTest::newRow("blanks, sign, point, then anything") << " \t+3.5x/2e9" << 0 << 1 << 4;
        QTest::newRow("no number is 0") << "abc/" << 0 << 0 << 4;
        QTest::newRow("wide characters are no number") << "\u4e2d7/7" << 1 << 1 << 4;
        QTest::newRow("0 as denominator") << "4/0" << 2 << 0 << 4;
        QTest::newRow("rounded half to even, down") << "2.5/3" << 2 << 0 << 4;
        QTest::newRow("rounded half to even, up") << "3.5/4" << 2 << 1 << 4;
        QTest::newRow("a negative remainder") << "-3/2" << 2 << -1 << 4;
        QTest::newRow("long numbers, cut to 15 digits") << "1234567890123456789/5" << 2 << 1 << 4;
        QTest::newRow("a long denominator, cut") << "999999999999999/1000000000000000000" << 0 << 1 << 4;
        QTest::newRow("full counters") << "1/100" << 0 << 0 << 32767;
    }
    void typedTextsAreJudged()
    {
        QFETCH(QString, fraction);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(int, counted);
        Game game;
        game.state().nEsatte = game.state().nErrate = static_cast<std::int16_t>(counted);
        game.platform.drawNext({0.5f, 0.25f}); // the next question: a random one may be the same again
        game.answer(fraction, captions[answer], answer == 2 ? Qt::RightButton : Qt::LeftButton);
        TavolaWindow& w = game.w();
        QCOMPARE(w.tipo->caption(), outcome == 1   ? verdictTexts[answer]
                                    : outcome == 0 ? QStringLiteral("Fai attenzione")
                                                   : QString());
        if (outcome >= 0)
            QCOMPARE(w.tipo->foreColor(), outcome == 1 ? 65280u : 255u); // green, red
        const int right = std::min(counted + (outcome == 1), 32767), wrong = std::min(counted + (outcome == 0), 32767);
        QCOMPARE(scores(w), QStringLiteral("%1 %2 %3").arg(right).arg(wrong).arg(right + wrong));
        QVERIFY(!game.answerButton(captions[answer])->isChecked());
        QCOMPARE(game.fraction(), QStringLiteral("26/51"));
    }

    // Each language the locale may ask for: the texts of the window, its
    // boxes, buttons, menus and tips in that language, or exactly the Italian
    // ones; none cut off or covered at the window's design size, where the
    // background's gradient shows behind the transparent labels.
    void languages_data()
    {
        QTest::addColumn<QStringList>("languages"); // as Qt reads them from the locale, the most wanted first
        QTest::addColumn<QString>("yes");           // the quit question's Yes
        QTest::addColumn<QStringList>("same");      // texts besides names that read as in Italian
        const QStringList none;
        QTest::newRow("C") << QStringList{"C"} << "Sì" << none;
        QTest::newRow("Italian before German") << QStringList{"it", "de"} << "Sì" << none;
        QTest::newRow("pt_BR, no catalogue") << QStringList{"pt-BR", "pt-Latn-BR", "pt"} << "Sì" << none;
        QTest::newRow("pt_BR, then German") << QStringList{"pt-BR", "pt", "de"} << "Ja" << none;
        QTest::newRow("en_GB") << QStringList{"en-GB", "en-Latn-GB"} << "Yes" << QStringList{"No", "E&xit", "Go"};
        QTest::newRow("fr_FR") << QStringList{"fr-FR", "fr-Latn-FR", "fr"} << "Oui" << none;
        QTest::newRow("es_MX") << QStringList{"es-MX", "es-Latn-MX"} << "Sí" << QStringList{"No"};
        QTest::newRow("sl_SI") << QStringList{"sl-SI", "sl-Latn-SI", "sl"} << "Da" << none;
    }
    void languages()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, yes);
        QFETCH(QStringList, same);
        prepareDesktop(); // the fonts the window is drawn with
        QStringList italian, shown;
        play(italian);
        const Translations translations(languages);
        play(shown);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(shown.contains(yes));
        if (yes == QStringLiteral("Sì")) {
            QCOMPARE(shown, italian);
            return;
        }
        QCOMPARE(shown.size(), italian.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            QVERIFY2(shown[i] != italian[i] || names.contains(shown[i]) || same.contains(shown[i])
                         || !shown[i].contains(QRegularExpression(QStringLiteral("\\p{L}"))),
                     qPrintable(QStringLiteral("still Italian: ") + shown[i]));
            QCOMPARE(shown[i].contains(QStringLiteral("Anna")), italian[i].contains(QStringLiteral("Anna")));
        }
    }

private:
    // Start-up, one right and one wrong answer, the quit question (the real
    // box, answered No) and the help; the texts shown, in a fixed order.
    void play(QStringList& texts)
    {
        Game game(QStringLiteral("Anna"), false);
        game.writeFile(scoreFile, "32767\r\n");
        game.tavola->Show();
        TavolaWindow& w = game.w();
        w.showNormal();
        w.applyDesignGeometry();
        QCOMPARE(w.surface->size(), TavolaWindow::designClientSize);
        game.answer(QStringLiteral("1/2"), w.Option2->text());
        game.answer(QStringLiteral("1/2"), w.Option1->text());
        QCOMPARE(scores(w), QStringLiteral("1 1 2"));
        const QImage image = w.surface->grab().toImage();
        // Column 820 crosses no control: every row is a band colour, darkest on top, no band skipped.
        // From black to blue, so steps of 0 or 1 in the whole pixel leave red and green at 0.
        for (int y = 1; y < image.height(); ++y) {
            const int step = int(image.pixel(820, y) - image.pixel(820, y - 1));
            QVERIFY2(step == 0 || step == 1, qPrintable(QStringLiteral("row %1").arg(y)));
        }
        QCOMPARE(image.pixelColor(820, 0), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(820, image.height() - 1), QColor(0, 0, 255));

        // Inside lblScore's box but away from its digit, the gradient shows through.
        const QPoint inside = w.lblScore->geometry().topLeft() + QPoint(3, 3);
        QCOMPARE(image.pixelColor(inside), image.pixelColor(820, inside.y()));

        game.platform.realQuestions = true;
        game.platform.whileNextBoxIsOpen([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            texts << box->windowTitle() << box->text();
            for (QAbstractButton* button : box->buttons())
                texts << button->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QTest::mouseClick(w.cmdExit, Qt::LeftButton);
        w.HELP->trigger();
        QVERIFY(game.platform.exitStatus < 0);
        for (const auto& [text, style, title] : game.platform.boxes)
            texts << title << text;

        texts << w.windowTitle();
        for (QAction* entry : w.findChildren<QAction*>())
            texts << entry->text();
        const QRect client(QPoint(), TavolaWindow::designClientSize);
        const QList<QWidget*> controls = w.surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        // What a control covers in the window: a caption the lines its label lays out, down to their lowest
        // descender; any other control all of it.
        const auto covered = [](const QWidget* control) {
            const auto* label = qobject_cast<const Label*>(control);
            if (!label || label->text().isEmpty())
                return label ? QRect() : control->geometry();
            const QFontMetrics metrics = label->fontMetrics();
            const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
            return metrics.boundingRect(label->contentsRect(), flags, label->text())
                .translated(label->pos())
                .adjusted(0, 0, 0, metrics.tightBoundingRect(label->text()).bottom() - metrics.descent());
        };
        for (QWidget* control : controls) {
            texts << control->toolTip();
            if (auto* button = qobject_cast<QToolButton*>(control)) {
                texts << button->text();
                QVERIFY2(button->sizeHint().boundedTo(button->size()) == button->sizeHint(),
                         qPrintable(button->text()));
            }
            auto* label = qobject_cast<Label*>(control);
            if (!label || label->text().isEmpty())
                continue;
            texts << label->caption();
            const QRect placed = covered(label);
            QVERIFY2(label->contentsRect().translated(label->pos()).contains(placed) && client.contains(placed),
                     qPrintable(label->caption()));
            // Nothing else shown over or under it: another caption, a picture, a button, a box.
            for (QWidget* other : controls)
                QVERIFY2(other == label || !covered(other).intersects(placed), qPrintable(label->caption()));
        }
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
