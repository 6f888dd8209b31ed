#include "platform/user_folders.h"

#include <gtest/gtest.h>

namespace {

TEST(UserLocation, AnExplicitSettingWins)
{
    EXPECT_EQ(platform::userLocation("/srv/kravo.txt", "/xdg", "/home/u", ".config", "kravo/registry.txt"),
              "/srv/kravo.txt");
}

TEST(UserLocation, TheXdgFolderComesNextWhenItIsAbsolute)
{
    EXPECT_EQ(platform::userLocation(nullptr, "/xdg", "/home/u", ".config", "kravo/registry.txt"),
              "/xdg/kravo/registry.txt");
    EXPECT_EQ(platform::userLocation("", "/xdg", "/home/u", ".config", "kravo/registry.txt"),
              "/xdg/kravo/registry.txt");
}

TEST(UserLocation, ARelativeOrEmptyXdgFolderIsIgnoredInFavourOfTheHomeFolder)
{
    EXPECT_EQ(platform::userLocation(nullptr, "relative", "/home/u", ".config", "kravo/registry.txt"),
              "/home/u/.config/kravo/registry.txt");
    EXPECT_EQ(platform::userLocation(nullptr, "", "/home/u", ".local/share", "kravo/drive"),
              "/home/u/.local/share/kravo/drive");
}

TEST(UserLocation, WithoutAHomeFolderTheTemporaryFolderServes)
{
    EXPECT_TRUE(platform::userLocation(nullptr, nullptr, nullptr, ".config", "kravo/registry.txt").is_absolute());
}

} // namespace
