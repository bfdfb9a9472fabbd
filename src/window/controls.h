// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QLabel>
#include <QToolButton>

#include <cstdint>

namespace orvetta {

// 0x00BBGGRR, the way the game stores colours.
QColor colorFromBgr(std::uint32_t bgr);
std::uint32_t bgrFromColor(const QColor& color);

// A transparent caption drawn over the window's background. An auto-size label
// follows its caption with its left and top edges fixed; any other keeps its
// size, wraps at word boundaries and cuts off what does not fit.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, bool autoSize);
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    bool autoSize() const { return autoSize_; }
    void setForeColor(std::uint32_t bgr);
    std::uint32_t foreColor() const;

private:
    bool autoSize_;
};

// An option button drawn as a push button with its picture above its caption.
// Every released mouse button over it is reported, not only the left one; the
// keyboard selects it without any report.
class OptionButton : public QToolButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent);
    void setSelected(bool selected);

signals:
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A command button showing its picture above its caption, with a picture of
// its own for the pressed and the disabled state.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent);
    void setPictures(const QPixmap& normal, const QPixmap& pressed, const QPixmap& disabled);

private:
    QIcon normalPicture_;
    QIcon pressedPicture_;
};

} // namespace orvetta
