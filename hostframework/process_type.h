#pragma once

// One kind of plug-in the group offers the host. It owns the live processes of that kind, finds
// them by id and forwards the host's routines to them, and keeps a small cache of the type's host
// resources.

#include "hostframework/host_error.h"
#include "hostframework/host_records.h"
#include "hostframework/process.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CProcessGroup;

// A resource copied out of the host resource file, with two zero bytes after its data.
struct SResourceBuffer {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
};

class CProcessType {
public:
    static constexpr std::size_t kCacheEntries = 10;

    CProcessType();
    CProcessType(const CProcessType&) = delete;
    CProcessType& operator=(const CProcessType&) = delete;

    virtual void Initialize() {}
    virtual void DeleteAllProcesses();
    virtual CProcessType* SetProcessGroup(CProcessGroup* group)
    {
        processGroup = group;
        return this;
    }
    virtual std::int32_t GetNumProcesses() { return static_cast<std::int32_t>(processes.size()); }
    virtual void SetIndexA(std::int16_t index);
    virtual std::int32_t DrawView(std::int32_t processID, Rect* rect)
        { return forward(processID, kHostErrNoProcess, &CProcess::DrawView, rect); }
    virtual std::int32_t HandleViewEvent(std::int32_t processID, EventRecord* event)
        { return forward(processID, kHostErrNoProcess, &CProcess::HandleViewEvent, event); }
    virtual std::int32_t HandleKeyEvent(std::int32_t processID, EventRecord* event, std::uint8_t* handled)
        { return forward(processID, kHostErrNoProcess, &CProcess::HandleKeyEvent, event, handled); }
    virtual std::int32_t HostCall15(std::int32_t /*processID*/, EventRecord* /*event*/) { return 0; }
    virtual std::int32_t Idle(std::int32_t processID, EventRecord* event)
        { return forwardThenZero(processID, kHostErrNoProcess, &CProcess::Idle, event); }
    virtual std::int32_t GetViewRect(std::int32_t processID, Rect* rect)
        { return forwardThenZero(processID, kHostErrNoProcess, &CProcess::GetViewRect, rect); }
    virtual std::int32_t SetViewPort(std::int32_t processID, OpaqueGrafPtr* port)
        { return forwardThenZero(processID, kHostErrNoProcess, &CProcess::SetViewPort, port); }
    virtual std::int32_t SetViewOrigin(std::int32_t processID, Point origin)
        { return forwardThenZero(processID, kHostErrNoProcess, &CProcess::SetViewOrigin, origin); }
    virtual std::int32_t HostCall25(std::int32_t* value) { return setOut(value, 0); }
    virtual std::int32_t GetName(std::int32_t maxLength, char* name);
    virtual std::int32_t SetSampleRate(std::int32_t rate);
    virtual std::int32_t SetProcessWord(std::int32_t word);
    virtual std::int32_t SetHostPair(const std::int32_t pair[2]);
    virtual std::int32_t GetTypeID(std::uint32_t* id);
    virtual std::int32_t ActivateView(std::int32_t processID)
        { return forward(processID, kHostErrNoProcess, &CProcess::ActivateView); }
    virtual std::int32_t DeactivateView(std::int32_t processID)
        { return forward(processID, kHostErrNoProcess, &CProcess::DeactivateView); }
    virtual std::int32_t GetStemFormats(std::int32_t processID, SHostPlugInStemFormats* formats);
    virtual std::int32_t GetNumInputs(std::int32_t processID, std::int16_t* count) = 0;
    virtual std::int32_t GetNumOutputs(std::int32_t processID, std::int16_t* count) = 0;
    virtual std::int32_t SetBypass(std::int32_t processID, std::int32_t control, std::uint8_t bypass)
        { return forward(processID, kHostErrNoProcess, &CProcess::SetBypass, control, bypass); }
    virtual std::int32_t Reserved1() { return 0; }
    virtual std::int32_t Reserved2() { return 0; }
    virtual std::int32_t CreateProcess(std::int32_t* newProcessID);
    virtual std::int32_t HostCall144(std::int32_t processID)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall144); }
    virtual std::int32_t DeleteProcess(std::int32_t processID);
    virtual std::int32_t SetFormatA(std::int32_t processID, std::int16_t format)
        { return forward(processID, kHostErrNoProcess, &CProcess::SetFormatA, format); }
    virtual std::int32_t SetFormatB(std::int32_t processID, std::int16_t format)
        { return forward(processID, kHostErrNoProcess, &CProcess::SetFormatB, format); }
    virtual std::int32_t HostCall79(std::int16_t* value) { return setOut(value, 0); }
    virtual std::int32_t HostCall27(std::int32_t processID, std::int32_t arg2, std::uint8_t* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall27, arg2, arg3); }
    virtual std::int32_t HostCall28(std::int32_t processID, std::int32_t arg2, std::uint8_t* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall28, arg2, arg3); }
    virtual std::int32_t HostCall29(std::int32_t processID, std::int32_t arg2, std::uint8_t* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall29, arg2, arg3); }
    virtual std::int32_t HostCall30(std::int32_t processID, std::int32_t arg2, std::int32_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall30, arg2, arg3); }
    virtual std::int32_t HostCall31(std::int32_t processID, std::int32_t arg2, std::int32_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall31, arg2, arg3); }
    virtual std::int32_t HostCall32(std::int32_t processID, std::int32_t arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall32, arg2); }
    virtual std::int32_t HostCall33(std::int32_t processID, std::int32_t arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall33, arg2); }
    virtual std::int32_t GetRefA(std::int32_t processID, std::int32_t* value);
    virtual std::int32_t GetRefB(std::int32_t processID, std::int32_t* value);
    virtual std::int32_t GetNumControls(std::int32_t processID, std::int16_t* count)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetNumControls, count); }
    virtual std::int32_t GetBypassControlIndex(std::int32_t processID, std::int32_t* control)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetBypassControlIndex, control); }
    virtual std::int32_t IsControlAutomatable(std::int32_t processID, std::int32_t control, std::int16_t* automatable)
        { return forward(processID, kHostErrNoProcess, &CProcess::IsControlAutomatable, control, automatable); }
    virtual std::int32_t GetControlNumSteps(std::int32_t processID, std::int32_t control, std::int32_t* steps)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlNumSteps, control, steps); }
    virtual std::int32_t GetControlName(std::int32_t processID, std::int32_t control, char* name)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlName, control, name); }
    virtual std::int32_t GetControlNameOfLength(std::int32_t processID, std::int32_t control, char* name,
            std::int32_t length, std::uint32_t arg5, std::int16_t* arg6)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlNameOfLength, control, name, length, arg5, arg6); }
    virtual std::int32_t GetControlValue(std::int32_t processID, std::int32_t control, std::int32_t* value)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlValue, control, value); }
    virtual std::int32_t SetControlValue(std::int32_t processID, std::int32_t control, std::int32_t value)
        { return forward(processID, kHostErrNoProcess, &CProcess::SetControlValue, control, value); }
    virtual std::int32_t HostCall49(std::int32_t processID, std::int32_t arg2, SHostAutoTimeRampData* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall49, arg2, arg3); }
    virtual std::int32_t OptionalHook2(std::int32_t processID, std::int32_t control, std::intptr_t* arg2)
        { return forward(processID, 0, &CProcess::OptionalHook2, control, arg2); }
    virtual std::int32_t OptionalHook3(std::int32_t processID, std::int32_t control, std::intptr_t* arg2)
        { return forward(processID, 0, &CProcess::OptionalHook3, control, arg2); }
    virtual std::int32_t GetTableEntryCount(std::int32_t processID, std::uint32_t table, std::int16_t entry)
        { return forward(processID, 0, &CProcess::GetTableEntryCount, table, entry); }
    virtual std::int32_t GetTableEntryValue(std::int32_t processID, std::uint32_t table, std::int16_t entry,
            std::int16_t arg4, std::int16_t arg5)
        { return forward(processID, 0, &CProcess::GetTableEntryValue, table, entry, arg4, arg5); }
    virtual std::int32_t HasTableEntry(std::int32_t processID, std::uint32_t table, std::int16_t entry)
        { return forward(processID, 0, &CProcess::HasTableEntry, table, entry); }
    virtual std::int32_t HostCall166(std::int32_t processID, char* text, std::int32_t* value);
    virtual std::int32_t HostCall167(std::int32_t processID, std::int32_t* value);
    virtual std::int32_t GetBypass(std::int32_t processID, std::int32_t control, std::uint8_t* bypass)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetBypass, control, bypass); }
    virtual std::int32_t HostCall50(std::int32_t processID, std::int32_t arg2, std::uint8_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall50, arg2, arg3); }
    virtual std::int32_t HostCall52(std::int32_t processID, std::int32_t arg2, std::uint8_t* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall52, arg2, arg3); }
    virtual std::int32_t HostCall134(std::int32_t processID, std::uint32_t* value);
    virtual std::int32_t QueryTypeFlags(std::int32_t processID, std::uint32_t query, std::uint32_t* flags)
        { return forward(processID, kHostErrNoProcess, &CProcess::QueryTypeFlags, query, flags); }
    virtual std::int32_t HostCall133(std::int32_t /*processID*/, std::uint32_t /*arg2*/, std::uint32_t /*arg3*/,
                                     std::int32_t* value)
    {
        return setOut(value, 1);
    }
    virtual std::int32_t GetMeterCount(std::int32_t processID, std::int32_t* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetMeterCount, arg2); }
    virtual std::int32_t GetMeterLevel(std::int32_t processID, std::int32_t arg2, std::int32_t* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetMeterLevel, arg2, arg3); }
    virtual std::int32_t HostCall55(std::int32_t processID, std::int32_t arg2, char* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall55, arg2, arg3); }
    virtual std::int32_t GetMeterOrientation(std::int32_t processID, std::int32_t meter,
            EMeterOrientation* orientation)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetMeterOrientation, meter, orientation); }
    virtual std::int32_t GetNumMeters(std::int32_t processID, EMeterType meterType, std::int32_t* count)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetNumMeters, meterType, count); }
    virtual std::int32_t GetMeterOfType(std::int32_t processID, EMeterType meterType, std::int32_t index,
            std::int32_t* meter)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetMeterOfType, meterType, index, meter); }
    virtual std::int32_t GetClipIndicator(std::int32_t processID, std::uint8_t* clipped)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetClipIndicator, clipped); }
    virtual std::int32_t ClearClipIndicators(std::int32_t processID)
        { return forward(processID, kHostErrNoProcess, &CProcess::ClearClipIndicators); }
    virtual std::int32_t HostCall160(std::int32_t processID, std::int32_t arg2, std::int32_t arg3, std::uint8_t arg4)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall160, arg2, arg3, arg4); }
    virtual std::int32_t HostCall161(std::int32_t processID, std::uint8_t* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall161, arg2); }
    virtual std::int32_t HostCall162(std::int32_t processID, std::int32_t arg2, void* arg3, std::uint8_t* arg4)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall162, arg2, arg3, arg4); }
    virtual std::int32_t HostCall163(std::int32_t processID)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall163); }
    virtual std::int32_t HostCall164(std::int32_t processID, std::int32_t arg2, std::int32_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall164, arg2, arg3); }
    virtual std::int32_t GetNumChunks(std::int32_t processID, std::int32_t* count)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetNumChunks, count); }
    virtual std::int32_t GetChunkID(std::int32_t processID, std::int32_t index, std::uint32_t* chunkID)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetChunkID, index, chunkID); }
    virtual std::int32_t GetChunkName(std::int32_t processID, std::uint32_t chunkID, std::uint8_t* name)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetChunkName, chunkID, name); }
    virtual std::int32_t GetChunkSize(std::int32_t processID, std::uint32_t chunkID, std::int32_t* size)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetChunkSize, chunkID, size); }
    virtual std::int32_t GetChunk(std::int32_t processID, std::uint32_t chunkID, SHostPlugInChunk* chunk)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetChunk, chunkID, chunk); }
    virtual std::int32_t SetChunk(std::int32_t processID, std::uint32_t chunkID, SHostPlugInChunk* chunk)
        { return forward(processID, kHostErrNoProcess, &CProcess::SetChunk, chunkID, chunk); }
    virtual std::int32_t CompareChunk(std::int32_t processID, SHostPlugInChunk* chunk, std::uint8_t* same)
        { return forward(processID, kHostErrNoProcess, &CProcess::CompareChunk, chunk, same); }
    virtual std::int32_t HostCall165(std::int32_t processID, char* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall165, arg2); }
    virtual std::int32_t HostCall171(std::int32_t processID, void* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall171, arg2); }
    virtual std::int32_t GetChangeCount(std::int32_t processID, std::int32_t* count)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetChangeCount, count); }
    virtual std::int32_t SetProcessFlagA(std::uint8_t flag);
    virtual std::int32_t HostCall71(std::int32_t processID, std::int32_t arg2, std::uint8_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall71, arg2, arg3); }
    virtual std::int32_t SetProcessFlagB(std::uint8_t flag);
    virtual std::int16_t GetIndexA(std::int16_t* index)
    {
        setOut(index, typeIndex);
        return typeIndex;
    }
    virtual std::int32_t GetShortValue(std::int32_t processID, std::int16_t* value)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetShortValue, value); }
    virtual std::int32_t GetLongValue(std::int32_t processID, std::int32_t* value)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetLongValue, value); }
    virtual std::int32_t GetTypeKind(std::int32_t* kind) { return setOut(kind, typeKind); }
    virtual std::int32_t GetTypeAttribute(std::int32_t /*attribute*/, std::int32_t* /*value*/) { return 0; }
    // Whether a process of the type may take a stream format for its inputs (A) or outputs (B); a
    // type that fixes no format takes any.
    virtual bool AllowsFormatA(std::int16_t /*format*/) { return true; }
    virtual bool AllowsFormatB(std::int16_t /*format*/) { return true; }
    virtual std::int32_t GetChunkAltName(std::int32_t processID, std::int32_t kind, std::uint8_t* text)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetChunkAltName, kind, text); }
    virtual std::int32_t HostCall94(std::int32_t processID, std::int16_t arg2, std::int16_t arg3, char* arg4)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall94, arg2, arg3, arg4); }
    virtual std::int32_t HostCall95(std::int32_t processID, std::int16_t arg2, std::int16_t arg3, char* arg4)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall95, arg2, arg3, arg4); }
    virtual std::int32_t OptionalHook6(std::int32_t processID, std::int16_t arg2, std::int16_t arg3,
            std::int16_t arg4, std::int16_t* arg5)
        { return forward(processID, kHostErrNoProcess, &CProcess::OptionalHook6, arg2, arg3, arg4, arg5); }
    virtual std::int32_t OptionalHook7(std::int32_t processID, std::int16_t arg2, std::int16_t arg3,
            std::int16_t arg4, std::int16_t arg5, char* arg6)
        { return forward(processID, kHostErrNoProcess, &CProcess::OptionalHook7, arg2, arg3, arg4, arg5, arg6); }
    virtual std::int32_t HostCall101(std::int32_t processID)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall101); }
    virtual std::int32_t HostCall102(std::int32_t processID, std::int32_t arg2, std::int32_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall102, arg2, arg3); }
    virtual std::int32_t HostCall103(std::int32_t processID, std::int16_t arg2, std::int32_t arg3, std::int32_t* arg4)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall103, arg2, arg3, arg4); }
    virtual std::int32_t HostCall104(std::int32_t processID, std::int32_t* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall104, arg2); }
    virtual std::int32_t HostCall105(std::int32_t processID, std::int32_t* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall105, arg2); }
    virtual std::int32_t IncrementControlValue(std::int32_t processID, std::int32_t control, std::int32_t delta)
        { return forward(processID, kHostErrNoProcess, &CProcess::IncrementControlValue, control, delta); }
    virtual std::int32_t GetControlAttributeA(std::int32_t processID, std::int32_t control, std::int32_t* value)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlAttributeA, control, value); }
    virtual std::int32_t GetSDSNameID(std::int32_t processID, void** nameID)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetSDSNameID, nameID); }
    virtual std::int32_t GetControlSDSNameID(std::int32_t processID, std::int32_t control, void** nameID)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlSDSNameID, control, nameID); }
    virtual std::int32_t GetControlAttributeC(std::int32_t processID, std::int32_t control, std::int32_t* value)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlAttributeC, control, value); }
    virtual std::int32_t GetControlAttributeB(std::int32_t processID, std::int32_t control, std::int32_t* value)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlAttributeB, control, value); }
    virtual std::int32_t GetControlValueTextOfLength(std::int32_t processID, std::int32_t control,
            std::int32_t value, char* text, std::int32_t length)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlValueTextOfLength, control, value, text, length); }
    virtual std::int32_t GetControlHighlight(std::int32_t processID, std::int32_t control, std::int16_t* on,
            std::int16_t* colour)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlHighlight, control, on, colour); }
    virtual std::int32_t SetControlHighlight(std::int32_t processID, std::int32_t control, std::int16_t on,
            std::int16_t colour)
        { return forward(processID, kHostErrNoProcess, &CProcess::SetControlHighlight, control, on, colour); }
    virtual std::int32_t ApplyControlValue(std::int32_t processID, std::int32_t control, std::int32_t value)
        { return forward(processID, kHostErrNoProcess, &CProcess::ApplyControlValue, control, value); }
    virtual std::int32_t IncrementControlValueNow(std::int32_t processID, std::int32_t control, std::int32_t delta)
        { return forward(processID, kHostErrNoProcess, &CProcess::IncrementControlValueNow, control, delta); }
    virtual std::int32_t GetControlAtPoint(std::int32_t processID, Point where, std::int32_t* control)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlAtPoint, where, control); }
    virtual std::int32_t GetControlDefaultValue(std::int32_t processID, std::int32_t control, std::int32_t* value)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetControlDefaultValue, control, value); }
    virtual std::int32_t HostCall156(std::int32_t processID, std::int32_t arg2, std::int32_t arg3, std::int32_t arg4,
            std::int32_t* arg5)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall156, arg2, arg3, arg4, arg5); }
    virtual std::int32_t HostCall59(std::int32_t /*processID*/, std::int32_t /*arg2*/, std::int32_t /*arg3*/,
                                    std::int16_t* /*arg4*/)
    {
        return 0;
    }
    virtual std::int32_t SetProcessRecord(std::int32_t first, std::int32_t second);
    virtual void LoadResourceCache();
    virtual SResourceBuffer LoadTypeResource(std::uint32_t kind);
    virtual std::uint8_t* GetCachedResource(std::uint32_t kind);
    virtual void GetTypeIDString(std::uint8_t* text);
    virtual std::int32_t SetHostWord(std::int32_t processID, std::int32_t word)
        { return forward(processID, kHostErrNoProcess, &CProcess::SetHostWord, word); }
    virtual std::int32_t CreateProcessInstance(std::int32_t* /*newProcessID*/) { return 0; }
    virtual std::int32_t GetViewSettings(std::int32_t processID, SHostPlugInSpec* settings)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetViewSettings, settings); }
    virtual std::int32_t SetViewSettings(std::int32_t processID, SHostPlugInSpec* settings)
        { return forward(processID, kHostErrNoProcess, &CProcess::SetViewSettings, settings); }
    virtual std::int32_t HostCall141(std::int32_t processID, SHostPlugInSpec* arg2, std::int32_t arg3,
            std::int32_t* arg4)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall141, arg2, arg3, arg4); }
    virtual std::int32_t HostCall142(std::int32_t processID, SHostPlugInSpec* arg2, std::int32_t arg3,
            std::int32_t* arg4)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall142, arg2, arg3, arg4); }
    virtual std::int32_t HostCall143(std::int32_t processID, std::int32_t arg2, std::uint8_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall143, arg2, arg3); }
    virtual std::int32_t HostCall151(std::int32_t processID, std::int32_t arg2, std::int32_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall151, arg2, arg3); }
    virtual std::int32_t HostCall152(std::int32_t processID, std::int32_t arg2, std::int32_t* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall152, arg2, arg3); }
    virtual std::int32_t HostCall153(std::int32_t processID, std::int32_t* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall153, arg2); }
    virtual std::int32_t HostCall154(std::int32_t processID, std::int32_t arg2, std::int32_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall154, arg2, arg3); }
    virtual std::int32_t HostCall155(std::int32_t processID, std::int32_t arg2, std::int32_t* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall155, arg2, arg3); }
    virtual std::int32_t HostCall157(std::int32_t processID, std::int32_t arg2, std::uint8_t arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall157, arg2, arg3); }
    virtual std::int32_t GetAOSCount(std::int32_t processID, std::int32_t* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetAOSCount, arg2); }
    virtual std::int32_t GetAOSInfo(std::int32_t processID, std::int32_t arg2, SHostPlugInStemInfo* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::GetAOSInfo, arg2, arg3); }
    virtual std::int32_t HostCall168(std::int32_t processID, void* arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall168, arg2); }
    virtual std::int32_t HostCall169(std::int32_t processID, SFileList* arg2, SFileList* arg3)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall169, arg2, arg3); }
    virtual std::int32_t HostCall170(std::int32_t processID, SFileList* arg2, SFileList* arg3, std::uint8_t arg4)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall170, arg2, arg3, arg4); }
    virtual std::int32_t HostCall173(std::int32_t processID)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall173); }
    virtual std::int32_t HostCall172(std::int32_t processID, IEngineUnknown** arg2)
        { return forward(processID, kHostErrNoProcess, &CProcess::HostCall172, arg2); }
    virtual ~CProcessType();

    // The live process with that id; ids count from 1.
    CProcess* FindProcess(std::int32_t processID) const;
    const std::vector<CProcess*>& GetProcesses() const { return processes; }
    CProcessGroup* GetProcessGroup() const { return processGroup; }
    // The size of the cached resource of that kind, 0 when it is not cached.
    std::size_t GetCachedResourceSize(std::uint32_t kind) const;

    // Kept by the group: a type whose kind is nonzero and whose flag is 0 is disabled.
    std::int16_t enabledFlag = 0;

protected:
    template <typename T>
    static std::int32_t setOut(T* out, std::type_identity_t<T> value)
    {
        if (out != nullptr)
            *out = value;
        return 0;
    }
    template <typename... Params, typename... Args>
    std::int32_t forward(std::int32_t processID, std::int32_t none, std::int32_t (CProcess::*operation)(Params...),
                         Args... args)
    {
        CProcess* process = FindProcess(processID);
        return process != nullptr ? (process->*operation)(args...) : none;
    }
    template <typename... Params, typename... Args>
    std::int32_t forwardThenZero(std::int32_t processID, std::int32_t none,
                                 std::int32_t (CProcess::*operation)(Params...), Args... args)
    {
        CProcess* process = FindProcess(processID);
        if (process == nullptr)
            return none;
        (process->*operation)(args...);
        return 0;
    }
    // Shuts the process down and lets go of it; an aggregated process goes with its outer object.
    void ReleaseProcess(CProcess* process);

    std::int32_t typeKind = 0;
    CProcessGroup* processGroup = nullptr;
    std::int16_t typeIndex = -1;
    std::int32_t sampleRate;
    std::int32_t recordWord = 0;
    std::int32_t processWord = 0;
    std::int32_t hostPair[2];
    std::vector<CProcess*> processes;

private:
    struct CacheEntry {
        SResourceBuffer buffer;
        std::uint32_t key;
        std::uint32_t stamp;
    };
    std::array<CacheEntry, kCacheEntries> cache;
};
