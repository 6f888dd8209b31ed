#include "engine/samples/factory_samples.h"

#include <algorithm>

namespace samples {

namespace {

std::int16_t littleEndian16(const unsigned char* p)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

} // namespace

void FactorySamples::setSampleEntry(int index, float length, std::uint8_t stereo)
{
    if (index < 0 || index >= kEntries)
        return;
    entries_[index] = Entry{length, 1.0f, stereo};
}

bool FactorySamples::loadSampleResource(int slot, int entry, const unsigned char* bytes, std::size_t size)
{
    if (slot < 0 || slot >= kSlots || entry < 0 || entry >= kEntries || bytes == nullptr)
        return false;
    const Entry& e = entries_[entry];
    const std::size_t frameBytes = e.stereo ? 4 : 2;
    const auto wanted = e.length > 0.0f ? static_cast<std::size_t>(e.length) : 0;
    const std::size_t frames =
        std::min({wanted, size / frameBytes, static_cast<std::size_t>(factory_samples::kLongestFrames)});
    if (frames == 0)
        return false;
    Slot& s = slots_[slot];
    // A voice still reading the old copy never passes the shorter of the two lengths.
    s.frames.store(std::min(static_cast<std::int32_t>(frames), s.frames.load(std::memory_order_relaxed)),
                   std::memory_order_relaxed);
    if (e.stereo) {
        for (std::size_t i = 0; i < frames; ++i) {
            s.stereoFrames[i][0] = littleEndian16(bytes + 4 * i);
            s.stereoFrames[i][1] = littleEndian16(bytes + 4 * i + 2);
        }
    } else {
        for (std::size_t i = 0; i < frames; ++i)
            s.monoFrames[i] = littleEndian16(bytes + 2 * i);
    }
    s.stereo.store(e.stereo ? 1 : 0, std::memory_order_relaxed);
    s.entry.store(entry, std::memory_order_relaxed);
    s.frames.store(static_cast<std::int32_t>(frames), std::memory_order_relaxed);
    return true;
}

} // namespace samples
