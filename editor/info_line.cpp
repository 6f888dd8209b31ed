// The info line: the name and text of what the mouse is over, drawn again only when they change.

#include "editor/ueditor.h"

#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/my_text_button.h"
#include "editor/controls/pattern_grid.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/voice_order.h"
#include "plugin/settings/mapping_setting.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/kick_button.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kParameterTextSize = 256;
using kravo::param::kFirstSampleSlot;

constexpr std::array<std::string_view, uEditor::kPadCount> kPadNames = {
    "Bass Drum 1", "Bass Drum 2", "Snare Drum 1",   "Snare Drum 2", "Closed HiHat 1", "Open HiHat 1",
    "Closed HiHat 2", "Open HiHat 2", "Clap 1",     "Clap 2",       "Tom / User 1",   "Tom / User 2",
    "Tom / User 3",   "User 4",       "User 5",     "User 6",       "Sample 1",       "Sample 2",
    "Sample 3",       "Sample 4",     "Sample 5",   "Sample 6",     "Sample 7",       "Sample 8",
    "Groove 1",       "Groove 2",     "Groove 3",   "Groove 4",     "Break 1",        "Break 2",
    "Break 3",        "Break 4",
};

// The notes the pads play with the "GM" mapping; "Standard" plays 36 + pad.
constexpr std::array<int, uEditor::kPadCount> kGmPadNotes = {36, 41, 38, 40, 42, 46, 57, 58, 39, 59, 48,
                                                             47, 45, 37, 43, 44, 49, 50, 51, 52, 53, 54,
                                                             55, 56, 60, 62, 64, 65, 61, 63, 66, 67};
constexpr int kStandardFirstNote = 36;

constexpr std::array<const char*, 12> kNoteNames = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
// Note 36 is C1.
constexpr int kOctaveOfNoteZero = -2;

} // namespace

std::string uEditor::padName(std::int32_t pad)
{
    return pad >= 0 && pad < kPadCount ? std::string(kPadNames[static_cast<std::size_t>(pad)]) : std::string();
}

std::string uEditor::padNoteText(std::int32_t pad)
{
    if (pad < 0 || pad >= kPadCount)
        return {};
    char mapping[kravo::kTextSettingCapacity + 1] = {};
    kravo::readMappingSetting(mapping);
    const bool standard = std::strcmp(mapping, kravo::kStandardMapping) == 0;
    const int note = standard ? kStandardFirstNote + pad : kGmPadNotes[static_cast<std::size_t>(pad)];
    char text[64];
    std::snprintf(text, sizeof text, "Midi Note %d (%s%d)", note, kNoteNames[static_cast<std::size_t>(note % 12)],
                  note / 12 + kOctaveOfNoteZero);
    return text;
}

void uEditor::updateInfoLine(Toolkit::CView* hovered)
{
    if (hovered == nullptr)
        return;
    // The sample page's layer buttons name the layer's file.
    for (std::int32_t layer = 0; layer < SamplePageControls::kLayerCount; ++layer) {
        const Toolkit::CView* button = samplePage.layerButtons[static_cast<std::size_t>(layer)];
        const std::int32_t slot = selectedVoice - kFirstSampleSlot;
        if (button == nullptr || hovered != button || slot < 0 || slot >= SamplePageControls::kSlotCount)
            continue;
        char title[32];
        std::snprintf(title, sizeof title, "Sample %d%c", slot + 1, layer == 0 ? 'A' : 'B');
        showInfo(title, plugin()->getLayerSampleName(slot, layer), title);
    }
    for (std::int32_t pad = 0; pad < kVoiceCount; ++pad) {
        const auto n = static_cast<std::size_t>(pad);
        if ((voicePads[n] != nullptr && hovered == voicePads[n]) ||
            (voiceSelectButtons[n] != nullptr && hovered == voiceSelectButtons[n])) {
            const std::string title = padName(pad);
            showInfo(title, padNoteText(pad), title);
        }
    }
    // The pattern page: a pattern's pad and select light, and the grid, which shows the selected
    // pattern's name.
    for (std::int32_t pattern = 0; pattern < kPatternCount; ++pattern) {
        const auto n = static_cast<std::size_t>(pattern);
        if ((patternPads[n] != nullptr && hovered == patternPads[n]) ||
            (patternPage.selectLights[n] != nullptr && hovered == patternPage.selectLights[n])) {
            const std::string title = padName(kVoiceCount + pattern);
            showInfo(title, padNoteText(kVoiceCount + pattern), title);
        }
    }
    if (patternPage.grid != nullptr && hovered == patternPage.grid) {
        const std::string title = padName(kVoiceCount + selectedPattern);
        const std::string text = plugin()->getPatternName(selectedPattern);
        showInfo(title, text, std::string(text).append(title));
    }
    for (std::int32_t entry = 0; entry < registryCount; ++entry) {
        Toolkit::CControl* control = controlRegistry[static_cast<std::size_t>(entry)];
        if (control == nullptr || static_cast<Toolkit::CView*>(control) != hovered)
            continue;
        const std::int32_t tag = control->getTag();
        if (tag >= 0 && tag < kFirstUnreadTag) {
            char name[kParameterTextSize] = {};
            char display[kParameterTextSize] = {};
            plugin()->getParameterName(tag, name);
            plugin()->getParameterDisplay(tag, display);
            showInfo(name, display, std::string(name).append(" : ").append(display));
        }
        return;
    }
}

void uEditor::showInfo(const std::string& title, const std::string& text, const std::string& key)
{
    const std::string shortKey = key.substr(0, sizeof hoverText - 1);
    if (shortKey == hoverText)
        return;
    if (mainPage.infoTitle != nullptr)
        mainPage.infoTitle->setText(title.c_str());
    if (mainPage.infoText != nullptr)
        mainPage.infoText->setText(text.c_str());
    std::memcpy(hoverText, shortKey.c_str(), shortKey.size() + 1);
}
