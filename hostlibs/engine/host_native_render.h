#pragma once

// What the host's real-time engine hands an instance's render entry once per cycle, and what it
// answers about native rendering. The layouts are the host's; the plug-in reads only these fields.

#include <cstdint>

// The instance as the engine keeps it: the process that renders (as the instance's data block gives
// it), its channel counts (the input count without the side input) and two flags.
struct SHostNativeInstance {
    void* process;
    std::int32_t inputCount;
    std::int32_t outputCount;
    std::uint8_t hasSideInput;
    // Set when the context carries the block's length; otherwise a block is 32 frames.
    std::uint8_t hasBlockLength;
};

// The cycle: its length in frames, and a buffer the engine reads instead of an output the
// instance could not fill.
struct SHostNativeContext {
    std::int32_t blockLength;
    float* replacementOutput;
};

// The instance, then one channel pointer cell per input (the side input last) and per output.
struct SHostNativeRender {
    SHostNativeInstance* instance;
    float** cells;
};

using HostNativeRenderEntry = std::int32_t (*)(void* render, void* context);

extern "C" {

// The connections the host lists beside an instance's own channels: their number, and for each its
// channel format and whether it is active; -1 for an index the host does not list.
std::int32_t HostCountAuxConnections(const void* process);
std::int16_t HostGetAuxConnection(const void* process, std::int32_t index, std::int32_t* format,
                                  std::uint8_t* active);

// The longest block the engine renders natively, behind the capability 'vqta'.
std::int32_t HostGetMaximumNativeQuantum();
using HostGetMaximumNativeQuantumFunction = std::int32_t (*)();

} // extern "C"
