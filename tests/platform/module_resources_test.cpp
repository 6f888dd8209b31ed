#include "platform/module_resources.h"

#include "platform/windows_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int kCheckResourceId = 1;

std::string sourceFile(const std::string& relative)
{
    const char* source = std::getenv("KRAVO_SOURCE_DIR");
    std::ifstream in(std::string(source ? source : ".") + "/" + relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(ModuleResources, AResourceIsFoundByIdAndTypeAndHoldsItsFileByteForByte)
{
    HMODULE module = platform::pluginModule();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(kCheckResourceId), "TXT");
    ASSERT_NE(found, nullptr);
    HGLOBAL loaded = LoadResource(module, found);
    ASSERT_NE(loaded, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    ASSERT_NE(bytes, nullptr);
    const std::string expected = sourceFile("resources/test/embedding-check.txt");
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(SizeofResource(module, found), expected.size());
    EXPECT_EQ(std::string(bytes, expected.size()), expected);
}

TEST(ModuleResources, TheTypeNameComparesWithoutCase)
{
    EXPECT_NE(FindResourceA(platform::pluginModule(), MAKEINTRESOURCEA(kCheckResourceId), "txt"), nullptr);
}

TEST(ModuleResources, TheOwnModuleIsReachedByHandleByNullAndByGetModuleHandle)
{
    EXPECT_EQ(GetModuleHandleA(nullptr), platform::pluginModule());
    EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(kCheckResourceId), "TXT"), nullptr);
    EXPECT_EQ(GetModuleHandleA("other.dll"), nullptr);
}

TEST(ModuleResources, AMissingIdOrTypeGivesNullHandlesAllTheWayDown)
{
    HMODULE module = platform::pluginModule();
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(17000), "TXT"), nullptr);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(kCheckResourceId), "PNG"), nullptr);
    EXPECT_EQ(FindResourceA(module, "NAMED", "TXT"), nullptr);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(kCheckResourceId), nullptr), nullptr);

    HRSRC missing = FindResourceA(module, MAKEINTRESOURCEA(17264), "TXT");
    EXPECT_EQ(LoadResource(module, missing), nullptr);
    EXPECT_EQ(LockResource(LoadResource(module, missing)), nullptr);
    EXPECT_EQ(SizeofResource(module, missing), 0u);
}

TEST(ModuleResources, HandlesThatAreNotTheModulesAreRefused)
{
    int unrelated = 0;
    HMODULE module = platform::pluginModule();
    EXPECT_EQ(LoadResource(module, reinterpret_cast<HRSRC>(&unrelated)), nullptr);
    EXPECT_EQ(LockResource(&unrelated), nullptr);
    EXPECT_EQ(SizeofResource(module, reinterpret_cast<HRSRC>(&unrelated)), 0u);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(kCheckResourceId), "TXT");
    EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(&unrelated), MAKEINTRESOURCEA(kCheckResourceId), "TXT"),
              nullptr);
    EXPECT_EQ(LoadResource(reinterpret_cast<HMODULE>(&unrelated), found), nullptr);
}

} // namespace
