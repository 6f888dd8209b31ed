// The right-click menu of a parameter's control: the parameter's name and text, the controller that
// drives it, and the commands that reset it or tie it to a MIDI controller.

#include "editor/ueditor.h"

#include "editor/menu_styles.h"
#include "plugin/aplugin.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/option_menu.h"

#include <string>

namespace {

using editor::kPopupWithoutDrawing;
constexpr std::int32_t kMenuReach = 8;
constexpr std::int32_t kControllerCount = 128;
constexpr std::size_t kTextSize = 256;

enum ContextCommand : std::int32_t {
    kSetToDefault = 3,
    kSetToZero,
    kLatchToMidi,
    kUnlatchMidi,
    kClearAllMidi,
};

// The last controller whose stored entry drives the parameter, -1 for none.
std::int32_t controllerOf(std::int32_t parameter)
{
    std::int32_t found = -1;
    for (std::int32_t controller = 0; controller < kControllerCount; ++controller)
        if (kravo::readMidiMapEntry(controller) == parameter)
            found = controller;
    return found;
}

} // namespace

void uEditor::controlContextMenu(Toolkit::CDrawContext* context, Toolkit::CControl* control,
                                 const Toolkit::CPoint& where)
{
    if (!isBuilt() || control == nullptr)
        return;
    const std::int32_t tag = control->getTag();
    // Only a parameter has a name, a text and a controller.
    if (tag < 0 || tag >= kParameterCount)
        return;
    Toolkit::CPoint mouse = where;
    if (context != nullptr)
        context->getMouseLocation(mouse);

    auto* menu = new Toolkit::COptionMenu(Toolkit::CRect(mouse.h - kMenuReach, mouse.v - kMenuReach,
                                                         mouse.h + kMenuReach, mouse.v + kMenuReach),
                                          nullptr, kCommandTag, nullptr, nullptr, kPopupWithoutDrawing);
    char text[kTextSize] = {};
    plugin()->getParameterName(tag, text);
    menu->addEntry(std::string("-G").append(text).c_str());
    plugin()->getParameterDisplay(tag, text);
    menu->addEntry(std::string("-G").append(text).c_str());
    menu->addEntry("-");
    const std::int32_t controller = controllerOf(tag);
    menu->addEntry(controller >= 0 ? std::string("-GMidi CC : ").append(std::to_string(controller)).c_str()
                                   : "-GNot Latched");
    menu->addEntry("-");
    for (const char* command : {"Set to Default", "Set to Zero", "Latch to Midi", "Unlatch Midi", "Clear All Midi"})
        menu->addEntry(command);

    frame->addView(menu);
    menu->mouse(context, mouse, Toolkit::kButtonsUnread);
    frame->setFocusView(nullptr);
    switch (menu->getCurrent(nullptr, false)) {
    case kSetToDefault: plugin()->setParameterAutomated(tag, plugin()->getDefaultValues()[tag]); break;
    case kSetToZero: plugin()->setParameterAutomated(tag, plugin()->getZeroValues()[tag]); break;
    case kLatchToMidi:
        plugin()->midiLearnTarget = tag;
        plugin()->midiLatchRequest = true;
        break;
    case kUnlatchMidi:
        plugin()->midiLearnTarget = tag;
        plugin()->midiUnlatchRequest = true;
        break;
    case kClearAllMidi: plugin()->clearMidiCcMap(); break;
    default: break;
    }
    frame->removeView(menu, true);
    frame->setDirty(true);
}
