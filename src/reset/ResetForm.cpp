// SPDX-License-Identifier: GPL-3.0-or-later
#include "reset/ResetForm.h"

#include "seam/record_text.h"
#include "window/ResetWindow.h"

#include <QRegularExpression>

namespace orvetta {

ResetForm::ResetForm(Platform& platform) : platform_(platform) {}

ResetForm::~ResetForm()
{
    delete form_;
}

void ResetForm::Show()
{
    form_ = new ResetWindow;
    connect(form_->cmdReset, &QPushButton::clicked, this, &ResetForm::cmdReset_Click);
    connect(form_->cmdClose, &QPushButton::clicked, this, &ResetForm::cmdClose_Click);
    connect(form_, &ResetWindow::closedByUser, this, &ResetForm::cmdClose_Click);
    Form_Load();
    form_->fitContents();
    form_->show();
    // The keyboard on the reset, whose question defaults to No; else on Close.
    (form_->cmdReset->isVisible() && form_->cmdReset->isEnabled() ? form_->cmdReset : form_->cmdClose)->setFocus();
}

void ResetForm::Form_Load()
{
    showRecord();
}

void ResetForm::showRecord()
{
    form_->cmdReset->hide();
    form_->grdHistory->hide();
    const FileResult<QString> directory = platform_.recordDirectory();
    FileProblem problem = directory.problem;
    QString score, holder;
    if (directory) {
        const QString base = withTrailingSeparator(*directory.value, platform_.directorySeparator());
        const FileOutcome opened = platform_.openRecord();
        const FileResult<QByteArray> scoreBytes = platform_.readWhole(base + recordScoreFile);
        const FileResult<QByteArray> holderBytes = platform_.readWhole(base + recordHolderFile);
        problem = !opened ? opened.problem : !scoreBytes ? scoreBytes.problem : holderBytes.problem;
        if (opened && scoreBytes && holderBytes) {
            score = recordCaption(*scoreBytes.value).trimmed();
            holder = recordCaption(*holderBytes.value).trimmed();
        }
    }
    if (!problem.reason.isEmpty()) {
        form_->lblRecord->setText(tr("Il record non si può leggere ora."));
        form_->lblMessage->setText(problem.path + QStringLiteral(": ") + problem.reason);
        return;
    }
    form_->lblRecord->setText(score.isEmpty() && holder.isEmpty()
                                  ? tr("Il record è vuoto.")
                                  : tr("Il record è di %1 punti, a nome %2.").arg(score, holder));

    const FileResult<RecordKeeping> keeping = platform_.recordKeeping();
    if (!keeping) {
        form_->lblMessage->setText(keeping.problem.path + QStringLiteral(": ") + keeping.problem.reason);
        return;
    }
    if (!keeping.value->mayReset) {
        form_->lblMessage->setText(keeping.value->whoMayReset);
        return;
    }
    form_->cmdReset->show();
    form_->cmdReset->setEnabled(!score.isEmpty() || !holder.isEmpty());
    if (!keeping.value->history)
        return;
    const QList<HistoryRow> rows = historyRows(*keeping.value->history);
    QTableWidget* grid = form_->grdHistory;
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const HistoryRow& line = rows[row];
        const QStringList cells = {line.when, line.who, actionText(line.what), line.score, line.name};
        for (int column = 0; column < cells.size(); ++column)
            grid->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    grid->resizeColumnsToContents();
    grid->show();
}

void ResetForm::cmdReset_Click()
{
    if (platform_.messageBox(form_, tr("Vuoi azzerare il record per tutti i giocatori di questo computer?"),
                             MsgStyle::YesNoQuestionDefaultNo, form_->windowTitle())
        != MsgAnswer::Yes)
        return;
    const ResetReport report = platform_.resetRecord();
    exitStatus_ = report.done ? EXIT_SUCCESS : EXIT_FAILURE;
    showRecord();
    form_->lblMessage->setText(outcomeText(report));
    form_->fitContents();
}

void ResetForm::cmdClose_Click()
{
    platform_.endProgram(exitStatus_);
}

QString ResetForm::actionText(const QString& action) const
{
    static const QRegularExpression ended(QStringLiteral("^reset: ended process (\\d+) of (.*)$"));
    const QString failed = QStringLiteral("failed reset: ");
    if (action == QLatin1String("save"))
        return tr("nuovo record");
    if (action == QLatin1String("kept save"))
        return tr("nuovo record, registrato più tardi");
    if (action == QLatin1String("reset"))
        return tr("azzeramento");
    if (action == QLatin1String("waiting reset"))
        return tr("azzeramento in attesa");
    if (const QRegularExpressionMatch match = ended.match(action); match.hasMatch())
        return tr("azzeramento: terminato il processo %1 di %2").arg(match.captured(1), match.captured(2));
    if (action.startsWith(failed))
        return tr("azzeramento non riuscito: %1").arg(action.mid(failed.size()));
    return action;
}

QString ResetForm::outcomeText(const ResetReport& report) const
{
    QStringList lines;
    lines << (report.done
                  ? tr("Il record è stato azzerato.")
                  : tr("Il record non è stato azzerato.\n%1: %2").arg(report.problem.path, report.problem.reason));
    for (const EndedHolder& ended : report.ended)
        lines << tr("È stato terminato il processo %1 di %2, che teneva bloccato il record.")
                     .arg(ended.pid)
                     .arg(QString::fromStdString(ended.login));
    if (report.waitsFor)
        lines << tr("Il processo %1 di %2 tiene bloccato il record: per tutti il record è già vuoto, e sarà "
                    "scritto appena lo lascia.")
                     .arg(report.waitsFor->pid)
                     .arg(QString::fromStdString(report.waitsFor->login));
    return lines.join(QLatin1Char('\n'));
}

} // namespace orvetta
