#pragma once

#include <cstdint>

// Unmask (enable) or mask (disable) the denormal-operand and underflow exceptions of the calling
// thread; each returns the control word as it was, so a caller can put it back.
std::uint32_t EnableFloatTraps();
std::uint32_t DisableFloatTraps();
