#include "tests/editor/editor_test.h"

#include "editor/controls/my_knob.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/my_v_slider.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

#include <algorithm>

namespace {

using Toolkit::CControl;
using Toolkit::CRect;

class EasyPage : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(openEditor());
        click(32 + 48 + 10, 119 + 3 + 7); // the Easy page's button
        idle();
        ASSERT_EQ(editor->pageMode, 2);
    }
    EasyPageControls& page() { return editor->easyPage; }
    bool shown(Toolkit::CView* view) { return view != nullptr && editor->easyContainer->isChild(view); }
    POINT middleOf(Toolkit::CView* view)
    {
        CRect size, place;
        view->getViewSize(size);
        editor->easyContainer->getViewSize(place);
        return {place.left + (size.left + size.right) / 2, place.top + (size.top + size.bottom) / 2};
    }
    std::size_t automateCalls(std::int32_t index) const
    {
        return static_cast<std::size_t>(std::count_if(hostCalls().begin(), hostCalls().end(), [&](const HostCall& call) {
            return call.opcode == hostOpSetParameterAutomated && call.index == index;
        }));
    }
    void expectShownControlsHoldTheirParameters()
    {
        for (std::int32_t n = 0; n < editor->easyContainer->getNbViews(); ++n) {
            auto* control = dynamic_cast<CControl*>(editor->easyContainer->getView(n));
            if (control != nullptr && control->getTag() < 9990) {
                EXPECT_EQ(control->getValue(), plugin->getParameter(control->getTag())) << control->getTag();
            }
        }
    }
};

TEST_F(EasyPage, ShowsOneFaderPerPitchAndEveryOtherFaderWithItsButtons)
{
    EXPECT_TRUE(editor->getFrame()->isChild(editor->easyContainer));
    EXPECT_EQ(editor->easyContainer->getBackground(), editor->image(10151));
    // 4 radio buttons, 13 faders with their centre buttons, 34 labels, 4 bypass buttons
    EXPECT_EQ(editor->easyContainer->getNbViews(), 4 + 26 + 34 + 4);
    EXPECT_TRUE(shown(page().faders[0]) && !shown(page().faders[1]));
    EXPECT_TRUE(shown(page().faders[2]) && !shown(page().faders[3]));
    EXPECT_EQ(page().pitchModeButtons[0]->getValue(), 1.0f);
    EXPECT_EQ(page().pitchModeButtons[1]->getValue(), 0.0f);
    expectShownControlsHoldTheirParameters();
    editor->selectProgram(6);
    expectShownControlsHoldTheirParameters();
    savePicture("easy-page");
}

TEST_F(EasyPage, OctavePutsTheOctaveFaderInTheSemitoneFadersPlaceAndBothKeepTheirValues)
{
    const float semi = plugin->getParameter(67);
    const float octave = plugin->getParameter(68);
    const std::int32_t frameViews = editor->getFrame()->getNbViews();
    const POINT oct = middleOf(page().pitchModeButtons[1]);
    click(oct.x, oct.y);
    EXPECT_EQ(editor->getFrame()->getNbViews(), frameViews); // the page is shown again, not added twice
    EXPECT_EQ(editor->easySynthPitchMode, 1);
    EXPECT_TRUE(shown(page().faders[1]) && !shown(page().faders[0]));
    CRect semiPlace, octavePlace;
    page().faders[0]->getViewSize(semiPlace);
    page().faders[1]->getViewSize(octavePlace);
    EXPECT_EQ(semiPlace, octavePlace);
    EXPECT_EQ(std::tuple(plugin->getParameter(67), plugin->getParameter(68)), std::tuple(semi, octave));
    EXPECT_EQ(page().pitchModeButtons[1]->getValue(), 1.0f);
    EXPECT_EQ(page().pitchModeButtons[0]->getValue(), 0.0f);

    const POINT sampleOct = middleOf(page().pitchModeButtons[3]);
    click(sampleOct.x, sampleOct.y);
    EXPECT_EQ(editor->easySamplePitchMode, 1);
    EXPECT_TRUE(shown(page().faders[3]) && !shown(page().faders[2]));
    EXPECT_TRUE(shown(page().faders[1]));
}

TEST_F(EasyPage, ACentreButtonsPressSetsTheMiddleAndItsReleaseNothing)
{
    plugin->setParameter(75, 0.8f);
    hostCalls().clear();
    const POINT centre = middleOf(page().centreButtons[6]);
    click(centre.x, centre.y);
    EXPECT_EQ(plugin->getParameter(75), 0.5f);
    EXPECT_EQ(page().faders[6]->getValue(), 0.5f);
    EXPECT_EQ(automateCalls(75), 0u); // not automated

    // Pressed again at the middle, the fader is still told.
    page().faders[6]->setValue(0.2f);
    Toolkit::CKickButton* button = page().centreButtons[6];
    button->setValue(1.0f);
    editor->valueChanged(nullptr, button);
    EXPECT_EQ(page().faders[6]->getValue(), 0.5f);

    plugin->setParameter(75, 0.8f);
    button->setValue(0.0f);
    editor->valueChanged(nullptr, button);
    EXPECT_EQ(plugin->getParameter(75), 0.8f);
}

TEST_F(EasyPage, MixFadersAndBypassesShareTheirParametersWithTheMixerAndTheEffectsPage)
{
    hostCalls().clear();
    const POINT fader = middleOf(page().faders[11]);
    drag(fader.x, fader.y, fader.x, fader.y + 40);
    EXPECT_GT(automateCalls(62), 0u);
    EXPECT_EQ(page().faders[11]->getValue(), plugin->getParameter(62));
    EXPECT_EQ(editor->mixerFxMixKnobs[0]->getValue(), plugin->getParameter(62));
    EXPECT_EQ(editor->effectsPage.slots[0].mix->getValue(), plugin->getParameter(62));

    const float bypass = plugin->getParameter(1556);
    const POINT button = middleOf(page().bypassButtons[2]);
    click(button.x, button.y);
    EXPECT_NE(plugin->getParameter(1556), bypass);
    EXPECT_EQ(automateCalls(1556), 1u);
    EXPECT_EQ(editor->mixerFxBypassButtons[2]->getValue(), plugin->getParameter(1556));
    EXPECT_EQ(editor->effectsPage.slots[2].bypass->getValue(), plugin->getParameter(1556));

    // And the other way.
    plugin->setParameterAutomated(65, 0.25f);
    EXPECT_EQ(page().faders[14]->getValue(), 0.25f);
}

} // namespace
