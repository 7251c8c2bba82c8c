#include "Music.h"

namespace assetgen {

std::vector<NamedTune> musicPieces()
{
    return {{"TOLVAR3.MID", cheerfulPiece()}, {"TOLVAR2.MID", calmPiece()}};
}

} // namespace assetgen
