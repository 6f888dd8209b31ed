#pragma once

// Each thread that uses drag and drop or creates components initialises the component library first,
// once per user, and uninitialises it as often.

#include "platform/ole/com_base.h"

// S_OK for the thread's first initialisation, S_FALSE for every further one; E_INVALIDARG when the
// reserved argument is not null.
HRESULT OleInitialize(void* reserved);
// One initialisation fewer; without any left it does nothing.
void OleUninitialize();

namespace platform {

// The calling thread's initialisations not yet undone.
int oleInitializeCount();

} // namespace platform
