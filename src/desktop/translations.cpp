// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

// The catalogues are compiled into a static library: their resources must be
// registered explicitly.
static void registerCatalogues()
{
    Q_INIT_RESOURCE(translations);
}

namespace orvetta {
namespace {

const QString catalogues = QStringLiteral(":/i18n");

} // namespace

Translations::Translations(const QStringList& uiLanguages)
{
    static const bool registered = (registerCatalogues(), true);
    Q_UNUSED(registered);
    for (const QString& name : uiLanguages) {
        const QLocale language(name);
        if (language.language() == QLocale::Italian || language.language() == QLocale::C)
            return;
        if (game_.load(language, QStringLiteral("orvetta"), QStringLiteral("_"), catalogues))
            break;
    }
    if (game_.isEmpty())
        return;
    QCoreApplication::installTranslator(&game_);

    // Qt's own texts (a line edit's menu, a box's standard button) in the same
    // language: built in on Windows, Debian's qt6-translations-l10n elsewhere,
    // whose Slovenian is the older all-in-one qt_sl.
    const QLocale chosen(game_.language());
    const QString system = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString underscore = QStringLiteral("_");
    if (qt_.load(chosen, QStringLiteral("qtbase"), underscore, catalogues)
        || qt_.load(chosen, QStringLiteral("qtbase"), underscore, system)
        || qt_.load(chosen, QStringLiteral("qt"), underscore, system))
        QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

} // namespace orvetta
