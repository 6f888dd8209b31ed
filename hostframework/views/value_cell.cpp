#include "hostframework/views/value_cell.h"

#include "hostframework/host_error.h"

#include <cstring>

SValueCell* CCellArena::NewCell(std::int16_t kind, std::intptr_t value)
{
    const int start = used + (used & 1);
    if (start + kCellSize > kSize)
        throw CHostError(kHostErrNullValue);
    used = start + kCellSize;
    SValueCell* cell = &cells[static_cast<std::size_t>(cellCount++)];
    *cell = SValueCell{nullptr, kind, value};
    return cell;
}

const std::uint8_t* CCellArena::NewString(const std::uint8_t* characters, std::uint8_t length)
{
    ThrowIfFalse(used + 1 + length <= kSize);
    used += 1 + length;
    std::uint8_t* body = &strings[static_cast<std::size_t>(stringBytes)];
    stringBytes += 1 + length;
    body[0] = length;
    if (length > 0)
        std::memcpy(body + 1, characters, length);
    return body;
}
