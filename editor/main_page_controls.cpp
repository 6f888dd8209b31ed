#include "editor/main_page_controls.h"

#include "editor/control_release.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "toolkit/kick_button.h"

namespace {

using editor::release;

} // namespace

void MainPageControls::forgetAll()
{
    for (std::size_t n = 0; n < madeCount; ++n)
        made[n]->forget();
    *this = MainPageControls{};
}

void OverlayControls::forgetAll()
{
    release(closeButton);
    release(syncSwitch);
    release(keySwitch);
    release(mappingMenu);
}
