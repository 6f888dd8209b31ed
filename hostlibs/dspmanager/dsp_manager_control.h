#pragma once

// The stand-in DSP manager's controls: the host has none until a test asks for one.

#include <cstdint>
#include <string>
#include <vector>

namespace dspmanager {

void provide(bool present);
// Every call the manager received, by name, in order.
std::vector<std::string> calls();
// The named call ("RegisterConversant", "ActivateConversant", ...) answers this code from now on.
void failCall(const std::string& name, std::int16_t code);
// References the manager holds for others; 0 when every reference handed out came back.
std::int32_t outstandingReferences();
int managerRequests();

} // namespace dspmanager
