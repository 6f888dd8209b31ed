#include "plugin/programs/recent_programs.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace {

using kravo::RecentProgramList;

// The entries' program numbers, newest first, up to the last entry in use.
std::vector<int> programNumbers(const RecentProgramList& list)
{
    std::vector<int> numbers;
    for (int i = 0; i < RecentProgramList::kEntryCount; ++i)
        numbers.push_back(list.entry(i).program);
    while (!numbers.empty() && numbers.back() == -1)
        numbers.pop_back();
    return numbers;
}

std::vector<int> sweep(int count, std::initializer_list<int> then = {})
{
    std::vector<int> programs(static_cast<std::size_t>(count));
    std::iota(programs.begin(), programs.end(), 0);
    programs.insert(programs.end(), then);
    return programs;
}

TEST(RecentProgramList, NewestFirstWithoutRepeatsKeepingTenButForgettingAHostSweep)
{
    const std::pair<std::vector<int>, std::vector<int>> cases[] = {{{}, {}}, {{2, 5, 5}, {5, 2}},
        {{1, 2, 3, 4, 2}, {2, 4, 3, 1}}, {sweep(11), {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}}, {sweep(32, {3}), {3}}};
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
