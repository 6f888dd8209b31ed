#pragma once

// The identity of a plug-in instance or type: five words copied whole and reported in order. An
// instance made by a type carries its instance handle in the last word.

#include <cstdint>

struct SPlugInID {
    std::uintptr_t words[5];
};
