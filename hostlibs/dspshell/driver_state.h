#pragma once

// The stand-in driver's state, shared by its units. One per process, behind one lock.

#include "hostlibs/dspshell/dsp_shell.h"
#include "hostlibs/withheld_names.h"
#include "platform/clock.h"

#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct DshLockUser {
    DshDSP* dsp;
    int held;
};

namespace dspshell {

inline constexpr std::int16_t kNoObject = -50;

// What sits behind one DSP's host port, and the memory its shell operations reach.
struct DSPBehind {
    std::uint32_t interruptControl = 0;
    std::uint32_t statusFlags = 0;
    std::deque<std::int32_t> receive;
    std::map<std::int32_t, std::int32_t> memory[3];
    std::int32_t controlLatch = 0;
};

// Everything the driver knows. Records live in deques so the pointers handed out stay valid; the
// n-th DSP's behind is the n-th entry of `behind`.
struct Driver {
    std::recursive_mutex lock;
    hostlibs::WithheldNames withheld;
    std::deque<DshCard> cards;
    std::deque<DshDSP> dsps;
    std::deque<DSPBehind> behind;
    std::deque<DshShell> shells;
    std::deque<DshClient> clients;
    std::deque<DshLockUser> lockUsers;
    std::int32_t lockServiceCount = 0;
    std::int16_t startFailure = 0;
    int starts = 0;
    std::vector<std::string> printed;
    std::vector<DshMessage> messages;
    std::int16_t sendAnswer = 0;
    std::vector<std::string> calls;
    platform::ManualClock* stuckClock = nullptr;
};

Driver& driver();
using Guard = std::lock_guard<std::recursive_mutex>;

// Appends "name v1 v2 ..." to the calls.
template <typename... Values>
void record(const char* name, Values... values)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    std::string entry = name;
    ((entry.append(" ").append(std::to_string(values))), ...);
    state.calls.push_back(std::move(entry));
}

// The behind of a DSP record of the driver's, or null.
DSPBehind* behindOf(DshDSP* dsp);
// Gives a new DSP its host port, numbered after its place among the DSPs.
void mapHostPort(DshDSP& dsp, std::size_t number);
// The next word waiting at the DSP's receive register, 0 when none waits.
std::int32_t takeReceiveWord(DSPBehind& behind);

} // namespace dspshell
