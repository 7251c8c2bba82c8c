#pragma once
// Pictures for the help pages.

#include "AboutPictures.h"

#include <vector>

namespace assetgen {

/// objects.png, sceneries.png, characters.png, screen.png, editbar.png, trace.png,
/// deadbox.png and collections.png for the help folder.
std::vector<NamedPicture> helpPictures();

} // namespace assetgen
