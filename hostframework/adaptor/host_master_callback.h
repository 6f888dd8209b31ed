#pragma once

// The host side of the plug-in object's one callback: the plug-in asks its host for the version,
// its ID, the time, the rate and the texts, and hands its own parameter changes (automation) over,
// which become the matching host controls' values.

#include "plugin/base/plug_types.h"

#include <cstdint>

PlugIntPtr hostMasterCallback(PluginRecord* effect, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                              void* ptr, float opt);

// The plug-in's dispatcher; 0 without a record.
PlugIntPtr CallPlugInDispatcher(PluginRecord* record, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                                void* ptr, float opt);
