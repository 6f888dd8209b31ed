#include "platform/shell/drop_files.h"

#include "platform/global_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr UINT kCount = 0xFFFFFFFF;

// A block of exactly these bytes, so that the sanitizer catches any read outside it.
HDROP block(const std::string& bytes)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!bytes.empty())
        std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::string header(DWORD filesOffset)
{
    return std::string(reinterpret_cast<const char*>(&filesOffset), sizeof filesOffset);
}

void freeBlock(HDROP drop)
{
    EXPECT_EQ(GlobalFree(static_cast<HGLOBAL>(drop)), nullptr);
}

TEST(DragQueryFile, ListsTheFilesWithTheirLengthsAndCutsCopiesToTheBuffer)
{
    HDROP drop = static_cast<HDROP>(platform::newDropFiles({"C:\\Kravo\\Samples\\Kick.wav", "/tmp/snare one.wav", "x"}));
    EXPECT_EQ(DragQueryFileA(drop, kCount, nullptr, 0), 3u);
    EXPECT_EQ(DragQueryFileA(drop, 0, nullptr, 0), 25u);
    EXPECT_EQ(DragQueryFileA(drop, 1, nullptr, 0), 18u);
    EXPECT_EQ(DragQueryFileA(drop, 2, nullptr, 0), 1u);

    char name[64];
    EXPECT_EQ(DragQueryFileA(drop, 1, name, sizeof name), 18u);
    EXPECT_STREQ(name, "/tmp/snare one.wav");
    EXPECT_EQ(DragQueryFileA(drop, 0, name, 8), 7u);
    EXPECT_STREQ(name, "C:\\Krav");
    EXPECT_EQ(DragQueryFileA(drop, 2, name, 1), 0u);
    EXPECT_STREQ(name, "");
    std::strcpy(name, "kept");
    EXPECT_EQ(DragQueryFileA(drop, 2, name, 0), 0u);
    EXPECT_STREQ(name, "kept") << "a buffer of no size is not written";
    EXPECT_EQ(DragQueryFileA(drop, 3, name, sizeof name), 0u);
    EXPECT_EQ(DragQueryFileA(drop, 3, nullptr, 0), 0u);
    freeBlock(drop);

    EXPECT_EQ(DragQueryFileA(drop, kCount, nullptr, 0), 0u) << "a freed block lists nothing";
    HDROP empty = static_cast<HDROP>(platform::newDropFiles({}));
    EXPECT_EQ(DragQueryFileA(empty, kCount, nullptr, 0), 0u);
    freeBlock(empty);
}

TEST(DragQueryFile, MalformedBlocksListOnlyTheWholeNamesInsideThem)
{
    struct Case {
        std::string bytes;
        UINT files;
    };
    const std::string list("Kick.wav\0\0", 10);
    const Case cases[] = {
        {"", 0},
        {header(4).substr(0, 3), 0},
        {header(4), 0},
        {header(1000) + list, 0},
        {header(14) + list, 0},
        {header(2) + list, 0},
        {header(4) + "Kick.wav", 0},
        {header(4) + std::string("Kick.wav\0", 9), 1},
        {header(4) + std::string("a\0bc", 4), 1},
        {header(6) + std::string("xxa\0b\0\0", 7), 2},
    };
    for (const Case& c : cases) {
        HDROP drop = block(c.bytes);
        EXPECT_EQ(DragQueryFileA(drop, kCount, nullptr, 0), c.files) << testing::PrintToString(c.bytes);
        EXPECT_EQ(DragQueryFileA(drop, c.files, nullptr, 0), 0u);
        freeBlock(drop);
    }
}

// Every arrangement of name bytes and terminators in a short list, with the list starting anywhere in and
// around the block: whatever is listed lies inside the block, and copies hold exactly what lengths say.
TEST(DragQueryFile, EveryShortBlockIsReadWithinItsBounds)
{
    constexpr int kBody = 8;
    for (unsigned zeros = 0; zeros < (1u << kBody); ++zeros) {
        std::string body(kBody, 'A');
        for (int i = 0; i < kBody; ++i)
            if ((zeros >> i) & 1)
                body[i] = '\0';
        for (DWORD offset = 0; offset <= sizeof(DROPFILES) + kBody + 1; ++offset) {
            HDROP drop = block(header(offset) + body);
            const UINT files = DragQueryFileA(drop, kCount, nullptr, 0);
            UINT listed = 0;
            for (UINT index = 0; index < files; ++index) {
                const UINT length = DragQueryFileA(drop, index, nullptr, 0);
                ASSERT_GT(length, 0u);
                const auto name = std::make_unique<char[]>(length + 1);
                ASSERT_EQ(DragQueryFileA(drop, index, name.get(), length + 1), length);
                ASSERT_EQ(std::string(name.get()), std::string(length, 'A'));
                listed += length + 1;
            }
            if (files > 0) {
                ASSERT_GE(offset, sizeof(DROPFILES)) << "a list inside the header";
                ASSERT_LE(offset + listed, sizeof(DROPFILES) + kBody) << "zeros " << zeros << ", offset " << offset;
            }
            freeBlock(drop);
        }
    }
}

} // namespace
