// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

namespace orvetta {

// Filled boxes in a drawing's own units: x in pixels, y in 1/scaleHeight of
// the height they are shown at.
struct Painting {
    struct Box {
        double x1, y1, x2, y2;
        std::uint32_t colorBgr;
        bool operator==(const Box&) const = default;
    };
    int scaleHeight = 1;
    std::vector<Box> boxes;

    void fillBox(double x1, double y1, double x2, double y2, std::uint32_t colorBgr)
    {
        boxes.push_back({x1, y1, x2, y2, colorBgr});
    }
    bool operator==(const Painting&) const = default;
};

// The window's client area with its persistent drawing, shown behind every
// control and repainted from it, also after the window has been covered or
// resized.
class BackgroundSurface : public QWidget {
    Q_OBJECT
public:
    BackgroundSurface(QWidget* parent, std::uint32_t backColorBgr);

    // A painting covers the whole surface, so it replaces the previous one.
    void setPainting(Painting painting);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColor_;
    Painting painting_;
};

} // namespace orvetta
