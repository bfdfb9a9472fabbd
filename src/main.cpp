// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Tavola.h"
#include "platform/DesktopPlatform.h"
#include "platform/desktop_setup.h"

#ifdef Q_OS_WIN
#include "platform/record_reset_windows.h"
#endif

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvetta"));
    // The game ends itself: by its exit button, or when its window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    orvetta::prepareDesktop();

    orvetta::DesktopPlatform platform;
#ifdef Q_OS_WIN
    // The Start-menu entry for teachers: no game, only the reset.
    if (QApplication::arguments().contains(orvetta::resetArgument))
        return orvetta::resetAsAdministrator(platform);
#endif
    orvetta::Tavola tavola(platform);
    tavola.Show();
    return QApplication::exec();
}
