#pragma once

// Chunk records built and damaged in a byte vector of exactly the record's size, so a sanitizer sees any
// read past the record.

#include "hostframework/chunk_data_parser.h"
#include "hostframework/host_chunk_record.h"

#include <cstdint>
#include <random>
#include <vector>

namespace kravo::test {

inline SHostPlugInChunk* chunkRecord(std::vector<std::uint8_t>& bytes)
{
    return reinterpret_cast<SHostPlugInChunk*>(bytes.data());
}

// A chunk of the id holding the entries.
inline std::vector<std::uint8_t> writtenChunk(ChunkDataParser& entries, std::uint32_t chunkID)
{
    std::vector<std::uint8_t> bytes(entries.GetRecordSize());
    entries.Write(chunkRecord(bytes));
    chunkRecord(bytes)->chunkID = chunkID;
    return bytes;
}

// Scrambles some bytes of the data, or cuts the record short and tells its length word so, or both or
// neither, as the random numbers fall.
inline void damageChunk(std::vector<std::uint8_t>& bytes, std::mt19937& random)
{
    if (random() % 2 == 0 && bytes.size() > kChunkHeaderSize)
        for (int flips = 0; flips < 4; ++flips)
            bytes[kChunkHeaderSize + random() % (bytes.size() - kChunkHeaderSize)] =
                static_cast<std::uint8_t>(random());
    if (random() % 3 == 0) {
        bytes.resize(kChunkHeaderSize + random() % (bytes.size() - kChunkHeaderSize + 1));
        chunkRecord(bytes)->length = static_cast<std::uint32_t>(bytes.size());
    }
}

} // namespace kravo::test
