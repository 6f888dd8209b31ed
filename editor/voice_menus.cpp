// The per-voice menus of the main page: each shows its parameter's entry by name and sends the entry
// the user chose.

#include "editor/ueditor.h"

#include "editor/controls/my_option_menu.h"
#include "editor/voice_menu_names.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/synth_layer_parameters.h"

#include <algorithm>
#include <string>

namespace {

namespace param = kravo::param;
namespace display = kravo::param::display;
namespace layer = kravo::param::synthlayer;

// A kind of per-voice menu: where each voice's menu is kept, its parameter and its entry names.
struct VoiceMenuKind {
    myOptionMenu* const* menus;
    int voices;
    std::int32_t (*parameterOf)(int voice);
    std::span<const std::string_view> names;
};

template <int Kind>
std::int32_t synthLayerParameter(int voice)
{
    return param::synthLayer[static_cast<std::size_t>(Kind)][static_cast<std::size_t>(voice)];
}

template <const param::ParameterIndexTable<param::kVoiceSlotCount>& Table>
std::int32_t voiceParameter(int voice)
{
    return Table[static_cast<std::size_t>(voice)];
}

} // namespace

void uEditor::setControlFromParameter(myOptionMenu*& menu, float value, std::span<const std::string_view> names)
{
    if (menu == nullptr || menu->getTag() >= kCommandTag || menu->getTag() < 0 || menu->getTag() >= kParameterCount)
        return;
    const float divisor = menuDivisor[static_cast<std::size_t>(menu->getTag())];
    const auto last = static_cast<std::int32_t>(std::min<std::size_t>(names.size(), static_cast<std::size_t>(menu->getNbEntries()))) - 1;
    const std::int32_t n = std::clamp(static_cast<std::int32_t>(divisor * value), 0, std::max(last, 0));
    if (last >= 0)
        menu->setDisplayText(std::string(names[static_cast<std::size_t>(n)]).c_str());
}

void uEditor::showStepName(myOptionMenu*& menu, float value, float scale, std::int32_t count,
                           std::span<const std::string_view> names)
{
    if (menu == nullptr || count <= 0 || names.empty())
        return;
    const std::int32_t last = std::min(count, static_cast<std::int32_t>(names.size())) - 1;
    const std::int32_t n = std::clamp(static_cast<std::int32_t>(value * scale), 0, last);
    menu->setDisplayText(std::string(names[static_cast<std::size_t>(n)]).c_str());
}

namespace {

// The kinds in the order the parameter path visits them.
std::array<VoiceMenuKind, 6> voiceMenuKinds(const uEditor& editor)
{
    return {{
        {editor.filterTypeMenus.data(), uEditor::kSynthVoiceCount, &synthLayerParameter<layer::kFilterType>,
         display::kVoiceFilterTypeNames},
        {editor.filterLfoModeMenus.data(), uEditor::kSynthVoiceCount, &synthLayerParameter<layer::kFilterLfoMode>,
         editor::kFilterLfoModeNames},
        {editor.filterLfoSyncMenus.data(), uEditor::kSynthVoiceCount,
         &synthLayerParameter<layer::kFilterLfoTempoSync>, editor::kFilterLfoSyncNames},
        {editor.distortionMenus.data(), uEditor::kVoiceCount, &voiceParameter<param::voiceDistortionType>,
         display::kDistortionTypeNames},
        {editor.chokeGroupMenus.data(), uEditor::kVoiceCount, &voiceParameter<param::voiceChokeGroup>,
         display::kChokeGroupNames},
        {editor.outputMenus.data(), uEditor::kVoiceCount, &voiceParameter<param::voiceOutput>, display::kOutputNames},
    }};
}

} // namespace

void uEditor::voiceMenusSetParameter(std::int32_t index, float value)
{
    for (const VoiceMenuKind& kind : voiceMenuKinds(*this))
        for (int voice = 0; voice < kind.voices; ++voice)
            if (kind.parameterOf(voice) == index) {
                myOptionMenu* menu = kind.menus[voice];
                setControlFromParameter(menu, value, kind.names);
            }
}

void uEditor::refreshVoiceMenus()
{
    for (const VoiceMenuKind& kind : voiceMenuKinds(*this))
        for (int voice = 0; voice < kind.voices; ++voice)
            if (myOptionMenu* menu = kind.menus[voice]) {
                Toolkit::CControl* control = menu;
                menuFromParameter(control);
            }
}

bool uEditor::voiceMenuValueChanged(Toolkit::CControl* control)
{
    for (const VoiceMenuKind& kind : voiceMenuKinds(*this))
        for (int voice = 0; voice < kind.voices; ++voice)
            if (kind.menus[voice] != nullptr && static_cast<Toolkit::CControl*>(kind.menus[voice]) == control) {
                const std::int32_t tag = control->getTag();
                controlToParameter(tag, static_cast<std::int32_t>(control->getValue()),
                                   menuDivisor[static_cast<std::size_t>(tag)]);
                return true;
            }
    return false;
}
