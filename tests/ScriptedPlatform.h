#pragma once

#include "platform/DesktopPlatform.h"

#include <QStringList>
#include <QTemporaryDir>

#include <deque>

namespace orvetta::testing {

struct ShownBox {
    QString text;
    int style;
    QString title;
};

class ScriptedTimer;

// The desktop platform with scripted boxes, a timer that fires only when told
// to, an optional scripted random source, and a temporary record directory.
// Every call to the outside world is written to log(), so that tests can check
// order, and anything that happens after the end of the program is flagged.
class ScriptedPlatform : public DesktopPlatform {
public:
    ScriptedPlatform();

    // Answers for the coming Yes/No boxes, in order; a box with no answer left gets No.
    void answerNext(int answer) { answers_.push_back(answer); }
    void nameNext(const QString& name) { names_.push_back(name); }
    // Values the random source gives before it falls back to the real one.
    void drawNext(std::initializer_list<float> values) { draws_.insert(draws_.end(), values); }
    // Runs while the next box of any kind is open, as a nested event would.
    void whileNextBoxIsOpen(std::function<void()> action) { duringBox_.push_back(std::move(action)); }

    QString directory() const { return dir_.path(); }
    QString recordFile(const QString& name) const { return dir_.path() + QStringLiteral("/") + name; }
    void failRecordDirectory(const QString& reason) { directoryFailure_ = reason; }

    const std::vector<ShownBox>& boxes() const { return boxes_; }
    const QStringList& log() const { return log_; }
    bool ended() const { return ended_; }
    int randomizeCount() const { return randomizeCount_; }

    int messageBox(QWidget* owner, const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    Timer* createTimer(QObject* owner, std::function<void()> onTick) override;
    float rnd() override;
    void randomize() override;
    FileResult<QString> recordDirectory() override;
    void beep() override;
    void reportRuntimeError(int number, const QString& description) override;
    void endProgram() override;

    void note(const QString& event);

private:
    void runNestedAction();

    QTemporaryDir dir_;
    QString directoryFailure_;
    std::deque<int> answers_;
    std::deque<QString> names_;
    std::deque<float> draws_;
    std::deque<std::function<void()>> duringBox_;
    std::vector<ShownBox> boxes_;
    QStringList log_;
    bool ended_ = false;
    int randomizeCount_ = 0;
};

class ScriptedTimer : public QObject, public Timer {
public:
    ScriptedTimer(QObject* owner, std::function<void()> onTick, ScriptedPlatform& platform);
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return enabled_; }
    // One tick, as the toolkit would deliver it: only while enabled.
    void fire();

private:
    std::function<void()> onTick_;
    ScriptedPlatform& platform_;
    int interval_ = 0;
    bool enabled_ = false;
};

} // namespace orvetta::testing
