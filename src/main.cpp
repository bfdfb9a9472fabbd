// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopPlatform.h"
#include "desktop/translations.h"
#include "game/Tavola.h"
#include "window/desktop_style.h"

#ifdef Q_OS_WIN
#include "desktop/record_reset_windows.h"
#endif

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvetta"));
    // The game ends itself: by its exit button, or when its window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    orvetta::prepareDesktop();
    // The user's language, as the locale (Linux) or the display language (Windows) says.
    const orvetta::Translations translations(QLocale::system().uiLanguages());

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
