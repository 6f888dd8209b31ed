#include "platform/user_folders.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(UserLocation, AnExplicitSettingThenAnAbsoluteXdgFolderThenTheHomeFolderThenTheTemporaryFolder)
{
    const auto temporary = std::filesystem::temp_directory_path() / ".config/kravo/registry.txt";
    const std::tuple<const char*, const char*, const char*, std::filesystem::path> cases[] = {
        {"/srv/kravo.txt", "/xdg", "/home/u", "/srv/kravo.txt"}, {nullptr, nullptr, nullptr, temporary},
        {nullptr, "/xdg", "/home/u", "/xdg/kravo/registry.txt"}, {"", "/xdg", "/home/u", "/xdg/kravo/registry.txt"},
        {nullptr, "relative", "/home/u", "/home/u/.config/kravo/registry.txt"}, {nullptr, nullptr, "", temporary},
        {nullptr, "", "/home/u", "/home/u/.config/kravo/registry.txt"}};
    for (const auto& [explicitPath, xdg, home, expected] : cases)
        EXPECT_EQ(platform::userLocation(explicitPath, xdg, home, ".config", "kravo/registry.txt"), expected)
            << expected;
}

} // namespace
