// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/record_helper_client.h"

#include "desktop/problem_texts.h"
#include "records/record_journal.h"
#include "records/reset_report.h"

#include <QCoreApplication>
#include <QProcess>

namespace orvetta {
namespace {

struct HelperRun {
    bool finished = false;
    int status = 0;
    QByteArray output;
    FileProblem problem;
};

FileProblem unexpected(const QString& helper, const HelperRun& run)
{
    return {helper,
            QCoreApplication::translate("orvetta::RecordProblem", "risposta inattesa (uscita %1)").arg(run.status)};
}

HelperRun run(const QString& helper, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(helper, arguments);
    HelperRun result;
    if (!process.waitForStarted(10000)) {
        result.problem = {helper, process.errorString()};
        return result;
    }
    process.write(input);
    process.closeWriteChannel();
    // The helper waits a bounded time for the lock; this only guards against a helper that hangs.
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.problem = {
            helper, QCoreApplication::translate("orvetta::RecordProblem", "il programma del record non ha finito")};
        return result;
    }
    result.finished = true;
    result.status = process.exitCode();
    result.output = process.readAllStandardOutput();
    // "path: reason" on the first line.
    const QString said = QString::fromUtf8(process.readAllStandardError()).section(QLatin1Char('\n'), 0, 0);
    const qsizetype colon = said.indexOf(QStringLiteral(": "));
    if (said.isEmpty())
        result.problem = unexpected(helper, result);
    else
        result.problem = colon < 0 ? FileProblem{helper, shownReason(said)}
                                   : FileProblem{said.left(colon), shownReason(said.mid(colon + 2))};
    return result;
}

} // namespace

FileResult<RecordPair> readThroughHelper(const QString& helper)
{
    const HelperRun answer = run(helper, {QStringLiteral("read")});
    if (!answer.finished || answer.status != 0)
        return {std::nullopt, answer.problem};
    const auto pair =
        unframePair(std::string_view(answer.output.constData(), static_cast<size_t>(answer.output.size())));
    if (!pair)
        return {std::nullopt, unexpected(helper, answer)};
    return {*pair, {}};
}

FileResult<SaveVerdict> saveThroughHelper(const QString& helper, const QByteArray& score, const QByteArray& holder)
{
    const HelperRun answer = run(helper, {QStringLiteral("save"), QString::fromLatin1(score)}, holder);
    if (!answer.finished || answer.status != 0)
        return {std::nullopt, answer.problem};
    if (answer.output == "saved\n")
        return {SaveVerdict::Saved, {}};
    if (answer.output == "not a record\n")
        return {SaveVerdict::NotARecord, {}};
    if (answer.output == "kept\n")
        return {SaveVerdict::Kept, {}};
    return {std::nullopt, unexpected(helper, answer)};
}

FileResult<RecordKeeping> keepingThroughHelper(const QString& helper)
{
    constexpr int notAllowedStatus = 77;
    const HelperRun answer = run(helper, {QStringLiteral("history")});
    if (answer.finished && answer.status == notAllowedStatus)
        return {RecordKeeping{false,
                              QCoreApplication::translate(
                                  "orvetta::RecordKeeping",
                                  "Il record lo possono azzerare solo gli insegnanti e l'amministratore del computer."),
                              std::nullopt},
                {}};
    if (!answer.finished || answer.status != 0)
        return {std::nullopt, answer.problem};
    return {RecordKeeping{true, {}, answer.output}, {}};
}

ResetReport resetThroughHelper(const QString& helper)
{
    const HelperRun answer = run(helper, {QStringLiteral("reset")});
    ResetReport report;
    report.done = answer.finished && answer.status == 0;
    if (!report.done)
        report.problem = answer.problem;
    for (const QByteArray& line : answer.output.split('\n'))
        if (const auto holder = parseResetReportLine(line.toStdString())) {
            if (holder->gone)
                report.ended.push_back(*holder);
            else
                report.waitsFor = holder;
        }
    return report;
}

} // namespace orvetta
