#include "tests/editor/sample_page_fixture.h"

#include "editor/controls/my_radio_button.h"
#include "plugin/samples/layer_samples.h"
#include "toolkit/draw_context.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

namespace {

using kravo::test::SamplePageTest;
using Toolkit::CRect;

class SampleBrowser : public SamplePageTest {
protected:
    static constexpr int kDownArrowY = 180;
    static constexpr int kUpArrowY = 20;
    static constexpr int kScrollColumnX = 190;

    // Files "s00.wav" up.
    static void samples(int count, const std::string& in = "")
    {
        for (int n = 0; n < count; ++n) {
            char name[16];
            std::snprintf(name, sizeof name, "s%02d.wav", n);
            sample(in + name);
        }
    }
    // At a point of the browser's own coordinates.
    void clickAt(int x, int y, int button = VK_LBUTTON)
    {
        const POINT at = inBrowser(x, y);
        click(at.x, at.y, button);
        idle();
    }
    void doubleClickAt(int x, int y)
    {
        const POINT at = inBrowser(x, y);
        script().move(kParentAt.x + at.x, kParentAt.y + at.y);
        for (int n = 0; n < 2; ++n) {
            script().press(VK_LBUTTON);
            script().wait(50);
            script().release(VK_LBUTTON);
            script().wait(50);
        }
        runScript();
        idle();
    }
    void clickLayer(int layer)
    {
        const POINT at = middleOf(editor->samplePage.layerButtons[static_cast<std::size_t>(layer)]);
        click(at.x, at.y);
        idle();
    }
    // The middle of row r of the list.
    static int rowY(int r) { return 38 + 13 * r + 6; }
    std::tuple<std::string, std::string> layerState(int slot, int layer)
    {
        return {plugin->getLayerSampleName(slot, layer), plugin->getLayerBrowseFolder(slot, layer)};
    }
    int firstShown() const { return browser()->firstVisibleEntry(plugin->getSampleFileCount()); }
};

TEST_F(SampleBrowser, TheArrowsScrollByTwoRowsAndTheThumbStandsInProportion)
{
    samples(30);
    selectVoice(16);
    clickAt(kScrollColumnX, kDownArrowY);
    EXPECT_EQ(firstShown(), 2);
    EXPECT_FLOAT_EQ(browser()->getScrollPosition(), 2.0f * 99.0f / 19.0f);
    for (int n = 0; n < 12; ++n)
        clickAt(kScrollColumnX, kDownArrowY);
    EXPECT_EQ(firstShown(), 19);
    EXPECT_FLOAT_EQ(browser()->getScrollPosition(), 99.0f);
    clickAt(kScrollColumnX, kUpArrowY);
    EXPECT_EQ(firstShown(), 17);
}

TEST_F(SampleBrowser, ElevenEntriesNeverScrollThoughTheThumbDrags)
{
    samples(11);
    selectVoice(16);
    clickAt(kScrollColumnX, kDownArrowY);
    EXPECT_EQ(browser()->getScrollPosition(), 0.0f);
    const POINT from = inBrowser(kScrollColumnX, 50);
    const POINT to = inBrowser(kScrollColumnX, 100);
    drag(from.x, from.y, to.x, to.y);
    EXPECT_EQ(browser()->getScrollPosition(), 100.0f - 31.0f);
    EXPECT_EQ(firstShown(), 0);
    // Past the track the thumb stops at its range.
    drag(to.x, to.y, to.x, to.y + 100);
    EXPECT_EQ(browser()->getScrollPosition(), 99.0f);
}

TEST_F(SampleBrowser, ADoubleClickLoadsAFileAndLineOneShowsItsNameWithoutExtension)
{
    sample("kick.wav");
    selectVoice(16);
    doubleClickAt(60, rowY(0));
    EXPECT_EQ(layerState(0, 0), std::tuple("kick.wav", ""));
    EXPECT_EQ(browser()->getSelectedEntry(), 0);

    // Line 1 as if the name had no extension.
    Toolkit::COffscreenContext drawn(editor->getFrame(), 220, 230, Toolkit::kWhiteColor);
    Toolkit::COffscreenContext expected(editor->getFrame(), 220, 230, Toolkit::kWhiteColor);
    browser()->draw(&drawn);
    expected.setFontColor(Toolkit::kBlackColor);
    expected.setFont(Toolkit::kArial9, 0, Toolkit::kBoldStyle);
    const CRect line(11 + 7, 11 + 7, 11 + 7 + 198 - 60, 11 + 7 + 13);
    expected.drawString("kick", line, false, Toolkit::kAlignLeft);
    int inked = 0;
    for (int y = line.top; y < line.bottom; ++y)
        for (int x = line.left; x < line.right; ++x) {
            const Toolkit::CColor pixel = drawn.getPoint({x, y});
            ASSERT_EQ(pixel, expected.getPoint({x, y})) << x << "," << y;
            inked += pixel.red < 128 ? 1 : 0;
        }
    EXPECT_GT(inked, 20);
}

TEST_F(SampleBrowser, TheCurrentFileIsSelectedAtTheNextDrawEvenWhenScrolledOutOfView)
{
    samples(30);
    plugin->listSampleFolder(0, 1);
    ASSERT_TRUE(plugin->loadSampleIntoLayer(0, 1, 25));
    selectVoice(16);
    EXPECT_EQ(browser()->getSelectedEntry(), -1); // the layer A is browsed: it has no file
    clickLayer(1);
    EXPECT_EQ(firstShown(), 0);
    EXPECT_EQ(browser()->getSelectedEntry(), 25);
    clickAt(60, rowY(3));
    EXPECT_EQ(browser()->getSelectedEntry(), 3);
}

TEST_F(SampleBrowser, AFolderNamedWithAnExtensionIsEnteredAndListedInFull)
{
    folder("kit.v2");
    samples(3, "kit.v2/");
    samples(30);
    selectVoice(16);
    clickAt(kScrollColumnX, kDownArrowY);
    EXPECT_EQ(firstShown(), 2); // 2 × 99 / 20 over 99 × 20 falls a hair short of 2 in floats
    doubleClickAt(60, rowY(0)); // entry 2 at the top: a file, loaded
    EXPECT_EQ(layerState(0, 0), std::tuple("s01.wav", ""));
    clickAt(kScrollColumnX, kUpArrowY);
    doubleClickAt(60, rowY(0));
    EXPECT_EQ(layerState(0, 0), std::tuple("s01.wav", "kit.v2\\"));
    EXPECT_EQ(plugin->getSampleFileCount(), 3);
    EXPECT_EQ(std::tuple(browser()->getScrollPosition(), browser()->getSelectedEntry()), std::tuple(0.0f, -1));
}

TEST_F(SampleBrowser, TheRightButtonAuditionsAFileUntilReleasedAndSelectsAFolder)
{
    folder("Kicks");
    sample("hit.wav");
    selectVoice(16);
    clickAt(60, rowY(1), VK_RBUTTON);
    EXPECT_GT(plugin->getLayerSamples().buffer(LayerSamples::kPreview).getLastFrame(), 0);
    EXPECT_FALSE(plugin->isPreviewPlaying());
    EXPECT_EQ(browser()->getSelectedEntry(), -1);
    EXPECT_EQ(layerState(0, 0), std::tuple("No Sample", ""));
    clickAt(60, rowY(0), VK_RBUTTON);
    EXPECT_EQ(browser()->getSelectedEntry(), 0);
    EXPECT_EQ(layerState(0, 0), std::tuple("No Sample", ""));
}

TEST_F(SampleBrowser, BelowTheLastRowNothingIsSelectedOrLoaded)
{
    samples(12);
    selectVoice(16);
    doubleClickAt(60, 183);
    EXPECT_EQ(browser()->getSelectedEntry(), -1);
    EXPECT_EQ(layerState(0, 0), std::tuple("No Sample", ""));
    doubleClickAt(60, 190); // the path line
    EXPECT_EQ(layerState(0, 0), std::tuple("No Sample", ""));
}

TEST_F(SampleBrowser, FolderUpClimbsOneLevelAndResetsScrollAndSelection)
{
    folder("kit/deeper");
    samples(30, "kit/");
    selectVoice(16);
    doubleClickAt(60, rowY(0));
    doubleClickAt(60, rowY(0));
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 0), "kit\\deeper\\");
    clickAt(20, 25);
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 0), "kit\\");
    clickAt(kScrollColumnX, kDownArrowY);
    clickAt(60, rowY(4));
    EXPECT_EQ(browser()->getSelectedEntry(), 6);
    clickAt(20, 25);
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 0), "");
    EXPECT_EQ(std::tuple(browser()->getScrollPosition(), browser()->getSelectedEntry()), std::tuple(0.0f, -1));
    EXPECT_EQ(plugin->getSampleFileCount(), 1);
}

TEST_F(SampleBrowser, AnUnreadableFileTurnsTheLayerOff)
{
    sample("good.wav");
    kravo::test::writeFile((root() / "bad.wav").string(), "not a sample");
    selectVoice(16);
    doubleClickAt(60, rowY(1));
    EXPECT_EQ(layerState(0, 0), std::tuple("good.wav", ""));
    doubleClickAt(60, rowY(0));
    EXPECT_FALSE(plugin->isLayerEnabled(0, 0));
    EXPECT_EQ(layerState(0, 0), std::tuple("No Sample", ""));
}

TEST_F(SampleBrowser, TheMenuButtonGoesBackToTheSamplesRootAndListsAgain)
{
    folder("kit");
    sample("top.wav");
    selectVoice(16);
    plugin->setLayerEnabled(0, 1, false);
    doubleClickAt(60, rowY(0));
    EXPECT_EQ(layerState(0, 1), std::tuple("No Sample", "kit\\"));
    choosePopup({"Samples Root"});
    clickAt(180, 7);
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 0), "");
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 1), "");
    EXPECT_EQ(plugin->getSampleFileCount(), 2);

    plugin->setLayerEnabled(0, 1, true);
    doubleClickAt(60, rowY(0));
    clickLayer(1);
    doubleClickAt(60, rowY(0));
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 1), "kit\\");
    clickLayer(0);
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 0), "kit\\");
    choosePopup({"Samples Root"});
    clickAt(180, 7);
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 0), "");
    EXPECT_EQ(plugin->getLayerBrowseFolder(0, 1), "kit\\");

    sample("later.wav");
    EXPECT_EQ(plugin->getSampleFileCount(), 2);
    choosePopup({"Refresh"});
    clickAt(180, 7);
    EXPECT_EQ(plugin->getSampleFileCount(), 3);
}

} // namespace
