#include "hostframework/dsp_card/shell_notification.h"

#include "hostlibs/engine/host_engine.h"
#include "platform/four_char_code.h"

#include <atomic>

namespace {

constexpr std::uint32_t kNotificationSelector = FourCharCode("PEN ");

std::atomic<bool> gShellNotification{false};

} // namespace

void UpdateShellNotification()
{
    std::intptr_t answer = 0;
    gShellNotification = HostGestalt(kNotificationSelector, &answer) == 0 && answer > 0;
}

bool IsShellNotificationOn()
{
    return gShellNotification;
}

std::int16_t NotifyShell(const SShellNotification& /*record*/)
{
    return 0;
}
