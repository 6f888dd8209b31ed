#include "hostframework/process_group_interface.h"
#include "hostlibs/extension/host_extension_control.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class YieldingGroup : public CProcessGroupInterface {
public:
    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
    std::int32_t EnterHostCall() override
    {
        ++enters;
        return ++depth;
    }
    std::int32_t LeaveHostCall() override
    {
        ++leaves;
        waitsWhenLeft = hostext::waitForHostCount();
        return --depth;
    }
    int depth = 0;
    int enters = 0;
    int leaves = 0;
    int waitsWhenLeft = 0;
};

class ComponentCalls : public ::testing::Test {
protected:
    void SetUp() override
    {
        hostext::forgetComponentRequests();
        hostext::setComponentAnswer(0);
        group.HostCall14(nullptr); // the dispatcher is module-wide: an earlier test may have left one
        group.HostCall38(reinterpret_cast<void*>(0x1122334455667788));
    }
    void TearDown() override { group.HostCall14(nullptr); }
    YieldingGroup group;
};

TEST_F(ComponentCalls, WithoutADispatcherNothingIsAllocated)
{
    const int handles = hostext::liveHandleCount();
    EXPECT_EQ(group.Operation52(1, 2), -7175);
    EXPECT_EQ(group.Operation110(1), -7175);
    EXPECT_EQ(hostext::liveHandleCount(), handles);
}

TEST_F(ComponentCalls, BlocksHoldTheArgumentsThenTheHostContext)
{
    ASSERT_EQ(group.HostCall14(&hostext::RecordComponentRequest), 0);
    EXPECT_EQ(group.Operation52(7, -8), 0);
    const auto requests = hostext::componentRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].request, 11);
    ASSERT_EQ(requests[0].block.size(), 8u + sizeof(void*));
    std::int32_t arguments[2];
    void* context = nullptr;
    std::memcpy(arguments, requests[0].block.data(), 8);
    std::memcpy(&context, requests[0].block.data() + 8, sizeof context);
    EXPECT_EQ(arguments[0], 7);
    EXPECT_EQ(arguments[1], -8);
    EXPECT_EQ(context, group.GetHostContext());

    hostext::forgetComponentRequests();
    hostext::setComponentAnswer(-5);
    EXPECT_EQ(group.Operation51(1, 2, 3, 4), -5); // the first request's failure stops it
    hostext::setComponentAnswer(0);
    EXPECT_EQ(group.Operation51(1, 2, 3, 4), 0);
    const auto sent = hostext::componentRequests();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1].request, 17);
    EXPECT_EQ(sent[2].request, 10);
    EXPECT_EQ(sent[2].block.size(), 16u + sizeof(void*));

    const int handles = hostext::liveHandleCount();
    hostext::failNextHandles(1);
    EXPECT_EQ(group.Operation53(1, 2, 3), -7176);
    EXPECT_EQ(hostext::liveHandleCount(), handles);
}

TEST_F(ComponentCalls, YieldingGivesBackExactlyTheLevelsItTook)
{
    group.EnterHostCall();
    group.EnterHostCall();
    group.enters = group.leaves = 0;
    const int waits = hostext::waitForHostCount();
    EXPECT_EQ(group.YieldHostCall(), 0);
    // Its own level and the two held are left; the two held are taken again.
    EXPECT_EQ(group.leaves, 3);
    EXPECT_EQ(group.enters, 3);
    EXPECT_EQ(group.depth, 2);
    EXPECT_EQ(group.waitsWhenLeft, waits); // all left before the wait
    EXPECT_EQ(hostext::waitForHostCount(), waits + 1);

    // Outside every host call it holds nothing afterwards.
    group.LeaveHostCall();
    group.LeaveHostCall();
    EXPECT_EQ(group.YieldHostCall(), 0);
    EXPECT_EQ(group.depth, 0);
    EXPECT_EQ(hostext::waitForHostCount(), waits + 2);
}

} // namespace
