#include "platform/module_resources.h"

#include "platform/embedded_resource.h"
#include "platform/platform_module.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(ModuleResources, AResourceIsFoundByIdAndTypeInAnyCaseAndHoldsItsFileButNothingElseIsFound)
{
    // The tree the test was built from, wherever the program runs: ctest names it, a direct run finds it from here.
    const char* source = std::getenv("KRAVO_SOURCE_DIR");
    const std::filesystem::path here = std::filesystem::path(__FILE__).parent_path(); // tests/platform
    const std::filesystem::path tree = source ? std::filesystem::path(source) : here.parent_path().parent_path();
    std::ifstream in(tree / "resources" / "test" / "embedding-check.txt", std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    ASSERT_FALSE(expected.str().empty()) << "no check file in " << tree;
    HMODULE module = platform::pluginModule();
    const LPCSTR check = MAKEINTRESOURCEA(1);
    for (HRSRC found : {FindResourceA(module, check, "TXT"), FindResourceA(GetModuleHandleA(nullptr), check, "txt")}) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        ASSERT_NE(bytes, nullptr);
        ASSERT_EQ(SizeofResource(module, found), expected.str().size());
        EXPECT_EQ(std::string(bytes, expected.str().size()), expected.str());
    }
    int foreign = 0;
    const auto foreignModule = reinterpret_cast<HMODULE>(&foreign);
    for (HRSRC missing : {FindResourceA(module, MAKEINTRESOURCEA(2), "TXT"), FindResourceA(module, check, "PNG"),
                          FindResourceA(module, check, nullptr), FindResourceA(module, "NAMED", "TXT"),
                          FindResourceA(foreignModule, check, "TXT"), reinterpret_cast<HRSRC>(&foreign)})
        EXPECT_TRUE(LoadResource(module, missing) == nullptr && SizeofResource(module, missing) == 0);
    EXPECT_TRUE(GetModuleHandleA("other.dll") == nullptr && LockResource(&foreign) == nullptr);
}

// As a library of the project loads and unloads, again and again: its resources are found only while it is loaded,
// and its place is taken by the next one.
TEST(ModuleResources, AModulesResourcesAreFoundOnlyWhileItIsRegisteredHoweverOftenModulesComeAndGo)
{
    static const unsigned char bytes[] = {'o', 'k'};
    static const platform::EmbeddedResource table[] = {{"PNG", 7, bytes, bytes + 2}};
    for (int load = 0; load < 40; ++load) {
        PlatformModule library{.kind = PlatformModule::Kind::own, .resources = table};
        platform::registerOwnModule(library);
        HRSRC found = FindResourceA(&library, MAKEINTRESOURCEA(7), "png");
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(LockResource(LoadResource(&library, found)), bytes);
        platform::unregisterOwnModule(library);
        EXPECT_EQ(FindResourceA(&library, MAKEINTRESOURCEA(7), "png"), nullptr);
        EXPECT_EQ(LockResource(const_cast<platform::EmbeddedResource*>(&table[0])), nullptr);
    }
}

} // namespace
