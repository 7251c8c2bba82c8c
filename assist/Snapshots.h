#pragma once
// Snapshots: the player keeps the position of a level of the set or an other level left
// unfinished (the moves made from its start) and comes back to it later, even in another game.
// One snapshot a level, kept in the records file of its group beside its record
// (levels/LevelRecords.h); keeping another replaces it.
namespace tolvar {

class Game;

class Snapshots {
public:
    explicit Snapshots(Game& game) : game_(game) {}
    /// "&Keep Snapshot": the moves made so far become the level's snapshot.
    void Keep();
    /// "Back to S&napshot": the level starts again and the snapshot's moves are made, each as
    /// a move of the player's (counted, and taken back with Take Back).
    void Return();
    /// Both work while a level of the set or an other level is played.
    bool CanUse() const;

private:
    Game& game_;
};

}  // namespace tolvar
