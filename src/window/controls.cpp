// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/controls.h"

#include <QMouseEvent>

namespace orvetta {

QColor colorFromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t bgrFromColor(const QColor& color)
{
    return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8
           | static_cast<std::uint32_t>(color.blue()) << 16;
}

Label::Label(QWidget* parent, bool autoSize) : QLabel(parent), autoSize_(autoSize)
{
    // A name typed by the player is shown as typed, never read as markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(!autoSize);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (autoSize_)
        resize(sizeHint());
}

void Label::setForeColor(std::uint32_t bgr)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colorFromBgr(bgr));
    setPalette(colours);
}

std::uint32_t Label::foreColor() const
{
    return bgrFromColor(palette().color(QPalette::WindowText));
}

OptionButton::OptionButton(QWidget* parent) : QToolButton(parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::StrongFocus);
}

void OptionButton::setSelected(bool selected)
{
    // An auto-exclusive button refuses to be cleared while it is the checked one.
    setAutoExclusive(false);
    setChecked(selected);
    setAutoExclusive(true);
}

void OptionButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool over = rect().contains(event->position().toPoint());
    QToolButton::mouseReleaseEvent(event);
    event->accept();
    if (over)
        emit mouseUp(event->button(), event->modifiers(), event->position());
}

PictureButton::PictureButton(QWidget* parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::pressed, this, [this] { setIcon(pressedPicture_); });
    connect(this, &QToolButton::released, this, [this] { setIcon(normalPicture_); });
}

void PictureButton::setPictures(const QPixmap& normal, const QPixmap& pressed, const QPixmap& disabled)
{
    normalPicture_ = QIcon(normal);
    normalPicture_.addPixmap(disabled, QIcon::Disabled);
    pressedPicture_ = QIcon(pressed);
    pressedPicture_.addPixmap(disabled, QIcon::Disabled);
    setIcon(normalPicture_);
}

} // namespace orvetta
