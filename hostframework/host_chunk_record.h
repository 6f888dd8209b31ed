#pragma once

// The record in which the host hands a chunk over: a fixed header, then the chunk's data. The length
// is in the platform's byte order; whatever the data holds is the chunk's own affair.

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kChunkHeaderSize = 56;

struct SHostPlugInChunk {
    // The whole record, this header included.
    std::uint32_t length;
    // Kept by the typed-record parser when it reads the chunk; its meaning is the framework's.
    std::int32_t secondWord;
    // Whose chunk it is: the effect type fills these when it hands a chunk out and checks the
    // plug-in ID when one comes back.
    std::uint32_t plugInID;
    std::uint32_t typeID;
    std::uint32_t chunkID;
    std::uint32_t zeroWord;
    std::uint8_t unusedFields[32];
};

static_assert(sizeof(SHostPlugInChunk) == kChunkHeaderSize);

inline std::uint8_t* ChunkData(SHostPlugInChunk* record)
{
    return reinterpret_cast<std::uint8_t*>(record) + kChunkHeaderSize;
}

inline const std::uint8_t* ChunkData(const SHostPlugInChunk* record)
{
    return reinterpret_cast<const std::uint8_t*>(record) + kChunkHeaderSize;
}
