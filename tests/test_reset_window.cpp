// SPDX-License-Identifier: GPL-3.0-or-later
// The window of the menu entry "Azzera il record di Orvetta", through the
// game's platform with its boxes scripted: with the installed helper (a script
// here, answering as the helper does) and with a record of the player's own.
#include "game_fixture.h"
#include "records/reset_report.h"
#include "reset/ResetForm.h"
#include "window/ResetWindow.h"

using namespace orvetta;
using namespace orvetta::testing;

namespace {

const QString question = QStringLiteral("Vuoi azzerare il record per tutti i giocatori di questo computer?");
const EndedHolder pupil{4242, "alessandra.bianchirossini.3a2024", true};

struct ResetWindowRun {
    ScriptedPlatform platform;
    ResetForm form{platform};
    ResetWindow& w() const { return *form.window(); }
    QByteArray file(const QString& name) const
    {
        QFile file(platform.recordFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(platform.recordFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // A helper that reads the record 42 of Anna until it is reset, and answers
    // history and reset with the given shell lines; each call is logged.
    void helper(const QByteArray& history, const QByteArray& reset)
    {
        const QString path = platform.recordFile(QStringLiteral("helper"));
        write(QStringLiteral("helper"), "#!/bin/sh\necho \"$@\" >>\"$0.calls\"\ncase $1 in\n"
                                        "read) if [ -e \"$0.reset\" ]; then printf '0 0\\n'; "
                                        "else printf '4 6\\n42\\r\\nAnna\\r\\n'; fi ;;\n"
                                        "history) "
                                            + history + " ;;\nreset) " + reset + " ;;\nesac\n");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        platform.saveThrough(path);
    }
    QStringList rows() const
    {
        QStringList rows;
        for (int row = 0; row < w().grdHistory->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < w().grdHistory->columnCount(); ++column)
                cells << w().grdHistory->item(row, column)->text();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
};

#ifndef Q_OS_WIN
// Shell lines that print `text` as it is and exit with `status`.
QByteArray printed(const std::string& text, int status = 0)
{
    return "printf '%s' '" + QByteArray::fromStdString(text).replace("'", "'\\''") + "'; exit "
           + QByteArray::number(status);
}
#endif

} // namespace

class ResetWindowTest : public QObject {
    Q_OBJECT
private slots:
#ifndef Q_OS_WIN
    // The installed helper is Debian's.
    void throughTheHelper_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<QByteArray>("reset");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("rows"); // the history as shown, newest first
        QTest::addColumn<QString>("record");   // once answered
        QTest::addColumn<QString>("message");  // once answered
        QTest::addColumn<QByteArray>("calls");

        const QByteArray history = printed("2026-12-01 10:00:00 +0100\tpiero\tsave\t42\tAnna\t\t\n"
                                           "2026-12-02 08:00:00 +0100\tmaestra\treset: ended process 4242 of "
                                           + pupil.login + "\t\t\t42\tAnna\n");
        const QStringList rows = {"2026-12-02 08:00:00 +0100|maestra|azzeramento: terminato il processo 4242 di "
                                      + QString::fromStdString(pupil.login) + "||",
                                  "2026-12-01 10:00:00 +0100|piero|nuovo record|42|Anna"};
        const QByteArray reset = "touch \"$0.reset\"; " + printed(endedProcessLine(pupil));
        const QString emptied = QStringLiteral("Il record è vuoto.");
        QTest::newRow("a teacher resets, ending a pupil's stopped save")
            << history << reset << MsgAnswer::Yes << rows << emptied
            << "Il record è stato azzerato.\nÈ stato terminato il processo 4242 di "
                   + QString::fromStdString(pupil.login) + ", che teneva bloccato il record."
            << QByteArray("read\nhistory\nreset\nread\nhistory\n");
        QTest::newRow("No keeps the record")
            << history << reset << MsgAnswer::No << rows << QStringLiteral("Il record è di 42 punti, a nome Anna.")
            << QString() << QByteArray("read\nhistory\n");
        QTest::newRow("the reset waits for a holder it may not end")
            << history << "touch \"$0.reset\"; " + printed(waitingResetLine({4243, "piero", false})) << MsgAnswer::Yes
            << rows << emptied
            << QStringLiteral("Il record è stato azzerato.\nIl processo 4243 di piero tiene bloccato il record: per "
                              "tutti il record è già vuoto, e sarà scritto appena lo lascia.")
            << QByteArray("read\nhistory\nreset\nread\nhistory\n");
        QTest::newRow("a failed reset says why")
            << history << QByteArray("echo '/var/games/orvetta/fraprod.lock: il record si sta azzerando' >&2; exit 75")
            << MsgAnswer::Yes << rows << QStringLiteral("Il record è di 42 punti, a nome Anna.")
            << QStringLiteral("Il record non è stato azzerato.\n/var/games/orvetta/fraprod.lock: il record si sta "
                              "azzerando")
            << QByteArray("read\nhistory\nreset\nread\nhistory\n");
        QTest::newRow("a pupil sees the record and who may reset it")
            << QByteArray("echo 'orvetta-record: solo root possono usare «history»' >&2; exit 77") << reset
            << MsgAnswer::Yes << QStringList() << QStringLiteral("Il record è di 42 punti, a nome Anna.")
            << QStringLiteral("Il record lo possono azzerare solo gli insegnanti e l'amministratore del computer.")
            << QByteArray("read\nhistory\n");
    }
    void throughTheHelper()
    {
        QFETCH(QByteArray, history);
        QFETCH(QByteArray, reset);
        QFETCH(int, answer);
        QFETCH(QStringList, rows);
        QFETCH(QString, record);
        QFETCH(QString, message);
        QFETCH(QByteArray, calls);
        ResetWindowRun run;
        run.helper(history, reset);
        run.form.Show();
        const bool teacher = !rows.isEmpty();
        QCOMPARE(run.w().lblRecord->text(), QStringLiteral("Il record è di 42 punti, a nome Anna."));
        QCOMPARE(run.rows(), rows);
        QCOMPARE(run.w().grdHistory->isVisible(), teacher);
        QCOMPARE(run.w().cmdReset->isVisible(), teacher);
        if (teacher) {
            run.platform.answerNext(answer);
            QTest::mouseClick(run.w().cmdReset, Qt::LeftButton);
            QCOMPARE(run.platform.boxes.back(), ShownBox(question, MsgStyle::YesNoQuestionDefaultNo,
                                                         QStringLiteral("Azzera il record di Orvetta")));
        }
        QCOMPARE(run.w().lblRecord->text(), record);
        QCOMPARE(run.w().lblMessage->text(), message);
        QCOMPARE(run.file(QStringLiteral("helper.calls")), calls);
        QTest::mouseClick(run.w().cmdClose, Qt::LeftButton);
        QCOMPARE(run.platform.exitStatus, message.startsWith(QStringLiteral("Il record non")) ? 1 : 0);
    }
#endif

    // A build run from the repository resets the player's own record itself.
    void ownRecord()
    {
        ResetWindowRun run;
        run.write(scoreFile, "17\r\n");
        run.write(nameFile, "Bea\r\n");
        run.form.Show();
        QCOMPARE(run.w().lblRecord->text(), QStringLiteral("Il record è di 17 punti, a nome Bea."));
        QVERIFY(run.w().cmdReset->isEnabled() && !run.w().grdHistory->isVisible());
        run.platform.answerNext(MsgAnswer::Yes);
        QTest::mouseClick(run.w().cmdReset, Qt::LeftButton);
        QCOMPARE(run.file(scoreFile) + run.file(nameFile), QByteArray());
        QCOMPARE(run.w().lblRecord->text() + run.w().lblMessage->text(),
                 QStringLiteral("Il record è vuoto.Il record è stato azzerato."));
        QVERIFY(!run.w().cmdReset->isEnabled());
    }
};

QTEST_MAIN(ResetWindowTest)
#include "test_reset_window.moc"
