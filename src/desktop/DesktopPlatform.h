// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/Platform.h"

#include <QCoreApplication>

#include <memory>
#include <random>

namespace orvetta {

// The record files the game itself reads and writes: on Windows those the
// installer prepared, or those made on first use (the player's own, the
// policy's folder); elsewhere always the player's own,
// created readable by every player and replaced by rename. Public for the
// tests, which save as the game does.
std::unique_ptr<RecordFiles> recordFilesIn(const QString& directory, bool prepared);

// The platform of the real program: Qt's own modal dialogs, QTimer, the
// machine-wide record directory and an immediate exit.
class DesktopPlatform : public Platform {
    Q_DECLARE_TR_FUNCTIONS(orvetta::DesktopPlatform)

public:
    DesktopPlatform();

    int messageBox(QWidget* owner, const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    Timer* createTimer(QObject* owner, std::function<void()> onTick) override;
    float rnd() override;
    void randomize() override;
    FileResult<QString> recordDirectory() override;
    QChar directorySeparator() const override;
    FileOutcome openRecord() override;
    FileResult<QByteArray> readWhole(const QString& path) override;
    FileResult<SaveVerdict> saveRecord(const QString& score, const QString& holder) override;
    FileResult<RecordKeeping> recordKeeping() override;
    ResetReport resetRecord() override;
    void beep() override;
    void reportRuntimeError(int number, const QString& description) override;
    void endProgram(int exitStatus) override;

protected:
    // The record in a directory of the caller's own, read and written by the
    // game itself: for tests and benchmarks.
    FileResult<QString> useOwnDirectory(const QString& directory);
    // The record through a helper program of the caller's choosing, read
    // through it at once when it can be: for tests.
    void useHelper(const QString& helper);

private:
    // A problem with the record as the game reports it.
    FileProblem recordProblem(const StoreProblem& problem) const;

    std::mt19937 engine_;
    QString recordDirectory_;
    // Files the installer made, which the game may change but not create.
    bool preparedRecord_ = false;
    // Every player's record, in the Windows directory or the policy's folder.
    bool sharedRecord_ = false;
    // Why the policy's folder cannot be used at all.
    FileProblem outOfReach_;
    // The installed record helper, when it reads and writes the record.
    QString helper_;
    RecordPair record_;
};

} // namespace orvetta
