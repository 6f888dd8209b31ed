#pragma once

// Shared by the stand-in engine's units.

#include <cstdint>

namespace hostengine {

// Records the capability query for the object server; true when it is offered.
bool answerObjectServerGestalt();
// The connection capabilities: true with the answer for 'cmvc' and 'prec', false for other selectors.
bool answerConnectionGestalt(std::uint32_t selector, std::intptr_t* answer);
// The capabilities a test set: true with the answer for a selector it set.
bool answerCapability(std::uint32_t selector, std::intptr_t* answer);

} // namespace hostengine
