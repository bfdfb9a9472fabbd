// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/TavolaWindow.h"

#include "seam/Platform.h"
#include "window/artwork.h"

#include <QEvent>
#include <QMenuBar>

#include <algorithm>

namespace orvetta {
namespace {

// Design positions are in twips: 15 to a pixel at 96 dots per inch.
constexpr int px(int twips)
{
    return twips / 15;
}
QRect designRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

struct FontDesign {
    const char* face;
    double points;
    bool bold;
    bool italic;
};

QFont makeFont(const FontDesign& design)
{
    QFont font(QString::fromLatin1(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

constexpr FontDesign windowFont{"MS Sans Serif", 8.25, false, false};
constexpr FontDesign sans18{"MS Sans Serif", 18, false, false};

void setColor(QWidget* widget, QPalette::ColorRole role, QRgb rgb)
{
    QPalette colours = widget->palette();
    colours.setColor(role, QColor::fromRgb(rgb));
    widget->setPalette(colours);
}

// Which of the window's labels a design row is for.
using LabelMember = Label* TavolaWindow::*;

struct LabelDesign {
    LabelMember control;
    int left, top, width, height;
    const char* caption;
    FontDesign font;
    QRgb color;
    bool boxed;
    Qt::Alignment alignment;
    bool autoSize;
};

// The design tables are laid out by hand, a control or a few a row.
// clang-format off
// From the top of the stacking order downwards.
// Captions are marked for lupdate in the window's context; the window translates them.
const LabelDesign labelDesigns[] = {
    {&TavolaWindow::tipo, 2160, 2280, 5295, 1815, QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "Ok"), sans18, 0x00FF00,
     false, Qt::AlignLeft, false},
    {&TavolaWindow::lblnome, 2520, 7200, 5535, 495, "", sans18, 0x00FFFF, false, Qt::AlignLeft, false},
    {&TavolaWindow::Label12, 120, 7200, 2295, 375, QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "Il record  è di "),
     sans18, 0x00FFFF, false, Qt::AlignLeft, false},
    {&TavolaWindow::lblpunti, 9960, 7080, 270, 555, "0", {"MS Sans Serif", 24, false, false}, 0x00FF00, false,
     Qt::AlignLeft, true},
    {&TavolaWindow::Label13, 8280, 7200, 1455, 435, QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "con punti"), sans18,
     0x00FFFF, false, Qt::AlignLeft, true},
    {&TavolaWindow::lblnome1, 480, 6360, 1365, 420, "", {"MS Sans Serif", 13.5, true, false}, 0x008000, true,
     Qt::AlignLeft, true},
    {&TavolaWindow::Label14, 480, 5400, 1425, 420, QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "Sfidante"),
     {"MS Sans Serif", 13.5, false, false}, 0x008000, true, Qt::AlignHCenter, true},
    {&TavolaWindow::Label11, 360, 2160, 1575, 375, QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "Tempo restante"),
     {"MS Sans Serif", 9.75, false, false}, 0xFFFF00, false, Qt::AlignLeft, false},
    {&TavolaWindow::lblconto, 360, 2520, 1575, 495, "00.00.00", {"Arial Black", 12, true, false}, 0xFF0000, true,
     Qt::AlignLeft, false},
    {&TavolaWindow::Label3, 7440, 3360, 2340, 495, QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "Risposte totali"),
     sans18, 0x0000FF, true, Qt::AlignLeft, true},
    {&TavolaWindow::Label1, 3840, 3360, 2520, 495, QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "Risposte errate"),
     sans18, 0xFF0000, true, Qt::AlignLeft, true},
    {&TavolaWindow::lblScore2, 8310, 4080, 555, 885, "0", {"Times New Roman", 36, true, false}, 0xFF00FF, true,
     Qt::AlignHCenter, true},
    {&TavolaWindow::lblScore1, 4830, 4080, 540, 885, "0", {"Times New Roman", 36, true, false}, 0xFF0000, true,
     Qt::AlignHCenter, true},
    {&TavolaWindow::lblScore, 1080, 4080, 555, 885, "0", {"Times New Roman", 36, true, false}, 0xFFFF00, true,
     Qt::AlignHCenter, true},
    {&TavolaWindow::lblMessage, 1680, 2160, 6615, 615, "", {"MS Sans Serif", 24, true, true}, 0xFF0000, false,
     Qt::AlignHCenter, false},
    {&TavolaWindow::Label6, 240, 3360, 2565, 495, QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "Risposte esatte"),
     sans18, 0x00C000, true, Qt::AlignHCenter, true},
};

struct ImageDesign {
    int index;
    int left, top, width, height;
};

// From the top of the stacking order downwards.
const ImageDesign smallFigureDesigns[] = {
    {4, 0, 120, 495, 345}, {3, 4800, 2880, 495, 345}, {2, 7560, 4320, 495, 345},
    {1, 5400, 6480, 855, 465}, {0, 6600, 5280, 615, 540},
};
const ImageDesign starDesigns[] = {
    {2, 9840, 3240, 705, 705}, {1, 6480, 3360, 705, 705}, {0, 3000, 3360, 705, 705},
};
// clang-format on

const char* const answerTooltip = QT_TRANSLATE_NOOP("orvetta::TavolaWindow", "Cliccami");

} // namespace

TavolaWindow::TavolaWindow(Platform& platform, std::function<void()> onTimer1)
{
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(artwork::windowIcon());
    setFont(makeFont(windowFont));

    surface = new BackgroundSurface(this, 0xFF0000); // #0000FF
    surface->setCursor(artwork::pointer(artwork::Pointer::GreenArrow));
    setCentralWidget(surface);

    // Later children are drawn above earlier ones: labels first, then the
    // pictures and the line, then the windowed controls, each from the bottom up.
    createLabels();
    createPictures();
    createWindowedControls();
    createMenu();
    setTabOrder();

    for (QWidget* control : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* button = qobject_cast<QAbstractButton*>(control);
        design_.push_back({control, control->geometry(), control->font(), button ? button->iconSize() : QSize()});
    }
    surface->installEventFilter(this);

    Timer1 = platform.createTimer(this, std::move(onTimer1));
    Timer1->setInterval(1000);
    Timer1->setEnabled(true);
}

void TavolaWindow::createLabels()
{
    for (auto design = std::rbegin(labelDesigns); design != std::rend(labelDesigns); ++design) {
        auto* label = new Label(surface, design->autoSize);
        label->setGeometry(designRect(design->left, design->top, design->width, design->height));
        label->setFont(makeFont(design->font));
        setColor(label, QPalette::WindowText, design->color);
        label->setAlignment(design->alignment | Qt::AlignTop);
        if (design->boxed) {
            label->setFrameShape(QFrame::Box);
            label->setLineWidth(1);
        }
        label->setCaption(tr(design->caption));
        this->*(design->control) = label;
    }
    lblScore->setToolTip(tr("Questo è il tuo punteggio. Forza con il  record"));
    lblnome->setCursor(artwork::pointer(artwork::Pointer::Bolt));
    lblMessage->setCursor(artwork::pointer(artwork::Pointer::IconPointer));
}

void TavolaWindow::createPictures()
{
    Line1 = new QWidget(surface);
    // From (8280, 1560) to (10680, 1560), five pixels wide, centred on its y.
    Line1->setGeometry(px(8280), px(1560) - 2, px(10680) - px(8280) + 1, 5);
    Line1->setAutoFillBackground(true);
    setColor(Line1, QPalette::Window, 0xFF00FF);

    const QPixmap star = artwork::picture(artwork::Picture::Star);
    for (auto design = std::rbegin(starDesigns); design != std::rend(starDesigns); ++design) {
        auto* image = new QLabel(surface);
        image->setGeometry(designRect(design->left, design->top, design->width, design->height));
        image->setScaledContents(true); // the star's own size in the design
        image->setPixmap(star);
        Image4[static_cast<size_t>(design->index)] = image;
    }
    const QPixmap figure = artwork::picture(artwork::Picture::SmallFigure);
    for (auto design = std::rbegin(smallFigureDesigns); design != std::rend(smallFigureDesigns); ++design) {
        auto* image = new QLabel(surface);
        image->setGeometry(designRect(design->left, design->top, design->width, design->height));
        image->setScaledContents(true);
        image->setPixmap(figure);
        Image5[static_cast<size_t>(design->index)] = image;
    }
    // The verdict lies above the pictures.
    tipo->raise();
}

void TavolaWindow::createWindowedControls()
{
    cmdcalcola = new QPushButton(QStringLiteral("Command4"), surface);
    cmdcalcola->setGeometry(designRect(4440, 5640, 75, 195));
    setColor(cmdcalcola, QPalette::Button, 0x0000C0);

    Command1 = new QPushButton(QStringLiteral("Command1"), surface);
    Command1->setGeometry(designRect(4800, 5400, 855, 615));

    const QFont buttonFont = makeFont({"MS Sans Serif", 8.25, true, false});
    cmdExit = new PictureButton(surface);
    cmdExit->setText(tr("E&xit"));
    cmdExit->setGeometry(designRect(7680, 5040, 1815, 1095));
    cmdExit->setFont(buttonFont);
    setColor(cmdExit, QPalette::Button, 0xFF8000);
    const QPixmap stop = artwork::picture(artwork::Picture::StopDisc);
    cmdExit->setPictures(stop, stop, stop);
    cmdExit->setCursor(artwork::pointer(artwork::Pointer::WavingHand));
    cmdExit->setToolTip(tr("Allora ti arrendi?"));

    cmdNext = new PictureButton(surface);
    cmdNext->setText(tr("&Nuovo calcolo"));
    cmdNext->setGeometry(designRect(4320, 5040, 1815, 1095));
    cmdNext->setFont(buttonFont);
    setColor(cmdNext, QPalette::Button, 0x00C0C0);
    cmdNext->setPictures(artwork::picture(artwork::Picture::SmilingFace),
                         artwork::picture(artwork::Picture::StraightFace),
                         artwork::picture(artwork::Picture::LaughingFace));
    cmdNext->setCursor(artwork::pointer(artwork::Pointer::IconPointer));
    cmdNext->setToolTip(tr("Go"));

    const auto fractionBox = [this](const QRect& geometry, const char* text, const char* tooltip) {
        auto* box = new QLineEdit(QString::fromLatin1(text), surface);
        box->setGeometry(geometry);
        box->setFont(makeFont({"Arial", 48, true, false}));
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(15);
        box->setToolTip(tr(tooltip));
        setColor(box, QPalette::Base, 0x00FFFF);
        return box;
    };
    txtAnswer = fractionBox(designRect(8640, 120, 1815, 1200), "9",
                            QT_TR_NOOP("Inserisci il numeratore  premi il tasto  Invio"));
    Text3 = fractionBox(designRect(8640, 1800, 1815, 1200), "1",
                        QT_TR_NOOP("Inserisci il denominatore e  premi il tasto  Invio"));

    const auto answerButton = [this](const QRect& geometry, const char* caption, QRgb colour,
                                     artwork::Picture picture) {
        auto* button = new OptionButton(surface);
        button->setText(tr(caption));
        button->setGeometry(geometry);
        button->setIcon(artwork::picture(picture));
        button->setIconSize(QSize(32, 32));
        button->setToolTip(tr(answerTooltip));
        setColor(button, QPalette::Button, colour);
        return button;
    };
    Option1 = answerButton(designRect(3120, 120, 2535, 1095), QT_TR_NOOP("Frazione impropria"), 0xFFFFFF,
                           artwork::Picture::MonsterFace);
    Option2 = answerButton(designRect(480, 120, 2535, 1095), QT_TR_NOOP("Frazione propria"), 0x80FF80,
                           artwork::Picture::Creature);
    Option3 = answerButton(designRect(5760, 120, 2535, 1095), QT_TR_NOOP("Frazione apparente"), 0xFF0000,
                           artwork::Picture::SunFigure);

    for (QWidget* button :
         {static_cast<QWidget*>(cmdcalcola), static_cast<QWidget*>(Command1), static_cast<QWidget*>(Option1),
          static_cast<QWidget*>(Option2), static_cast<QWidget*>(Option3)})
        button->setCursor(Qt::ArrowCursor);
}

void TavolaWindow::createMenu()
{
    Ciao = menuBar()->addMenu(tr("Crediti"));
    Tmer = Ciao->addAction(QStringLiteral("Via dei Numeratori 1 - 00000 Borgo Frazione"));
    istituto = Ciao->addAction(QStringLiteral("Istituto Comprensivo Tre Quarti - Borgo Frazione"));
    soft = Ciao->addAction(tr("Orvetta 1.0, programma didattico"));
    // Commands stand in the menu bar itself, so choosing one runs it at once.
    Next = menuBar()->addAction(tr("NUOVA GARA"));
    HELP = menuBar()->addAction(tr("AIUTO"));
}

void TavolaWindow::setTabOrder()
{
    QWidget* const order[] = {cmdExit, cmdNext, txtAnswer, Command1, Text3, cmdcalcola, Option1, Option2, Option3};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TavolaWindow::applyDesignGeometry()
{
    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(QRect(designClientPosition - QPoint(0, menuHeight), designClientSize + QSize(0, menuHeight)));
}

// A screen too small for the design, as at 150% on 1366x768, shrinks it as
// a whole, so that every control stays in sight in its proportions.
bool TavolaWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == surface && event->type() == QEvent::Resize && !surface->size().isEmpty())
        zoomTo(std::min({1.0, double(surface->width()) / designClientSize.width(),
                         double(surface->height()) / designClientSize.height()}));
    return QMainWindow::eventFilter(watched, event);
}

void TavolaWindow::zoomTo(double zoom)
{
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    const auto scaled = [zoom](int design) { return qRound(design * zoom); };
    for (const DesignPlace& place : design_) {
        QFont font = place.font;
        font.setPointSizeF(place.font.pointSizeF() * zoom);
        place.control->setFont(font);
        const QRect& r = place.rect;
        const QPoint topLeft(scaled(r.left()), scaled(r.top()));
        if (auto* label = qobject_cast<Label*>(place.control); label && label->autoSize()) {
            label->move(topLeft);
            label->resize(label->sizeHint());
        } else {
            // From the zoomed edges, so that controls that touch go on touching.
            place.control->setGeometry(QRect(topLeft, QPoint(scaled(r.right() + 1) - 1, scaled(r.bottom() + 1) - 1)));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(place.control))
            button->setIconSize(place.iconSize * zoom);
    }
}

void TavolaWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    emit resized();
}

void TavolaWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        emit resized();
}

void TavolaWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    emit closedByUser();
}

} // namespace orvetta
