#include "hostframework/classes.h"
#include "hostframework/fixed_point.h"
#include "hostframework/float_traps.h"
#include "hostframework/group_call.h"
#include "hostframework/host_error.h"
#include "hostframework/host_keys.h"
#include "hostframework/host_services.h"
#include "hostframework/host_text.h"
#include "hostlibs/dspshell/dsp_shell_control.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/clock.h"
#include "platform/float_control.h"
#include "platform/four_char_code.h"
#include "platform/window/scripted_input.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_testing.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

namespace {

std::string lengthPrefixed(const std::uint8_t* text)
{
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

TEST(Conversions, NameVariantsFixedPointAndRounding)
{
    char name[32];
    for (const auto& [maximum, expected] : {std::pair{4, "Gain"}, {2, "Ga"}, {20, "Mono Gain"}, {0, ""}}) {
        CopyNameVariant(name, "Mono Gain\nGain\nGan", maximum);
        EXPECT_STREQ(name, expected) << maximum;
    }
    CopyNameVariant(name, nullptr, 5);
    EXPECT_STREQ(name, "");

    EXPECT_EQ(Fix24ToDouble(8388608), 8388607.0 / 8388608.0);
    EXPECT_EQ(Fix24ToDouble(-8388609), -1.0);
    EXPECT_EQ(Fix32ToDouble(16777216), 2.0);
    EXPECT_EQ(DoubleToFix24(1.0), 8388607);
    EXPECT_EQ(DoubleToFix24(-0.5), -4194303);
    EXPECT_EQ(DoubleToFix32(0.5), 4194304);
    EXPECT_EQ(DoubleToFix32(3e9), 8388607);
    EXPECT_EQ(DoubleToFix32(-3e9), -8388608);
    EXPECT_EQ(DoubleToFix32Rounded(1.0 / 16777216.0), 0); // half a step, to even
    EXPECT_EQ(RoundToInt(2.5), 2);
    EXPECT_EQ(RoundToInt(3.5), 4);
    EXPECT_EQ(RoundToInt(-2.5), -2);

    std::uint8_t text[256] = {};
    FormatFixed2(-1.254f, text);
    EXPECT_EQ(lengthPrefixed(text), "-1.25");
    FormatFixed2(0.996f, text);
    EXPECT_EQ(lengthPrefixed(text), "1.00");
}

TEST(Conversions, LengthPrefixedTextsAreCutToTheLongestAndMayBeWrittenInPlace)
{
    std::uint8_t text[256] = {};
    WriteLengthPrefixed("stereo mode", text, 6);
    EXPECT_EQ(lengthPrefixed(text), "stereo");
    WriteLengthPrefixed(std::string(300, 'x'), text);
    EXPECT_EQ(text[0], 255);

    char inPlace[8] = "Gain";
    WriteLengthPrefixed(inPlace, reinterpret_cast<std::uint8_t*>(inPlace));
    EXPECT_EQ(lengthPrefixed(reinterpret_cast<const std::uint8_t*>(inPlace)), "Gain");
}

TEST(Conversions, CodeAndRateClassesThrowOutsideTheirRanges)
{
    EXPECT_EQ(GetCodeClass(4), 4);
    EXPECT_EQ(GetCodeClass(10), 8);
    EXPECT_THROW(GetCodeClass(11), CHostError);
    EXPECT_TRUE(IsEvenCodeClass(8) && !IsEvenCodeClass(7));
    EXPECT_EQ(GetSampleRateClass(44100), 48000);
    EXPECT_EQ(GetSampleRateClass(51001), 96000);
    EXPECT_EQ(GetSampleRateClassIndex(204000), 2);
    EXPECT_EQ(GetSampleRateMultiple(96000), 2);
    EXPECT_THROW(GetSampleRateClass(-1), std::runtime_error);

    // At a host call's boundary the runtime error becomes -7401.
    struct RateCall : SGenFuncRetLong {
        std::int32_t Call() override { return GetSampleRateClass(204001); }
    } call;
    EXPECT_EQ(groupCallBarrier(call), -7401);
}

TEST(Conversions, BitTextsRoundTripAndOtherCharactersThrow)
{
    EXPECT_EQ(BitsToText(5, 4), "0101");
    EXPECT_EQ(TextToBits("0101"), 5u);
    std::mt19937 random(26);
    for (int i = 0; i < 2000; ++i) {
        const std::uint32_t value = random();
        const int count = static_cast<int>(random() % 33);
        std::string text = BitsToText(value, count);
        const std::uint32_t mask = count == 32 ? ~0u : (1u << count) - 1u;
        ASSERT_EQ(TextToBits(text), value & mask);
        if (!text.empty() && random() % 2 == 0) {
            text[random() % text.size()] = static_cast<char>(random() % 256);
            if (text.find_first_not_of("01") != std::string::npos) {
                EXPECT_THROW(TextToBits(text), CHostError);
            }
        }
    }
}

TEST(Conversions, FloatTrapsChangeOnlyTheirMasksAndGiveBackTheWord)
{
    const std::uint32_t before = platform::readFloatControlWord();
    const std::uint32_t masks = platform::kDenormalOperandMask | platform::kUnderflowMask;
    EXPECT_EQ(EnableFloatTraps(), before);
    EXPECT_EQ(platform::readFloatControlWord(), before & ~masks);
    EXPECT_EQ(DisableFloatTraps(), before & ~masks);
    EXPECT_EQ(platform::readFloatControlWord(), before | masks);
    platform::writeFloatControlWord(before);
}

TEST(HostServices, KeysTicksHandlesAndTheDspShellsPrintAndClients)
{
    // The key map is the window stand-in's key state, which scripted input sets.
    platform::ManualClock clock(1000);
    platform::setClock(&clock);
    platform::resetWindowSystem();
    platform::scriptedInput().press(VK_MENU);
    EXPECT_TRUE(isOptionKeyDown());
    EXPECT_FALSE(IsShiftKeyDown());
    platform::scriptedInput().release(VK_MENU);
    platform::scriptedInput().press(VK_CONTROL);
    EXPECT_FALSE(IsKeyDown(0x3a));
    EXPECT_TRUE(IsCommandKeyDown());
    EXPECT_FALSE(IsKeyDown(200));
    platform::resetWindowSystem();
    platform::setClock(nullptr);

    EXPECT_GT(WaitTicks(5), 4u);

    HostHandle handle = HostExtNewHandle(8);
    EXPECT_TRUE(IsValidHandle(handle));
    HostExtDisposeHandle(handle);
    char* nothing = nullptr;
    EXPECT_FALSE(IsValidHandle(&nothing));
    EXPECT_EQ(hostext::debugMessages().back(), ");printf \"IsValidHandle bad handle:%d\" rd0");

    dspshell::reset();
    DebugPrintf("Process %d\n", 7);
    EXPECT_EQ(dspshell::printedTexts().back(), "Process 7\n");

    int port = 0;
    const std::uint32_t programList = FourCharCode("PrgL");
    dspshell::addClient(programList, &port);
    dspshell::addClient(programList, nullptr);
    dspshell::addClient(0x41424344, &port);
    dspshell::addClient(programList, &port);
    dspshell::setSendAnswer(-1);
    EXPECT_EQ(SendToPrgLClients(9), 0);
    ASSERT_EQ(dspshell::sentMessages().size(), 2u);
    EXPECT_EQ(dspshell::sentMessages()[0].words[1], 1002);
    EXPECT_EQ(dspshell::sentMessages()[0].words[3], 9);
    dspshell::setSendAnswer(-3);
    EXPECT_EQ(SendToPrgLClients(9), -3);
    EXPECT_EQ(dspshell::sentMessages().size(), 3u); // stopped at the first error
    dspshell::reset();
}

TEST(HostServices, TheLockServiceIsKeptOnceTheHostAnswersAndTheEngineObjectIsLookedUp)
{
    hostengine::resetLockService();
    IHostLockService* service = GetHostLockService();
    ASSERT_NE(service, nullptr);
    hostengine::offerLockService(false);
    EXPECT_EQ(GetHostLockService(), service);
    hostengine::resetLockService();

    IEngineUnknown* engine = reinterpret_cast<IEngineUnknown*>(1);
    EXPECT_EQ(GetEngineUnknown(&engine), 0);
    EXPECT_EQ(engine, nullptr);
    hostengine::withhold("HostGetEngineUnknown");
    EXPECT_EQ(GetEngineUnknown(&engine), -1);
    hostengine::offerEverything();
}

} // namespace
