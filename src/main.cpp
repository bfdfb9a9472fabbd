// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopPlatform.h"
#include "desktop/translations.h"
#include "game/Tavola.h"
#include "reset/ResetForm.h"
#include "window/desktop_style.h"

#ifdef Q_OS_WIN
#include "desktop/administrator_windows.h"
#include "desktop/record_folder_windows.h"
#include <cstring>
#endif

#include <QApplication>
#include <QLocale>

namespace {

// What the menu entry "Azzera il record di Orvetta" passes: the reset window instead of a game.
#ifdef Q_OS_WIN
const QString resetArgument = QStringLiteral("/reset");
#else
const QString resetArgument = QStringLiteral("--reset");
#endif

} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // What the installers run: no window, the outcome on standard output.
    if (argc == 2 && std::strcmp(argv[1], "/prepare-record") == 0) {
        const QCoreApplication app(argc, argv);
        return orvetta::prepareMachineRecord();
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvetta"));
    // The game ends itself: by its exit button, or when its window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    orvetta::prepareDesktop();
    // The user's language, as the locale (Linux) or the display language (Windows) says.
    const orvetta::Translations translations(QLocale::system().uiLanguages());

    orvetta::DesktopPlatform platform;
    if (QApplication::arguments().contains(resetArgument)) {
#ifdef Q_OS_WIN
        // An administrator's window, once Windows has the rights; without them
        // the window shows the record and who may reset it.
        if (!orvetta::isAdministrator())
            if (const auto status = orvetta::runAsAdministrator(resetArgument))
                return *status;
#endif
        orvetta::ResetForm reset(platform);
        reset.Show();
        return QApplication::exec();
    }
    orvetta::Tavola tavola(platform);
    tavola.Show();
    return QApplication::exec();
}
