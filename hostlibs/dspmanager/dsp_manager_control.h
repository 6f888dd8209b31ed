#pragma once

// The stand-in DSP manager's controls: the host has none until a test asks for one.

#include <cstdint>

namespace dspmanager {

void provide(bool present);
// References the manager holds for others; 0 when every reference handed out came back.
std::int32_t outstandingReferences();
int managerRequests();

} // namespace dspmanager
