#pragma once
// A replay that plays by itself: "&Trace" pressed for the player at a chosen speed until the
// replay ends, the player pauses it, or takes over the position.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tolvar {

/// The setting of section "Assist" that keeps the speed, in steps a second.
inline constexpr const char* ReplaySpeedKey = "ReplaySpeed";

class AutoReplay {
public:
    /// The speeds offered, in steps a second: from slow enough to follow up to a fast forward.
    static constexpr std::array<int, 4> StepsPerSecond{3, 8, 20, 60};
    static constexpr int DefaultSpeed = 1;

    /// Plays the replay of the level `level` (the session's token) on.
    void Play(std::uint64_t level)
    {
        playing_ = true;
        level_ = level;
    }
    void Pause() { playing_ = false; }
    bool Playing() const { return playing_; }
    /// The replay of `level` has played by itself: the arrow keys take it over.
    bool PlayedOn(std::uint64_t level) const { return level_ == level; }

    int speed() const { return speed_; }
    void SetSpeed(int index);
    /// The pause between two steps, in milliseconds.
    int Interval() const { return 1000 / StepsPerSecond[static_cast<std::size_t>(speed_)]; }
    /// The speed a stored setting names; the default for anything else.
    static int SpeedOf(const std::optional<std::string>& stored);

private:
    bool playing_ = false;
    std::optional<std::uint64_t> level_;
    int speed_ = DefaultSpeed;
};

}  // namespace tolvar
