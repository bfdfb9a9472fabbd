// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "seam/Platform.h"

#include <QObject>

#include <cstdlib>

namespace orvetta {

class TavolaWindow;
enum class Verdict;

// The game's one window object. It exists once for the whole run and owns the
// game state; the visible window and its controls are built for each load
// and destroyed on unload. Its handlers live beside it, a file each for
// start-up, the menu, questions, answers, the clock, the record files and
// quitting; the rules they call live in quiz/, clock/ and numbers/.
class Tavola : public QObject {
    Q_OBJECT
public:
    explicit Tavola(Platform& platform);
    ~Tavola() override;

    // Loads the window (its Load handler runs while it is hidden), shows it
    // maximised and activates it.
    void Show();
    // Destroys the visible window and its controls; the state stays.
    void Unload();

    TavolaWindow* window() const { return form_; }
    GameState& state() { return gs_; }
    bool hasEnded() const { return ended_; }

    // Start-up: loading and activating the window (startup_handlers.cpp).
    void Form_Load();
    void Form_Activate();

    // The window's size and caption, the menu, and the covered Command1 (menu_handlers.cpp).
    void Form_Resize();
    void TempoInTitolo();
    void HELP_Click();
    void Next_Click();
    void Command1_Click();

    // A new question, and judging the answers (question_handler.cpp, answer_handlers.cpp).
    void cmdNext_Click();
    void Option1_MouseUp();
    void Option2_MouseUp();
    void Option3_MouseUp();

    // The countdown (clock_handlers.cpp).
    void AvviaCronometro();
    void Timer1_Timer();

    // Finding and reading the record, and quitting with a record (record_handlers.cpp, quit_handler.cpp).
    QString GetSystemDir();
    QString Leggifiletxt(const QString& nomefile);
    void cmdExit_Click();

private:
    int box(const QString& text, int style, const QString& title = applicationTitle);
    void showVerdict(Verdict verdict, const QString& rightText);
    QString recordFilePath(const QString& name) const;
    // Reports a failure the game cannot go on from and ends the program;
    // callers return at once.
    void fail(int number, const QString& description);
    void failOnFile(const FileProblem& problem);
    void endProgram(int exitStatus = EXIT_SUCCESS);
    void connectHandlers();

    Platform& platform_;
    GameState gs_;
    TavolaWindow* form_ = nullptr;
    bool tickRunning_ = false;
    bool ended_ = false;
};

} // namespace orvetta
