// Reads the input as a keyed table of a process type's resources through all four table
// operations, every key from -1 up, with groups and items around the record sizes.

#include "hostframework/keyed_table.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly the input's size, so a read past the table is a read past the buffer.
    const std::vector<std::uint8_t> table(data, data + size);
    for (std::int16_t key = -1; key <= 8; ++key) {
        findTableEntry(table.data(), table.size(), key);
        tableEntryCount(table.data(), table.size(), key);
        hasTableEntry(table.data(), table.size(), key);
        for (std::int16_t group = -1; group <= 4; ++group)
            for (std::int16_t item = -1; item <= 8; ++item)
                tableEntryValue(table.data(), table.size(), key, group, item);
    }
    return 0;
}
