#include "plugin/aplugin.h"
#include "plugin/settings/registry_settings.h"
#include "tests/plugin/support/user_files_fixture.h"
#include "plugin/base/plug_event_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr std::int32_t kTarget = 500;

class MidiLearn : public kravo::test::UserFilesTest {
protected:
    void SetUp() override
    {
        UserFilesTest::SetUp();
        plugin.reset(static_cast<APlugin*>(createEffectInstance(nullptr)));
        ASSERT_NE(plugin, nullptr);
    }

    void controlChange(std::uint8_t controller, std::uint8_t value)
    {
        PlugEventList events;
        events.add(0, 0xB0, controller, value);
        plugin->processEvents(events.list());
        float left[1];
        float right[1];
        float* outputs[2] = {left, right};
        plugin->processReplacing(nullptr, outputs, 1);
    }

    void latchTo(std::int32_t parameter)
    {
        plugin->midiLearnTarget = parameter;
        plugin->midiLatchRequest = true;
    }
    void unlatch(std::int32_t parameter)
    {
        plugin->midiLearnTarget = parameter;
        plugin->midiUnlatchRequest = true;
    }
    void editorIdle() { plugin->dispatcher(plugEditIdle, 0, 0, nullptr, 0.0f); }
    std::int32_t entry(std::int32_t controller) { return plugin->getMidiCcMap().parameterOf(controller); }

    std::unique_ptr<APlugin> plugin;
};

TEST_F(MidiLearn, LatchWaitsForALearnableControllerThenDrivesItsParameter)
{
    latchTo(kTarget);
    controlChange(121, 64);
    EXPECT_EQ(entry(121), 0);
    EXPECT_TRUE(plugin->midiLatchRequest);

    controlChange(7, 127);
    EXPECT_EQ(entry(7), kTarget);
    EXPECT_FALSE(plugin->midiLatchRequest);
    EXPECT_EQ(plugin->getParameter(kTarget), 1.0f);

    controlChange(7, 0);
    EXPECT_EQ(plugin->getParameter(kTarget), 0.0f);
}

TEST_F(MidiLearn, ControllerZeroAndTheHighestCanBeLearned)
{
    for (std::uint8_t controller : {0, 124, 125, 126, 127}) {
        latchTo(kTarget + controller);
        controlChange(controller, 10);
        EXPECT_EQ(entry(controller), kTarget + controller) << int(controller);
    }
}

TEST_F(MidiLearn, TheStoreFollowsAtTheNextEditorIdleNotOnTheAudioThread)
{
    latchTo(kTarget);
    controlChange(7, 100);
    EXPECT_EQ(kravo::readMidiMapEntry(7), 0);

    editorIdle();
    EXPECT_EQ(kravo::readMidiMapEntry(7), kTarget);
}

TEST_F(MidiLearn, LearnedEntriesNotYetStoredAreStoredWhenTheObjectGoes)
{
    latchTo(kTarget);
    controlChange(7, 100);
    plugin.reset();
    EXPECT_EQ(kravo::readMidiMapEntry(7), kTarget);
}

TEST_F(MidiLearn, UnlatchRemovesTheParameterFromEveryController)
{
    for (std::uint8_t controller : {3, 7, 127}) {
        latchTo(kTarget);
        controlChange(controller, 1);
    }
    latchTo(kTarget + 1);
    controlChange(9, 1);
    editorIdle();

    unlatch(kTarget);
    controlChange(121, 0); // any controller carries out an unlatch
    EXPECT_FALSE(plugin->midiUnlatchRequest);
    for (std::int32_t controller : {3, 7, 127})
        EXPECT_EQ(entry(controller), 0) << controller;
    EXPECT_EQ(entry(9), kTarget + 1);

    editorIdle();
    for (std::int32_t controller : {3, 7, 127})
        EXPECT_EQ(kravo::readMidiMapEntry(controller), 0) << controller;
    EXPECT_EQ(kravo::readMidiMapEntry(9), kTarget + 1);
}

TEST_F(MidiLearn, LatchAndUnlatchOfOneTargetMetByOneMessageLeaveNoEntry)
{
    plugin->midiLearnTarget = kTarget;
    plugin->midiLatchRequest = true;
    plugin->midiUnlatchRequest = true;
    controlChange(7, 50);
    EXPECT_EQ(entry(7), 0);
    editorIdle();
    EXPECT_EQ(kravo::readMidiMapEntry(7), 0);
}

TEST_F(MidiLearn, ClearMidiEmptiesTheMapAndTheStore)
{
    latchTo(kTarget);
    controlChange(7, 1);
    editorIdle();
    kravo::writeMidiMapEntry(100, 42);

    plugin->handleEcsCommand(2);
    for (std::int32_t controller = 0; controller < MidiCcMap::kControllers; ++controller) {
        EXPECT_EQ(entry(controller), 0) << controller;
        EXPECT_EQ(kravo::readMidiMapEntry(controller), 0) << controller;
    }
}

TEST_F(MidiLearn, ANewObjectStartsWithTheStoredMap)
{
    kravo::writeMidiMapEntry(7, kTarget);
    kravo::writeMidiMapEntry(127, 9900);
    plugin.reset(static_cast<APlugin*>(createEffectInstance(nullptr)));
    EXPECT_EQ(entry(7), kTarget);
    EXPECT_EQ(entry(127), 9900);
    EXPECT_EQ(entry(8), 0);
}

TEST_F(MidiLearn, StoredIndicesOutsideTheParametersDriveNothing)
{
    kravo::writeMidiMapEntry(7, 9900);
    kravo::writeMidiMapEntry(8, -1);
    plugin.reset(static_cast<APlugin*>(createEffectInstance(nullptr)));
    const float last = plugin->getParameter(kNumParams - 1);
    controlChange(7, 127);
    controlChange(8, 127);
    EXPECT_EQ(plugin->getParameter(kNumParams - 1), last);
}

class EcsCommands : public MidiLearn {
protected:
    static constexpr const char* kEcsFolder = "C:\\Morvane\\Kravo\\ECS";

    void SetUp() override
    {
        MidiLearn::SetUp();
        makeFolder(kEcsFolder);
    }

    std::vector<std::string> notices()
    {
        std::vector<std::string> texts;
        for (const auto& box : platform::recordedMessageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    void loadEcsText(const std::string& text)
    {
        writeFile("C:\\Morvane\\Kravo\\ECS\\in.ecs", text);
        platform::scriptOpenFileAnswer("in.ecs");
        plugin->handleEcsCommand(0);
    }
};

TEST_F(EcsCommands, SaveThenLoadRestoresTheMapAndTheStore)
{
    latchTo(kTarget);
    controlChange(7, 1);
    latchTo(9899);
    controlChange(127, 1);

    platform::scriptSaveFileAnswer("Mine");
    plugin->handleEcsCommand(1);
    const auto dialogs = platform::recordedFileDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "ECS Save");
    EXPECT_EQ(dialogs[0].initialFolder, kEcsFolder);
    EXPECT_EQ(dialogs[0].initialFile, "Kravo.ecs");
    const std::string saved = readFile("C:\\Morvane\\Kravo\\ECS\\Mine.ecs");
    EXPECT_EQ(saved.substr(0, 18), "0\n0\n0\n0\n0\n0\n0\n500\n");

    plugin->handleEcsCommand(2);
    platform::scriptOpenFileAnswer("Mine.ecs");
    plugin->handleEcsCommand(0);
    EXPECT_EQ(platform::recordedFileDialogs().at(1).title, "ECS Loader");
    EXPECT_EQ(platform::recordedFileDialogs().at(1).initialFolder, kEcsFolder);
    EXPECT_EQ(entry(7), kTarget);
    EXPECT_EQ(entry(127), 9899);
    EXPECT_EQ(kravo::readMidiMapEntry(7), kTarget);
    EXPECT_EQ(kravo::readMidiMapEntry(127), 9899);
    EXPECT_TRUE(notices().empty());
}

TEST_F(EcsCommands, ABadFileGivesTheNoticeAndChangesNothing)
{
    latchTo(kTarget);
    controlChange(7, 1);
    editorIdle();

    std::string numbers;
    for (int i = 0; i < 127; ++i)
        numbers += "1\n";
    for (const std::string& bad : {numbers, numbers + "1\n1\n", numbers + "9901\n", "-1\n" + numbers, numbers + "x\n"}) {
        platform::resetMessageBoxes();
        loadEcsText(bad);
        EXPECT_EQ(notices(), std::vector<std::string>{"Problem with ECS File"});
        EXPECT_EQ(entry(7), kTarget);
        EXPECT_EQ(entry(0), 0);
        EXPECT_EQ(kravo::readMidiMapEntry(7), kTarget);
        EXPECT_EQ(kravo::readMidiMapEntry(0), 0);
    }
}

TEST_F(EcsCommands, AFileThatCannotBeOpenedGivesTheNotice)
{
    platform::scriptOpenFileAnswer("absent.ecs");
    plugin->handleEcsCommand(0);
    EXPECT_EQ(notices(), std::vector<std::string>{"Problem with ECS File"});
}

TEST_F(EcsCommands, ASaveThatCannotBeWrittenGivesTheNotice)
{
    makeFolder("C:\\Morvane\\Kravo\\ECS\\taken.ecs");
    platform::scriptSaveFileAnswer("taken.ecs");
    plugin->handleEcsCommand(1);
    EXPECT_EQ(notices(), std::vector<std::string>{"Problem with ECS File"});
}

TEST_F(EcsCommands, CancelledDialogsDoNothing)
{
    latchTo(kTarget);
    controlChange(7, 1);
    platform::scriptOpenFileAnswer("");
    plugin->handleEcsCommand(0);
    platform::scriptSaveFileAnswer("");
    plugin->handleEcsCommand(1);
    EXPECT_EQ(entry(7), kTarget);
    EXPECT_TRUE(notices().empty());
}

TEST_F(EcsCommands, UnknownCommandsDoNothing)
{
    latchTo(kTarget);
    controlChange(7, 1);
    plugin->handleEcsCommand(3);
    plugin->handleEcsCommand(-1);
    EXPECT_TRUE(platform::recordedFileDialogs().empty());
    EXPECT_EQ(entry(7), kTarget);
}

} // namespace
