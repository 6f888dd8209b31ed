#include "platform/windows_paths.h"
#include "plugin/audio/audio_thread.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "tests/support/plugin_renderer.h"
#include "tests/support/sample_files.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using namespace kravo::test;
namespace fs = std::filesystem;

constexpr int kNameLength = kravo::param::kSampleNameLength;
int nameIndex(int slot, int layer)
{
    return kravo::param::sampleNameIndex(static_cast<kravo::param::SampleLayer>(layer), slot);
}

// The sample folder starts empty, before the plug-in is built: one built over an earlier test's files
// (the factory programs' samples) would open its browser in their folder.
struct EmptySampleFolder {
    EmptySampleFolder()
    {
        fs::remove_all(root());
        fs::create_directories(root());
    }
    static fs::path root() { return platform::nativePath("C:\\Kravo\\Samples\\"); }
};

class SampleBrowser : public ::testing::Test, protected EmptySampleFolder {
protected:
    static void sample(const std::string& name, std::size_t frames = 1000, std::int16_t value = 1000)
    {
        fs::create_directories((root() / name).parent_path());
        writeFile((root() / name).string(), wavBytes(std::vector<std::int16_t>(frames, value), 1, 44100));
    }
    // The list as "name/kind" entries.
    std::vector<std::string> listed(int slot = 0, int layer = 0)
    {
        plugin->listSampleFolder(slot, layer);
        std::vector<std::string> entries;
        for (int n = 0; n < plugin->getSampleFileCount(); ++n) {
            std::string entry = plugin->getSampleFileName(n);
            entry.append(1, '/').append(std::to_string(plugin->getSampleFileType(n)));
            entries.push_back(entry);
        }
        return entries;
    }
    int entry(const std::string& name)
    {
        for (int n = 0; n < plugin->getSampleFileCount(); ++n)
            if (plugin->getSampleFileName(n) == name)
                return n;
        return -1;
    }
    std::string storedName(int slot, int layer) { return plugin->getParamText(nameIndex(slot, layer), kNameLength, -1); }
    const SampleBuffer* layerBuffer(int slot, int layer) { return &plugin->getLayerSamples().buffer(layer + 2 * slot); }

    PluginRenderer renderer;
    APlugin* plugin = renderer.plugin.get();
};

TEST_F(SampleBrowser, ListsVisibleFoldersThenExactSampleEndingsAndAtMost1024Entries)
{
    for (const char* folder : {"Kicks", ".hidden", "x.aif"})
        fs::create_directories(root() / folder);
    for (const char* file : {"a.wav", "B.WAV", "c.aif", "d.aiff", "e.txt", ".f.wav", "g.Wav"})
        sample(file);
    sample(std::string(124, 'n') + ".wav"); // 128 characters: could not be named again once cut
    EXPECT_EQ(listed(), (std::vector<std::string>{"Kicks/1", "x.aif/1", "a.wav/2", "c.aif/2", "d.aiff/2"}));
    EXPECT_EQ(std::tuple(plugin->getSampleFileType(5), plugin->getSampleFileName(5), plugin->getSampleFileType(-1)),
              std::tuple(0, std::string(), 0));

    for (int i = 0; i < 1100; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "s%d.wav", i);
        writeFile((root() / name).string(), "");
    }
    EXPECT_EQ(listed().size(), 1024u);
    EXPECT_EQ(listed().front(), "Kicks/1");
}

TEST_F(SampleBrowser, EnteringAndGoingUpFollowTheFoldersAndAnOffLayerFollowsItsPartner)
{
    fs::create_directories(root() / "D" / "E");
    plugin->setLayerEnabled(1, 1, false);
    listed(1, 0);
    plugin->enterSampleFolder(1, 0, entry("D"));
    plugin->enterSampleFolder(1, 0, entry("E"));
    EXPECT_EQ(std::tuple(plugin->getLayerBrowseFolder(1, 0), plugin->getLayerBrowseFolder(1, 1)),
              std::tuple("D\\E\\", "D\\E\\"));
    for (const char* expected : {"D\\", "", ""}) {
        plugin->sampleFolderUp(1, 0);
        EXPECT_EQ(plugin->getLayerBrowseFolder(1, 0), expected);
    }
    EXPECT_EQ(listed(1, 0), std::vector<std::string>{"D/1"});
    plugin->enterSampleFolder(1, 0, 7); // no such entry
    EXPECT_EQ(plugin->getLayerBrowseFolder(1, 0), "");
}

TEST_F(SampleBrowser, TheSamplesRootListsTheRootAgainAndTakesAlongOnlyAPartnerThatIsOff)
{
    fs::create_directories(root() / "kit");
    sample("top.wav");
    for (const bool partnerOn : {false, true}) {
        plugin->setLayerEnabled(4, 1, partnerOn);
        listed(4, 1);
        plugin->enterSampleFolder(4, 1, entry("kit"));
        listed(4, 0);
        plugin->enterSampleFolder(4, 0, entry("kit"));
        EXPECT_EQ(plugin->getLayerBrowseFolder(4, 1), "kit\\");
        EXPECT_EQ(plugin->getSampleFileCount(), 0);
        plugin->sampleFolderToRoot(4, 0);
        EXPECT_EQ(plugin->getLayerBrowseFolder(4, 0), "");
        EXPECT_EQ(plugin->getLayerBrowseFolder(4, 1), partnerOn ? "kit\\" : "") << partnerOn;
        EXPECT_EQ(plugin->getSampleFileCount(), 2);
        plugin->sampleFolderToRoot(4, 1);
    }
    plugin->sampleFolderToRoot(8, 0); // no such slot
    plugin->sampleFolderToRoot(0, 2);
}

TEST_F(SampleBrowser, LoadingStoresTheRelativeNameAndLoopPointsAndRefusesWhatCouldNotBeReloaded)
{
    sample("D/snare.wav", 1000);
    writeFile((root() / "D" / "bad.wav").string(), "not a sample at all, yet long enough to be read");
    const std::string deep(60, 'q');
    sample(deep + "/k.wav");
    listed(2, 1);
    plugin->enterSampleFolder(2, 1, entry("D"));
    ASSERT_TRUE(plugin->loadSampleIntoLayer(2, 1, entry("snare.wav")));
    EXPECT_EQ(std::tuple(storedName(2, 1), plugin->isLayerEnabled(2, 1), plugin->getLayerSampleName(2, 1)),
              std::tuple("D\\snare.wav", true, "snare.wav"));
    EXPECT_EQ(std::tuple(plugin->getLayerLastFrame(2, 1), plugin->getLoopStart(2, 1), plugin->getLoopEnd(2, 1)),
              std::tuple(999.0f, 0.0f, 999.0f));

    plugin->sampleFolderUp(2, 1);
    plugin->enterSampleFolder(2, 1, entry(deep));
    EXPECT_FALSE(plugin->loadSampleIntoLayer(2, 1, entry("k.wav"))); // 65 characters
    EXPECT_EQ(std::tuple(storedName(2, 1), plugin->isLayerEnabled(2, 1)), std::tuple("D\\snare.wav", true));

    plugin->sampleFolderUp(2, 1);
    plugin->enterSampleFolder(2, 1, entry("D"));
    EXPECT_FALSE(plugin->loadSampleIntoLayer(2, 1, entry("bad.wav")));
    EXPECT_EQ(std::tuple(storedName(2, 1), plugin->isLayerEnabled(2, 1), plugin->getLayerSampleName(2, 1)),
              std::tuple("D\\snare.wav", false, "No Sample"));
}

TEST_F(SampleBrowser, TextsInParametersKeepSlashesAsBackslashesAndBytesAbove127)
{
    const std::string utf8 = "Dr\xC3\xBCm/\xC3\xA9t\xC3\xA9.wav";
    plugin->setParamText(nameIndex(0, 0), utf8, kNameLength, -1);
    EXPECT_EQ(storedName(0, 0), "Dr\xC3\xBCm\\\xC3\xA9t\xC3\xA9.wav");
    EXPECT_EQ(plugin->getParameter(nameIndex(0, 0) + 5), (92 + 0.5f) / 256);
    plugin->setParamText(nameIndex(0, 0), "abcdef", 4, 3); // program 3's stored values only
    EXPECT_EQ(std::tuple(plugin->getParamText(nameIndex(0, 0), 4, 3), storedName(0, 0).substr(0, 3)),
              std::tuple("abc", "Dr\xC3"));
}

// A name whose file cannot be read leaves the layer as its program stores it: on, holding no sample,
// silent until a later reload finds the file.
TEST_F(SampleBrowser, ReloadsKeepLayersWhoseFilesAreMissingAndReadOnlyWhenTheNameChanged)
{
    const int on = kravo::param::sampleLayerLayouts[kravo::param::kLayerA].on + 3;
    for (const auto& [name, loaded] : {std::tuple("gone.wav", false), {"", false}, {"here.wav", true}}) {
        sample("here.wav");
        plugin->setParamText(nameIndex(3, 0), name, kNameLength, -1);
        plugin->setLayerEnabled(3, 0, true);
        plugin->setParameter(kNumParams - 1, 0.5f); // reloads the program
        EXPECT_EQ(std::tuple(plugin->getParameter(on), layerBuffer(3, 0)->isLoaded()), std::tuple(1.0f, loaded))
            << name;
        EXPECT_EQ(plugin->getLayerSampleName(3, 0), loaded ? name : "No Sample") << name;
    }
    plugin->setParamText(nameIndex(3, 0), "late.wav", kNameLength, -1);
    plugin->setParameter(kNumParams - 1, 0.25f);
    EXPECT_FALSE(layerBuffer(3, 0)->isLoaded());
    sample("late.wav");
    plugin->setParameter(kNumParams - 1, 0.5f);
    EXPECT_TRUE(layerBuffer(3, 0)->isLoaded());

    // Written while a block renders, the reload reads no file until the main thread's next idle.
    plugin->setParamText(nameIndex(3, 0), "gone.wav", kNameLength, -1);
    {
        const kravo::RenderingBlockScope rendering;
        plugin->setParameter(kNumParams - 1, 0.25f);
    }
    EXPECT_TRUE(layerBuffer(3, 0)->isLoaded());
    plugin->dispatcher(plugEditIdle, 0, 0, nullptr, 0.0f);
    EXPECT_FALSE(layerBuffer(3, 0)->isLoaded());
    EXPECT_TRUE(plugin->isLayerEnabled(3, 0));

    sample("loop.wav");
    listed(0, 0);
    plugin->loadSampleIntoLayer(0, 0, entry("loop.wav"));
    plugin->setProgram(1);
    listed(0, 0);
    plugin->loadSampleIntoLayer(0, 0, entry("loop.wav"));
    const SampleBuffer* loaded = layerBuffer(0, 0);
    plugin->setProgram(0); // the same name: nothing is read
    EXPECT_EQ(std::tuple(layerBuffer(0, 0), plugin->isLayerEnabled(0, 0)), std::tuple(loaded, true));
    plugin->setParamText(nameIndex(0, 0), "here.wav", kNameLength, 1);
    plugin->setProgram(1);
    EXPECT_NE(layerBuffer(0, 0), loaded);
    EXPECT_EQ(std::tuple(plugin->getLayerSampleName(0, 0), plugin->isLayerEnabled(0, 0)), std::tuple("here.wav", true));
}

TEST_F(SampleBrowser, APreviewPlaysAloneToItsEndAndAClickWhileItPlaysIsIgnored)
{
    sample("loud.wav", 2000, 16384);
    sample("soft.wav", 2000, 4096);
    listed(0, 0);
    const float gain = std::pow(10.0f, (50.0f * plugin->getParameter(2) - 40.0f) / 20.0f) * 0.5f;
    plugin->previewSample(0, 0, entry("loud.wav"));
    plugin->previewSample(0, 0, entry("soft.wav"));
    EXPECT_TRUE(plugin->isPreviewPlaying());
    renderer.render(1024);
    EXPECT_NEAR(renderer.left[500], 0.5f * gain, 1e-5f);
    EXPECT_NEAR(renderer.right[1000], 0.5f * gain, 1e-5f);
    renderer.render(2048);
    EXPECT_FALSE(plugin->isPreviewPlaying());

    plugin->previewSample(0, 0, entry("soft.wav"));
    renderer.render(64);
    EXPECT_NEAR(renderer.left.back(), 0.125f * gain, 1e-5f);
    plugin->stopPreview();
    EXPECT_FALSE(plugin->isPreviewPlaying());
}

// Meant for the sanitizer build: previews started and stopped while the audio thread plays them.
TEST_F(SampleBrowser, TheAudioThreadNeverPlaysAPreviewBufferThatIsBeingReplaced)
{
    sample("a.wav", 300);
    sample("b.wav", 300);
    listed(0, 0);
    std::atomic<bool> done{false};
    std::thread audio([&] {
        float l[64];
        float r[64];
        float* outputs[2] = {l, r};
        while (!done.load())
            plugin->processReplacing(nullptr, outputs, 64);
    });
    for (int i = 0; i < 300; ++i) {
        plugin->previewSample(0, 0, i % 2);
        plugin->stopPreview();
    }
    done = true;
    audio.join();
}

} // namespace
