#include "platform/ole/ole_initialize.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(OleInitialize, TheFirstOfAThreadAnswersOkFurtherOnesFalseAndUninitialisingBalancesThem)
{
    ASSERT_EQ(platform::oleInitializeCount(), 0);
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
    int reserved = 0;
    EXPECT_EQ(OleInitialize(&reserved), E_INVALIDARG);
    EXPECT_EQ(platform::oleInitializeCount(), 2);

    HRESULT otherThread = E_FAIL;
    std::thread([&otherThread] {
        otherThread = OleInitialize(nullptr);
        OleUninitialize();
    }).join();
    EXPECT_EQ(otherThread, S_OK) << "each thread counts its own";

    OleUninitialize();
    OleUninitialize();
    EXPECT_EQ(platform::oleInitializeCount(), 0);
    OleUninitialize();
    EXPECT_EQ(platform::oleInitializeCount(), 0) << "one too many does nothing";
    EXPECT_EQ(OleInitialize(nullptr), S_OK) << "initialising starts over once balanced";
    OleUninitialize();
}

} // namespace
