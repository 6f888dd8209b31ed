#pragma once

#include <cstdint>

// Whether the host's key map has the key down: bit (code mod 8) of byte (code div 8).
bool IsKeyDown(std::int16_t keyCode);
bool isOptionKeyDown();
bool IsCommandKeyDown();
bool IsShiftKeyDown();
bool IsControlKeyDown();
