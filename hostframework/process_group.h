#pragma once

// The library's one group as the host sees it: it owns the process types, answers most routines by
// finding the type (and through it the process), and keeps what is shared by the whole library:
// the group lock around host calls, the host's object server and the plug-in's resource file.

#include "hostframework/process_group_interface.h"
#include "hostframework/process_type.h"
#include "hostlibs/engine/host_engine.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CProcessGroup : public CProcessGroupInterface {
public:
    // Thrown by AddProcessType for a null type or before the type list exists.
    struct AddProcessTypeEx {};

    CProcessGroup();
    ~CProcessGroup() override;

    std::int32_t Initialize() override;

    // Forwarded to the type, and through it to the process.
    std::int32_t DrawView(std::uint32_t typeID, std::int32_t processID, Rect* rect) override;
    std::int32_t HandleViewEvent(std::uint32_t typeID, std::int32_t processID, EventRecord* event) override;
    std::int32_t HandleKeyEvent(std::uint32_t typeID, std::int32_t processID, EventRecord* event,
                                std::uint8_t* handled) override;
    std::int32_t HandleIdleEvent(std::uint32_t typeID, std::int32_t processID, EventRecord* event) override;
    std::int32_t HostCall25(std::uint32_t typeID, std::int32_t* value) override;
    std::int32_t ShowView(std::uint32_t typeID, std::int32_t processID) override;
    std::int32_t HideView(std::uint32_t typeID, std::int32_t processID) override;
    std::int32_t GetNumInputs(std::uint32_t typeID, std::int32_t processID, std::int16_t* count) override;
    std::int32_t GetNumOutputs(std::uint32_t typeID, std::int32_t processID, std::int16_t* count) override;
    std::int32_t GetStemFormats(std::uint32_t typeID, std::int32_t processID,
                                SHostPlugInStemFormats* formats) override;
    std::int32_t HostCall15(std::uint32_t typeID, std::int32_t processID, EventRecord* event) override;
    std::int32_t HostCall144(std::uint32_t typeID, std::int32_t processID) override;
    std::int32_t SetFormatA(std::uint32_t typeID, std::int32_t processID, std::int16_t format) override;
    std::int32_t SetFormatB(std::uint32_t typeID, std::int32_t processID, std::int16_t format) override;
    std::int32_t HostCall79(std::uint32_t typeID, std::int16_t* value) override;
    std::int32_t HostCall27(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::uint8_t* arg4) override;
    std::int32_t HostCall28(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::uint8_t* arg4) override;
    std::int32_t HostCall29(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::uint8_t* arg4) override;
    std::int32_t HostCall30(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::int32_t arg4) override;
    std::int32_t HostCall31(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::int32_t arg4) override;
    std::int32_t HostCall32(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3) override;
    std::int32_t HostCall33(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3) override;
    std::int32_t GetNumControls(std::uint32_t typeID, std::int32_t processID, std::int16_t* count) override;
    std::int32_t GetMasterBypassControl(std::uint32_t typeID, std::int32_t processID, std::int32_t* control) override;
    std::int32_t IsControlAutomatable(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                      std::int16_t* automatable) override;
    std::int32_t GetControlNumSteps(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                    std::int32_t* steps) override;
    std::int32_t GetControlName(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                char* name) override;
    std::int32_t GetControlNameOfLength(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                        char* name, std::int32_t length, std::uint32_t arg6,
                                        std::int16_t* arg7) override;
    std::int32_t GetControlValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                 std::int32_t* value) override;
    std::int32_t SetControlValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                 std::int32_t value) override;
    std::int32_t HostCall49(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            SHostAutoTimeRampData* arg4) override;
    std::int32_t Operation66(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                             std::intptr_t* arg3) override;
    std::int32_t Operation67(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                             std::intptr_t* arg3) override;
    std::int32_t GetTableEntryCount(std::uint32_t typeID, std::int32_t processID, std::uint32_t table,
                                    std::int16_t entry) override;
    std::int32_t GetTableEntryValue(std::uint32_t typeID, std::int32_t processID, std::uint32_t table,
                                    std::int16_t entry, std::int16_t arg5, std::int16_t arg6) override;
    std::int32_t HasTableEntry(std::uint32_t typeID, std::int32_t processID, std::uint32_t table,
                               std::int16_t entry) override;
    std::int32_t HostCall166(std::uint32_t typeID, std::int32_t processID, char* arg3, std::int32_t* arg4) override;
    std::int32_t HostCall167(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3) override;
    std::int32_t SetBypass(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                           std::uint8_t bypass) override;
    std::int32_t GetBypass(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                           std::uint8_t* bypass) override;
    std::int32_t HostCall50(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::uint8_t arg4) override;
    std::int32_t HostCall52(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::uint8_t* arg4) override;
    std::int32_t HostCall133(std::uint32_t typeID, std::int32_t processID, std::uint32_t arg3, std::uint32_t arg4,
                             std::int32_t* arg5) override;
    std::int32_t HostCall134(std::uint32_t typeID, std::int32_t processID, std::uint32_t* arg3) override;
    std::int32_t QueryTypeFlags(std::uint32_t typeID, std::int32_t processID, std::uint32_t query,
                                std::uint32_t* flags) override;
    std::int32_t HostCall53(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3) override;
    std::int32_t HostCall54(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::int32_t* arg4) override;
    std::int32_t HostCall55(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3, char* arg4) override;
    std::int32_t GetMeterOrientation(std::uint32_t typeID, std::int32_t processID, std::int32_t meter,
                                     EMeterOrientation* orientation) override;
    std::int32_t GetNumMeters(std::uint32_t typeID, std::int32_t processID, EMeterType meterType,
                              std::int32_t* count) override;
    std::int32_t GetMeterOfType(std::uint32_t typeID, std::int32_t processID, EMeterType meterType,
                                std::int32_t index, std::int32_t* meter) override;
    std::int32_t GetClipIndicator(std::uint32_t typeID, std::int32_t processID, std::uint8_t* clipped) override;
    std::int32_t ClearClipIndicators(std::uint32_t typeID, std::int32_t processID) override;
    std::int32_t HostCall160(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3, std::int32_t arg4,
                             std::uint8_t arg5) override;
    std::int32_t HostCall161(std::uint32_t typeID, std::int32_t processID, std::uint8_t* arg3) override;
    std::int32_t HostCall162(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3, void* arg4,
                             std::uint8_t* arg5) override;
    std::int32_t HostCall163(std::uint32_t typeID, std::int32_t processID) override;
    std::int32_t HostCall164(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             std::int32_t arg4) override;
    std::int32_t GetNumChunks(std::uint32_t typeID, std::int32_t processID, std::int32_t* count) override;
    std::int32_t GetChunkIDByIndex(std::uint32_t typeID, std::int32_t processID, std::int32_t index,
                                   std::uint32_t* chunkID) override;
    std::int32_t GetChunkName(std::uint32_t typeID, std::int32_t processID, std::uint32_t chunkID,
                              std::uint8_t* name) override;
    std::int32_t GetChunkSize(std::uint32_t typeID, std::int32_t processID, std::uint32_t chunkID,
                              std::int32_t* size) override;
    std::int32_t HostCall165(std::uint32_t typeID, std::int32_t processID, char* arg3) override;
    std::int32_t HostCall171(std::uint32_t typeID, std::int32_t processID, void* arg3) override;
    std::int32_t GetChangeCount(std::uint32_t typeID, std::int32_t processID, std::int32_t* count) override;
    std::int32_t HostCall71(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                            std::uint8_t arg4) override;
    std::int32_t GetShortValue(std::uint32_t typeID, std::int32_t processID, std::int16_t* value) override;
    std::int32_t GetLongValue(std::uint32_t typeID, std::int32_t processID, std::int32_t* value) override;
    std::int32_t HostCall94(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3, std::int16_t arg4,
                            char* arg5) override;
    std::int32_t HostCall95(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3, std::int16_t arg4,
                            char* arg5) override;
    std::int32_t Operation120(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3, std::int16_t arg4,
                              std::int16_t arg5, std::int16_t* arg6) override;
    std::int32_t Operation121(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3, std::int16_t arg4,
                              std::int16_t arg5, std::int16_t arg6, char* arg7) override;
    std::int32_t HostCall101(std::uint32_t typeID, std::int32_t processID) override;
    std::int32_t HostCall102(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             std::int32_t arg4) override;
    std::int32_t HostCall103(std::uint32_t typeID, std::int32_t processID, std::int16_t arg3, std::int32_t arg4,
                             std::int32_t* arg5) override;
    std::int32_t HostCall104(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3) override;
    std::int32_t HostCall105(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3) override;
    std::int32_t IncrementControlValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                       std::int32_t delta) override;
    std::int32_t GetControlAttributeA(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                      std::int32_t* value) override;
    std::int32_t GetSDSNameID(std::uint32_t typeID, std::int32_t processID, void** nameID) override;
    std::int32_t GetControlSDSNameID(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                     void** nameID) override;
    std::int32_t GetControlAttributeC(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                      std::int32_t* value) override;
    std::int32_t GetControlAttributeB(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                      std::int32_t* value) override;
    std::int32_t GetControlValueTextOfLength(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                             std::int32_t value, char* text, std::int32_t length) override;
    std::int32_t GetControlHighlight(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                     std::int16_t* on, std::int16_t* colour) override;
    std::int32_t SetControlHighlight(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                     std::int16_t on, std::int16_t colour) override;
    std::int32_t ApplyControlValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                   std::int32_t value) override;
    std::int32_t ApplyControlValueDelta(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                        std::int32_t delta) override;
    std::int32_t GetControlAtPoint(std::uint32_t typeID, std::int32_t processID, Point where,
                                   std::int32_t* control) override;
    std::int32_t GetControlDefaultValue(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                        std::int32_t* value) override;
    std::int32_t HostCall156(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3, std::int32_t arg4,
                             std::int32_t arg5, std::int32_t* arg6) override;
    std::int32_t HostCall59(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3, std::int32_t arg4,
                            std::int16_t* arg5) override;
    std::int32_t SetHostWord(std::uint32_t typeID, std::int32_t processID, std::int32_t word) override;
    std::int32_t SetPlugInSpec(std::uint32_t typeID, std::int32_t processID, SHostPlugInSpec* record) override;
    std::int32_t GetPlugInSpec(std::uint32_t typeID, std::int32_t processID, SHostPlugInSpec* record) override;
    std::int32_t HostCall141(std::uint32_t typeID, std::int32_t processID, SHostPlugInSpec* arg3, std::int32_t arg4,
                             std::int32_t* arg5) override;
    std::int32_t HostCall142(std::uint32_t typeID, std::int32_t processID, SHostPlugInSpec* arg3, std::int32_t arg4,
                             std::int32_t* arg5) override;
    std::int32_t HostCall143(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             std::uint8_t arg4) override;
    std::int32_t HostCall151(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             std::int32_t arg4) override;
    std::int32_t HostCall152(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             std::int32_t* arg4) override;
    std::int32_t HostCall153(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3) override;
    std::int32_t HostCall154(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             std::int32_t arg4) override;
    std::int32_t HostCall155(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             std::int32_t* arg4) override;
    std::int32_t HostCall157(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             std::uint8_t arg4) override;
    std::int32_t HostCall158(std::uint32_t typeID, std::int32_t processID, std::int32_t* arg3) override;
    std::int32_t HostCall159(std::uint32_t typeID, std::int32_t processID, std::int32_t arg3,
                             SHostPlugInStemInfo* arg4) override;
    std::int32_t HostCall168(std::uint32_t typeID, std::int32_t processID, void* arg3) override;
    std::int32_t HostCall169(std::uint32_t typeID, std::int32_t processID, SFileList* arg3, SFileList* arg4) override;
    std::int32_t HostCall170(std::uint32_t typeID, std::int32_t processID, SFileList* arg3, SFileList* arg4,
                             std::uint8_t arg5) override;
    std::int32_t HostCall173(std::uint32_t typeID, std::int32_t processID) override;
    std::int32_t HostCall172(std::uint32_t typeID, std::int32_t processID, IEngineUnknown** arg3) override;
    std::int32_t GetTypeKind(std::uint32_t typeID, std::int32_t* kind) override;

    // What the group does itself.
    std::int32_t GetTypeName(std::uint32_t typeID, std::int32_t maxLength, char* name) override;
    std::int32_t SetSampleRate(std::int32_t rate) override;
    std::int32_t HostCall125(std::int32_t word) override;
    std::int32_t SetTimeCodeInfo(SHostTimeCodeInfo* info) override;
    std::int32_t HostCall16() override;
    std::int32_t HostCall18() override;
    std::int32_t HostCall69(std::uint8_t flag) override;
    std::int32_t HostCall72(std::uint8_t flag) override;
    std::int32_t HostCall122(std::int32_t first, std::int32_t second) override;
    std::int32_t CreateProcess(std::uint32_t typeID, std::int32_t* newProcessID) override;
    std::int32_t DeleteProcess(std::uint32_t typeID, std::int32_t processID) override;
    std::int32_t GetNumProcessTypes(std::int16_t* count) override;
    std::int32_t EnableProcessType(std::int32_t kind) override;
    std::int32_t HostCall93(std::uint32_t typeID, std::int32_t attribute, std::int32_t* value) override;
    std::int32_t GetInfoText(std::uint32_t typeID, std::int32_t processID, std::int32_t kind,
                             std::uint8_t* text) override;
    std::int32_t HostCall36(std::int32_t* a, std::int32_t* b, std::uint32_t typeID, std::int32_t processID,
                            std::int32_t arg5) override;
    std::int32_t HostCall37(std::int32_t* a, std::int32_t* b, std::uint32_t typeID, std::int32_t processID,
                            std::int32_t arg5) override;
    std::int32_t GetViewRect(std::uint32_t typeID, std::int32_t processID, Rect* rect) override;
    std::int32_t SetViewPort(std::uint32_t typeID, std::int32_t processID, OpaqueGrafPtr* port) override;
    std::int32_t SetViewOrigin(std::uint32_t typeID, std::int32_t processID, Point origin) override;
    std::int32_t EnterHostCall() override;
    bool TryEnterHostCall() override;
    std::int32_t LeaveHostCall() override;

    virtual void CreateGroupLock();
    virtual void DeleteGroupLock();
    virtual void ShutDown();
    virtual std::int32_t CreateObjectServer();
    virtual std::int32_t DeleteObjectServer();
    virtual void CreateProcessTypes() {}
    virtual void SortProcessTypes();
    virtual void NumberProcessTypes();
    virtual void DeleteProcessTypes();
    // Throws -7125 when no type has the id.
    virtual CProcessType* GetProcessType(std::uint32_t typeID);
    virtual CProcessType* FindProcessType(std::uint32_t typeID);
    // The plug-in's name, length-prefixed, at most maxLength characters.
    virtual std::int32_t GetPlugInName(std::uint8_t* name, std::int32_t maxLength) = 0;

    // The codes the host's engine knows the library's plug-ins by; 'XXXX' for each the group lacks.
    virtual void GetConversantCodes(std::uint32_t& manufacturer, std::uint32_t& product, std::uint32_t& type);

    // Types are numbered from 1; the first throws -7125 where the second answers null.
    CProcessType* GetProcessTypeByIndex(std::int16_t number);
    CProcessType* FindProcessTypeByIndex(std::int16_t number);
    std::int16_t GetProcessTypeIndex(std::uint32_t typeID);
    // The list owns the type from here on.
    void AddProcessType(CProcessType* type);
    std::int32_t GetLiveProcessCount() const { return liveProcessCount; }
    std::int32_t GetLockNesting() const { return lockNesting; }

    // The plug-in's resource file, made current for the bracket's length; brackets may nest, and the
    // file stays open while any is open. Answers the file that was current before; an unopenable
    // file throws -7400.
    static std::int16_t usePlugInResFile();
    static void restoreResFile(std::int16_t previous);
    // True when opened through WinPlugInOpen, or when host views were switched off.
    static bool HostViewsDisabled();
    static void SetHostViewsDisabled(bool disabled);
    // The host's object server and its object, 0 while there is none.
    static std::intptr_t GetObjectServer();
    static std::intptr_t GetServerObject();
    static std::int16_t GetCreationCount();

protected:
    bool IsDisabled(CProcessType& type);
    template <typename Operation>
    std::int32_t broadcast(Operation operation);

    std::optional<std::vector<std::unique_ptr<CProcessType>>> processTypes;
    std::int32_t liveProcessCount = 0;
    HostLock* groupLock = nullptr;
    std::int32_t lockNesting = 0;
    // Whether the first live process pinned the plug-in's resource file, and the file it found current.
    bool resFilePinned = false;
    std::int16_t rememberedResFile = -1;
};
