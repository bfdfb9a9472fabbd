// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedPlatform.h"
#include "window/Tavola.h"
#include "window/TavolaWindow.h"

#include <QTest>

#include <memory>

namespace orvetta::testing {

// A game started through its real start-up, with the boxes scripted.
struct Game {
    ScriptedPlatform platform;
    std::unique_ptr<Tavola> tavola = std::make_unique<Tavola>(platform);

    explicit Game(const QString& name = QStringLiteral("Anna"), bool start = true)
    {
        platform.nameNext(name);
        if (start)
            tavola->Show();
    }

    TavolaWindow& w() const { return *tavola->window(); }
    GameState& state() const { return tavola->state(); }

    void setFraction(const QString& numerator, const QString& denominator) const
    {
        w().txtAnswer->setText(numerator);
        w().Text3->setText(denominator);
    }

    QString fraction() const { return w().txtAnswer->text() + QLatin1Char('/') + w().Text3->text(); }

    // What a player does: press and release a mouse button over the control.
    void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(control, button, Qt::NoModifier, control->rect().center());
    }

    void tick() const { static_cast<ScriptedTimer*>(w().Timer1)->fire(); }
    bool timerEnabled() const { return w().Timer1->isEnabled(); }

    QString runtimeError() const
    {
        const QStringList errors = platform.log().filter(QStringLiteral("runtime error"));
        return errors.isEmpty() ? QString() : errors.first();
    }

    QStringList eventsAfterEnd() const { return platform.log().filter(QStringLiteral("AFTER END")); }
};

} // namespace orvetta::testing
