#include "plugin/settings/path_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using PathFunction = bool (*)(const char*, std::span<char>);

TEST(PathText, PartsAreTakenAfterTheLastSeparatorSoADotInAFolderIsNoExtensionAndResultsThatDoNotFitAreRefused)
{
    const std::tuple<PathFunction, const char*, const char*> cases[] = {
        {kravo::fileTitleFromPath, "C:/Kravo/v1.2/Funk.Kit.pat", "Funk.Kit"}, {kravo::dirFromPath, "Funk.pat", "Funk"},
        {kravo::fileTitleFromPath, "C:\\a.b\\file", "file"}, {kravo::dirFromPath, "C:\\a.b\\file", "C:\\a.b\\"},
        {kravo::stripExtension, "C:\\a.b\\file", "C:\\a.b\\file"},
        {kravo::fileNameFromPath, "C:\\Kravo\\Funk.pat", "Funk.pat"}};
    char out[kravo::kPathBufferSize];
    for (const auto& [function, in, expected] : cases) {
        ASSERT_TRUE(function(in, std::span<char>(out))) << in;
        EXPECT_STREQ(out, expected) << in;
    }
    ASSERT_TRUE(kravo::numberedName(9, "Ten", out));
    EXPECT_STREQ(out, "10 Ten");
    // 200 + 54 + "\" is the longest path the buffer holds with its terminator.
    const std::string folder(200, 'f');
    EXPECT_TRUE(kravo::makeDirPath(folder.c_str(), std::string(54, 'n').c_str(), out));
    EXPECT_FALSE(kravo::makeDirPath(folder.c_str(), std::string(55, 'n').c_str(), out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(kravo::fileTitleFromPath(("C:\\" + std::string(255, 't') + ".pat").c_str(), out));
}

} // namespace
