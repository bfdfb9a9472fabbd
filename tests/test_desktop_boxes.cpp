// SPDX-License-Identifier: GPL-3.0-or-later
// The real boxes the pupil sees: their buttons read the game's own Italian
// texts whether or not Qt's translations are installed.
#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace orvetta;

class DesktopBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void boxes_data()
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
    void boxes()
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

QTEST_MAIN(DesktopBoxesTest)
#include "test_desktop_boxes.moc"
