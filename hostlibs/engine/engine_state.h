#pragma once

// Shared by the stand-in engine's units.

namespace hostengine {

// Records the capability query for the object server; true when it is offered.
bool answerObjectServerGestalt();

} // namespace hostengine
