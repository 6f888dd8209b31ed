#include "toolkit/image_library.h"

#include "tests/toolkit/support/toolkit_test.h"

#include <gtest/gtest.h>

namespace {

using namespace Toolkit;
using BlendingEntryPoints = kravo::test::ToolkitTest;

TEST_F(BlendingEntryPoints, OnTheNtFamilyBothEntryPointsAreFoundAndTheVersionIsKept)
{
    loadImageLibrary();
    EXPECT_NE(alphaBlendEntry, nullptr);
    EXPECT_NE(transparentBltEntry, nullptr);
    EXPECT_EQ(systemVersion.platformId, 2u);
    EXPECT_EQ(systemVersion.majorVersion, 5u);
    EXPECT_EQ(systemVersion.minorVersion, 1u);
    EXPECT_FALSE(blendsOnlyFromOrigin());
}

TEST_F(BlendingEntryPoints, OnWindows98TransparentBltIsNotLookedUpAndBlendsStartAtTheOrigin)
{
    platform::setSystemFamily(platform::SystemFamily::windows9x);
    loadImageLibrary();
    EXPECT_NE(alphaBlendEntry, nullptr);
    EXPECT_EQ(transparentBltEntry, nullptr);
    EXPECT_TRUE(blendsOnlyFromOrigin());
}

TEST_F(BlendingEntryPoints, WithoutTheLibraryBothEntryPointsAreClearedEvenWhenFilledBefore)
{
    loadImageLibrary();
    platform::setImageLibrary(platform::ImageLibrary::missing);
    EXPECT_EQ(Toolkit::loadImageLibrary(), nullptr);
    EXPECT_EQ(alphaBlendEntry, nullptr);
    EXPECT_EQ(transparentBltEntry, nullptr);
}

} // namespace
