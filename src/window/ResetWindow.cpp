// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ResetWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace orvetta {

ResetWindow::ResetWindow()
    : lblRecord(new QLabel(this)),
      grdHistory(new QTableWidget(0, 5, this)),
      lblMessage(new QLabel(this)),
      cmdReset(new QPushButton(tr("Azzera il record"), this)),
      cmdClose(new QPushButton(tr("Chiudi"), this))
{
    setWindowTitle(tr("Azzera il record di Orvetta"));
    QFont larger = lblRecord->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    lblRecord->setFont(larger);
    lblRecord->setTextFormat(Qt::PlainText);
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setWordWrap(true);

    grdHistory->setHorizontalHeaderLabels({tr("Quando"), tr("Chi"), tr("Cosa"), tr("Punti"), tr("Nome")});
    grdHistory->verticalHeader()->hide();
    grdHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdHistory->horizontalHeader()->setStretchLastSection(true);
    grdHistory->setWordWrap(false);

    cmdClose->setShortcut(Qt::Key_Escape);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReset);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblRecord);
    layout->addWidget(grdHistory, 1);
    layout->addWidget(lblMessage);
    layout->addLayout(buttons);
    layout->addStretch(); // under the buttons when there is no history to fill the window
    setMinimumWidth(520);
}

void ResetWindow::fitContents()
{
    if (grdHistory->isVisibleTo(this))
        resize(qMax(width(), 760), qMax(height(), 460));
    else
        adjustSize();
}

void ResetWindow::closeEvent(QCloseEvent* event)
{
    event->ignore(); // the form decides what closing does
    emit closedByUser();
}

} // namespace orvetta
