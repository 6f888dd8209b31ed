#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/parameters/text_field_parameters.h"
#include "tests/plugin/support/user_files_fixture.h"
#include "tests/support/plugin_renderer.h"
#include "tests/support/sample_files.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace kravo::test;

constexpr const char* kProblem = "Problem with Preset File";
constexpr const char* kWrongType = "Incorrect drum type";

class DrumPresets : public UserFilesTest {
protected:
    void SetUp() override
    {
        UserFilesTest::SetUp();
        renderer = std::make_unique<PluginRenderer>();
        plugin = renderer->plugin.get();
    }
    // folder is the preset folder's last part ("BD", "SN", "HH", "Clap", "Tom", "User", "samples").
    static std::string path(const std::string& folder, const std::string& title)
    {
        return std::string("C:\\Kravo\\DrumPresets\\").append(folder).append("\\").append(title);
    }
    // A preset of `count` values, value k = (k + 1) / 1024 + shift; sample presets add `names` values.
    static std::string content(int type, int count, float shift = 0.0f, int names = 0, const char* eol = "\n")
    {
        std::string text;
        for (const std::string& line : {std::string("7"), std::to_string(type), std::to_string(count), std::string("Name")})
            text.append(line).append(eol);
        for (int k = 0; k < count + names; ++k) {
            char value[32];
            std::snprintf(value, sizeof value, "%.9g", static_cast<double>((k + 1) / 1024.0f + shift));
            text.append(value).append(eol);
        }
        return text;
    }
    std::vector<float> values() const { return renderer->values(); }
    std::vector<std::string> notices() const
    {
        std::vector<std::string> texts;
        for (const auto& call : platform::recordedMessageBoxes())
            texts.push_back(call.text);
        return texts;
    }
    int find(int slot, const std::string& name)
    {
        plugin->listDrumPresets(slot);
        for (int n = 0; n < plugin->getDrumPresetCount(slot); ++n)
            if (plugin->getDrumPresetName(slot, n) == name)
                return n;
        return -1;
    }
    float listed(int slot, int k) { return plugin->getParameter(plugin->getPresetParameterIndex(slot, k)); }

    std::unique_ptr<PluginRenderer> renderer;
    APlugin* plugin = nullptr;
};

TEST_F(DrumPresets, SlotTablesFollowTheKindAndTheTomUserMode)
{
    const std::vector<std::tuple<int, int, int, int, int, int>> rows = {
        // slot, type, folder, count, first index, index of the last entry
        {0, 0, 0, 56, 10, 184}, {1, 0, 0, 56, 11, 185}, {3, 1, 1, 63, 13, 323}, {4, 3, 2, 63, 14, 3},
        {5, 2, 3, 63, 16, 3}, {6, 3, 2, 63, 15, 4}, {9, 4, 4, 48, 19, 635}, {11, 5, 5, 59, 21, 732},
        {15, 6, 6, 115, 25, 1383}, {17, 7, 7, 87, 0, 0}};
    for (const auto& [slot, type, folder, count, first, last] : rows) {
        EXPECT_EQ(std::tuple(plugin->getPresetDrumType(slot), plugin->getPresetFolderIndex(slot),
                             plugin->getPresetValueCount(slot), plugin->getPresetParameterIndex(slot, 0),
                             plugin->getPresetParameterIndex(slot, count - 1)),
                  std::tuple(type, folder, count, first, last)) << "slot " << slot;
    }
    EXPECT_EQ(plugin->getPresetParameterIndex(1, 6), 1801);
    plugin->setParameter(1771, 1.0f);
    EXPECT_EQ(std::tuple(plugin->getPresetDrumType(11), plugin->getPresetFolderIndex(11), plugin->getPresetValueCount(11),
                         plugin->getPresetParameterIndex(11, 114)),
              std::tuple(6, 6, 115, 1379));
}

TEST_F(DrumPresets, ListsExactPresetEndingsInSearchOrderUpTo1024)
{
    for (const char* title : {"b.dpr", "a.dpr", "C.DPR", "d.Dpr", "e.dpr.txt"})
        writeFile(path("BD", title).c_str(), content(0, 56));
    makeFolder(path("BD", "f.dpr").c_str());
    plugin->listDrumPresets(0);
    EXPECT_EQ(plugin->getDrumPresetCount(0), 2);
    EXPECT_EQ(std::tuple(plugin->getDrumPresetName(0, 0), plugin->getDrumPresetName(1, 1), plugin->getDrumPresetName(0, 2)),
              std::tuple(std::string("a"), std::string("b"), std::string()));
    for (int i = 0; i < 1030; ++i)
        writeFile(path("SN", std::string("p").append(std::to_string(1000 + i)).append(".dpr")).c_str(), "");
    plugin->listDrumPresets(3);
    EXPECT_EQ(std::tuple(plugin->getDrumPresetCount(2), plugin->getDrumPresetName(2, 1023)), std::tuple(1024, std::string("p2023")));
}

TEST_F(DrumPresets, LoadsMatchingKindsAndRefusesOthersUnchanged)
{
    writeFile(path("HH", "Closed Tight.dpr").c_str(), content(3, 63, 0.25f));
    writeFile(path("HH", "Open.dpr").c_str(), content(2, 63));
    writeFile(path("SN", "Kick.dpr").c_str(), content(0, 56));
    plugin->loadDrumPresetByIndex(5, find(5, "Closed Tight"));
    EXPECT_FLOAT_EQ(listed(5, 1), 2 / 1024.0f + 0.25f);
    EXPECT_EQ(plugin->getDrumSlotPresetName(5), "Closed Tight");
    plugin->loadDrumPresetByIndex(6, find(6, "Open"));
    EXPECT_FLOAT_EQ(listed(6, 40), 41 / 1024.0f);

    const auto before = values();
    plugin->loadDrumPresetByIndex(2, find(2, "Kick"));
    EXPECT_EQ(values(), before);
    EXPECT_EQ(notices(), std::vector<std::string>{kWrongType});
}

TEST_F(DrumPresets, TomSlotInUserModeUsesTheUserFolderAndList)
{
    writeFile(path("Tom", "T.dpr").c_str(), content(5, 59));
    writeFile(path("User", "U.dpr").c_str(), content(6, 115, 0.5f));
    plugin->setParameter(1772, 1.0f);
    EXPECT_EQ(find(12, "U"), 0);
    plugin->loadDrumPresetByIndex(12, 0);
    EXPECT_FLOAT_EQ(plugin->getParameter(1378 + 2), 115 / 1024.0f + 0.5f);
    plugin->setParameter(1772, 0.0f);
    EXPECT_EQ(find(12, "T"), 0);
    EXPECT_EQ(plugin->getPresetValueCount(12), 59);
}

TEST_F(DrumPresets, DefaultOnASampleSlotEmptiesBothLayers)
{
    writeFile("C:\\Kravo\\Samples\\k.wav", wavBytes(std::vector<std::int16_t>(500, 900), 1, 44100));
    for (int layer = 0; layer < 2; ++layer) {
        plugin->setParamText(kravo::param::sampleNameIndex(static_cast<kravo::param::SampleLayer>(layer), 2), "k.wav", 64, -1);
        plugin->setLayerEnabled(2, layer, true);
        plugin->reloadLayerSample(2, layer);
        ASSERT_TRUE(plugin->getLayerSamples().buffer(layer + 4).isLoaded());
    }
    plugin->loadDefaultDrumPreset(18);
    EXPECT_EQ(plugin->getDrumSlotPresetName(18), "Default");
    for (int layer = 0; layer < 2; ++layer) {
        EXPECT_FALSE(plugin->isLayerEnabled(2, layer));
        EXPECT_EQ(plugin->getLayerSampleName(2, layer), "No Sample");
        EXPECT_EQ(plugin->getParamText(kravo::param::sampleNameIndex(static_cast<kravo::param::SampleLayer>(layer), 2), 64, -1), "");
    }
    EXPECT_EQ(plugin->getParameter(6216 + 2), plugin->getDefaultValues()[6216 + 2]);
}

TEST_F(DrumPresets, UndoDoesNothingFirstThenReturnsToTheStateBeforeTheLastLoad)
{
    const auto start = values();
    plugin->undoDrumPreset(0);
    EXPECT_EQ(values(), start);
    writeFile(path("BD", "A.dpr").c_str(), content(0, 56, 0.1f));
    writeFile(path("BD", "B.dpr").c_str(), content(0, 56, 0.2f));
    writeFile(path("BD", "C.dpr").c_str(), "1\n0\n56\nbroken\n0.5\n");
    plugin->loadDrumPresetByIndex(0, find(0, "A"));
    const auto afterFirst = values();
    plugin->loadDrumPresetByIndex(0, find(0, "B"));
    plugin->loadDrumPresetByIndex(0, find(0, "C"));
    plugin->undoDrumPreset(0);
    EXPECT_EQ(values(), afterFirst);
    plugin->undoDrumPreset(0);
    EXPECT_EQ(values(), afterFirst);
}

TEST_F(DrumPresets, UndoPutsValuesBackWithoutReloadingTheProgram)
{
    constexpr int kReloadMark = 8192;
    plugin->loadDefaultDrumPreset(0);
    renderer->noteOn(36);
    renderer->render(1024);
    plugin->undoDrumPreset(0);
    EXPECT_FALSE(plugin->isProgramReloadPending());
    renderer->render(2 * kReloadMark);
    float energy = 0.0f;
    for (std::size_t i = kReloadMark + 64; i < kReloadMark + 4096; ++i)
        energy += renderer->left[i] * renderer->left[i];
    EXPECT_GT(energy, 0.0f) << "the note sounds on past the reload mark";
}

TEST_F(DrumPresets, MalformedFilesChangeNothing)
{
    const std::vector<std::string> files = {
        "", "1\n0\n", "1\n0\n56\n", "1\n0\n56\nName\n0.5\n0.5\n", "x\n0\n1\nName\n0.5\n",
        "1\nzero\n56\nName\n0.5\n", "1\n0\n-1\nName\n", "1\n0\n2\nName\nnan\n0.5\n", "1\n0\n2\nName\n0.5\ninf\n",
        "1\n0\n2\nName\n0.5\n0.5x\n", "1\n0\n99999999999\nName\n0.5\n"};
    writeFile(path("samples", "Short names.dpr").c_str(), content(7, 87, 0.0f, 100));
    const auto before = values();
    for (std::size_t i = 0; i < files.size(); ++i) {
        writeFile(path("BD", "bad.dpr").c_str(), files[i]);
        plugin->loadDrumPresetByIndex(0, find(0, "bad"));
        EXPECT_EQ(values(), before) << "file " << i;
    }
    plugin->loadDrumPresetByIndex(16, find(16, "Short names"));
    EXPECT_EQ(values(), before);
    EXPECT_EQ(notices(), std::vector<std::string>(files.size() + 1, kProblem));
}

TEST_F(DrumPresets, ToleratedFilesApplyWhatTheListHolds)
{
    writeFile(path("BD", "crlf.dpr").c_str(), content(0, 56, 0.0f, 0, "\r\n"));
    writeFile(path("BD", "long name.dpr").c_str(), std::string("5\n0\n1\n").append(5000, 'n').append(" more words\n0.75\n"));
    writeFile(path("BD", "few.dpr").c_str(), content(0, 3, 0.5f));
    writeFile(path("samples", "many.dpr").c_str(), content(7, 90, 0.0f, 128));
    plugin->loadDrumPresetByIndex(0, find(0, "crlf"));
    EXPECT_FLOAT_EQ(listed(0, 55), 56 / 1024.0f);
    plugin->loadDrumPresetByIndex(0, find(0, "long name"));
    EXPECT_EQ(std::tuple(listed(0, 0), listed(0, 1)), std::tuple(0.75f, 2 / 1024.0f));
    plugin->loadDrumPresetByIndex(0, find(0, "few"));
    EXPECT_EQ(std::tuple(listed(0, 2), listed(0, 3)), std::tuple(3 / 1024.0f + 0.5f, 4 / 1024.0f));
    plugin->loadDrumPresetByIndex(17, find(17, "many"));
    EXPECT_FLOAT_EQ(plugin->getParameter(6216 + 1), 1 / 1024.0f);
    // The three values past the list are skipped, so the names start with value 91.
    EXPECT_FLOAT_EQ(plugin->getParameter(kravo::param::sampleNameIndex(kravo::param::kLayerA, 1)), 91 / 1024.0f);
    EXPECT_FLOAT_EQ(plugin->getParameter(kravo::param::sampleNameIndex(kravo::param::kLayerB, 1) + 63), 218 / 1024.0f);
    EXPECT_TRUE(notices().empty());
}

TEST_F(DrumPresets, SavedPresetsReadBackExactlyForEveryKind)
{
    for (const char* folder : {"BD", "SN", "HH", "Clap", "Tom", "User", "samples"})
        makeFolder(path(folder, "").c_str());
    // Slot 10 in Tom mode, slot 11 in User mode.
    for (const int slot : {0, 3, 4, 7, 8, 10, 11, 15, 19}) {
        for (int i = 0; i < kNumParams; ++i)
            plugin->setParameter(i, std::ldexp(static_cast<float>((i * 2654435761u) % 16777216u), -24));
        plugin->setParameter(1770, 0.0f);
        plugin->setParameter(1771, 1.0f);
        for (int layer = 0; layer < 2; ++layer)
            plugin->setLayerEnabled(3, layer, false);
        const auto before = values();
        ASSERT_TRUE(plugin->saveDrumPreset(slot, std::string("Saved ").append(std::to_string(slot)))) << slot;
        plugin->loadDefaultDrumPreset(slot);
        ASSERT_NE(values(), before);
        plugin->loadDrumPresetByIndex(slot, find(slot, std::string("Saved ").append(std::to_string(slot))));
        auto after = values();
        for (int i = 0; i < kravo::param::kDrumPresetNameLength; ++i)
            after[9300 + 24 * slot + i] = before[9300 + 24 * slot + i];
        EXPECT_EQ(after, before) << "slot " << slot;
    }
    EXPECT_TRUE(notices().empty());
}

TEST_F(DrumPresets, RenamesAndDeletesInTheSlotsFolder)
{
    writeFile(path("Clap", "a.dpr").c_str(), content(4, 48));
    writeFile(path("Clap", "b.dpr").c_str(), content(4, 48));
    EXPECT_FALSE(plugin->renameDrumPreset(8, find(8, "a"), "b"));
    EXPECT_FALSE(plugin->renameDrumPreset(8, 0, "..\\x"));
    EXPECT_TRUE(plugin->renameDrumPreset(8, 0, "c"));
    EXPECT_EQ(std::tuple(plugin->getDrumPresetName(8, 0), plugin->getDrumPresetName(8, 1)), std::tuple(std::string("b"), std::string("c")));
    EXPECT_TRUE(plugin->deleteDrumPreset(9, 0));
    EXPECT_FALSE(plugin->deleteDrumPreset(9, 1));
    EXPECT_EQ(std::tuple(plugin->getDrumPresetCount(8), plugin->getDrumPresetName(8, 0)), std::tuple(1, std::string("c")));
    EXPECT_EQ(notices(), std::vector<std::string>(3, kProblem));
}

} // namespace
