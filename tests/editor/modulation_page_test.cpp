#include "tests/editor/editor_test.h"

#include "editor/controls/my_knob.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_button.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/modulation_names.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Toolkit::CControl;
using Toolkit::CRect;
namespace display = kravo::param::display;

class ModulationPage : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(openEditor());
        click(32 + 278 + 10, 119 + 3 + 7); // the modulation page's button
        idle();
        ASSERT_EQ(editor->pageMode, 3);
    }
    ModulationPageControls& page() { return editor->modulationPage; }
    bool shown(Toolkit::CView* view) { return view != nullptr && editor->modulationContainer->isChild(view); }
    POINT middleOf(Toolkit::CView* view)
    {
        CRect size, place;
        view->getViewSize(size);
        editor->modulationContainer->getViewSize(place);
        return {place.left + (size.left + size.right) / 2, place.top + (size.top + size.bottom) / 2};
    }
    void clickOn(Toolkit::CView* view)
    {
        const POINT at = middleOf(view);
        click(at.x, at.y);
    }
    void choose(myOptionMenu* menu, std::vector<std::string> path)
    {
        choosePopup(std::move(path));
        clickOn(menu);
    }
    std::size_t automateCalls(std::int32_t index) const
    {
        return static_cast<std::size_t>(std::count_if(hostCalls().begin(), hostCalls().end(), [&](const HostCall& call) {
            return call.opcode == hostOpSetParameterAutomated && call.index == index;
        }));
    }
    static std::string text(myOptionMenu* menu) { return menu->getDisplayText(); }
    // Every shown knob holds its parameter, every shown menu the name its parameter reads.
    void expectShownControlsHoldTheirParameters()
    {
        for (std::int32_t n = 0; n < editor->modulationContainer->getNbViews(); ++n)
            if (auto* knob = dynamic_cast<myKnob*>(editor->modulationContainer->getView(n))) {
                EXPECT_EQ(knob->getValue(), plugin->getParameter(knob->getTag())) << knob->getTag();
            }
        const auto name = [this](std::span<const std::string_view> names, std::int32_t tag, float scale) {
            const auto n = std::min(static_cast<std::size_t>(plugin->getParameter(tag) * scale), names.size() - 1);
            return std::string(names[n]);
        };
        const auto& envelope = page().envelopes[static_cast<std::size_t>(editor->selectedEnv)];
        const auto& lfo = page().lfos[static_cast<std::size_t>(editor->selectedLfo)];
        const auto& slot = page().slots[static_cast<std::size_t>(editor->selectedModSlot)];
        for (myOptionMenu* menu : {envelope.destination.menu, lfo.destination.menu, slot.destination.menu})
            EXPECT_EQ(text(menu), name(display::kModDestinationNames, menu->getTag(), 699.99f));
        for (myOptionMenu* menu : {envelope.modSource.menu, lfo.modSource.menu, slot.source.menu, slot.modSource.menu})
            EXPECT_EQ(text(menu), name(display::kModSourceNames, menu->getTag(), 199.99f));
        EXPECT_EQ(text(lfo.wave), name(display::kLfoWaveNames, lfo.wave->getTag(), 5.99f));
        EXPECT_EQ(text(lfo.mode), name(display::kLfoModeNames, lfo.mode->getTag(), 2.99f));
    }
};

TEST_F(ModulationPage, ShowsTheSelectedEnvelopeLfoAndSlotOverTheirBackground)
{
    EXPECT_EQ(editor->modulationContainer->getBackground(), editor->image(10008));
    EXPECT_TRUE(editor->getFrame()->isChild(editor->effectsContainer));
    // 34 labels, 12 selectors, 7 + 10 + 5 controls
    EXPECT_EQ(editor->modulationContainer->getNbViews(), 34 + 12 + 22);
    EXPECT_EQ(page().envelopeSelectors[0]->getValue(), 1.0f);
    EXPECT_EQ(page().slotSelectors[3]->getValue(), 0.0f);
    savePicture("modulation-page");
}

TEST_F(ModulationPage, SwitchingTheEnvelopeKeepsTheOtherOutAndItsParametersUnchanged)
{
    const float attack = plugin->getParameter(1630);
    clickOn(page().envelopeSelectors[1]);
    EXPECT_EQ(editor->selectedEnv, 1);
    EXPECT_TRUE(shown(page().envelopes[1].attack));
    EXPECT_FALSE(shown(page().envelopes[0].attack) || shown(page().envelopes[0].destination.menu));
    EXPECT_EQ(page().envelopeSelectors[0]->getValue(), 0.0f);
    EXPECT_EQ(page().envelopeSelectors[1]->getValue(), 1.0f);
    EXPECT_EQ(plugin->getParameter(1630), attack);

    clickOn(page().lfoSelectors[1]);
    clickOn(page().slotSelectors[6]);
    EXPECT_EQ(std::tuple(editor->selectedLfo, editor->selectedModSlot), std::tuple(1, 6));
    EXPECT_TRUE(shown(page().lfos[1].wave) && !shown(page().lfos[0].wave));
    EXPECT_TRUE(shown(page().slots[6].amount) && !shown(page().slots[0].amount));
    expectShownControlsHoldTheirParameters();
}

TEST_F(ModulationPage, ASourceChosenInAGroupIsCountedOverTheWholeList)
{
    clickOn(page().slotSelectors[2]);
    const std::string smooth(display::kModSourceNames[39]);
    hostCalls().clear();
    choose(page().slots[2].source.menu, {"Seq. Smooth", smooth});
    EXPECT_FLOAT_EQ(plugin->getParameter(1708), 39.5f / 199.99f);
    EXPECT_EQ(automateCalls(1708), 1u);
    EXPECT_EQ(text(page().slots[2].source.menu), smooth);

    const std::string first(display::kModSourceNames[5]);
    choose(page().slots[2].modSource.menu, {first});
    EXPECT_FLOAT_EQ(plugin->getParameter(1716), 5.5f / 199.99f);
}

TEST_F(ModulationPage, DestinationsAreWrittenOverTheWholeListAndTheLastReadsFromOne)
{
    plugin->setParameter(1634, 1.0f);
    EXPECT_EQ(text(page().envelopes[0].destination.menu), "Sample 8 Mix");
    EXPECT_EQ(display::kModDestinationNames[305], "Sample 8 Mix");

    const std::string global(display::kModDestinationNames[3]);
    choose(page().lfos[0].destination.menu, {"Global", global});
    EXPECT_FLOAT_EQ(plugin->getParameter(1667), 3.5f / 699.99f);
    EXPECT_EQ(text(page().lfos[0].destination.menu), global);

    choose(page().lfos[0].wave, {"Square"});
    EXPECT_FLOAT_EQ(plugin->getParameter(1664), 4.5f / 5.99f);
    EXPECT_EQ(text(page().lfos[0].wave), "Square");
    choose(page().lfos[0].sync, {"On"});
    EXPECT_FLOAT_EQ(plugin->getParameter(1666), 1.5f / 1.99f);
}

TEST_F(ModulationPage, ShownControlsHoldTheirParametersAndAKnobDragReachesThePlugIn)
{
    expectShownControlsHoldTheirParameters();
    editor->selectProgram(5);
    expectShownControlsHoldTheirParameters();

    hostCalls().clear();
    const POINT speed = middleOf(page().lfos[0].speed);
    drag(speed.x, speed.y, speed.x, speed.y - 30);
    EXPECT_GT(automateCalls(1660), 0u);
    EXPECT_EQ(page().lfos[0].speed->getValue(), plugin->getParameter(1660));
}

} // namespace
