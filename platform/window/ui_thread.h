#pragma once

// The window calls belong to one user-interface thread: the thread a test names, or else the one that
// makes the first window. Debug builds assert it on every call; release builds do not check.

namespace platform {

// Names the calling thread as the user-interface thread.
void setUserInterfaceThread();

} // namespace platform

namespace platform::window {

// For the window stand-in's calls.
void checkThread();
// The first window made claims the thread when none is named yet.
void claimThread();
void forgetThread();

} // namespace platform::window
