#pragma once

#include "resources/factory_samples/factory_sample_specs.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace samples {

// The built-in drum samples as the synthesised slots play them: the table of
// the set's entries and, per slot, the copy of the entry its model chose.
// Copies are made off the audio path's allocation rules: every buffer is a
// fixed array sized to the set's longest entry, so a load only writes.
class FactorySamples {
public:
    static constexpr int kEntries = factory_samples::kCount;
    static constexpr int kSlots = 16;
    static constexpr int kNoEntry = -1;

    struct Entry {
        float length = 0.0f; // frames to use
        float gain = 1.0f;
        std::uint8_t stereo = 0;
    };

    void setSampleEntry(int index, float length, std::uint8_t stereo);
    const Entry& entry(int index) const { return entries_[index]; }

    // Copies the entry's frames out of its raw resource bytes (signed 16-bit
    // little-endian, left then right for a stereo entry): its length, but
    // never more than the resource or the buffer holds. A missing resource
    // (null or empty) leaves the slot as it was. False when nothing was copied.
    bool loadSampleResource(int slot, int entry, const unsigned char* bytes, std::size_t size);

    bool isStereo(int slot) const { return slots_[slot].stereo.load(std::memory_order_relaxed) != 0; }
    // Frames of the slot's current copy; 0 before the first load.
    std::int32_t loadedFrames(int slot) const { return slots_[slot].frames.load(std::memory_order_relaxed); }
    std::int32_t loadedEntry(int slot) const { return slots_[slot].entry.load(std::memory_order_relaxed); }

private:
    struct Slot;

public:
    // A slot's copy as it stands, read at fractional frames: linearly
    // interpolated towards the next frame, which is held at `lastFrame` and at
    // the copy's end. A mono copy gives both channels the same value. Taken
    // once for a run of reads, as each sounding sample layer reads once a sample.
    class Reader {
    public:
        Reader(const Slot& slot)
            : slot_(slot), frames_(slot.frames.load(std::memory_order_relaxed)),
              stereo_(slot.stereo.load(std::memory_order_relaxed) != 0)
        {
        }
        bool isStereo() const { return stereo_; }
        // One position, both channels.
        void read(float position, float lastFrame, float& left, float& right) const
        {
            readChecked(&position, 1, lastFrame, &left, &right);
            if (!stereo_)
                right = left;
        }

        // Each of n positions, the copy's checks made once; a mono copy fills only `left`. A run that stays
        // before the held frame skips the checks of each position and reads four positions at a time.
        void readRun(const float* positions, std::uint32_t n, float lastFrame, float* left, float* right) const
        {
            if (frames_ > 0 && staysBefore(positions, n, heldFrame(lastFrame))) {
                if (stereo_)
                    readInside<true>(positions, n, left, right);
                else
                    readInside<false>(positions, n, left, right);
                return;
            }
            readChecked(positions, n, lastFrame, left, right);
        }

    private:
        static constexpr std::uint32_t kLanes = 4;

        std::int32_t heldFrame(float lastFrame) const
        {
            return std::min(static_cast<std::int32_t>(std::max(lastFrame, 0.0f)), frames_ - 1);
        }

        // readRun with the checks of each position.
        void readChecked(const float* positions, std::uint32_t n, float lastFrame, float* left, float* right) const
        {
            if (frames_ <= 0) {
                std::fill(left, left + n, 0.0f);
                std::fill(right, right + n, 0.0f);
                return;
            }
            const std::int32_t last = heldFrame(lastFrame);
            if (stereo_)
                readFrames(positions, n, last, [this](std::int32_t i0, std::int32_t i1, float frac, std::uint32_t k,
                                                      float* l, float* r) {
                    const std::int16_t* a = slot_.stereoFrames[i0];
                    const std::int16_t* b = slot_.stereoFrames[i1];
                    l[k] = (static_cast<float>(a[0]) + static_cast<float>(b[0] - a[0]) * frac) / kFullScale;
                    r[k] = (static_cast<float>(a[1]) + static_cast<float>(b[1] - a[1]) * frac) / kFullScale;
                }, left, right);
            else
                readFrames(positions, n, last, [this](std::int32_t i0, std::int32_t i1, float frac, std::uint32_t k,
                                                      float* l, float*) {
                    const float a = slot_.monoFrames[i0];
                    const float b = slot_.monoFrames[i1];
                    l[k] = (a + (b - a) * frac) / kFullScale;
                }, left, right);
        }

        // Whether every position lies before `last`, so that it reads its own frame and the next one.
        static bool staysBefore(const float* positions, std::uint32_t n, std::int32_t last)
        {
            static_assert(factory_samples::kLongestFrames < (1 << 24), "the last frame is exact as a float");
            const auto limit = static_cast<float>(last);
            // Without a branch in the loop, so that it runs four positions at a time.
            std::uint32_t outside = 0;
            for (std::uint32_t k = 0; k < n; ++k)
                outside |= static_cast<std::uint32_t>(!(positions[k] >= 0.0f)) |
                           static_cast<std::uint32_t>(!(positions[k] < limit));
            return outside == 0;
        }

        // The reads of positions that stay before the held frame, without the checks, in groups of kLanes:
        // the frame positions first, then the frames, then the interpolation, each lane as a single read
        // works it out.
        template <bool Stereo>
        void readInside(const float* positions, std::uint32_t n, float* left, float* right) const
        {
            std::uint32_t k = 0;
            for (; k + kLanes <= n; k += kLanes)
                readLanes<Stereo, kLanes>(positions + k, left + k, right + k);
            for (; k < n; ++k)
                readLanes<Stereo, 1>(positions + k, left + k, right + k);
        }

        template <bool Stereo, std::uint32_t Lanes>
        void readLanes(const float* positions, float* left, float* right) const
        {
            std::int32_t i[Lanes];
            float frac[Lanes];
            for (std::uint32_t j = 0; j < Lanes; ++j) {
                i[j] = static_cast<std::int32_t>(positions[j]);
                frac[j] = positions[j] - static_cast<float>(i[j]);
            }
            float a0[Lanes];
            float b0[Lanes];
            float a1[Lanes] = {};
            float b1[Lanes] = {};
            for (std::uint32_t j = 0; j < Lanes; ++j) {
                if constexpr (Stereo) {
                    a0[j] = slot_.stereoFrames[i[j]][0];
                    a1[j] = slot_.stereoFrames[i[j]][1];
                    b0[j] = slot_.stereoFrames[i[j] + 1][0];
                    b1[j] = slot_.stereoFrames[i[j] + 1][1];
                } else {
                    a0[j] = slot_.monoFrames[i[j]];
                    b0[j] = slot_.monoFrames[i[j] + 1];
                }
            }
            // The difference of two frames is exact as a float, whether taken before or after the conversion.
            for (std::uint32_t j = 0; j < Lanes; ++j)
                left[j] = (a0[j] + (b0[j] - a0[j]) * frac[j]) / kFullScale;
            if constexpr (Stereo)
                for (std::uint32_t j = 0; j < Lanes; ++j)
                    right[j] = (a1[j] + (b1[j] - a1[j]) * frac[j]) / kFullScale;
        }

        template <typename Interpolate>
        void readFrames(const float* positions, std::uint32_t n, std::int32_t last, Interpolate interpolate,
                        float* left, float* right) const
        {
            for (std::uint32_t k = 0; k < n; ++k) {
                const float position = positions[k];
                if (!(position >= 0.0f)) {
                    left[k] = right[k] = 0.0f;
                    continue;
                }
                const auto i0 = std::min(static_cast<std::int32_t>(position), frames_ - 1);
                const std::int32_t i1 = i0 + 1 > last ? i0 : i0 + 1;
                interpolate(i0, i1, position - static_cast<float>(i0), k, left, right);
            }
        }

        const Slot& slot_;
        std::int32_t frames_;
        bool stereo_;
    };
    Reader reader(int slot) const { return Reader(slots_[slot]); }

private:
    static constexpr float kFullScale = 32768.0f;

    struct Slot {
        // No initialiser: the buffers are only ever read below the loaded frame count.
        std::int16_t stereoFrames[factory_samples::kLongestFrames][2];
        std::int16_t monoFrames[factory_samples::kLongestFrames];
        std::atomic<std::uint8_t> stereo{0};
        std::atomic<std::int32_t> frames{0};
        std::atomic<std::int32_t> entry{kNoEntry};
    };

    Entry entries_[kEntries];
    Slot slots_[kSlots];
};

} // namespace samples
