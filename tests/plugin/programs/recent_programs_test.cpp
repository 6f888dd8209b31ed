#include "plugin/programs/recent_programs.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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

std::vector<int> sweep(int count)
{
    std::vector<int> programs;
    for (int program = 0; program < count; ++program)
        programs.push_back(program);
    return programs;
}

TEST(RecentProgramList, NewestFirstWithoutRepeatsKeepingTenButForgettingAHostSweep)
{
    std::vector<int> everyProgramThenThree = sweep(32);
    everyProgramThenThree.push_back(3);
    const std::pair<std::vector<int>, std::vector<int>> cases[] = {
        {{}, {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {{2, 5, 5}, {5, 2, -1, -1, -1, -1, -1, -1, -1, -1}},
        {{1, 2, 3, 4, 2}, {2, 4, 3, 1, -1, -1, -1, -1, -1, -1}},
        {sweep(11), {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        {everyProgramThenThree, {3, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    };
    for (const auto& [selected, expected] : cases) {
        RecentProgramList list;
        for (const int program : selected)
            list.enterProgram("Program " + std::to_string(program), "Kit", program);
        EXPECT_EQ(programNumbers(list), expected) << selected.size() << " selections";
    }
    // The same number under another bank is another program.
    RecentProgramList list;
    list.enterProgram("March 94bpm", "Kit A", 7);
    list.enterProgram("Deep 105bpm", "Kit B", 7);
    EXPECT_EQ(std::tuple(list.entry(0).bankName, list.entry(1).bankName, list.entry(1).programName),
              std::tuple("Kit B", "Kit A", "March 94bpm"));
}

} // namespace
