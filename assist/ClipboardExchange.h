#pragma once
// Levels and solutions as players exchange them, through the desktop's clipboard: "Copy Level"
// writes the level on the board in the common text format and its best solution; "Paste" replays
// moves on the level on the board, or adds a level or a whole collection to the library. A
// collection is read and added on a thread of its own, so the game's thread is never held long.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "assist/GuiThread.h"
#include "levels/CollectionLibrary.h"

namespace tolvar {

class Game;

class ClipboardExchange {
public:
    ClipboardExchange(Game& game, GuiThreadPort& gui) : game_(game), gui_(gui) {}
    /// Waits for a collection still being added.
    ~ClipboardExchange();
    ClipboardExchange(const ClipboardExchange&) = delete;
    ClipboardExchange& operator=(const ClipboardExchange&) = delete;

    /// "Copy Level": the level on the board as stored, in the common text format, then its best
    /// solution by moves in l u r d letters when it has a record.
    void CopyLevel();
    /// "Paste": what the clipboard holds (levels/PasteText.h), each answered in a message when
    /// it cannot be used: moves that solve the level on the board are replayed as a stored
    /// solution is; levels are added to the library as a collection named for the paste.
    void Paste();
    /// A pasted collection is being added.
    bool Adding() const { return adding_; }
    /// The name a paste gives its collection; the clock's "Pasted 2026-12-08 07:10" unless a test sets it.
    std::function<std::string()> pasteName;
    /// Hears of a collection added, on the game's thread (after the message), with the number
    /// of its first level: the level is then played where the game can.
    std::function<void(const std::string& id, int firstLevel)> added;

private:
    void ReplayPasted(const std::string& moves);
    void AddPasted(std::string text, std::string moves);
    /// On the game's thread: says what adding did.
    void Report(const AddedCollection& result, int firstLevel, bool solutionKept);

    Game& game_;
    GuiThreadPort& gui_;
    std::thread thread_;
    bool adding_ = false;
    std::shared_ptr<ClipboardExchange*> self_ = std::make_shared<ClipboardExchange*>(this);  // reports check it is alive
};

}  // namespace tolvar
