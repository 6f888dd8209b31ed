#include "platform/menu/tracked_menus.h"

namespace {

std::vector<platform::TrackedMenu>& records()
{
    static std::vector<platform::TrackedMenu> tracked;
    return tracked;
}

} // namespace

namespace platform {

const std::vector<TrackedMenu>& recordedMenus()
{
    return records();
}

} // namespace platform

namespace platform::menu {

void recordMenu(TrackedMenu tracked)
{
    records().push_back(std::move(tracked));
}

void forgetRecordedMenus()
{
    records().clear();
}

} // namespace platform::menu
