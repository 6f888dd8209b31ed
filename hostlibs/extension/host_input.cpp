#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_graphics_types.h"

#include "platform/clock.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

// The host's input and time are the window stand-in's: the mouse and keys where scripted input (or the
// desktop) puts them, and its clock, so that one script drives the host's windows and its toolbox alike.

namespace {

struct ModifierKey {
    int virtualKey;
    int hostKey;
    std::int16_t modifier;
};

constexpr ModifierKey kModifierKeys[] = {
    {VK_CONTROL, 0x37, kHostCommandKeyModifier},
    {VK_SHIFT, 0x38, kHostShiftKeyModifier},
    {VK_MENU, 0x3A, kHostOptionKeyModifier},
};

bool held(int virtualKey)
{
    return GetAsyncKeyState(virtualKey) < 0;
}

HostPoint screenMouse()
{
    POINT place{0, 0};
    GetCursorPos(&place);
    return {static_cast<std::int16_t>(place.y), static_cast<std::int16_t>(place.x)};
}

} // namespace

extern "C" {

void HostExtGetKeys(std::uint8_t keys[16])
{
    if (keys == nullptr)
        return;
    for (int n = 0; n < 16; ++n)
        keys[n] = 0;
    for (const ModifierKey& key : kModifierKeys)
        if (held(key.virtualKey))
            keys[key.hostKey / 8] = static_cast<std::uint8_t>(keys[key.hostKey / 8] | 1u << (key.hostKey % 8));
}

void HostExtGetMouse(HostPoint* point)
{
    if (point == nullptr)
        return;
    *point = screenMouse();
    HostExtGlobalToLocal(point);
}

bool HostExtButton()
{
    return held(VK_LBUTTON);
}

// Input arrives when it is read, so a release shows only once it is due: until then the button is still
// held.
bool HostExtStillDown()
{
    return held(VK_LBUTTON);
}

void HostExtMakeEventRecord(std::int16_t what, std::int32_t message, HostEventRecord* event)
{
    if (event == nullptr)
        return;
    // Reads of the input may let time pass: the event is of the moment it was asked for.
    const DWORD when = GetTickCount();
    std::int16_t modifiers = 0;
    for (const ModifierKey& key : kModifierKeys)
        if (held(key.virtualKey))
            modifiers = static_cast<std::int16_t>(modifiers | key.modifier);
    *event = {what, message, when, screenMouse(), modifiers};
}

std::uint32_t HostExtTickCount()
{
    return GetTickCount();
}

std::uint32_t HostExtDelay(std::uint32_t ticks)
{
    Sleep(ticks);
    return GetTickCount();
}

} // extern "C"
