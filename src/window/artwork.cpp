// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/artwork.h"

#include <QImageReader>

// The artwork is compiled into a static library: its resources must be
// registered explicitly.
static void registerArtwork()
{
    Q_INIT_RESOURCE(artwork);
}

namespace orvetta::artwork {
namespace {

QString resourcePath(const QString& file)
{
    static const bool registered = (registerArtwork(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/assets/") + file;
}

// Each drawing, rendered from its SVG at 32x32 when the game is built.
QPixmap icon32(const char* name)
{
    return QPixmap(resourcePath(QLatin1String(name) + QStringLiteral(".png")), "PNG");
}

} // namespace

QPixmap picture(Picture which)
{
    switch (which) {
    case Picture::MonsterFace: return icon32("p1_monster");
    case Picture::Creature: return icon32("p2_creature");
    case Picture::SunFigure: return icon32("p3_sun_figure");
    case Picture::SmilingFace: return icon32("p4_smile");
    case Picture::StraightFace: return icon32("p4_straight");
    case Picture::LaughingFace: return icon32("p4_laugh");
    case Picture::StopDisc: return icon32("p5_stop");
    case Picture::SmallFigure: return icon32("p6_figure");
    case Picture::Star: {
        // The image controls show the animation as a still: its first frame, the star face on.
        QImageReader reader(resourcePath(QStringLiteral("p7_star.gif")));
        return QPixmap::fromImage(reader.read());
    }
    }
    return {};
}

QCursor pointer(Pointer which)
{
    switch (which) {
    case Pointer::GreenArrow: return QCursor(icon32("c1_arrow"), 1, 1);
    case Pointer::WavingHand: return QCursor(icon32("c2_wave"), 3, 3);
    case Pointer::Bolt: return QCursor(icon32("c3_bolt"), 0, 0);
    case Pointer::IconPointer: return QCursor(icon32("icon_pointer"), 16, 16);
    }
    return {};
}

QIcon windowIcon()
{
    return QIcon(icon32("window_icon"));
}

} // namespace orvetta::artwork
