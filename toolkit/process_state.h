#pragma once

// What the toolkit keeps for the whole process, set from outside its drawing code: the knob mode that
// the host chooses through the editor, and whether the system swaps the mouse buttons, read when the
// frame registers its window class.

#include <cstdint>

namespace Toolkit {

extern std::int32_t knobMode;
extern bool swapButtons;

// Takes the system's swap-mouse-buttons setting as it is now.
void readSwapButtons();

} // namespace Toolkit
