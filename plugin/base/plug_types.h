#pragma once

#include "platform/four_char_code.h"

#include <cstdint>

// The records of the dispatcher-style boundary between the host adaptor and
// the plug-in object. Pointers live in pointer-sized fields, and the
// dispatcher's and the host callback's value and result are pointer-sized too,
// because some answers (the time information) are pointers.

struct PluginRecord;

using PlugIntPtr = std::intptr_t;

// The host callback: (record, opcode, index, value, pointer, opt) -> answer.
using HostCallback = PlugIntPtr (*)(PluginRecord* effect, std::int32_t opcode, std::int32_t index,
                                    PlugIntPtr value, void* ptr, float opt);

using PlugDispatcherProc = PlugIntPtr (*)(PluginRecord* effect, std::int32_t opcode, std::int32_t index,
                                          PlugIntPtr value, void* ptr, float opt);
using PlugProcessProc = void (*)(PluginRecord* effect, float** inputs, float** outputs, std::int32_t frames);
using PlugProcessDoubleProc = void (*)(PluginRecord* effect, double** inputs, double** outputs, std::int32_t frames);
using PlugSetParameterProc = void (*)(PluginRecord* effect, std::int32_t index, float value);
using PlugGetParameterProc = float (*)(PluginRecord* effect, std::int32_t index);

constexpr auto kPluginRecordMagic = static_cast<std::int32_t>(FourCharCode("PlgP"));

// The record the host adaptor holds and calls; field order and values are
// shared with the adaptor.
struct PluginRecord {
    std::int32_t magic;
    PlugDispatcherProc dispatcher;
    PlugProcessProc process;
    PlugSetParameterProc setParameter;
    PlugGetParameterProc getParameter;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t numInputs;
    std::int32_t numOutputs;
    std::int32_t flags;
    PlugIntPtr resvd1; // the host adaptor's own process pointer
    PlugIntPtr resvd2;
    std::int32_t initialDelay;
    std::int32_t realQualities;
    std::int32_t offQualities;
    float ioRatio;
    void* object;
    void* user;
    std::int32_t uniqueID;
    std::int32_t version;
    PlugProcessProc processReplacing;
    PlugProcessDoubleProc processDoubleReplacing;
    char future[56];
};

enum PlugFlags : std::int32_t {
    plugFlagsHasEditor = 0x1,
    plugFlagsHasClip = 0x2,
    plugFlagsHasVu = 0x4,
    plugFlagsCanMono = 0x8,
    plugFlagsCanReplacing = 0x10,
    plugFlagsProgramChunks = 0x20,
    plugFlagsIsSynth = 0x100,
    plugFlagsNoSoundInStop = 0x200,
    plugFlagsExtIsAsync = 0x400,
    plugFlagsExtHasBuffer = 0x800,
    plugFlagsCanDoubleReplacing = 0x1000,
};

// Dispatcher opcodes, host adaptor -> plug-in.
enum PlugOpcode : std::int32_t {
    plugOpen = 0,
    plugClose = 1,
    plugSetProgram = 2,
    plugGetProgram = 3,
    plugSetProgramName = 4,
    plugGetProgramName = 5,
    plugGetParamLabel = 6,
    plugGetParamDisplay = 7,
    plugGetParamName = 8,
    plugSetSampleRate = 10,
    plugSetBlockSize = 11,
    plugMainsChanged = 12,
    plugEditGetRect = 13,
    plugEditOpen = 14,
    plugEditClose = 15,
    plugEditIdle = 19,
    plugIdentify = 22,
    plugGetChunk = 23,
    plugSetChunk = 24,
    plugProcessEvents = 25,
    plugCanBeAutomated = 26,
    plugString2Parameter = 27,
    plugGetProgramNameIndexed = 29,
    plugGetInputProperties = 33,
    plugGetOutputProperties = 34,
    plugGetPlugCategory = 35,
    plugOfflineNotify = 38,
    plugOfflinePrepare = 39,
    plugOfflineRun = 40,
    plugProcessVarIo = 41,
    plugSetSpeakerArrangement = 42,
    plugSetBypass = 44,
    plugGetEffectName = 45,
    plugGetVendorString = 47,
    plugGetProductString = 48,
    plugGetVendorVersion = 49,
    plugVendorSpecific = 50,
    plugCanDo = 51,
    plugGetTailSize = 52,
    plugGetParameterProperties = 56,
    plugGetPlugVersion = 58,
    plugEditKeyDown = 59,
    plugEditKeyUp = 60,
    plugSetEditKnobMode = 61,
    plugGetMidiProgramName = 62,
    plugGetCurrentMidiProgram = 63,
    plugGetMidiProgramCategory = 64,
    plugHasMidiProgramsChanged = 65,
    plugGetMidiKeyName = 66,
    plugBeginSetProgram = 67,
    plugEndSetProgram = 68,
    plugGetSpeakerArrangement = 69,
    plugShellGetNextPlugin = 70,
    plugStartProcess = 71,
    plugStopProcess = 72,
    plugSetTotalSampleToProcess = 73,
    plugSetPanLaw = 74,
    plugBeginLoadBank = 75,
    plugBeginLoadProgram = 76,
    plugSetProcessPrecision = 77,
    plugGetNumMidiInputChannels = 78,
    plugGetNumMidiOutputChannels = 79,
};

// Host callback opcodes, plug-in -> host adaptor.
enum HostOpcode : std::int32_t {
    hostOpSetParameterAutomated = 0,
    hostOpGetMasterVersion = 1,
    hostOpGetCurrentUniqueId = 2,
    hostOpMasterIdle = 3,
    hostOpIsConnected = 4,
    hostOpWantEvents = 6,
    hostOpGetTimeInfo = 7,
    hostOpSendPlugEventsToHost = 8,
    hostOpTempoAt = 10,
    hostOpGetNumAutomatableParameters = 11,
    hostOpGetParameterQuantization = 12,
    hostOpIoChanged = 13,
    hostOpNeedIdle = 14,
    hostOpSizeWindow = 15,
    hostOpUpdateSampleRate = 16,
    hostOpUpdateBlockSize = 17,
    hostOpGetInputLatency = 18,
    hostOpGetOutputLatency = 19,
    hostOpGetPreviousPlug = 20,
    hostOpGetNextPlug = 21,
    hostOpWillProcessReplacing = 22,
    hostOpGetCurrentProcessLevel = 23,
    hostOpGetAutomationState = 24,
    hostOpOfflineStart = 25,
    hostOpOfflineRead = 26,
    hostOpOfflineWrite = 27,
    hostOpOfflineGetCurrentPass = 28,
    hostOpOfflineGetCurrentMetaPass = 29,
    hostOpSetOutputSampleRate = 30,
    hostOpGetOutputSpeakerArrangement = 31,
    hostOpGetHostVendorString = 32,
    hostOpGetHostProductString = 33,
    hostOpGetHostVendorVersion = 34,
    hostOpHostVendorSpecific = 35,
    hostOpCanHostDo = 37,
    hostOpGetHostLanguage = 38,
    hostOpOpenWindow = 39,
    hostOpCloseWindow = 40,
    hostOpGetDirectory = 41,
    hostOpUpdateDisplay = 42,
    hostOpBeginEdit = 43,
    hostOpEndEdit = 44,
    hostOpOpenFileSelector = 45,
    hostOpCloseFileSelector = 46,
    hostOpGetChunkFile = 48,
    hostOpGetInputSpeakerArrangement = 49,
};

constexpr std::int32_t kPlugEventTypeMidi = 1;

struct PlugEvent {
    std::int32_t type;
    std::int32_t byteSize;
    std::int32_t deltaFrames;
    std::int32_t flags;
    char data[16];
};

struct PlugMidiEvent {
    std::int32_t type; // kPlugEventTypeMidi
    std::int32_t byteSize;
    std::int32_t deltaFrames; // sample offset in the block
    std::int32_t flags;
    std::int32_t noteLength;
    std::int32_t noteOffset;
    unsigned char midiData[4]; // status, data 1, data 2, 0
    std::int8_t detune;
    std::uint8_t noteOffVelocity;
    std::uint8_t reserved1;
    std::uint8_t reserved2;
};

struct PlugEvents {
    std::int32_t numEvents;
    PlugIntPtr reserved;
    PlugEvent* events[2]; // numEvents pointers follow; the adaptor allocates the real length
};

enum PlugTimeInfoFlags : std::int32_t {
    plugTimeTransportChanged = 0x1,
    plugTimeTransportPlaying = 0x2,
    plugTimePpqPosValid = 0x200,
    plugTimeTempoValid = 0x400,
};

constexpr std::int32_t kTimeInfoFilter = 0x600; // position and tempo wanted

// The host's layout, 88 bytes: a host reads ppqPos at byte 24, tempo at 32 and flags at 84. The reserved words
// stay 0 here; they exist so that the fields the plug-in reads sit where the host puts them.
struct PlugTimeInfo {
    double samplePos;
    double sampleRate;
    double reservedTime;
    double ppqPos; // position in quarter notes
    double tempo;  // beats per minute, valid when plugTimeTempoValid is set
    double reservedPositions[3];
    std::int32_t timeSigNumerator;
    std::int32_t timeSigDenominator;
    std::int32_t reservedCounts[3];
    std::int32_t flags;
};

struct ERect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

struct PlugKeyCode {
    std::int32_t character;
    unsigned char virt;
    unsigned char modifier;
};

enum PlugPinFlags : std::int32_t {
    plugPinIsActive = 0x1,
    plugPinIsStereo = 0x2,
};

struct PlugPinProperties {
    char label[64];
    std::int32_t flags;
    std::int32_t arrangementType;
    char shortLabel[8];
};

// Records the system passes through but never reads.
struct PlugSpeakerArrangement;
struct PlugOfflineTask;
struct PlugAudioFile;
struct PlugVariableIo;
struct PlugParameterProperties;
struct PlugMidiProgramName;
struct PlugMidiKeyName;
struct PlugPatchChunkInfo;
struct PlugFileSelect;
struct PlugWindow;
