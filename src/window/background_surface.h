#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

namespace orvetta {

// The window's client area with its persistent drawing. Boxes are kept in the
// drawing's own units (x in pixels, y in 1/scaleHeight of the client height)
// and shown behind every control, also after the window has been covered or
// resized.
class BackgroundSurface : public QWidget {
    Q_OBJECT
public:
    BackgroundSurface(QWidget* parent, std::uint32_t backColorBgr);

    // A painting covers the whole surface, so it replaces the previous one.
    void startPainting(int scaleHeight);
    void fillBox(double x1, double y1, double x2, double y2, std::uint32_t colorBgr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Box {
        double x1, y1, x2, y2;
        QColor color;
    };
    QColor backColor_;
    int scaleHeight_ = 1;
    std::vector<Box> boxes_;
};

} // namespace orvetta
