#pragma once

// What every effect process has: a master bypass, the chunk that stores every control's value
// ("Complete Controls State"), the chunks the host can list, level meters read through a cache,
// and the descriptions of its output streams.

#include "hostframework/aos_info.h"
#include "hostframework/chunk_data_parser.h"
#include "hostframework/dsp_process.h"
#include "hostframework/meter_cache.h"
#include "platform/four_char_code.h"

#include <set>
#include <string>
#include <vector>

class CAdaptorPlugIn;

class CEffectProcess : public CDSPProcess {
public:
    // The chunk of every control's value, always the first declared, and the MIDI connection chunk;
    // neither counts as a chunk of the process's own.
    static constexpr std::uint32_t kControlsChunkID = FourCharCode("elck");
    static constexpr std::uint32_t kMIDIChunkID = FourCharCode("midi");

    CEffectProcess();

    std::int32_t Initialize() override;
    std::int32_t HandleKeyEvent(EventRecord* event, std::uint8_t* handled) override;
    std::int32_t SetBypass(std::int32_t control, std::uint8_t bypass) override;
    std::int32_t GetNumInputs(std::int16_t* count) override { return setOut(count, inputs); }
    std::int32_t GetNumOutputs(std::int16_t* count) override { return setOut(count, outputs); }
    std::int32_t GetBypassControlIndex(std::int32_t* control) override { return setOut(control, bypassPosition); }
    std::int32_t GetBypass(std::int32_t control, std::uint8_t* bypass) override;

    std::int32_t GetMeterCount(std::int32_t* count) override;
    std::int32_t GetMeterLevel(std::int32_t meter, std::int32_t* level) override;
    std::int32_t GetMeterOrientation(std::int32_t meter, EMeterOrientation* orientation) override;
    std::int32_t GetNumMeters(EMeterType meterType, std::int32_t* count) override;
    std::int32_t GetMeterOfType(EMeterType meterType, std::int32_t index, std::int32_t* meter) override;
    std::int32_t GetClipIndicator(std::uint8_t* clipped) override;
    std::int32_t ClearClipIndicators() override;

    std::int32_t GetNumChunks(std::int32_t* count) override;
    std::int32_t GetChunkID(std::int32_t index, std::uint32_t* chunkID) override;
    std::int32_t GetChunkName(std::uint32_t chunkID, std::uint8_t* name) override;
    std::int32_t GetChunkSize(std::uint32_t chunkID, std::int32_t* size) override;
    std::int32_t GetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk) override;
    std::int32_t SetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk) override;
    std::int32_t CompareChunk(SHostPlugInChunk* chunk, std::uint8_t* same) override;
    std::int32_t GetChunkAltName(std::int32_t chunkID, std::uint8_t* text) override;

    void GetBaseName(char* name) override;
    std::int32_t GetAOSCount(std::int32_t* count) override { return setOut(count, aosInfos.Count()); }
    std::int32_t GetAOSInfo(std::int32_t index, SHostPlugInStemInfo* record) override;
    // The dialog of the process's type number.
    CPlugInView* CreateRootView() override;

    // The effect type passes routine 15 on to its process.
    virtual std::int32_t HostCall15(EventRecord* /*event*/) { return 0; }
    // The object that presents the process to the host's real-time engine, when it has one.
    virtual CAdaptorPlugIn* GetAdaptorPlugIn() const { return nullptr; }
    // A key the root view left alone; true when the process used it.
    virtual bool HandleKeyInProcess(EventRecord* /*event*/) { return false; }
    // The effect's own set-up at Initialize, before the meter arrays are sized: the place to add meters.
    virtual void SetUpEffect() {}
    // Runs before the controls chunk is built, for a process whose controls follow another object.
    virtual void UpdateControlsBeforeChunk() {}

    // A null meter throws -7053.
    void AddMeter(SMeter* meter);
    void DeclareChunk(std::uint32_t chunkID, const char* name, std::int32_t size);
    // The bypass control is left out of the controls chunk and never restored from it.
    void SetMasterBypassControl(std::int32_t position);
    std::int32_t GetMasterBypassPosition() const { return bypassPosition; }
    // Sets the control from the parsed controls chunk; a missing entry leaves it as it is.
    std::int32_t RestoreControlFromChunk(std::int32_t position, bool apply);

    // A null info throws -7053.
    void AddAOSInfo(CAOSInfo* info) { aosInfos.Add(info); }
    std::int32_t GetAOSTotalChannels() const { return aosInfos.GetTotalChannels(); }
    bool HasOutputChannel(std::int32_t channel) const;
    // The host connected or disconnected the input channel that carries the side input.
    virtual void SideInputConnected() {}
    virtual void SideInputDisconnected() {}
    // A channel no stream carries counts as enabled.
    bool IsOutputChannelEnabled(std::int32_t channel) const;
    void SetOutputChannelEnabled(std::int32_t channel, bool enabled);

protected:
    struct SDeclaredChunk {
        std::uint32_t id;
        std::string name;
        std::int32_t size;
    };

    void BuildControlsChunk();
    bool IsLeftOut(CPluginControl* control) const { return leftOutIDs.contains(control->GetID()); }
    const SDeclaredChunk* FindDeclaredChunk(std::uint32_t chunkID) const;
    // The controls whose values are compared with the parsed chunk match them.
    bool ControlsMatchChunk();

    ChunkDataParser parser;
    std::int32_t controlsChunkSize = 0;
    std::int32_t bypassPosition = 0;
    std::set<std::uint32_t> leftOutIDs;
    std::vector<SDeclaredChunk> declaredChunks;
    // Set once a chunk of the process's own is declared; until then the host is not told of the
    // controls chunk.
    bool ownChunks = false;
    std::int16_t inputs = 0;
    std::int16_t outputs = 0;
    std::int32_t typeKind = 0;
    // Attribute 5 of the type (its input count + 1 when it has a side input) and attribute 21.
    std::int32_t sideInputAttribute = 0;
    std::int32_t typeAttribute21 = 0;
    CMeterCache meterCache;
    std::vector<std::int32_t> meterPeaks;
    std::vector<std::uint8_t> meterClips;
    bool clipLatch = false;
    CAOSInfoList aosInfos;
};
