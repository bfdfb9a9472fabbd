// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopPlatform.h"
#include "game/Tavola.h"
#include "window/desktop_style.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvetta"));
    // The game ends itself: by its exit button, or when its window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    orvetta::prepareDesktop();

    orvetta::DesktopPlatform platform;
    orvetta::Tavola tavola(platform);
    tavola.Show();
    return QApplication::exec();
}
