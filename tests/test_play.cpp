// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and play as the pupil meets them: the greeting, answers given by
// real mouse releases on the picture buttons, what each new question clears
// and keeps, the background and the window. Judging itself is checked against
// typed text in test_faults.
#include "game_fixture.h"

#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <cmath>

using namespace orvetta;
using namespace orvetta::testing;

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void startUp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("name with blanks") << "  Anna Maria " << "   Anna Maria  vediamo se sei un vero campione  ";
        QTest::newRow("empty name") << "" << "  vediamo se sei un vero campione  ";
        QTest::newRow("markup is just text") << "<b>Leo</b>" << " <b>Leo</b> vediamo se sei un vero campione  ";
        QTest::newRow("long name") << "Bartolomeo Massimiliano" << " Bartolomeo Massimiliano vediamo se sei un vero campione  ";
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
        QCOMPARE(game.platform.boxes[0].text, QStringLiteral("Come ti chiami?"));
        QCOMPARE(game.platform.boxes[0].title, QStringLiteral("Orvetta"));
        QCOMPARE(game.platform.boxes[1].text, greeting);
        QCOMPARE(game.platform.boxes[1].style, MsgStyle::OkOnly);
        QCOMPARE(game.platform.boxes[1].title, QStringLiteral("Orvetta"));

        TavolaWindow& w = game.w();
        QCOMPARE(w.lblnome1->caption(), name);
        QCOMPARE(w.lblnome1->textFormat(), Qt::PlainText);
        QVERIFY(w.lblnome1->width() >= w.lblnome1->fontMetrics().horizontalAdvance(name)); // shown whole
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

    void onlyAMouseReleaseOverAButtonAnswers()
    {
        Game game;
        const QString question = game.fraction();
        OptionButton* proper = game.w().Option2;
        QTest::mousePress(proper, Qt::LeftButton, Qt::NoModifier, proper->rect().center());
        QTest::mouseRelease(proper, Qt::LeftButton, Qt::NoModifier, QPoint(proper->width() + 40, 5));
        QVERIFY(QTest::qWaitForWindowActive(&game.w()));
        QTest::keyClick(proper, Qt::Key_Space);
        QVERIFY(proper->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(game.w().lblScore2->caption(), QStringLiteral("0"));
        QCOMPARE(game.w().tipo->caption(), QStringLiteral("Ok"));
        QCOMPARE(game.fraction(), question);

        // A release alone, with a modifier held, counts.
        game.setFraction(QStringLiteral("1"), QStringLiteral("100"));
        QTest::mouseRelease(proper, Qt::RightButton, Qt::ShiftModifier, proper->rect().center());
        QCOMPARE(game.w().lblScore->caption(), QStringLiteral("1"));
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

    void keysAndTheCommandsThatDoNothing()
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
        QCOMPARE(game.w().windowTitle(), QStringLiteral("Tessaloro"));

        // An access key presses Exit visibly, then clicks it.
        QVERIFY(QTest::qWaitForWindowActive(&game.w()));
        QTest::keyClick(&game.w(), Qt::Key_X, Qt::AltModifier);
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

    // The real boxes: their buttons read the game's own Italian texts whether
    // or not Qt's translations are installed.
    void desktopBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("press"); // a button's text, or "" for Escape
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("answer");
        const QStringList yesNo{QStringLiteral("No"), QStringLiteral("Sì")};
        const QStringList okCancel{QStringLiteral("Annulla"), QStringLiteral("OK")};
        QTest::newRow("question, Sì") << "question" << "Sì" << yesNo << QString::number(MsgAnswer::Yes);
        QTest::newRow("question, Escape") << "question" << "" << yesNo << QString::number(MsgAnswer::No);
        QTest::newRow("message") << "message" << "OK" << QStringList{QStringLiteral("OK")} << QString::number(MsgAnswer::Ok);
        QTest::newRow("name, OK") << "name" << "OK" << okCancel << "Martina";
        QTest::newRow("name, Annulla") << "name" << "Annulla" << okCancel << "";
    }
    void desktopBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, press);
        QFETCH(QStringList, buttons);
        QFETCH(QString, answer);
        DesktopPlatform platform;
        QStringList texts;
        QTimer::singleShot(0, qApp, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            QPushButton* pressed = nullptr;
            for (QPushButton* button : shown->findChildren<QPushButton*>()) {
                texts << button->text();
                if (button->text() == press)
                    pressed = button;
            }
            if (auto* name = shown->findChild<QLineEdit*>())
                QTest::keyClicks(name, QStringLiteral("Martina"));
            if (pressed)
                pressed->click();
            else
                QTest::keyClick(shown, Qt::Key_Escape);
        });
        const QString given = box == QStringLiteral("name")
                                  ? platform.inputBox(QStringLiteral("Come ti chiami?"), applicationTitle)
                                  : QString::number(platform.messageBox(nullptr, QStringLiteral("?"),
                                                                        box == QStringLiteral("question") ? MsgStyle::YesNoQuestionDefaultNo
                                                                                                          : MsgStyle::OkOnly,
                                                                        applicationTitle));
        texts.sort();
        QCOMPARE(texts, buttons);
        QCOMPARE(given, answer);
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
