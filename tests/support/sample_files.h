#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace kravo::test {

// The bytes of a plain 16-bit PCM WAV file: a "fmt " and a "data" chunk,
// frames interleaved left then right for two channels.
inline std::string wavBytes(const std::vector<std::int16_t>& samples, int channels, std::uint32_t rate)
{
    std::string out;
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    const auto dataBytes = static_cast<std::uint32_t>(2 * samples.size());
    out += "RIFF";
    put(36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(static_cast<std::uint32_t>(channels), 2);
    put(rate, 4);
    put(rate * 2 * static_cast<std::uint32_t>(channels), 4);
    put(2 * static_cast<std::uint32_t>(channels), 2);
    put(16, 2);
    out += "data";
    put(dataBytes, 4);
    for (std::int16_t s : samples)
        put(static_cast<std::uint16_t>(s), 2);
    return out;
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace kravo::test
