#include "plugin/programs/recent_programs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kravo::RecentProgramList;

std::vector<int> programNumbers(const RecentProgramList& list)
{
    std::vector<int> numbers;
    for (int i = 0; i < RecentProgramList::kEntryCount; ++i)
        numbers.push_back(list.entry(i).program);
    return numbers;
}

void select(RecentProgramList& list, int program, const std::string& bank = "Kit")
{
    list.enterProgram("Program " + std::to_string(program), bank, program);
}

TEST(RecentProgramList, StartsWithTenEmptyEntries)
{
    const RecentProgramList list;
    for (int i = 0; i < RecentProgramList::kEntryCount; ++i) {
        EXPECT_TRUE(list.entry(i).isEmpty());
        EXPECT_EQ(list.entry(i).programName, "---");
        EXPECT_EQ(list.entry(i).bankName, "---");
    }
}

TEST(RecentProgramList, NewestSelectionComesFirstWithItsNameAndBank)
{
    RecentProgramList list;
    list.enterProgram("March 94bpm", "My Kit", 31);
    list.enterProgram("Deep 105bpm", "My Kit", 1);
    EXPECT_EQ(list.entry(0).programName, "Deep 105bpm");
    EXPECT_EQ(list.entry(0).bankName, "My Kit");
    EXPECT_EQ(list.entry(0).program, 1);
    EXPECT_EQ(list.entry(1).program, 31);
    EXPECT_TRUE(list.entry(2).isEmpty());
}

TEST(RecentProgramList, SelectingTheSameProgramTwiceLeavesOneEntryAtTheHead)
{
    RecentProgramList list;
    select(list, 2);
    select(list, 5);
    select(list, 5);
    EXPECT_EQ(programNumbers(list), (std::vector<int>{5, 2, -1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(RecentProgramList, ReselectingAnOlderProgramMovesItUpAndClosesTheGap)
{
    RecentProgramList list;
    for (const int program : {1, 2, 3, 4})
        select(list, program);
    select(list, 2);
    EXPECT_EQ(programNumbers(list), (std::vector<int>{2, 4, 3, 1, -1, -1, -1, -1, -1, -1}));
}

TEST(RecentProgramList, TheSameNumberUnderAnotherBankIsAnotherEntry)
{
    RecentProgramList list;
    select(list, 7, "Kit A");
    select(list, 7, "Kit B");
    EXPECT_EQ(list.entry(0).bankName, "Kit B");
    EXPECT_EQ(list.entry(1).bankName, "Kit A");
}

TEST(RecentProgramList, ElevenDifferentProgramsKeepTheLastTen)
{
    RecentProgramList list;
    for (int program = 0; program < 11; ++program)
        select(list, program);
    EXPECT_EQ(programNumbers(list), (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
}

TEST(RecentProgramList, AHostSweepThroughEveryProgramIsForgotten)
{
    RecentProgramList list;
    for (int program = 0; program < 32; ++program)
        select(list, program);
    select(list, 3);
    EXPECT_EQ(programNumbers(list), (std::vector<int>{3, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(RecentProgramList, OverlongTextsAreKeptToTheirField)
{
    RecentProgramList list;
    list.enterProgram(std::string(300, 'n'), std::string(300, 'b'), 0);
    EXPECT_EQ(list.entry(0).programName.size(), RecentProgramList::kMaxTextLength);
    EXPECT_EQ(list.entry(0).bankName.size(), RecentProgramList::kMaxTextLength);
}

} // namespace
