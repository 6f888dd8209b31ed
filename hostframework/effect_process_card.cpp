#include "hostframework/effect_process_card.h"

#include "hostframework/dsp_process_type.h"
#include "hostframework/effect_group_card.h"

namespace {

std::int32_t share(std::int32_t used, std::int32_t available)
{
    return available != 0 ? static_cast<std::int32_t>(std::int64_t{used} * 100 / available) : 0;
}

bool inRange(const std::vector<ConnectionHandle>& connections, std::int32_t position)
{
    return position >= 1 && position <= static_cast<std::int32_t>(connections.size());
}

} // namespace

std::int32_t CEffectProcessCard::SetBypass(std::int32_t /*control*/, std::uint8_t bypass)
{
    bypassOn = bypass != 0;
    return 0;
}

void CEffectProcessCard::SetDSPUse(std::int32_t usedCycles, std::int32_t availableCycles, std::int32_t usedMemory,
                                   std::int32_t availableMemory)
{
    cycles[0] = usedCycles;
    cycles[1] = availableCycles;
    memory[0] = usedMemory;
    memory[1] = availableMemory;
}

std::int32_t CEffectProcessCard::GetDSPLoad() const
{
    return std::max(share(cycles[0], cycles[1]), share(memory[0], memory[1]));
}

void CEffectProcessCard::SetPortAddresses(std::vector<std::int32_t> addresses)
{
    portAddresses = std::move(addresses);
}

std::int32_t CEffectProcessCard::GetPortAddress(std::int32_t position) const
{
    if (position < 1 || position > static_cast<std::int32_t>(portAddresses.size()))
        return -1;
    return portAddresses[static_cast<std::size_t>(position - 1)];
}

void CEffectProcessCard::SetDSPProcessType(CDSPProcessType* type)
{
    CDSPProcessType* previous = GetDSPProcessType();
    auto* group = processType != nullptr ? dynamic_cast<CEffectGroupCard*>(processType->GetProcessGroup()) : nullptr;
    if (group != nullptr && previous != nullptr && previous != type) {
        std::uint32_t previousID = 0;
        previous->GetTypeID(&previousID);
        for (std::int32_t slot : instanceSlots)
            group->RemoveInstanceSlot(slot, previousID);
        instanceSlots.clear();
    }
    CEffectProcess::SetDSPProcessType(type);
    if (group != nullptr && type != nullptr && previous != type) {
        std::uint32_t typeID = 0;
        type->GetTypeID(&typeID);
        for (std::size_t port = 0; port < portAddresses.size(); ++port)
            instanceSlots.push_back(group->AllocateInstanceSlot(typeID));
    }
}

void CEffectProcessCard::SetConnectionCounts(std::int32_t inputs, std::int32_t outputs)
{
    inputConnections.assign(static_cast<std::size_t>(std::max(inputs, 0)), 0);
    outputConnections.assign(static_cast<std::size_t>(std::max(outputs, 0)), 0);
}

std::int32_t CEffectProcessCard::WriteToDSP(std::int32_t position, std::int32_t direction, ConnectionHandle value)
{
    CProcessDSP* dspObject = GetDSP();
    if (dspObject == nullptr || !dspObject->AcquireAccess())
        return kAccessRefused;
    dspObject->WriteConnection(GetPortAddress(position), direction, static_cast<std::int32_t>(value));
    dspObject->ReleaseAccess();
    return 0;
}

std::int32_t CEffectProcessCard::Connect(std::vector<ConnectionHandle>& connections, std::int32_t position,
                                         ConnectionHandle handle, std::int32_t direction)
{
    if (!inRange(connections, position))
        return kHostErrConnectionPosition;
    ConnectionHandle& slot = connections[static_cast<std::size_t>(position - 1)];
    if (slot != 0 && handle != 0)
        return kHostErrInputConnected;
    if (const std::int32_t written = WriteToDSP(position, direction, handle); written != 0)
        return written;
    slot = handle;
    return 0;
}

std::int32_t CEffectProcessCard::ReleaseConnection(std::vector<ConnectionHandle>& connections,
                                                   std::int32_t position, std::int32_t direction)
{
    if (!inRange(connections, position))
        return kHostErrConnectionPosition;
    ConnectionHandle& slot = connections[static_cast<std::size_t>(position - 1)];
    if (slot == 0)
        return kHostErrNotConnected;
    if (const std::int32_t written = WriteToDSP(position, direction, 0); written != 0)
        return written;
    slot = 0;
    return 0;
}

std::int32_t CEffectProcessCard::IsInputConnected(std::int32_t position, std::uint8_t* connected)
{
    return ::IsConnected(inputConnections.data(), static_cast<std::int32_t>(inputConnections.size()), position,
                         connected);
}

std::int32_t CEffectProcessCard::IsOutputConnected(std::int32_t position, std::uint8_t* connected)
{
    return ::IsConnected(outputConnections.data(), static_cast<std::int32_t>(outputConnections.size()), position,
                         connected);
}

std::int32_t CEffectProcessCard::ConnectInput(std::int32_t position, ConnectionHandle handle)
{
    return Connect(inputConnections, position, handle, kInputDirection);
}

std::int32_t CEffectProcessCard::ConnectOutput(std::int32_t position, ConnectionHandle handle)
{
    return Connect(outputConnections, position, handle, kOutputDirection);
}

std::int32_t CEffectProcessCard::DisconnectInput(std::int32_t position)
{
    return ReleaseConnection(inputConnections, position, kInputDirection);
}

std::int32_t CEffectProcessCard::DisconnectOutput(std::int32_t position)
{
    return ReleaseConnection(outputConnections, position, kOutputDirection);
}
