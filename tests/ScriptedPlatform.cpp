#include "ScriptedPlatform.h"

namespace orvetta::testing {

ScriptedPlatform::ScriptedPlatform()
{
    dir_.setAutoRemove(true);
}

void ScriptedPlatform::note(const QString& event)
{
    log_.append(ended_ ? QStringLiteral("AFTER END: ") + event : event);
}

void ScriptedPlatform::runNestedAction()
{
    if (duringBox_.empty())
        return;
    auto action = std::move(duringBox_.front());
    duringBox_.pop_front();
    action();
}

int ScriptedPlatform::messageBox(QWidget*, const QString& text, int style, const QString& title)
{
    boxes_.push_back({text, style, title});
    note(QStringLiteral("box: ") + text);
    runNestedAction();
    if (style != MsgStyle::YesNoQuestionDefaultNo)
        return MsgAnswer::Ok;
    if (answers_.empty())
        return MsgAnswer::No;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QString ScriptedPlatform::inputBox(const QString& prompt, const QString& title)
{
    boxes_.push_back({prompt, -1, title});
    note(QStringLiteral("input: ") + prompt);
    if (names_.empty())
        return QString();
    const QString name = names_.front();
    names_.pop_front();
    return name;
}

Timer* ScriptedPlatform::createTimer(QObject* owner, std::function<void()> onTick)
{
    return new ScriptedTimer(owner, std::move(onTick), *this);
}

float ScriptedPlatform::rnd()
{
    if (draws_.empty())
        return DesktopPlatform::rnd();
    const float value = draws_.front();
    draws_.pop_front();
    return value;
}

void ScriptedPlatform::randomize()
{
    ++randomizeCount_;
    DesktopPlatform::randomize();
}

FileResult<QString> ScriptedPlatform::recordDirectory()
{
    if (!directoryFailure_.isEmpty())
        return {std::nullopt, {dir_.path(), directoryFailure_}};
    return {dir_.path(), {}};
}

void ScriptedPlatform::beep()
{
    note(QStringLiteral("beep"));
}

void ScriptedPlatform::reportRuntimeError(int number, const QString& description)
{
    note(QStringLiteral("runtime error %1: %2").arg(number).arg(description));
}

void ScriptedPlatform::endProgram()
{
    note(QStringLiteral("end"));
    ended_ = true;
}

ScriptedTimer::ScriptedTimer(QObject* owner, std::function<void()> onTick, ScriptedPlatform& platform)
    : QObject(owner), onTick_(std::move(onTick)), platform_(platform)
{
}

void ScriptedTimer::setEnabled(bool enabled)
{
    if (enabled != enabled_)
        platform_.note(enabled ? QStringLiteral("timer on") : QStringLiteral("timer off"));
    enabled_ = enabled;
}

void ScriptedTimer::fire()
{
    if (enabled_)
        onTick_();
}

} // namespace orvetta::testing
