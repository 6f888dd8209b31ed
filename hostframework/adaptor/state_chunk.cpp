#include "hostframework/adaptor/state_chunk.h"

#include "platform/byte_order.h"
#include "plugin/base/audio_plugin.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr std::uint8_t kMagic[4] = {'o', 'x', 'e', 'v'};
constexpr std::size_t kHeaderBytes = 16;
constexpr std::int32_t kHeaderWords = 16;
constexpr std::int32_t kSlackBytes = 80;

void putWord(std::uint8_t* at, std::uint32_t word)
{
    platform::writeBigEndian(at, word, 4);
}

std::uint32_t wordAt(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(platform::readBigEndian(at, 4));
}

} // namespace

std::int32_t StateChunkDataSize(std::int32_t parameters, std::int32_t programs)
{
    return (parameters + kHeaderWords) * programs * 4 + kSlackBytes;
}

std::int32_t WriteStateChunk(AudioPlugin& plugin, std::int32_t parameters, std::int32_t programs, std::uint8_t* data)
{
    const std::int32_t current = plugin.getProgram();
    std::memcpy(data, kMagic, sizeof kMagic);
    putWord(data + 4, static_cast<std::uint32_t>(current));
    putWord(data + 8, static_cast<std::uint32_t>(parameters));
    putWord(data + 12, static_cast<std::uint32_t>(programs));
    std::uint8_t* at = data + kHeaderBytes;
    for (std::int32_t program = 0; program < programs; ++program) {
        plugin.setProgram(program);
        char name[kStateProgramNameBytes] = {};
        plugin.getProgramName(name);
        std::memcpy(at, name, kStateProgramNameBytes);
        at += kStateProgramNameBytes;
        for (std::int32_t index = 0; index < parameters; ++index, at += 4)
            putWord(at, std::bit_cast<std::uint32_t>(plugin.getParameter(index)));
    }
    return current;
}

std::optional<std::int32_t> ReadStateChunk(AudioPlugin& plugin, std::int32_t parameters, std::int32_t programs,
                                           std::span<const std::uint8_t> data)
{
    if (data.size() < kHeaderBytes)
        return std::nullopt;
    const auto current = static_cast<std::int32_t>(wordAt(data.data() + 4));
    const auto storedParameters = static_cast<std::int32_t>(wordAt(data.data() + 8));
    const auto storedPrograms = static_cast<std::int32_t>(wordAt(data.data() + 12));
    if (storedParameters < 0 || storedPrograms < 0)
        return current;
    const std::int32_t used = std::min(storedParameters, parameters);
    const std::int32_t restored = std::min(storedPrograms, programs);
    const std::size_t recordBytes = kStateProgramNameBytes + 4 * static_cast<std::size_t>(storedParameters);
    std::size_t at = kHeaderBytes;
    for (std::int32_t program = 0; program < restored && at + kStateProgramNameBytes <= data.size(); ++program) {
        plugin.setProgram(program);
        // 64 name bytes need not end in a terminator.
        char name[kStateProgramNameBytes + 1] = {};
        std::memcpy(name, data.data() + at, kStateProgramNameBytes);
        plugin.setProgramName(name);
        const std::size_t values = at + kStateProgramNameBytes;
        for (std::int32_t index = 0; index < used && values + 4 * static_cast<std::size_t>(index) + 4 <= data.size();
             ++index)
            plugin.setParameter(index, std::bit_cast<float>(wordAt(data.data() + values + 4 * static_cast<std::size_t>(index))));
        if (recordBytes > data.size() - at)
            break;
        at += recordBytes;
    }
    return current;
}
