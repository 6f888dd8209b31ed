#pragma once

// The typed name/value records of the framework's own chunks. Each entry is a name with a float, a
// double, a 32-bit or a 16-bit integer; in the chunk data they follow a version word in the order
// they were added, values big-endian whatever the platform.

#include "hostframework/host_chunk_record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ChunkDataParser {
public:
    virtual ~ChunkDataParser() = default;

    void AddFloat(const char* name, float value);
    void AddDouble(const char* name, double value);
    void AddInt32(const char* name, std::int32_t value);
    void AddInt16(const char* name, std::int16_t value);

    // False when no entry has the name or its type is another; value is then left as it was.
    bool GetFloat(const char* name, float& value);
    bool GetDouble(const char* name, double& value);
    bool GetInt32(const char* name, std::int32_t& value);
    bool GetInt16(const char* name, std::int16_t& value);

    // Overwrites an existing double entry; false when there is none.
    bool SetDouble(const char* name, double value);

    // The index of an entry of that name, -1 when none. The search starts after the entry found
    // last, so reading entries in the order they were written finds each at the first comparison.
    std::int32_t Find(const char* name);

    bool IsEmpty() const;
    void Clear();

    // Bytes of chunk data, and of the whole record that Write fills.
    std::size_t GetSize() const;
    std::size_t GetRecordSize() const;
    // The second header word of the last parsed record, -1 before any.
    std::int32_t GetKeptWord() const { return keptWord; }

    // record must have room for GetRecordSize() bytes; its header words but the length stay as they are.
    void Write(SHostPlugInChunk* record) const;

    // Replaces the entries with those of a record. Reads at most available bytes from the start of
    // the header, which must be there whole, and never past the record's length word; a damaged
    // entry ends the parse with the entries before it.
    void Parse(const SHostPlugInChunk* record, std::size_t available);
    // For a record whose length word is trusted, as the host's own are.
    void Parse(const SHostPlugInChunk* record);

private:
    enum EntryType : std::int32_t { kFloat = 1, kInt32 = 2, kDouble = 3, kInt16 = 4 };

    void Append(std::string name, EntryType type, std::uint64_t value);
    // The value slot of the named entry of that type, null when there is none.
    std::uint64_t* FindValue(const char* name, EntryType type);

    std::int32_t cursor = -1;
    std::int32_t keptWord = -1;
    // Entry k is (names[k], values[k], types[k]); values hold each value widened to 64 bits.
    std::vector<std::string> names;
    std::vector<std::uint64_t> values;
    std::vector<EntryType> types;
};
