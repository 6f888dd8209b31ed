#include "tests/editor/editor_test.h"

#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Control = std::tuple<std::int32_t, std::int32_t, std::int32_t>; // tag, x, y
using Caption = std::tuple<std::string, std::int32_t, std::int32_t>;  // text, x, y

class DrumPages : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(openEditor());
    }
    // The voice shown on the model, as a host writes the model and the user selects the voice.
    void show(std::int32_t voice, std::int32_t modelParameter, std::int32_t model)
    {
        plugin->setParameter(modelParameter, (static_cast<float>(model) + 0.5f) / 199.99f);
        editor->selectedVoice = voice;
        editor->rebuildFrame();
        idle();
    }
    std::vector<Toolkit::CView*> shownViews() const
    {
        std::vector<Toolkit::CView*> views;
        for (std::int32_t n = 0; n < editor->synthVoiceContainer->getNbViews(); ++n)
            views.push_back(editor->synthVoiceContainer->getView(n));
        return views;
    }
    static Toolkit::CRect placeOf(Toolkit::CView* view)
    {
        Toolkit::CRect size;
        view->getViewSize(size);
        return size;
    }
    // The knobs whose tags lie in [first, last].
    std::set<Control> knobsIn(std::int32_t first, std::int32_t last) const
    {
        std::set<Control> knobs;
        for (Toolkit::CView* view : shownViews())
            if (auto* knob = dynamic_cast<myKnob*>(view); knob != nullptr && knob->getTag() >= first && knob->getTag() <= last)
                knobs.insert({knob->getTag(), placeOf(knob).left, placeOf(knob).top});
        return knobs;
    }
    // The captions the page made (not the main page's).
    std::multiset<Caption> pageCaptions() const
    {
        const auto& main = editor->mainPage;
        std::multiset<Caption> captions;
        for (Toolkit::CView* view : shownViews()) {
            auto* label = dynamic_cast<myLabel*>(view);
            if (label == nullptr || std::count(main.mixerCaptions.begin(), main.mixerCaptions.end(), label) != 0 ||
                std::count(main.synthBypassCaptions.begin(), main.synthBypassCaptions.end(), label) != 0 ||
                std::count(main.commonCaptions.begin(), main.commonCaptions.end(), label) != 0)
                continue;
            captions.insert({label->getText(), placeOf(label).left, placeOf(label).top});
        }
        return captions;
    }
    bool shows(Toolkit::CView* view) const { return view != nullptr && editor->synthVoiceContainer->isChild(view); }
    bool showsSampleLayer(int voice) const
    {
        return shows(editor->mainPage.commonSections[static_cast<std::size_t>(voice)].knobs[0]);
    }
};

TEST_F(DrumPages, EachBassDrumModelShowsItsOwnKnobsAndCaptions)
{
    const std::set<Control> model0 = {{142, 527, 33}, {152, 79, 33},  {154, 126, 33}, {156, 173, 33},
                                      {158, 220, 33}, {160, 280, 33}, {162, 327, 33}, {164, 374, 33},
                                      {142, 12, 33},  {154, 12, 81},  {156, 12, 129}, {162, 12, 177}};
    const std::set<Control> click = {{172, 280, 129}, {174, 327, 129}, {176, 374, 129}, {178, 421, 129},
                                     {180, 468, 129}, {182, 280, 177}, {184, 327, 177}};
    const std::set<Control> model2 = {{142, 527, 33}, {186, 79, 33}, {188, 126, 33}, {190, 173, 33},
                                      {192, 220, 33}, {166, 79, 81}, {168, 126, 81}, {170, 173, 81},
                                      {142, 12, 33},  {186, 12, 81}, {190, 12, 129}, {166, 12, 177}};
    std::set<Control> model1 = model0, model3 = model2;
    model1.insert(click.begin(), click.end());
    model3.insert(click.begin(), click.end());
    model3.erase({166, 12, 177});
    model3.insert({172, 12, 177});
    const std::vector<std::set<Control>> expected = {model0, model1, model2, model3};
    for (std::int32_t model = 0; model < 4; ++model) {
        show(0, 144, model);
        EXPECT_EQ(knobsIn(142, 193), expected[static_cast<std::size_t>(model)]) << "model " << model;
        EXPECT_FALSE(showsSampleLayer(0));
        EXPECT_TRUE(shows(editor->mainPage.artwork));
        savePicture("bass-drum-model-" + std::to_string(model));
    }

    // Model 1's captions, cell by cell; the lone "attack" beside the section stands on every model.
    show(1, 145, 1);
    const std::multiset<Caption> captions = {
        {"start", 73, 62},  {"end", 120, 62},    {"decay", 167, 62},  {"curve", 214, 62},  {"hold", 274, 62},
        {"decay", 321, 62}, {"curve", 368, 62},  {"vol", 274, 158},   {"mix", 321, 158},   {"freq", 368, 158},
        {"drop", 415, 158}, {"decay", 462, 158}, {"spread", 274, 206}, {"offset", 321, 206}, {"", 509, 206},
        {"attack", 5, 62},  {"frq end", 5, 110}, {"frq dcy", 5, 158}, {"amp dcy", 5, 206}, {"model", 35, 7},
        {"osc wave", 168, 7}, {"curve", 303, 7}, {"attack", 520, 62}};
    EXPECT_EQ(pageCaptions(), captions);
}

TEST_F(DrumPages, AModelChoiceRelaysThePageAndASampleModelShowsTheSampleLayer)
{
    show(1, 145, 1);
    EXPECT_TRUE(shows(editor->bassDrumPage.knob(1, 17))); // Click Spread at (280, 177)
    myOptionMenu* modelMenu = editor->bassDrumPage.modelMenu(1);
    const Toolkit::CRect place = placeOf(modelMenu);
    EXPECT_EQ(std::tuple(place.left, place.top), std::tuple(103, 5));
    choosePopup({"Model", "BD Model 1"});
    click(32 + place.left + 10, 136 + place.top + 5);
    EXPECT_FALSE(shows(editor->bassDrumPage.knob(1, 17)));
    EXPECT_EQ(static_cast<std::int32_t>(plugin->getParameter(145) * 199.99f), 0);

    plugin->setParameter(145, 0.02f);
    EXPECT_EQ(std::string(modelMenu->getDisplayText()), "BD Model 4");
    plugin->setParameter(145, 0.0225f);
    editor->updateVoicePage();
    EXPECT_TRUE(showsSampleLayer(1));
    EXPECT_TRUE(knobsIn(142, 193).empty());

    choosePopup({"Kravo", "BD Kravo 05"});
    click(32 + place.left + 10, 136 + place.top + 5);
    EXPECT_FLOAT_EQ(plugin->getParameter(145), 12.5f / 199.99f);
}

TEST_F(DrumPages, TwinKnobsMoveTogetherAndMenusOfHiddenVoicesFollowTheirParameters)
{
    show(0, 144, 0);
    EXPECT_EQ(firstStaleControl(), -1);
    editor->selectProgram(4);
    show(0, 144, 0);
    EXPECT_EQ(firstStaleControl(), -1);

    hostCalls().clear();
    drag(32 + 527 + 21, 136 + 33 + 21, 32 + 527 + 21, 136 + 33 - 20); // the Attack knob beside the section
    EXPECT_TRUE(std::any_of(hostCalls().begin(), hostCalls().end(), [](const HostCall& call) {
        return call.opcode == hostOpSetParameterAutomated && call.index == 142;
    }));
    EXPECT_EQ(editor->bassDrumPage.knob(0, 22)->getValue(), plugin->getParameter(142)); // its twin at (12, 33)

    const std::string shownWave = editor->bassDrumPage.menu(0, 0)->getDisplayText();
    plugin->setParameter(147, 2.5f / 2.99f);
    EXPECT_EQ(std::string(editor->bassDrumPage.menu(1, 0)->getDisplayText()), "Square");
    EXPECT_EQ(std::string(editor->bassDrumPage.menu(0, 0)->getDisplayText()), shownWave);
}

TEST_F(DrumPages, EachClapModelShowsItsOwnKnobsAndTheRepeatsMenuWritesItsEntry)
{
    show(8, 602, 0);
    EXPECT_EQ(knobsIn(604, 634).count({612, 79, 81}) + knobsIn(604, 634).count({612, 12, 177}), 2u);
    savePicture("clap-model-0");
    show(8, 602, 1);
    EXPECT_EQ(knobsIn(604, 634).count({622, 12, 177}), 1u);
    EXPECT_EQ(knobsIn(604, 634).count({626, 280, 81}), 0u);
    savePicture("clap-model-1");
    show(8, 602, 2);
    const std::set<Control> knobs = knobsIn(604, 634);
    for (const Control& humanised : {Control{626, 280, 81}, Control{628, 327, 81}, Control{634, 374, 81}})
        EXPECT_EQ(knobs.count(humanised), 1u);
    const std::multiset<Caption> captions = pageCaptions();
    for (const Caption& caption : {Caption{"speed", 269, 110}, Caption{"vol", 316, 110}, Caption{"decay", 363, 110}})
        EXPECT_EQ(captions.count(caption), 1u);
    EXPECT_EQ(captions.size(), 21u);
    savePicture("clap-model-2");

    myOptionMenu* repeats = editor->clapPage.menu(0, 1);
    repeats->setValue(6.0f); // "8 "
    editor->valueChanged(nullptr, repeats);
    EXPECT_FLOAT_EQ(plugin->getParameter(606), 6.5f / 6.99f);

    show(9, 603, 3);
    EXPECT_TRUE(showsSampleLayer(9));
    EXPECT_TRUE(knobsIn(604, 634).empty());
    EXPECT_TRUE(pageCaptions().empty());
    EXPECT_FALSE(shows(editor->mainPagePicture(10104, 66, 21)));
    EXPECT_FALSE(shows(editor->mainPage.cellGrids[0][12])); // a mark of the stereo models alone
}

TEST_F(DrumPages, TheSnareAddsItsClickSectionOnModelOne)
{
    show(2, 264, 0);
    const std::set<Control> model0 = knobsIn(262, 323);
    EXPECT_EQ(model0.size(), 26u);
    EXPECT_EQ(model0.count({290, 280, 81}), 0u);
    EXPECT_FALSE(shows(editor->mainPagePicture(10091, 267, 69)));
    const std::multiset<Caption> captions = pageCaptions();
    EXPECT_EQ(captions.size(), 30u); // 29 and the "attack" beside the section
    for (const Caption& caption : {Caption{"base ", 5, 62}, Caption{"nse dcy", 5, 206}, Caption{"hp", 462, 62},
                                   Caption{"vel>freq", 462, 158}, Caption{"noise filter", 303, 7}})
        EXPECT_EQ(captions.count(caption), 1u) << std::get<0>(caption);
    savePicture("snare-model-0");

    show(2, 264, 1);
    const std::set<Control> model1 = knobsIn(262, 323);
    EXPECT_EQ(model1.size(), 31u);
    for (const Control& click : {Control{290, 280, 81}, Control{294, 327, 81}, Control{292, 374, 81},
                                 Control{296, 421, 81}, Control{298, 468, 81}})
        EXPECT_EQ(model1.count(click), 1u);
    EXPECT_TRUE(shows(editor->mainPagePicture(10091, 267, 69)));
    EXPECT_EQ(pageCaptions().count({"vel>freq", 368, 110}), 1u);
    savePicture("snare-model-1");

    // The left-column Osc Base Freq and its twin in the grid are one parameter.
    hostCalls().clear();
    drag(32 + 12 + 21, 136 + 33 + 21, 32 + 12 + 21, 136 + 33 - 20);
    EXPECT_EQ(editor->snarePage.knob(0, 1)->getValue(), plugin->getParameter(274));
    EXPECT_TRUE(std::any_of(hostCalls().begin(), hostCalls().end(), [](const HostCall& call) {
        return call.opcode == hostOpSetParameterAutomated && call.index == 274;
    }));

    show(3, 265, 5);
    EXPECT_TRUE(showsSampleLayer(3));
    EXPECT_TRUE(knobsIn(262, 323).empty());
}

TEST_F(DrumPages, TheTomShowsItsButtonsAndGivesWayToTheUserPage)
{
    plugin->setParameter(1770, 0.0f);
    show(10, 653, 0);
    EXPECT_EQ(knobsIn(653, 733).size(), 13u); // the oscillator row, Attack and the left column
    EXPECT_TRUE(shows(editor->tomPage.menu(0, 0)));
    EXPECT_FALSE(shows(editor->tomPage.menu(0, 1)));
    EXPECT_EQ(std::tuple(editor->mainPage.tomButtons[0]->getValue(), editor->mainPage.userButtons[0]->getValue()),
              std::tuple(1.0f, 0.0f));
    EXPECT_EQ(editor->synthVoiceContainer->getBackground(), editor->image(10141));
    savePicture("tom-model-0");
    show(10, 653, 1);
    EXPECT_EQ(knobsIn(653, 733).size(), 28u);
    EXPECT_TRUE(shows(editor->tomPage.menu(0, 1)));
    for (const auto& [image, x, y] : {std::tuple(10100, 66, 69), std::tuple(10101, 314, 69),
                                      std::tuple(10102, 66, 117), std::tuple(10103, 314, 117)})
        EXPECT_TRUE(shows(editor->mainPagePicture(image, x, y)));
    EXPECT_EQ(pageCaptions().count({"vel>freq", 261, 62}), 1u);
    savePicture("tom-model-1");

    const float tuning = plugin->getParameter(668);
    editor->mainPage.userButtons[0]->setValue(1.0f);
    editor->valueChanged(nullptr, editor->mainPage.userButtons[0]);
    EXPECT_TRUE(knobsIn(653, 733).empty());
    editor->mainPage.tomButtons[0]->setValue(1.0f);
    editor->valueChanged(nullptr, editor->mainPage.tomButtons[0]);
    EXPECT_EQ(knobsIn(653, 733).size(), 28u);
    EXPECT_EQ(plugin->getParameter(668), tuning);

    show(11, 654, 7);
    EXPECT_TRUE(showsSampleLayer(11));
    EXPECT_TRUE(shows(editor->mainPage.tomButtons[1]));
}

TEST_F(DrumPages, TheHatsShiftTheirNoiseRowAndTheOpenPageIsTheClosedOneFurtherOn)
{
    show(4, 364, 0);
    std::set<Control> noise;
    for (const Control& knob : knobsIn(362, 421))
        if (std::get<2>(knob) == 33 && std::get<1>(knob) > 12 && std::get<1>(knob) < 527)
            noise.insert(knob);
    EXPECT_EQ(noise.size(), 9u);
    EXPECT_EQ(noise.count({408, 220, 33}), 1u);
    const std::multiset<Caption> captions = pageCaptions();
    EXPECT_EQ(captions.count({"q", 261, 62}) + captions.count({"vel>freq", 308, 62}), 2u);
    for (Toolkit::CView* view : shownViews()) {
        auto* label = dynamic_cast<myLabel*>(view);
        if (label != nullptr && std::string(label->getText()) == "attack") {
            EXPECT_EQ(label->getAlignment(), placeOf(label).left == 520 ? 0 : 1); // left beside the section
        }
    }
    EXPECT_TRUE(shows(editor->mainPage.cellGrids[1][3])); // model 0's marks come from the second set
    savePicture("closed-hat-model-0");
    show(4, 364, 1);
    savePicture("closed-hat-model-1");
    show(4, 364, 2);
    noise.clear();
    for (const Control& knob : knobsIn(362, 421))
        if (std::get<2>(knob) == 33 && std::get<1>(knob) > 12 && std::get<1>(knob) < 527)
            noise.insert(knob);
    EXPECT_EQ(noise.size(), 8u);
    EXPECT_EQ(noise.count({408, 173, 33}), 1u);
    EXPECT_EQ(knobsIn(362, 421).count({382, 374, 177}), 1u); // the modulator row below
    savePicture("closed-hat-model-2");

    show(7, 485, 0);
    choosePopup({"Model", "HH Model 02"});
    const Toolkit::CRect place = placeOf(editor->openHatPage.modelMenu(1));
    click(32 + place.left + 10, 136 + place.top + 5);
    EXPECT_FLOAT_EQ(plugin->getParameter(485), 1.5f / 199.99f);
    EXPECT_EQ(knobsIn(482, 541).count({515, 327, 81}), 1u); // the open hat's oscillator filter

    const std::string open = editor->openHatPage.menu(0, 2)->getDisplayText();
    plugin->setParameter(366, 2.5f / 2.99f);
    EXPECT_EQ(std::string(editor->closedHatPage.menu(0, 2)->getDisplayText()), "BP");
    EXPECT_EQ(std::string(editor->openHatPage.menu(0, 2)->getDisplayText()), open);
    plugin->setParameter(486, 1.5f / 2.99f);
    EXPECT_EQ(std::string(editor->openHatPage.menu(0, 2)->getDisplayText()), "HP");
    EXPECT_EQ(std::string(editor->closedHatPage.menu(0, 2)->getDisplayText()), "BP");
}

// Every knob and caption the page shows on a model.
TEST_F(DrumPages, TheUserPageLaysEachModelOutFromItsTables)
{
    std::vector<std::set<Control>> knobs;
    std::vector<std::multiset<Caption>> captions;
    for (std::int32_t model = 0; model < 12; ++model) {
        show(13, 889, model);
        knobs.push_back(knobsIn(886, 1383));
        captions.push_back(pageCaptions());
        savePicture("user-model-" + std::to_string(model));
    }
    EXPECT_EQ(knobs[1], knobs[0]);
    std::multiset<Caption> renamed = captions[0];
    renamed.erase(renamed.find({"rnd", 462, 62}));
    renamed.insert({"rnd>freq", 462, 62});
    EXPECT_EQ(captions[1], renamed);
    EXPECT_EQ(std::tuple(knobs[3], captions[3]), std::tuple(knobs[2], captions[2]));
    EXPECT_EQ(std::tuple(knobs[5], captions[5]), std::tuple(knobs[4], captions[4]));
    EXPECT_EQ(knobs[0].size(), 26u);
    EXPECT_EQ(knobs[0].count({1051, 12, 33}) + knobs[0].count({1051, 173, 33}), 2u); // Noise Amp Attack twice
    EXPECT_EQ(knobs[9].count({1183, 527, 33}) + knobs[9].count({1183, 12, 33}), 2u);
    EXPECT_EQ(knobs[6].count({1087, 314, 33}), 1u);
    EXPECT_EQ(captions[6].count({"vel>freq", 308, 62}), 1u);
    EXPECT_EQ(captions[9].count({"attack", 520, 62}), 1u);
    EXPECT_EQ(captions[8].count({"fm /ring", 303, 7}), 1u);

    // Marks join the knobs 47 px apart within a section: model 0's first row leaves out the gap before x 327.
    show(13, 889, 0);
    for (const int column : {0, 1, 2, 3, 5, 6, 7})
        EXPECT_TRUE(shows(editor->mainPage.cellGrids[0][static_cast<std::size_t>(column)])) << column;
    EXPECT_FALSE(shows(editor->mainPage.cellGrids[0][4]));
    EXPECT_FALSE(shows(editor->mainPage.cellGrids[1][4]));

    show(13, 889, 12);
    EXPECT_TRUE(showsSampleLayer(13));
    EXPECT_TRUE(knobsIn(886, 1383).empty());
    EXPECT_TRUE(pageCaptions().empty());
}

TEST_F(DrumPages, TheUserPageFollowsTheTomUserSwitchAndItsModelMenu)
{
    plugin->setParameter(1771, 0.4f);
    show(11, 654, 0);
    EXPECT_FALSE(knobsIn(653, 733).empty());
    plugin->setParameter(1771, 0.5f);
    show(11, 888, 0);
    EXPECT_TRUE(knobsIn(653, 733).empty());
    EXPECT_FALSE(knobsIn(886, 1383).empty());
    EXPECT_EQ(editor->mainPage.userButtons[1]->getValue(), 1.0f);
    const float volume = plugin->getParameter(1043);
    editor->mainPage.tomButtons[1]->setValue(1.0f);
    editor->valueChanged(nullptr, editor->mainPage.tomButtons[1]);
    editor->mainPage.userButtons[1]->setValue(1.0f);
    editor->valueChanged(nullptr, editor->mainPage.userButtons[1]);
    EXPECT_EQ(plugin->getParameter(1043), volume);
    EXPECT_FALSE(knobsIn(886, 1383).empty());

    show(13, 889, 3);
    const Toolkit::CRect place = placeOf(editor->userPage.modelMenu(3));
    choosePopup({"Model", "User Model 07"});
    click(32 + place.left + 10, 136 + place.top + 5);
    EXPECT_EQ(knobsIn(886, 1383).count({1261, 79, 33}), 1u); // model 9's Osc Freq Start, at once
    choosePopup({"Kravo", "User Kravo 01 Mystery"});
    click(32 + place.left + 10, 136 + place.top + 5);
    EXPECT_FLOAT_EQ(plugin->getParameter(889), 34.5f / 199.99f);
    EXPECT_TRUE(showsSampleLayer(13));
    choosePopup({"Kravo", "User Kravo QV FX2"});
    click(32 + place.left + 10, 136 + place.top + 5);
    EXPECT_FLOAT_EQ(plugin->getParameter(889), 61.5f / 199.99f);

    show(13, 889, 0);
    const std::string shown = editor->userPage.menu(3, 0)->getDisplayText();
    plugin->setParameter(903, 3.5f / 6.99f); // User 6's noise filter
    EXPECT_EQ(std::string(editor->userPage.menu(5, 0)->getDisplayText()), "BP");
    EXPECT_EQ(std::string(editor->userPage.menu(3, 0)->getDisplayText()), shown);
    EXPECT_EQ(firstStaleControl(), -1);
}

} // namespace
