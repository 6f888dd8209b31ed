#pragma once

// Pictures as 8-bit RGBA PNG files, with nothing in them that changes from run to run.

#include "resources/editor_art/canvas.h"

#include <string>
#include <vector>

namespace editor_art {

using Bytes = std::vector<unsigned char>;

// A fault in libpng ends the program; a file that cannot be written throws std::runtime_error.
Bytes encodePng(const Canvas& canvas);
void writeFile(const std::string& path, const Bytes& bytes);

} // namespace editor_art
