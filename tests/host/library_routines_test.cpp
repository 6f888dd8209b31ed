#include "host/library_routines.h"

#include "hostframework/process_group_interface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>

namespace {

using G = CProcessGroupInterface;

// The library makes each routine from one operation of the group, with that operation's arguments.
template <typename Routine, typename Operation>
struct CallsAs : std::false_type {};
template <typename... Args>
struct CallsAs<std::int32_t (*)(Args...), std::int32_t (G::*)(Args...)> : std::true_type {};

template <host::ERoutine Selector, auto Operation>
constexpr bool kSameType = CallsAs<typename host::LibraryRoutine<Selector>::Type, decltype(Operation)>::value;

// A routine called through another function type is undefined even where the records look alike; a
// checking build stops at the call. Nothing at run time shows it, so this is checked where it is made.
TEST(LibraryRoutines, AreCalledThroughTheTypesTheLibraryGivesThem)
{
    EXPECT_TRUE((kSameType<host::kDrawView, &G::DrawView>));
    EXPECT_TRUE((kSameType<host::kHandleKey, &G::HandleKeyEvent>));
    EXPECT_TRUE((kSameType<host::kIdle, &G::HandleIdleEvent>));
    EXPECT_TRUE((kSameType<host::kGetViewRect, &G::GetViewRect>));
    EXPECT_TRUE((kSameType<host::kSetSampleRate, &G::SetSampleRate>));
    EXPECT_TRUE((kSameType<host::kSetComponentDispatcher, &G::HostCall14>));
    EXPECT_TRUE((kSameType<host::kCreateProcess, &G::CreateProcess>));
    EXPECT_TRUE((kSameType<host::kDeleteProcess, &G::DeleteProcess>));
    EXPECT_TRUE((kSameType<host::kIsControlAutomatable, &G::IsControlAutomatable>));
    EXPECT_TRUE((kSameType<host::kGetControlName, &G::GetControlName>));
    EXPECT_TRUE((kSameType<host::kGetControlValue, &G::GetControlValue>));
    EXPECT_TRUE((kSameType<host::kSetControlValue, &G::SetControlValue>));
    EXPECT_TRUE((kSameType<host::kSetViewPort, &G::SetViewPort>));
    EXPECT_TRUE((kSameType<host::kSetViewOrigin, &G::SetViewOrigin>));
    EXPECT_TRUE((kSameType<host::kGetNumChunks, &G::GetNumChunks>));
    EXPECT_TRUE((kSameType<host::kGetChunkID, &G::GetChunkIDByIndex>));
    EXPECT_TRUE((kSameType<host::kGetChunkSize, &G::GetChunkSize>));
    EXPECT_TRUE((kSameType<host::kGetChunk, &G::GetChunk>));
    EXPECT_TRUE((kSameType<host::kSetChunk, &G::SetChunk>));
    EXPECT_TRUE((kSameType<host::kEnableProcessKind, &G::EnableProcessType>));
}

} // namespace
