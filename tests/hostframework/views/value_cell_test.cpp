#include "hostframework/host_error.h"
#include "hostframework/views/value_cell.h"
#include "tests/hostframework/support/host_error_code.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

using kravo::test::hostErrorCode;

TEST(CellArena, HoldsAsManyTwelveByteCellsAsFitIn4096Bytes)
{
    auto arena = std::make_unique<CCellArena>();
    for (int i = 0; i < 4096 / 12; ++i) {
        SValueCell* cell = arena->NewCell(kIntegerKind, i);
        ASSERT_EQ(cell->Integer(), i);
        EXPECT_EQ(cell->next, nullptr);
    }
    EXPECT_EQ(hostErrorCode([&] { arena->NewCell(kIntegerKind, 0); }), -7053);
}

TEST(CellArena, ACellAfterAnOddStringStartsAtAnEvenByte)
{
    auto arena = std::make_unique<CCellArena>();
    std::uint8_t text[255];
    std::memset(text, 'q', sizeof text);
    arena->NewString(text, 0);
    arena->NewCell(kIntegerKind, 0);
    for (int i = 0; i < 15; ++i)
        arena->NewString(text, 255);
    // 1 + 1 (padding) + 12 + 15 × 256 = 3854 bytes used, 242 left: a length byte and 241 characters.
    EXPECT_EQ(hostErrorCode([&] { arena->NewString(text, 242); }), -7400);
    EXPECT_EQ(hostErrorCode([&] { arena->NewString(text, 241); }), 0);
}

TEST(CellArena, StringsAreLengthPrefixedCopiesAndFailWithMinus7400WhenFull)
{
    auto arena = std::make_unique<CCellArena>();
    std::uint8_t text[255];
    std::memset(text, 'q', sizeof text);
    const std::uint8_t* first = arena->NewString(text, 3);
    ASSERT_EQ(first[0], 3);
    EXPECT_EQ(std::memcmp(first + 1, "qqq", 3), 0);
    for (int i = 0; i < 15; ++i)
        arena->NewString(text, 255);
    // 4 + 15 × 256 = 3844 bytes used: 252 left for one length byte and 251 characters.
    EXPECT_EQ(hostErrorCode([&] { arena->NewString(text, 252); }), -7400);
    const std::uint8_t* last = arena->NewString(text, 251);
    EXPECT_EQ(last[0], 251);
    EXPECT_EQ(hostErrorCode([&] { arena->NewString(text, 0); }), -7400);
    EXPECT_EQ(first[0], 3);
}

} // namespace
