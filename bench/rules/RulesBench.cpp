// The costs a player feels: one move with its drawing, one tick of the goal animation,
// and drawing a whole level, all on the real drawing code at the designed window size.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "fakes/TestGame.h"

namespace {

using tolvar::testing::Level;
using tolvar::testing::TestGame;

// A full board: walls round the edge, boxes on goals in a band, a long corridor to walk.
std::string BusyLevel()
{
    std::string text(280, '2');
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 20; ++x)
            if (x == 0 || y == 0 || x == 19 || y == 13)
                text[static_cast<std::size_t>(y * 20 + x)] = '1';
    for (int x = 2; x < 18; ++x) {
        text[static_cast<std::size_t>(3 * 20 + x)] = '5';
        text[static_cast<std::size_t>(10 * 20 + x)] = '3';
    }
    text[6 * 20 + 1] = '6';
    return text;
}

void MoveAcrossTheBoard(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    bool right = true;
    int steps = 0;
    for (auto _ : state) {
        t->HandleKey(right ? tolvar::VK_RIGHT : tolvar::VK_LEFT, 0);
        if (++steps == 17) {
            steps = 0;
            right = !right;
        }
    }
}
BENCHMARK(MoveAcrossTheBoard)->Unit(benchmark::kMicrosecond);

void GoalTimerTick(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    for (auto _ : state)
        t->tmr_Goal_Timer();
}
BENCHMARK(GoalTimerTick)->Unit(benchmark::kMicrosecond);

void ShowWholeLevel(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    for (auto _ : state)
        t->ShowLevel();
}
BENCHMARK(ShowWholeLevel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
