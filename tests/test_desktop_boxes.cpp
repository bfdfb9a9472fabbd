// SPDX-License-Identifier: GPL-3.0-or-later
// The real boxes the pupil sees: their buttons read the game's own Italian
// texts whether or not Qt's translations are installed.
#include "platform/DesktopPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace orvetta;

namespace {

QStringList buttonTexts(const QWidget* box)
{
    QStringList texts;
    for (const QPushButton* button : box->findChildren<QPushButton*>())
        texts << button->text();
    texts.sort();
    return texts;
}

QPushButton* buttonReading(const QWidget* box, const QString& text)
{
    for (QPushButton* button : box->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Runs whileOpen on the modal box once it is shown. A box whileOpen leaves
// open, as when a check in it fails, is closed so that the test goes on.
void whenBoxOpens(std::function<void(QWidget*)> whileOpen)
{
    QTimer::singleShot(0, qApp, [whileOpen] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        whileOpen(box);
        if (box->isVisible())
            box->reject();
    });
}

} // namespace

class DesktopBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void questionReadsSiAndNo()
    {
        DesktopPlatform platform;
        QStringList texts;
        whenBoxOpens([&texts](QWidget* box) {
            texts = buttonTexts(box);
            QPushButton* yes = buttonReading(box, QStringLiteral("Sì"));
            QVERIFY(yes);
            yes->click();
        });
        const int answer = platform.messageBox(nullptr, QStringLiteral("Vuoi uscire?"), MsgStyle::YesNoQuestionDefaultNo,
                                               applicationTitle);
        QCOMPARE(texts, QStringList({QStringLiteral("No"), QStringLiteral("Sì")}));
        QCOMPARE(answer, MsgAnswer::Yes);
    }

    void messageReadsOk()
    {
        DesktopPlatform platform;
        QStringList texts;
        whenBoxOpens([&texts](QWidget* box) {
            texts = buttonTexts(box);
            if (QPushButton* ok = buttonReading(box, QStringLiteral("OK")))
                ok->click();
        });
        QCOMPARE(platform.messageBox(nullptr, QStringLiteral("Aiuto"), MsgStyle::OkOnly, applicationTitle),
                 MsgAnswer::Ok);
        QCOMPARE(texts, QStringList({QStringLiteral("OK")}));
    }

    void nameBoxReadsOkAndAnnulla()
    {
        DesktopPlatform platform;
        QStringList texts;
        whenBoxOpens([&texts](QWidget* box) {
            texts = buttonTexts(box);
            QLineEdit* name = box->findChild<QLineEdit*>();
            QVERIFY(name);
            QTest::keyClicks(name, QStringLiteral("Martina"));
            QPushButton* ok = buttonReading(box, QStringLiteral("OK"));
            QVERIFY(ok);
            ok->click();
        });
        QCOMPARE(platform.inputBox(QStringLiteral("Come ti chiami?"), applicationTitle), QStringLiteral("Martina"));
        QCOMPARE(texts, QStringList({QStringLiteral("Annulla"), QStringLiteral("OK")}));

        whenBoxOpens([](QWidget* box) {
            QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("Luca"));
            QPushButton* cancel = buttonReading(box, QStringLiteral("Annulla"));
            QVERIFY(cancel);
            cancel->click();
        });
        QCOMPARE(platform.inputBox(QStringLiteral("Come ti chiami?"), applicationTitle), QString());
    }
};

QTEST_MAIN(DesktopBoxesTest)
#include "test_desktop_boxes.moc"
