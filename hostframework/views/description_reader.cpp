#include "hostframework/views/description_reader.h"

#include "hostframework/host_error.h"
#include "hostframework/views/keyword_map.h"

#include <array>
#include <bit>
#include <cstring>
#include <string_view>

namespace {

constexpr int kLongestString = 255;
constexpr int kCodeLength = 4;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

CDescriptionReader::CDescriptionReader(CCellArena& arena, const char* text, std::size_t length)
    : arena(arena), cursor(text), end(text + length)
{
    if (const void* terminator = std::memchr(text, '\0', length))
        end = static_cast<const char*>(terminator);
}

bool CDescriptionReader::ReadSequence(char closer, SValueCell** first)
{
    SValueCell** link = first;
    *link = nullptr;
    for (;;) {
        SkipBlanks();
        if (Peek() == closer)
            return true;
        SValueCell* cell = ReadItem();
        if (cell == nullptr)
            return false;
        *link = cell;
        link = &cell->next;
    }
}

void CDescriptionReader::SkipBlanks()
{
    while (cursor < end && (*cursor == '\t' || *cursor == '\n' || *cursor == '\r' || *cursor == ' ' || *cursor == ','))
        ++cursor;
}

SValueCell* CDescriptionReader::ReadItem()
{
    const char c = Peek();
    if (isLetter(c))
        return ReadName();
    if (isDigit(c) || c == '.' || c == '-')
        return ReadNumber();
    if (c == '(' || c == '[')
        return ReadList();
    if (c == '!') {
        ++cursor;
        return arena.NewCell(kViewMarkerKind, 0);
    }
    if (c == '\'')
        return ReadCode();
    if (c == '"')
        return ReadString();
    return nullptr;
}

SValueCell* CDescriptionReader::ReadName()
{
    const char* start = cursor;
    while (cursor < end && (isLetter(*cursor) || isDigit(*cursor)))
        ++cursor;
    SKeyword keyword{};
    if (!lookupKeyword(std::string_view(start, static_cast<std::size_t>(cursor - start)), &keyword)) {
        cursor = start;
        return nullptr;
    }
    return arena.NewCell(keyword.kind, keyword.value);
}

// Integers wrap modulo 2^32 rather than overflow.
SValueCell* CDescriptionReader::ReadNumber()
{
    const bool negative = Peek() == '-';
    if (negative) {
        ++cursor;
        SkipBlanks();
    }
    ThrowIfFalse(isDigit(Peek()) || Peek() == '.');
    std::uint32_t integer = 0;
    if (Peek() == '0' && cursor + 1 < end && (cursor[1] == 'x' || cursor[1] == 'X')) {
        cursor += 2;
        for (int digit = hexDigit(Peek()); digit >= 0; digit = hexDigit(Peek())) {
            integer = integer * 16 + static_cast<std::uint32_t>(digit);
            ++cursor;
        }
        return arena.NewCell(kIntegerKind, static_cast<std::int32_t>(negative ? 0u - integer : integer));
    }
    while (isDigit(Peek()))
        integer = integer * 10 + static_cast<std::uint32_t>(*cursor++ - '0');
    if (Peek() != '.')
        return arena.NewCell(kIntegerKind, static_cast<std::int32_t>(negative ? 0u - integer : integer));
    ++cursor;
    float real = static_cast<float>(static_cast<std::int32_t>(integer));
    double factor = 0.1;
    while (isDigit(Peek())) {
        real = static_cast<float>(real + (*cursor++ - '0') * factor);
        factor *= 0.1;
    }
    // A second point would leave the number's meaning a guess.
    ThrowIfFalse(Peek() != '.');
    if (negative)
        real = -real;
    return arena.NewCell(kRealKind, std::bit_cast<std::uint32_t>(real));
}

SValueCell* CDescriptionReader::ReadList()
{
    const char closer = *cursor++ == '(' ? ')' : ']';
    SValueCell* contents = nullptr;
    if (!ReadSequence(closer, &contents))
        return nullptr;
    ++cursor;
    return arena.NewCell(kListKind, reinterpret_cast<std::intptr_t>(contents));
}

SValueCell* CDescriptionReader::ReadCode()
{
    ++cursor;
    std::array<std::uint8_t, kCodeLength> characters{};
    int count = 0;
    for (;;) {
        ThrowIfFalse(cursor < end);
        if (*cursor == '\'')
            break;
        ThrowIfFalse(count < kCodeLength);
        characters[static_cast<std::size_t>(count++)] = ReadCharacter();
    }
    ++cursor;
    if (count == 0 || count == 1)
        return arena.NewCell(kCharacterKind, characters[0]);
    ThrowIfFalse(count == kCodeLength);
    const std::uint32_t code = characters[0] | (characters[1] << 8) | (characters[2] << 16) |
                               (static_cast<std::uint32_t>(characters[3]) << 24);
    return arena.NewCell(kCodeKind, code);
}

SValueCell* CDescriptionReader::ReadString()
{
    ++cursor;
    std::array<std::uint8_t, kLongestString> characters{};
    int length = 0;
    for (;;) {
        ThrowIfFalse(cursor < end);
        if (*cursor == '"')
            break;
        const std::uint8_t character = ReadCharacter();
        ThrowIfFalse(length < kLongestString);
        characters[static_cast<std::size_t>(length++)] = character;
    }
    ++cursor;
    const std::uint8_t* body = arena.NewString(characters.data(), static_cast<std::uint8_t>(length));
    return arena.NewCell(kStringKind, reinterpret_cast<std::intptr_t>(body));
}

std::uint8_t CDescriptionReader::ReadCharacter()
{
    const auto character = static_cast<std::uint8_t>(*cursor++);
    if (character != '\\')
        return character;
    ThrowIfFalse(cursor < end);
    switch (*cursor++) {
    case '\'':
        return '\'';
    case '\\':
        return '\\';
    case 'a':
        return 7;
    case 'b':
        return 8;
    case 'f':
        return 12;
    case 'n':
        return 10;
    case 'r':
        return 13;
    case 't':
        return 9;
    case 'v':
        return 11;
    default:
        throw CHostError(kHostErrCheckFailed);
    }
}
