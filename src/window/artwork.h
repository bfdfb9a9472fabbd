// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace orvetta::artwork {

enum class Picture {
    MonsterFace,  // Frazione impropria
    Creature,     // Frazione propria
    SunFigure,    // Frazione apparente
    SmilingFace,  // Nuovo calcolo
    StraightFace, // Nuovo calcolo, pressed
    LaughingFace, // Nuovo calcolo, disabled
    StopDisc,     // Exit
    SmallFigure,  // decoration
    Star,         // decoration: first frame of the turning star
};

enum class Pointer {
    GreenArrow,  // over the window
    WavingHand,  // over Exit
    Bolt,        // over the record holder's name
    IconPointer, // the classic small square within a square
};

QPixmap picture(Picture which);
QCursor pointer(Pointer which);
QIcon windowIcon();

} // namespace orvetta::artwork
