#pragma once

// The values a view description is read into: a chain of cells, each a kind and a value, taken from
// a fixed arena together with the bodies of the strings.

#include <array>
#include <bit>
#include <cstdint>

class CCustomView;

// Makes a new, default-constructed view of its class; null when it cannot.
using ViewCreator = CCustomView* (*)();

enum ValueKind : std::int16_t {
    kViewMarkerKind = 0,
    // The character's byte value (0 for '').
    kCharacterKind = 1,
    // The four characters as a little-endian word holds them in text order: the first in the lowest byte.
    kCodeKind = 2,
    kConstantKind = 3,
    kCreatorKind = 4,
    kFunctionKind = 5,
    // A length-prefixed string in the arena.
    kStringKind = 6,
    kIntegerKind = 7,
    // The bits of a 32-bit float.
    kRealKind = 8,
    // The first cell of the contents; none when the list is empty.
    kListKind = 9,
};

struct SValueCell {
    SValueCell* next;
    std::int16_t kind;
    std::intptr_t value;

    std::int32_t Integer() const { return static_cast<std::int32_t>(value); }
    float Real() const { return std::bit_cast<float>(static_cast<std::uint32_t>(value)); }
    const std::uint8_t* String() const { return reinterpret_cast<const std::uint8_t*>(value); }
    SValueCell* List() const { return reinterpret_cast<SValueCell*>(value); }
    ViewCreator Creator() const { return reinterpret_cast<ViewCreator>(value); }
    // A code cell's four characters as the host's four-character code: the first character highest.
    std::uint32_t Code() const
    {
        const auto text = static_cast<std::uint32_t>(value);
        return (text & 0xFF) << 24 | (text >> 8 & 0xFF) << 16 | (text >> 16 & 0xFF) << 8 | text >> 24;
    }
};

// 4096 bytes counted as the host's 32-bit layout takes them (12 bytes a cell at an even offset, a
// string's length byte and characters as they come), so that a text that fits the host's arena fits
// this one; the cells themselves are held in native form beside the string bytes.
class CCellArena {
public:
    static constexpr int kSize = 4096;
    static constexpr int kCellSize = 12;

    // Fails with -7053 when the cell does not fit.
    SValueCell* NewCell(std::int16_t kind, std::intptr_t value);
    // A length-prefixed copy; fails with -7400 when it does not fit.
    const std::uint8_t* NewString(const std::uint8_t* characters, std::uint8_t length);

private:
    int used = 0;
    int cellCount = 0;
    int stringBytes = 0;
    std::array<SValueCell, kSize / kCellSize> cells;
    std::array<std::uint8_t, kSize> strings;
};
