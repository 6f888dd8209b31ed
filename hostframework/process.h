#pragma once

// One plug-in instance as the host sees it. The host reaches it only through the routines: the
// group finds the type, the type finds the process, and one operation of the process answers.
// The process owns its host controls (numbered from 1 in the order they were added), the root of
// its host-side views, and its presence in the host's messaging service.

#include "hostframework/host_error.h"
#include "hostframework/host_records.h"
#include "hostframework/plugin_control.h"
#include "hostframework/ptr_vector.h"

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

class CProcessType;
class CPlugInView;

class CProcess {
public:
    CProcess();
    CProcess(const CProcess&) = delete;
    CProcess& operator=(const CProcess&) = delete;

    virtual std::int32_t Initialize();
    virtual std::int32_t Uninitialize();
    virtual void SetProcessType(CProcessType* type) { processType = type; }
    virtual std::int32_t Idle(EventRecord* event);
    virtual void DoIdle();
    virtual std::int32_t DrawView(Rect* rect);
    virtual std::int32_t HandleViewEvent(EventRecord* event);
    virtual std::int32_t HandleKeyEvent(EventRecord* event, std::uint8_t* handled);
    virtual std::int32_t GetViewRect(Rect* rect);
    virtual std::int32_t SetViewPort(OpaqueGrafPtr* port);
    virtual std::int32_t SetViewOrigin(Point origin);
    virtual void SetSampleRate(std::int32_t rate) { sampleRate = rate; }
    std::int32_t GetSampleRate() const { return sampleRate; }
    // Receive the type's process word and its two flags; nothing uses them at this level.
    virtual std::int32_t OptionalHook1(std::int32_t /*word*/) { return 0; }
    virtual std::int32_t SetBypass(std::int32_t /*control*/, std::uint8_t /*bypass*/) { return 0; }
    virtual void SetHostPair(const std::int32_t pair[2])
    {
        hostPair[0] = pair[0];
        hostPair[1] = pair[1];
    }
    virtual std::int32_t GetHostPairFirst() { return hostPair[0]; }
    virtual std::int32_t GetHostPairSecond() { return hostPair[1]; }
    virtual void SetIndexA(std::int16_t index) { indexA = index; }
    virtual std::int16_t GetIndexA() { return indexA; }
    virtual void SetIndexB(std::int16_t index) { indexB = index; }
    virtual std::int16_t GetIndexB() { return indexB; }
    virtual void SetRefA(std::int32_t ref) { refA = ref; }
    virtual std::int32_t GetRefA() { return refA; }
    virtual void SetRefB(std::int32_t ref) { refB = ref; }
    virtual std::int32_t GetRefB() { return refB; }
    virtual std::int32_t GetNumInputs(std::int16_t* count) = 0;
    virtual std::int32_t GetNumOutputs(std::int16_t* count) = 0;
    virtual std::int32_t SetFormatA(std::int16_t format);
    virtual std::int32_t SetFormatB(std::int16_t format);
    virtual std::int32_t HostCall27(std::int32_t /*arg1*/, std::uint8_t* arg2) { return setOut(arg2, 1); }
    virtual std::int32_t HostCall28(std::int32_t /*arg1*/, std::uint8_t* arg2) { return clearOut(arg2); }
    virtual std::int32_t HostCall29(std::int32_t /*arg1*/, std::uint8_t* arg2) { return clearOut(arg2); }
    virtual std::int32_t HostCall30(std::int32_t /*arg1*/, std::int32_t /*arg2*/) { return 0; }
    virtual std::int32_t HostCall31(std::int32_t /*arg1*/, std::int32_t /*arg2*/) { return 0; }
    virtual std::int32_t HostCall32(std::int32_t /*arg1*/) { return 0; }
    virtual std::int32_t HostCall33(std::int32_t /*arg1*/) { return 0; }
    virtual std::int32_t GetNumControls(std::int16_t* count);
    virtual std::int32_t GetBypassControlIndex(std::int32_t* control) { return clearOut(control); }
    virtual std::int32_t IsControlAutomatable(std::int32_t control, std::int16_t* automatable);
    virtual std::int32_t GetControlNumSteps(std::int32_t control, std::int32_t* steps);
    virtual std::int32_t SetControlValueFromText(std::int32_t control, const char* text, std::int32_t* value);
    virtual std::int32_t IsControlKeyValid(std::int32_t control, std::int16_t key, std::uint8_t* valid);
    virtual std::int32_t GetControlValueText(std::int32_t control, std::int32_t value, std::int32_t length, char* text);
    virtual std::int32_t GetControlName(std::int32_t control, char* name);
    virtual std::int32_t GetControlNameOfLength(std::int32_t control, char* name, std::int32_t length,
            std::uint32_t arg4, std::int16_t* arg5) ;
    virtual std::int32_t GetControlSDSName(std::int32_t control, char* name);
    virtual std::int32_t GetControlValue(std::int32_t control, std::int32_t* value);
    virtual std::int32_t SetControlValue(std::int32_t control, std::int32_t value);
    virtual std::int32_t IncrementControlValue(std::int32_t control, std::int32_t delta);
    virtual std::int32_t GetControlDefaultValue(std::int32_t control, std::int32_t* value);
    virtual std::int32_t SetControlDefaultValue(std::int32_t control, std::int32_t value);
    virtual std::int32_t HostCall156(std::int32_t /*arg1*/, std::int32_t /*arg2*/, std::int32_t /*arg3*/,
            std::int32_t* /*arg4*/) { return kHostErrHostCall156Default; }
    virtual std::int32_t HostCall49(std::int32_t /*arg1*/, SHostAutoTimeRampData* /*arg2*/) { return 0; }
    virtual std::int32_t OptionalHook2(std::int32_t /*control*/, std::intptr_t* /*arg1*/) { return 0; }
    virtual std::int32_t OptionalHook3(std::int32_t /*control*/, std::intptr_t* /*arg1*/) { return 0; }
    virtual std::int32_t GetTableEntryCount(std::uint32_t table, std::int16_t entry);
    virtual std::int32_t GetTableEntryValue(std::uint32_t table, std::int16_t entry, std::int16_t arg3,
            std::int16_t arg4) ;
    virtual std::int32_t HasTableEntry(std::uint32_t table, std::int16_t entry);
    virtual std::int32_t GetBypass(std::int32_t /*control*/, std::uint8_t* bypass) { return clearOut(bypass); }
    virtual std::int32_t HostCall50(std::int32_t /*arg1*/, std::uint8_t /*arg2*/) { return 0; }
    virtual std::int32_t HostCall52(std::int32_t /*arg1*/, std::uint8_t* arg2) { return clearOut(arg2); }
    virtual std::int32_t QueryTypeFlags(std::uint32_t mask, std::uint32_t* flags);
    virtual std::int32_t GetMeterCount(std::int32_t* arg1) { return clearOut(arg1); }
    virtual std::int32_t GetMeterLevel(std::int32_t /*arg1*/, std::int32_t* arg2) { return clearOut(arg2); }
    virtual std::int32_t HostCall55(std::int32_t /*arg1*/, char* /*arg2*/) { return 0; }
    virtual std::int32_t GetMeterOrientation(std::int32_t /*meter*/, EMeterOrientation* orientation)
        { return clearOut(orientation); }
    virtual std::int32_t GetNumMeters(EMeterType /*meterType*/, std::int32_t* count) { return clearOut(count); }
    virtual std::int32_t GetMeterOfType(EMeterType /*meterType*/, std::int32_t /*index*/, std::int32_t* meter)
        { return clearOut(meter); }
    virtual std::int32_t GetClipIndicator(std::uint8_t* clipped) { return clearOut(clipped); }
    virtual std::int32_t ClearClipIndicators() { return 0; }
    virtual void ReadMeters(std::int32_t* /*levels*/, std::uint8_t* /*clips*/) {}
    virtual std::int32_t HostCall160(std::int32_t /*arg1*/, std::int32_t /*arg2*/, std::uint8_t /*arg3*/)
        { return 0; }
    virtual std::int32_t HostCall161(std::uint8_t* /*arg1*/) { return 0; }
    virtual std::int32_t HostCall162(std::int32_t /*arg1*/, void* /*arg2*/, std::uint8_t* /*arg3*/) { return 0; }
    virtual std::int32_t HostCall163() { return 0; }
    virtual std::int32_t HostCall164(std::int32_t /*arg1*/, std::int32_t /*arg2*/) { return 0; }
    virtual std::int32_t GetNumChunks(std::int32_t* count) { return clearOut(count); }
    virtual std::int32_t GetChunkID(std::int32_t index, std::uint32_t* chunkID);
    virtual std::int32_t GetChunkName(std::uint32_t chunkID, std::uint8_t* name);
    virtual std::int32_t GetChunkSize(std::uint32_t chunkID, std::int32_t* size);
    virtual std::int32_t GetChunk(std::uint32_t /*chunkID*/, SHostPlugInChunk* /*chunk*/)
        { return kHostErrNoSuchChunk; }
    virtual std::int32_t SetChunk(std::uint32_t /*chunkID*/, SHostPlugInChunk* /*chunk*/)
        { return kHostErrNoSuchChunk; }
    virtual std::int32_t CompareChunk(SHostPlugInChunk* chunk, std::uint8_t* same);
    virtual std::int32_t GetChangeCount(std::int32_t* count);
    virtual std::int32_t HostCall165(char* /*arg1*/) { return 0; }
    virtual std::int32_t HostCall171(void* /*arg1*/) { return 0; }
    virtual std::int32_t OptionalHook4(std::uint8_t /*flag*/) { return 0; }
    virtual std::int32_t HostCall71(std::int32_t /*arg1*/, std::uint8_t /*arg2*/) { return 0; }
    virtual std::int32_t OptionalHook5(std::uint8_t /*flag*/) { return 0; }
    virtual std::int32_t GetShortValue(std::int16_t* value) { return clearOut(value); }
    virtual std::int32_t GetLongValue(std::int32_t* value);
    virtual std::int32_t ActivateView();
    virtual std::int32_t DeactivateView();
    virtual std::int32_t HostCall94(std::int16_t /*arg1*/, std::int16_t /*arg2*/, char* /*arg3*/) { return 0; }
    virtual std::int32_t HostCall95(std::int16_t /*arg1*/, std::int16_t /*arg2*/, char* /*arg3*/) { return 0; }
    virtual std::int32_t OptionalHook6(std::int16_t /*arg1*/, std::int16_t /*arg2*/, std::int16_t /*arg3*/,
            std::int16_t* /*arg4*/) { return 0; }
    virtual std::int32_t OptionalHook7(std::int16_t /*arg1*/, std::int16_t /*arg2*/, std::int16_t /*arg3*/,
            std::int16_t /*arg4*/, char* /*arg5*/) { return 0; }
    virtual std::int32_t HostCall101() { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall102(std::int32_t /*arg1*/, std::int32_t /*arg2*/) { return 0; }
    virtual std::int32_t HostCall103(std::int16_t /*arg1*/, std::int32_t /*arg2*/, std::int32_t* /*arg3*/)
        { return 0; }
    virtual std::int32_t HostCall104(std::int32_t* /*arg1*/) { return 0; }
    virtual std::int32_t HostCall105(std::int32_t* /*arg1*/) { return 0; }
    virtual std::int32_t ReserveSDSName(std::int32_t parentNameID);
    virtual std::int32_t ReserveControlSDSNames();
    virtual std::int32_t CreateSDSListener();
    virtual std::int32_t FreeSDSName();
    virtual std::int32_t FreeControlSDSNames();
    virtual void DeleteSDSListeners();
    virtual void HighlightControl(std::int32_t control, std::int16_t on, std::int16_t colour, std::int16_t style,
                                  const char* text);
    virtual std::int32_t UpdateControlView(std::int32_t control, std::int32_t value);
    virtual std::int32_t ApplyControlValue(std::int32_t control, std::int32_t value);
    virtual void ControlValueChanged(std::int32_t /*control*/) {}
    virtual std::int32_t IncrementControlValueNow(std::int32_t control, std::int32_t delta);
    virtual std::int32_t GetControlAttributeA(std::int32_t control, std::int32_t* value);
    virtual std::int32_t GetControlAttributeC(std::int32_t control, std::int32_t* value);
    virtual std::int32_t GetControlAttributeB(std::int32_t control, std::int32_t* value);
    virtual std::int32_t GetSDSNameID(void** nameID);
    virtual std::int32_t GetControlSDSNameID(std::int32_t control, void** nameID);
    virtual std::int32_t GetControlValueTextOfLength(std::int32_t control, std::int32_t value, char* text,
            std::int32_t length) ;
    virtual std::int32_t GetControlHighlight(std::int32_t control, std::int16_t* on, std::int16_t* colour);
    virtual std::int32_t SetControlHighlight(std::int32_t control, std::int16_t on, std::int16_t colour);
    virtual void TouchControl(std::int32_t control);
    virtual void ReleaseControl(std::int32_t control);
    virtual std::int32_t GetControlAtPoint(Point where, std::int32_t* control);
    virtual void GetBaseName(char* name);
    virtual std::int32_t GetChunkAltName(std::int32_t /*kind*/, std::uint8_t* /*text*/)
        { return kHostErrNotImplemented; }
    virtual void SetAuxWord(std::int32_t /*first*/, std::int32_t second) { auxWord = second; }
    virtual std::int32_t GetControlViewID(std::int32_t control, std::uint32_t* id);
    virtual std::int32_t SetHostWord(std::int32_t word);
    virtual std::int32_t HandleOtherToken(void* /*token*/) { return 0; }
    virtual std::int32_t GetViewSettings(SHostPlugInSpec* settings);
    virtual std::int32_t SetViewSettings(SHostPlugInSpec* settings);
    virtual std::int32_t HostCall141(SHostPlugInSpec* /*arg1*/, std::int32_t /*arg2*/, std::int32_t* arg3)
        { return clearOut(arg3); }
    virtual std::int32_t HostCall142(SHostPlugInSpec* /*arg1*/, std::int32_t /*arg2*/, std::int32_t* arg3)
        { return clearOut(arg3); }
    virtual std::int32_t HostCall143(std::int32_t /*arg1*/, std::uint8_t /*arg2*/) { return 0; }
    virtual std::int32_t GetAOSCount(std::int32_t* /*arg1*/) { return kHostErrNotImplemented; }
    virtual std::int32_t GetAOSInfo(std::int32_t /*arg1*/, SHostPlugInStemInfo* /*arg2*/)
        { return kHostErrNotImplemented; }
    virtual std::int32_t HostCall172(IEngineUnknown** arg1) { return clearOut(arg1); }
    virtual std::int32_t HostCall151(std::int32_t /*arg1*/, std::int32_t /*arg2*/) { return 0; }
    virtual std::int32_t HostCall152(std::int32_t /*arg1*/, std::int32_t* /*arg2*/) { return 0; }
    virtual std::int32_t HostCall153(std::int32_t* /*arg1*/) { return 0; }
    virtual std::int32_t HostCall154(std::int32_t /*arg1*/, std::int32_t /*arg2*/) { return 0; }
    virtual std::int32_t HostCall155(std::int32_t /*arg1*/, std::int32_t* /*arg2*/) { return 0; }
    virtual std::int32_t HostCall157(std::int32_t /*arg1*/, std::uint8_t /*arg2*/) { return 0; }
    virtual std::int32_t HostCall168(void* /*arg1*/) { return 0; }
    virtual std::int32_t HostCall169(SFileList* /*arg1*/, SFileList* /*arg2*/) { return 0; }
    virtual std::int32_t HostCall170(SFileList* /*arg1*/, SFileList* /*arg2*/, std::uint8_t /*arg3*/) { return 0; }
    virtual std::int32_t HostCall173() { return 0; }
    virtual std::int32_t HostCall144() { return 0; }
    virtual void SetDirty(bool dirty) { dirtyFlag = dirty; }
    virtual CPlugInView* CreateRootView();
    virtual bool OptionalHook8() { return false; }
    virtual bool OptionalHook9() { return false; }
    virtual std::uint8_t* GetTypeResource(std::uint32_t id);
    virtual ~CProcess();

    // Controls are added before Initialize, which sizes the messaging service's tables by their count.
    void AddControl(CPluginControl* control) { controls.Add(control); }
    CPluginControl* GetControl(std::int32_t position) const { return controls.Get(position); }
    bool IsValidControlIndex(std::int32_t position) const { return controls.IsValidIndex(position); }
    std::int32_t GetChangeCountValue() const { return changeCount; }
    bool IsDirty() const { return dirtyFlag; }
    // Set when the process rendered; the meter cache clears it once it read the levels.
    bool AreMetersReady() const { return metersReady; }
    void SetMetersReady(bool ready) { metersReady = ready; }
    CProcessType* GetProcessType() const { return processType; }
    CPlugInView* GetRootView() const { return rootView; }

    // Binds every process control view of the tree to its control, or unbinds them all.
    void BindControlViews(bool bind);

    // The size of the type's cached resource behind GetTypeResource.
    std::size_t TypeResourceSize(std::uint32_t id) const;

protected:
    template <typename... T>
    static std::int32_t clearOut(T*... outs)
    {
        ((outs != nullptr ? void(*outs = T{}) : void()), ...);
        return 0;
    }
    template <typename T>
    static std::int32_t setOut(T* out, std::type_identity_t<T> value)
    {
        if (out != nullptr)
            *out = value;
        return 0;
    }

    CProcessType* processType = nullptr;
    std::int16_t indexA = -1;
    std::int16_t indexB = -1;
    std::int32_t refA = 0;
    std::int32_t refB = 0;
    CPlugInView* rootView = nullptr;
    std::int16_t formatA = 0;
    std::int16_t formatB = 0;
    std::int32_t sampleRate;
    std::int32_t auxWord = 0;
    std::int32_t changeCount = 0;
    bool dirtyFlag = false;
    std::int32_t hostPair[2];
    bool metersReady = true;
    std::int32_t hostWord = 0;
    std::array<std::int32_t, 13> viewSettings{};
    CPtrVector<CPluginControl> controls;

    // The process's presence in the host's messaging service: its own name, one name per control
    // under it, three listeners per control. The per-control tables are indexed by position (entry 0
    // unused) and exist only while the service is present.
    struct STaskRecord {
        CProcess* process;
        std::int32_t position;
    };
    static bool HasMessagingService();
    void SendToken(std::int32_t destination, std::uint32_t messageClass, std::uint32_t selector, std::int32_t source,
                   std::int32_t value, std::int16_t length, std::int16_t* result = nullptr);
    std::int32_t CreateListener(std::int32_t position, std::uint32_t messageClass, std::uint32_t selector,
                                std::intptr_t& listener);
    std::int32_t processSDSNameID = 0;
    std::int32_t processSDSNameParent = 0;
    std::string processSDSName;
    std::int32_t rootSDSNameID = 0;
    std::vector<std::int32_t> controlSDSNames;
    std::vector<std::intptr_t> curvListeners;
    std::vector<std::intptr_t> getvListeners;
    std::vector<std::intptr_t> setvListeners;
    std::vector<std::int32_t> touchCounts;
    std::vector<STaskRecord> taskRecords;
};
