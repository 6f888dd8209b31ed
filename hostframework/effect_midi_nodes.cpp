#include "hostframework/effect_midi_nodes.h"

#include "hostframework/host_error.h"

#include <utility>

namespace {

// The interface version that brought each operation; connecting and disconnecting came with the first.
constexpr std::int32_t kConnectVersion = 1;
constexpr std::int32_t kBufferedNameVersion = 2;
constexpr std::int32_t kEnableVersion = 3;
constexpr std::int32_t kDirectNameVersion = 6;

} // namespace

CEffectMIDIAbstractNode::CEffectMIDIAbstractNode(CEffectMIDINodeTable& table, const char* name)
    : name(name != nullptr ? name : ""), table(table)
{
}

void CEffectMIDIAbstractNode::Release()
{
    table.FreeSlotsOf(this);
    nodeIndex = kNoNodeIndex;
    opened = 0;
}

std::int32_t CEffectMIDIAbstractNode::RenameWith(IHostMIDI& host,
                                                 std::int16_t (IHostMIDI::*rename)(std::int32_t, const char*),
                                                 const char* newName)
{
    std::string kept = newName;
    std::string shown = kept;
    shown += ' ';
    shown += std::to_string(table.GetInstanceNumber());
    const std::int16_t result = (host.*rename)(nodeIndex, shown.c_str());
    name = std::move(kept);
    return result;
}

std::int32_t CEffectMIDINode::Open(std::int32_t flags, std::uint8_t enable)
{
    if (table.GetInterface() == nullptr || opened != 0)
        return kHostErrMIDIUnsupported;
    if (const std::int32_t result = Register(); result != 0)
        return result;
    // A node the host refused must not keep its slot: it would stay taken, and a later Open would
    // take a second one.
    if (const std::int32_t result = Connect(flags, name.c_str()); result != 0) {
        Release();
        return result;
    }
    openFlags = flags;
    opened = 1;
    SetName(name.c_str());
    SetEnabled(enable);
    return 0;
}

std::int32_t CEffectMIDINode::RegisterIn(std::size_t inputSlots, std::size_t singleOutputSlot)
{
    if (HoldsSlot())
        return 0;
    if (kind == kInput) {
        const std::int32_t position = table.TakeSlot(inputSlots, CEffectMIDINodeTable::kSlotsPerKind, this);
        if (position < 0)
            return kHostErrMIDIUnsupported;
        nodeIndex = position;
        return 0;
    }
    if (kind == kOutput && table.TakeSlot(singleOutputSlot, 1, this) == 0) {
        nodeIndex = kHostMIDISingleOutputNode;
        return 0;
    }
    return kHostErrMIDIUnsupported;
}

// The host knows only inputs as nodes to let go of; the single output just gives its slot back.
std::int32_t CEffectMIDINode::DisconnectWith(std::int16_t (IHostMIDI::*disconnect)(std::int32_t))
{
    if (!HoldsSlot())
        return 0;
    std::int32_t result = 0;
    if (kind == kInput)
        if (IHostMIDI* host = table.HostFrom(kConnectVersion))
            result = (host->*disconnect)(nodeIndex);
    Release();
    return result;
}

std::int32_t CEffectMIDINode::SetNameWith(const char* newName, std::int32_t minimumVersion,
                                          std::int16_t (IHostMIDI::*rename)(std::int32_t, const char*))
{
    IHostMIDI* host = table.HostFrom(minimumVersion);
    if (host == nullptr || kind != kInput || opened == 0 || newName == nullptr)
        return kHostErrMIDIUnsupported;
    return RenameWith(*host, rename, newName);
}

std::int32_t CEffectMIDINode::SetEnabledWith(std::uint8_t flag,
                                             std::int16_t (IHostMIDI::*enable)(std::int32_t, std::uint8_t))
{
    if (flag == enabled)
        return 0;
    IHostMIDI* host = table.HostFrom(kEnableVersion);
    if (host == nullptr || kind != kInput || opened == 0)
        return kHostErrMIDIUnsupported;
    const std::int16_t result = (host->*enable)(nodeIndex, flag);
    enabled = flag;
    return result;
}

// A node deleted in its slot would leave the delivery routine and the renaming of the client's
// nodes a dangling pointer.
CEffectMIDIBufferedNode::~CEffectMIDIBufferedNode()
{
    CEffectMIDIBufferedNode::Disconnect();
}

std::int32_t CEffectMIDIBufferedNode::Disconnect()
{
    return DisconnectWith(&IHostMIDI::DisconnectBufferedNode);
}

std::int32_t CEffectMIDIBufferedNode::SetName(const char* newName)
{
    return SetNameWith(newName, kBufferedNameVersion, &IHostMIDI::SetBufferedNodeName);
}

std::int32_t CEffectMIDIBufferedNode::Register()
{
    return RegisterIn(CEffectMIDINodeTable::kBufferedInputSlots, CEffectMIDINodeTable::kBufferedSingleOutputSlot);
}

std::int32_t CEffectMIDIBufferedNode::SetEnabled(std::uint8_t flag)
{
    return SetEnabledWith(flag, &IHostMIDI::SetBufferedNodeEnabled);
}

const SHostMIDINodeRecord* CEffectMIDIBufferedNode::Record() const
{
    const IHostMIDI* host = table.HostFrom(kConnectVersion);
    // Only an input has a record; the single output is node 255.
    if (host == nullptr || kind != kInput || opened == 0)
        return nullptr;
    return &host->dataBlock.inputs[nodeIndex];
}

std::int32_t CEffectMIDIBufferedNode::GetPacketCount() const
{
    const SHostMIDINodeRecord* record = Record();
    return record != nullptr ? record->count : 0;
}

const std::uint8_t* CEffectMIDIBufferedNode::GetPacketBuffer() const
{
    const SHostMIDINodeRecord* record = Record();
    return record != nullptr ? record->packets : nullptr;
}

std::int32_t CEffectMIDINativeBufferedNode::Connect(std::int32_t flags, const char* connectName)
{
    IHostMIDI* host = table.HostFrom(kConnectVersion);
    if (host == nullptr || !IsKnownKind())
        return kHostErrMIDIUnsupported;
    return kind == kInput ? host->ConnectNativeBufferedInput(nodeIndex, connectName, flags, cookie)
                          : host->ConnectNativeBufferedSingleOutput(nodeIndex, connectName, flags, cookie);
}

std::int32_t CEffectMIDIOtherBufferedNode::Connect(std::int32_t flags, const char* connectName)
{
    IHostMIDI* host = table.HostFrom(kConnectVersion);
    if (host == nullptr || !IsKnownKind())
        return kHostErrMIDIUnsupported;
    return kind == kInput ? host->ConnectBufferedInput(nodeIndex, connectName, flags, cookie, extra)
                          : host->ConnectBufferedSingleOutput(nodeIndex, connectName, flags, cookie, extra);
}

CEffectMIDIDirectDeliveryNode::~CEffectMIDIDirectDeliveryNode()
{
    CEffectMIDIDirectDeliveryNode::Disconnect();
}

std::int32_t CEffectMIDIDirectDeliveryNode::Disconnect()
{
    return DisconnectWith(&IHostMIDI::DisconnectDirectNode);
}

std::int32_t CEffectMIDIDirectDeliveryNode::SetName(const char* newName)
{
    return SetNameWith(newName, kDirectNameVersion, &IHostMIDI::SetDirectNodeName);
}

std::int32_t CEffectMIDIDirectDeliveryNode::Register()
{
    return RegisterIn(CEffectMIDINodeTable::kDirectInputSlots, CEffectMIDINodeTable::kDirectSingleOutputSlot);
}

std::int32_t CEffectMIDIDirectDeliveryNode::Connect(std::int32_t flags, const char* connectName)
{
    IHostMIDI* host = table.HostFrom(kConnectVersion);
    if (host == nullptr || !IsKnownKind())
        return kHostErrMIDIUnsupported;
    return kind == kInput ? host->ConnectDirectInput(nodeIndex, connectName, flags, cookie, &Deliver)
                          : host->ConnectDirectSingleOutput(nodeIndex, connectName, flags, cookie, &Deliver);
}

std::int32_t CEffectMIDIDirectDeliveryNode::SetEnabled(std::uint8_t flag)
{
    return SetEnabledWith(flag, &IHostMIDI::SetDirectNodeEnabled);
}

void CEffectMIDIDirectDeliveryNode::Deliver(void* nodeTable, std::int32_t port, const std::uint8_t* packet)
{
    if (nodeTable == nullptr)
        return;
    const auto& table = *static_cast<const CEffectMIDINodeTable*>(nodeTable);
    std::size_t slot = 0;
    if (port >= 0 && port < CEffectMIDINodeTable::kSlotsPerKind)
        slot = CEffectMIDINodeTable::kDirectInputSlots + static_cast<std::size_t>(port);
    else if (port == kHostMIDISingleOutputNode)
        slot = CEffectMIDINodeTable::kDirectSingleOutputSlot;
    else
        return;
    // Only direct nodes register in these slots.
    const auto* node = static_cast<const CEffectMIDIDirectDeliveryNode*>(table.GetNode(slot));
    if (node != nullptr && node->deliveryFunction != nullptr)
        node->deliveryFunction(node->cookie, packet);
}
