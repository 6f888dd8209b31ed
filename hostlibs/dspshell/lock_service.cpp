// The DSP lock service: users registered on a DSP take and give back its lock, nesting.

#include "hostlibs/dspshell/driver_state.h"
#include "hostlibs/dspshell/dsp_shell_control.h"

namespace {

using dspshell::driver;
using dspshell::Driver;
using dspshell::Guard;
using dspshell::kNoObject;
using dspshell::record;

// Only a user the service handed out counts; anything else is not one of its users.
DshLockUser* knownUser(Driver& state, DshLockUser* user)
{
    for (DshLockUser& known : state.lockUsers)
        if (&known == user)
            return user;
    return nullptr;
}

} // namespace

extern "C" {

std::int16_t DshGetLockServiceCount(std::int32_t* count)
{
    const Guard guard(driver().lock);
    record("DshGetLockServiceCount");
    if (count == nullptr)
        return kNoObject;
    *count = driver().lockServiceCount;
    return 0;
}

std::int16_t DshRegisterLockUser(DshDSP* dsp, DshLockUser** user)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    record("DshRegisterLockUser");
    if (dspshell::behindOf(dsp) == nullptr || user == nullptr || state.lockServiceCount < 1)
        return kNoObject;
    state.lockUsers.push_back(DshLockUser{dsp, 0});
    *user = &state.lockUsers.back();
    return 0;
}

std::int16_t DshLockDSP(DshLockUser* user)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    record("DshLockDSP");
    if (knownUser(state, user) == nullptr)
        return kNoObject;
    ++user->held;
    return 0;
}

std::int16_t DshUnlockDSP(DshLockUser* user)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    record("DshUnlockDSP");
    if (knownUser(state, user) == nullptr || user->held == 0)
        return kNoObject;
    --user->held;
    return 0;
}

} // extern "C"

namespace dspshell {

void setLockServiceCount(std::int32_t count)
{
    const Guard guard(driver().lock);
    driver().lockServiceCount = count;
}

int heldDSPLocks()
{
    Driver& state = driver();
    const Guard guard(state.lock);
    int held = 0;
    for (const DshLockUser& user : state.lockUsers)
        held += user.held;
    return held;
}

} // namespace dspshell
