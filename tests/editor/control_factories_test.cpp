#include "tests/editor/editor_test.h"

#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/my_text_button.h"
#include "plugin/parameters/display/model_names.h"

#include <string>
#include <tuple>

namespace {

class ControlFactories : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(openEditor());
    }
    void TearDown() override
    {
        closeEditor();
        // As a page's release part does: the frame only lets its views go at close.
        for (Toolkit::CView* control : made)
            control->forget();
        EditorTest::TearDown();
    }
    // Shown in the frame (which takes a reference of its own), and the maker's reference released at the
    // end as a page releases its controls.
    template <typename Control>
    Control* shown(Control* control)
    {
        editor->getFrame()->addView(control);
        made.push_back(control);
        return control;
    }
    static std::tuple<int, int> extent(Toolkit::CView* view)
    {
        Toolkit::CRect size;
        view->getViewSize(size);
        return {size.width(), size.height()};
    }
    std::vector<Toolkit::CView*> made;

    std::string entry(myOptionMenu* menu, int index)
    {
        char text[256] = {};
        menu->getEntry(index, text);
        return text;
    }
};

TEST_F(ControlFactories, ParameterControlsAreRegisteredWithTheirSizesAndTheOthersAreLeftOut)
{
    const std::int32_t before = editor->registryCount; // what open built
    myKnob* knob = nullptr;
    editor->makeKnob(knob, 130, 10, 20);
    myKnob* large = nullptr;
    editor->makeKnobLarge(large, 131, 60, 20);
    myOnOff* toggle = nullptr;
    editor->makeOnOffButton(toggle, 132, 120, 20, 1);
    ASSERT_TRUE(knob && large && toggle);
    Toolkit::CRect size;
    knob->getViewSize(size);
    EXPECT_EQ(std::tuple(size.left, size.top, size.right, size.bottom), std::tuple(10, 20, 52, 62));
    EXPECT_EQ(extent(large), std::tuple(50, 50));
    EXPECT_EQ(extent(toggle), std::tuple(22, 22));
    EXPECT_EQ(editor->registryCount, before + 3);
    EXPECT_EQ(knob->getDefaultValue(), plugin->getDefaultValues()[130]);
    for (auto* control : std::initializer_list<Toolkit::CView*>{knob, large, toggle})
        shown(control);

    myOnOff* untouched = toggle;
    editor->makeOnOffButton(untouched, 133, 0, 0, 2); // no such kind: nothing made
    EXPECT_EQ(untouched, toggle);

    myTextButton* text = nullptr;
    myLabel* label = nullptr;
    myBitmap* picture = nullptr;
    myRadioButton* radio = nullptr;
    myRadioBitmapButton* radioPicture = nullptr;
    editor->makeTextButton(text, 0, 0, 10030, "Save");
    editor->makeLabelCentred(label, 0, 40, 60, "Decay", 0);
    editor->makeBitmap(picture, 0, 60, 10028);
    editor->makeRadioButton(radio, 140, 0, 80);
    editor->makeRadioBitmapButton(radioPicture, 10190, 30, 80);
    for (auto* control : std::initializer_list<Toolkit::CView*>{text, label, picture, radio, radioPicture})
        shown(control);
    EXPECT_EQ(editor->registryCount, before + 3);
    EXPECT_EQ(extent(label), std::tuple(60, 10));
}

TEST_F(ControlFactories, MenusStoreTheirDivisorAndModelGroupsReportTheirOwnIndex)
{
    const char* const chokes[] = {"None", "1", "2", "3", "4"};
    myOptionMenu* choke = nullptr;
    editor->makeStandardOptionMenu(choke, 261, 0, 0, 5, chokes, 9.99f);
    myOptionMenu* plain = nullptr;
    editor->makeStandardOptionMenu(plain, 262, 0, 30, 5, chokes, -1.0f);
    EXPECT_EQ(std::tuple(editor->menuDivisor[261], editor->menuDivisor[262], choke->getNbEntries()),
              std::tuple(9.99f, -1.0f, 5));
    shown(choke);
    shown(plain);

    myOptionMenu* clap = nullptr;
    std::array<myOptionMenu*, 3> groups{};
    editor->makeModelMenu(clap, 602, 100, 100, groups, {3, 3, 12}, kravo::param::display::kClapModelNames, 199.99f);
    ASSERT_NE(clap, nullptr);
    shown(clap);
    EXPECT_EQ(editor->menuDivisor[602], 199.99f);
    EXPECT_EQ(std::tuple(entry(groups[2], 11), groups[2]->getNbEntries()), std::tuple("Clap Kravo 12", 12));
    const float before = clap->getValue();
    choosePopup({"Kravo", "Clap Kravo 12"});
    click(110, 108);
    EXPECT_EQ(groups[2]->getValue(), 11.0f);
    EXPECT_EQ(clap->getValue(), before);
}

TEST_F(ControlFactories, TheDestinationMenuHoldsEveryDestinationInItsGroups)
{
    myOptionMenu* destinations = nullptr;
    std::array<myOptionMenu*, uEditor::kDestinationGroups> groups{};
    editor->makeModDestinationMenu(7000, 0, 0, destinations, groups);
    shown(destinations);
    int total = 1;
    for (myOptionMenu* group : groups)
        total += group->getNbEntries();
    EXPECT_EQ(total, 306);
    EXPECT_EQ(entry(groups[0], 10), "Easy LFO Speed");
    EXPECT_EQ(entry(groups[1], 0), "BD 1 Volume");
    myOptionMenu* sample5 = groups[1 + 16 + 4];
    EXPECT_EQ(entry(sample5, sample5->getNbEntries() - 1), "Sample 5 Mix");
    EXPECT_EQ(entry(groups.back(), 13), "LFO 2 Speed");

    myOptionMenu* sources = nullptr;
    myOptionMenu* free = nullptr;
    myOptionMenu* smooth = nullptr;
    editor->makeModSourceMenuCompact(7001, 0, 30, sources, free, smooth);
    shown(sources);
    EXPECT_EQ(std::tuple(entry(free, 0), entry(smooth, 7)), std::tuple("Groove 1 Free", "Sm. Break 4 Free"));
}

// The choke-group menu of SN 2 (voice 3) edits its own parameter, 261, with the divisor 9.99.
TEST_F(ControlFactories, APerVoiceMenuSendsItsEntryAndShowsTheEntryItsParameterReads)
{
    const char* const chokes[] = {"None", "1", "2", "3", "4"};
    myOptionMenu* choke = nullptr;
    editor->makeStandardOptionMenu(choke, 261, 0, 0, 5, chokes, 9.99f);
    shown(choke);
    editor->chokeGroupMenus[3] = choke;
    choke->setValue(3.0f);
    editor->valueChanged(nullptr, choke);
    EXPECT_FLOAT_EQ(plugin->getParameter(261), 0.35035035f);
    EXPECT_STREQ(choke->getDisplayText(), "3");
    plugin->setParameter(261, 1.0f); // trunc(9.99) = 9, the last entry
    EXPECT_STREQ(choke->getDisplayText(), "4");
    plugin->setParameter(261, 0.0f);
    editor->refreshAll();
    EXPECT_STREQ(choke->getDisplayText(), "None");
    editor->chokeGroupMenus[3] = nullptr;
}

} // namespace
