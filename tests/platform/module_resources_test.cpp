#include "platform/module_resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(ModuleResources, AResourceIsFoundByIdAndTypeInAnyCaseAndHoldsItsFileButNothingElseIsFound)
{
    const char* source = std::getenv("KRAVO_SOURCE_DIR");
    std::ifstream in(std::string(source ? source : ".") + "/resources/test/embedding-check.txt", std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    HMODULE module = platform::pluginModule();
    const LPCSTR check = MAKEINTRESOURCEA(1);
    for (HRSRC found : {FindResourceA(module, check, "TXT"), FindResourceA(GetModuleHandleA(nullptr), check, "txt")}) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        ASSERT_FALSE(bytes == nullptr || expected.str().empty());
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

} // namespace
