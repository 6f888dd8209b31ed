#pragma once

// The host side of the plug-in object's one callback: the plug-in asks its host for the version,
// its ID, the time, the rate and the texts, and hands its own parameter changes (automation) over,
// which become the matching host controls' values.

#include "plugin/base/plug_types.h"

#include <cstdint>

PlugIntPtr hostMasterCallback(PluginRecord* effect, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                              void* ptr, float opt);

// A value in the range as a host control value, in single precision as the plug-in's parameters
// are: the range's ends map to the host's lowest and highest values.
std::int32_t FloatToHostInteger(float value, float minimum, float maximum);

// The plug-in's dispatcher; 0 without a record.
PlugIntPtr CallPlugInDispatcher(PluginRecord* record, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                                void* ptr, float opt);
