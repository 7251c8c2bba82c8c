// A hint from the start of every shipped level: the time to the first push (median and
// slowest). Then, on the level whose hint took longest, the longest stretch the game's
// thread is busy in one go while the hint is searched on the worker thread and answered: a
// 1 ms timer on the game's thread, the goal animation ticking as in play; a frame lasts 16 ms.
//   QT_QPA_PLATFORM=offscreen build/bench/assist/hint_bench
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/QtGuiThread.h"
#include "assist/Hints.h"
#include "assist/SolverHelp.h"
#include "fakes/TestGame.h"

namespace {

using namespace tolvar;

std::vector<std::string> ShippedLevels()
{
    std::ifstream in(TOLVAR_SHIPPED_SET, std::ios::binary);
    const std::string set((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> levels;
    for (std::size_t at = 0; at + CellCount <= set.size(); at += CellCount)
        levels.push_back(set.substr(at, CellCount));
    return levels;
}

/// The seconds a hint takes from the level's start, as the game asks for it.
double HintSeconds(const std::string& text, HintKind& kind)
{
    Position start;
    start.board = ReadGrid(text);
    const int man = static_cast<int>(text.find('6'));
    start.manX = man % BoardWidth;
    start.manY = man / BoardWidth;
    start.board(start.manX, start.manY) = Floor;
    const auto t0 = std::chrono::steady_clock::now();
    HintBook book;
    kind = book.Answer(start, solver::Solve(AskFor(start), {.seconds = HelpSeconds}, HelpOptions())).kind;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

/// The longest gap between two runs of a 1 ms timer while a hint on `text` is searched and played.
double LongestBusyMs(const std::string& text)
{
    testing::TestGame t({text});
    QtGuiThread gui;
    bool answered = false;
    Gate gate(t->session());
    SolverHelp help(*t, gui, gate, [&](const std::string& moves) { t.Play(moves); answered = true; });
    QTimer beat, goal;
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        if (answered || !help.Searching())
            QCoreApplication::quit();
    });
    QObject::connect(&goal, &QTimer::timeout, [&] { t->tmr_Goal_Timer(); });
    beat.start(1);
    goal.start(100);
    clock.start();
    help.Hint();
    QCoreApplication::exec();
    return static_cast<double>(longest) / 1e6 - 1.0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::vector<std::string> levels = ShippedLevels();
    std::vector<double> seconds;
    std::size_t slowest = 0;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        HintKind kind = HintKind::NotFound;
        seconds.push_back(HintSeconds(levels[i], kind));
        if (seconds[i] > seconds[slowest])
            slowest = i;
        std::printf("level %2zu  %7.3f s  %s\n", i + 1, seconds[i], kind == HintKind::Moves ? "push" : "NO HINT");
    }
    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    std::printf("hints from the start of %zu levels: median %.3f s, slowest %.3f s (level %zu)\n", sorted.size(),
                sorted[sorted.size() / 2], sorted.back(), slowest + 1);
    std::printf("longest busy stretch of the game's thread during a hint on level %zu: %.2f ms\n", slowest + 1,
                LongestBusyMs(levels[slowest]));
    return 0;
}
