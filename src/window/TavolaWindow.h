// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/background_surface.h"
#include "window/controls.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include <array>
#include <functional>
#include <vector>

namespace orvetta {

class Platform;
class Timer;

// The visible window and its controls, built from their design values. It is
// destroyed and built afresh for every new game; the game's state lives in
// Tavola, which outlives it.
class TavolaWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QPoint designClientPosition{136, 88};
    static constexpr QSize designClientSize{835, 601};

    TavolaWindow(Platform& platform, std::function<void()> onTimer1);

    // Normal state at the design size and place, so that restoring the
    // maximised window (or a display without a window manager) shows it.
    void applyDesignGeometry();

    BackgroundSurface* surface;

    OptionButton* Option1;
    OptionButton* Option2;
    OptionButton* Option3;
    QLineEdit* Text3;
    QLineEdit* txtAnswer;
    PictureButton* cmdNext;
    PictureButton* cmdExit;
    QPushButton* Command1;
    QPushButton* cmdcalcola;

    Label* tipo;
    Label* lblnome;
    Label* Label12;
    Label* lblpunti;
    Label* Label13;
    Label* lblnome1;
    Label* Label14;
    Label* Label11;
    Label* lblconto;
    Label* Label3;
    Label* Label1;
    Label* lblScore2;
    Label* lblScore1;
    Label* lblScore;
    Label* lblMessage;
    Label* Label6;

    std::array<QLabel*, 5> Image5;
    std::array<QLabel*, 3> Image4;
    QWidget* Line1; // element 4 of its control array, the fraction bar

    QMenu* Ciao;
    QAction* Tmer;
    QAction* istituto;
    QAction* soft;
    QAction* Next;
    QAction* HELP;

    Timer* Timer1;

signals:
    // The window's size or state (normal, minimised, maximised) has changed.
    void resized();
    // The player closed the window with its close box.
    void closedByUser();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createLabels();
    void createPictures();
    void createWindowedControls();
    void createMenu();
    void setTabOrder();
    // Every control at `zoom` times its design place and size, fonts and pictures included.
    void zoomTo(double zoom);

    // A control of the surface as designed, to zoom from.
    struct DesignPlace {
        QWidget* control;
        QRect rect;
        QFont font;
        QSize iconSize;
    };
    std::vector<DesignPlace> design_;
    double zoom_ = 1;
};

} // namespace orvetta
