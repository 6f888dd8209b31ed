#pragma once

// The named MIDI nodes a MIDI client opens in the host's MIDI routing: thin wrappers over the
// host's MIDI interface, each holding a slot of the client's node table while it is registered.
// A node of kind 0 is an input, one of 16 per kind of delivery; a node of kind 1 is the client's
// single output of its kind. The host shows a node's name followed by the client's instance number.

#include "hostframework/midi_node_table.h"

#include <cstdint>
#include <string>

class CEffectMIDIAbstractNode {
public:
    // The node index of a node without a slot.
    static constexpr std::int32_t kNoNodeIndex = 256;

    CEffectMIDIAbstractNode(CEffectMIDINodeTable& table, const char* name);
    CEffectMIDIAbstractNode(const CEffectMIDIAbstractNode&) = delete;
    CEffectMIDIAbstractNode& operator=(const CEffectMIDIAbstractNode&) = delete;
    virtual ~CEffectMIDIAbstractNode() = default;

    virtual std::int32_t Disconnect() = 0;
    virtual std::int32_t SetName(const char* name) = 0;
    // A node that already holds its slot keeps it.
    virtual std::int32_t Register() = 0;
    virtual std::int32_t Connect(std::int32_t flags, const char* name) = 0;

    const std::string& GetName() const { return name; }
    std::int32_t GetNodeIndex() const { return nodeIndex; }
    std::int32_t GetOpenFlags() const { return openFlags; }
    bool IsOpened() const { return opened != 0; }

protected:
    bool HoldsSlot() const { return nodeIndex != kNoNodeIndex; }
    // Gives the slot back and forgets the node's index and opening.
    void Release();
    // The node takes the name; the host gets "<name> <instance number>".
    std::int32_t RenameWith(IHostMIDI& host, std::int16_t (IHostMIDI::*rename)(std::int32_t, const char*),
                            const char* newName);

    std::string name;
    std::int32_t nodeIndex = kNoNodeIndex;
    std::int32_t openFlags = 0;
    std::uint8_t opened = 0;
    CEffectMIDINodeTable& table;
};

class CEffectMIDINode : public CEffectMIDIAbstractNode {
public:
    static constexpr std::int32_t kInput = 0;
    static constexpr std::int32_t kOutput = 1;

    CEffectMIDINode(CEffectMIDINodeTable& table, const char* name, std::int32_t kind)
        : CEffectMIDIAbstractNode(table, name), kind(kind)
    {
    }

    virtual std::int32_t SetEnabled(std::uint8_t flag) = 0;

    // Only while the client is registered and the node is not opened: takes a slot, connects the
    // node at the host, then names and enables it there.
    std::int32_t Open(std::int32_t flags, std::uint8_t enable);

    bool IsEnabled() const { return enabled != 0; }

protected:
    bool IsKnownKind() const { return kind == kInput || kind == kOutput; }
    std::int32_t RegisterIn(std::size_t inputSlots, std::size_t singleOutputSlot);
    std::int32_t DisconnectWith(std::int16_t (IHostMIDI::*disconnect)(std::int32_t));
    std::int32_t SetNameWith(const char* newName, std::int32_t minimumVersion,
                             std::int16_t (IHostMIDI::*rename)(std::int32_t, const char*));
    std::int32_t SetEnabledWith(std::uint8_t flag, std::int16_t (IHostMIDI::*enable)(std::int32_t, std::uint8_t));

    std::uint8_t enabled = 1;
    std::int32_t kind;
};

// The host collects a buffered node's packets per block; the audio block reads them.
class CEffectMIDIBufferedNode : public CEffectMIDINode {
public:
    CEffectMIDIBufferedNode(CEffectMIDINodeTable& table, const char* name, std::int32_t kind, void* cookie)
        : CEffectMIDINode(table, name, kind), cookie(cookie)
    {
    }
    ~CEffectMIDIBufferedNode() override;

    std::int32_t Disconnect() override;
    std::int32_t SetName(const char* newName) override;
    std::int32_t Register() override;
    std::int32_t SetEnabled(std::uint8_t flag) override;

    // The packets of the current block, kHostMIDIPacketSize bytes each; 0 and null for a node the
    // host buffers nothing for.
    std::int32_t GetPacketCount() const;
    const std::uint8_t* GetPacketBuffer() const;

protected:
    const SHostMIDINodeRecord* Record() const;

    void* cookie;
};

// The node of the native real-time process.
class CEffectMIDINativeBufferedNode : public CEffectMIDIBufferedNode {
public:
    using CEffectMIDIBufferedNode::CEffectMIDIBufferedNode;

    std::int32_t Connect(std::int32_t flags, const char* connectName) override;
};

class CEffectMIDIOtherBufferedNode : public CEffectMIDIBufferedNode {
public:
    CEffectMIDIOtherBufferedNode(CEffectMIDINodeTable& table, const char* name, std::int32_t kind, void* cookie,
                                 std::intptr_t extra)
        : CEffectMIDIBufferedNode(table, name, kind, cookie), extra(extra)
    {
    }

    std::int32_t Connect(std::int32_t flags, const char* connectName) override;

private:
    std::intptr_t extra;
};

// Called at once for each packet the host delivers to a direct node, with the node's cookie.
using EffectMIDIDeliveryFunction = void (*)(void* cookie, const std::uint8_t* packet);

class CEffectMIDIDirectDeliveryNode : public CEffectMIDINode {
public:
    CEffectMIDIDirectDeliveryNode(CEffectMIDINodeTable& table, const char* name, std::int32_t kind,
                                  EffectMIDIDeliveryFunction deliveryFunction, void* cookie)
        : CEffectMIDINode(table, name, kind), deliveryFunction(deliveryFunction), cookie(cookie)
    {
    }
    ~CEffectMIDIDirectDeliveryNode() override;

    std::int32_t Disconnect() override;
    std::int32_t SetName(const char* newName) override;
    std::int32_t Register() override;
    std::int32_t Connect(std::int32_t flags, const char* connectName) override;
    std::int32_t SetEnabled(std::uint8_t flag) override;

    // The routine the host calls with the node table and a port: 0..15 for the direct inputs,
    // 255 for the single direct output. Other ports reach no node.
    static void Deliver(void* nodeTable, std::int32_t port, const std::uint8_t* packet);

private:
    EffectMIDIDeliveryFunction deliveryFunction;
    void* cookie;
};
