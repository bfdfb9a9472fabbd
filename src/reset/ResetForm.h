// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/Platform.h"

#include <QObject>

#include <cstdlib>

namespace orvetta {

class ResetWindow;

// What the menu entry "Azzera il record di Orvetta" opens instead of a game:
// the record, and for those who may, its history and its reset. Its handlers
// read the platform and write the window's controls.
class ResetForm : public QObject {
    Q_OBJECT
public:
    explicit ResetForm(Platform& platform);
    ~ResetForm() override;

    // Loads the window, then shows it.
    void Show();
    ResetWindow* window() const { return form_; }

    void Form_Load();
    void cmdReset_Click();
    void cmdClose_Click();

private:
    // The record and what this user may see and do, read afresh.
    void showRecord();
    QString outcomeText(const ResetReport& report) const;
    // What a history line says happened, in the user's language.
    QString actionText(const QString& action) const;

    Platform& platform_;
    ResetWindow* form_ = nullptr;
    int exitStatus_ = EXIT_SUCCESS;
};

} // namespace orvetta
