// The main page: the global strip, each voice's easy-bypass switch, the Tom / User choice, the drum-preset
// menus, the model step buttons and the section artwork. The common sections and mixer strips of the
// voices are built in main_page_voices.cpp. Only built here; the page switching places them.

#include "editor/ueditor.h"

#include "editor/caption.h"
#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_text_button.h"
#include "editor/menu_styles.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/voice_order.h"
#include "toolkit/kick_button.h"

#include <array>

namespace {

constexpr std::int32_t kTabButtonImage = 10063;
constexpr std::int32_t kCaptionImage = 10059;
constexpr std::int32_t kMidiMapImage = 10042;
constexpr std::int32_t kPresetMenuImage = 10038;
constexpr std::int32_t kMasterVolume = 2;
using editor::kMenuOverControl;
using kravo::param::kFirstSampleSlot;

struct Place {
    std::int32_t x;
    std::int32_t y;
};

constexpr std::array<Place, 4> kPageButtonPlaces = {{{116, 3}, {191, 3}, {48, 3}, {278, 3}}};
constexpr std::array<Place, 4> kFxSlotButtonPlaces = {{{725, 3}, {763, 3}, {800, 3}, {837, 3}}};

struct Caption {
    const char* text;
    std::int32_t x;
    std::int32_t y;
};

constexpr std::array<Caption, 4> kTomUserCaptions = {{
    {"Tom", 522, 100}, {"Model", 525, 107}, {"User", 523, 146}, {"Model", 525, 153}}};

struct Picture {
    std::int32_t image;
    std::int32_t x;
    std::int32_t y;
};

constexpr std::array<std::int32_t, 10> kFirstGridColumns = {111, 158, 205, 252, 312, 359, 406, 453, 500, 547};
constexpr std::array<std::int32_t, 10> kSecondGridColumns = {111, 158, 205, 252, 299, 346, 406, 453, 500, 547};
constexpr std::array<std::int32_t, 4> kGridRows = {46, 94, 142, 190};

constexpr std::array<Picture, 48> kSectionPanels = {{
    {10080, 66, 21},   {10081, 66, 69},   {10082, 267, 21},  {10118, 66, 117},  {10120, 267, 117}, {10083, 66, 21},
    {10084, 267, 21},  {10085, 66, 69},   {10086, 267, 117}, {10087, 66, 21},   {10088, 267, 21},  {10089, 66, 69},
    {10090, 66, 117},  {10091, 267, 69},  {10092, 267, 117}, {10093, 66, 21},   {10094, 207, 21},  {10116, 160, 21},
    {10108, 361, 21},  {10117, 314, 21},  {10095, 66, 69},   {10119, 66, 117},  {10096, 314, 69},  {10097, 314, 117},
    {10098, 66, 21},   {10099, 314, 21},  {10100, 66, 69},   {10101, 314, 69},  {10102, 66, 117},  {10103, 314, 117},
    {10104, 66, 21},   {10105, 66, 69},   {10107, 267, 69},  {10106, 66, 117},  {10109, 66, 21},   {10110, 314, 21},
    {10111, 66, 117},  {10112, 66, 21},   {10113, 314, 21},  {10114, 314, 117}, {10115, 314, 117}, {10121, 66, 21},
    {10122, 66, 69},   {10123, 267, 69},  {10124, 66, 69},   {10125, 361, 165}, {10126, 267, 69},  {10127, 267, 117},
}};

constexpr std::array<Picture, 10> kBars = {{
    {10078, 269, 124}, {10078, 316, 124}, {10078, 269, 28}, {10078, 68, 28}, {10078, 316, 28},
    {10078, 316, 28},  {10078, 316, 124}, {10077, 316, 28}, {10078, 68, 76}, {10078, 269, 124},
}};

constexpr Picture kArtwork = {10079, 514, 22};

} // namespace

void uEditor::buildMainPage()
{
    buildGlobalStrip();
    buildEasyBypassSwitches();
    buildTomUserChoice();
    buildDrumPresetMenus();
    buildCommonSectionCaptions();
    buildCommonSections();
    buildMixerStrips();
    buildArtwork();
}

Toolkit::CView* uEditor::mainPagePicture(std::int32_t imageId, std::int32_t x, std::int32_t y)
{
    const auto at = [&](const Picture& picture) { return picture.image == imageId && picture.x == x && picture.y == y; };
    if (at(kArtwork))
        return mainPage.artwork;
    for (std::size_t n = 0; n < kSectionPanels.size(); ++n)
        if (at(kSectionPanels[n]))
            return mainPage.sectionPanels[n];
    for (std::size_t n = 0; n < kBars.size(); ++n)
        if (at(kBars[n]))
            return mainPage.bars[n];
    return nullptr;
}

// The per-voice menus are main-page controls too: they go with the rest.
void uEditor::forgetMainPageControls()
{
    mainPage.forgetAll();
    for (auto* menus : {&filterTypeMenus, &filterLfoModeMenus, &filterLfoSyncMenus})
        menus->fill(nullptr);
    for (auto* menus : {&distortionMenus, &chokeGroupMenus, &outputMenus})
        menus->fill(nullptr);
}

void uEditor::buildGlobalStrip()
{
    MainPageControls& page = mainPage;
    for (std::size_t n = 0; n < kPageButtonPlaces.size(); ++n)
        makeRadioBitmapButton(page.pageButtons[n], kTabButtonImage, kPageButtonPlaces[n].x, kPageButtonPlaces[n].y);
    makeCommandKickButton(page.noPanelPageButton, 382, 3, kTabButtonImage);
    for (std::size_t n = 0; n < kFxSlotButtonPlaces.size(); ++n)
        makeRadioBitmapButton(page.fxSlotButtons[n], kTabButtonImage, kFxSlotButtonPlaces[n].x,
                              kFxSlotButtonPlaces[n].y);
    makeTextButton(page.infoTitle, 272, 43, kCaptionImage, "Morvane");
    makeTextButton(page.infoText, 272, 63, kCaptionImage, "Kravo");
    buildProgramMenus();
    makeKickButton(page.programDownButton, kCommandTag, 242, 45, 10019);
    makeKickButton(page.programUpButton, kCommandTag, 255, 45, 10020);
    makeKickButton(page.smallButtons[0], kCommandTag, 100, 66, 10021);
    makeKickButton(page.smallButtons[1], kCommandTag, 113, 66, 10022);
    makeKickButton(page.compareEditedButton, kCommandTag, 507, 38, 10040);
    makeKickButton(page.compareOriginalButton, kCommandTag, 507, 68, 10041);
    const char* midiMapEntries[] = {"Load ECS", "Save ECS", "Clear Midi"};
    makeOptionMenu(page.midiMapMenu, kCommandTag, 560, 38, kMidiMapImage, 3, midiMapEntries, 2.99f);
    if (page.midiMapMenu != nullptr)
        page.midiMapMenu->setTextHidden();
    makeKickButton(page.helpButton, kCommandTag, 560, 68, 10043);
    makeKickButton(page.logoButton, kCommandTag, 728, 33, 10045);
    makeKnobLarge(page.masterVolume, kMasterVolume, 636, 35);
    makeOnOffButtonWithImage(page.dynamicPagesSwitch, kCommandTag, 129, 369, kTabButtonImage);
    for (Toolkit::CView* control : std::initializer_list<Toolkit::CView*>{
             page.pageButtons[0], page.pageButtons[1], page.pageButtons[2], page.pageButtons[3],
             page.noPanelPageButton, page.fxSlotButtons[0], page.fxSlotButtons[1], page.fxSlotButtons[2],
             page.fxSlotButtons[3], page.infoTitle, page.infoText, page.programDownButton, page.programUpButton,
             page.smallButtons[0], page.smallButtons[1], page.compareEditedButton, page.compareOriginalButton,
             page.midiMapMenu, page.helpButton, page.logoButton, page.masterVolume, page.dynamicPagesSwitch})
        page.keep(control);
}

void uEditor::buildEasyBypassSwitches()
{
    for (int voice = 0; voice < kVoiceCount; ++voice) {
        const std::int32_t x = voice < kFirstSampleSlot ? 532 : 775;
        const auto n = static_cast<std::size_t>(voice);
        makeOnOffButton(mainPage.easyBypassSwitches[n], kravo::param::voiceEasyBypass[n], x, 172, kPlainSwitch);
        mainPage.keep(mainPage.easyBypassSwitches[n]);
    }
    const char* captions[] = {"EASY", "PAGE", "BYPASS"};
    for (std::size_t n = 0; n < 3; ++n) {
        const auto y = static_cast<std::int32_t>(190 + 7 * n);
        makeLabelCentred(mainPage.synthBypassCaptions[n], 518, y, 50, captions[n], editor::kCaptionFont);
        makeLabelCentred(mainPage.sampleBypassCaptions[n], 761, y, 50, captions[n], editor::kCaptionFont);
        mainPage.keep(mainPage.synthBypassCaptions[n]);
        mainPage.keep(mainPage.sampleBypassCaptions[n]);
    }
}

void uEditor::buildTomUserChoice()
{
    for (int slot = 0; slot < MainPageControls::kTomUserSlotCount; ++slot) {
        const auto n = static_cast<std::size_t>(slot);
        makeRadioBitmapButton(mainPage.tomButtons[n], 10057, 532, 82);
        makeRadioBitmapButton(mainPage.userButtons[n], 10057, 532, 128);
        mainPage.keep(mainPage.tomButtons[n]);
        mainPage.keep(mainPage.userButtons[n]);
    }
    for (std::size_t n = 0; n < kTomUserCaptions.size(); ++n) {
        const Caption& caption = kTomUserCaptions[n];
        makeLabelCentred(mainPage.tomUserCaptions[n], caption.x, caption.y, 40, caption.text, editor::kCaptionFont);
        mainPage.keep(mainPage.tomUserCaptions[n]);
    }
}

void uEditor::buildDrumPresetMenus()
{
    for (auto [menu, left] : {std::pair{&mainPage.synthPresetMenu, 535}, std::pair{&mainPage.samplePresetMenu, 783}}) {
        *menu = new myOptionMenu(Toolkit::CRect(left, 121, left + 143, 135), this, kCommandTag,
                                 image(kPresetMenuImage), nullptr, kMenuOverControl, false);
        (*menu)->addEntry("None");
        (*menu)->setHighlighted(true);
        registerMenuControl(*menu);
        mainPage.keep(*menu);
    }
    makeCommandKickButton(mainPage.synthPresetStepButtons[0], 678, 123, 10026);
    makeCommandKickButton(mainPage.synthPresetStepButtons[1], 688, 123, 10027);
    makeCommandKickButton(mainPage.samplePresetStepButtons[0], 926, 123, 10026);
    makeCommandKickButton(mainPage.samplePresetStepButtons[1], 936, 123, 10027);
    for (std::size_t n = 0; n < 2; ++n) {
        mainPage.keep(mainPage.synthPresetStepButtons[n]);
        mainPage.keep(mainPage.samplePresetStepButtons[n]);
    }
}

void uEditor::buildArtwork()
{
    makeBitmap(mainPage.artwork, kArtwork.x, kArtwork.y, kArtwork.image);
    mainPage.keep(mainPage.artwork);
    makeKickButton(mainPage.modelStepButtons[0], kCommandTag, 160, 5, 10190);
    makeKickButton(mainPage.modelStepButtons[1], kCommandTag, 169, 5, 10191);
    mainPage.keep(mainPage.modelStepButtons[0]);
    mainPage.keep(mainPage.modelStepButtons[1]);
    for (std::size_t grid = 0; grid < 2; ++grid) {
        const auto& columns = grid == 0 ? kFirstGridColumns : kSecondGridColumns;
        std::size_t cell = 0;
        for (const std::int32_t y : kGridRows)
            for (const std::int32_t x : columns) {
                makeBitmap(mainPage.cellGrids[grid][cell], x, y, 10028);
                mainPage.keep(mainPage.cellGrids[grid][cell++]);
            }
    }
    for (std::size_t n = 0; n < kSectionPanels.size(); ++n) {
        makeBitmap(mainPage.sectionPanels[n], kSectionPanels[n].x, kSectionPanels[n].y, kSectionPanels[n].image);
        mainPage.keep(mainPage.sectionPanels[n]);
    }
    for (std::size_t n = 0; n < kBars.size(); ++n) {
        makeBitmap(mainPage.bars[n], kBars[n].x, kBars[n].y, kBars[n].image);
        mainPage.keep(mainPage.bars[n]);
    }
}
