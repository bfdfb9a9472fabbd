// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_store.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QObject;
class QWidget;

namespace orvetta {

// Message box styles and answers, numbered as the game's texts number them.
namespace MsgStyle {
constexpr int OkOnly = 0;
constexpr int YesNoQuestionDefaultNo = 292; // Yes/No (4) + question icon (32) + No default (256)
} // namespace MsgStyle
namespace MsgAnswer {
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgAnswer

inline const QString applicationTitle = QStringLiteral("Orvetta");

// A repeating timer owned by a window; it fires onTick each interval while enabled.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

struct FileProblem {
    QString path;
    QString reason;
    // The machine's record, out of reach for now (another program holds a
    // file of it open, say): the player is told, and the game goes on
    // without it instead of ending.
    bool outOfReachForNow = false;
};

// Either a value or the file problem that prevented it.
template <typename T>
struct FileResult {
    std::optional<T> value;
    FileProblem problem;
    explicit operator bool() const { return value.has_value(); }
};

struct FileOutcome {
    bool ok = true;
    FileProblem problem;
    explicit operator bool() const { return ok; }
};

// What the record's reset window may show and do for this user.
struct RecordKeeping {
    bool mayReset = false;
    // Who may, said to those who may not.
    QString whoMayReset;
    // The history's lines, where the record keeps one and this user may read it.
    std::optional<QByteArray> history;
};

struct ResetReport {
    bool done = false;
    FileProblem problem;            // why not, when not done
    std::vector<EndedHolder> ended; // also when not done
    // A holder that could not be ended: the reset waits beside the record.
    std::optional<EndedHolder> waitsFor;
};

// The game's one seam to the outside world. The desktop implementation talks
// to Qt and the file system; tests script the boxes and use a temporary
// record directory.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal boxes; timers go on firing while they are open.
    virtual int messageBox(QWidget* owner, const QString& text, int style, const QString& title) = 0;
    // Returns the typed text exactly; Cancel or closing the box gives "".
    virtual QString inputBox(const QString& prompt, const QString& title) = 0;

    // The timer is a child of owner and dies with it.
    virtual Timer* createTimer(QObject* owner, std::function<void()> onTick) = 0;

    // Uniform in [0, 1).
    virtual float rnd() = 0;
    // Reseeds from the system clock without ever repeating an earlier sequence.
    virtual void randomize() = 0;

    // Finds where the record lives: the directory shared by every player of
    // the machine, without a trailing separator, or a fallback it announces.
    virtual FileResult<QString> recordDirectory() = 0;
    virtual QChar directorySeparator() const = 0;
    // Reads both record files of that directory as one pair, after finishing
    // any save a crash cut short; missing files are created empty. readWhole
    // then gives each file's content as read.
    virtual FileOutcome openRecord() = 0;
    virtual FileResult<QByteArray> readWhole(const QString& path) = 0;
    // Saves the pair when score beats the record as it stands now, which may
    // be higher than it was at start-up.
    virtual FileResult<SaveVerdict> saveRecord(const QString& score, const QString& holder) = 0;
    // For the reset window, after recordDirectory.
    virtual FileResult<RecordKeeping> recordKeeping() = 0;
    // Empties the record for every player.
    virtual ResetReport resetRecord() = 0;

    virtual void beep() = 0;
    // Shows the report of a failure the game cannot go on from.
    virtual void reportRuntimeError(int number, const QString& description) = 0;
    // Ends the program at once: no handler, tick or box runs afterwards.
    virtual void endProgram(int exitStatus) = 0;
};

} // namespace orvetta
