#include "tests/editor/pattern_page_test.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using kravo::param::StepAttribute;

class PatternBrowser : public kravo::test::PatternPageTest {
protected:
    // Empty files are listed like any other: the list only looks at the names.
    void makeFiles(int count)
    {
        for (int n = 0; n < count; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "List%02d.pat", n);
            std::ofstream(platform::nativePath((std::string(kPatternFolder) + name).c_str()));
        }
        rescan();
    }
    void rescan()
    {
        plugin->scanPatternFolder();
        browser()->setDirty(true);
    }
    int first() const { return browser()->firstVisibleEntry(plugin->getPatternFileCount()); }
    std::vector<float> pattern0() const
    {
        std::vector<float> values;
        for (int a = 0; a < kravo::param::kStepAttributeCount; ++a)
            for (int t = 0; t < 4; ++t)
                for (int s = 0; s < 16; ++s)
                    values.push_back(plugin->getParameter(step(static_cast<StepAttribute>(a), 0, t, s)));
        return values;
    }
    // "Beat.pat" holds pattern 0 with every pitch at 0.25; pattern 0 itself then holds 0.75.
    void makeBeatFile()
    {
        for (int s = 0; s < 16; ++s)
            plugin->setParameter(step(StepAttribute::Pitch, 0, 1, s), 0.25f);
        savePattern(0, "Beat");
        for (int s = 0; s < 16; ++s)
            plugin->setParameter(step(StepAttribute::Pitch, 0, 1, s), 0.75f);
        plugin->patternBrowserToRoot();
        rescan();
    }
    // The list index of a name, -1 for none.
    int entryOf(const std::string& name) const
    {
        for (int n = 0; n < plugin->getPatternFileCount(); ++n)
            if (plugin->getPatternFileName(n) == name)
                return n;
        return -1;
    }
};

TEST_F(PatternBrowser, TheArrowsMoveTwoEntriesAndStopAtTheLastSeven)
{
    makeFiles(20);
    ASSERT_EQ(plugin->getPatternFileCount(), 20);
    EXPECT_EQ(first(), 0);
    click(kDownArrow.x, kDownArrow.y);
    EXPECT_EQ(first(), 2);
    click(kDownArrow.x, kDownArrow.y);
    EXPECT_EQ(first(), 4);
    for (int n = 0; n < 6; ++n)
        click(kDownArrow.x, kDownArrow.y);
    EXPECT_EQ(first(), 13);
    EXPECT_FLOAT_EQ(browser()->getScrollPosition(), 56.0f);
    click(kUpArrow.x, kUpArrow.y);
    EXPECT_EQ(first(), 11);

    // The thumb follows a drag and the list with it.
    drag(kDownArrow.x, kBrowser.y + 60, kDownArrow.x, kBrowser.y + 30);
    EXPECT_EQ(first(), 0);
    savePicture("pattern-browser");
}

TEST_F(PatternBrowser, SevenEntriesOrFewerNeverScroll)
{
    makeFiles(7);
    click(kDownArrow.x, kDownArrow.y);
    EXPECT_EQ(std::tuple(first(), browser()->getScrollPosition()), std::tuple(0, 0.0f));
    drag(kDownArrow.x, kBrowser.y + 40, kDownArrow.x, kBrowser.y + 70);
    EXPECT_GT(browser()->getScrollPosition(), 0.0f);
    EXPECT_EQ(first(), 0);
}

TEST_F(PatternBrowser, AClickHighlightsADoubleClickLoadsAndBelowTheRowsNothingHappens)
{
    makeBeatFile();
    const int beat = entryOf("Beat.pat");
    ASSERT_GE(beat, 0);
    const std::vector<float> before = pattern0();
    click(browserRowAt(beat).x, browserRowAt(beat).y);
    EXPECT_EQ(browser()->getSelectedEntry(), beat);
    EXPECT_EQ(plugin->getSelectedPatternFile(), "Beat.pat");
    EXPECT_EQ(pattern0(), before);

    // Below the seventh row nothing is listed, though the list runs on.
    makeFiles(10);
    const int selected = browser()->getSelectedEntry();
    click(browserRowAt(0).x, kBrowser.y + 130);
    EXPECT_EQ(browser()->getSelectedEntry(), selected);

    doubleClick(browserRowAt(beat));
    EXPECT_EQ(plugin->getParameter(step(StepAttribute::Pitch, 0, 1, 5)), 0.25f);
    EXPECT_EQ(plugin->getPatternName(0), "Beat");
}

TEST_F(PatternBrowser, TheRightButtonPlaysAFileWhileHeldAndPutsThePatternBack)
{
    for (int s = 0; s < 16; ++s)
        plugin->setParameter(step(StepAttribute::On, 0, 1, s), 1.0f);
    plugin->setParameter(kravo::param::trackTargetPadIndex(0, 1), 0.5f / 23.99f);
    plugin->setParameter(kravo::param::trackMuteIndex(0, 1), 0.0f);
    savePattern(0, "Beat");
    for (int s = 0; s < 16; ++s)
        plugin->setParameter(step(StepAttribute::On, 0, 1, s), 0.0f);
    savePattern(0, "Mine");
    makeFiles(3);
    const int beat = entryOf("Beat.pat");
    const int other = entryOf("List01.pat");
    click(browserRowAt(other).x, browserRowAt(other).y);
    const std::vector<float> before = pattern0();
    ASSERT_EQ(plugin->getPatternName(0), "Mine");

    float heard = 0.0f;
    float loadedStep = 0.0f;
    render();
    duringHostIdle() = [&] {
        heard = std::max(heard, render());
        loadedStep = plugin->getParameter(step(StepAttribute::On, 0, 1, 0));
    };
    rightClickHeld(browserRowAt(beat), 1500);
    duringHostIdle() = nullptr;
    EXPECT_EQ(loadedStep, 1.0f);
    EXPECT_GT(heard, 0.0f);
    EXPECT_EQ(pattern0(), before);
    EXPECT_EQ(plugin->getPatternName(0), "Mine");
    EXPECT_EQ(browser()->getSelectedEntry(), other);
}

TEST_F(PatternBrowser, UnderTheLockTheRightButtonOnlySelects)
{
    makeBeatFile();
    const int beat = entryOf("Beat.pat");
    plugin->setPatternLockMode(1);
    const std::vector<float> before = pattern0();
    rightClickHeld(browserRowAt(beat), 200);
    EXPECT_EQ(pattern0(), before);
    EXPECT_EQ(browser()->getSelectedEntry(), beat);
    EXPECT_EQ(plugin->getSelectedPatternFile(), "Beat.pat");
}

TEST_F(PatternBrowser, FoldersAreEnteredAndTheRootBandComesBack)
{
    std::filesystem::create_directories(platform::nativePath((std::string(kPatternFolder) + "My.Folder").c_str()));
    std::ofstream(platform::nativePath((std::string(kPatternFolder) + "My.Folder\\Inner.pat").c_str()));
    makeFiles(2);
    ASSERT_EQ(plugin->getPatternFileType(0), 1);
    EXPECT_EQ(PatternFileBrowser::shownName(1, "My.Folder"), "My.Folder");
    EXPECT_EQ(PatternFileBrowser::shownName(2, "Beat.pat"), "Beat");
    EXPECT_EQ(PatternFileBrowser::shownName(2, "v1.2.pat"), "v1.2");

    click(browserRowAt(0).x, browserRowAt(0).y, VK_RBUTTON);
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "My.Folder\\");
    EXPECT_EQ(browser()->getSelectedEntry(), -1);
    EXPECT_EQ(plugin->getSelectedPatternFile(), plugin->getPatternFileName(0));
    savePicture("pattern-browser-folder");
    click(kRootBand.x, kRootBand.y);
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "");
    EXPECT_EQ(plugin->getPatternFileCount(), 3);

    // A program change takes the browser back to the root without a highlight.
    click(browserRowAt(0).x, browserRowAt(0).y);
    click(browserRowAt(0).x, browserRowAt(0).y);
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "My.Folder\\");
    plugin->setPatternViewRefreshFlag(true);
    idle();
    EXPECT_EQ(plugin->getPatternBrowserFolder(), "");
    EXPECT_EQ(std::tuple(browser()->getSelectedEntry(), plugin->getSelectedPatternFile()), std::tuple(-1, std::string()));
}

} // namespace
