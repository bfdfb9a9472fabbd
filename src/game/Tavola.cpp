// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Tavola.h"

#include "window/TavolaWindow.h"

#include <cstdlib>

namespace orvetta {

Tavola::Tavola(Platform& platform) : platform_(platform) {}

Tavola::~Tavola()
{
    delete form_;
}

void Tavola::Show()
{
    form_ = new TavolaWindow(platform_, [this] { Timer1_Timer(); });
    Form_Load();
    if (ended_)
        return;
    connectHandlers();
    form_->applyDesignGeometry();
    form_->showMaximized();
    form_->activateWindow();
    // The program has one window, so it is activated exactly once per load.
    Form_Activate();
}

void Tavola::Unload()
{
    TavolaWindow* old = std::exchange(form_, nullptr);
    old->Timer1->setEnabled(false);
    disconnect(old, nullptr, this, nullptr);
    for (QObject* control : old->findChildren<QObject*>())
        disconnect(control, nullptr, this, nullptr);
    old->hide();
    // A menu action of this window may be the caller: delete it once control
    // is back in the event loop.
    old->deleteLater();
}

void Tavola::connectHandlers()
{
    TavolaWindow* w = form_;
    connect(w, &TavolaWindow::resized, this, &Tavola::Form_Resize);
    connect(w, &TavolaWindow::closedByUser, this, [this] { endProgram(); });
    connect(w->cmdNext, &QToolButton::clicked, this, &Tavola::cmdNext_Click);
    connect(w->cmdExit, &QToolButton::clicked, this, &Tavola::cmdExit_Click);
    connect(w->Command1, &QPushButton::clicked, this, &Tavola::Command1_Click);
    connect(w->Option1, &OptionButton::mouseUp, this, &Tavola::Option1_MouseUp);
    connect(w->Option2, &OptionButton::mouseUp, this, &Tavola::Option2_MouseUp);
    connect(w->Option3, &OptionButton::mouseUp, this, &Tavola::Option3_MouseUp);
    connect(w->Next, &QAction::triggered, this, &Tavola::Next_Click);
    connect(w->HELP, &QAction::triggered, this, &Tavola::HELP_Click);
}

int Tavola::box(const QString& text, int style, const QString& title)
{
    QWidget* owner = form_ && form_->isVisible() ? form_ : nullptr;
    return platform_.messageBox(owner, text, style, title);
}

void Tavola::fail(int number, const QString& description)
{
    if (form_)
        form_->Timer1->setEnabled(false);
    platform_.reportRuntimeError(number, description);
    endProgram(EXIT_FAILURE);
}

void Tavola::failOnFile(const FileProblem& problem)
{
    fail(75, tr("Errore di accesso al percorso/file\n%1: %2").arg(problem.path, problem.reason));
}

void Tavola::endProgram(int exitStatus)
{
    ended_ = true;
    platform_.endProgram(exitStatus);
}

} // namespace orvetta
