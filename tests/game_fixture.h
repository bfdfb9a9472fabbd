// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/DesktopPlatform.h"
#include "game/Tavola.h"
#include "window/TavolaWindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <ranges>
#include <tuple>

namespace orvetta::testing {

const QString scoreFile = QStringLiteral("fraprod.txt");
const QString nameFile = QStringLiteral("fraprod1.txt");
const QString quitQuestion = QStringLiteral("Vuoi veramente lasciarmi  ?");

// A box as shown: its text, its style (-1 for the input box) and its title.
using ShownBox = std::tuple<QString, int, QString>;

// Fires only when the test ticks it, and only while enabled, as the toolkit would.
struct ScriptedTimer : QObject, Timer {
    ScriptedTimer(QObject* owner, std::function<void()> onTick) : QObject(owner), onTick(std::move(onTick)) {}
    void setInterval(int) override {}
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }
    const std::function<void()> onTick;
    bool enabled = false;
};

// The desktop platform with scripted boxes and timer (unless told to use the
// real ones), an optional scripted random source, and a temporary record
// directory. What reaches the outside world goes to log; anything after the
// end of the program is marked there.
class ScriptedPlatform : public DesktopPlatform {
public:
    // Answers for the coming Yes/No boxes, in order; a box with no answer left gets No.
    void answerNext(int answer) { answers_.push_back(answer); }
    void nameNext(const QString& name) { names_.push_back(name); }
    // Values the random source gives before it falls back to the real one.
    void drawNext(std::initializer_list<float> values) { draws_.append(values); }
    // Runs while the next message box is open, as a nested event would.
    void whileNextBoxIsOpen(std::function<void()> action) { duringBox_.push_back(std::move(action)); }
    void failRecordDirectory(const QString& reason) { directoryFailure_ = reason; }
    // Plays on the record of another game, as a second game on the same machine.
    void shareRecordWith(const ScriptedPlatform& other) { sharedDirectory_ = other.directory(); }
    // Saves through this program, as an installed game saves through the record helper.
    void saveThrough(const QString& helper) { helper_ = helper; }

    QString directory() const { return sharedDirectory_.isEmpty() ? dir_.path() : sharedDirectory_; }
    QString recordFile(const QString& name) const { return directory() + QLatin1Char('/') + name; }
    void note(const QString& event) { log.append(exitStatus >= 0 ? QStringLiteral("AFTER END: ") + event : event); }

    int messageBox(QWidget* owner, const QString& text, int style, const QString& title) override
    {
        boxes.push_back({text, style, title});
        note(QStringLiteral("box: ") + text);
        const std::function<void()> during = duringBox_.isEmpty() ? [] {} : duringBox_.takeFirst();
        if (realQuestions && style == MsgStyle::YesNoQuestionDefaultNo) {
            QTimer::singleShot(0, qApp, during); // once the box is up, inside its own event loop
            return DesktopPlatform::messageBox(owner, text, style, title);
        }
        during();
        if (style != MsgStyle::YesNoQuestionDefaultNo)
            return MsgAnswer::Ok;
        return answers_.isEmpty() ? MsgAnswer::No : answers_.takeFirst();
    }
    QString inputBox(const QString& prompt, const QString& title) override
    {
        boxes.push_back({prompt, -1, title});
        return names_.isEmpty() ? QString() : names_.takeFirst();
    }
    Timer* createTimer(QObject* owner, std::function<void()> onTick) override
    {
        return realTimer ? DesktopPlatform::createTimer(owner, std::move(onTick))
                         : new ScriptedTimer(owner, std::move(onTick));
    }
    float rnd() override { return draws_.isEmpty() ? DesktopPlatform::rnd() : draws_.takeFirst(); }
    FileResult<QString> recordDirectory() override
    {
        if (machineRecord)
            return DesktopPlatform::recordDirectory();
        if (!directoryFailure_.isEmpty())
            return {std::nullopt, {directory(), directoryFailure_}};
        const FileResult<QString> found = useOwnDirectory(directory());
        if (!helper_.isEmpty())
            useHelper(helper_);
        return found;
    }
    void beep() override { note(QStringLiteral("beep")); }
    void reportRuntimeError(int number, const QString& description) override
    {
        note(QStringLiteral("runtime error %1: %2").arg(number).arg(description));
    }
    void endProgram(int status) override
    {
        note(QStringLiteral("end"));
        exitStatus = status;
    }

    std::vector<ShownBox> boxes;
    QStringList log;
    int exitStatus = -1;        // -1 while the program runs
    bool realTimer = false;     // the toolkit's own timer, for a game started after this is set
    bool realQuestions = false; // the toolkit's own Yes/No boxes, answered by the keys pressed on them
    bool machineRecord = false; // the record where the installed game finds it, for a game started after this is set

private:
    QTemporaryDir dir_;
    QString sharedDirectory_, directoryFailure_, helper_;
    QList<int> answers_;
    QStringList names_;
    QList<float> draws_;
    QList<std::function<void()>> duringBox_;
};

// A game started through its real start-up, with the boxes scripted.
struct Game {
    ScriptedPlatform platform;
    std::unique_ptr<Tavola> tavola = std::make_unique<Tavola>(platform);

    explicit Game(const QString& name = QStringLiteral("Anna"), bool start = true)
    {
        platform.nameNext(name);
        if (start)
            tavola->Show();
    }

    TavolaWindow& w() const { return *tavola->window(); }
    GameState& state() const { return tavola->state(); }
    // The fraction as the player reads it: the upper box over the lower one.
    QList<QLineEdit*> fractionBoxes() const
    {
        QList<QLineEdit*> boxes = w().surface->findChildren<QLineEdit*>();
        std::ranges::sort(boxes, {}, &QWidget::y);
        return boxes;
    }
    QString fraction() const { return fractionBoxes()[0]->text() + QLatin1Char('/') + fractionBoxes()[1]->text(); }

    // Types the fraction, then answers as a player does: a mouse button
    // pressed and released over the button that carries the caption.
    void answer(const QString& fraction, const QString& caption, Qt::MouseButton button = Qt::LeftButton) const
    {
        for (int i : {0, 1})
            fractionBoxes()[i]->setText(fraction.section(QLatin1Char('/'), i, i));
        QTest::mouseClick(answerButton(caption), button);
    }
    OptionButton* answerButton(const QString& caption) const
    {
        const QList<OptionButton*> buttons = w().surface->findChildren<OptionButton*>();
        return buttons.value(std::ranges::find(buttons, caption, &OptionButton::text) - buttons.begin());
    }
    void tick(int count = 1) const
    {
        for (int i = 0; i < count; ++i)
            if (w().Timer1->isEnabled())
                static_cast<ScriptedTimer*>(w().Timer1)->onTick();
    }
    // Plays the given score, then quits with Yes.
    void quitWithScore(int score)
    {
        state().nEsatte = static_cast<std::int16_t>(score);
        tavola->cmdNext_Click();
        platform.answerNext(MsgAnswer::Yes);
        QTest::mouseClick(w().cmdExit, Qt::LeftButton);
    }

    auto boxCount(const QString& text) const { return std::ranges::count(platform.boxes | std::views::keys, text); }

    // The bytes of a file in the record directory, "<missing>" when there is none.
    QByteArray file(const QString& name) const
    {
        QFile file(platform.recordFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(platform.recordFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
};

} // namespace orvetta::testing
