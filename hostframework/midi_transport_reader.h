#pragma once

// What the audio block asks of the host's transport, through the MIDI client's node table: it
// holds the table's address, so it follows the client through unregistering and registering again.
// Each query answers -9145 when the host's interface is too old and leaves the value as it was
// unless the host answers.

#include "hostframework/midi_node_table.h"

class CEffectMIDITransportReader {
public:
    explicit CEffectMIDITransportReader(const CEffectMIDINodeTable& table) : table(&table) {}

    std::int32_t GetTempo(double* tempo) const { return table->GetTempo(tempo); }
    std::int32_t GetPlayingFlag(std::uint8_t* playing) const { return table->GetPlayingFlag(playing); }
    std::int32_t GetPositionInTicks(std::int64_t* ticks) const { return table->GetPositionInTicks(ticks); }

private:
    const CEffectMIDINodeTable* table;
};
