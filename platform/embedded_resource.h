#pragma once

// One resource embedded in the module at build time. The table of them is generated from
// resources/resources.list and linked into the plug-in library and the tests.

#include <cstddef>

namespace platform {

struct EmbeddedResource {
    const char* type;
    unsigned id;
    const unsigned char* begin;
    const unsigned char* end;
};

} // namespace platform

// Defined by the generated table; absent from a module that links no resources. Hidden, so that each
// module (the plug-in library, a test program) finds its own table and never another's.
extern "C" [[gnu::visibility("hidden")]] const platform::EmbeddedResource kravoResourceTable[];
extern "C" [[gnu::visibility("hidden")]] const std::size_t kravoResourceCount;
