#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/text_field_parameters.h"
#include "tests/plugin/support/user_files_fixture.h"
#include "tests/support/plugin_renderer.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kravo::test;

constexpr const char* kPatterns = "C:\\Morvane\\Kravo\\Patterns\\";

class PatternBrowser : public UserFilesTest {
protected:
    void SetUp() override
    {
        UserFilesTest::SetUp();
        renderer = std::make_unique<PluginRenderer>();
        plugin = renderer->plugin.get();
    }
    static std::string path(const std::string& name) { return std::string(kPatterns) + name; }
    static void pattern(const std::string& name, float value)
    {
        std::string text;
        for (int k = 0; k < 475; ++k)
            text += std::to_string(value) + "\n";
        writeFile(path(name).c_str(), text);
    }
    // The list as "name/kind" entries.
    std::vector<std::string> listed()
    {
        plugin->scanPatternFolder();
        std::vector<std::string> entries;
        for (int n = 0; n < plugin->getPatternFileCount(); ++n) {
            std::string entry = plugin->getPatternFileName(n);
            entries.push_back(entry.append(1, '/').append(std::to_string(plugin->getPatternFileType(n))));
        }
        return entries;
    }
    std::vector<float> values() const { return renderer->values(); }

    std::unique_ptr<PluginRenderer> renderer;
    APlugin* plugin = nullptr;
};

TEST_F(PatternBrowser, ListsVisibleFoldersThenExactPatternEndings)
{
    pattern("b.pat", 0.1f);
    pattern("C.PAT", 0.1f);
    pattern(".hidden.pat", 0.1f);
    pattern("notes.txt", 0.1f);
    pattern(std::string(128, 'n') + ".pat", 0.1f); // too long for an entry
    makeFolder(path("Funk").c_str());
    makeFolder(path(".git").c_str());
    EXPECT_EQ(listed(), (std::vector<std::string>{"Funk/1", "b.pat/2"}));
}

TEST_F(PatternBrowser, HoldsAtMost1024EntriesWithTheFoldersFirst)
{
    for (int n = 0; n < 1400; ++n)
        writeFile(path(std::to_string(n).append(".pat")).c_str(), "");
    for (int n = 0; n < 100; ++n)
        makeFolder(path(std::to_string(n).append("d")).c_str());
    const auto entries = listed();
    ASSERT_EQ(entries.size(), 1024u);
    for (std::size_t n = 0; n < entries.size(); ++n)
        EXPECT_EQ(entries[n].back(), n < 100 ? '1' : '2') << n;
}

TEST_F(PatternBrowser, EnteringAFolderAndGoingBackToTheRootAndLoadingFollowTheFolders)
{
    pattern("Funk\\Deep\\Groove.pat", 0.25f);
    pattern("Top.pat", 0.75f);
    listed();
    plugin->enterPatternFolder(0);
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "Funk\\");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Deep/1"}));
    plugin->enterPatternFolder(0);
    plugin->selectPatternFile(0);
    plugin->loadSelectedPatternFile(3);
    EXPECT_EQ(plugin->getParameter(kravo::param::patternSwing[3]), 0.25f);
    EXPECT_EQ(plugin->getPatternName(3), "Funk\\Deep\\Groove");

    plugin->handlePatternMenu(17, 0, 0);
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "");
    EXPECT_EQ(plugin->getSelectedPatternFile(), "");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Funk/1", "Top.pat/2"}));
    plugin->enterPatternFolder(1); // a file is not entered
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "");

    // The load dialog's nested folder is what the browser lists next.
    platform::scriptOpenFileAnswer(path("Funk\\Deep\\Groove.pat"));
    plugin->handlePatternMenu(14, 0, 0);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Groove.pat/2"}));
}

TEST_F(PatternBrowser, AnAuditionLeavesPatternDataAndNamesBitIdentical)
{
    pattern("Audition.pat", 0.6f);
    plugin->setParameter(kravo::param::patternSwing[2], 0.1f + 1e-7f);
    plugin->setParamText(kravo::param::patternNameIndex(2), "Mine.pat", kravo::param::kPatternNameLength, -1);
    const auto before = values();
    listed();
    plugin->selectPatternFile(0);
    plugin->handlePatternMenu(13, 2, 0);
    plugin->loadSelectedPatternFile(2);
    plugin->startPatternFromEditor(2);
    renderer->render(4096);
    EXPECT_EQ(plugin->getParameter(kravo::param::patternSwing[2]), 0.6f);
    plugin->stopPattern(2);
    plugin->handlePatternMenu(12, 2, 0);
    EXPECT_EQ(values(), before);
    EXPECT_EQ(plugin->getPatternName(2), "Mine");
}

} // namespace
