#pragma once

// The debug output channel: lines for a developer, which the users of a host never see. Here they go
// to the error stream only when the environment variable KRAVO_DEBUG_OUTPUT is set to something, or
// once a test has asked for them.

namespace platform {

void debugOutput(const char* text);
// Shows (or hides again) the channel whatever the environment says.
void showDebugOutput(bool shown);

} // namespace platform
