// Feeds arbitrary bytes to the typed chunk record parser as a record of exactly their size. The
// sanitizers catch any read past it, and the library's assertions (switched on for this target) any
// entry list out of step with the others; what was parsed must write out within the bytes it came
// from, and writing and parsing that again must give the same entries.

#include "hostframework/chunk_data_parser.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<std::uint8_t> WriteRecord(const ChunkDataParser& parser)
{
    std::vector<std::uint8_t> record(parser.GetRecordSize());
    parser.Write(reinterpret_cast<SHostPlugInChunk*>(record.data()));
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A record always has its whole header.
    if (size < kChunkHeaderSize)
        return 0;
    // A buffer of its own, aligned as a record and no larger than the input.
    std::vector<std::uint8_t> input(data, data + size);
    const auto* record = reinterpret_cast<const SHostPlugInChunk*>(input.data());

    ChunkDataParser parsed;
    parsed.Parse(record, size);
    const std::size_t readable = std::min<std::size_t>(record->length, size);
    if (!parsed.IsEmpty() && parsed.GetRecordSize() > readable)
        std::abort();

    const std::vector<std::uint8_t> rewritten = WriteRecord(parsed);
    ChunkDataParser reparsed;
    reparsed.Parse(reinterpret_cast<const SHostPlugInChunk*>(rewritten.data()), rewritten.size());
    if (WriteRecord(reparsed) != rewritten)
        std::abort();
    return 0;
}
