#pragma once

// The host reaches the plug-in only through numbered routines: it asks _PI_GetRoutineDescriptor for
// the routine of a selector and calls it as often as it likes. Each routine calls one operation of
// the group's face inside the optional host-lock bracket and the exception barrier.

#include "hostframework/group_call.h"

#include <cstdint>

// A routine as the host receives it; the host calls it with the argument list of its selector.
using HostRoutine = void (*)();

inline constexpr std::uint32_t kRoutineCount = 174;

// Which routines enter the group's host lock: all that run an operation, but for five that ask
// the lock level first.
enum class Bracket { always, atLevel99OrMore, aboveLevel99 };

class CProcessGroupInterface;

// Runs one call on the group: the bracket (when chosen and the lock level is not 0) around the barrier.
std::int32_t callGroupRoutine(CProcessGroupInterface& group, SGenFuncRetLong& call, Bracket bracket);

extern "C" std::int32_t _PI_GetRoutineDescriptor(std::uint32_t selector, HostRoutine* routine);
