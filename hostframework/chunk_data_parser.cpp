#include "hostframework/chunk_data_parser.h"

#include "platform/byte_order.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace {

constexpr std::uint32_t kVersionWord = 0x01010101;
constexpr std::size_t kVersionSize = 4;
constexpr std::size_t kPrefixLength = 2;

// Aligned positions count from the start of the data.
std::size_t AlignUp(std::size_t position)
{
    return (position + 3) & ~std::size_t{3};
}

std::uint64_t WidenSigned(std::int64_t value)
{
    return static_cast<std::uint64_t>(value);
}

} // namespace

void ChunkDataParser::AddFloat(const char* name, float value)
{
    Append(name, kFloat, std::bit_cast<std::uint32_t>(value));
}

void ChunkDataParser::AddDouble(const char* name, double value)
{
    Append(name, kDouble, std::bit_cast<std::uint64_t>(value));
}

void ChunkDataParser::AddInt32(const char* name, std::int32_t value)
{
    Append(name, kInt32, WidenSigned(value));
}

void ChunkDataParser::AddInt16(const char* name, std::int16_t value)
{
    Append(name, kInt16, WidenSigned(value));
}

bool ChunkDataParser::GetFloat(const char* name, float& value)
{
    const std::uint64_t* slot = FindValue(name, kFloat);
    if (slot != nullptr)
        value = std::bit_cast<float>(static_cast<std::uint32_t>(*slot));
    return slot != nullptr;
}

bool ChunkDataParser::GetDouble(const char* name, double& value)
{
    const std::uint64_t* slot = FindValue(name, kDouble);
    if (slot != nullptr)
        value = std::bit_cast<double>(*slot);
    return slot != nullptr;
}

bool ChunkDataParser::GetInt32(const char* name, std::int32_t& value)
{
    const std::uint64_t* slot = FindValue(name, kInt32);
    if (slot != nullptr)
        value = static_cast<std::int32_t>(*slot);
    return slot != nullptr;
}

bool ChunkDataParser::GetInt16(const char* name, std::int16_t& value)
{
    const std::uint64_t* slot = FindValue(name, kInt16);
    if (slot != nullptr)
        value = static_cast<std::int16_t>(*slot);
    return slot != nullptr;
}

bool ChunkDataParser::SetDouble(const char* name, double value)
{
    std::uint64_t* slot = FindValue(name, kDouble);
    if (slot != nullptr)
        *slot = std::bit_cast<std::uint64_t>(value);
    return slot != nullptr;
}

std::int32_t ChunkDataParser::Find(const char* name)
{
    const auto count = static_cast<std::int32_t>(names.size());
    for (std::int32_t step = 1; step <= count; ++step) {
        const std::int32_t index = (cursor + step) % count;
        if (names[static_cast<std::size_t>(index)] == name)
            return cursor = index;
    }
    return -1;
}

bool ChunkDataParser::IsEmpty() const
{
    return values.empty();
}

void ChunkDataParser::Clear()
{
    names.clear();
    values.clear();
    types.clear();
    cursor = -1;
}

std::size_t ChunkDataParser::GetSize() const
{
    std::size_t size = kVersionSize;
    for (std::size_t k = 0; k < names.size(); ++k)
        size += AlignUp(kPrefixLength + names[k].size() + 1) + (types[k] == kDouble ? 8 : 4);
    return size;
}

std::size_t ChunkDataParser::GetRecordSize() const
{
    return GetSize() + kChunkHeaderSize;
}

void ChunkDataParser::Write(SHostPlugInChunk* record) const
{
    const std::size_t size = GetSize();
    record->length = static_cast<std::uint32_t>(size + kChunkHeaderSize);
    std::uint8_t* data = ChunkData(record);
    std::memset(data, 0, size);
    platform::writeBigEndian(data, kVersionWord, kVersionSize);
    std::size_t position = kVersionSize;
    for (std::size_t k = 0; k < names.size(); ++k) {
        std::uint8_t* key = data + position;
        key[1] = '_';
        std::memcpy(key + kPrefixLength, names[k].data(), names[k].size());
        position = AlignUp(position + kPrefixLength + names[k].size() + 1);
        switch (types[k]) {
        case kFloat:
            key[0] = 'f';
            platform::writeBigEndian(data + position, values[k], 4);
            position += 4;
            break;
        case kInt32:
            key[0] = 'l';
            platform::writeBigEndian(data + position, values[k], 4);
            position += 4;
            break;
        case kDouble:
            key[0] = 'd';
            platform::writeBigEndian(data + position, values[k], 8);
            position += 8;
            break;
        case kInt16:
            // The value fills the first half of its word; the rest stays zero.
            key[0] = 's';
            platform::writeBigEndian(data + position, values[k], 2);
            position += 4;
            break;
        }
    }
}

void ChunkDataParser::Parse(const SHostPlugInChunk* record, std::size_t available)
{
    Clear();
    keptWord = record->secondWord;
    const std::size_t recordEnd = std::min<std::size_t>(record->length, available);
    if (recordEnd < kChunkHeaderSize + kVersionSize)
        return;
    const std::uint8_t* data = ChunkData(record);
    const std::size_t dataLength = recordEnd - kChunkHeaderSize;
    if (platform::readBigEndian(data, kVersionSize) != kVersionWord)
        return;
    std::size_t position = kVersionSize;
    while (position < dataLength) {
        const auto* key = reinterpret_cast<const char*>(data + position);
        const auto* keyEnd = static_cast<const char*>(std::memchr(key, 0, dataLength - position));
        const auto keyLength = keyEnd != nullptr ? static_cast<std::size_t>(keyEnd - key) : 0;
        if (keyLength < kPrefixLength)
            return;
        // Only the first letter tells the type; a letter the format does not know leaves the value's
        // size unknown, and with it where the next entry starts.
        EntryType type;
        std::size_t valueSize = 4;
        switch (key[0]) {
        case 'f': type = kFloat; break;
        case 'l': type = kInt32; break;
        case 'd': type = kDouble; valueSize = 8; break;
        case 's': type = kInt16; break;
        default: return;
        }
        position = AlignUp(position + keyLength + 1);
        if (position > dataLength || dataLength - position < valueSize)
            return;
        std::uint64_t value = 0;
        switch (type) {
        case kFloat: value = platform::readBigEndian(data + position, 4); break;
        case kInt32: value = WidenSigned(static_cast<std::int32_t>(platform::readBigEndian(data + position, 4))); break;
        case kDouble: value = platform::readBigEndian(data + position, 8); break;
        case kInt16: value = WidenSigned(static_cast<std::int16_t>(platform::readBigEndian(data + position, 2))); break;
        }
        Append(std::string(key + kPrefixLength, keyLength - kPrefixLength), type, value);
        position += valueSize;
    }
}

void ChunkDataParser::Parse(const SHostPlugInChunk* record)
{
    Parse(record, record->length);
}

void ChunkDataParser::Append(std::string name, EntryType type, std::uint64_t value)
{
    names.push_back(std::move(name));
    values.push_back(value);
    types.push_back(type);
}

std::uint64_t* ChunkDataParser::FindValue(const char* name, EntryType type)
{
    const std::int32_t index = Find(name);
    if (index < 0 || types[static_cast<std::size_t>(index)] != type)
        return nullptr;
    return &values[static_cast<std::size_t>(index)];
}
