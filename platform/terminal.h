#pragma once

namespace platform {

// Whether the process's error stream goes to a terminal, where a line may be redrawn in place.
bool errorStreamIsTerminal();

} // namespace platform
