#pragma once

#include "plugin/parameters/sample_position.h"
#include "plugin/samples/sample_conversion.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

namespace samples {
class SampleFile;
}

// One user sample file held in memory exactly as its bytes stand in the file,
// with what is needed to read it: rate, frame count and a format code. Every
// output sample is decoded on the fly from the two frames around a position.
// The audio side uses only the inline readers below.
class SampleBuffer {
public:
    static constexpr std::size_t kPathCapacity = 258; // 257 characters and the terminator
    static constexpr std::int32_t kPlaceholderFrames = 100;
    // Longer samples are refused: their loop points could not be stored.
    static constexpr std::int64_t kMostFrames = kravo::param::SamplePosition::kLargestFrame;

    // Back to the not-loaded placeholder: a silent block of 100 frames of
    // the widest format, rate 44100, path "Nil". Start, end and format stay.
    void reset();
    // Room for frames frames of bytes bytes (and a little slack); frames 0 does nothing.
    void allocate(std::int32_t frames, std::int64_t bytes);
    // False, leaving the path as it was, when the text does not fit.
    bool setPath(const char* text);
    const char* getPath() const { return path; }

    // The file named by the path into the buffer; false (and not loaded) on any
    // problem with the file, which is never read past its end.
    bool readWavFile();
    bool readAiffFile();

    bool isLoaded() const { return loaded; }
    float getRateRatio(float hostRate) const { return sampleRate / hostRate; }
    std::int32_t getLastFrame() const { return frameCount - 1; }
    std::int32_t getStart() const { return startFrame; }
    std::int32_t getEnd() const { return endFrame; }
    float getSampleRate() const { return sampleRate; }
    std::int32_t getFrameCount() const { return frameCount; }
    std::int32_t getFormatCode() const { return formatCode; }

    // One stereo sample at a fractional frame position, linear between the
    // two frames around it; positions outside the sample read its first or last frame.
    void readInterpolated(float position, float& left, float& right) const
    {
        withFormat([&](auto format) { readAs<format()>(position, left, right); });
    }
    // readInterpolated at each of n positions, the format looked up once. A run that stays inside the
    // sample reads its frames unclamped, four positions at a time.
    void readInterpolatedRun(const float* positions, std::uint32_t n, float* left, float* right) const
    {
        withFormat([&](auto format) {
            if (staysInside(positions, n)) {
                readInsideAs<format()>(positions, n, left, right);
                return;
            }
            for (std::uint32_t k = 0; k < n; ++k)
                readAs<format()>(positions[k], left[k], right[k]);
        });
    }

private:
    // The sample data from where the file stands: size bytes of frames of frameBytes each, in layout code.
    bool readFrames(samples::SampleFile& file, std::int64_t size, std::int64_t frameBytes, std::int32_t code);

    static constexpr std::int32_t kNoData = -1;
    // Calls read with the format code as a constant: kNoData without data or for an unknown code.
    template <typename Read>
    void withFormat(Read read) const
    {
        switch (data == nullptr ? kNoData : formatCode) {
        case 0: read(std::integral_constant<std::int32_t, 0>{}); break;
        case 1: read(std::integral_constant<std::int32_t, 1>{}); break;
        case 2: read(std::integral_constant<std::int32_t, 2>{}); break;
        case 3: read(std::integral_constant<std::int32_t, 3>{}); break;
        case 4: read(std::integral_constant<std::int32_t, 4>{}); break;
        case 5: read(std::integral_constant<std::int32_t, 5>{}); break;
        case 6: read(std::integral_constant<std::int32_t, 6>{}); break;
        case 7: read(std::integral_constant<std::int32_t, 7>{}); break;
        case 8: read(std::integral_constant<std::int32_t, 8>{}); break;
        case 9: read(std::integral_constant<std::int32_t, 9>{}); break;
        case 10: read(std::integral_constant<std::int32_t, 10>{}); break;
        case 11: read(std::integral_constant<std::int32_t, 11>{}); break;
        default: read(std::integral_constant<std::int32_t, kNoData>{}); break;
        }
    }

    template <std::int32_t Format>
    void readAs(float position, float& left, float& right) const
    {
        // Held far past any sample's end, yet inside the integer range of the
        // cut toward zero: further out reads the same end frame, and an
        // infinite position no longer turns the interpolation into NaN.
        // NaN reads frame 0.
        constexpr float kFurthest = 1073741824.0f;
        position = position == position ? std::clamp(position, -1.0f, kFurthest) : 0.0f;
        auto i0 = static_cast<std::int32_t>(position);
        auto i1 = static_cast<std::int32_t>(position + 1.0f);
        const std::int32_t last = frameCount - 1;
        i0 = std::max(std::min(i0, last), 0);
        i1 = std::max(std::min(i1, last), 0);
        const float frac = position - static_cast<float>(i0);
        float l0 = 0.0f;
        float r0 = 0.0f;
        float l1 = 0.0f;
        float r1 = 0.0f;
        decodeFrameAs<Format>(i0, l0, r0);
        decodeFrameAs<Format>(i1, l1, r1);
        left = l0 + (l1 - l0) * frac + dcOffset;
        right = r0 + (r1 - r0) * frac + dcOffset;
    }

    // Whether every position reads two frames that the clamps would leave as they are. Beyond 2^24
    // frames the last frame may not be exact as a float; such long samples always take the clamps.
    bool staysInside(const float* positions, std::uint32_t n) const
    {
        if (frameCount > (1 << 24))
            return false;
        const auto limit = static_cast<float>(frameCount - 1);
        // Without a branch in the loop, so that it runs four positions at a time.
        std::uint32_t outside = 0;
        for (std::uint32_t k = 0; k < n; ++k)
            outside |= static_cast<std::uint32_t>(!(positions[k] >= 0.0f)) |
                       static_cast<std::uint32_t>(!(positions[k] + 1.0f <= limit));
        return outside == 0;
    }

    static constexpr std::uint32_t kLanes = 4;

    // readAs without its clamps, in groups of kLanes: the frame positions first, then the frames, then
    // the same arithmetic as readAs, lane by lane. A mono layout decodes one channel and copies it.
    template <std::int32_t Format>
    void readInsideAs(const float* positions, std::uint32_t n, float* left, float* right) const
    {
        constexpr bool kMono = Format % 2 == 0;
        std::uint32_t k = 0;
        for (; k + kLanes <= n; k += kLanes)
            readLanesAs<Format, kLanes>(positions + k, left + k, right + k);
        for (; k < n; ++k)
            readLanesAs<Format, 1>(positions + k, left + k, right + k);
        if constexpr (kMono)
            std::copy(left, left + n, right);
    }

    template <std::int32_t Format, std::uint32_t Lanes>
    void readLanesAs(const float* positions, float* left, float* right) const
    {
        constexpr bool kMono = Format % 2 == 0;
        std::int32_t i0[Lanes];
        std::int32_t i1[Lanes];
        float frac[Lanes];
        for (std::uint32_t j = 0; j < Lanes; ++j) {
            i0[j] = static_cast<std::int32_t>(positions[j]);
            i1[j] = static_cast<std::int32_t>(positions[j] + 1.0f);
            frac[j] = positions[j] - static_cast<float>(i0[j]);
        }
        float l0[Lanes] = {};
        float r0[Lanes] = {};
        float l1[Lanes] = {};
        float r1[Lanes] = {};
        for (std::uint32_t j = 0; j < Lanes; ++j) {
            decodeFrameAs<Format>(i0[j], l0[j], r0[j]);
            decodeFrameAs<Format>(i1[j], l1[j], r1[j]);
        }
        for (std::uint32_t j = 0; j < Lanes; ++j)
            left[j] = l0[j] + (l1[j] - l0[j]) * frac[j] + dcOffset;
        if constexpr (!kMono)
            for (std::uint32_t j = 0; j < Lanes; ++j)
                right[j] = r0[j] + (r1[j] - r0[j]) * frac[j] + dcOffset;
    }

    // Codes 0 to 5 are a WAV file's layouts, 6 to 11 the same layouts as an AIFF file holds them: signed
    // bytes instead of unsigned, big-endian words instead of little-endian. kNoData decodes nothing.
    // Always inline: in a run of reads, a call per frame would cost more than its decoding.
    template <std::int32_t Format>
    [[gnu::always_inline]] void decodeFrameAs(std::int32_t i, float& left, float& right) const
    {
        constexpr bool kAiffLayout = Format >= 6;
        constexpr std::int32_t kLayout = Format % 6;
        // A 24-bit sample's top two bytes: its last two in a little-endian word, its first two in a big-endian one.
        constexpr std::size_t kTopOf24 = kAiffLayout ? 0 : 1;
        const std::uint8_t* d = data.get();
        const auto byte = [d](std::size_t at) {
            return kAiffLayout ? samples::kSigned8[d[at]] : samples::kUnsigned8[d[at]];
        };
        // A little-endian word on a little-endian machine is one load, which the compiler does not find in
        // the two bytes' sum by itself.
        const auto word = [d](std::size_t at) {
            if constexpr (!kAiffLayout && std::endian::native == std::endian::little) {
                std::uint16_t w = 0;
                std::memcpy(&w, d + at, sizeof w);
                return samples::signed16(w);
            } else {
                return samples::signed16(kAiffLayout ? (d[at] << 8) | d[at + 1] : d[at] | (d[at + 1] << 8));
            }
        };
        const auto n = static_cast<std::size_t>(i);
        if constexpr (kLayout == 0) {
            left = right = byte(n);
        } else if constexpr (kLayout == 1) {
            left = byte(2 * n);
            right = byte(2 * n + 1);
        } else if constexpr (kLayout == 2) {
            left = right = word(2 * n);
        } else if constexpr (kLayout == 3) {
            left = word(4 * n);
            right = word(4 * n + 2);
        } else if constexpr (kLayout == 4) {
            left = right = word(3 * n + kTopOf24);
        } else if constexpr (kLayout == 5) {
            left = word(6 * n + kTopOf24);
            right = word(6 * n + 3 + kTopOf24);
        }
    }

    std::unique_ptr<std::uint8_t[]> data;
    float dcOffset = 1e-15f; // keeps silence from decaying into denormal numbers
    bool loaded = false;
    char path[kPathCapacity] = "Nil";
    float sampleRate = 44100.0f;
    std::int32_t frameCount = kPlaceholderFrames;
    std::int32_t startFrame = 0;
    std::int32_t endFrame = 0;
    std::int32_t formatCode = 0;
};
