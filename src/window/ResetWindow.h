// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

namespace orvetta {

// The small window of the menu entry "Azzera il record di Orvetta": the
// record, the history of its changes for those who may read it, a sentence
// (who may reset it, or how a reset went) and the reset button.
class ResetWindow : public QWidget {
    Q_OBJECT
public:
    ResetWindow();

    QLabel* lblRecord;
    QTableWidget* grdHistory; // when, who, what, score, name
    QLabel* lblMessage;
    QPushButton* cmdReset;
    QPushButton* cmdClose;

    // Room for the history when it is shown; otherwise no more than the rest needs.
    void fitContents();

signals:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace orvetta
