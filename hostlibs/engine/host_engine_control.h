#pragma once

// The stand-in host engine's controls, for the stand-in host and tests.

#include <cstdint>

namespace hostengine {

// GetProcAddress finds none of the withheld names, as with an older host.
void withhold(const char* name);
void offerEverything();

// The procedures a plug-in library registered, called as the host would; -1 when none is registered.
bool hasOpenAndCloseProcs();
std::int16_t openPlugIn();
std::int16_t closePlugIn();
void forgetOpenAndCloseProcs();

} // namespace hostengine
