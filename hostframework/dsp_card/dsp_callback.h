#pragma once

// The host-code handler of the shells this library sets up: for selectors 256..273 it hands the
// shell the routine that runs the matching shell operation on the DSP object of the DSP it is given;
// other selectors get none (0).

#include <cstdint>

std::intptr_t dspCallbackDispatch(std::int32_t selector);
