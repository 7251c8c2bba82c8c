#pragma once
// Pictures for the help pages.

#include "AboutPictures.h"

#include <vector>

namespace assetgen {

/// objects.png, sceneries.png, characters.png and screen.png for the help folder.
std::vector<NamedPicture> helpPictures();

} // namespace assetgen
