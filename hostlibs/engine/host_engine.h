#pragma once

// The host engine library (HOSTENGINE.DLL) as the plug-in imports it.

#include <cstdint>

extern "C" {

using PlugInOpenProc = std::int16_t (*)();
using PlugInCloseProc = std::int16_t (*)();

// The host calls the open procedure when it wants the plug-in and the close procedure when it is done.
void SetPlugInOpenAndCloseProcs(PlugInOpenProc open, PlugInCloseProc close);
using SetPlugInOpenAndCloseProcsFunction = void (*)(PlugInOpenProc open, PlugInCloseProc close);

} // extern "C"
