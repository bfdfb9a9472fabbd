// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTranslator>

namespace orvetta {

// The game's texts, and Qt's own, in the first of the user's languages that
// has a catalogue, installed for as long as this object lives. Italian, the
// language the texts are written in, and the C locale end the search, as does
// running out of languages: the texts then stay as written.
class Translations {
public:
    // Languages as QLocale::uiLanguages() gives them, the most wanted first.
    explicit Translations(const QStringList& uiLanguages);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator game_;
    QTranslator qt_;
};

} // namespace orvetta
