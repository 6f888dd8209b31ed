#pragma once

#include "plugin/parameters/sample_position.h"
#include "plugin/samples/sample_conversion.h"

#include <algorithm>
#include <cstdint>
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
    // readInterpolated at each of n positions, the format looked up once.
    void readInterpolatedRun(const float* positions, std::uint32_t n, float* left, float* right) const
    {
        withFormat([&](auto format) {
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

    // Codes 0 to 5 are a WAV file's layouts, 6 to 11 the same layouts as an AIFF file holds them: signed
    // bytes instead of unsigned, big-endian words instead of little-endian. kNoData decodes nothing.
    template <std::int32_t Format>
    void decodeFrameAs(std::int32_t i, float& left, float& right) const
    {
        constexpr bool kAiffLayout = Format >= 6;
        constexpr std::int32_t kLayout = Format % 6;
        // A 24-bit sample's top two bytes: its last two in a little-endian word, its first two in a big-endian one.
        constexpr std::size_t kTopOf24 = kAiffLayout ? 0 : 1;
        const std::uint8_t* d = data.get();
        const auto byte = [d](std::size_t at) {
            return kAiffLayout ? samples::kSigned8[d[at]] : samples::kUnsigned8[d[at]];
        };
        const auto word = [d](std::size_t at) {
            return samples::signed16(kAiffLayout ? (d[at] << 8) | d[at + 1] : d[at] | (d[at + 1] << 8));
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
