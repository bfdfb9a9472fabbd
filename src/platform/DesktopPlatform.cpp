#include "platform/DesktopPlatform.h"

#include "platform/safe_files.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include "platform/record_directory.h"
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

namespace orvetta {
namespace {

class QtTimer : public QObject, public Timer {
public:
    QtTimer(QObject* owner, std::function<void()> onTick) : QObject(owner), timer_(new QTimer(this))
    {
        QObject::connect(timer_, &QTimer::timeout, this, std::move(onTick));
    }
    void setInterval(int milliseconds) override { timer_->setInterval(milliseconds); }
    int interval() const override { return timer_->interval(); }
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

// The lock that serialises saves lives beside the record files.
QString lockPathFor(const QString& recordFile)
{
    return QFileInfo(recordFile).absolutePath() + QStringLiteral("/fraprod.lock");
}

} // namespace

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
        // The game's own button texts: Qt's Italian translations need not be installed.
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        yes->setText(QStringLiteral("Sì"));
        QPushButton* no = box.addButton(QMessageBox::No);
        no->setText(QStringLiteral("No"));
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
    return MsgAnswer::Ok;
}

QString DesktopPlatform::inputBox(const QString& prompt, const QString& title)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
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

#ifdef Q_OS_WIN
FileResult<QString> DesktopPlatform::recordDirectory()
{
    char buffer[128];
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return {std::nullopt, {QStringLiteral("GetWindowsDirectoryA"),
                               QStringLiteral("la cartella di Windows non si può leggere")}};
    return {QString::fromLocal8Bit(buffer, static_cast<qsizetype>(length)), {}};
}

QChar DesktopPlatform::directorySeparator() const
{
    return QLatin1Char('\\');
}
#else
FileResult<QString> DesktopPlatform::recordDirectory()
{
    // One directory for every player of the machine, as games conventionally share their scores.
    const QString machineWideRecordDirectory = QStringLiteral("/var/games/orvetta");
    const RecordDirectoryChoice choice = chooseRecordDirectory(
        probeDirectory(machineWideRecordDirectory, true), [] {
            return probeDirectory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), false);
        });
    if (!choice.notice.isEmpty())
        std::fprintf(stderr, "%s\n", choice.notice.toLocal8Bit().constData());
    if (!choice.path)
        return {std::nullopt, {machineWideRecordDirectory, choice.failure}};
    return {*choice.path, {}};
}

QChar DesktopPlatform::directorySeparator() const
{
    return QLatin1Char('/');
}
#endif

FileOutcome DesktopPlatform::createIfMissing(const QString& path)
{
    return safe_files::createIfMissing(path);
}

FileResult<QByteArray> DesktopPlatform::readWhole(const QString& path)
{
    return safe_files::readWhole(path);
}

FileOutcome DesktopPlatform::replaceFiles(const std::vector<FileContent>& files)
{
    if (files.empty())
        return {};
    return safe_files::replaceFiles(files, lockPathFor(files.front().path));
}

void DesktopPlatform::beep()
{
    QApplication::beep();
}

void DesktopPlatform::reportRuntimeError(int number, const QString& description)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle,
                    QStringLiteral("Errore di run-time '%1':\n\n%2").arg(number).arg(description));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopPlatform::endProgram()
{
    // Nothing of the game may run after this: no unwinding, no event, no handler.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace orvetta
