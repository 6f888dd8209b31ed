#include "plugin/aplugin.h"
#include "plugin/programs/factory_bank.h"

#include "tests/plugin/base/recording_editor.h"
#include "tests/plugin/support/factory_slot_samples.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using kravo::test::RecordingEditor;

class Programs : public ::testing::Test {
protected:
    std::string programName()
    {
        char name[64] = {};
        plugin->getProgramName(name);
        return name;
    }
    void rename(std::string name) { plugin->setProgramName(name.data()); }
    void render(int frames)
    {
        float* outputs[2] = {left.data(), right.data()};
        plugin->processReplacing(nullptr, outputs, frames);
    }
    static float other(float value) { return value == 0.25f ? 0.75f : 0.25f; }

    // Program 0's sample slots find their files, as after an installation.
    bool samplesInstalled = kravo::test::installFactorySlotSamples();
    std::unique_ptr<APlugin> plugin{static_cast<APlugin*>(createEffectInstance(nullptr))};
    std::vector<float> left = std::vector<float>(8192), right = left;
};

TEST_F(Programs, AFreshObjectHasProgramZeroCompletelyLoadedAndClampsValuesStoringNonFiniteOnesAsZero)
{
    EXPECT_EQ(std::tuple(plugin->getProgram(), programName(), plugin->isProgramReloadPending()),
              std::tuple(0, kravo::factoryProgramNames[0], false));
    for (int i = 0; i < kNumParams; ++i)
        ASSERT_EQ(plugin->getParameter(i), kravo::factoryBank[0][i]) << i;

    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    for (const auto& [written, stored] : {std::pair{1.7f, 1.0f}, {-0.2f, 0.0f}, {kInfinity, 0.0f}, {-kInfinity, 0.0f},
                                          {std::numeric_limits<float>::quiet_NaN(), 0.0f}}) {
        plugin->setParameter(6, 0.5f);
        plugin->setParameter(6, written);
        EXPECT_EQ(plugin->getParameter(6), stored) << written;
    }
    EXPECT_EQ(std::tuple(plugin->getParameter(9900), plugin->getParameter(-1)), std::tuple(0.0f, 0.0f));
}

// A write while Compare shows the original returns to the edited set first and
// lands there: no edit made before is lost, and the program keeps them all.
TEST_F(Programs, CompareSwitchesAfterARealChangeOnlyAndAWriteWhileTheOriginalIsShownReturnsToTheEdits)
{
    const float loaded = plugin->getParameter(10), loaded11 = plugin->getParameter(11);
    const auto shown = [&] { return std::tuple(plugin->getParameter(10), plugin->getParameter(11)); };
    plugin->setParameter(10, loaded);
    EXPECT_FALSE(plugin->isCompareShowingEdited());
    plugin->setParameter(10, other(loaded));
    plugin->setParameter(10, loaded); // back to the loaded value: still an edited program
    EXPECT_TRUE(plugin->isCompareShowingEdited());
    plugin->setParameter(10, other(loaded));
    rename("Renamed");
    for (int twice = 0; twice < 2; ++twice) {
        plugin->compareShowOriginal(-1);
        EXPECT_EQ(std::tuple(plugin->getParameter(10), plugin->isCompareShowingEdited(), programName()),
                  std::tuple(loaded, false, kravo::factoryProgramNames[0]));
    }
    plugin->compareShowEdited(-1);
    EXPECT_EQ(std::tuple(plugin->getParameter(10), plugin->isCompareShowingEdited(), programName()),
              std::tuple(other(loaded), true, "Renamed"));

    plugin->compareShowOriginal(-1);
    plugin->setParameter(11, loaded11); // the shown value again: no write, the original stays shown
    EXPECT_EQ(std::tuple(shown(), plugin->isCompareShowingEdited()), std::tuple(std::tuple(loaded, loaded11), false));
    plugin->setParameter(11, other(loaded11));
    EXPECT_EQ(std::tuple(shown(), plugin->isCompareShowingEdited(), programName()),
              std::tuple(std::tuple(other(loaded), other(loaded11)), true, "Renamed"));
    plugin->compareShowOriginal(-1);
    EXPECT_EQ(shown(), std::tuple(loaded, loaded11));
    plugin->compareShowEdited(-1);
    EXPECT_EQ(shown(), std::tuple(other(loaded), other(loaded11)));
    plugin->compareShowOriginal(-1);
    plugin->setProgram(1);
    plugin->setProgram(0);
    EXPECT_EQ(shown(), std::tuple(other(loaded), other(loaded11)));
}

TEST_F(Programs, EachProgramKeepsItsEditsProgramChangesEnterTheRecentListAndOutOfRangeOnesAreIgnored)
{
    plugin->setProgram(3);
    plugin->setParameter(100, 0.125f);
    plugin->setProgram(0);
    EXPECT_EQ(plugin->getParameter(100), kravo::factoryBank[0][100]);
    plugin->setProgram(3);
    EXPECT_EQ(std::tuple(plugin->getParameter(100), plugin->isCompareShowingEdited()), std::tuple(0.125f, false));
    plugin->setProgram(32);
    plugin->dispatcher(plugSetProgram, 0, -5, nullptr, 0.0f);
    EXPECT_EQ(std::tuple(plugin->getProgram(), plugin->getParameter(100)), std::tuple(3, 0.125f));

    plugin->setProgram(5);
    const auto& recent = plugin->getRecentPrograms();
    EXPECT_EQ(std::tuple(recent.entry(0).program, recent.entry(0).programName, recent.entry(1).program,
                         recent.entry(2).program, recent.entry(3).isEmpty()),
              std::tuple(5, kravo::factoryProgramNames[5], 3, 0, true));
}

// An editor that is always open and whose first "are you open?" during a reload runs a main-thread request.
class InterruptingEditor : public RecordingEditor {
public:
    using RecordingEditor::RecordingEditor;
    bool isOpen() override
    {
        if (auto run = std::exchange(request, nullptr))
            run();
        return true;
    }
    std::function<void()> request;
};

TEST_F(Programs, AReloadBringsBackTheStoredProgramKeepsAProgramChangeMadeDuringItAndHappensAtThe8192SampleMark)
{
    auto* editor = new InterruptingEditor(plugin.get());
    plugin->setEditor(editor);
    plugin->setParameter(200, 0.375f);
    plugin->setParameter(kNumParams - 1, 0.5f); // the last parameter arms a reload
    EXPECT_EQ(std::tuple(plugin->isProgramReloadPending(), plugin->getParameter(200), plugin->isCompareShowingEdited()),
              std::tuple(true, 0.375f, false));
    plugin->applyPendingProgram();
    EXPECT_EQ(std::tuple(plugin->isProgramReloadPending(), plugin->getParameter(200),
                         plugin->getParameter(kNumParams - 1), plugin->getEditorRefreshFlag(),
                         plugin->getPatternViewRefreshFlag()),
              std::tuple(false, 0.375f, 0.5f, true, true));

    plugin->setProgram(1);
    editor->request = [&] { plugin->setProgram(2); };
    plugin->applyPendingProgram();
    EXPECT_EQ(std::tuple(plugin->isProgramReloadPending(), plugin->getProgram()), std::tuple(true, 2));
    render(8191);
    EXPECT_TRUE(plugin->isProgramReloadPending());
    render(1);
    EXPECT_FALSE(plugin->isProgramReloadPending());
}

// The audio thread renders up to a reload mark while the main thread writes parameters: none may be undone.
TEST_F(Programs, HostWritesDuringReloadsAreNeverReverted)
{
    constexpr int kTrials = 40, kFirst = 100, kCount = 3000, kMark = 8192;
    for (int trial = 0; trial < kTrials; ++trial) {
        const float value = static_cast<float>(trial + 1) / (kTrials + 1);
        plugin->setParameter(kNumParams - 1, value);
        render(kMark - 1);
        std::atomic<bool> go{false};
        std::thread audio([&] {
            go = true;
            render(1); // the mark: the reload runs here
        });
        while (!go) {
        }
        for (int i = kFirst; i < kFirst + kCount; ++i)
            plugin->setParameter(i, value);
        audio.join();
        EXPECT_FALSE(plugin->isProgramReloadPending());
        for (int i = kFirst; i < kFirst + kCount; ++i)
            ASSERT_EQ(plugin->getParameter(i), value) << "trial " << trial << ", parameter " << i;
    }
}

TEST_F(Programs, NamesAreCutTo24PrintableCharactersAndIndexedNamesCoverTheThirtyTwoPrograms)
{
    rename("A name far longer than twenty-four characters");
    EXPECT_EQ(programName(), "A name far longer than t");
    rename("Kit\x01 hidden");
    rename("\x02");
    EXPECT_EQ(programName(), "Kit");
    char text[64] = "junk";
    EXPECT_EQ(plugin->dispatcher(plugGetProgramNameIndexed, 31, 0, text, 0.0f), 1);
    EXPECT_STREQ(text, kravo::factoryProgramNames[31]);
    EXPECT_FALSE(plugin->getProgramNameIndexed(0, 32, text));
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(plugin->getProgramNameIndexed(0, -1, text));
}

} // namespace
