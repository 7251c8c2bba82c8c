#pragma once
// A look at the head of a sound file before it is handed to the player: a file
// that is no plain WAV would otherwise make Qt print a decoding warning, and
// the game's effects are silent when they cannot play.
#include <string>
#include <string_view>

namespace tolvar::audio {

/// True when `head` (the first bytes of a file) is a RIFF WAVE with an
/// uncompressed or float "fmt " chunk followed by its "data" chunk.
bool LooksLikePlayableWave(std::string_view head);

/// Reads the head of the file and checks it; false when it cannot be read.
bool FileLooksLikePlayableWave(const std::string& path);

}  // namespace tolvar::audio
