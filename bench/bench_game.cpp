// SPDX-License-Identifier: GPL-3.0-or-later
// The game under measurement, started as the tests start it, its boxes scripted.
//   bench_game answers COUNT   time per answer at the design size and at 1920x1080
//   bench_game startup         exits once the first question is on screen
//   bench_game memory A B      VmHWM and VmRSS after A and after B answers
#include "bench_memory.h"
#include "game_fixture.h"
#include "window/desktop_style.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace orvetta;
using namespace orvetta::bench;
using namespace orvetta::testing;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// One answer as the player gives it, with the new question painted at once:
// what changed on screen, or the whole window with its 256 bands.
void answer(TavolaWindow& w, OptionButton* button, bool wholeWindow = false)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    if (wholeWindow)
        w.surface->repaint();
    QCoreApplication::processEvents();
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())));
    return values[index];
}

int timeAnswers(int count)
{
    const QSize clientSizes[] = {TavolaWindow::designClientSize, QSize(1920, 1080)};
    for (const QSize& client : clientSizes) {
        const Game game;
        TavolaWindow& w = game.w();
        w.showNormal();
        w.applyDesignGeometry();
        if (client != TavolaWindow::designClientSize)
            w.resize(client + QSize(0, w.height() - w.surface->height()));
        if (!QTest::qWaitForWindowExposed(&w))
            return 2;
        QCoreApplication::processEvents();
        if (w.surface->size() != client) {
            std::fprintf(stderr, "client area is %dx%d, not %dx%d\n", w.surface->width(), w.surface->height(),
                         client.width(), client.height());
            return 2;
        }

        PaintCounter paints;
        w.surface->installEventFilter(&paints);
        for (int i = 0; i < count / 10; ++i)
            answer(w, w.Option2);
        for (const bool wholeWindow : {false, true}) {
            const int answersBefore = game.state().nEsatte + game.state().nErrate;
            paints.count = 0;
            std::vector<double> micros;
            micros.reserve(static_cast<size_t>(count));
            for (int i = 0; i < count; ++i) {
                const auto start = std::chrono::steady_clock::now();
                answer(w, w.Option2, wholeWindow);
                const auto end = std::chrono::steady_clock::now();
                micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
            }
            const int judged = game.state().nEsatte + game.state().nErrate - answersBefore;
            if (judged != count || paints.count < count) {
                std::fprintf(stderr, "%d answers judged and %d paintings for %d clicks\n", judged, paints.count, count);
                return 2;
            }
            std::printf("%s %dx%d %d %.1f %.1f\n", wholeWindow ? "repaint" : "answer", client.width(), client.height(),
                        count, percentile(micros, 0.5), percentile(micros, 0.95));
            std::fflush(stdout);
        }
        w.surface->removeEventFilter(&paints);
    }
    return 0;
}

int startUp()
{
    const Game game;
    TavolaWindow* w = &game.w();
    PaintCounter numerator, denominator;
    w->txtAnswer->installEventFilter(&numerator);
    w->Text3->installEventFilter(&denominator);
    if (!QTest::qWaitForWindowExposed(w))
        return 2;
    if (!QTest::qWaitFor([&] { return numerator.count > 0 && denominator.count > 0; }, 5000))
        return 2;
    return w->txtAnswer->text().isEmpty() || w->Text3->text().isEmpty() ? 2 : 0;
}

int measureMemory(int first, int second)
{
    const Game game;
    TavolaWindow& w = game.w();
    if (!QTest::qWaitForWindowExposed(&w))
        return 2;
    OptionButton* const options[] = {w.Option1, w.Option2, w.Option3};
    for (int i = 1; i <= second; ++i) {
        answer(w, options[i % 3]);
        if (i == first || i == second) {
            const Memory m = memoryNow();
            std::printf("memory %d %ld %ld\n", i, m.peakKb, m.residentKb);
            std::fflush(stdout);
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvetta"));
    QApplication::setQuitOnLastWindowClosed(false);
    prepareDesktop();

    const QStringList args = QApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("answers") && args.size() == 3)
        return timeAnswers(args[2].toInt());
    if (mode == QLatin1String("startup") && args.size() == 2)
        return startUp();
    if (mode == QLatin1String("memory") && args.size() == 4)
        return measureMemory(args[2].toInt(), args[3].toInt());
    std::fprintf(stderr, "usage: bench_game answers COUNT | startup | memory A B\n");
    return 64;
}
