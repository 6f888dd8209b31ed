#include "plugin/aplugin.h"
#include "plugin/parameters/default_patch.h"
#include "plugin/programs/factory_bank.h"

#include "tests/plugin/base/recording_editor.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>
#include <cstring>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace {

using kravo::test::RecordingEditor;

class Programs : public ::testing::Test {
protected:
    void SetUp() override { plugin.reset(static_cast<APlugin*>(createEffectInstance(nullptr))); }

    std::string programName()
    {
        char name[64] = {};
        plugin->getProgramName(name);
        return name;
    }

    std::unique_ptr<APlugin> plugin;
};

TEST_F(Programs, AFreshObjectHasProgramZeroCompletelyLoaded)
{
    EXPECT_EQ(plugin->getProgram(), 0);
    EXPECT_EQ(programName(), "Q-groovy 120bpm");
    EXPECT_FALSE(plugin->isProgramReloadPending());
    for (int i = 0; i < kNumParams; ++i)
        ASSERT_EQ(plugin->getParameter(i), kravo::factoryBank[0][i]) << i;
}

TEST(FirstProgram, ANoteInTheFirstBlockIsNotCutByAReload)
{
    kravo::test::PluginRenderer renderer;
    renderer.noteOn(36);
    renderer.render(8192 + 64);
    const auto rms = [&](std::size_t from) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + 64; ++i)
            sum += renderer.left[i] * renderer.left[i];
        return std::sqrt(sum / 64.0);
    };
    ASSERT_GT(rms(8192 - 64), 0.001);
    EXPECT_GT(rms(8192), 0.5 * rms(8192 - 64));
}

TEST_F(Programs, ValuesAreClampedAndNonFiniteValuesStoredAsZero)
{
    plugin->setParameter(5, 1.7f);
    EXPECT_EQ(plugin->getParameter(5), 1.0f);
    plugin->setParameter(5, -0.2f);
    EXPECT_EQ(plugin->getParameter(5), 0.0f);
    for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                      -std::numeric_limits<float>::infinity()}) {
        plugin->setParameter(6, 0.5f);
        plugin->setParameter(6, bad);
        EXPECT_EQ(plugin->getParameter(6), 0.0f);
    }
    EXPECT_EQ(plugin->getParameter(9900), 0.0f);
    EXPECT_EQ(plugin->getParameter(-1), 0.0f);
}

TEST_F(Programs, CompareFlagFollowsRealChangesOnly)
{
    const float loaded = plugin->getParameter(10);
    plugin->setParameter(10, loaded);
    EXPECT_FALSE(plugin->isCompareShowingEdited());

    plugin->setParameter(10, loaded == 0.25f ? 0.75f : 0.25f);
    EXPECT_TRUE(plugin->isCompareShowingEdited());
    plugin->setParameter(10, loaded); // back to the loaded value: still an edited program
    EXPECT_TRUE(plugin->isCompareShowingEdited());
}

TEST_F(Programs, CompareSwitchesBetweenLoadedAndEditedValues)
{
    const float loaded = plugin->getParameter(10);
    const float edited = loaded == 0.25f ? 0.75f : 0.25f;
    plugin->setParameter(10, edited);

    plugin->compareShowOriginal(-1);
    EXPECT_EQ(plugin->getParameter(10), loaded);
    EXPECT_FALSE(plugin->isCompareShowingEdited());
    plugin->compareShowOriginal(-1); // already showing the original: nothing changes
    EXPECT_EQ(plugin->getParameter(10), loaded);

    plugin->compareShowEdited(-1);
    EXPECT_EQ(plugin->getParameter(10), edited);
    EXPECT_TRUE(plugin->isCompareShowingEdited());
    EXPECT_EQ(programName(), "Q-groovy 120bpm");
}

TEST_F(Programs, AnEditWhileTheOriginalIsShownContinuesFromTheOriginal)
{
    const float loaded10 = plugin->getParameter(10);
    const float loaded11 = plugin->getParameter(11);
    plugin->setParameter(10, loaded10 == 0.25f ? 0.75f : 0.25f);
    char renamed[] = "Renamed";
    plugin->setProgramName(renamed);
    plugin->compareShowOriginal(-1);
    EXPECT_EQ(programName(), "Q-groovy 120bpm");

    const float edited11 = loaded11 == 0.5f ? 0.125f : 0.5f;
    plugin->setParameter(11, edited11);
    EXPECT_TRUE(plugin->isCompareShowingEdited());
    EXPECT_EQ(plugin->getParameter(10), loaded10);
    plugin->compareShowOriginal(-1);
    EXPECT_EQ(plugin->getParameter(11), loaded11);
    plugin->compareShowEdited(-1);
    EXPECT_EQ(plugin->getParameter(10), loaded10);
    EXPECT_EQ(plugin->getParameter(11), edited11);
    // What the user hears is what the program keeps.
    plugin->setProgram(1);
    plugin->setProgram(0);
    EXPECT_EQ(plugin->getParameter(10), loaded10);
    EXPECT_EQ(plugin->getParameter(11), edited11);
}

TEST_F(Programs, ARenameSurvivesACompareRoundTrip)
{
    plugin->setParameter(10, plugin->getParameter(10) == 0.25f ? 0.75f : 0.25f);
    char renamed[] = "Renamed";
    plugin->setProgramName(renamed);
    plugin->compareShowOriginal(-1);
    plugin->compareShowEdited(-1);
    EXPECT_EQ(programName(), "Renamed");
}

TEST_F(Programs, EachProgramKeepsItsEdits)
{
    plugin->setProgram(3);
    plugin->setParameter(100, 0.125f);
    plugin->setProgram(0);
    EXPECT_EQ(plugin->getParameter(100), kravo::factoryBank[0][100]);
    plugin->setProgram(3);
    EXPECT_EQ(plugin->getParameter(100), 0.125f);
    EXPECT_FALSE(plugin->isCompareShowingEdited());
}

TEST_F(Programs, OutOfRangeProgramsAreIgnored)
{
    plugin->setProgram(4);
    plugin->setParameter(10, plugin->getParameter(10) == 0.25f ? 0.75f : 0.25f);
    plugin->setProgram(32);
    plugin->setProgram(-1);
    EXPECT_EQ(plugin->getProgram(), 4);
    EXPECT_EQ(plugin->dispatcher(plugSetProgram, 0, -5, nullptr, 0.0f), 0);
    EXPECT_EQ(plugin->getProgram(), 4);
}

TEST_F(Programs, DeferredReloadBringsBackTheStoredProgram)
{
    auto* editor = new RecordingEditor(plugin.get());
    plugin->setEditor(editor);
    editor->windowOpen = true;
    plugin->setParameter(200, 0.375f);
    plugin->setParameter(kNumParams - 1, 0.5f); // the last parameter arms a reload
    EXPECT_TRUE(plugin->isProgramReloadPending());
    EXPECT_EQ(plugin->getParameter(200), 0.375f);
    EXPECT_FALSE(plugin->isCompareShowingEdited());
    plugin->applyPendingProgram();
    EXPECT_FALSE(plugin->isProgramReloadPending());
    EXPECT_EQ(plugin->getParameter(200), 0.375f);
    EXPECT_EQ(plugin->getParameter(kNumParams - 1), 0.5f);
    EXPECT_TRUE(plugin->getEditorRefreshFlag());
    EXPECT_TRUE(plugin->getPatternViewRefreshFlag());
}

TEST_F(Programs, ReloadHappensAtThe8192SampleMark)
{
    float left[4096];
    float right[4096];
    float* outputs[2] = {left, right};
    plugin->setProgram(1);
    plugin->processReplacing(nullptr, outputs, 4096);
    plugin->processReplacing(nullptr, outputs, 4095);
    EXPECT_TRUE(plugin->isProgramReloadPending());
    plugin->processReplacing(nullptr, outputs, 1);
    EXPECT_FALSE(plugin->isProgramReloadPending());
}

// An editor whose first "are you open?" during a reload runs a main-thread request.
class InterruptingEditor : public RecordingEditor {
public:
    using RecordingEditor::RecordingEditor;
    bool isOpen() override
    {
        if (request) {
            auto run = std::move(request);
            request = nullptr;
            run();
        }
        return true;
    }
    std::function<void()> request;
};

TEST_F(Programs, AProgramChangeRequestedDuringAReloadIsKept)
{
    auto* editor = new InterruptingEditor(plugin.get());
    plugin->setEditor(editor);
    plugin->setProgram(1);
    editor->request = [&] { plugin->setProgram(2); };
    plugin->applyPendingProgram();
    EXPECT_TRUE(plugin->isProgramReloadPending());
    EXPECT_EQ(plugin->getProgram(), 2);
    plugin->applyPendingProgram();
    EXPECT_FALSE(plugin->isProgramReloadPending());
}

// The audio thread renders up to a reload mark while the main thread writes
// parameters: no write may be undone by the reload.
TEST_F(Programs, HostWritesDuringReloadsAreNeverReverted)
{
    constexpr int kTrials = 40;
    constexpr int kFirst = 100;
    constexpr int kCount = 3000;
    constexpr int kMark = 8192;
    std::vector<float> left(kMark);
    std::vector<float> right(kMark);
    float* outputs[2] = {left.data(), right.data()};
    for (int trial = 0; trial < kTrials; ++trial) {
        const float value = static_cast<float>(trial + 1) / (kTrials + 1);
        plugin->setParameter(kNumParams - 1, value);
        plugin->processReplacing(nullptr, outputs, kMark - 1);
        std::atomic<bool> go{false};
        std::thread audio([&] {
            go = true;
            plugin->processReplacing(nullptr, outputs, 1); // the mark: the reload runs here
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

TEST_F(Programs, NamesAreCutTo24PrintableCharacters)
{
    char longName[] = "A name far longer than twenty-four characters";
    plugin->setProgramName(longName);
    EXPECT_EQ(programName(), "A name far longer than t");
    char control[] = "Kit\x01 hidden";
    plugin->setProgramName(control);
    EXPECT_EQ(programName(), "Kit");
    char empty[] = "\x02";
    plugin->setProgramName(empty);
    EXPECT_EQ(programName(), "Kit");
}

TEST_F(Programs, IndexedNamesCoverExactlyTheThirtyTwoPrograms)
{
    char text[64] = "junk";
    EXPECT_TRUE(plugin->getProgramNameIndexed(0, 31, text));
    EXPECT_STREQ(text, "March 94bpm");
    std::strcpy(text, "junk");
    EXPECT_FALSE(plugin->getProgramNameIndexed(0, 32, text));
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(plugin->getProgramNameIndexed(0, -1, text));
    EXPECT_EQ(plugin->dispatcher(plugGetProgramNameIndexed, 5, 0, text, 0.0f), 1);
    EXPECT_STREQ(text, "KravoTown 130bpm");
}

TEST_F(Programs, ProgramChangesEnterTheRecentList)
{
    plugin->setProgram(5);
    plugin->setProgram(5);
    const auto& recent = plugin->getRecentPrograms();
    EXPECT_EQ(recent.entry(0).program, 5);
    EXPECT_EQ(recent.entry(0).programName, "KravoTown 130bpm");
    EXPECT_EQ(recent.entry(1).program, 0);
    EXPECT_TRUE(recent.entry(2).isEmpty());
}

TEST_F(Programs, ReferenceTablesAreTheDefaultPatchBuilders)
{
    std::vector<float> defaults(kNumParams);
    std::vector<float> zeros(kNumParams);
    kravo::fillDefaultValues(std::span<float, kNumParams>(defaults.data(), kNumParams));
    kravo::fillZeroValues(std::span<float, kNumParams>(zeros.data(), kNumParams));
    for (int i = 0; i < kNumParams; ++i) {
        ASSERT_EQ(plugin->getDefaultValues()[i], defaults[static_cast<std::size_t>(i)]) << i;
        ASSERT_EQ(plugin->getZeroValues()[i], zeros[static_cast<std::size_t>(i)]) << i;
        ASSERT_EQ(plugin->getPatternClearValues()[i], defaults[static_cast<std::size_t>(i)]) << i;
    }
}

} // namespace
