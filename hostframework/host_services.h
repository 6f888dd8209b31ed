#pragma once

// The framework's small uses of the host's libraries.

#include "hostlibs/engine/host_engine.h"
#include "hostlibs/extension/host_extension.h"

#include <cstdint>

// The host's lock service, asked for until the host answers; null where it has none.
IHostLockService* GetHostLockService();
// The engine's object through the engine's run-time lookup; -1 when the engine or the function is missing.
std::int32_t GetEngineUnknown(IEngineUnknown** engine);

// Busy-waits until the host's time counter has moved `count` on; the last low word read.
std::uint32_t WaitTicks(std::uint32_t count);
// A handle and the block it holds must both be there and even; a bad one is reported to the
// host's debugger.
bool IsValidHandle(HostHandle handle);
// Formats into a line of at most 255 characters for the DSP shell's debug print.
void DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Sends (0, 1002, 4, value) to every 'PrgL' client of the DSP shell that has a message port; stops at
// the first error (-1 counts as success) and answers it.
std::int16_t SendToPrgLClients(std::int32_t value);
