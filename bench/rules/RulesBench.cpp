// The costs a player feels: one move with its drawing, one tick of the goal animation,
// and drawing a whole level, all on the real drawing code at the designed window size.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>

#include "assist/Assist.h"
#include "assist/DeadBoxes.h"
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

// One move per iteration, to and fro along the board's middle row, `span` moves each way.
void WalkToAndFro(TestGame& t, benchmark::State& state, int span = 17)
{
    bool right = true;
    int steps = 0;
    for (auto _ : state) {
        t->HandleKey(right ? tolvar::VK_RIGHT : tolvar::VK_LEFT, 0);
        if (++steps == span) {
            steps = 0;
            right = !right;
        }
    }
}

void MoveAcrossTheBoard(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    WalkToAndFro(t, state);
}
BENCHMARK(MoveAcrossTheBoard)->Unit(benchmark::kMicrosecond);

// The same walk with the Assist menu watching each move, as in the game: the fair measure
// for taking back and redoing below.
void MoveWithTheAssistWatching(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    tolvar::Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    WalkToAndFro(t, state);
}
BENCHMARK(MoveWithTheAssistWatching)->Unit(benchmark::kMicrosecond);

// The check for boxes past saving that follows every push: sixteen boxes off their goals.
void DeadBoxCheck(benchmark::State& state)
{
    std::string text = BusyLevel();
    std::replace(text.begin(), text.end(), '5', '4');
    const tolvar::Grid board = tolvar::ReadGrid(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(tolvar::DeadBoxes(board));
}
BENCHMARK(DeadBoxCheck)->Unit(benchmark::kMicrosecond);

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

// Taking a move back and making it again, per operation: compare with a move above.
void TakeBackThenRedo(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    tolvar::Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    t->HandleKey(tolvar::VK_RIGHT, 0);
    for (auto _ : state) {
        assist.TakeBack();
        assist.Redo();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(TakeBackThenRedo)->Unit(benchmark::kMicrosecond);

// A corridor winding through the whole board: 115 steps from one end to the other.
std::string WindingLevel()
{
    std::string text(280, '1');
    for (int x = 1; x <= 17; x += 2)
        for (int y = 1; y <= 12; ++y)
            text[static_cast<std::size_t>(y * 20 + x)] = '2';
    for (int x = 2; x <= 16; x += 2)
        text[static_cast<std::size_t>((x % 4 == 2 ? 12 : 1) * 20 + x)] = '2';
    text[1 * 20 + 1] = '6';
    text[1 * 20 + 18] = '3';  // a goal out of the way, so the level is not won
    text[2 * 20 + 18] = '4';
    text[3 * 20 + 18] = '2';
    return text;
}

// A mouse walk there and back again (230 moves shown one at a time): the longest the GUI thread
// is busy in one go, a click with its path search or one shown move, in milliseconds.
void MouseWalkLongestStretch(benchmark::State& state)
{
    TestGame t({WindingLevel()});
    tolvar::Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    using Clock = std::chrono::steady_clock;
    double longest = 0, longestCpu = 0;  // wall time, and this thread's own time on a busy machine
    std::size_t moves = 0;
    const auto cpuNow = [] {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
    };
    const auto timed = [&](auto&& call) {
        const auto start = Clock::now();
        const double cpu = cpuNow();
        call();
        longest = std::max(longest, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        longestCpu = std::max(longestCpu, cpuNow() - cpu);
    };
    for (auto _ : state) {
        for (const int x : {17, 1}) {
            const int y = x == 17 ? 12 : 1;
            timed([&] { assist.MouseDown(1, 0, x * 32 + 16, y * 32 + 16); });
            moves += assist.playback().Left();
            while (assist.playback().Active())
                timed([&] { assist.tmr_Walk_Timer(); });
        }
    }
    state.counters["longest_ms"] = longest;
    state.counters["longest_cpu_ms"] = longestCpu;
    state.counters["moves_per_walk"] = static_cast<double>(moves) / static_cast<double>(state.iterations() * 2);
}
BENCHMARK(MouseWalkLongestStretch)->Unit(benchmark::kMillisecond)->Iterations(5);

// The search behind a click that sends a box across a full board.
void BoxPathAcrossTheBoard(benchmark::State& state)
{
    tolvar::Grid board = tolvar::ReadGrid(BusyLevel());
    board(1, 6) = tolvar::Floor;  // the man's start, where he stands
    for (auto _ : state) {
        auto way = tolvar::BoxPath(board, {1, 6}, {2, 3}, {17, 12});
        benchmark::DoNotOptimize(way);
    }
}
BENCHMARK(BoxPathAcrossTheBoard)->Unit(benchmark::kMillisecond);

// A level of 45 x 40, drawn at 8 pixels a cell: walls round the edge, 200 boxes on goals in
// five bands, the man in the middle row, which is free from wall to wall.
tolvar::Grid LargeLevel()
{
    tolvar::Grid g(45, 40);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g(x, y) = (x == 0 || y == 0 || x == 44 || y == 39) ? tolvar::Wall : tolvar::Floor;
    for (const int y : {4, 10, 16, 26, 34})
        for (int x = 2; x < 42; ++x)
            g(x, y) = tolvar::BoxOnGoal;
    return g;
}

void MoveOnALargeLevel(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    tolvar::Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    t->ShowLevelOfAnySize(LargeLevel(), tolvar::Cell{2, 20}, tolvar::ModePlayOther, 1);
    WalkToAndFro(t, state, 40);
}
BENCHMARK(MoveOnALargeLevel)->Unit(benchmark::kMicrosecond);

void ShowALargeLevel(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    for (auto _ : state)
        t->ShowLevelOfAnySize(LargeLevel(), tolvar::Cell{2, 20}, tolvar::ModePlayOther, 1);
}
BENCHMARK(ShowALargeLevel)->Unit(benchmark::kMicrosecond);

void GoalTimerTickOnALargeLevel(benchmark::State& state)
{
    TestGame t({BusyLevel()});
    t->ShowLevelOfAnySize(LargeLevel(), tolvar::Cell{2, 20}, tolvar::ModePlayOther, 1);
    for (auto _ : state)
        t->tmr_Goal_Timer();
}
BENCHMARK(GoalTimerTickOnALargeLevel)->Unit(benchmark::kMicrosecond);

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
