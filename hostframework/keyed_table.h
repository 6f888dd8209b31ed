#pragma once

// The keyed tables of a process type's resources: a run of records, each a 16-bit key, a 16-bit
// group count and a 16-bit value count n followed by n 16-bit values, big-endian; a record whose key
// is 0 ends the table. The values of a record are group-count groups of key values each. Every read
// stays within the table's bytes; a record running past them ends the table.

#include <cstddef>
#include <cstdint>
#include <optional>

struct STableEntry {
    std::int16_t key;
    std::int16_t groupCount;
    std::int16_t valueCount;
    const std::uint8_t* values;
    // A value outside the record reads as 0.
    std::int16_t value(std::int32_t index) const;
};

// Key -1: the first record. Otherwise the first record with the key, else the first with key 1.
std::optional<STableEntry> findTableEntry(const std::uint8_t* table, std::size_t size, std::int16_t key);
// -1 without a record or for a key of 0 or below (but -1).
std::int32_t tableEntryCount(const std::uint8_t* table, std::size_t size, std::int16_t key);
std::int32_t tableEntryValue(const std::uint8_t* table, std::size_t size, std::int16_t key, std::int16_t group,
                             std::int16_t item);
bool hasTableEntry(const std::uint8_t* table, std::size_t size, std::int16_t key);
