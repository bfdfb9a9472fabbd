// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopPlatform.h"

#include <QStringList>
#include <QTemporaryDir>

#include <deque>

namespace orvetta::testing {

struct ShownBox {
    QString text;
    int style; // -1 for the input box
    QString title;
};

// The desktop platform with scripted boxes, a timer that fires only when told
// to, an optional scripted random source, and a temporary record directory.
// Every call to the outside world is written to log(), so that tests can check
// order, and anything that happens after the end of the program is flagged.
class ScriptedPlatform : public DesktopPlatform {
public:
    // Answers for the coming Yes/No boxes, in order; a box with no answer left gets No.
    void answerNext(int answer) { answers_.push_back(answer); }
    void nameNext(const QString& name) { names_.push_back(name); }
    // Values the random source gives before it falls back to the real one.
    void drawNext(std::initializer_list<float> values) { draws_.insert(draws_.end(), values); }
    // Runs while the next box of any kind is open, as a nested event would.
    void whileNextBoxIsOpen(std::function<void()> action) { duringBox_.push_back(std::move(action)); }
    void failRecordDirectory(const QString& reason) { directoryFailure_ = reason; }

    QString directory() const { return dir_.path(); }
    QString recordFile(const QString& name) const { return dir_.filePath(name); }
    const std::vector<ShownBox>& boxes() const { return boxes_; }
    const QStringList& log() const { return log_; }
    bool ended() const { return ended_; }
    int randomizeCount() const { return randomizeCount_; }

    void note(const QString& event) { log_.append(ended_ ? QStringLiteral("AFTER END: ") + event : event); }

    int messageBox(QWidget*, const QString& text, int style, const QString& title) override
    {
        boxes_.push_back({text, style, title});
        note(QStringLiteral("box: ") + text);
        if (!duringBox_.empty()) {
            const auto action = std::move(duringBox_.front());
            duringBox_.pop_front();
            action();
        }
        if (style != MsgStyle::YesNoQuestionDefaultNo)
            return MsgAnswer::Ok;
        return takeFirst(answers_, MsgAnswer::No);
    }
    QString inputBox(const QString& prompt, const QString& title) override
    {
        boxes_.push_back({prompt, -1, title});
        note(QStringLiteral("input: ") + prompt);
        return takeFirst(names_, QString());
    }
    Timer* createTimer(QObject* owner, std::function<void()> onTick) override;
    float rnd() override { return draws_.empty() ? DesktopPlatform::rnd() : takeFirst(draws_, 0.0f); }
    void randomize() override
    {
        ++randomizeCount_;
        DesktopPlatform::randomize();
    }
    FileResult<QString> recordDirectory() override
    {
        if (!directoryFailure_.isEmpty())
            return {std::nullopt, {dir_.path(), directoryFailure_}};
        return {dir_.path(), {}};
    }
    void beep() override { note(QStringLiteral("beep")); }
    void reportRuntimeError(int number, const QString& description) override
    {
        note(QStringLiteral("runtime error %1: %2").arg(number).arg(description));
    }
    void endProgram() override
    {
        note(QStringLiteral("end"));
        ended_ = true;
    }

private:
    template <typename T>
    static T takeFirst(std::deque<T>& queue, T otherwise)
    {
        if (queue.empty())
            return otherwise;
        T first = queue.front();
        queue.pop_front();
        return first;
    }

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

// Fires only when told to, and only while enabled, as the toolkit would.
class ScriptedTimer : public QObject, public Timer {
public:
    ScriptedTimer(QObject* owner, std::function<void()> onTick, ScriptedPlatform& platform)
        : QObject(owner), onTick_(std::move(onTick)), platform_(platform)
    {
    }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override
    {
        if (enabled != enabled_)
            platform_.note(enabled ? QStringLiteral("timer on") : QStringLiteral("timer off"));
        enabled_ = enabled;
    }
    bool isEnabled() const override { return enabled_; }
    void fire()
    {
        if (enabled_)
            onTick_();
    }

private:
    std::function<void()> onTick_;
    ScriptedPlatform& platform_;
    int interval_ = 0;
    bool enabled_ = false;
};

inline Timer* ScriptedPlatform::createTimer(QObject* owner, std::function<void()> onTick)
{
    return new ScriptedTimer(owner, std::move(onTick), *this);
}

} // namespace orvetta::testing
