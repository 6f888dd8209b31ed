#pragma once

// The library's routines that this host calls, by selector, each with the argument list the library
// gives it. A routine called through any other function type is undefined behaviour, even where the
// records have the same layout, so the types come from the records the library declares.

#include "hostframework/host_records.h"

#include <cstdint>

namespace host {

enum ERoutine : std::uint32_t {
    kDrawView = 0,
    kHandleKey = 2,
    kIdle = 3,
    kGetViewRect = 4,
    kSetSampleRate = 7,
    kSetComponentDispatcher = 14,
    kCreateProcess = 19,
    kDeleteProcess = 20,
    kIsControlAutomatable = 41,
    kGetControlName = 44,
    kGetControlValue = 45,
    kSetControlValue = 46,
    kSetViewPort = 47,
    kSetViewOrigin = 48,
    kGetNumChunks = 62,
    kGetChunkID = 63,
    kGetChunkSize = 65,
    kGetChunk = 66,
    kSetChunk = 67,
    kGetControlValueText = 90,
    kEnableProcessKind = 91,
};

template <ERoutine Selector>
struct LibraryRoutine;

// Most routines name the plug-in type and the instance first.
template <typename... Rest>
using InstanceRoutine = std::int32_t (*)(std::uint32_t typeID, std::int32_t processID, Rest...);

template <> struct LibraryRoutine<kDrawView> { using Type = InstanceRoutine<Rect*>; };
template <> struct LibraryRoutine<kHandleKey> { using Type = InstanceRoutine<EventRecord*, std::uint8_t*>; };
template <> struct LibraryRoutine<kIdle> { using Type = InstanceRoutine<EventRecord*>; };
template <> struct LibraryRoutine<kGetViewRect> { using Type = InstanceRoutine<Rect*>; };
template <> struct LibraryRoutine<kSetSampleRate> { using Type = std::int32_t (*)(std::int32_t); };
template <> struct LibraryRoutine<kSetComponentDispatcher> { using Type = std::int32_t (*)(ComponentDispatcher); };
template <> struct LibraryRoutine<kCreateProcess> { using Type = std::int32_t (*)(std::uint32_t, std::int32_t*); };
template <> struct LibraryRoutine<kDeleteProcess> { using Type = InstanceRoutine<>; };
template <> struct LibraryRoutine<kIsControlAutomatable> { using Type = InstanceRoutine<std::int32_t, std::int16_t*>; };
template <> struct LibraryRoutine<kGetControlName> { using Type = InstanceRoutine<std::int32_t, char*>; };
template <> struct LibraryRoutine<kGetControlValue> { using Type = InstanceRoutine<std::int32_t, std::int32_t*>; };
template <> struct LibraryRoutine<kSetControlValue> { using Type = InstanceRoutine<std::int32_t, std::int32_t>; };
template <> struct LibraryRoutine<kSetViewPort> { using Type = InstanceRoutine<OpaqueGrafPtr*>; };
template <> struct LibraryRoutine<kSetViewOrigin> { using Type = InstanceRoutine<Point>; };
template <> struct LibraryRoutine<kGetNumChunks> { using Type = InstanceRoutine<std::int32_t*>; };
template <> struct LibraryRoutine<kGetChunkID> { using Type = InstanceRoutine<std::int32_t, std::uint32_t*>; };
template <> struct LibraryRoutine<kGetChunkSize> { using Type = InstanceRoutine<std::uint32_t, std::int32_t*>; };
template <> struct LibraryRoutine<kGetChunk> { using Type = InstanceRoutine<std::uint32_t, SHostPlugInChunk*>; };
template <> struct LibraryRoutine<kSetChunk> { using Type = InstanceRoutine<std::uint32_t, SHostPlugInChunk*>; };
template <> struct LibraryRoutine<kGetControlValueText> {
    using Type = InstanceRoutine<std::int32_t, std::int32_t, char*, std::int32_t>;
};
template <> struct LibraryRoutine<kEnableProcessKind> { using Type = std::int32_t (*)(std::int32_t); };

} // namespace host
