// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/background_surface.h"

#include "window/controls.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace orvetta {

BackgroundSurface::BackgroundSurface(QWidget* parent, std::uint32_t backColorBgr)
    : QWidget(parent),
      backColor_(colorFromBgr(backColorBgr))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundSurface::setPainting(Painting painting)
{
    // Every question paints the same gradient: only a different one needs a repaint.
    if (painting == painting_)
        return;
    painting_ = std::move(painting);
    update();
}

void BackgroundSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), backColor_);
    const double unit = static_cast<double>(height()) / painting_.scaleHeight;
    for (const Painting::Box& box : painting_.boxes) {
        // Rows from the same rounding of shared edges, so that adjacent boxes never leave a gap.
        const int top = static_cast<int>(std::floor(std::min(box.y1, box.y2) * unit));
        const int bottom = static_cast<int>(std::floor(std::max(box.y1, box.y2) * unit));
        const int left = static_cast<int>(std::floor(std::min(box.x1, box.x2)));
        const int right = static_cast<int>(std::ceil(std::max(box.x1, box.x2)));
        const QRect strip = QRect(left, top, right - left, bottom - top).intersected(event->rect());
        if (!strip.isEmpty())
            painter.fillRect(strip, colorFromBgr(box.colorBgr));
    }
}

} // namespace orvetta
