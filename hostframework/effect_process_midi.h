#pragma once

// An effect process that takes MIDI: it registers itself with the host as a direct MIDI client,
// keeps the node table its MIDI nodes share, and carries its instance number, which the host shows
// in the nodes' names, from a saved state to the restored one in the chunk "MIDI Connection Data".

#include "hostframework/chunk_data_parser.h"
#include "hostframework/effect_process.h"
#include "hostframework/midi_node_table.h"

class CEffectGroupMIDI;

// Shared with the native real-time process by the adaptor's process, so a virtual base.
class CEffectProcessMIDI : public virtual CEffectProcess {
public:
    static constexpr std::int32_t kNewestMIDIVersion = 7;

    CEffectProcessMIDI();
    // The host must not keep delivering to a node table that is gone.
    ~CEffectProcessMIDI() override;

    // Asks the host for the newest interface version it speaks; the instance number comes from the
    // group's pool when the group keeps one.
    virtual std::int32_t RegisterMIDIClient();
    virtual std::int32_t UnregisterMIDIClient();
    // The size of the chunk it built: its records and the host's chunk header.
    virtual std::int32_t BuildMIDIChunk();

    std::int32_t UnregisterIfRegistered();

    std::int32_t GetChunkSize(std::uint32_t chunkID, std::int32_t* size) override;
    std::int32_t GetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk) override;
    std::int32_t SetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk) override;

    bool IsMIDIClientRegistered() const { return registered; }
    std::int32_t GetInstanceNumber() const { return instanceNumber; }
    CEffectMIDINodeTable& GetNodeTable() { return nodeTable; }

private:
    CEffectGroupMIDI* GetMIDIGroup() const;
    // Each node tells the host its name again, now with the current instance number.
    void RenameNodes();

    ChunkDataParser midiParser;
    std::int32_t midiChunkSize = 0;
    std::int32_t highestVersion = kNewestMIDIVersion;
    bool registered = false;
    std::int32_t instanceNumber = 0;
    CEffectMIDINodeTable nodeTable;
};
