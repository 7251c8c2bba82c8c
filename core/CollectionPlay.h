#pragma once
// Playing the levels of the collections in the library (levels/CollectionLibrary.h): the level in
// play at any size, New Game on it, its win recorded with the next unsolved level offered, the
// window "Collections" and what is chosen in it, and the last choice remembered.
#include <memory>
#include <string>

#include "core/GameState.h"
#include "core/Services.h"

namespace tolvar {

class Game;
class CollectionLibrary;
struct CollectionLevel;
struct LibraryCollection;

/// The keys of section "Collections" of the settings file: the last choice in the browser.
inline constexpr const char* LastCollectionKey = "Collection";
inline constexpr const char* LastLevelKey = "Level";

class CollectionPlay {
public:
    explicit CollectionPlay(Game& game);
    ~CollectionPlay();
    CollectionPlay(const CollectionPlay&) = delete;
    CollectionPlay& operator=(const CollectionPlay&) = delete;

    /// "Co&llections...": the window "Collections" on the last choice, then the level chosen.
    void Browse();
    /// Adds the collection file at `path` to the library (the same content is the same
    /// collection), tells the player of the levels refused, and opens the browser on it.
    void Open(const std::string& path);
    /// Plays level `choice.number` of the collection or the game's own set from its start, as
    /// chosen in the browser, and remembers the choice. False (after telling the player) when
    /// the collection or the level is no longer there.
    bool Play(const LevelChoice& choice);
    /// The level in play from its start again, for play or for a replay (`mode`).
    void Restart(GameModeValue mode = ModePlayOther);
    /// The level in play is won: the win is recorded, the player told, the next unsolved level offered.
    void Won();

    /// The main window's title: the collection and its level while one is played, else the game's name.
    std::string WindowTitle() const;
    /// "Moves 12  Pushes 3" while a collection level is played, else nothing.
    std::string Counts() const;
    /// The level in play, or null.
    const CollectionLevel* LevelInPlay() const;
    /// The library of the game directory.
    CollectionLibrary& Library();
    /// The collection of the level in play as opened, records included, or null.
    std::shared_ptr<const LibraryCollection> Opened() const { return open_; }
    /// The collection `id` was removed from the library: a level of it in play is no longer recorded.
    void Removed(const std::string& id);

private:
    /// The collection `id` opened, the one opened before kept when it is the same.
    const LibraryCollection* OpenCollection(const std::string& id);
    void Remember(const LevelChoice& choice);
    LevelChoice LastChoice() const;

    Game& game_;
    std::unique_ptr<CollectionLibrary> library_;
    std::shared_ptr<LibraryCollection> open_;  // the collection of the level in play
    int number_ = 0;                           // the level in play, 0 for none
};

}  // namespace tolvar
