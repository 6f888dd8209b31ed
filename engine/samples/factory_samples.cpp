#include "engine/samples/factory_samples.h"

#include <algorithm>

namespace samples {

namespace {

constexpr float kFullScale = 32768.0f;

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

void FactorySamples::read(int slot, float position, float lastFrame, float& left, float& right) const
{
    const Slot& s = slots_[slot];
    const std::int32_t frames = s.frames.load(std::memory_order_relaxed);
    left = 0.0f;
    right = 0.0f;
    if (frames <= 0 || !(position >= 0.0f))
        return;
    const auto last = std::min(static_cast<std::int32_t>(std::max(lastFrame, 0.0f)), frames - 1);
    const auto i0 = std::min(static_cast<std::int32_t>(position), frames - 1);
    const std::int32_t i1 = i0 + 1 > last ? i0 : i0 + 1;
    const float frac = position - static_cast<float>(i0);
    if (s.stereo.load(std::memory_order_relaxed)) {
        const std::int16_t* a = s.stereoFrames[i0];
        const std::int16_t* b = s.stereoFrames[i1];
        left = (static_cast<float>(a[0]) + static_cast<float>(b[0] - a[0]) * frac) / kFullScale;
        right = (static_cast<float>(a[1]) + static_cast<float>(b[1] - a[1]) * frac) / kFullScale;
    } else {
        const float a = s.monoFrames[i0];
        const float b = s.monoFrames[i1];
        left = (a + (b - a) * frac) / kFullScale;
        right = left;
    }
}

} // namespace samples
