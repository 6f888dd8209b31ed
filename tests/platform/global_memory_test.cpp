#include "platform/global_memory.h"

#include "platform/last_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

TEST(GlobalMemory, BlocksStartZeroedStayPutWhileLockedUnlockAsOftenAsLockedAndFreeingEndsThem)
{
    const int blocksBefore = platform::globalBlockCount();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(platform::globalBlockCount(), blocksBefore + 1);
    EXPECT_EQ(GlobalSize(memory), 16u);

    auto* bytes = static_cast<unsigned char*>(GlobalLock(memory));
    ASSERT_NE(bytes, nullptr);
    EXPECT_TRUE(std::all_of(bytes, bytes + 16, [](unsigned char b) { return b == 0; }));
    std::memcpy(bytes, "kept", 5);
    EXPECT_EQ(GlobalLock(memory), bytes);
    EXPECT_EQ(GlobalUnlock(memory), TRUE);
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(GlobalUnlock(memory), FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(GlobalUnlock(memory), FALSE) << "a block that is not locked cannot be unlocked";
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(memory)), "kept");

    EXPECT_EQ(GlobalFree(memory), nullptr) << "a locked block is freed as well";
    EXPECT_EQ(platform::globalBlockCount(), blocksBefore);
    EXPECT_EQ(GlobalFree(nullptr), nullptr);

    HGLOBAL empty = GlobalAlloc(GMEM_ZEROINIT, 0);
    EXPECT_EQ(GlobalSize(empty), 0u);
    EXPECT_EQ(GlobalFree(empty), nullptr);
    EXPECT_EQ(GlobalAlloc(0x80, 4), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(platform::globalBlockCount(), blocksBefore);
}

TEST(GlobalMemory, StaleAndForeignHandlesAreRefusedWithoutBeingFollowed)
{
    HGLOBAL stale = GlobalAlloc(GMEM_MOVEABLE, 8);
    void* pointer = GlobalLock(stale);
    ASSERT_EQ(GlobalFree(stale), nullptr);
    HGLOBAL later = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_NE(later, stale) << "handles are never given out twice";

    int local = 0;
    for (HGLOBAL bad : {stale, pointer, static_cast<HGLOBAL>(&local)}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(GlobalLock(bad), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(GlobalSize(bad), 0u);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(GlobalUnlock(bad), FALSE);
        EXPECT_EQ(GlobalFree(bad), bad);
    }
    EXPECT_EQ(GlobalSize(later), 8u) << "refusing bad handles leaves the live block alone";
    EXPECT_EQ(GlobalFree(later), nullptr);
}

} // namespace
