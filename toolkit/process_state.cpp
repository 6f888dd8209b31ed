#include "toolkit/process_state.h"

#include "platform/window/system_metrics.h"

namespace Toolkit {

std::int32_t knobMode = 0;
bool swapButtons = false;

void readSwapButtons()
{
    swapButtons = GetSystemMetrics(SM_SWAPBUTTON) != 0;
}

} // namespace Toolkit
