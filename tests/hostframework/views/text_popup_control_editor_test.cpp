#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/overlay_clip_list.h"
#include "hostframework/views/text_popup_control_editor.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "hostlibs/extension/host_menus.h"
#include "hostlibs/extension/host_text.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/control_process_test.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using kravo::test::ControlProcessTest;
using kravo::test::StepControl;

constexpr COLORREF kMenuBack = RGB(0xF5, 0xF7, 0xFB);
constexpr COLORREF kBlackPixel = RGB(0, 0, 0);

// A control of labelled steps: the text of a value is its step's label cut to the length asked for, and
// every length asked for is kept. It can answer its whole label whatever the length, or fail for one
// step. Its default is step 0.
class LabelControl : public StepControl {
public:
    LabelControl(std::uint32_t id, std::vector<std::string> labels, std::int32_t step)
        : StepControl(id, "Labels", INT32_MIN, static_cast<std::int32_t>(labels.size()), INT32_MIN),
          labels(std::move(labels))
    {
        SetHostValue(discreteToHostValue(step, 0, steps - 1));
    }

    void GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue) override
    {
        asked.push_back(maxLength);
        const std::int32_t shown = hostValueToDiscrete(hostValue, 0, steps - 1);
        if (shown == failingStep)
            throw CHostError(kHostErrUnexpected);
        std::string label = labels[static_cast<std::size_t>(shown)];
        if (!wholeLabels)
            label.resize(std::min(label.size(), static_cast<std::size_t>(std::max(maxLength, 0))));
        std::memcpy(text, label.data(), label.size());
        text[label.size()] = '\0';
    }

    std::int32_t step() const { return hostValueToDiscrete(GetHostValue(), 0, steps - 1); }

    std::vector<std::string> labels;
    std::vector<std::int32_t> asked;
    bool wholeLabels = false;
    std::int32_t failingStep = -1;
};

std::vector<std::string> numbered(const std::string& stem, int count)
{
    std::vector<std::string> labels;
    for (int n = 1; n <= count; ++n)
        labels.push_back(stem + std::to_string(n));
    return labels;
}

// The pixels of the picture's block that are not the background.
int ink(const platform::Image& picture, int top, int left, int bottom, int right, COLORREF background = kMenuBack)
{
    int count = 0;
    for (int v = top; v < bottom; ++v)
        for (int h = left; h < right; ++h)
            if (picture.at(h, v) != background)
                ++count;
    return count;
}

// A text pop-up that logs each scroll: its step, whether it paused, the ticks it took and the flags after.
struct ScrollStep {
    std::int16_t dh;
    std::int16_t dv;
    bool pause;
    std::uint32_t ticks;
    std::int16_t flags;
};
std::vector<ScrollStep> scrolls;

class ScrollLoggingPopup : public CTextPopupControlEditor {
public:
    void ScrollMenu(std::int16_t dh, std::int16_t dv, bool pause) override
    {
        const std::uint32_t before = HostExtTickCount();
        CTextPopupControlEditor::ScrollMenu(dh, dv, pause);
        scrolls.push_back({dh, dv, pause, HostExtTickCount() - before, GetMenuLayout().flags});
    }
};

CCustomView* newScrollLoggingPopup()
{
    return new ScrollLoggingPopup;
}

class TextPopups : public ControlProcessTest {
protected:
    void SetUp() override
    {
        ControlProcessTest::SetUp();
        registerViewCreator("ScrollLoggingPopup", &newScrollLoggingPopup);
        scrolls.clear();
    }

    // A root with a pop-up 'pop1' of the control 'lab1' at (10, 70), 80 × 16, and one of each further control
    // 'lab2'… right of it, each control with its labels and step. The controls join the process, which binds them
    // with its port.
    void build(const std::vector<std::pair<std::vector<std::string>, int>>& controls,
               const std::string& creator = "TextPopup", int width = 80)
    {
        std::vector<std::string> texts;
        for (std::size_t n = 0; n < controls.size(); ++n) {
            const std::string number = std::to_string(n + 1);
            texts.push_back((n == 0 ? "10,70," + std::to_string(width) : "100,70,80") + ",16:!" +
                            (n == 0 ? creator : "TextPopup") + "[('pop" + number + "')('lab" + number + "')]");
        }
        makeProcess(texts);
        for (std::size_t n = 0; n < controls.size(); ++n) {
            auto* control = new LabelControl(FourCharCode("lab1") + static_cast<std::uint32_t>(n), controls[n].first,
                                             controls[n].second);
            process->AddControl(control);
            labelControls.push_back(control);
        }
        port = attachPort();
        setsBefore = process->GetChangeCountValue();
    }

    CTextPopupControlEditor& editor(int number = 1)
    {
        const std::uint32_t id = FourCharCode("pop0") + static_cast<std::uint32_t>(number);
        auto* found = dynamic_cast<CTextPopupControlEditor*>(process->GetRootView()->FindSubViewByID(id));
        EXPECT_NE(found, nullptr);
        return *found;
    }

    // How often the process's controls were set since the process was built.
    std::int32_t sets() const { return process->GetChangeCountValue() - setsBefore; }

    LabelControl& label(int number = 1) { return *labelControls[static_cast<std::size_t>(number - 1)]; }

    // A press at the point of the root, held along the path and released at its end.
    void popUpAt(int h, int v, std::vector<std::pair<int, int>> path = {}, DWORD stepMs = 5)
    {
        path.insert(path.begin(), {h, v});
        scriptDrag(path, stepMs);
        click(*process->GetRootView(), static_cast<std::int16_t>(h), static_cast<std::int16_t>(v));
        EXPECT_TRUE(script().finished());
    }

    // The height of an item and the width of a text in bold, in the pop-up's font at the size.
    std::int16_t itemHeight(std::int16_t size = 9)
    {
        const HostPort caller = HostExtGetPort();
        offscreen();
        HostExtTextFont(3);
        HostExtTextSize(size);
        HostFontInfo info{};
        HostExtGetFontInfo(&info);
        HostExtSetPort(caller);
        return static_cast<std::int16_t>(info.ascent + info.descent + 4);
    }

    int boldWidth(const std::string& text, std::int16_t size = 9)
    {
        const HostPort caller = HostExtGetPort();
        offscreen();
        HostExtTextFont(3);
        HostExtTextSize(size);
        HostExtTextFace(1);
        const int width = HostExtTextWidth(text.c_str(), 0, static_cast<std::int16_t>(text.size()));
        HostExtSetPort(caller);
        return width;
    }

    // The editor's plate as the view port shows it now.
    platform::Image plate(int left)
    {
        const platform::Image whole = pictureOf(port);
        platform::Image part(80, 16, 0);
        for (int v = 0; v < 16; ++v)
            for (int h = 0; h < 80; ++h)
                part.set(h, v, whole.at(left + h, 70 + v));
        return part;
    }

    void expectPopUpOver()
    {
        EXPECT_EQ(HostExtGetSystemFontFamily(), 0);
        EXPECT_EQ(HostExtGetSystemFontSize(), 12);
        EXPECT_EQ(HostExtGetMenuHandle(1000), nullptr);
        EXPECT_EQ(COverlayClipList::Get().GetPort(), nullptr);
        EXPECT_EQ(COverlayClipList::Get().GetCount(), 0);
        EXPECT_FALSE(editor().IsHighlighted());
        EXPECT_EQ(platform::windowCount(), 0u);
    }

    std::vector<LabelControl*> labelControls;
    HostPort port = nullptr;
    std::int32_t setsBefore = 0;
};

TEST_F(TextPopups, TheMenuOpensRightOfTheClickWithTheCurrentItemsTwoThirdsPointThere)
{
    const std::vector<std::string> labels = {"Alpha", "Beta", "Gamma", "Delta", "Epsilon"};
    build({{labels, 2}});
    EXPECT_EQ(editor().GetShownStep(), 2);
    label().asked.clear();
    popUpAt(40, 78);

    const std::int16_t height = itemHeight();
    EXPECT_EQ(editor().GetItemHeight(), height);
    int widest = 0;
    for (const std::string& text : labels)
        widest = std::max(widest, boldWidth(text));
    // Measured by the host before it pops the menu up, and again when it does.
    std::int16_t width = 0;
    std::int16_t menuHeight = 0;
    HostExtGetMenuSize(editor().GetMenu(), &width, &menuHeight);
    EXPECT_EQ(width, widest + 14);
    EXPECT_EQ(menuHeight, 5 * height);

    const auto pictures = hostext::menuPictures();
    ASSERT_EQ(pictures.size(), 1u);
    const HostRect& shown = pictures[0].rect;
    EXPECT_EQ(pictures[0].menuID, 1000);
    EXPECT_EQ(shown.left, 50);
    EXPECT_EQ(shown.right, 50 + 2 + widest + 14);
    EXPECT_EQ(shown.top, 78 - (2 * height + height * 2 / 3));
    EXPECT_EQ(shown.bottom, shown.top + 5 * height);
    EXPECT_EQ(editor().GetMenuLayout().flags, 0);
    // Each item's text is asked for whole: the plate and the items fit.
    EXPECT_TRUE(std::all_of(label().asked.begin(), label().asked.end(), [](std::int32_t n) { return n == 255; }));

    // Released off the menu: nothing is set, and the pop-up leaves nothing behind.
    EXPECT_EQ(sets(), 0);
    EXPECT_EQ(label().step(), 2);
    expectPopUpOver();
    EXPECT_EQ(HostExtGetSystemFontThird(), -1);
}

TEST_F(TextPopups, TheCurrentItemIsBold)
{
    build({{{"Same", "Same", "Same"}, 1}});
    popUpAt(40, 78);
    const auto pictures = hostext::menuPictures();
    ASSERT_EQ(pictures.size(), 1u);
    const platform::Image& picture = pictures[0].picture;
    const int height = editor().GetItemHeight();
    const int right = picture.width();
    const int first = ink(picture, 0, 0, height, right);
    EXPECT_GT(first, 0);
    EXPECT_GT(ink(picture, height, 0, 2 * height, right), first);
    EXPECT_EQ(ink(picture, 2 * height, 0, 3 * height, right), first);
}

TEST_F(TextPopups, ChoosingAnotherStepSetsItAndThePlateShowsItsText)
{
    const std::vector<std::string> labels = {"Alpha", "Beta", "Gamma", "Delta", "Epsilon"};
    build({{labels, 2}, {labels, 4}});
    const platform::Image chosenPlate = plate(100);
    EXPECT_NE(plate(10), chosenPlate);

    const std::int16_t height = itemHeight();
    const int top = 78 - (2 * height + height * 2 / 3);
    // Down the menu to the middle of the last item and released there.
    popUpAt(40, 78, {{60, 78}, {60, top + 3 * height}, {60, top + 4 * height + height / 2}});
    EXPECT_EQ(sets(), 1);
    EXPECT_EQ(label().step(), 4);
    EXPECT_EQ(editor().GetShownStep(), 4);
    EXPECT_EQ(plate(10), chosenPlate);
    expectPopUpOver();

    // The menu showed the last item highlighted, white on black, at the release.
    const platform::Image picture = hostext::menuPictures().back().picture;
    EXPECT_EQ(picture.at(1, 4 * height + 1), kBlackPixel);
    EXPECT_EQ(picture.at(1, 3 * height + 1), kMenuBack);
}

TEST_F(TextPopups, ChoosingTheCurrentItemOrNoneSetsNothing)
{
    build({{numbered("Item ", 4), 1}});
    const std::int16_t height = itemHeight();
    const int top = 78 - (height + height * 2 / 3);
    popUpAt(40, 78, {{60, top + height + 2}});
    popUpAt(40, 78, {{60, top + 3 * height + 2}, {300, 78}});
    EXPECT_EQ(hostext::menuPictures().size(), 2u);
    EXPECT_EQ(sets(), 0);
    EXPECT_EQ(label().step(), 1);
    expectPopUpOver();
}

TEST_F(TextPopups, AnOptionClickSetsTheDefaultAndPopsNothingUp)
{
    build({{numbered("Item ", 4), 3}});
    scriptDrag({{40, 78}});
    click(*process->GetRootView(), 40, 78, 0, kHostOptionKeyModifier);
    runScript();
    EXPECT_TRUE(hostext::menuPictures().empty());
    EXPECT_EQ(label().step(), 0);
    EXPECT_FALSE(editor().IsHighlighted());
}

TEST_F(TextPopups, AClickWithoutTheButtonHeldPopsNothingUp)
{
    build({{numbered("Item ", 4), 3}});
    click(*process->GetRootView(), 40, 78);
    EXPECT_TRUE(hostext::menuPictures().empty());
    EXPECT_FALSE(editor().IsHighlighted());
}

TEST_F(TextPopups, ATextTooWideForThePlateIsAskedForAgainShorterDownToOneCharacter)
{
    build({{{"WWWWWWWW"}, 0}}, "TextPopup", 12);
    label().asked.clear();
    editor().Draw(nullptr);
    EXPECT_EQ(label().asked, (std::vector<std::int32_t>{255, 7, 6, 5, 4, 3, 2, 1}));

    // A control that answers more than it is asked for is held to the length asked for: the asking ends.
    label().wholeLabels = true;
    label().asked.clear();
    editor().Draw(nullptr);
    EXPECT_EQ(label().asked, (std::vector<std::int32_t>{255, 7, 6, 5, 4, 3, 2, 1}));
}

TEST_F(TextPopups, ATextThatFitsIsAskedForOnceAndAnUnboundEditorShowsNone)
{
    build({{{"W"}, 0}});
    label().asked.clear();
    editor().Draw(nullptr);
    EXPECT_EQ(label().asked, (std::vector<std::int32_t>{255}));

    // Unbound, the items have no text: the menu is one empty item.
    process->SetViewPort(nullptr);
    auto* root = process->GetRootView();
    root->Disconnect();
    EXPECT_EQ(editor().GetControlView(), nullptr);
    HostExtCalcMenuSize(editor().GetMenu());
    std::int16_t width = 0;
    std::int16_t height = 0;
    HostExtGetMenuSize(editor().GetMenu(), &width, &height);
    EXPECT_EQ(width, 14);
    EXPECT_EQ(height, itemHeight(12));
}

TEST_F(TextPopups, SizeMeasuresInTheCurrentFontAndKindAnswersTheTextKind)
{
    const std::vector<std::string> labels = {"One", "Twenty-two", "Three"};
    build({{labels, 0}});
    HostMenu menu = editor().GetMenu();
    EXPECT_EQ(HostExtGetMenuReference(menu), reinterpret_cast<std::intptr_t>(&editor()));
    EXPECT_EQ(HostExtGetMenuID(menu), 1000);
    // The toolbox measures in the system font, 12 points at the start.
    HostExtCalcMenuSize(menu);
    std::int16_t width = 0;
    std::int16_t height = 0;
    HostExtGetMenuSize(menu, &width, &height);
    EXPECT_EQ(width, boldWidth("Twenty-two", 12) + 14);
    EXPECT_EQ(height, 3 * itemHeight(12));

    HostRect rect{};
    HostMenuItemRecord item{0, 0};
    EXPECT_EQ(CTextPopupControlEditor::MenuDefinition(7, menu, &rect, {0, 0}, &item), 0x7473);
    EXPECT_EQ(CTextPopupControlEditor::MenuDefinition(42, menu, &rect, {0, 0}, &item), 0);
    // A menu without an editor is left alone.
    HostMenu stranger = HostExtNewCustomMenu(1000, &CTextPopupControlEditor::MenuDefinition);
    EXPECT_EQ(CTextPopupControlEditor::MenuDefinition(7, stranger, &rect, {0, 0}, &item), 0);
    HostExtDisposeMenu(stranger);
}

// Placing runs on the screen kept from the first pop-up: 640 × 240 here, 5 pixels in from its edges.
class TextPopupPlacing : public TextPopups {
protected:
    void SetUp() override
    {
        TextPopups::SetUp();
        hostext::useTestScreens({0, 0, 240, 640}, {0, 640, 480, 1280});
    }

    // Measured by the toolbox in the editor's font, as a pop-up is, and placed for the click.
    HostRect place(int h, int v)
    {
        HostMenu menu = editor().GetMenu();
        HostExtSetSystemFontFamily(3);
        HostExtSetSystemFontSize(9);
        HostExtCalcMenuSize(menu);
        HostRect rect{};
        HostMenuItemRecord item{0, 0};
        CTextPopupControlEditor::MenuDefinition(kHostMenuPlace, menu, &rect,
                                                {static_cast<std::int16_t>(v), static_cast<std::int16_t>(h)}, &item);
        return rect;
    }
};

TEST_F(TextPopupPlacing, AMenuThatFitsIsMovedOntoTheScreen)
{
    build({{numbered("Item ", 5), 2}});
    const HostRect shown = place(630, 230);
    const SPopUpMenuLayout& layout = editor().GetMenuLayout();
    EXPECT_EQ(shown.right, 635);
    EXPECT_EQ(shown.bottom, 235);
    EXPECT_EQ(shown.top, layout.menu.top);
    EXPECT_EQ(layout.menu.bottom, 235);
    EXPECT_EQ(layout.flags, 0);
    EXPECT_EQ(layout.inner.top, shown.top);

    // Clicked left of the screen near its top, it comes down and right.
    const HostRect corner = place(-40, 10);
    EXPECT_EQ(corner.left, 5);
    EXPECT_EQ(corner.top, 5);
}

TEST_F(TextPopupPlacing, AClickBelowWhatShowsPutsTheMenu12PixelsAboveIt)
{
    build({{numbered("Item ", 5), 4}});
    // Pulled up into the screen, the menu ends at 235, above the click at 238: both move up by 3 + 12.
    const HostRect shown = place(300, 238);
    EXPECT_EQ(shown.bottom, 220);
    EXPECT_EQ(editor().GetMenuLayout().menu.bottom, 220);
    EXPECT_EQ(editor().GetMenuLayout().flags, 0);
}

TEST_F(TextPopupPlacing, ATallMenuClickedLowComesUpAQuarterOfTheScreenWithABottomStrip)
{
    build({{numbered("Step ", 20), 0}});
    const std::int16_t height = itemHeight();
    const HostRect shown = place(40, 220);
    const SPopUpMenuLayout& layout = editor().GetMenuLayout();
    const int top = 220 - height * 2 / 3 - 230 / 4;
    EXPECT_EQ(layout.menu.top, top);
    EXPECT_EQ(layout.menu.bottom, top + 20 * height);
    EXPECT_EQ(shown.top, top);
    EXPECT_EQ(shown.bottom, 235);
    EXPECT_EQ(layout.flags, SPopUpMenuLayout::kBottomCut);
    EXPECT_EQ(layout.inner.bottom, 223);
}

TEST_F(TextPopupPlacing, ATallMenuScrolls16PixelsAt10TicksApartWhileTheMouseIsOnTheStrip)
{
    build({{numbered("Step ", 20), 0}}, "ScrollLoggingPopup");
    const std::int16_t height = itemHeight();
    const int top = 78 - height * 2 / 3;
    const int hidden = top + 20 * height - 235;
    ASSERT_GT(hidden, 32);

    // Opened and released off the menu: a bottom strip with its arrow, and no scrolling.
    popUpAt(40, 78);
    ASSERT_EQ(hostext::menuPictures().size(), 1u);
    {
        const hostext::MenuPicture first = hostext::menuPictures()[0];
        EXPECT_EQ(first.rect.top, top);
        EXPECT_EQ(first.rect.bottom, 235);
        EXPECT_EQ(editor().GetMenuLayout().flags, SPopUpMenuLayout::kBottomCut);
        const int middle = first.picture.width() / 2;
        const int bottom = first.picture.height();
        EXPECT_EQ(first.picture.at(middle, bottom - 5), kBlackPixel);
        EXPECT_EQ(first.picture.at(1, bottom - 5), kMenuBack);
    }
    EXPECT_TRUE(scrolls.empty());

    // Held on the strip long enough for every step, then released off the menu: nothing is chosen.
    popUpAt(40, 78, {{60, 229}, {300, 229}}, 300);
    const int steps = (hidden + 15) / 16;
    ASSERT_EQ(scrolls.size(), static_cast<std::size_t>(steps));
    for (int n = 0; n < steps; ++n) {
        EXPECT_EQ(scrolls[n].dh, 0);
        EXPECT_EQ(scrolls[n].dv, n + 1 < steps ? -16 : -(hidden - 16 * (steps - 1)));
        EXPECT_TRUE(scrolls[n].pause);
        EXPECT_EQ(scrolls[n].ticks, 10u);
    }
    EXPECT_EQ(scrolls.front().flags, SPopUpMenuLayout::kTopCut | SPopUpMenuLayout::kBottomCut);
    EXPECT_EQ(scrolls.back().flags, SPopUpMenuLayout::kTopCut);
    const SPopUpMenuLayout& layout = editor().GetMenuLayout();
    EXPECT_EQ(layout.menu.bottom, 235);
    EXPECT_EQ(sets(), 0);

    // The arrow is at the top now, and the last item's text shows where the bottom strip was.
    const platform::Image picture = hostext::menuPictures().back().picture;
    const int middle = picture.width() / 2;
    EXPECT_EQ(picture.at(middle, 5), kBlackPixel);
    EXPECT_GT(ink(picture, picture.height() - height, 0, picture.height(), middle - 7), 0);
    expectPopUpOver();
}

TEST_F(TextPopupPlacing, AMouseBeyondTheStripScrollsWithoutThePause)
{
    build({{numbered("Step ", 20), 0}}, "ScrollLoggingPopup");
    // Below the pop-up, on the screen's last rows.
    popUpAt(40, 78, {{60, 238}, {60, 238}}, 60);
    ASSERT_FALSE(scrolls.empty());
    EXPECT_FALSE(scrolls.front().pause);
    EXPECT_EQ(scrolls.front().ticks, 0u);
    EXPECT_EQ(scrolls.front().dv, -16);
    // Off the screen's side nothing scrolls.
    scrolls.clear();
    popUpAt(40, 78, {{700, 229}}, 60);
    EXPECT_TRUE(scrolls.empty());
}

TEST_F(TextPopupPlacing, FindAndHighlightWorkOnItemsThatShowWhole)
{
    build({{numbered("Step ", 20), 0}});
    const HostRect shown = place(40, 18);
    const std::int16_t height = editor().GetItemHeight();
    HostMenu menu = editor().GetMenu();
    HostPort popUpPort = offscreen(shown);
    HostRect rect = shown;
    HostMenuItemRecord item{0, 0};
    const std::int16_t top = editor().GetMenuLayout().menu.top;
    // Item 3 under the point: both fields take it.
    const HostPoint third{static_cast<std::int16_t>(top + 2 * height + 1), static_cast<std::int16_t>(shown.left + 5)};
    CTextPopupControlEditor::MenuDefinition(10, menu, &rect, third, &item);
    EXPECT_EQ(item.item, 3);
    EXPECT_EQ(item.previous, 3);
    // Off the menu, none.
    CTextPopupControlEditor::MenuDefinition(10, menu, &rect, {third.v, 30}, &item);
    EXPECT_EQ(item.item, 0);

    // Highlighting item 3 after item 2: 3 white on black, 2 plain.
    item = {3, 2};
    CTextPopupControlEditor::MenuDefinition(11, menu, &rect, third, &item);
    const platform::Image picture = pictureOf(popUpPort);
    EXPECT_EQ(picture.at(1, 2 * height + 1), kBlackPixel);
    EXPECT_EQ(picture.at(1, height + 1), kMenuBack);
    // An item under the bottom strip does not show whole: it is neither found nor highlighted.
    const HostPoint underStrip{static_cast<std::int16_t>(shown.bottom - 3), third.h};
    CTextPopupControlEditor::MenuDefinition(10, menu, &rect, underStrip, &item);
    EXPECT_EQ(item.item, 0);
    HostExtSetPort(nullptr);
}

TEST_F(TextPopups, AnItemHeightOfZeroFindsNoItem)
{
    build({{numbered("Step ", 3), 0}});
    HostMenu menu = editor().GetMenu();
    // The host gave the menu a size that was never measured: no item has a height.
    HostExtSetMenuSize(menu, 50, 60);
    HostRect rect{};
    HostMenuItemRecord item{2, 1};
    CTextPopupControlEditor::MenuDefinition(kHostMenuPlace, menu, &rect, {100, 100}, &item);
    ASSERT_EQ(editor().GetItemHeight(), 0);
    offscreen(rect);
    const HostPoint inside{static_cast<std::int16_t>(rect.top + 10), static_cast<std::int16_t>(rect.left + 10)};
    CTextPopupControlEditor::MenuDefinition(kHostMenuChoose, menu, &rect, inside, &item);
    EXPECT_EQ(item.item, 0);
    item = {2, 1};
    CTextPopupControlEditor::MenuDefinition(10, menu, &rect, inside, &item);
    EXPECT_EQ(item.item, 0);
    EXPECT_EQ(item.previous, 0);
    HostExtSetPort(nullptr);
}

TEST_F(TextPopups, AnErrorWhileMeasuringEndsThePopUpWithTheFontRestoredAndTheMenuRemoved)
{
    build({{numbered("Item ", 4), 1}});
    // The plate shows step 1; the menu measures step 3 too.
    label().failingStep = 3;
    scriptDrag({{40, 78}});
    try {
        click(*process->GetRootView(), 40, 78);
        ADD_FAILURE() << "the error did not come through";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), kHostErrUnexpected);
    }
    runScript();
    // No window was opened for a menu that could not be measured.
    EXPECT_TRUE(hostext::menuPictures().empty());
    expectPopUpOver();

    // The next pop-up runs as usual.
    label().failingStep = -1;
    popUpAt(40, 78);
    EXPECT_EQ(hostext::menuPictures().size(), 1u);
    expectPopUpOver();
}

TEST_F(TextPopups, AnErrorWhileChoosingEndsThePopUpAndSetsNothing)
{
    build({{numbered("Item ", 4), 1}});
    const std::int16_t height = itemHeight();
    const int top = 78 - (height + height * 2 / 3);
    // The host fails while the mouse is held; the item under the release is not set.
    group.hostAction = [] { throw CHostError(kHostErrUnexpected); };
    scriptDrag({{40, 78}, {60, top + 3 * height + 2}});
    EXPECT_THROW(click(*process->GetRootView(), 40, 78), CHostError);
    runScript();
    EXPECT_EQ(hostext::menuPictures().size(), 1u);
    EXPECT_EQ(sets(), 0);
    expectPopUpOver();
}

TEST_F(TextPopups, TheViewsTheMenuCoveredAreDrawnAgainWhenItGoes)
{
    // A second editor right of the first lies under the menu.
    build({{numbered("A rather long item ", 4), 1}, {numbered("Other ", 4), 2}});
    const platform::Image before = pictureOf(port);
    const std::int16_t height = itemHeight();
    const int top = 78 - (height + height * 2 / 3);
    // The host draws the second editor while the menu is up: it leaves out what the menu covers, and is
    // drawn whole when the menu goes.
    int listed = 0;
    group.hostAction = [this, &listed] {
        editor(2).Draw(nullptr);
        listed = COverlayClipList::Get().GetCount();
    };
    popUpAt(40, 78, {{60, top + 2}});
    EXPECT_EQ(listed, 1);
    EXPECT_GT(hostext::menuPictures().back().rect.right, 100);
    EXPECT_EQ(pictureOf(port), before);
    expectPopUpOver();
}

} // namespace
