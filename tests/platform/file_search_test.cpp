#include "platform/file_search.h"

#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Found {
    std::string name;
    DWORD attributes;
    bool operator==(const Found&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Found& found)
{
    return out << found.name << " (" << found.attributes << ")";
}

class FileSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setDriveRoot(root.path());
        root.writeFile("c/Patterns/Groove.pat", "1");
        root.writeFile("c/Patterns/break.PAT", "2");
        root.writeFile("c/Patterns/notes.txt", "3");
        root.writeFile("c/Patterns/.hidden.pat", "4");
        root.writeFile("c/Patterns/Acid/a.pat", "5");
        std::filesystem::create_directories(root.path() / "c" / "Patterns" / ".cache");
        std::filesystem::create_directories(root.path() / "c" / "Patterns" / "zeta");
    }
    void TearDown() override { platform::setDriveRoot({}); }

    // Lists the way the browsers do: first, next until it fails, close.
    static std::vector<Found> list(const char* pattern)
    {
        std::vector<Found> result;
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA(pattern, &data);
        if (search == INVALID_HANDLE_VALUE)
            return result;
        do
            result.push_back({data.cFileName, data.dwFileAttributes});
        while (FindNextFileA(search, &data));
        EXPECT_EQ(FindClose(search), TRUE);
        return result;
    }

    kravo::test::TempFolder root;
};

constexpr DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY;
constexpr DWORD kFile = FILE_ATTRIBUTE_NORMAL;
constexpr DWORD kHidden = FILE_ATTRIBUTE_HIDDEN;

TEST_F(FileSearch, AStarListsEverythingSortedByNameWithDotEntriesFirst)
{
    const std::vector<Found> expected{
        {".", kFolder},          {"..", kFolder},        {".cache", kFolder | kHidden}, {".hidden.pat", kHidden},
        {"Acid", kFolder},       {"break.PAT", kFile},   {"Groove.pat", kFile},         {"notes.txt", kFile},
        {"zeta", kFolder},
    };
    EXPECT_EQ(list("C:\\Patterns\\*"), expected);
}

TEST_F(FileSearch, AnExtensionPatternMatchesWithoutCase)
{
    const std::vector<Found> expected{{".hidden.pat", kHidden}, {"break.PAT", kFile}, {"Groove.pat", kFile}};
    EXPECT_EQ(list("c:\\Patterns\\*.pat"), expected);
}

TEST_F(FileSearch, AQuestionMarkStandsForExactlyOneCharacter)
{
    EXPECT_EQ(list("C:\\Patterns\\zet?"), (std::vector<Found>{{"zeta", kFolder}}));
    EXPECT_TRUE(list("C:\\Patterns\\zeta?").empty());
}

TEST_F(FileSearch, ADrivesRootHasNoDotEntries)
{
    const std::vector<Found> expected{{"Patterns", kFolder}};
    EXPECT_EQ(list("C:\\*"), expected);
}

TEST_F(FileSearch, ASubFolderIsSearchedThroughItsFullPath)
{
    const std::vector<Found> expected{{".", kFolder}, {"..", kFolder}, {"a.pat", kFile}};
    EXPECT_EQ(list("C:\\Patterns\\Acid\\*"), expected);
}

TEST_F(FileSearch, AMissingFolderOrNoMatchGivesTheInvalidHandle)
{
    WIN32_FIND_DATAA data;
    EXPECT_EQ(FindFirstFileA("C:\\Missing\\*", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindFirstFileA("C:\\Patterns\\*.dpr", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindFirstFileA("C:\\Patterns\\Groove.pat\\*", &data), INVALID_HANDLE_VALUE);
}

TEST_F(FileSearch, ClosedOrInvalidHandlesAreRefused)
{
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA("C:\\Patterns\\*", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindClose(search), TRUE);
    EXPECT_EQ(FindClose(search), FALSE);
    EXPECT_EQ(FindNextFileA(search, &data), FALSE);
    EXPECT_EQ(FindNextFileA(INVALID_HANDLE_VALUE, &data), FALSE);
    EXPECT_EQ(FindClose(INVALID_HANDLE_VALUE), FALSE);
}

TEST(WildcardMatch, FollowsWindowsRulesWithoutCase)
{
    EXPECT_TRUE(platform::matchesWildcard("*", ""));
    EXPECT_TRUE(platform::matchesWildcard("*.dpr", "Kick.DPR"));
    EXPECT_FALSE(platform::matchesWildcard("*.dpr", "Kick.dpr.bak"));
    EXPECT_TRUE(platform::matchesWildcard("*.dpr", "a.b.dpr"));
    EXPECT_TRUE(platform::matchesWildcard("a*b*c", "aXXbYYbc"));
    EXPECT_FALSE(platform::matchesWildcard("a?c", "ac"));
    EXPECT_TRUE(platform::matchesWildcard("a?c", "abc"));
    EXPECT_FALSE(platform::matchesWildcard("abc", "abcd"));
}

} // namespace
