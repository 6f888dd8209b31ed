#pragma once

// Test switches that make the next creation of a kind fail, as it can on a system short of resources,
// so that tests can walk the failure paths of the code that creates them.

namespace platform {

// The next CreateWindowExA answers null.
void failNextWindowCreation();
// The next CreateCompatibleBitmap answers null.
void failNextCompatibleBitmap();

// The stand-ins' side: true once after the switch was set, clearing it.
bool takeWindowCreationFailure();
bool takeCompatibleBitmapFailure();

} // namespace platform
