#pragma once

#include "platform/win_types.h"

#include <cstdint>
#include <string>

// The four numbers of a module file's version; false without a version block.
bool GetModuleVersion(HMODULE module, std::uint16_t numbers[4]);
// The plug-in's own version as "a.b.c.d"; "0.0.0.0" without a block.
std::string GetModuleVersionText();
// The legal notice of the plug-in's own version block; "" without one.
std::string GetModuleLegalText();
