#include "hostframework/effect_midi_output_nodes.h"

#include "hostframework/host_error.h"

#include <cstring>

namespace {

// Every output operation came with the seventh version of the host's interface.
constexpr std::int32_t kOutputVersion = 7;
constexpr std::int32_t kEnabledOption = 4;

void writePacket(std::uint8_t* at, const SEffectMIDIOutputPacket& packet)
{
    std::memcpy(at, packet.words, sizeof packet.words);
    std::memcpy(at + sizeof packet.words, &packet.tail, sizeof packet.tail);
}

static_assert(sizeof SEffectMIDIOutputPacket{}.words + sizeof SEffectMIDIOutputPacket{}.tail ==
              kHostMIDIOutputPacketSize);

} // namespace

std::int32_t CEffectMIDIOutputNode::Open(std::int32_t flags, std::uint8_t enable)
{
    if (table.HostFrom(kOutputVersion) == nullptr || opened != 0)
        return kHostErrMIDIUnsupported;
    if (const std::int32_t result = Register(); result != 0)
        return result;
    const std::int32_t openWith = enable == 1 ? flags | kEnabledOption : flags;
    if (const std::int32_t result = Connect(openWith, name.c_str()); result != 0) {
        Release();
        return result;
    }
    openFlags = openWith;
    opened = 1;
    return 0;
}

CEffectMIDIBufferedOutputNode::~CEffectMIDIBufferedOutputNode()
{
    CEffectMIDIBufferedOutputNode::Disconnect();
}

std::int32_t CEffectMIDIBufferedOutputNode::Disconnect()
{
    if (!HoldsSlot())
        return 0;
    IHostMIDI* host = table.HostFrom(kOutputVersion);
    const std::int32_t result = host != nullptr ? host->DisconnectBufferedOutput(nodeIndex) : 0;
    Release();
    return result;
}

std::int32_t CEffectMIDIBufferedOutputNode::SetName(const char* newName)
{
    IHostMIDI* host = table.HostFrom(kOutputVersion);
    if (host == nullptr || opened == 0 || newName == nullptr)
        return kHostErrMIDIUnsupported;
    return RenameWith(*host, &IHostMIDI::SetBufferedOutputName, newName);
}

std::int32_t CEffectMIDIBufferedOutputNode::Register()
{
    if (HoldsSlot())
        return 0;
    const std::int32_t position =
        table.TakeSlot(CEffectMIDINodeTable::kBufferedOutputSlots, CEffectMIDINodeTable::kSlotsPerKind, this);
    if (position < 0)
        return kHostErrMIDIUnsupported;
    nodeIndex = position;
    return 0;
}

SHostMIDINodeRecord* CEffectMIDIBufferedOutputNode::Record() const
{
    IHostMIDI* host = table.HostFrom(kOutputVersion);
    if (host == nullptr || opened == 0)
        return nullptr;
    return &host->dataBlock.outputs[nodeIndex];
}

std::int32_t CEffectMIDIBufferedOutputNode::GetPacketCount() const
{
    const SHostMIDINodeRecord* record = Record();
    return record != nullptr ? record->count : 0;
}

const std::uint8_t* CEffectMIDIBufferedOutputNode::GetPacketBuffer() const
{
    const SHostMIDINodeRecord* record = Record();
    return record != nullptr ? record->packets : nullptr;
}

std::int32_t CEffectMIDIBufferedOutputNode::AppendPacket(const SEffectMIDIOutputPacket& packet)
{
    SHostMIDINodeRecord* record = Record();
    if (record == nullptr || record->packets == nullptr || record->count < 0 || record->count >= capacity)
        return kHostErrMIDIUnsupported;
    writePacket(record->packets + static_cast<std::size_t>(record->count) * kHostMIDIOutputPacketSize, packet);
    return ++record->count;
}

std::int32_t CEffectMIDIBufferedOutputNode::ReplacePacket(std::int32_t index, const SEffectMIDIOutputPacket& packet)
{
    SHostMIDINodeRecord* record = Record();
    if (record == nullptr || record->packets == nullptr || index < 0 || index >= record->count || index >= capacity)
        return kHostErrMIDIUnsupported;
    writePacket(record->packets + static_cast<std::size_t>(index) * kHostMIDIOutputPacketSize, packet);
    return 0;
}

std::int32_t CEffectMIDINativeBufferedOutputNode::Connect(std::int32_t flags, const char* connectName)
{
    IHostMIDI* host = table.HostFrom(kOutputVersion);
    if (host == nullptr)
        return kHostErrMIDIUnsupported;
    return host->ConnectBufferedOutput(nodeIndex, connectName, flags, capacity);
}
