#include "hostlibs/extension/menu_state.h"

#include "platform/window/system_metrics.h"

namespace {

using hostext::menuState;

// The window stand-in's screen, as it is now.
void followWindowScreen()
{
    menuState().main.rect = {0, 0, static_cast<std::int16_t>(GetSystemMetrics(SM_CYSCREEN)),
                             static_cast<std::int16_t>(GetSystemMetrics(SM_CXSCREEN))};
}

} // namespace

extern "C" {

HostScreen HostExtGetMainScreen()
{
    if (!menuState().testScreens)
        followWindowScreen();
    return &menuState().main;
}

HostScreen HostExtGetNextScreen(HostScreen screen)
{
    return screen == &menuState().main && menuState().testScreens ? &menuState().second : nullptr;
}

void HostExtGetScreenRect(HostScreen screen, HostRect* rect)
{
    if (screen == nullptr || rect == nullptr)
        return;
    if (screen == &menuState().main && !menuState().testScreens)
        followWindowScreen();
    *rect = screen->rect;
}

} // extern "C"

namespace hostext {

void useTestScreens(const HostRect& main, const HostRect& second)
{
    menuState().testScreens = true;
    menuState().main.rect = main;
    menuState().second.rect = second;
}

} // namespace hostext
