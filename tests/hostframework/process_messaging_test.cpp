#include "hostframework/plugin_library.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/clock.h"
#include "tests/hostframework/support/test_processes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace kravo::test;

struct Token {
    std::int32_t destination;
    std::uint32_t messageClass;
    std::uint32_t selector;
    std::uint32_t manufacturer;
    std::uint32_t protocol;
    std::int32_t source;
    std::uint16_t length;
    std::int32_t payload;
};

Token decode(const std::vector<std::uint8_t>& bytes)
{
    Token token{};
    std::memcpy(&token.destination, &bytes[0], 4);
    std::memcpy(&token.messageClass, &bytes[4], 4);
    std::memcpy(&token.selector, &bytes[8], 4);
    std::memcpy(&token.manufacturer, &bytes[12], 4);
    std::memcpy(&token.protocol, &bytes[16], 4);
    std::memcpy(&token.source, &bytes[20], 4);
    std::memcpy(&token.length, &bytes[36], 2);
    if (bytes.size() >= 42)
        std::memcpy(&token.payload, &bytes[38], 4);
    return token;
}

std::string describe(const std::vector<std::uint8_t>& bytes)
{
    const Token token = decode(bytes);
    const auto text = [](std::uint32_t c) {
        return std::string{char(c >> 24), char(c >> 16), char(c >> 8), char(c)};
    };
    std::string out = text(token.messageClass);
    out += '/';
    out += text(token.selector);
    if (token.selector == fourCC("CTCH")) {
        out += ' ';
        out += std::to_string(static_cast<std::int16_t>(token.payload & 0xFFFF));
    }
    return out;
}

// A process whose other tokens move the clock on, so a test can watch the idle budget run out.
class TickingProcess : public TestProcess {
public:
    std::int32_t HandleOtherToken(void*) override
    {
        ++otherTokens;
        clock->advance(1);
        return 0;
    }
    platform::ManualClock* clock = nullptr;
    int otherTokens = 0;
};

class Messaging : public ::testing::Test {
protected:
    // Processes come through the group, whose creation count numbers their names.
    void SetUp() override
    {
        platform::setClock(&clock);
        hostengine::resetObjectServer();
        hostengine::offerObjectServer(true);
        ASSERT_EQ(WinPlugInOpen(73), 0);
        type = new TestType(fourCC("AAAA"));
        group.typesToAdd = {type};
        group.Initialize();
        group.CreateObjectServer();
    }
    void TearDown() override
    {
        group.DeleteProcessTypes();
        group.DeleteObjectServer();
        WinPlugInClose();
        hostengine::resetObjectServer();
        platform::setClock(nullptr);
    }
    TickingProcess& make(int controls)
    {
        type->makeProcess = [this, controls] {
            auto* process = new TickingProcess;
            process->clock = &clock;
            for (int k = 1; k <= controls; ++k) {
                std::string name = "Control ";
                name += std::to_string(k);
                process->AddControl(new TestControl(fourCC("ct00") + static_cast<std::uint32_t>(k), name, 100 * k));
            }
            return process;
        };
        std::int32_t id = 0;
        EXPECT_EQ(group.CreateProcess(fourCC("AAAA"), &id), 0);
        return *static_cast<TickingProcess*>(type->FindProcess(id));
    }
    std::vector<std::string> sent(std::size_t from = 0)
    {
        std::vector<std::string> texts;
        const auto tokens = hostengine::dispatchedTokens();
        for (std::size_t i = from; i < tokens.size(); ++i)
            texts.push_back(describe(tokens[i]));
        return texts;
    }

    platform::ManualClock clock{100};
    TestGroup group;
    TestType* type = nullptr;
};

TEST_F(Messaging, NamesAndListenersFollowTheControls)
{
    make(0);
    EXPECT_EQ(hostengine::reservedNames(), (std::vector<std::string>{"0/Plug-Ins/Undefined BaseName/Inst0"}));
    EXPECT_TRUE(hostengine::liveListeners().empty());

    TickingProcess& second = make(2);
    const auto names = hostengine::reservedNames();
    ASSERT_EQ(names.size(), 4u); // one per process and one per control
    EXPECT_EQ(names[1], "0/Plug-Ins/Undefined BaseName/Inst1");
    EXPECT_EQ(hostengine::liveListeners().size(), 6u);
    for (const auto& listener : hostengine::liveListeners()) {
        EXPECT_EQ(listener.protocol, fourCC("Ctrl"));
        EXPECT_EQ(listener.manufacturer, fourCC("HVND"));
        EXPECT_EQ(listener.latest, 1);
        EXPECT_EQ(listener.task, CProcessGroup::GetServerObject());
    }
    second.Uninitialize();
    EXPECT_TRUE(hostengine::liveListeners().empty());
    EXPECT_EQ(hostengine::reservedNames().size(), 1u);
    EXPECT_EQ(group.GetLiveProcessCount(), 2);
}

TEST_F(Messaging, SettingAValueTouchesAsksAndReleasesButOnlyApplyingChangesIt)
{
    TickingProcess& process = make(2);
    const std::size_t before = hostengine::dispatchedTokens().size();
    EXPECT_EQ(process.SetControlValue(2, 777), 0);
    EXPECT_EQ(sent(before), (std::vector<std::string>{"SETV/CTCH 1", "SETV/CAIG", "SETV/CAVL", "SETV/CTCH 0"}));
    std::int32_t value = 0;
    process.GetControlValue(2, &value);
    EXPECT_EQ(value, 200);
    const auto request = decode(hostengine::dispatchedTokens()[before + 2]);
    EXPECT_EQ(request.length, 42);
    EXPECT_EQ(request.payload, 777);
    EXPECT_EQ(request.destination, request.source);

    const std::size_t applied = hostengine::dispatchedTokens().size();
    process.ApplyControlValue(2, 777);
    process.GetControlValue(2, &value);
    EXPECT_EQ(value, 777);
    EXPECT_EQ(sent(applied), (std::vector<std::string>{"CURV/CAVL"}));

    const std::size_t touches = hostengine::dispatchedTokens().size();
    process.TouchControl(1);
    process.TouchControl(1);
    process.ReleaseControl(1);
    process.ReleaseControl(1);
    process.ReleaseControl(1); // beyond the touches: nothing
    EXPECT_EQ(sent(touches), (std::vector<std::string>{"SETV/CTCH 1", "SETV/CAIG", "SETV/CTCH 0"}));
}

TEST_F(Messaging, IdleAnswersValueRequestsWithinTwoTicks)
{
    TickingProcess& process = make(1);
    std::vector<std::uint8_t> request(42, 0);
    const std::uint32_t getv = fourCC("GETV");
    const std::uint32_t cavl = fourCC("CAVL");
    std::memcpy(&request[4], &getv, 4);
    std::memcpy(&request[8], &cavl, 4);
    const auto listener = hostengine::liveListeners().front();
    hostengine::queueToken(request, listener.taskValue);
    const std::size_t before = hostengine::dispatchedTokens().size();
    process.Idle(nullptr);
    ASSERT_EQ(sent(before), (std::vector<std::string>{"CURV/CAVL"}));
    const Token answer = decode(hostengine::dispatchedTokens()[before]);
    EXPECT_EQ(answer.length, 42);
    EXPECT_EQ(answer.payload, 100);
    EXPECT_EQ(answer.manufacturer, fourCC("HVND"));
    EXPECT_EQ(answer.protocol, fourCC("Ctrl"));

    // Each other token moves the clock a tick: two are served, the third waits for the next idle.
    for (int k = 0; k < 3; ++k)
        hostengine::queueToken(std::vector<std::uint8_t>(38, 0), nullptr);
    process.Idle(nullptr);
    EXPECT_EQ(process.otherTokens, 2);
    EXPECT_EQ(hostengine::queuedTokens(), 1);
}

TEST_F(Messaging, RefusedNamesAndMissingListenersFailInitialize)
{
    hostengine::refuseNames(-48);
    auto named = std::make_unique<TestProcess>();
    named->AddControl(new TestControl(1, "One"));
    const std::size_t namesBefore = hostengine::reservedNames().size();
    try {
        named->Initialize();
        FAIL();
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -48);
    }
    // The refused process name stops the set-up: no control names, no listeners.
    EXPECT_EQ(hostengine::reservedNames().size(), namesBefore);
    EXPECT_TRUE(hostengine::liveListeners().empty());
    hostengine::refuseNames(0);
    hostengine::failListenerObjects(true);
    auto listened = std::make_unique<TestProcess>();
    listened->AddControl(new TestControl(1, "One"));
    try {
        listened->Initialize();
        FAIL();
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -7053);
    }
    hostengine::failListenerObjects(false);
    listened->Uninitialize();
}

} // namespace
