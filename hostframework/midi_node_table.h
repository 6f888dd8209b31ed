#pragma once

// The words a MIDI client shares with its nodes: the host's MIDI interface once the client is
// registered, its version, the instance number the host shows in the nodes' names, and one slot
// per node the client may open. Every call to the host goes through here, and one that the host's
// interface is too old for is answered -9145 without reaching it.

#include "hostlibs/engine/host_midi.h"

#include <array>
#include <cstddef>
#include <cstdint>

class CEffectMIDIAbstractNode;

class CEffectMIDINodeTable {
public:
    static constexpr std::size_t kWordCount = 53;
    static constexpr std::int32_t kSlotsPerKind = kHostMIDINodesPerKind;
    static constexpr std::size_t kBufferedInputSlots = 3;
    static constexpr std::size_t kDirectInputSlots = 19;
    static constexpr std::size_t kBufferedSingleOutputSlot = 35;
    static constexpr std::size_t kDirectSingleOutputSlot = 36;
    static constexpr std::size_t kBufferedOutputSlots = 37;

    // The interface when the host's version is at least the minimum, else null; an unregistered
    // client has version 0.
    IHostMIDI* HostFrom(std::int32_t minimumVersion) const;
    IHostMIDI* GetInterface() const { return reinterpret_cast<IHostMIDI*>(words[kInterfaceWord]); }
    // Where the host puts its interface object when it registers the client.
    std::intptr_t* InterfaceWord() { return &words[kInterfaceWord]; }
    std::int32_t GetVersion() const { return static_cast<std::int32_t>(words[kVersionWord]); }
    void SetVersion(std::int32_t version) { words[kVersionWord] = version; }
    std::int32_t GetInstanceNumber() const { return static_cast<std::int32_t>(words[kInstanceWord]); }
    void SetInstanceNumber(std::int32_t number) { words[kInstanceWord] = number; }
    void Reset() { words.fill(0); }

    // Puts the node into the first free of count slots from first: its position among them, or
    // -1 when they are all taken.
    std::int32_t TakeSlot(std::size_t first, std::int32_t count, CEffectMIDIAbstractNode* node);
    // Only the slots that still hold the node: after a reset the node's old slot may have a new owner.
    void FreeSlotsOf(const CEffectMIDIAbstractNode* node);
    CEffectMIDIAbstractNode* GetNode(std::size_t slot) const
    {
        return reinterpret_cast<CEffectMIDIAbstractNode*>(words[slot]);
    }

    // The host's own values, passed through.
    std::int32_t Operation9(std::intptr_t first, std::intptr_t second);
    std::int32_t Operation12(std::intptr_t first, std::intptr_t second);
    std::int32_t Operation18(std::intptr_t first, std::intptr_t second, std::intptr_t third);
    std::int32_t Operation22(std::intptr_t value);
    std::int32_t Operation23(std::intptr_t value);
    std::int32_t Operation24(std::intptr_t first, std::intptr_t second, std::intptr_t third);
    std::int32_t Operation28(std::intptr_t first, std::intptr_t second, std::intptr_t third, std::intptr_t fourth,
                             std::intptr_t fifth);
    // node is one of the input nodes 0..15.
    std::int32_t SetNodePort(std::int32_t node, std::intptr_t port);

    // The transport; an out value is written only when the host answers 0.
    std::int32_t GetTempo(double* tempo) const;
    std::int32_t GetPlayingFlag(std::uint8_t* playing) const;
    std::int32_t GetPositionInTicks(std::int64_t* ticks) const;

private:
    static constexpr std::size_t kInterfaceWord = 0;
    static constexpr std::size_t kVersionWord = 1;
    static constexpr std::size_t kInstanceWord = 2;

    // Pointer-sized: the interface object and the nodes are kept in them.
    std::array<std::intptr_t, kWordCount> words{};
};
