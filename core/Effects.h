#pragma once
// The sound effects, by the names of their files in the game directory.
#include <array>

namespace tolvar {

inline constexpr const char* EffectPush = "BOXMOVE.WAV";    // a box pushed
inline constexpr const char* EffectOnGoal = "BOXGOAL.WAV";  // a box pushed onto a goal
inline constexpr const char* EffectWin = "BOXWIN.WAV";      // a level won
inline constexpr const char* EffectUndo = "BOXUNDO.WAV";    // a push taken back, a warning, a way that does not exist
/// Every effect, for a player that decodes them once at start-up.
inline constexpr std::array<const char*, 4> AllEffects{EffectPush, EffectOnGoal, EffectWin, EffectUndo};

}  // namespace tolvar
