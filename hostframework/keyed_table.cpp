#include "hostframework/keyed_table.h"

#include "platform/byte_order.h"

#include <algorithm>

namespace {

constexpr std::size_t kRecordHeader = 6;

std::int16_t readWord(const std::uint8_t* at)
{
    return static_cast<std::int16_t>(platform::readBigEndian(at, 2));
}

} // namespace

std::int16_t STableEntry::value(std::int32_t index) const
{
    if (index < 0 || index >= valueCount)
        return 0;
    return readWord(values + 2 * index);
}

std::optional<STableEntry> findTableEntry(const std::uint8_t* table, std::size_t size, std::int16_t key)
{
    if (table == nullptr)
        return std::nullopt;
    std::optional<STableEntry> keyOne;
    for (std::size_t at = 0; at + kRecordHeader <= size && readWord(table + at) != 0;) {
        const std::int16_t valueCount = std::max<std::int16_t>(readWord(table + at + 4), 0);
        const std::size_t next = at + kRecordHeader + 2 * static_cast<std::size_t>(valueCount);
        if (next > size)
            break;
        const STableEntry record{readWord(table + at), readWord(table + at + 2), valueCount,
                                 table + at + kRecordHeader};
        if (key == -1 || record.key == key)
            return record;
        if (record.key == 1 && !keyOne)
            keyOne = record;
        at = next;
    }
    return keyOne;
}

std::int32_t tableEntryCount(const std::uint8_t* table, std::size_t size, std::int16_t key)
{
    const auto found = findTableEntry(table, size, key);
    if (!found)
        return -1;
    if (key == -1)
        return found->groupCount;
    const std::int32_t ratio = key > 0 && found->key > 0 ? key / found->key : 0;
    if (ratio <= 0)
        return -1;
    return (found->groupCount + ratio - 1) / ratio;
}

std::int32_t tableEntryValue(const std::uint8_t* table, std::size_t size, std::int16_t key, std::int16_t group,
                             std::int16_t item)
{
    const auto found = findTableEntry(table, size, key);
    if (!found)
        return -1;
    if (key == -1) {
        if (group >= 0 && item >= 0 && group < found->groupCount && item < found->key)
            return found->value(group * found->key + item);
        return 0;
    }
    const std::int32_t ratio = found->key > 0 ? key / found->key : 0;
    const std::int32_t remaining = std::min(found->groupCount - ratio * group, ratio);
    if (item >= 0 && remaining > 0 && item < found->key * remaining)
        return found->value(found->key * ratio * group + item);
    return 0;
}

bool hasTableEntry(const std::uint8_t* table, std::size_t size, std::int16_t key)
{
    if (table == nullptr)
        return false;
    if (key == -1)
        return true;
    const auto found = findTableEntry(table, size, key);
    return found && found->key == key;
}
