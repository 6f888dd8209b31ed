#pragma once

// The face of the process group that the host's routines call: one virtual operation per host
// request, in the host's slot order, each with a default that answers harmlessly. The groups
// override what they answer; operations named after their routine selector (HostCall...) or their
// slot (Operation...) have no meaning here beyond the default.

#include "hostframework/host_error.h"
#include "hostframework/host_records.h"

#include <cstdint>
#include <initializer_list>

class CProcessGroupInterface {
public:
    struct SProcessSpecifier {
        std::uint32_t typeID;
        std::int32_t processID;
    };
    struct SControlSpecifier {
        std::uint32_t typeID;
        std::int32_t processID;
        std::int32_t control;
    };
    struct SParamSpecifier {
        std::uint32_t typeID;
        std::int32_t processID;
        std::int16_t values[3];
    };
    struct SStemSpecifier {
        std::int32_t first;
        std::int32_t second;
    };

    CProcessGroupInterface();
    CProcessGroupInterface(const CProcessGroupInterface&) = delete;
    CProcessGroupInterface& operator=(const CProcessGroupInterface&) = delete;

    virtual std::int32_t Initialize();
    virtual bool IsRoutineSupported(std::int16_t selector);
    virtual std::int32_t Operation3() { return 1; }
    virtual std::int32_t Operation4() { return 0; }
    virtual std::int32_t DrawView(std::uint32_t /*typeID*/, std::int32_t /*processID*/, Rect* /*rect*/) { return 0; }
    virtual std::int32_t HandleViewEvent(std::uint32_t /*typeID*/, std::int32_t /*processID*/, EventRecord* /*event*/)
        { return 0; }
    virtual std::int32_t HandleKeyEvent(std::uint32_t /*typeID*/, std::int32_t /*processID*/, EventRecord* /*event*/,
            std::uint8_t* /*handled*/) { return 0; }
    virtual std::int32_t HandleIdleEvent(std::uint32_t /*typeID*/, std::int32_t /*processID*/, EventRecord* /*event*/)
        { return 0; }
    virtual std::int32_t GetViewRect(std::uint32_t /*typeID*/, std::int32_t /*processID*/, Rect* /*rect*/)
        { return 0; }
    virtual std::int32_t SetViewPort(std::uint32_t /*typeID*/, std::int32_t /*processID*/, OpaqueGrafPtr* /*port*/)
        { return 0; }
    virtual std::int32_t SetViewOrigin(std::uint32_t /*typeID*/, std::int32_t /*processID*/, Point /*origin*/)
        { return 0; }
    virtual std::int32_t HostCall12(std::int32_t capacity, char* text);
    virtual std::int32_t HostCall25(std::uint32_t /*typeID*/, std::int32_t* value) { return clearOut(value); }
    virtual std::int32_t GetTypeName(std::uint32_t /*typeID*/, std::int32_t /*maxLength*/,
            char* name) { return clearOut(name); }
    virtual std::int32_t HostCall6(std::int32_t arg1, std::uint32_t* arg2, std::uint32_t* arg3, std::uint32_t* arg4) = 0;
    virtual std::int32_t SetSampleRate(std::int32_t rate);
    virtual std::int32_t HostCall125(std::int32_t /*arg1*/) { return 0; }
    virtual std::int32_t SetTimeCodeInfo(SHostTimeCodeInfo* info);
    virtual std::int32_t Operation19() { return 0; }
    virtual std::int32_t ShowView(std::uint32_t /*typeID*/, std::int32_t /*processID*/) { return 0; }
    virtual std::int32_t HideView(std::uint32_t /*typeID*/, std::int32_t /*processID*/) { return 0; }
    virtual std::int32_t GetNumInputs(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int16_t* count) { return clearOut(count); }
    virtual std::int32_t GetStemFormats(std::uint32_t typeID, std::int32_t processID, SHostPlugInStemFormats* formats);
    virtual std::int32_t SetComponentDispatcher(ComponentDispatcher dispatcher);
    virtual std::int32_t HostCall15(std::uint32_t /*typeID*/, std::int32_t /*processID*/, EventRecord* /*event*/)
        { return 0; }
    virtual std::int32_t HostCall16() { return 0; }
    virtual std::int32_t GetNumOutputs(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int16_t* count) { return clearOut(count); }
    virtual std::int32_t HostCall18() { return 0; }
    virtual std::int32_t CreateProcess(std::uint32_t /*typeID*/, std::int32_t* /*newProcessID*/) { return 0; }
    virtual std::int32_t DeleteProcess(std::uint32_t /*typeID*/, std::int32_t /*processID*/) { return 0; }
    virtual std::int32_t HostCall144(std::uint32_t /*typeID*/, std::int32_t /*processID*/) { return 0; }
    virtual std::int32_t Operation32() { return 0; }
    virtual std::int32_t GetNumProcessTypes(std::int16_t* count);
    virtual std::int32_t SetFormatA(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int16_t /*format*/)
        { return 0; }
    virtual std::int32_t SetFormatB(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int16_t /*format*/)
        { return 0; }
    virtual std::int32_t HostCall79(std::uint32_t /*typeID*/, std::int16_t* value) { return clearOut(value); }
    virtual std::int32_t Operation37(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::uint8_t* arg3) { return clearOut(arg3); }
    virtual std::int32_t Operation38() { return kHostErrOperation38Default; }
    virtual std::int32_t HostCall27(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::uint8_t* arg4) { return clearOut(arg4); }
    virtual std::int32_t HostCall28(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
            std::uint8_t* arg4);
    virtual std::int32_t HostCall29(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::uint8_t* arg4) { return clearOut(arg4); }
    virtual std::int32_t HostCall30(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/) { return 0; }
    virtual std::int32_t HostCall31(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/) { return 0; }
    virtual std::int32_t HostCall32(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/)
        { return 0; }
    virtual std::int32_t HostCall33(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/)
        { return 0; }
    virtual std::int32_t Operation46() { return 0; }
    virtual std::int32_t HostCall35(std::int32_t* arg1, char** arg2);
    virtual std::int32_t HostCall136(std::int16_t request, std::int32_t* flag, std::int32_t count,
            std::uint32_t* value);
    virtual std::int32_t HostCall36(std::int32_t* arg1, std::int32_t* arg2, std::uint32_t arg3, std::int32_t arg4,
            std::int32_t arg5);
    virtual std::int32_t HostCall37(std::int32_t* arg1, std::int32_t* arg2, std::uint32_t arg3, std::int32_t arg4,
            std::int32_t arg5);
    virtual std::int32_t Operation51(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3, std::int32_t arg4);
    virtual std::int32_t Operation52(std::int32_t arg1, std::int32_t arg2);
    virtual std::int32_t Operation53(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3);
    virtual std::int32_t Operation54(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3);
    virtual std::int32_t Operation55(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3);
    virtual std::int32_t Operation56(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3);
    virtual std::int32_t GetNumControls(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int16_t* count) { return clearOut(count); }
    virtual std::int32_t GetMasterBypassControl(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t* control) { return clearOut(control); }
    virtual std::int32_t IsControlAutomatable(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int16_t* automatable) { return clearOut(automatable); }
    virtual std::int32_t GetControlNumSteps(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t* steps) { return clearOut(steps); }
    virtual std::int32_t GetControlName(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, char* name) { return clearOut(name); }
    virtual std::int32_t GetControlNameOfLength(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, char* name, std::int32_t /*length*/, std::uint32_t /*arg6*/,
            std::int16_t* /*arg7*/) { return clearOut(name); }
    virtual std::int32_t GetControlValue(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t* value) { return clearOut(value); }
    virtual std::int32_t SetControlValue(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t /*value*/) { return 0; }
    virtual std::int32_t HostCall49(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            SHostAutoTimeRampData* /*arg4*/) { return 0; }
    virtual std::int32_t Operation66(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*control*/,
            std::intptr_t* /*arg3*/) { return 0; }
    virtual std::int32_t Operation67(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*control*/,
            std::intptr_t* /*arg3*/) { return 0; }
    virtual std::int32_t GetTableEntryCount(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::uint32_t /*table*/, std::int16_t /*entry*/) { return 0; }
    virtual std::int32_t GetTableEntryValue(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::uint32_t /*table*/, std::int16_t /*entry*/, std::int16_t /*arg5*/, std::int16_t /*arg6*/)
        { return 0; }
    virtual std::int32_t HasTableEntry(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::uint32_t /*table*/,
            std::int16_t /*entry*/) { return 0; }
    virtual std::int32_t HostCall166(std::uint32_t /*typeID*/, std::int32_t /*processID*/, char* /*arg3*/,
            std::int32_t* /*arg4*/) { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall167(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t* /*arg3*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall75() { return 0; }
    virtual std::int32_t SetBypass(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*control*/,
            std::uint8_t /*bypass*/) { return 0; }
    virtual std::int32_t GetBypass(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*control*/,
            std::uint8_t* bypass) { return clearOut(bypass); }
    virtual std::int32_t HostCall50(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::uint8_t /*arg4*/) { return 0; }
    virtual std::int32_t HostCall52(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::uint8_t* arg4) { return clearOut(arg4); }
    virtual std::int32_t HostCall133(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::uint32_t /*arg3*/,
            std::uint32_t /*arg4*/, std::int32_t* /*arg5*/) { return 0; }
    virtual std::int32_t HostCall134(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::uint32_t* /*arg3*/)
        { return 0; }
    virtual std::int32_t QueryTypeFlags(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::uint32_t /*query*/, std::uint32_t* /*flags*/) { return 0; }
    virtual std::int32_t HostCall53(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t* arg3) { return clearOut(arg3); }
    virtual std::int32_t HostCall54(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t* arg4) { return clearOut(arg4); }
    virtual std::int32_t HostCall55(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            char* /*arg4*/) { return 0; }
    virtual std::int32_t GetMeterOrientation(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*meter*/, EMeterOrientation* orientation) { return clearOut(orientation); }
    virtual std::int32_t GetNumMeters(std::uint32_t /*typeID*/, std::int32_t /*processID*/, EMeterType /*meterType*/,
            std::int32_t* count) { return clearOut(count); }
    virtual std::int32_t GetMeterOfType(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            EMeterType /*meterType*/, std::int32_t /*index*/, std::int32_t* meter) { return clearOut(meter); }
    virtual std::int32_t GetClipIndicator(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::uint8_t* clipped) { return clearOut(clipped); }
    virtual std::int32_t ClearClipIndicators(std::uint32_t /*typeID*/, std::int32_t /*processID*/) { return 0; }
    virtual std::int32_t HostCall160(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/, std::uint8_t /*arg5*/) { return 0; }
    virtual std::int32_t HostCall161(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::uint8_t* /*arg3*/)
        { return 0; }
    virtual std::int32_t HostCall162(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            void* /*arg4*/, std::uint8_t* /*arg5*/) { return 0; }
    virtual std::int32_t HostCall163(std::uint32_t /*typeID*/, std::int32_t /*processID*/) { return 0; }
    virtual std::int32_t HostCall164(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/) { return 0; }
    virtual std::int32_t GetNumChunks(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t* /*count*/)
        { return 0; }
    virtual std::int32_t GetChunkIDByIndex(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*index*/, std::uint32_t* /*chunkID*/) { return 0; }
    virtual std::int32_t GetChunkName(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::uint32_t /*chunkID*/, std::uint8_t* /*name*/) { return 0; }
    virtual std::int32_t GetChunkSize(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::uint32_t /*chunkID*/, std::int32_t* /*size*/) { return 0; }
    virtual std::int32_t GetChunk(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::uint32_t /*chunkID*/,
            SHostPlugInChunk* /*chunk*/) { return 0; }
    virtual std::int32_t SetChunk(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::uint32_t /*chunkID*/,
            SHostPlugInChunk* /*chunk*/) { return 0; }
    virtual std::int32_t CompareChunk(std::uint32_t typeID, std::int32_t processID, SHostPlugInChunk* chunk,
            std::uint8_t* same);
    virtual std::int32_t HostCall165(std::uint32_t /*typeID*/, std::int32_t /*processID*/, char* /*arg3*/)
        { return 0; }
    virtual std::int32_t HostCall171(std::uint32_t /*typeID*/, std::int32_t /*processID*/, void* /*arg3*/)
        { return 0; }
    virtual std::int32_t GetChangeCount(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t* /*count*/)
        { return 0; }
    virtual std::int32_t HostCall68(SHostPlugInSpec* /*arg1*/, std::int32_t /*arg2*/, std::int32_t /*arg3*/)
        { return kHostErrNotAnEffectType; }
    virtual std::int32_t Operation105(SHostPlugInSpec* /*arg1*/, std::int32_t /*arg2*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/, std::int32_t /*arg5*/, std::int32_t /*arg6*/) { return kHostErrNotAnEffectType; }
    virtual std::int32_t HostCall69(std::uint8_t /*arg1*/) { return 0; }
    virtual std::int32_t HostCall71(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::uint8_t /*arg4*/) { return 0; }
    virtual std::int32_t HostCall70(std::uint8_t /*arg1*/) { return 0; }
    virtual std::int32_t HostCall72(std::uint8_t /*arg1*/) { return 0; }
    virtual std::int32_t Operation110(std::int32_t arg1);
    virtual std::int32_t Operation111() { return kHostErrNotImplemented; }
    virtual std::int32_t GetShortValue(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int16_t* value) { return clearOut(value); }
    virtual std::int32_t GetLongValue(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t* value) { return clearOut(value); }
    virtual std::int32_t EnableProcessType(std::int32_t /*enable*/) { return kHostErrNotImplemented; }
    virtual std::int32_t GetTypeKind(std::uint32_t /*typeID*/, std::int32_t* /*kind*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall93(std::uint32_t /*typeID*/, std::int32_t /*attribute*/, std::int32_t* /*value*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t GetInfoText(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*kind*/,
            std::uint8_t* /*text*/) { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall94(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int16_t /*arg3*/,
            std::int16_t /*arg4*/, char* /*arg5*/) { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall95(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int16_t /*arg3*/,
            std::int16_t /*arg4*/, char* /*arg5*/) { return kHostErrNotImplemented; }
    virtual std::int32_t Operation120(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int16_t /*arg3*/,
            std::int16_t /*arg4*/, std::int16_t /*arg5*/, std::int16_t* /*arg6*/) { return kHostErrNotImplemented; }
    virtual std::int32_t Operation121(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int16_t /*arg3*/,
            std::int16_t /*arg4*/, std::int16_t /*arg5*/, std::int16_t /*arg6*/, char* /*arg7*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall101(std::uint32_t /*typeID*/, std::int32_t /*processID*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall102(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/) { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall103(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int16_t /*arg3*/,
            std::int32_t /*arg4*/, std::int32_t* /*arg5*/) { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall104(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t* /*arg3*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall105(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t* /*arg3*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t IncrementControlValue(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t /*delta*/) { return 0; }
    virtual std::int32_t GetControlAttributeA(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t* value) { return clearOut(value); }
    virtual std::int32_t GetSDSNameID(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            void** nameID) { return clearOut(nameID); }
    virtual std::int32_t GetControlSDSNameID(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, void** nameID) { return clearOut(nameID); }
    virtual std::int32_t GetControlAttributeC(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
            std::int32_t* value);
    virtual std::int32_t GetControlAttributeB(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t* value) { return clearOut(value); }
    virtual std::int32_t GetControlValueTextOfLength(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t /*value*/, char* text,
            std::int32_t /*length*/) { return clearOut(text); }
    virtual std::int32_t GetControlHighlight(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int16_t* on, std::int16_t* colour) { return clearOut(on, colour); }
    virtual std::int32_t SetControlHighlight(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int16_t /*on*/, std::int16_t /*colour*/) { return 0; }
    virtual std::int32_t ApplyControlValue(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t /*value*/) { return 0; }
    virtual std::int32_t ApplyControlValueDelta(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t /*delta*/) { return 0; }
    virtual std::int32_t GetControlAtPoint(std::uint32_t /*typeID*/, std::int32_t /*processID*/, Point /*where*/,
            std::int32_t* /*control*/) { return 0; }
    virtual std::int32_t GetControlDefaultValue(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            std::int32_t /*control*/, std::int32_t* value) { return clearOut(value); }
    virtual std::int32_t HostCall156(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/, std::int32_t /*arg5*/, std::int32_t* /*arg6*/) { return kHostErrHostCall156Default; }
    virtual std::int32_t HostCall59(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/, std::int16_t* /*arg5*/) { return 0; }
    virtual std::int32_t HostCall122(std::int32_t arg1, std::int32_t reserved);
    virtual std::int32_t HostCall123(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            SASPRegion* /*arg4*/) { return 0; }
    virtual std::int32_t HostCall124(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            SASPRegion* /*arg4*/) { return 0; }
    virtual std::int32_t SetHostWord(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*word*/)
        { return 0; }
    virtual std::int32_t EnterHostCall() { return 0; }
    virtual bool TryEnterHostCall() { return false; }
    virtual std::int32_t LeaveHostCall() { return 0; }
    virtual std::int32_t YieldHostCall();
    virtual void SetLockLevel(std::int32_t level);
    virtual std::int32_t SetPlugInSpec(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            SHostPlugInSpec* /*record*/) { return 0; }
    virtual std::int32_t GetPlugInSpec(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            SHostPlugInSpec* /*record*/) { return 0; }
    virtual std::int32_t HostCall141(std::uint32_t /*typeID*/, std::int32_t /*processID*/, SHostPlugInSpec* /*arg3*/,
            std::int32_t /*arg4*/, std::int32_t* /*arg5*/) { return 0; }
    virtual std::int32_t HostCall142(std::uint32_t /*typeID*/, std::int32_t /*processID*/, SHostPlugInSpec* /*arg3*/,
            std::int32_t /*arg4*/, std::int32_t* /*arg5*/) { return 0; }
    virtual std::int32_t HostCall143(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::uint8_t /*arg4*/) { return 0; }
    virtual std::int32_t HostCall151(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/) { return 0; }
    virtual std::int32_t HostCall152(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t* /*arg4*/) { return 0; }
    virtual std::int32_t HostCall153(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t* /*arg3*/)
        { return 0; }
    virtual std::int32_t HostCall154(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t /*arg4*/) { return 0; }
    virtual std::int32_t HostCall155(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::int32_t* /*arg4*/) { return 0; }
    virtual std::int32_t HostCall157(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            std::uint8_t /*arg4*/) { return 0; }
    virtual std::int32_t HostCall158(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t* /*arg3*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall159(std::uint32_t /*typeID*/, std::int32_t /*processID*/, std::int32_t /*arg3*/,
            SHostPlugInStemInfo* /*arg4*/) { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall168(std::uint32_t /*typeID*/, std::int32_t /*processID*/, void* /*arg3*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall169(std::uint32_t /*typeID*/, std::int32_t /*processID*/, SFileList* /*arg3*/,
            SFileList* /*arg4*/) { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall170(std::uint32_t /*typeID*/, std::int32_t /*processID*/, SFileList* /*arg3*/,
            SFileList* /*arg4*/, std::uint8_t /*arg5*/) { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall173(std::uint32_t /*typeID*/, std::int32_t /*processID*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall172(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
            IEngineUnknown** arg3) { return clearOut(arg3); }
    virtual std::int32_t Operation169() { return 0; }
    virtual std::int32_t Operation170() { return 0; }
    virtual std::int32_t Operation171() { return 0; }
    virtual ~CProcessGroupInterface() = default;

    // The routines that repack their arguments before calling an operation.
    std::int32_t HostCall14(ComponentDispatcher dispatcher);
    std::int32_t HostCall38(void* context);
    std::int32_t HostCall73(std::uint32_t typeID, std::int32_t processID, std::int32_t control, std::intptr_t* pointer);
    std::int32_t HostCall74(std::uint32_t typeID, std::int32_t processID, std::int32_t control, std::intptr_t* pointer);
    std::int32_t HostCall90(SControlSpecifier control, std::int32_t value, char* text, std::int32_t length);
    std::int32_t HostCall96(SParamSpecifier parameter, std::int16_t* out);
    std::int32_t HostCall97(SParamSpecifier parameter, std::int16_t arg6, char* text);
    std::int32_t HostCall121(SProcessSpecifier process, std::uint32_t table, std::int16_t entry, std::int16_t arg5,
                             std::int16_t arg6);
    std::int32_t HostCall131(SControlSpecifier control, char* name, std::int32_t length, std::uint32_t arg6,
                             std::int16_t* arg7);
    std::int32_t HostCall138(SHostPlugInSpec* record, std::int32_t arg2, SStemSpecifier first, SStemSpecifier second);

    void* GetHostContext() const { return hostContext; }
    std::int32_t GetSampleRate() const { return sampleRate; }
    const std::int32_t* GetTimeCodePair() const { return timeCodePair; }

protected:
    // The arguments in a parameter block for the host's component dispatcher, the host context after
    // them unless left out.
    std::int32_t componentCall(std::int16_t request, std::initializer_list<std::int32_t> arguments,
                               bool withContext = true);

    template <typename... T>
    static std::int32_t clearOut(T*... outs)
    {
        ((outs != nullptr ? void(*outs = T{}) : void()), ...);
        return 0;
    }

    std::int32_t reservedWord = 0;
    std::int32_t sampleRate = 44100;
    std::int32_t timeCodePair[2] = {5, 0};
    void* hostContext = nullptr;
};

// The module-wide lock level that decides which routines run inside the host-call bracket.
std::int32_t GetLockLevel();
// The host's component dispatcher, null until routine selector 14 hands it over.
ComponentDispatcher GetComponentDispatcher();
