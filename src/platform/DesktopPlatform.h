#pragma once

#include "platform/Platform.h"

#include <random>

namespace orvetta {

// The platform of the real program: Qt's own modal dialogs, QTimer, the
// machine-wide record directory and an immediate exit.
class DesktopPlatform : public Platform {
public:
    DesktopPlatform();

    int messageBox(QWidget* owner, const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    Timer* createTimer(QObject* owner, std::function<void()> onTick) override;
    float rnd() override;
    void randomize() override;
    FileResult<QString> recordDirectory() override;
    QChar directorySeparator() const override;
    FileOutcome createIfMissing(const QString& path) override;
    FileResult<QByteArray> readWhole(const QString& path) override;
    FileOutcome replaceFiles(const std::vector<FileContent>& files) override;
    void beep() override;
    void reportRuntimeError(int number, const QString& description) override;
    void endProgram() override;

private:
    std::mt19937 engine_;
};

} // namespace orvetta
