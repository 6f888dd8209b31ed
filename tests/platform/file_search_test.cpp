#include "platform/file_search.h"

#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Found = std::vector<std::pair<std::string, DWORD>>;

// Lists the way the browsers do: first, next until it fails, close; a closed search answers no more.
Found list(const char* pattern)
{
    Found result;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern, &data);
    if (search == INVALID_HANDLE_VALUE)
        return result;
    do
        result.push_back({data.cFileName, data.dwFileAttributes});
    while (FindNextFileA(search, &data));
    EXPECT_EQ(FindClose(search), TRUE);
    EXPECT_FALSE(FindClose(search) || FindNextFileA(search, &data));
    return result;
}

TEST(FileSearch, ListsMatchesWithoutCaseSortedByNameWithHiddenDotNamesAndDotEntriesFirstExceptAtADrivesRoot)
{
    constexpr DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY;
    constexpr DWORD kFile = FILE_ATTRIBUTE_NORMAL;
    constexpr DWORD kHidden = FILE_ATTRIBUTE_HIDDEN;
    kravo::test::TempFolder root;
    platform::setDriveRoot(root.path());
    for (const char* file : {"Groove.pat", "break.PAT", "old.pat.bak", ".hidden.pat", ".cache/x", "zeta/a.pat"})
        root.writeFile(std::string("c/Patterns/") + file, "x");
    const std::pair<const char*, Found> cases[] = {
        {"C:\\Patterns\\*", {{".", kFolder}, {"..", kFolder}, {".cache", kFolder | kHidden}, {".hidden.pat", kHidden},
                             {"break.PAT", kFile}, {"Groove.pat", kFile}, {"old.pat.bak", kFile}, {"zeta", kFolder}}},
        {"c:\\Patterns\\*.pat", {{".hidden.pat", kHidden}, {"break.PAT", kFile}, {"Groove.pat", kFile}}},
        {"C:\\Patterns\\zeta\\*", {{".", kFolder}, {"..", kFolder}, {"a.pat", kFile}}},
        {"C:\\Patterns\\*O*e.pat", {{"Groove.pat", kFile}}}, {"C:\\*", {{"Patterns", kFolder}}},
        {"C:\\Patterns\\zet?", {{"zeta", kFolder}}}, {"C:\\Patterns\\zeta?", {}}, {"C:\\Missing\\*", {}}};
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(list(pattern), expected) << pattern;
    platform::setDriveRoot({});
}

} // namespace
