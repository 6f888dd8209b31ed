#pragma once

// A DSP card in the stand-in driver whose first DSP runs a shell with a client, the DSP shell library
// bound so that the driver's records are read directly or through the accessors, and readers of
// what the driver was asked.

#include "hostframework/dsp_library.h"
#include "hostlibs/dspshell/dsp_shell_control.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/clock.h"
#include "platform/four_char_code.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kravo::test {

using Calls = std::vector<std::string>;

inline constexpr std::int32_t kWordLimit = 1'000'000'000;

class DSPCardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dspshell::reset();
        hostengine::resetNativeHost();
    }
    void TearDown() override
    {
        unloadDshLibrary();
        dspshell::reset();
        hostengine::resetNativeHost();
        platform::setClock(nullptr);
    }

    // A card of the type with a DSP running `shell`; with `accessors` off a card of type 18 is there
    // too, so the binding reads the driver's records directly.
    DshDSP* addRunningDSP(std::int32_t cardType, bool accessors)
    {
        if (!accessors)
            dspshell::addCard(18, 0);
        DshDSP* dsp = dspshell::addCard(cardType)->firstDSP;
        dsp->client = dspshell::addClient(FourCharCode("Test"), nullptr);
        DshCreateShell(&shell);
        DshLoadShell(dsp, shell, 0);
        EXPECT_EQ(loadDshLibrary(), 0);
        EXPECT_EQ(IsAccessorMode(), accessors);
        return dsp;
    }
    // Makes the object the DSP's and forgets what that asked of the driver.
    template <typename Object>
    void attach(Object& object)
    {
        object.InitializeWithShell(shell);
        dspshell::forgetCalls();
    }

    DshShell* shell = nullptr;
};

// What went through the host ports' registers: writes, and the words read from receive.
inline Calls portTraffic()
{
    Calls traffic;
    for (const std::string& call : dspshell::calls())
        if (call.starts_with("write ") || call.starts_with("read receive"))
            traffic.push_back(call);
    return traffic;
}

// Every call but the polls of the port's registers.
inline Calls callsWithoutPolls()
{
    Calls found;
    for (const std::string& call : dspshell::calls())
        if (!call.starts_with("read ") || call.starts_with("read receive"))
            found.push_back(call);
    return found;
}

inline std::string joined(const char* name, const std::vector<std::int32_t>& values)
{
    std::string text = name;
    for (std::int32_t value : values)
        text.append(" ").append(std::to_string(value));
    return text;
}

} // namespace kravo::test
