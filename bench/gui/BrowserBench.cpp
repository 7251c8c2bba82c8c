// The window "Collections" over a collection of 20,000 levels: adding the file to the library and
// opening it, the window's first paint with the collection chosen, its levels shown once opened
// on a thread of its own (their thumbnails drawn), and
// scrolling through every level a page at a time and by jumps, each step painted at once. Prints
// the times in milliseconds; targets: open < 1000, first paint < 200, every scroll step < 16.
//   QT_QPA_PLATFORM=offscreen build/bin/browser_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

#include "app/CollectionsWindow.h"
#include "fakes/TestGame.h"
#include "levels/CollectionLibrary.h"

namespace {

/// 20,000 rooms of 6 x 5 to 25 x 17 cells, each with a few boxes and goals.
std::string BigCollection()
{
    std::mt19937 dice(7);
    std::string text = "Title: Twenty Thousand Rooms\nAuthor: Bench\n\n";
    for (int n = 1; n <= 20000; ++n) {
        const int w = 6 + static_cast<int>(dice() % 20), h = 5 + static_cast<int>(dice() % 13);
        text += "; Room " + std::to_string(n) + "\n";
        for (int y = 0; y < h; ++y) {
            std::string row(static_cast<std::size_t>(w), ' ');
            row.front() = row.back() = '#';
            if (y == 0 || y == h - 1)
                row.assign(static_cast<std::size_t>(w), '#');
            else if (y == 1)
                row[1] = '@', row[2] = '$', row[3] = '.';
            else if (y == h / 2 && w > 5)
                row[w / 2] = '*';
            text += row + "\n";
        }
        text += "\n";
    }
    return text;
}

double Ms(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tolvar::testing::TestGame t({tolvar::testing::Level({"11111", "16241", "11111"})});
    const std::string text = BigCollection();
    QElapsedTimer clock;
    clock.start();
    const tolvar::AddedCollection added = t->collection.Library().AddText(text, "rooms.txt");
    const double adding = Ms(clock);
    clock.restart();
    const auto opened = t->collection.Library().Open(added.summary->id, nullptr);
    std::printf("add 20,000 levels: %.1f ms; open: %.1f ms (%zu levels)\n", adding, Ms(clock), opened->levels.size());

    // The library's first collection leaves its index to the first listing, which reads it whole.
    clock.restart();
    t->collection.Library().List();
    std::printf("first listing of a new library: %.1f ms\n", Ms(clock));

    clock.restart();
    tolvar::CollectionsWindow window(*t, {added.summary->id, 1});
    window.show();
    QApplication::processEvents();
    window.LevelView()->viewport()->repaint();
    std::printf("first paint: %.1f ms\n", Ms(clock));
    while (window.LevelView()->model()->rowCount() < 20000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.LevelView()->viewport()->repaint();
    std::printf("its 20,000 levels shown (opened apart from the window's thread): %.1f ms\n", Ms(clock));

    QScrollBar* bar = window.LevelView()->verticalScrollBar();
    double longest = 0, total = 0;
    int steps = 0;
    const auto scrollTo = [&](int value) {
        clock.restart();
        bar->setValue(value);
        window.LevelView()->viewport()->repaint();
        QApplication::processEvents();
        const double ms = Ms(clock);
        longest = std::max(longest, ms);
        total += ms;
        ++steps;
    };
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep())
        scrollTo(value);
    std::printf("scroll a page at a time: %d steps, longest %.2f ms, mean %.3f ms\n", steps, longest, total / steps);
    longest = total = 0;
    steps = 0;
    std::mt19937 dice(11);
    for (int i = 0; i < 500; ++i)
        scrollTo(static_cast<int>(dice() % static_cast<unsigned>(bar->maximum() + 1)));
    std::printf("scroll by jumps: %d steps, longest %.2f ms, mean %.3f ms\n", steps, longest, total / steps);
    return 0;
}
