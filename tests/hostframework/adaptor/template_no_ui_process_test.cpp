#include "hostframework/adaptor/host_master_callback.h"
#include "hostframework/adaptor/parameter_control_names.h"
#include "hostframework/adaptor/template_no_ui_process_native.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group.h"
#include "hostlibs/engine/host_control_value.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/debug_output.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "plugin/base/audio_plugin.h"
#include "plugin/settings/registry_settings.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/routines.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using kravo::test::routine;
using kravo::test::TempFolder;

constexpr std::uint32_t kKrst = FourCharCode("Krst");
constexpr std::int32_t kGain = 9902;
constexpr std::int32_t kSecondGain = 9903;

// One instance as the host makes it on the WinPlugInOpen road: the native kind enabled (routine 91)
// and a 'Krst' process created (routine 19).
class AdaptorProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        kravo::test::writeResourceFile(folder.path() / "Kravo.dll.rsr", {});
        platform::setModulePath((folder.path() / "Kravo.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
        ASSERT_EQ(routine<std::int32_t (*)(std::int32_t)>(91)(3), 0);
    }
    void TearDown() override
    {
        if (id != 0)
            routine<std::int32_t (*)(std::uint32_t, std::int32_t)>(20)(kKrst, id);
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setModulePath("");
    }
    CTemplateNoUIProcessNative& create()
    {
        EXPECT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t*)>(19)(kKrst, &id), 0);
        auto* group = dynamic_cast<CProcessGroup*>(gProcessGroup);
        return dynamic_cast<CTemplateNoUIProcessNative&>(*group->GetProcessType(kKrst)->FindProcess(id));
    }
    std::int32_t control(std::uint32_t selector, std::int32_t position)
    {
        std::int32_t value = 0;
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::int32_t*)>(selector)(kKrst, id, position,
                                                                                                    &value);
        return value;
    }
    void setControl(std::uint32_t selector, std::int32_t position, std::int32_t value)
    {
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::int32_t)>(selector)(kKrst, id, position,
                                                                                                   value);
    }

    TempFolder folder;
    std::int32_t id = 0;
};

TEST_F(AdaptorProcess, TheControlsTheHostSees)
{
    CTemplateNoUIProcessNative& process = create();
    std::int16_t count = 0;
    routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int16_t*)>(40)(kKrst, id, &count);
    EXPECT_EQ(count, 9903);
    const auto name = [&](std::int32_t position) {
        char text[256] = {};
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, char*)>(44)(kKrst, id, position, text);
        return std::string(text);
    };
    EXPECT_EQ(name(1), "0000 Master Bypass");
    EXPECT_EQ(name(2), "0001 -------------------");
    EXPECT_EQ(name(kGain), "Mono Gain");
    const auto automatable = [&](std::int32_t position) {
        std::int16_t flag = -1;
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::int16_t*)>(41)(kKrst, id, position,
                                                                                              &flag);
        return flag;
    };
    EXPECT_EQ(automatable(1), 1);
    EXPECT_EQ(automatable(2), 1);
    EXPECT_EQ(automatable(kGain), 0);
    EXPECT_EQ(automatable(kSecondGain), 0);
    EXPECT_EQ(control(42, 1), 2);
    EXPECT_EQ(control(42, 2), 1000001);
    EXPECT_EQ(control(42, kGain), 11);
    EXPECT_EQ(control(109, 1), -2147483647 - 1);
    EXPECT_EQ(control(109, kGain), 2147483647);
    for (std::int32_t position : {2, 100, 9901})
        EXPECT_EQ(control(109, position), FloatToHostInteger(process.GetPlugIn()->getParameter(position - 2), 0, 1))
            << position;
}

TEST_F(AdaptorProcess, ARateOf0BecomesTheDefault)
{
    routine<std::int32_t (*)(std::int32_t)>(7)(0);
    // The announcement goes to the debug output only: a host's users do not see it.
    ::testing::internal::CaptureStderr();
    platform::showDebugOutput(true);
    CTemplateNoUIProcessNative& process = create();
    platform::showDebugOutput(false);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Process sr= 44100, numParams = 9900\n"),
              std::string::npos);
    EXPECT_EQ(process.GetPlugIn()->getSampleRate(), 44100.0f);
    EXPECT_EQ(process.GetTimeInfo().sampleRate, 44100.0);
    EXPECT_EQ(process.GetTimeInfo().tempo, 120.0);
    EXPECT_EQ(process.GetTimeInfo().flags, 0x600);
    ::testing::internal::CaptureStderr();
    routine<std::int32_t (*)(std::uint32_t, std::int32_t)>(20)(kKrst, id);
    create();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST(ParameterControlNames, NumberedAndCutToThreeLengths)
{
    CParameterControlNames names;
    EXPECT_EQ(names.Next("Level").names, "0001 Level\nLevel\nLev\n");
    const auto unnamed = names.Next("---");
    EXPECT_EQ(unnamed.names, "0001 ");
    EXPECT_FALSE(unnamed.automatable);
    EXPECT_EQ(names.Next("").names, "0002 ");
    EXPECT_EQ(names.Next("Tune").names, "0002 Tune\nTune\nTun\n");
    EXPECT_EQ(names.Next("Pan").names, "0003 Pan\nPan\nPan\n");
    EXPECT_TRUE(names.Next("Decay Time").automatable);
}

TEST_F(AdaptorProcess, ArrowKeysStepThroughThePrograms)
{
    CTemplateNoUIProcessNative& process = create();
    AudioPlugin& plugIn = *process.GetPlugIn();
    EventRecord up{3, 32286, 0, {0, 0}, 0};
    EventRecord down{3, 32031, 0, {0, 0}, 0};
    EventRecord released{4, 32031, 0, {0, 0}, 0};
    kravo::writeRegString("Key", "Y");
    EXPECT_TRUE(process.HandleKeyInProcess(&up));
    EXPECT_EQ(plugIn.getProgram(), 31);
    EXPECT_TRUE(process.HandleKeyInProcess(&down));
    EXPECT_EQ(plugIn.getProgram(), 0);
    EXPECT_FALSE(process.HandleKeyInProcess(&released));
    EventRecord other{3, 12345, 0, {0, 0}, 0};
    EXPECT_FALSE(process.HandleKeyInProcess(&other));
    kravo::writeRegString("Key", "N");
    EXPECT_FALSE(process.HandleKeyInProcess(&down));
    EXPECT_EQ(plugIn.getProgram(), 0);
    kravo::writeRegString("Key", "");
}

TEST_F(AdaptorProcess, TheHostCallbackAnswersThePlugIn)
{
    CTemplateNoUIProcessNative& process = create();
    PluginRecord* record = process.GetPluginRecord();
    EXPECT_EQ(hostMasterCallback(nullptr, 1, 0, 0, nullptr, 0), 0);
    EXPECT_EQ(hostMasterCallback(record, 50, 0, 0, nullptr, 0), 0);
    EXPECT_EQ(hostMasterCallback(record, 1, 0, 0, nullptr, 0), 2);
    EXPECT_EQ(hostMasterCallback(record, 2, 0, 0, nullptr, 0), FourCharCode("KrCH"));
    EXPECT_EQ(hostMasterCallback(record, 7, 0, 0, nullptr, 0), reinterpret_cast<PlugIntPtr>(&process.GetTimeInfo()));
    EXPECT_EQ(hostMasterCallback(record, 16, 0, 0, nullptr, 0), 44100);
    EXPECT_EQ(hostMasterCallback(record, 17, 0, 0, nullptr, 0), 32);
    char text[8];
    std::memset(text, 'x', sizeof text);
    hostMasterCallback(record, 32, 0, 0, text, 0);
    EXPECT_EQ(std::string(text, 6), std::string("Vexo\0x", 6));
    hostMasterCallback(record, 33, 0, 0, text, 0);
    EXPECT_EQ(std::string(text, 7), std::string("Kravo\0x", 7));
    EXPECT_EQ(hostMasterCallback(record, 32, 0, 0, nullptr, 0), 0);
    // Idle lets the host run, and leaves no host call entered behind it.
    const int waits = hostext::waitForHostCount();
    EXPECT_EQ(hostMasterCallback(record, 3, 0, 0, nullptr, 0), 0);
    EXPECT_EQ(hostext::waitForHostCount(), waits + 1);
    EXPECT_EQ(gProcessGroup->EnterHostCall(), 1);
    gProcessGroup->LeaveHostCall();
    const std::int32_t before = control(45, 7);
    EXPECT_EQ(hostMasterCallback(record, 43, 5, 0, nullptr, 0.3f), 0);
    EXPECT_EQ(control(45, 7), before);
}

TEST_F(AdaptorProcess, AutomationRunsBothWaysOnceTheHostWroteTheFirstGain)
{
    CTemplateNoUIProcessNative& process = create();
    PluginRecord* record = process.GetPluginRecord();
    AudioPlugin& plugIn = *process.GetPlugIn();
    hostMasterCallback(record, 0, 5, 0, nullptr, 1.0f);
    EXPECT_EQ(control(45, 7), 2147483647);
    hostMasterCallback(record, 0, 5, 0, nullptr, 1.5f);
    EXPECT_EQ(control(45, 7), 2147483647);
    hostMasterCallback(record, 0, 9900, 0, nullptr, 0.5f); // no such parameter
    EXPECT_EQ(control(45, kGain), 2147483647);

    const float untouched = plugIn.getParameter(10);
    setControl(46, 12, 0);
    EXPECT_EQ(plugIn.getParameter(10), untouched); // the host has not restored its session yet
    setControl(46, kGain, 0);
    EXPECT_TRUE(process.IsHostAutomationEnabled());
    setControl(46, 12, 0);
    EXPECT_EQ(plugIn.getParameter(10), 0.5f);
    setControl(99, 12, 2147483647);
    EXPECT_EQ(plugIn.getParameter(10), 1.0f);
    const float bypassWatch = plugIn.getParameter(0);
    setControl(46, 1, 2147483647);
    setControl(46, kSecondGain, 0);
    EXPECT_EQ(plugIn.getParameter(0), bypassWatch);

    // A value from the plug-in comes back from its control unchanged, bit for bit.
    plugIn.setParameterAutomated(20, 0.001f);
    EXPECT_EQ(plugIn.getParameter(20), 0.001f);
}

TEST_F(AdaptorProcess, TheDelayQueryAnswersThePlugInsInitialDelay)
{
    CTemplateNoUIProcessNative& process = create();
    const auto delay = [&] {
        std::int32_t samples = -1;
        const std::int32_t result =
            routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t*)>(145)(kKrst, id, &samples);
        return std::pair(result, samples);
    };
    EXPECT_EQ(delay(), std::pair(0, 0));
    process.GetPluginRecord()->initialDelay = 70000; // beyond 16 bits
    EXPECT_EQ(delay(), std::pair(0, 70000));
    process.GetPluginRecord()->initialDelay = 0;
}

// The type is made with the flag word 2048 and two channels (stem format 1) on each side.
TEST_F(AdaptorProcess, TheTypesFlagsLeadToTheBypassAndItsStemFormatsAreTheOnlyOnesTaken)
{
    create();
    const auto flags = [&](std::uint32_t mask) {
        std::uint32_t out = 99;
        const std::int32_t result = routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::uint32_t,
                                                             std::uint32_t*)>(135)(kKrst, id, mask, &out);
        return std::pair(result, out);
    };
    EXPECT_EQ(flags(2048), std::pair(0, 1u));
    EXPECT_EQ(flags(0xFFFFF7FF), std::pair(0, 0u));
    std::int32_t bypass = 0;
    routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t*)>(132)(kKrst, id, &bypass);
    EXPECT_EQ(flags(0xFFFF).second, static_cast<std::uint32_t>(bypass));

    const auto format = [&](std::uint32_t selector, std::int16_t value) {
        return routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int16_t)>(selector)(kKrst, id, value);
    };
    EXPECT_EQ(format(23, 1), 0);
    EXPECT_EQ(format(23, 0), -7152);
    EXPECT_EQ(format(24, 1), 0);
    EXPECT_EQ(format(24, 2), -7153);
}

// Routines 27 and 28 ask about a channel, 30 and 31 connect one, 32 and 33 disconnect one.
TEST_F(AdaptorProcess, TheHostConnectsTheProcesssChannelsThroughItsRoutines)
{
    CTemplateNoUIProcessNative& process = create();
    const auto connected = [&](std::uint32_t selector, std::int32_t channel) {
        std::uint8_t flag = 9;
        const std::int32_t result =
            routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::uint8_t*)>(selector)(kKrst, id,
                                                                                                        channel, &flag);
        return result != 0 ? result : flag;
    };
    const auto connect = [&](std::uint32_t selector, std::int32_t channel) {
        return routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::int32_t)>(selector)(
            kKrst, id, channel, 77);
    };
    const auto disconnect = [&](std::uint32_t selector, std::int32_t channel) {
        return routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t)>(selector)(kKrst, id, channel);
    };
    EXPECT_EQ(connected(27, 2), 0);
    EXPECT_EQ(connect(30, 2), 0);
    EXPECT_EQ(connected(27, 2), 1);
    EXPECT_EQ(process.GetInputConnectionFlag(1), 1);
    EXPECT_EQ(connect(31, 1), 0);
    EXPECT_EQ(connected(28, 1), 1);
    EXPECT_EQ(disconnect(33, 1), 0);
    EXPECT_EQ(connected(28, 1), 0);
    EXPECT_EQ(disconnect(32, 2), 0);
    EXPECT_EQ(connected(27, 2), 0);
    EXPECT_EQ(connect(30, 3), -7106); // a stereo instrument has two of each
    EXPECT_EQ(connected(28, 3), -7106);
}

TEST_F(AdaptorProcess, ChunksOfTheProcess)
{
    CTemplateNoUIProcessNative& process = create();
    std::int32_t count = 0;
    routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t*)>(62)(kKrst, id, &count);
    EXPECT_EQ(count, 3);
    std::vector<std::uint32_t> ids;
    std::vector<std::string> names;
    for (std::int32_t index = 1; index <= 3; ++index) {
        std::uint32_t chunk = 0;
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::uint32_t*)>(63)(kKrst, id, index,
                                                                                               &chunk);
        ids.push_back(chunk);
        std::uint8_t name[256] = {};
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::uint32_t, std::uint8_t*)>(64)(kKrst, id, chunk, name);
        names.emplace_back(reinterpret_cast<char*>(name + 1), name[0]);
    }
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{FourCharCode("elck"), FourCharCode("midi"), FourCharCode("tQQt")}));
    EXPECT_EQ(names, (std::vector<std::string>{"Complete Controls State", "MIDI Connection Data", "plugstate"}));
    const auto size = [&](std::uint32_t chunk) {
        std::int32_t bytes = 0;
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::uint32_t, std::int32_t*)>(65)(kKrst, id, chunk,
                                                                                               &bytes);
        return bytes;
    };
    EXPECT_EQ(size(FourCharCode("elck")), 118892);
    EXPECT_EQ(size(FourCharCode("tQQt")), 1269384);

    // The controls chunk shows the program the plug-in has now, not what the controls last held.
    process.GetPlugIn()->setProgram(3);
    std::vector<std::uint8_t> bytes(118892);
    auto* chunk = reinterpret_cast<SHostPlugInChunk*>(bytes.data());
    ASSERT_EQ(process.GetChunk(FourCharCode("elck"), chunk), 0);
    ChunkDataParser read;
    read.Parse(chunk);
    for (std::int32_t index = 0; index < 40; ++index) {
        double value = -1.0;
        ASSERT_TRUE(read.GetDouble("", value));
        EXPECT_EQ(FloatToHostInteger(static_cast<float>(value), 0, 1),
                  FloatToHostInteger(process.GetPlugIn()->getParameter(index), 0, 1))
            << index;
    }
}

} // namespace
