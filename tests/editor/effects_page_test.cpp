#include "tests/editor/editor_test.h"

#include "editor/controls/blue_gator_display.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_v_slider.h"
#include "editor/fx_type_layout.h"
#include "plugin/parameters/display/modulation_names.h"
#include "plugin/parameters/effect_type_names.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Toolkit::CControl;
using Toolkit::CRect;

constexpr int kReverb = 4;
constexpr int kAutoPan = 16;
constexpr int kGator = 17;
constexpr int kFilter = 19;
constexpr COLORREF kCellFill = RGB(96, 96, 96);

float typeValue(int type) { return (static_cast<float>(type) + 0.5f) / 49.99f; }

class EffectsPage : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(openEditor());
        idle();
    }
    EffectsPageControls::Slot& slot(int s = 0) { return editor->effectsPage.slots[static_cast<std::size_t>(s)]; }
    // The type stored from outside the menu, as a preset or the host sets it, shown at the next idle.
    void storeType(int type, int s = 0)
    {
        plugin->setParameter(1550 + s, typeValue(type));
        editor->refreshAll();
        idle();
    }
    bool shown(Toolkit::CView* view) { return view != nullptr && editor->effectsContainer->isChild(view); }
    POINT middleOf(Toolkit::CView* view)
    {
        CRect size, place;
        view->getViewSize(size);
        editor->effectsContainer->getViewSize(place);
        return {place.left + (size.left + size.right) / 2, place.top + (size.top + size.bottom) / 2};
    }
    void choose(myOptionMenu* menu, std::vector<std::string> path)
    {
        const POINT at = middleOf(menu);
        choosePopup(std::move(path));
        click(at.x, at.y);
    }
    std::vector<std::string> entries(myOptionMenu* menu)
    {
        std::vector<std::string> texts;
        char text[Toolkit::COptionMenu::kEntrySize] = {};
        for (std::int32_t n = 0; n < menu->getNbEntries(); ++n)
            if (menu->getEntry(n, text))
                texts.emplace_back(text);
        return texts;
    }
    std::size_t automateCalls(std::int32_t index) const
    {
        return static_cast<std::size_t>(std::count_if(hostCalls().begin(), hostCalls().end(), [&](const HostCall& call) {
            return call.opcode == hostOpSetParameterAutomated && call.index == index;
        }));
    }
    std::size_t positionControlsShown(int s = 0)
    {
        std::size_t count = 0;
        for (std::size_t j = 0; j < 10; ++j)
            count += static_cast<std::size_t>(shown(slot(s).knobsA[j])) + static_cast<std::size_t>(shown(slot(s).knobsB[j])) +
                     static_cast<std::size_t>(shown(slot(s).switches[j]));
        return count;
    }
    std::size_t labelsShown(int s = 0)
    {
        return static_cast<std::size_t>(std::count_if(slot(s).labels.begin(), slot(s).labels.end(),
                                                      [this](myLabel* label) { return shown(label); }));
    }
    // Every shown control with a parameter holds its value: knobs the value, switches its side of 0.5,
    // and the type menu the type's name.
    void expectShownControlsHoldTheirParameters()
    {
        for (std::int32_t n = 0; n < editor->effectsContainer->getNbViews(); ++n) {
            auto* control = dynamic_cast<CControl*>(editor->effectsContainer->getView(n));
            if (control == nullptr || control->getTag() >= 9990 || dynamic_cast<myOptionMenu*>(control) != nullptr)
                continue;
            const float stored = plugin->getParameter(control->getTag());
            if (dynamic_cast<myOnOff*>(control) != nullptr && control->getTag() >= 1590)
                EXPECT_EQ(control->getValue(), stored >= 0.5f ? 1.0f : 0.0f) << control->getTag();
            else
                EXPECT_EQ(control->getValue(), stored) << control->getTag();
        }
        const auto type = std::min(static_cast<int>(plugin->getParameter(1550) * 49.99f), 27) % 27;
        EXPECT_EQ(std::string(slot().type->getDisplayText()), kravo::param::kEffectTypeNames[static_cast<std::size_t>(type)]);
    }
};

TEST_F(EffectsPage, NoneShowsNoPositionsAndOnlyTheMixAndPanDestinations)
{
    storeType(0);
    EXPECT_EQ(editor->effectsContainer->getBackground(), editor->image(10260));
    EXPECT_EQ(positionControlsShown(), 0u);
    EXPECT_EQ(labelsShown(), 0u);
    EXPECT_EQ(editor->effectsContainer->getNbViews(), 22); // 11 labels, routing, bypass, type, mix, pan, 2 x 3
    const std::vector<std::string> fixed = {"None", "Mix", "Pan "};
    EXPECT_EQ(entries(slot().destinations[0]), fixed);
    EXPECT_EQ(entries(slot().destinations[1]), fixed);
    savePicture("effects-page-none");

    // A type value beyond the list is taken for "None", as the engine takes it.
    plugin->setParameter(1550, 0.99f);
    editor->refreshAll();
    idle();
    EXPECT_EQ(editor->effectsContainer->getBackground(), editor->image(10260));
    EXPECT_EQ(std::string(slot().type->getDisplayText()), "None");
    EXPECT_EQ(entries(slot().destinations[0]), fixed);
    EXPECT_EQ(positionControlsShown(), 0u);

    // Leaving it keeps nothing in the memory of any type.
    std::vector<float> before(&editor->fxTypeMemory[0][0], &editor->fxTypeMemory[0][0] + 27 * 16);
    plugin->setParameter(1590, 0.123f);
    choose(slot().type, {"Reverb"});
    EXPECT_EQ(std::vector<float>(&editor->fxTypeMemory[0][0], &editor->fxTypeMemory[0][0] + 27 * 16), before);
    EXPECT_EQ(plugin->getParameter(1590), 0.69f);
}

TEST_F(EffectsPage, EachTypeShowsItsCountOfPositionsOfTheirKindOnItsBackground)
{
    for (int type = 1; type < 27; ++type) {
        storeType(type);
        const int count = editor::kFxTypeLayouts[static_cast<std::size_t>(type)].count;
        const int background = type == kGator ? 10270 : type == kFilter ? 10271 : 10260 + count - 1;
        EXPECT_EQ(editor->effectsContainer->getBackground(), editor->image(background)) << type;
        EXPECT_EQ(labelsShown(), static_cast<std::size_t>(count)) << type;
        EXPECT_EQ(positionControlsShown(), static_cast<std::size_t>(type == kFilter ? count - 1 : count)) << type;
        EXPECT_EQ(slot().destinations[0]->getNbEntries(), count + 3) << type;
        EXPECT_EQ(shown(slot().gateRows[0]) && shown(slot().gateRows[1]), type == kGator) << type;
    }
    storeType(1); // "Mono Delay": "Feed" a knob of the second kind, "Sync" a switch
    EXPECT_TRUE(shown(slot().knobsB[1]) && !shown(slot().knobsA[1]));
    EXPECT_TRUE(shown(slot().switches[7]) && !shown(slot().knobsA[7]));

    storeType(kFilter);
    EXPECT_FALSE(shown(slot().knobsA[4]) || shown(slot().knobsB[4]) || shown(slot().switches[4]));
    EXPECT_TRUE(shown(slot().labels[4]));
    EXPECT_EQ(entries(slot().destinations[0])[7], "-");
    savePicture("effects-page-filter");
    storeType(kReverb);
    savePicture("effects-page-reverb");
}

TEST_F(EffectsPage, ASwitchShowsOnlyWhichSideOfTheMiddleItsParameterIs)
{
    plugin->setParameter(1597, 0.7f);
    storeType(1);
    EXPECT_EQ(slot().switches[7]->getValue(), 1.0f);
    plugin->setParameter(1597, 0.3f);
    editor->refreshAll();
    idle();
    EXPECT_EQ(slot().switches[7]->getValue(), 0.0f);
}

TEST_F(EffectsPage, GateRowsCarryASixteenStepMaskAndAClickTogglesOneStep)
{
    EXPECT_EQ(blueGatorDisplay::maskOf(1.0f), 65535u);
    EXPECT_EQ(blueGatorDisplay::maskOf(0.0f), 0u);
    for (const std::uint32_t mask : {0u, 1u, 0x8000u, 0x5a5au, 65535u})
        EXPECT_EQ(blueGatorDisplay::maskOf(blueGatorDisplay::valueOf(mask)), mask);

    plugin->setParameter(1594, 0.0f);
    plugin->setParameter(1595, 1.0f);
    storeType(kGator);
    const int left = 712 + 20;
    const int rowA = 136 + 115 + 5;
    hostCalls().clear();
    click(left + 13 * 15 + 5, rowA);
    EXPECT_EQ(plugin->getParameter(1594), (32768.0f + 0.5f) / 65536.0f);
    EXPECT_EQ(automateCalls(1594), 1u);
    click(left + 13 * 16 + 5, rowA); // the margin right of the last cell
    EXPECT_EQ(plugin->getParameter(1594), (32768.0f + 0.5f) / 65536.0f);
    EXPECT_EQ(automateCalls(1594), 1u);

    // A layout still to come at the click's idle does not swallow the toggle.
    editor->refreshAll();
    click(left + 5, rowA);
    click(left + 5, rowA);
    EXPECT_EQ(plugin->getParameter(1594), (32768.0f + 0.5f) / 65536.0f);
    EXPECT_EQ(automateCalls(1594), 3u);
    EXPECT_EQ(editor->fxLayoutPending, 0);

    // Row A shows only its last step filled, row B every step.
    EXPECT_EQ(pixel(left + 13 * 15 + 5, rowA), kCellFill);
    EXPECT_NE(pixel(left + 13 * 14 + 5, rowA), kCellFill);
    EXPECT_EQ(pixel(left + 5, rowA + 17), kCellFill);
    EXPECT_EQ(pixel(left + 13 * 14, rowA), RGB(124, 124, 124)); // a cell's frame
    savePicture("effects-page-gator");
}

TEST_F(EffectsPage, ATypeChangeKeepsTheValuesOfTheTypeLeftAndBringsBackThoseOfTheTypeTaken)
{
    choose(slot().type, {"Mono Delay"});
    ASSERT_EQ(static_cast<int>(plugin->getParameter(1550) * 49.99f), 1);
    EXPECT_EQ(plugin->getParameter(1590), 0.54f);
    EXPECT_EQ(plugin->getParameter(62), 0.166f);
    plugin->setParameter(1590, 0.3f);
    plugin->setParameter(62, 0.4f);
    choose(slot().type, {"Stereo Delay"});
    EXPECT_EQ(plugin->getParameter(1590), 0.67f);
    EXPECT_EQ(plugin->getDefaultValues()[1590], 0.67f);
    choose(slot().type, {"Mono Delay"});
    EXPECT_EQ(plugin->getParameter(1590), 0.3f);
    EXPECT_EQ(plugin->getParameter(62), 0.4f);
    EXPECT_EQ(editor->mixerFxMixKnobs[0]->getValue(), 0.4f);
    EXPECT_EQ(std::string(slot().type->getDisplayText()), "Mono Delay");

    // Ctrl+click and the context menu's default are the type's.
    idle();
    const POINT knob = middleOf(slot().knobsA[0]);
    click(knob.x, knob.y, VK_LBUTTON, kControl);
    EXPECT_EQ(plugin->getParameter(1590), 0.54f);
    plugin->setParameter(1590, 0.3f);
    choosePopup({"Set to Default"});
    click(knob.x, knob.y, VK_RBUTTON);
    EXPECT_EQ(plugin->getParameter(1590), 0.54f);
}

TEST_F(EffectsPage, AGatePatternSetBeforeLeavingGatorComesBackWithIt)
{
    choose(slot().type, {"Gator"});
    EXPECT_EQ(plugin->getParameter(1594), editor->fxTypeDefaults[kGator][4]);
    idle();
    click(712 + 20 + 5, 136 + 115 + 5);
    const float pattern = plugin->getParameter(1594);
    choose(slot().type, {"Reverb"});
    EXPECT_EQ(std::string(slot().type->getDisplayText()), "Reverb");
    hostCalls().clear();
    choose(slot().type, {"Gator"});
    EXPECT_EQ(plugin->getParameter(1594), pattern);
    EXPECT_EQ(slot().gateRows[0]->getValue(), pattern);
    EXPECT_EQ(automateCalls(1594), 1u);
    EXPECT_EQ(automateCalls(1595), 1u);
}

TEST_F(EffectsPage, SourcesAndDestinationsAreResolvedByTheirTexts)
{
    storeType(kReverb);
    const std::string sequence(kravo::param::display::kModSourceNames[30]);
    choose(slot().sources[0].menu, {"Seq. Free", sequence});
    EXPECT_FLOAT_EQ(plugin->getParameter(1558), 30.5f / 199.99f);
    EXPECT_EQ(std::string(slot().sources[0].menu->getDisplayText()), sequence);

    choose(slot().destinations[1], {"Decay"});
    EXPECT_FLOAT_EQ(plugin->getParameter(1570), 12.5f / 49.99f);
    EXPECT_EQ(std::string(slot().destinations[1]->getDisplayText()), "Decay");
    choose(slot().destinations[0], {"Mix"});
    EXPECT_FLOAT_EQ(plugin->getParameter(1566), 1.5f / 49.99f);

    // "AutoPan" has five destinations: the stored twelfth is none of them.
    choose(slot().type, {"AutoPan"});
    EXPECT_EQ(static_cast<int>(plugin->getParameter(1550) * 49.99f), kAutoPan);
    EXPECT_EQ(std::string(slot().destinations[1]->getDisplayText()), " ");
    EXPECT_EQ(std::string(slot().destinations[0]->getDisplayText()), "Mix");

    choose(editor->effectsPage.routingMenu, {"[1,2]>3>4"});
    EXPECT_FLOAT_EQ(plugin->getParameter(1549), 3.5f / 9.99f);
    EXPECT_EQ(std::string(editor->effectsPage.routingMenu->getDisplayText()), "[1,2]>3>4");
}

TEST_F(EffectsPage, ShownControlsHoldTheirParametersAndEditsReachThePlugInAndTheOtherPages)
{
    expectShownControlsHoldTheirParameters();
    for (const std::int32_t program : {3, 7}) {
        editor->selectProgram(program);
        idle();
        expectShownControlsHoldTheirParameters();
    }

    // The slot buttons choose the slot shown.
    click(32 + 763 + 10, 119 + 3 + 7);
    EXPECT_EQ(editor->selectedFxSlot, 1);
    EXPECT_TRUE(shown(slot(1).mix) && !shown(slot(0).mix));

    hostCalls().clear();
    const POINT mix = middleOf(slot(1).mix);
    drag(mix.x, mix.y, mix.x, mix.y - 30);
    EXPECT_GT(automateCalls(63), 0u);
    EXPECT_EQ(editor->mixerFxMixKnobs[1]->getValue(), plugin->getParameter(63));
    EXPECT_EQ(editor->easyPage.faders[12]->getValue(), plugin->getParameter(63));

    const float bypass = plugin->getParameter(1555);
    const POINT button = middleOf(slot(1).bypass);
    click(button.x, button.y);
    EXPECT_NE(plugin->getParameter(1555), bypass);
    EXPECT_EQ(automateCalls(1555), 1u);
    EXPECT_EQ(editor->mixerFxBypassButtons[1]->getValue(), plugin->getParameter(1555));
    EXPECT_EQ(editor->easyPage.bypassButtons[1]->getValue(), plugin->getParameter(1555));
}

} // namespace
