#pragma once

namespace kravo {

constexpr int kMaxProgramNameLength = 24;

// Cuts a program name in place: at most 24 characters, ending before the first byte outside 32..127.
void truncateProgramName(char* name);

} // namespace kravo
