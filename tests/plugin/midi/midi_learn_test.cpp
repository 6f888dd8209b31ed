#include "plugin/aplugin.h"

#include "plugin/base/plug_event_list.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

constexpr std::int32_t kTarget = 500;
constexpr const char* kEcsFolder = "C:\\Morvane\\Kravo\\ECS";

class MidiLearn : public kravo::test::UserFilesTest {
protected:
    void SetUp() override
    {
        UserFilesTest::SetUp();
        restart();
    }

    void restart() { plugin.reset(static_cast<APlugin*>(createEffectInstance(nullptr))); }
    void controlChange(std::uint8_t controller, std::uint8_t value)
    {
        PlugEventList events;
        events.add(0, 0xB0, controller, value);
        plugin->processEvents(events.list());
        float left[1], right[1], *outputs[2] = {left, right};
        plugin->processReplacing(nullptr, outputs, 1);
    }
    // Latches the parameter and moves the controller once, as a user learning it does.
    void learn(std::int32_t parameter, std::uint8_t controller, std::uint8_t value = 1)
    {
        plugin->midiLearnTarget = parameter;
        plugin->midiLatchRequest = true;
        controlChange(controller, value);
    }
    void editorIdle() { plugin->dispatcher(plugEditIdle, 0, 0, nullptr, 0.0f); }
    std::int32_t entry(std::int32_t controller) { return plugin->getMidiCcMap().parameterOf(controller); }
    // The controller's parameter in the map and in the store.
    std::tuple<std::int32_t, std::int32_t> entries(std::int32_t c) { return {entry(c), kravo::readMidiMapEntry(c)}; }
    static std::size_t notices() { return platform::recordedMessageBoxes().size(); }

    std::unique_ptr<APlugin> plugin;
};

TEST_F(MidiLearn, LatchWaitsForALearnableControllerThenDrivesItsParameterAndUnlatchRemovesItFromEveryController)
{
    learn(kTarget, 121, 64);
    EXPECT_EQ(std::tuple(entry(121), plugin->midiLatchRequest.load()), std::tuple(0, true));
    controlChange(7, 127);
    EXPECT_EQ(std::tuple(entry(7), plugin->midiLatchRequest.load(), plugin->getParameter(kTarget)),
              std::tuple(kTarget, false, 1.0f));
    for (std::uint8_t controller : {0, 124, 125, 126, 127}) {
        learn(kTarget + controller, controller);
        EXPECT_EQ(entry(controller), kTarget + controller) << int(controller);
    }

    for (std::uint8_t controller : {3, 7, 127})
        learn(kTarget, controller);
    learn(kTarget + 1, 9);
    editorIdle();
    plugin->midiLearnTarget = kTarget;
    plugin->midiUnlatchRequest = true;
    controlChange(121, 0); // any controller carries out an unlatch
    EXPECT_FALSE(plugin->midiUnlatchRequest);
    editorIdle();
    for (std::int32_t controller : {3, 7, 127})
        EXPECT_EQ(entries(controller), std::tuple(0, 0)) << controller;
    EXPECT_EQ(entries(9), std::tuple(kTarget + 1, kTarget + 1));

    // A latch and an unlatch of one target met by one message leave no entry.
    plugin->midiLatchRequest = true;
    plugin->midiUnlatchRequest = true;
    controlChange(7, 50);
    editorIdle();
    EXPECT_EQ(entries(7), std::tuple(0, 0));
}

TEST_F(MidiLearn, TheStoreFollowsAtTheNextIdleOrWhenTheObjectGoesAndANewObjectStartsWithTheStoredEntriesAsTheyAre)
{
    learn(kTarget, 7);
    EXPECT_EQ(kravo::readMidiMapEntry(7), 0);
    editorIdle();
    EXPECT_EQ(kravo::readMidiMapEntry(7), kTarget);
    learn(kTarget, 9);
    plugin.reset();
    EXPECT_EQ(kravo::readMidiMapEntry(9), kTarget);

    kravo::writeMidiMapEntry(8, 9900);
    kravo::writeMidiMapEntry(9, -1);
    restart();
    EXPECT_EQ(std::tuple(entry(7), entry(8), entry(9), entry(10)), std::tuple(kTarget, 9900, -1, 0));
}

TEST_F(MidiLearn, AnEcsFileRestoresTheMapAndStoreButOneThatCannotBeReadOrWrittenGivesTheNoticeAndChangesNothing)
{
    learn(kTarget, 7);
    learn(9899, 127);
    makeFolder(kEcsFolder);
    platform::scriptSaveFileAnswer("Mine");
    plugin->handleEcsCommand(1);
    kravo::writeMidiMapEntry(100, 42);
    plugin->handleEcsCommand(2);
    for (std::int32_t controller = 0; controller < MidiCcMap::kControllers; ++controller)
        EXPECT_EQ(entries(controller), std::tuple(0, 0)) << controller;
    platform::scriptOpenFileAnswer("Mine.ecs");
    plugin->handleEcsCommand(0);
    EXPECT_EQ(std::tuple(entries(7), entries(127), notices()),
              std::tuple(std::tuple(kTarget, kTarget), std::tuple(9899, 9899), 0u));

    const auto dialogs = platform::recordedFileDialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(std::tuple(dialogs[0].title, dialogs[0].initialFolder, dialogs[0].initialFile, dialogs[1].title,
                         dialogs[1].initialFolder),
              std::tuple("ECS Save", kEcsFolder, "Kravo.ecs", "ECS Loader", kEcsFolder));

    writeFile("C:\\Morvane\\Kravo\\ECS\\short.ecs", "1\n1\n");
    makeFolder("C:\\Morvane\\Kravo\\ECS\\taken.ecs");
    // Unreadable, missing and unwritable files give the notice; a cancel or an unknown command does nothing.
    for (const char* name : {"short.ecs", "absent.ecs", ""}) {
        platform::scriptOpenFileAnswer(name);
        plugin->handleEcsCommand(0);
    }
    platform::scriptSaveFileAnswer("taken.ecs");
    plugin->handleEcsCommand(1);
    plugin->handleEcsCommand(3);
    EXPECT_EQ(std::tuple(notices(), platform::recordedMessageBoxes().at(2).text),
              std::tuple(3u, "Problem with ECS File"));
    EXPECT_EQ(std::tuple(entries(7), entries(0)), std::tuple(std::tuple(kTarget, kTarget), std::tuple(0, 0)));
}

} // namespace
