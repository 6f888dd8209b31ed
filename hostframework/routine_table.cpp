#include "hostframework/routine_table.h"

#include "hostframework/plugin_library.h"
#include "hostframework/process_group_interface.h"

#include <array>
#include <type_traits>
#include <utility>

namespace {

using G = CProcessGroupInterface;

bool bracketChosen(Bracket bracket)
{
    const std::int32_t level = GetLockLevel();
    if (level == 0)
        return false;
    switch (bracket) {
    case Bracket::always: return true;
    case Bracket::atLevel99OrMore: return level >= 99;
    case Bracket::aboveLevel99: return level > 99;
    }
    return true;
}

// While no group exists there is nothing to call: every routine that needs one answers -7003.
template <typename... Args>
std::int32_t runOnGroup(std::int32_t (G::*operation)(Args...), Bracket bracket, Args... args)
{
    CProcessGroupInterface* group = gProcessGroup;
    if (group == nullptr)
        return kHostErrNoGroup;
    SGroupFunc<Args...> call(*group, operation, args...);
    return callGroupRoutine(*group, call, bracket);
}

template <auto Operation, Bracket When, typename Signature = decltype(Operation)>
struct GroupRoutine;

template <auto Operation, Bracket When, typename... Args>
struct GroupRoutine<Operation, When, std::int32_t (G::*)(Args...)> {
    static std::int32_t Run(Args... args) { return runOnGroup(Operation, When, args...); }
};

template <auto Operation, Bracket When = Bracket::always>
HostRoutine routine()
{
    return reinterpret_cast<HostRoutine>(&GroupRoutine<Operation, When>::Run);
}

template <typename Sequence>
struct NoOperation;

template <std::size_t... I>
struct NoOperation<std::index_sequence<I...>> {
    static std::int32_t Run(std::conditional_t<true, std::int32_t, std::integral_constant<std::size_t, I>>...)
    {
        return 0;
    }
};

// The routines that do nothing but answer 0, with their count of 32-bit arguments.
template <std::size_t Count>
HostRoutine noOperation()
{
    return reinterpret_cast<HostRoutine>(&NoOperation<std::make_index_sequence<Count>>::Run);
}

std::int32_t clearFourthArgumentByte(std::int32_t, std::int32_t, std::int32_t, std::uint8_t* flag, std::int32_t)
{
    if (flag != nullptr)
        *flag = 0;
    return 0;
}

// Selectors 73 and 74 hand the host a pointer instead of an error code: null on failure.
template <std::int32_t (G::*Operation)(std::uint32_t, std::int32_t, std::int32_t, std::intptr_t*)>
std::intptr_t pointerRoutine(std::uint32_t typeID, std::int32_t processID, std::int32_t control)
{
    std::intptr_t pointer = 0;
    const std::int32_t result = runOnGroup(Operation, Bracket::always, typeID, processID, control, &pointer);
    return result == 0 ? pointer : 0;
}

std::int32_t routine90(std::uint32_t typeID, std::int32_t processID, std::int32_t control, std::int32_t value,
                       char* text, std::int32_t length)
{
    return runOnGroup(&G::HostCall90, Bracket::always, G::SControlSpecifier{typeID, processID, control}, value, text,
                      length);
}

std::int32_t routine96(std::uint32_t typeID, std::int32_t processID, std::int16_t a, std::int16_t b, std::int16_t c,
                       std::int16_t* out)
{
    return runOnGroup(&G::HostCall96, Bracket::always, G::SParamSpecifier{typeID, processID, {a, b, c}}, out);
}

std::int32_t routine97(std::uint32_t typeID, std::int32_t processID, std::int16_t a, std::int16_t b, std::int16_t c,
                       std::int16_t arg6, char* text)
{
    return runOnGroup(&G::HostCall97, Bracket::always, G::SParamSpecifier{typeID, processID, {a, b, c}}, arg6, text);
}

std::int32_t routine121(std::uint32_t typeID, std::int32_t processID, std::uint32_t table, std::int16_t entry,
                        std::int16_t arg5, std::int16_t arg6)
{
    return runOnGroup(&G::HostCall121, Bracket::always, G::SProcessSpecifier{typeID, processID}, table, entry, arg5,
                      arg6);
}

std::int32_t routine131(std::uint32_t typeID, std::int32_t processID, std::int32_t control, char* name,
                        std::int32_t length, std::uint32_t arg6, std::int16_t* arg7)
{
    return runOnGroup(&G::HostCall131, Bracket::always, G::SControlSpecifier{typeID, processID, control}, name, length,
                      arg6, arg7);
}

std::int32_t routine138(SHostPlugInSpec* record, std::int32_t arg2, std::int32_t arg3, std::int32_t arg4,
                        std::int32_t arg5, std::int32_t arg6)
{
    return runOnGroup(&G::HostCall138, Bracket::always, record, arg2, G::SStemSpecifier{arg5, arg3},
                      G::SStemSpecifier{arg6, arg4});
}

const std::array<HostRoutine, kRoutineCount>& routineTable()
{
    static const std::array<HostRoutine, kRoutineCount> table = {
        routine<&G::DrawView, Bracket::atLevel99OrMore>(), // 0
        routine<&G::HandleViewEvent>(), // 1
        routine<&G::HandleKeyEvent>(), // 2
        routine<&G::HandleIdleEvent>(), // 3
        routine<&G::GetViewRect>(), // 4
        routine<&G::GetTypeName>(), // 5
        routine<&G::HostCall6>(), // 6
        routine<&G::SetSampleRate>(), // 7
        routine<&G::ShowView>(), // 8
        routine<&G::HideView>(), // 9
        routine<&G::GetNumInputs>(), // 10
        nullptr, // 11
        routine<&G::HostCall12>(), // 12
        nullptr, // 13
        routine<&G::HostCall14>(), // 14
        routine<&G::HostCall15>(), // 15
        routine<&G::HostCall16>(), // 16
        routine<&G::GetNumOutputs>(), // 17
        routine<&G::HostCall18>(), // 18
        routine<&G::CreateProcess>(), // 19
        routine<&G::DeleteProcess>(), // 20
        nullptr, // 21
        routine<&G::GetNumProcessTypes>(), // 22
        routine<&G::SetFormatA>(), // 23
        routine<&G::SetFormatB>(), // 24
        routine<&G::HostCall25>(), // 25
        nullptr, // 26
        routine<&G::HostCall27>(), // 27
        routine<&G::HostCall28>(), // 28
        routine<&G::HostCall29>(), // 29
        routine<&G::HostCall30>(), // 30
        routine<&G::HostCall31>(), // 31
        routine<&G::HostCall32>(), // 32
        routine<&G::HostCall33>(), // 33
        nullptr, // 34
        routine<&G::HostCall35>(), // 35
        routine<&G::HostCall36>(), // 36
        routine<&G::HostCall37>(), // 37
        routine<&G::HostCall38>(), // 38
        routine<&G::SetBypass>(), // 39
        routine<&G::GetNumControls>(), // 40
        routine<&G::IsControlAutomatable>(), // 41
        routine<&G::GetControlNumSteps>(), // 42
        noOperation<4>(), // 43
        routine<&G::GetControlName>(), // 44
        routine<&G::GetControlValue>(), // 45
        routine<&G::SetControlValue>(), // 46
        routine<&G::SetViewPort, Bracket::atLevel99OrMore>(), // 47
        routine<&G::SetViewOrigin>(), // 48
        routine<&G::HostCall49>(), // 49
        routine<&G::HostCall50>(), // 50
        routine<&G::GetBypass>(), // 51
        routine<&G::HostCall52>(), // 52
        routine<&G::HostCall53>(), // 53
        routine<&G::HostCall54>(), // 54
        routine<&G::HostCall55>(), // 55
        noOperation<1>(), // 56
        noOperation<1>(), // 57
        noOperation<1>(), // 58
        routine<&G::HostCall59>(), // 59
        nullptr, // 60
        nullptr, // 61
        routine<&G::GetNumChunks>(), // 62
        routine<&G::GetChunkIDByIndex>(), // 63
        routine<&G::GetChunkName>(), // 64
        routine<&G::GetChunkSize>(), // 65
        routine<&G::GetChunk>(), // 66
        routine<&G::SetChunk>(), // 67
        routine<&G::HostCall68>(), // 68
        routine<&G::HostCall69>(), // 69
        routine<&G::HostCall70>(), // 70
        routine<&G::HostCall71>(), // 71
        routine<&G::HostCall72>(), // 72
        reinterpret_cast<HostRoutine>(&pointerRoutine<&G::HostCall73>), // 73
        reinterpret_cast<HostRoutine>(&pointerRoutine<&G::HostCall74>), // 74
        routine<&G::HostCall75, Bracket::aboveLevel99>(), // 75
        noOperation<2>(), // 76
        noOperation<1>(), // 77
        noOperation<2>(), // 78
        routine<&G::HostCall79>(), // 79
        routine<&G::GetShortValue>(), // 80
        routine<&G::IncrementControlValue>(), // 81
        routine<&G::GetControlAttributeA>(), // 82
        noOperation<1>(), // 83
        noOperation<2>(), // 84
        routine<&G::GetSDSNameID>(), // 85
        routine<&G::GetControlSDSNameID>(), // 86
        routine<&G::GetControlAtPoint>(), // 87
        routine<&G::GetControlAttributeC>(), // 88
        routine<&G::GetControlAttributeB>(), // 89
        reinterpret_cast<HostRoutine>(&routine90), // 90
        routine<&G::EnableProcessType>(), // 91
        routine<&G::GetTypeKind>(), // 92
        routine<&G::HostCall93>(), // 93
        routine<&G::HostCall94>(), // 94
        routine<&G::HostCall95>(), // 95
        reinterpret_cast<HostRoutine>(&routine96), // 96
        reinterpret_cast<HostRoutine>(&routine97), // 97
        reinterpret_cast<HostRoutine>(&clearFourthArgumentByte), // 98
        routine<&G::ApplyControlValue>(), // 99
        routine<&G::ApplyControlValueDelta>(), // 100
        routine<&G::HostCall101>(), // 101
        routine<&G::HostCall102>(), // 102
        routine<&G::HostCall103>(), // 103
        routine<&G::HostCall104>(), // 104
        routine<&G::HostCall105, Bracket::aboveLevel99>(), // 105
        nullptr, // 106
        nullptr, // 107
        routine<&G::GetInfoText>(), // 108
        routine<&G::GetControlDefaultValue>(), // 109
        routine<&G::GetChangeCount>(), // 110
        routine<&G::SetTimeCodeInfo>(), // 111
        noOperation<3>(), // 112
        noOperation<4>(), // 113
        noOperation<4>(), // 114
        noOperation<3>(), // 115
        noOperation<4>(), // 116
        noOperation<4>(), // 117
        noOperation<3>(), // 118
        noOperation<3>(), // 119
        routine<&G::GetTableEntryCount>(), // 120
        reinterpret_cast<HostRoutine>(&routine121), // 121
        routine<&G::HostCall122>(), // 122
        routine<&G::HostCall123>(), // 123
        routine<&G::HostCall124>(), // 124
        routine<&G::HostCall125>(), // 125
        routine<&G::GetControlHighlight>(), // 126
        routine<&G::SetControlHighlight>(), // 127
        routine<&G::CompareChunk>(), // 128
        routine<&G::HasTableEntry>(), // 129
        routine<&G::SetHostWord>(), // 130
        reinterpret_cast<HostRoutine>(&routine131), // 131
        routine<&G::GetMasterBypassControl>(), // 132
        routine<&G::HostCall133>(), // 133
        routine<&G::HostCall134>(), // 134
        routine<&G::QueryTypeFlags>(), // 135
        routine<&G::HostCall136>(), // 136
        routine<&G::GetStemFormats>(), // 137
        reinterpret_cast<HostRoutine>(&routine138), // 138
        routine<&G::SetPlugInSpec>(), // 139
        routine<&G::GetPlugInSpec>(), // 140
        routine<&G::HostCall141>(), // 141
        routine<&G::HostCall142>(), // 142
        routine<&G::HostCall143>(), // 143
        routine<&G::HostCall144, Bracket::aboveLevel99>(), // 144
        routine<&G::GetLongValue>(), // 145
        routine<&G::GetMeterOrientation>(), // 146
        routine<&G::GetNumMeters>(), // 147
        routine<&G::GetMeterOfType>(), // 148
        routine<&G::GetClipIndicator>(), // 149
        routine<&G::ClearClipIndicators>(), // 150
        routine<&G::HostCall151>(), // 151
        routine<&G::HostCall152>(), // 152
        routine<&G::HostCall153>(), // 153
        routine<&G::HostCall154>(), // 154
        routine<&G::HostCall155>(), // 155
        routine<&G::HostCall156>(), // 156
        routine<&G::HostCall157>(), // 157
        routine<&G::HostCall158>(), // 158
        routine<&G::HostCall159>(), // 159
        routine<&G::HostCall160>(), // 160
        routine<&G::HostCall161>(), // 161
        routine<&G::HostCall162>(), // 162
        routine<&G::HostCall163>(), // 163
        routine<&G::HostCall164>(), // 164
        routine<&G::HostCall165>(), // 165
        routine<&G::HostCall166>(), // 166
        routine<&G::HostCall167>(), // 167
        routine<&G::HostCall168>(), // 168
        routine<&G::HostCall169>(), // 169
        routine<&G::HostCall170>(), // 170
        routine<&G::HostCall171>(), // 171
        routine<&G::HostCall172>(), // 172
        routine<&G::HostCall173>(), // 173
    };
    return table;
}

} // namespace

std::int32_t callGroupRoutine(CProcessGroupInterface& group, SGenFuncRetLong& call, Bracket bracket)
{
    // Decided once, so that a call that changes the lock level still leaves what it entered.
    const bool bracketed = bracketChosen(bracket);
    if (bracketed)
        group.EnterHostCall();
    const std::int32_t result = groupCallBarrier(call);
    if (bracketed)
        group.LeaveHostCall();
    return result;
}

extern "C" std::int32_t _PI_GetRoutineDescriptor(std::uint32_t selector, HostRoutine* routine)
{
    if (routine != nullptr)
        *routine = nullptr;
    if (selector >= kRoutineCount)
        return kHostErrNoRoutine;
    const HostRoutine found = routineTable()[selector];
    if (found == nullptr)
        return kHostErrNoRoutine;
    if (routine != nullptr)
        *routine = found;
    return 0;
}
