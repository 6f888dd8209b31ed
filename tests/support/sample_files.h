#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kravo::test {

// A file's bytes, put together field by field.
class FileBytes {
public:
    FileBytes& text(std::string_view s) { bytes += s; return *this; }
    FileBytes& little(std::uint64_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        return *this;
    }
    FileBytes& big(std::uint64_t value, int count)
    {
        for (int i = count - 1; i >= 0; --i)
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        return *this;
    }
    std::string bytes{};
};

// A RIFF WAVE file; the defaults make a valid 16-bit mono file at 44100 Hz.
struct WavFile {
    std::uint32_t formatTag = 1;
    std::uint32_t channels = 1;
    std::uint32_t rate = 44100;
    std::uint32_t bits = 16;
    std::string frames{};                        // the sample bytes as they stand in the file
    std::optional<std::uint32_t> claimedSize{};  // the data chunk's size field, when not the true one
    std::string before{};                        // whole chunks before "fmt "

    std::string bytes() const
    {
        const auto blockAlign = channels * bits / 8;
        FileBytes f;
        f.text("RIFF").little(4 + before.size() + 24 + 8 + frames.size(), 4).text("WAVE").text(before);
        f.text("fmt ").little(16, 4).little(formatTag, 2).little(channels, 2).little(rate, 4);
        f.little(rate * blockAlign, 4).little(blockAlign, 2).little(bits, 2);
        f.text("data").little(claimedSize.value_or(static_cast<std::uint32_t>(frames.size())), 4).text(frames);
        return f.bytes;
    }
};

// An integer rate as the 10-byte extended-precision number of an AIFF file.
inline std::string extendedRate(std::uint32_t rate)
{
    const int exponent = static_cast<int>(std::log2(rate));
    return FileBytes().big(16383 + exponent, 2).big(std::uint64_t{rate} << (63 - exponent), 8).bytes;
}

// An AIFF file; the defaults make a valid 16-bit mono file at 44100 Hz.
struct AiffFile {
    std::string formType = "AIFF";
    std::uint32_t channels = 1;
    std::uint32_t bits = 16;
    std::string rate = extendedRate(44100);
    std::string frames{};
    std::optional<std::uint32_t> claimedFrames{};  // COMM's frame count, when not the true one
    std::string padding{};                         // between SSND's header and the frames
    std::optional<std::uint32_t> claimedOffset{};  // SSND's offset field, when not the padding's size
    std::string before{};                          // whole chunks between the form type and COMM

    std::string bytes() const
    {
        const auto trueFrames = static_cast<std::uint32_t>(frames.size() / (channels * bits / 8));
        FileBytes f;
        f.text("FORM").big(4 + before.size() + 26 + 16 + padding.size() + frames.size(), 4).text(formType).text(before);
        f.text("COMM").big(18, 4).big(channels, 2).big(claimedFrames.value_or(trueFrames), 4).big(bits, 2).text(rate);
        f.text("SSND").big(8 + padding.size() + frames.size(), 4).big(claimedOffset.value_or(padding.size()), 4);
        f.big(0, 4).text(padding).text(frames);
        return f.bytes;
    }
};

// 16-bit samples as they stand in a little-endian (WAV) or big-endian (AIFF) file.
inline std::string littleWords(const std::vector<std::int16_t>& samples)
{
    FileBytes f;
    for (std::int16_t s : samples)
        f.little(static_cast<std::uint16_t>(s), 2);
    return f.bytes;
}

inline std::string bigWords(const std::vector<std::int16_t>& samples)
{
    FileBytes f;
    for (std::int16_t s : samples)
        f.big(static_cast<std::uint16_t>(s), 2);
    return f.bytes;
}

// The bytes of a plain 16-bit PCM WAV file, frames interleaved left then right for two channels.
inline std::string wavBytes(const std::vector<std::int16_t>& samples, int channels, std::uint32_t rate)
{
    return WavFile{.channels = static_cast<std::uint32_t>(channels), .rate = rate, .frames = littleWords(samples)}
        .bytes();
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace kravo::test
