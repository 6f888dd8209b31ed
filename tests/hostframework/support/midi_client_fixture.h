#pragma once

// MIDI processes whose type belongs to a MIDI effect group, so they draw their instance numbers
// from its pool, and the host engine stand-in's MIDI clients set back before and after each test.

#include "hostframework/effect_group_midi.h"
#include "hostframework/effect_process_midi.h"
#include "hostframework/effect_type_offline.h"
#include "hostlibs/engine/host_engine_control.h"
#include "tests/hostframework/support/test_processes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace kravo::test {

class MIDIClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hostengine::resetMIDIClients();
        type.SetProcessGroup(&group);
    }
    void TearDown() override
    {
        processes.clear();
        hostengine::resetMIDIClients();
        hostengine::forgetConnectionCalls();
    }

    CEffectProcessMIDI& makeProcess()
    {
        processes.push_back(std::make_unique<CEffectProcessMIDI>());
        processes.back()->SetProcessType(&type);
        return *processes.back();
    }
    CEffectProcessMIDI& registeredProcess()
    {
        CEffectProcessMIDI& process = makeProcess();
        EXPECT_EQ(process.RegisterMIDIClient(), 0);
        return process;
    }
    // Asks the pool without keeping what it gives.
    bool numberIsFree(std::int32_t number)
    {
        std::int32_t probe = number;
        group.AllocateNumber(&probe);
        group.ReleaseNumber(probe);
        return probe == number;
    }
    static std::vector<std::string> callsStartingWith(const std::string& prefix)
    {
        std::vector<std::string> found;
        for (const std::string& call : hostengine::midiCalls())
            if (call.rfind(prefix, 0) == 0)
                found.push_back(call);
        return found;
    }
    static bool wasCalled(const std::string& call)
    {
        const std::vector<std::string> calls = hostengine::midiCalls();
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    CEffectGroupMIDI group;
    CEffectTypeOffline type{fourCC("KrCH"), fourCC("Krst"), 2048};
    std::vector<std::unique_ptr<CEffectProcessMIDI>> processes;
};

} // namespace kravo::test
