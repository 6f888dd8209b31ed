#pragma once

// What tests and headless runs use of the menu stand-in beyond the calls of the program.

#include <cstddef>

namespace platform {

// The menus not destroyed yet.
std::size_t menuCount();

// Back to the start: no menus (gone without a word), nothing recorded, no choices queued, the script
// as the chooser.
void resetMenus();

} // namespace platform
