#include "hostframework/plugin_library.h"
#include "hostframework/process_group_interface.h"
#include "hostframework/routine_table.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

namespace {

// Counts the bracket and records what reached it.
class RecordingGroup : public CProcessGroupInterface {
public:
    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
    std::int32_t EnterHostCall() override { ++enters; return ++depth; }
    std::int32_t LeaveHostCall() override { ++leaves; return --depth; }
    std::int32_t ShowView(std::uint32_t typeID, std::int32_t) override
    {
        if (typeID == 1)
            throw CHostError(-7300);
        if (typeID == 2)
            throw std::bad_alloc();
        if (typeID == 3)
            throw std::runtime_error("other");
        return 0;
    }
    std::int32_t Operation105(SHostPlugInSpec*, std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                              std::int32_t e) override
    {
        received = {a, b, c, d, e};
        return 0;
    }
    std::int32_t GetControlValueTextOfLength(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                             std::int32_t value, char*, std::int32_t length) override
    {
        received = {static_cast<std::int32_t>(typeID), processID, control, value, length};
        return 0;
    }
    std::int32_t Operation66(std::uint32_t, std::int32_t, std::int32_t control, std::intptr_t* pointer) override
    {
        *pointer = 0x1234;
        return control == 0 ? 0 : -1;
    }

    int enters = 0;
    int leaves = 0;
    int depth = 0;
    std::vector<std::int32_t> received;
};

class RoutineTable : public ::testing::Test {
protected:
    void SetUp() override { gProcessGroup = &group; }
    void TearDown() override
    {
        gProcessGroup = nullptr;
        group.SetLockLevel(99);
    }
    template <typename Function>
    static Function routine(std::uint32_t selector)
    {
        HostRoutine found = nullptr;
        EXPECT_EQ(_PI_GetRoutineDescriptor(selector, &found), 0);
        return reinterpret_cast<Function>(found);
    }

    RecordingGroup group;
};

using TwoArgs = std::int32_t (*)(std::uint32_t, std::int32_t);

TEST_F(RoutineTable, SelectorsWithoutRoutineAnswer9007AndNull)
{
    for (const std::uint32_t selector : {174u, 4294967295u, 11u, 13u, 107u}) {
        HostRoutine found = reinterpret_cast<HostRoutine>(&_PI_GetRoutineDescriptor);
        EXPECT_EQ(_PI_GetRoutineDescriptor(selector, &found), -9007) << selector;
        EXPECT_EQ(found, nullptr);
    }
    int present = 0;
    for (std::uint32_t selector = 0; selector < kRoutineCount; ++selector) {
        HostRoutine found = nullptr;
        present += _PI_GetRoutineDescriptor(selector, &found) == 0 && found != nullptr;
    }
    EXPECT_EQ(present, 165);
}

TEST_F(RoutineTable, TheBarrierTurnsExceptionsIntoCodesAndLeavesWhatItEntered)
{
    const auto showView = routine<TwoArgs>(8);
    EXPECT_EQ(showView(0, 0), 0);
    EXPECT_EQ(showView(1, 0), -7300);
    EXPECT_EQ(showView(2, 0), -9006);
    EXPECT_EQ(showView(3, 0), -7401);
    EXPECT_EQ(group.enters, 4);
    EXPECT_EQ(group.leaves, 4);
    EXPECT_EQ(group.depth, 0);
}

TEST_F(RoutineTable, TheLockLevelDecidesWhichRoutinesBracket)
{
    const auto drawView = routine<std::int32_t (*)(std::uint32_t, std::int32_t, Rect*)>(0);
    const auto hostCall144 = routine<TwoArgs>(144);
    const auto bracketed = [&](auto call) {
        const int before = group.enters;
        call();
        return group.enters - before;
    };
    for (const auto& [level, drawEnters, hostCallEnters] : {std::tuple{99, 1, 0}, {100, 1, 1}, {0, 0, 0}, {98, 0, 0}}) {
        group.SetLockLevel(level);
        EXPECT_EQ(bracketed([&] { drawView(0, 0, nullptr); }), drawEnters) << level;
        EXPECT_EQ(bracketed([&] { hostCall144(0, 0); }), hostCallEnters) << level;
    }
    EXPECT_EQ(group.enters, group.leaves);
}

TEST_F(RoutineTable, RoutinesPackUnpackAndAnswerWithoutAGroup)
{
    routine<std::int32_t (*)(SHostPlugInSpec*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t)>(138)(
        nullptr, 2, 3, 4, 5, 6);
    EXPECT_EQ(group.received, (std::vector<std::int32_t>{2, 5, 3, 6, 4}));
    routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::int32_t, char*, std::int32_t)>(90)(
        7, 8, 9, 10, nullptr, 11);
    EXPECT_EQ(group.received, (std::vector<std::int32_t>{7, 8, 9, 10, 11}));

    const auto pointer = routine<std::intptr_t (*)(std::uint32_t, std::int32_t, std::int32_t)>(73);
    EXPECT_EQ(pointer(0, 0, 0), 0x1234);
    EXPECT_EQ(pointer(0, 0, 1), 0); // a failed run hands back null

    std::uint8_t flag = 5;
    EXPECT_EQ(routine<std::int32_t (*)(std::int32_t, std::int32_t, std::int32_t, std::uint8_t*, std::int32_t)>(98)(
                  0, 0, 0, &flag, 0),
              0);
    EXPECT_EQ(flag, 0);

    gProcessGroup = nullptr;
    EXPECT_EQ(routine<TwoArgs>(8)(0, 0), -7003);
    EXPECT_EQ(pointer(0, 0, 0), 0);
    EXPECT_EQ(routine<std::int32_t (*)(std::int32_t)>(56)(0), 0); // no operation needs no group
}

} // namespace
