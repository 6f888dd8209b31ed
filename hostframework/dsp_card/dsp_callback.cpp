#include "hostframework/dsp_card/dsp_callback.h"

#include "hostframework/dsp_card/dsp.h"
#include "hostframework/dsp_card/dsp_objects.h"
#include "hostframework/dsp_card/shell_notification.h"
#include "hostframework/dsp_library.h"
#include "hostframework/host_error.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group_interface.h"

#include <array>

namespace {

constexpr std::int16_t kNoObject = static_cast<std::int16_t>(kHostErrNullValue);
// Nothing may unwind into the shell library; an operation that raises an error answers this.
constexpr std::int16_t kRaised = -1;
constexpr std::int32_t kNotificationVersion = 1;

// The memory operations run inside the group's host-call bracket, as the host's own calls do, so
// that they do not interleave with them.
class HostCallBracket {
public:
    explicit HostCallBracket(bool wanted) : group(wanted && GetLockLevel() != 0 ? gProcessGroup : nullptr)
    {
        if (group != nullptr)
            group->EnterHostCall();
    }
    ~HostCallBracket()
    {
        if (group != nullptr)
            group->LeaveHostCall();
    }
    HostCallBracket(const HostCallBracket&) = delete;
    HostCallBracket& operator=(const HostCallBracket&) = delete;

private:
    CProcessGroupInterface* group;
};

// Runs the work on the DSP's object; kNoObject without one, kRaised when the work throws.
template <typename Work>
std::int16_t onObject(DshDSP* dsp, bool bracketed, Work work) noexcept
{
    try {
        CDSP* object = FindDSPObject(dsp);
        if (object == nullptr)
            return kNoObject;
        const HostCallBracket bracket(bracketed);
        return work(*object);
    } catch (...) {
        return kRaised;
    }
}

template <auto Operation, bool Bracketed, typename = decltype(Operation)>
struct Handler;

template <auto Operation, bool Bracketed, typename... Args>
struct Handler<Operation, Bracketed, std::int16_t (CDSP::*)(Args...)> {
    static std::int16_t Run(DshDSP* dsp, Args... args)
    {
        return onObject(dsp, Bracketed, [&](CDSP& object) { return (object.*Operation)(args...); });
    }
};

std::int16_t notify(std::int32_t kind, DshDSP* dsp)
{
    if (!IsShellNotificationOn())
        return 0;
    return NotifyShell({kNotificationVersion, kind, reinterpret_cast<std::intptr_t>(dsp),
                        reinterpret_cast<std::intptr_t>(GetDSPClient(dsp))});
}

std::int16_t initShell(DshDSP* dsp)
{
    return onObject(dsp, false, [dsp](CDSP& object) {
        const std::int16_t notified = notify(kNotifiedShellInit, dsp);
        return notified != 0 ? notified : object.InitShell();
    });
}

std::int16_t pauseShell(DshDSP* dsp)
{
    return onObject(dsp, false, [dsp](CDSP& object) {
        const std::int16_t paused = object.PauseShell();
        const std::int16_t notified = notify(kNotifiedShellPause, dsp);
        return notified != 0 ? notified : paused;
    });
}

template <typename Routine>
std::intptr_t address(Routine routine)
{
    return reinterpret_cast<std::intptr_t>(routine);
}

// The routines of the selectors from 256 on, in selector order.
const std::array<std::intptr_t, kDshLastHostCodeSelector - kDshFirstHostCodeSelector + 1>& handlers()
{
    static const std::array<std::intptr_t, kDshLastHostCodeSelector - kDshFirstHostCodeSelector + 1> table{
        address(&Handler<&CDSP::GetXWord, true>::Run),
        address(&Handler<&CDSP::GetYWord, true>::Run),
        address(&Handler<&CDSP::GetPWord, true>::Run),
        address(&Handler<&CDSP::ChangeXBits, true>::Run),
        address(&Handler<&CDSP::ChangeYBits, true>::Run),
        address(&Handler<&CDSP::ChangePBits, true>::Run),
        address(&Handler<&CDSP::Execute, false>::Run),
        address(&Handler<&CDSP::SetLeftRightBit, false>::Run),
        address(&Handler<&CDSP::GetControlLatch, false>::Run),
        address(&Handler<&CDSP::SetControlLatch, false>::Run),
        address(&initShell),
        address(&Handler<&CDSP::StartShell, false>::Run),
        address(&pauseShell),
        address(&Handler<&CDSP::ResumeShell, false>::Run),
        address(&Handler<&CDSP::SetInputDelay, false>::Run),
        address(&Handler<&CDSP::SetOutputDelay, false>::Run),
        address(&Handler<&CDSP::UpdateDSPPeripheral, false>::Run),
        address(&Handler<&CDSP::GetDSPCodeInfo, false>::Run),
    };
    return table;
}

} // namespace

std::intptr_t dspCallbackDispatch(std::int32_t selector)
{
    if (selector < kDshFirstHostCodeSelector || selector > kDshLastHostCodeSelector)
        return 0;
    const std::intptr_t handler = handlers()[static_cast<std::size_t>(selector - kDshFirstHostCodeSelector)];
    if (IsShellNotificationOn())
        return NotifyShell({kNotificationVersion, kNotifiedHandler, selector, handler});
    return handler;
}
