#include "hostframework/plugin_model/set.h"
#include "hostframework/plugin_model/void_ptr_map.h"
#include "hostlibs/dspshell/dsp_shell_control.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>
#include <vector>

namespace {

template <typename T>
std::vector<T*> members(const CSet<T>& set)
{
    return {set.begin(), set.end()};
}

TEST(ModelSet, KeepsInsertionOrderAndEachMemberOnce)
{
    int a = 0, b = 0, c = 0;
    CSet<int> set;
    auto* node = set.Append(&a);
    set.Append(&b);
    EXPECT_EQ(set.Append(&a), node);
    set.Append(&c);
    EXPECT_EQ(set.Count(), 3);
    EXPECT_EQ(members(set), (std::vector<int*>{&a, &b, &c}));
    EXPECT_EQ(set.At(0), nullptr);
    EXPECT_EQ(set.At(1), &a);
    EXPECT_EQ(set.At(3), &c);
    EXPECT_EQ(set.At(4), nullptr);

    set.Remove(&b);
    set.Remove(&b);
    EXPECT_EQ(set.Find(&b), nullptr);
    EXPECT_EQ(members(set), (std::vector<int*>{&a, &c}));
    set.Remove(&a);
    set.Append(&a);
    set.Remove(&a);
    set.Append(&b);
    EXPECT_EQ(members(set), (std::vector<int*>{&c, &b}));
}

TEST(ModelSet, CopiesAndClearsWithoutLosingTheOriginal)
{
    int a = 0, b = 0, c = 0;
    CSet<int> first;
    first.Append(&a);
    first.Append(&b);
    CSet<int> second;
    second.Append(&c);
    second.Append(&a);
    second.AppendAll(first);
    EXPECT_EQ(members(second), (std::vector<int*>{&c, &a, &b}));
    second.Assign(first);
    EXPECT_EQ(members(second), (std::vector<int*>{&a, &b}));
    second.Assign(second);
    EXPECT_EQ(members(second), (std::vector<int*>{&a, &b}));
    second.Clear();
    EXPECT_EQ(second.Count(), 0);
    EXPECT_EQ(second.At(1), nullptr);
    second.Append(&c);
    EXPECT_EQ(members(second), (std::vector<int*>{&c}));
}

// Members that leave their set when destroyed, as ports and controls do.
struct SelfRemoving {
    explicit SelfRemoving(CSet<SelfRemoving>& set, int& deleted) : set(set), deleted(deleted) { set.Append(this); }
    ~SelfRemoving()
    {
        set.Remove(this);
        ++deleted;
    }
    CSet<SelfRemoving>& set;
    int& deleted;
};

TEST(ModelSet, DeleteAllSurvivesMembersThatLeaveOnTheirOwn)
{
    int deleted = 0;
    CSet<SelfRemoving> set;
    for (int made = 0; made < 3; ++made)
        new SelfRemoving(set, deleted);
    set.DeleteAll();
    EXPECT_EQ(deleted, 3);
    EXPECT_EQ(set.Count(), 0);
}

TEST(ModelSet, StatisticsCountLiveSetsAndKeepTheirMaximum)
{
    const CStatisticsEntry& statistics = GetSetStatistics();
    EXPECT_STREQ(statistics.GetLabel(), "Maximum # of CSet<T>");
    const std::int32_t before = statistics.GetCount();
    {
        CSet<int> one;
        CSet<void> two;
        CSet<double> three;
        EXPECT_EQ(statistics.GetCount(), before + 3);
    }
    EXPECT_EQ(statistics.GetCount(), before);
    EXPECT_GE(statistics.GetMaximum(), before + 3);
}

TEST(ModelMap, FindsSetsAndErases)
{
    CVoidPtrMap map;
    EXPECT_EQ(map.Find(4), 0u);
    map.Set(4, 40);
    map.Set(4, 41);
    map.Set(UINTPTR_MAX, 1);
    EXPECT_EQ(map.Find(4), 41u);
    EXPECT_EQ(map.Find(UINTPTR_MAX), 1u);
    map.Erase(4);
    map.Erase(5);
    EXPECT_EQ(map.Find(4), 0u);
}

TEST(ModelMap, DumpPrintsTheAddressThenEntriesInKeyOrder)
{
    dspshell::reset();
    CVoidPtrMap map;
    map.Dump();
    EXPECT_TRUE(dspshell::printedTexts().empty());

    map.Set(0x20, 0x1234567890);
    map.Set(UINTPTR_MAX, 7);
    map.Set(1, 0);
    map.Dump();
    char header[64];
    std::snprintf(header, sizeof header, "Dumping CVoidPtrMap  0x%016" PRIXPTR "\n",
                  reinterpret_cast<std::uintptr_t>(&map));
    EXPECT_EQ(dspshell::printedTexts(),
              (std::vector<std::string>{header, " item:  key: 1 (0x1)  value: 0 (0x0)\n",
                                        " item:  key: 32 (0x20)  value: 78187493520 (0x1234567890)\n",
                                        " item:  key: -1 (0xffffffffffffffff)  value: 7 (0x7)\n"}));
}

} // namespace
