#include "window/background_surface.h"

#include "window/controls.h"

#include <QPainter>

#include <cmath>

namespace orvetta {

BackgroundSurface::BackgroundSurface(QWidget* parent, std::uint32_t backColorBgr)
    : QWidget(parent), backColor_(colorFromBgr(backColorBgr))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundSurface::startPainting(int scaleHeight)
{
    scaleHeight_ = scaleHeight;
    boxes_.clear();
    update();
}

void BackgroundSurface::fillBox(double x1, double y1, double x2, double y2, std::uint32_t colorBgr)
{
    boxes_.push_back({x1, y1, x2, y2, colorFromBgr(colorBgr)});
    update();
}

void BackgroundSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    const double unit = static_cast<double>(height()) / scaleHeight_;
    for (const Box& box : boxes_) {
        // Rows from the same rounding of shared edges, so that adjacent boxes never leave a gap.
        const int top = static_cast<int>(std::floor(std::min(box.y1, box.y2) * unit));
        const int bottom = static_cast<int>(std::floor(std::max(box.y1, box.y2) * unit));
        const int left = static_cast<int>(std::floor(std::min(box.x1, box.x2)));
        const int right = static_cast<int>(std::ceil(std::max(box.x1, box.x2)));
        painter.fillRect(QRect(left, top, right - left, bottom - top), box.color);
    }
}

} // namespace orvetta
