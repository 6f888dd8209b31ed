#include "hostframework/views/dialog_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/overlay_clip_list.h"
#include "hostframework/views/slider_control_editor.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_description.h"
#include "hostframework/views/view_popup_control_editor.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_menus.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/control_process_test.h"
#include "tests/hostframework/views/view_frames.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using kravo::test::frameOf;
using kravo::test::sides;
using kravo::test::ControlProcessTest;

SViewRecord recordOf(const std::string& text)
{
    return kravo::test::editorRecord(text, {0, 0, 16, 40});
}

// The code reading the description fails with; 0 when it reads.
std::int32_t readingError(const std::string& text)
{
    return kravo::test::readingError<CViewPopupControlEditor>(text, {0, 0, 16, 40});
}

// A view pop-up that logs each scroll: its step, the ticks it took and the flags after.
struct ScrollStep {
    std::int16_t dh;
    std::int16_t dv;
    std::uint32_t ticks;
    std::int16_t flags;
};
std::vector<ScrollStep> scrolls;

class ScrollLoggingViewPopup : public CViewPopupControlEditor {
public:
    void ScrollMenu(std::int16_t dh, std::int16_t dv) override
    {
        const std::uint32_t before = HostExtTickCount();
        CViewPopupControlEditor::ScrollMenu(dh, dv);
        scrolls.push_back({dh, dv, HostExtTickCount() - before, GetMenuLayout().flags});
    }
};

CCustomView* newScrollLoggingViewPopup()
{
    return new ScrollLoggingViewPopup;
}

// A view pop-up whose panel fails while the mouse is held in it.
class FailingViewPopup : public CViewPopupControlEditor {
public:
    void ScrollMenu(std::int16_t, std::int16_t) override { throw CHostError(kHostErrUnexpected); }
};

CCustomView* newFailingViewPopup()
{
    return new FailingViewPopup;
}

class ViewPopups : public ControlProcessTest {
protected:
    void SetUp() override
    {
        ControlProcessTest::SetUp();
        registerViewCreator("ScrollLoggingViewPopup", &newScrollLoggingViewPopup);
        registerViewCreator("FailingViewPopup", &newFailingViewPopup);
        hostext::useTestScreens({0, 0, 480, 640}, {0, 640, 480, 1280});
        scrolls.clear();
    }

    // A root with a view pop-up 'vpop' of control 1 ('ct01', 10 steps) at (10, 80), 40 × 16, whose last
    // group is the text given.
    void build(const std::string& group, const std::string& creator = "ViewPopup")
    {
        makeProcess({"10,80,40,16:!" + creator + "[('vpop')('ct01')" + group + "]"});
        port = attachPort();
        setsBefore = process->GetChangeCountValue();
        portText = textOf(port);
    }

    static HostTextSettings textOf(HostPort of)
    {
        const HostPort current = HostExtGetPort();
        HostExtSetPort(of);
        HostTextSettings text{};
        HostExtGetTextSettings(&text);
        HostExtSetPort(current);
        return text;
    }

    CViewPopupControlEditor& editor()
    {
        auto* found =
            dynamic_cast<CViewPopupControlEditor*>(process->GetRootView()->FindSubViewByID(FourCharCode("vpop")));
        EXPECT_NE(found, nullptr);
        return *found;
    }

    CSliderControlEditor* slider()
    {
        return dynamic_cast<CSliderControlEditor*>(editor().GetPanel()->FindSubViewByID(FourCharCode("sld1")));
    }

    std::int32_t sets() const { return process->GetChangeCountValue() - setsBefore; }

    void popUpAt(int h, int v, std::vector<std::pair<int, int>> path = {}, DWORD stepMs = 5)
    {
        path.insert(path.begin(), {h, v});
        scriptDrag(path, stepMs);
        click(*process->GetRootView(), static_cast<std::int16_t>(h), static_cast<std::int16_t>(v));
        EXPECT_TRUE(script().finished());
    }

    // Nothing of the pop-up is left: the port's font, no menu 1000, no overlay, no port for the panel and
    // no linked editor in a chain.
    void expectPopUpOver()
    {
        const HostTextSettings text = textOf(port);
        EXPECT_EQ(text.font, portText.font);
        EXPECT_EQ(text.size, portText.size);
        EXPECT_EQ(HostExtGetMenuHandle(1000), nullptr);
        EXPECT_EQ(COverlayClipList::Get().GetPort(), nullptr);
        EXPECT_EQ(editor().GetPanel()->GetPort(), nullptr);
        for (int n = 0; n < CViewPopupControlEditor::kMostLinkedEditors; ++n) {
            if (CControlEditor* linked = editor().GetLinkedEditor(n)) {
                EXPECT_EQ(linked->GetControlView(), nullptr) << n;
            }
        }
        EXPECT_EQ(editor().GetControlView()->GetFirstEditor(), &editor());
        EXPECT_EQ(editor().GetNextEditor(), nullptr);
        EXPECT_EQ(platform::windowCount(), 0u);
    }

    HostPort port = nullptr;
    HostTextSettings portText{};
    std::int32_t setsBefore = 0;
};

TEST_F(ViewPopups, TheDescriptionGivesTheDialogAndUpToFourLinkedEditors)
{
    EXPECT_EQ(readingError("!ViewPopup[('vpop')('ct01')(140)]"), 0);
    EXPECT_EQ(readingError("!ViewPopup[('vpop')('ct01')(140 'aaaa' 'bbbb' 'cccc' 'dddd')]"), 0);
    // Five codes, a first element that is no integer, a code that is no code.
    EXPECT_EQ(readingError("!ViewPopup[('vpop')('ct01')(140 'aaaa' 'bbbb' 'cccc' 'dddd' 'eeee')]"),
              kHostErrCheckFailed);
    EXPECT_EQ(readingError("!ViewPopup[('vpop')('ct01')('sld1' 140)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!ViewPopup[('vpop')('ct01')(\"140\")]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!ViewPopup[('vpop')('ct01')(140 'sld1' 12)]"), kHostErrCheckFailed);
    // No group, or no dialog id in it.
    EXPECT_EQ(readingError("!ViewPopup[('vpop')('ct01')]"), kHostErrNullValue);
    EXPECT_EQ(readingError("!ViewPopup[('vpop')('ct01')()]"), kHostErrNullValue);

    const SViewRecord record = recordOf("!ViewPopup[('vpop')('ct01')(140 'sld1' 'ted1')]");
    SParseState state(&record);
    ASSERT_TRUE(ParseDescription(state));
    CViewPopupControlEditor editor;
    editor.ReadDescription(state);
    EXPECT_EQ(editor.GetDialogID(), 140);
    EXPECT_EQ(editor.GetLinkedID(0), FourCharCode("sld1"));
    EXPECT_EQ(editor.GetLinkedID(1), FourCharCode("ted1"));
    EXPECT_EQ(editor.GetLinkedID(2), CPlugInView::kNoID);
}

TEST_F(ViewPopups, APanelOfTheDialogAloneOpensAtTheClickAndEditsNothing)
{
    build("(140)");
    EXPECT_EQ(sides(frameOf(editor().GetPanel())), (std::vector<int>{0, 0, 120, 160}));
    for (int n = 0; n < CViewPopupControlEditor::kMostLinkedEditors; ++n)
        EXPECT_EQ(editor().GetLinkedEditor(n), nullptr);
    // The menu is the editor's, and the editor shows only its background.
    EXPECT_EQ(HostExtGetMenuReference(editor().GetMenu()), reinterpret_cast<std::intptr_t>(&editor()));
    EXPECT_EQ(HostExtGetMenuID(editor().GetMenu()), 1000);

    popUpAt(20, 88, {{40, 100}});
    const auto pictures = hostext::menuPictures();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(sides(pictures[0].rect), (std::vector<int>{88, 20, 208, 180}));
    EXPECT_EQ(editor().GetMenuLayout().flags, 0);
    // The panel drew itself there over its background pattern, and the slider (not linked) is unbound.
    EXPECT_EQ(sides(frameOf(editor().GetPanel())), (std::vector<int>{88, 20, 208, 180}));
    const COLORREF corner = pictures[0].picture.at(1, 1);
    EXPECT_TRUE(corner == RGB(0xA0, 0xC8, 0xFF) || corner == RGB(0x20, 0x3C, 0x80));
    EXPECT_EQ(slider()->GetControlView(), nullptr);
    EXPECT_EQ(sets(), 0);
    EXPECT_EQ(controlValue(1), 100);
    expectPopUpOver();
}

TEST_F(ViewPopups, ALinkedSliderChangesTheControlWhileThePanelIsOpenAndLeavesTheChainAfter)
{
    build("(140 'sld1' 'ted1')");
    CSliderControlEditor* linked = slider();
    ASSERT_NE(linked, nullptr);
    EXPECT_EQ(editor().GetLinkedEditor(0), linked);
    EXPECT_EQ(editor().GetLinkedEditor(1)->GetID(), FourCharCode("ted1"));
    // The text editor named a control view of the panel's own: it left that view's chain as well.
    auto* own = dynamic_cast<CControlView*>(editor().GetPanel()->FindSubViewByID(FourCharCode("pnl1")));
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->GetFirstEditor(), nullptr);
    EXPECT_EQ(editor().GetLinkedEditor(1)->GetControlView(), nullptr);

    bool boundWhileOpen = false;
    std::int32_t valueWhileOpen = 0;
    HostTextSettings textWhileOpen{};
    group.hostAction = [&] {
        boundWhileOpen = linked->GetControlView() == editor().GetControlView();
        valueWhileOpen = controlValue(1);
        textWhileOpen = textOf(port);
    };
    const std::int32_t before = controlValue(1);
    // Pressed on the thumb, which lies under the mouse, and dragged 30 pixels up.
    popUpAt(48, 88, {{48, 78}, {48, 58}});
    EXPECT_TRUE(boundWhileOpen);
    EXPECT_GT(valueWhileOpen, before);
    EXPECT_EQ(textWhileOpen.font, 3);
    EXPECT_EQ(textWhileOpen.size, 9);
    EXPECT_GT(sets(), 0);
    EXPECT_GE(controlValue(1), valueWhileOpen);
    EXPECT_EQ(own->GetFirstEditor(), nullptr);
    expectPopUpOver();

    // Out of the chain, the slider no longer follows the control.
    const HostRect thumb = frameOf(linked->GetKnob());
    editor().SetValue(INT32_MIN);
    EXPECT_EQ(sides(frameOf(linked->GetKnob())), sides(thumb));
}

TEST_F(ViewPopups, ThePanelOpensWithTheFirstLinkedEditorsValuePointUnderTheMouse)
{
    build("(140 'sld1')");
    popUpAt(48, 88);
    const HostRect placed = hostext::menuPictures().at(0).rect;
    HostPoint value{};
    slider()->GetValuePoint(&value);
    // The slider stands 30 in and 20 down in the panel; its value point lies at the click all the same.
    EXPECT_EQ(value.h, 48);
    EXPECT_EQ(value.v, 88);
    EXPECT_EQ(editor().GetMenuLayout().flags, 0);
    EXPECT_EQ(sides(placed), sides(frameOf(editor().GetPanel())));
    EXPECT_LT(placed.left, 48 - 30);
    EXPECT_LT(placed.top, 88 - 20);
    expectPopUpOver();
}

TEST_F(ViewPopups, ALinkedIdMissingFromTheDialogOrNamingNoEditorStaysNullAndIsSkipped)
{
    build("(140 'nope' 'text' 'sld1')");
    EXPECT_EQ(editor().GetLinkedEditor(0), nullptr);
    EXPECT_EQ(editor().GetLinkedEditor(1), nullptr);
    EXPECT_EQ(editor().GetLinkedEditor(2), slider());
    bool boundWhileOpen = false;
    group.hostAction = [&] { boundWhileOpen = slider()->GetControlView() != nullptr; };
    // Without a first linked editor the panel opens at the click.
    popUpAt(20, 88, {{20, 90}});
    EXPECT_EQ(sides(hostext::menuPictures().at(0).rect), (std::vector<int>{88, 20, 208, 180}));
    EXPECT_TRUE(boundWhileOpen);
    expectPopUpOver();
}

TEST_F(ViewPopups, ATallPanelOpensWithABottomStripAndScrolls16PixelsAt4TicksApart)
{
    // The screen area (5 to 205) is 100 pixels lower than the panel.
    hostext::useTestScreens({0, 0, 210, 640}, {0, 640, 480, 1280});
    build("(141)", "ScrollLoggingViewPopup");
    // Opened near the screen's top and released off the panel: a bottom strip, no scrolling.
    popUpAt(20, 88, {{300, 60}});
    {
        const hostext::MenuPicture first = hostext::menuPictures().at(0);
        EXPECT_EQ(sides(first.rect), (std::vector<int>{5, 20, 205, 180}));
        EXPECT_EQ(editor().GetMenuLayout().flags, SPopUpMenuLayout::kBottomCut);
        EXPECT_EQ(editor().GetMenuLayout().inner.bottom, 193);
        // The arrow in the bottom strip, pointing down.
        EXPECT_EQ(first.picture.at(80, 200 - 5), RGB(0, 0, 0));
        EXPECT_EQ(first.picture.at(2, 200 - 5), RGB(255, 255, 255));
    }
    EXPECT_TRUE(scrolls.empty());

    // Held on the strip long enough for every step.
    popUpAt(20, 88, {{60, 200}, {300, 60}}, 300);
    const int hidden = 88 + 300 - 205;
    const int steps = (hidden + 15) / 16;
    ASSERT_EQ(scrolls.size(), static_cast<std::size_t>(steps));
    for (int n = 0; n < steps; ++n) {
        EXPECT_EQ(scrolls[n].dh, 0);
        EXPECT_EQ(scrolls[n].dv, n + 1 < steps ? -16 : -(hidden - 16 * (steps - 1)));
        EXPECT_EQ(scrolls[n].ticks, 4u);
    }
    EXPECT_EQ(scrolls.back().flags, SPopUpMenuLayout::kTopCut);
    EXPECT_EQ(editor().GetMenuLayout().menu.bottom, 205);
    EXPECT_EQ(frameOf(editor().GetPanel()).bottom, 205);
    EXPECT_EQ(sets(), 0);
    expectPopUpOver();
}

TEST_F(ViewPopups, AClickOutsideEveryScreenPlacesThePanelOnTheMainScreen)
{
    build("(140)");
    HostMenu menu = editor().GetMenu();
    HostExtCalcMenuSize(menu);
    HostRect rect{};
    HostMenuItemRecord item{0, 0};
    // Below both screens: the panel comes up onto the main one, 5 pixels in from its bottom.
    CViewPopupControlEditor::MenuDefinition(kHostMenuPlace, menu, &rect, {900, 100}, &item);
    // The panel itself comes with it, whole on the screen.
    EXPECT_EQ(sides(rect), (std::vector<int>{355, 100, 475, 260}));
    EXPECT_EQ(sides(editor().GetMenuLayout().menu), sides(rect));
    EXPECT_EQ(editor().GetMenuLayout().flags, 0);
    // On the second screen it stays there.
    CViewPopupControlEditor::MenuDefinition(kHostMenuPlace, menu, &rect, {100, 700}, &item);
    EXPECT_EQ(sides(rect), (std::vector<int>{100, 700, 220, 860}));
    // Other messages do nothing, and a menu without an editor is left alone.
    EXPECT_EQ(CViewPopupControlEditor::MenuDefinition(7, menu, &rect, {0, 0}, &item), 0);
    HostMenu stranger = HostExtNewCustomMenu(1000, &CViewPopupControlEditor::MenuDefinition);
    EXPECT_EQ(CViewPopupControlEditor::MenuDefinition(kHostMenuSize, stranger, &rect, {0, 0}, &item), 0);
    HostExtDisposeMenu(stranger);
}

TEST_F(ViewPopups, AnErrorInsideTheProcedureClosesThePopUpAndUndoesEverything)
{
    hostext::useTestScreens({0, 0, 210, 640}, {0, 640, 480, 1280});
    build("(141 'sld1' 'ted1')", "FailingViewPopup");
    // On the strip the panel scrolls, and that fails.
    scriptDrag({{20, 88}, {60, 200}, {60, 200}});
    try {
        click(*process->GetRootView(), 20, 88);
        ADD_FAILURE() << "the error did not come through";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), kHostErrUnexpected);
    }
    runScript();
    EXPECT_EQ(hostext::menuPictures().size(), 1u);
    expectPopUpOver();

    // The next pop-up runs as usual.
    popUpAt(20, 88, {{300, 60}});
    EXPECT_EQ(hostext::menuPictures().size(), 2u);
    expectPopUpOver();
}

} // namespace
