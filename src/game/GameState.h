// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace orvetta {

// The variables the handlers share. They belong to the window object and
// outlive every rebuild of the visible window.
struct GameState {
    std::int16_t nErrate = 0;         // wrong answers in this game
    std::int16_t nEsatte = 0;         // right answers: the score
    int kBanda = 0;                   // background band being drawn, 0..255
    double yBanda = 0;                // its top, in 1/512 of the client height
    QString testoRecord;              // text about to be written to a record file
    std::int16_t ore = 0;             // clock hours
    std::int16_t minuti = 0;          // clock minutes
    float secondi = 0;                // clock seconds, whole values 0 to 60
    std::int16_t secondiRestanti = 0; // seconds left in the game
    QString cartellaWin;              // record directory, with its trailing separator
};

} // namespace orvetta
