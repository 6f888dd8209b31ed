#include "plugin/settings/path_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kravo::kPathBufferSize;

TEST(StripControlChars, DropsTabsAndHighBytesAndClosesTheGap)
{
    char text[] = "Kick\t 1\x7f\x80\xff!";
    kravo::stripControlChars(text);
    EXPECT_STREQ(text, "Kick 1!");

    char printable[] = "Snare ~{}";
    kravo::stripControlChars(printable);
    EXPECT_STREQ(printable, "Snare ~{}");
}

TEST(NumberedName, PadsOneDigitNumbersWithAZero)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::numberedName(0, "Q-groovy", out));
    EXPECT_STREQ(out, "01 Q-groovy");
    ASSERT_TRUE(kravo::numberedName(9, "Tenth", out));
    EXPECT_STREQ(out, "10 Tenth");
    ASSERT_TRUE(kravo::numberedName(31, "", out));
    EXPECT_STREQ(out, "32 ");
}

TEST(ToBackslashPath, TurnsEverySlash)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::toBackslashPath("C:/Kravo/Patterns/x.pat", out));
    EXPECT_STREQ(out, "C:\\Kravo\\Patterns\\x.pat");
}

TEST(LastBackslash, GivesThePositionOrMinusOne)
{
    EXPECT_EQ(kravo::lastBackslash("C:\\a\\b"), 4);
    EXPECT_EQ(kravo::lastBackslash("name"), -1);
}

TEST(FileNameFromPath, KeepsWhatFollowsTheLastBackslash)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::fileNameFromPath("C:\\Kravo\\Patterns\\Funk.pat", out));
    EXPECT_STREQ(out, "Funk.pat");
    ASSERT_TRUE(kravo::fileNameFromPath("Funk.pat", out));
    EXPECT_STREQ(out, "Funk.pat");
}

TEST(FileTitleFromPath, GivesTheNameWithoutFolderAndExtension)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::fileTitleFromPath("C:\\Kravo\\Patterns\\Funk 1.pat", out));
    EXPECT_STREQ(out, "Funk 1");
    ASSERT_TRUE(kravo::fileTitleFromPath("C:/Kravo/Patterns/Funk.pat", out));
    EXPECT_STREQ(out, "Funk");
    ASSERT_TRUE(kravo::fileTitleFromPath("Funk", out));
    EXPECT_STREQ(out, "Funk");
}

TEST(FileTitleFromPath, ADotInAFolderIsNoExtension)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::fileTitleFromPath("C:\\a.b\\file", out));
    EXPECT_STREQ(out, "file");
    ASSERT_TRUE(kravo::fileTitleFromPath("C:\\v1.2\\Funk.Kit.pat", out));
    EXPECT_STREQ(out, "Funk.Kit");
}

TEST(DirFromPath, KeepsTheFolderWithItsSeparator)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::dirFromPath("C:\\Kravo\\Patterns\\Funk.pat", out));
    EXPECT_STREQ(out, "C:\\Kravo\\Patterns\\");
    ASSERT_TRUE(kravo::dirFromPath("C:/Kravo/Funk.pat", out));
    EXPECT_STREQ(out, "C:/Kravo/");
    ASSERT_TRUE(kravo::dirFromPath("Funk.pat", out));
    EXPECT_STREQ(out, "Funk");
}

TEST(DirFromPath, ADotInAFolderKeepsTheFolderWhole)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::dirFromPath("C:\\a.b\\file", out));
    EXPECT_STREQ(out, "C:\\a.b\\");
    ASSERT_TRUE(kravo::dirFromPath("C:\\a.b\\file.ecs", out));
    EXPECT_STREQ(out, "C:\\a.b\\");
}

TEST(StripExtension, CutsOnlyTheLastPartsExtension)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::stripExtension("Kick.Hard.wav", out));
    EXPECT_STREQ(out, "Kick.Hard");
    ASSERT_TRUE(kravo::stripExtension("C:\\a.b\\file", out));
    EXPECT_STREQ(out, "C:\\a.b\\file");
}

TEST(MakeDirPath, JoinsFolderAndNameWithATrailingSeparator)
{
    char out[kPathBufferSize];
    ASSERT_TRUE(kravo::makeDirPath("C:\\Kravo\\Patterns\\", "Funk", out));
    EXPECT_STREQ(out, "C:\\Kravo\\Patterns\\Funk\\");
}

TEST(PathBuilding, AResultThatDoesNotFitIsRefusedNotCut)
{
    const std::string folder(200, 'f');
    const std::string name(55, 'n');
    char out[kPathBufferSize] = "untouched";
    // 200 + 55 + "\" = 256 characters: one more than the buffer holds with its terminator.
    EXPECT_FALSE(kravo::makeDirPath(folder.c_str(), name.c_str(), out));
    EXPECT_STREQ(out, "");
    ASSERT_TRUE(kravo::makeDirPath(folder.c_str(), name.substr(1).c_str(), out));
    EXPECT_EQ(std::string(out).size(), 255u);

    char small[8];
    EXPECT_FALSE(kravo::numberedName(0, "Long name", small));
    EXPECT_STREQ(small, "");
    EXPECT_FALSE(kravo::fileNameFromPath("C:\\a\\12345678", small));
    EXPECT_FALSE(kravo::dirFromPath("C:\\folder\\x.pat", small));
    EXPECT_FALSE(kravo::toBackslashPath("C:/12345678", small));
}

TEST(FileTitleFromPath, RefusesTitlesLongerThan254Characters)
{
    const std::string title(255, 't');
    char out[512];
    EXPECT_FALSE(kravo::fileTitleFromPath(("C:\\" + title + ".pat").c_str(), out));
    EXPECT_TRUE(kravo::fileTitleFromPath(("C:\\" + title.substr(1) + ".pat").c_str(), out));
}

} // namespace
