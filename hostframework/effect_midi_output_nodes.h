#pragma once

// Output nodes: the client writes packets into a buffer the host made for the node at connection,
// up to the node's capacity.

#include "hostframework/effect_midi_nodes.h"

// Written into the host's buffer as it stands: three 32-bit words, then a 16-bit word, packed.
struct SEffectMIDIOutputPacket {
    std::uint32_t words[3];
    std::uint16_t tail;
};

class CEffectMIDIOutputNode : public CEffectMIDIAbstractNode {
public:
    using CEffectMIDIAbstractNode::CEffectMIDIAbstractNode;

    // Only while the client is registered with a host of version 7 and the node is not opened:
    // takes a slot and connects the node, with option 4 added to the flags when enable is 1.
    std::int32_t Open(std::int32_t flags, std::uint8_t enable);
};

class CEffectMIDIBufferedOutputNode : public CEffectMIDIOutputNode {
public:
    CEffectMIDIBufferedOutputNode(CEffectMIDINodeTable& table, const char* name, std::int32_t capacity)
        : CEffectMIDIOutputNode(table, name), capacity(capacity)
    {
    }
    ~CEffectMIDIBufferedOutputNode() override;

    std::int32_t Disconnect() override;
    std::int32_t SetName(const char* newName) override;
    std::int32_t Register() override;

    // The packets written so far, kHostMIDIOutputPacketSize bytes each; 0 and null for a node the
    // host made no buffer for.
    std::int32_t GetPacketCount() const;
    const std::uint8_t* GetPacketBuffer() const;
    // The new count, or -9145 when the buffer is full.
    std::int32_t AppendPacket(const SEffectMIDIOutputPacket& packet);
    // Packet index of those written so far; -9145 for another index.
    std::int32_t ReplacePacket(std::int32_t index, const SEffectMIDIOutputPacket& packet);

protected:
    SHostMIDINodeRecord* Record() const;

    std::int32_t capacity;
};

class CEffectMIDINativeBufferedOutputNode : public CEffectMIDIBufferedOutputNode {
public:
    using CEffectMIDIBufferedOutputNode::CEffectMIDIBufferedOutputNode;

    std::int32_t Connect(std::int32_t flags, const char* connectName) override;
};
