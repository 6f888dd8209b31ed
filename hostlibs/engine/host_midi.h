#pragma once

// The host engine's MIDI interface as a direct MIDI client holds it once registered: operations on
// the client's nodes and on the transport, and a data block through which the packets of buffered
// nodes pass. Every operation answers 0 or a host error code.

#include <cstddef>
#include <cstdint>

// Each client numbers its buffered inputs, direct inputs and buffered outputs 0..15, each kind on
// its own; the single output of the buffered or the direct kind is node 255.
inline constexpr std::int32_t kHostMIDINodesPerKind = 16;
inline constexpr std::int32_t kHostMIDISingleOutputNode = 255;

// An input packet as the host buffers or delivers it: the event's sample offset within the block
// and the MIDI bytes (status, two data bytes and a fourth) as they came; the rest is the host's.
inline constexpr std::size_t kHostMIDIPacketSize = 56;
inline constexpr std::size_t kHostMIDIPacketOffsetAt = 0;
inline constexpr std::size_t kHostMIDIPacketBytesAt = 8;

// An output packet: three 32-bit words and a 16-bit word, packed.
inline constexpr std::size_t kHostMIDIOutputPacketSize = 14;

// What a buffered node holds for the current block. The audio thread reads it without a lock.
struct SHostMIDINodeRecord {
    std::int32_t count;
    std::uint8_t* packets;
};

struct SHostMIDIDataBlock {
    SHostMIDINodeRecord inputs[kHostMIDINodesPerKind];
    SHostMIDINodeRecord outputs[kHostMIDINodesPerKind];
};

// Called by the host for each packet of a direct node at once, with the context the client gave
// at registration and the node's port (its node number).
using HostMIDIDeliveryRoutine = void (*)(void* context, std::int32_t port, const std::uint8_t* packet);

// The operations in the host's order; the host's twentieth and twenty-first are not used by the
// library and are left out.
class IHostMIDI {
public:
    virtual std::int16_t ConnectNativeBufferedInput(std::int32_t node, const char* name, std::int32_t flags,
                                                    void* cookie) = 0;
    virtual std::int16_t ConnectBufferedInput(std::int32_t node, const char* name, std::int32_t flags, void* cookie,
                                              std::intptr_t extra) = 0;
    virtual std::int16_t ConnectDirectInput(std::int32_t node, const char* name, std::int32_t flags, void* cookie,
                                            HostMIDIDeliveryRoutine routine) = 0;
    virtual std::int16_t ConnectNativeBufferedSingleOutput(std::int32_t node, const char* name, std::int32_t flags,
                                                           void* cookie) = 0;
    virtual std::int16_t ConnectBufferedSingleOutput(std::int32_t node, const char* name, std::int32_t flags,
                                                     void* cookie, std::intptr_t extra) = 0;
    virtual std::int16_t ConnectDirectSingleOutput(std::int32_t node, const char* name, std::int32_t flags,
                                                   void* cookie, HostMIDIDeliveryRoutine routine) = 0;
    virtual std::int16_t DisconnectBufferedNode(std::int32_t node) = 0;
    virtual std::int16_t DisconnectDirectNode(std::int32_t node) = 0;
    // The host's own values, passed through as they are.
    virtual std::int16_t Operation9(std::intptr_t first, std::intptr_t second) = 0;
    virtual std::int16_t SetBufferedNodeName(std::int32_t node, const char* name) = 0;
    virtual std::int16_t GetTempo(double* tempo) = 0;
    virtual std::int16_t Operation12(std::intptr_t first, std::intptr_t second) = 0;
    virtual std::int16_t GetPlayingFlag(std::uint8_t* playing) = 0;
    virtual std::int16_t SetNodePort(std::int32_t node, std::intptr_t port) = 0;
    virtual std::int16_t SetBufferedNodeEnabled(std::int32_t node, std::uint8_t enabled) = 0;
    virtual std::int16_t SetDirectNodeEnabled(std::int32_t node, std::uint8_t enabled) = 0;
    // Quarter notes of 960000 ticks each.
    virtual std::int16_t GetPositionInTicks(std::int64_t* ticks) = 0;
    virtual std::int16_t Operation18(std::intptr_t first, std::intptr_t second, std::intptr_t third) = 0;
    virtual std::int16_t SetDirectNodeName(std::int32_t node, const char* name) = 0;
    virtual std::int16_t Operation22(std::intptr_t value) = 0;
    virtual std::int16_t Operation23(std::intptr_t value) = 0;
    virtual std::int16_t Operation24(std::intptr_t first, std::intptr_t second, std::intptr_t third) = 0;
    // The host makes room for capacity packets in the node's output record.
    virtual std::int16_t ConnectBufferedOutput(std::int32_t node, const char* name, std::int32_t flags,
                                               std::int32_t capacity) = 0;
    virtual std::int16_t DisconnectBufferedOutput(std::int32_t node) = 0;
    virtual std::int16_t SetBufferedOutputName(std::int32_t node, const char* name) = 0;
    virtual std::int16_t Operation28(std::intptr_t first, std::intptr_t second, std::intptr_t third,
                                     std::intptr_t fourth, std::intptr_t fifth) = 0;

    SHostMIDIDataBlock dataBlock{};

protected:
    ~IHostMIDI() = default;
};
