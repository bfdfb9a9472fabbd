// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopPlatform.h"

#include "desktop/problem_texts.h"
#include "desktop/record_helper_client.h"
#include "desktop/record_place.h"
#include "seam/record_text.h"

#ifdef Q_OS_WIN
#include "desktop/administrator_windows.h"
#include "desktop/record_folder_windows.h"
#include "records/windows/record_files_windows.h"
#else
#include "records/posix/own_record_files.h"
#include <QFile>
#endif

#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace orvetta {
namespace {

class QtTimer : public QObject, public Timer {
public:
    QtTimer(QObject* owner, std::function<void()> onTick) : QObject(owner), timer_(new QTimer(this))
    {
        QObject::connect(timer_, &QTimer::timeout, this, std::move(onTick));
    }
    void setInterval(int milliseconds) override { timer_->setInterval(milliseconds); }
    void setEnabled(bool enabled) override
    {
        if (enabled && !timer_->isActive())
            timer_->start();
        else if (!enabled)
            timer_->stop();
    }
    bool isEnabled() const override { return timer_->isActive(); }

private:
    QTimer* timer_;
};

FileProblem fileProblem(const StoreProblem& problem)
{
    return {QString::fromLocal8Bit(problem.path), shownReason(QString::fromUtf8(problem.reason))};
}

void announce(const QString& notice)
{
    std::fprintf(stderr, "%s\n", notice.toLocal8Bit().constData());
}

} // namespace

std::unique_ptr<RecordFiles> recordFilesIn(const QString& directory, [[maybe_unused]] bool prepared)
{
#ifdef Q_OS_WIN
    using Layout = WindowsRecordFiles::Layout;
    return std::make_unique<WindowsRecordFiles>(directory, prepared ? Layout::Prepared : Layout::MadeOnFirstUse);
#else
    return std::make_unique<OwnRecordFiles>(QFile::encodeName(directory).toStdString());
#endif
}

DesktopPlatform::DesktopPlatform()
{
    randomize();
}

int DesktopPlatform::messageBox(QWidget* owner, const QString& text, int style, const QString& title)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    if (style == MsgStyle::YesNoQuestionDefaultNo) {
        box.setIcon(QMessageBox::Question);
        // The game's own button texts, from its own catalogue: Qt's need not be installed.
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        yes->setText(tr("Sì"));
        QPushButton* no = box.addButton(QMessageBox::No);
        no->setText(tr("No"));
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.addButton(QMessageBox::Ok)->setText(tr("OK"));
    box.exec();
    return MsgAnswer::Ok;
}

QString DesktopPlatform::inputBox(const QString& prompt, const QString& title)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setOkButtonText(tr("OK"));
    dialog.setCancelButtonText(tr("Annulla"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

Timer* DesktopPlatform::createTimer(QObject* owner, std::function<void()> onTick)
{
    return new QtTimer(owner, std::move(onTick));
}

float DesktopPlatform::rnd()
{
    // 24 random bits: every value is exactly representable and below 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

void DesktopPlatform::randomize()
{
    // Mixing in the generator's own output keeps two reseeds within one clock
    // tick from starting the same sequence.
    const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       static_cast<std::uint32_t>(engine_()), static_cast<std::uint32_t>(engine_())};
    engine_.seed(seed);
}

void DesktopPlatform::useHelper(const QString& helper)
{
    helper_ = helper;
    if (const FileResult<RecordPair> record = readThroughHelper(helper))
        record_ = *record.value;
}

FileResult<QString> DesktopPlatform::useOwnDirectory(const QString& directory)
{
    recordDirectory_ = directory;
    preparedRecord_ = sharedRecord_ = false;
    outOfReach_ = {};
    helper_.clear();
    return {directory, {}};
}

#ifdef Q_OS_WIN
FileResult<QString> DesktopPlatform::recordDirectory()
{
    // The administrator's folder, where the game makes the record's files:
    // a lab's PCs share it, a restore tool spares it.
    if (const std::optional<QString> folder = recordFolderPolicy()) {
        const FileResult<QString> found = useOwnDirectory(*folder);
        sharedRecord_ = true;
        if (!isCompleteFolderPath(*folder))
            outOfReach_ = {*folder,
                           QCoreApplication::translate("orvetta::RecordProblem",
                                                       "non è il percorso completo di una cartella (RecordFolder)"),
                           true};
        return found;
    }
    const QString windows = WindowsRecordFiles::machineDirectory();
    // The installer makes the record's files in the Windows directory and lets
    // every player change them, but a standard user may create nothing there:
    // without those files the record stays with the user.
    DirectoryProbe machineWide{windows, false,
                               QCoreApplication::translate("orvetta::RecordProblem", "la cartella non si conosce")};
    if (!windows.isEmpty()) {
        const StoreProblem missing = WindowsRecordFiles::checkPrepared(windows);
        const FileProblem problem = fileProblem(missing);
        machineWide = {windows, !missing, problem.path + QStringLiteral(": ") + problem.reason};
    }
    const RecordDirectoryChoice choice = chooseRecordDirectory(
        machineWide, [] { return probeDirectory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)); });
    if (!choice.notice.isEmpty())
        announce(choice.notice);
    if (!choice.path)
        return {std::nullopt, {QStringLiteral("GetWindowsDirectoryA"), choice.failure}};
    const FileResult<QString> found = useOwnDirectory(*choice.path);
    preparedRecord_ = sharedRecord_ = machineWide.usable;
    return found;
}

QChar DesktopPlatform::directorySeparator() const
{
    return QLatin1Char('\\');
}
#else
FileResult<QString> DesktopPlatform::recordDirectory()
{
    // One directory for every player of the machine, as games conventionally share their scores.
    const QString machineWide = QStringLiteral(ORVETTA_RECORD_DIRECTORY);
    const QString helper = QStringLiteral(ORVETTA_RECORD_HELPER);
    const auto ownDirectory = [] {
        return probeDirectory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    };
    DirectoryProbe machineWideProbe;
    if (QFileInfo(helper).isExecutable()) {
        const FileResult<RecordPair> record = readThroughHelper(helper);
        if (record) {
            recordDirectory_ = machineWide;
            helper_ = helper;
            record_ = *record.value;
            return {machineWide, {}};
        }
        // Where a helper is installed only the helper writes the machine-wide record.
        machineWideProbe = {machineWide, false, record.problem.path + QStringLiteral(": ") + record.problem.reason};
    } else {
        // Without the helper the game never writes the machine-wide record
        // itself: a directory every player could write lets each delete or
        // plant the others' files.
        machineWideProbe = {
            machineWide, false,
            QCoreApplication::translate("orvetta::RecordProblem", "manca il programma del record %1").arg(helper)};
    }
    const RecordDirectoryChoice choice = chooseRecordDirectory(machineWideProbe, ownDirectory);
    if (!choice.notice.isEmpty())
        announce(choice.notice);
    if (!choice.path)
        return {std::nullopt, {machineWide, choice.failure}};
    return useOwnDirectory(*choice.path);
}

QChar DesktopPlatform::directorySeparator() const
{
    return QLatin1Char('/');
}
#endif

FileOutcome DesktopPlatform::openRecord()
{
    if (!helper_.isEmpty())
        return {}; // the helper read the record when it was found
    if (!outOfReach_.path.isEmpty())
        return {false, outOfReach_};
    auto files = recordFilesIn(recordDirectory_, preparedRecord_);
    const StoreResult<RecordPair> record = readRecord(*files);
    if (!record)
        return {false, recordProblem(record.problem)};
    record_ = *record.value;
    return {};
}

FileResult<QByteArray> DesktopPlatform::readWhole(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (name != recordScoreFile && name != recordHolderFile)
        return {std::nullopt,
                {path, QCoreApplication::translate("orvetta::RecordProblem", "non è un file del record")}};
    const std::string& content = name == recordScoreFile ? record_.score : record_.holder;
    return {QByteArray(content.data(), static_cast<qsizetype>(content.size())), {}};
}

FileResult<SaveVerdict> DesktopPlatform::saveRecord(const QString& score, const QString& holder)
{
    // Plain text before it is encoded: the ANSI code page of Windows has no
    // byte for most of what a name must not hide, and would make it a '?'.
    const QByteArray plainHolder = QByteArray::fromStdString(plainText(holder.toUtf8().toStdString()));
    const QByteArray scoreBytes = score.toLocal8Bit(), holderBytes = QString::fromUtf8(plainHolder).toLocal8Bit();
    if (!helper_.isEmpty())
        return saveThroughHelper(helper_, scoreBytes, holderBytes);
    if (!outOfReach_.path.isEmpty())
        return {std::nullopt, outOfReach_};
    auto files = recordFilesIn(recordDirectory_, preparedRecord_);
    // The player's own record keeps no history of who saved it.
    const StoreResult<SaveVerdict> saved =
        orvetta::saveRecord(*files, std::string_view(scoreBytes.constData(), static_cast<size_t>(scoreBytes.size())),
                            std::string_view(holderBytes.constData(), static_cast<size_t>(holderBytes.size())), {});
    if (!saved)
        return {std::nullopt, recordProblem(saved.problem)};
    return {*saved.value, {}};
}

FileResult<RecordKeeping> DesktopPlatform::recordKeeping()
{
    if (!helper_.isEmpty())
        return keepingThroughHelper(helper_);
#ifdef Q_OS_WIN
    // Every player may change the record's files, and only an administrator may empty them from here.
    if (sharedRecord_ && !isAdministrator())
        return {
            RecordKeeping{false, tr("Il record lo può azzerare solo un amministratore del computer."), std::nullopt},
            {}};
#endif
    return {RecordKeeping{true, {}, std::nullopt}, {}};
}

ResetReport DesktopPlatform::resetRecord()
{
    if (!helper_.isEmpty())
        return resetThroughHelper(helper_);
    if (!outOfReach_.path.isEmpty())
        return {false, outOfReach_, {}, std::nullopt};
    auto files = recordFilesIn(recordDirectory_, preparedRecord_);
    const ResetOutcome reset = orvetta::resetRecord(*files, {});
    return {!reset.problem, reset.problem ? fileProblem(reset.problem) : FileProblem{}, reset.ended, reset.waitsFor};
}

FileProblem DesktopPlatform::recordProblem(const StoreProblem& problem) const
{
    // Every player may write the shared record's files, and a lab's server
    // may be down: nothing a pupil or the network does may end anyone's game.
    FileProblem shown = fileProblem(problem);
    shown.outOfReachForNow = sharedRecord_;
    return shown;
}

void DesktopPlatform::beep()
{
    QApplication::beep();
}

void DesktopPlatform::reportRuntimeError(int number, const QString& description)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle,
                    tr("Errore di run-time '%1':\n\n%2").arg(number).arg(description));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopPlatform::endProgram(int exitStatus)
{
    // Nothing of the game may run after this: no unwinding, no event, no handler.
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}

} // namespace orvetta
