#include "tests/hostframework/views/description_test.h"

#include <memory>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define POISON(address, size) ((void)(address), (void)(size))
#define UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace {

using kravo::test::DescriptionTest;

class DescriptionBadInput : public DescriptionTest {
protected:
    // Parses the text with the record's bytes past its length poisoned, so that a read past the text
    // stops the run under the address sanitizer; checks what a good parse gives.
    static void parseChecked(const std::string& text, std::uint8_t length)
    {
        auto record = std::make_unique<SViewRecord>(kravo::test::recordOf(text, length));
        char* past = record->text + length;
        const std::size_t pastSize = sizeof record->text - length;
        POISON(past, pastSize);
        {
            SParseState state(record.get());
            if (ParseDescription(state))
                checkShape(state);
        }
        UNPOISON(past, pastSize);
    }

    static void checkShape(const SParseState& state)
    {
        ASSERT_NE(state.result, nullptr);
        EXPECT_EQ(state.result->kind, kViewMarkerKind);
        ASSERT_NE(state.result->next, nullptr);
        EXPECT_EQ(state.result->next->kind, kCreatorKind);
        ASSERT_NE(state.result->next->next, nullptr);
        EXPECT_EQ(state.result->next->next->next, nullptr);
        for (const SValueCell* group = state.groups; group != nullptr; group = group->next) {
            ASSERT_EQ(group->kind, kListKind);
            checkCells(group->List(), 0);
        }
    }

    // No function is left, and every kind is one of the language's.
    static void checkCells(const SValueCell* cells, int depth)
    {
        ASSERT_LT(depth, 256);
        for (const SValueCell* cell = cells; cell != nullptr; cell = cell->next) {
            EXPECT_NE(cell->kind, kFunctionKind);
            EXPECT_GE(cell->kind, kViewMarkerKind);
            EXPECT_LE(cell->kind, kListKind);
            if (cell->kind == kListKind)
                checkCells(cell->List(), depth + 1);
        }
    }
};

const char* const kPieces[] = {"!",        "Background", "NoUIView", "[",  "]",   "(",  ")",     "'",   "\"",
                               "\\",       "\\n",        "\\q",      ",",  " ",   "\t", "-",     ".",   "0x",
                               "0",        "7",          "12.5",     "f",  "'abcd'", "''", "'a'", "plate",
                               "getString", "(128 5)",   "(128 1)",  "shortVersion", "longVersion", "getList",
                               "#",        "`",          "x",        "Z9", ""};

// An empty piece stands for a NUL. Random texts assembled from the language's own pieces and damaged copies of good texts, each read
// to its length and to shorter lengths.
TEST_F(DescriptionBadInput, RandomAndDamagedTextsNeverReadPastTheTextOrThrow)
{
    std::mt19937 random(71);
    const std::string good[] = {"!NoUIView[('NoID')]", "!Background[('abcd' plate 3)(getString(128 2) -0x10 .5)]",
                                "!Background[('abcd')((1 [2 (3)]) \"a\\tb\" shortVersion)]"};
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        if (round % 2 == 0) {
            const int pieces = static_cast<int>(random() % 40);
            for (int i = 0; i < pieces && text.size() < 255; ++i) {
                const char* piece = kPieces[random() % std::size(kPieces)];
                text += *piece != '\0' ? std::string(piece) : std::string(1, '\0');
            }
        } else {
            text = good[random() % std::size(good)];
            const int damage = 1 + static_cast<int>(random() % 3);
            for (int i = 0; i < damage; ++i)
                text[random() % text.size()] = static_cast<char>(random() % 256);
        }
        if (text.size() > 255)
            text.resize(255);
        const auto length = static_cast<std::uint8_t>(text.size());
        parseChecked(text, length);
        if (length > 0)
            parseChecked(text, static_cast<std::uint8_t>(random() % length));
    }
}

TEST_F(DescriptionBadInput, EveryShortenedGoodTextIsReadOnlyToItsLength)
{
    const std::string text = "!Background[('abcd' inversePlate)(getString(128 1) \"x\\ty\" 'a\\nbc' 1.5 [()])]";
    for (std::size_t length = 0; length <= text.size(); ++length)
        parseChecked(text, static_cast<std::uint8_t>(length));
    EXPECT_EQ(parse(text), "! V:Background ((K'abcd' k=12) (s\"Hello\" s\"x\\x09y\" K'a\\x0Abc' r=1.5 (())))");
}

} // namespace
