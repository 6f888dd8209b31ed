#include "hostframework/audio_connections.h"

#include "hostframework/host_error.h"

#include <algorithm>
#include <cmath>

namespace {

bool inRange(std::int32_t count, std::int32_t position)
{
    return position >= 1 && position <= count;
}

} // namespace

std::int32_t IsConnected(const ConnectionHandle* handles, std::int32_t count, std::int32_t position,
                         std::uint8_t* connected)
{
    if (!inRange(count, position))
        return kHostErrConnectionPosition;
    if (connected != nullptr)
        *connected = handles[position - 1] != 0 ? 1 : 0;
    return 0;
}

void IsFree(const ConnectionHandle* handles, std::int32_t count, std::int32_t position, std::uint8_t* free)
{
    if (free != nullptr)
        *free = inRange(count, position) && handles[position - 1] == 0 ? 1 : 0;
}

std::int32_t Disconnect(ConnectionHandle* handles, std::int32_t count, std::int32_t position)
{
    if (!inRange(count, position))
        return kHostErrConnectionPosition;
    if (handles[position - 1] == 0)
        return kHostErrNotConnected;
    handles[position - 1] = 0;
    return 0;
}

std::int32_t ConnectWithError(ConnectionHandle* handles, std::int32_t count, std::int32_t position,
                              ConnectionHandle handle, std::int32_t occupiedError)
{
    if (!inRange(count, position))
        return kHostErrConnectionPosition;
    if (handles[position - 1] != 0 && handle != 0)
        return occupiedError;
    handles[position - 1] = handle;
    return 0;
}

std::int32_t ConnectInput(ConnectionHandle* handles, std::int32_t count, std::int32_t position,
                          ConnectionHandle handle)
{
    return ConnectWithError(handles, count, position, handle, kHostErrInputConnected);
}

std::int32_t ConnectOutput(ConnectionHandle* handles, std::int32_t count, std::int32_t position,
                           ConnectionHandle handle)
{
    return ConnectWithError(handles, count, position, handle, kHostErrOutputConnected);
}

void ClearConnections(ConnectionHandle* inputs, std::int32_t inputCount, ConnectionHandle* outputs,
                      std::int32_t outputCount)
{
    std::fill(inputs, inputs + std::max(inputCount, 0), ConnectionHandle{0});
    std::fill(outputs, outputs + std::max(outputCount, 0), ConnectionHandle{0});
}

void CopyStreamPair(const SStreamPair& source, SStreamPair& record)
{
    record = source;
}

void CopyStreamPairs(const SStreamPair& source, SStreamPair* records, std::int32_t count)
{
    std::fill(records, records + std::max(count, 0), source);
}

void SumBlockSizes(const SBlockRecord& source, std::int32_t& total, SBlockRecord* records, std::int32_t count,
                   SBlockRecord* others)
{
    total += source.length;
    for (std::int32_t k = 0; k < count; ++k) {
        records[k].length += source.length;
        others[k].length = 0;
    }
}

AS_Conn::AS_Conn(std::int32_t inputCount, std::int32_t outputCount)
    : inputs(static_cast<std::size_t>(std::max(inputCount, 0)), 0),
      outputs(static_cast<std::size_t>(std::max(outputCount, 0)), 0)
{
}

std::int32_t AS_Conn::IsInputConnected(std::int32_t position, std::uint8_t* connected)
{
    return IsConnected(inputs.data(), static_cast<std::int32_t>(inputs.size()), position, connected);
}

std::int32_t AS_Conn::IsOutputConnected(std::int32_t position, std::uint8_t* connected)
{
    return IsConnected(outputs.data(), static_cast<std::int32_t>(outputs.size()), position, connected);
}

std::int32_t AS_Conn::IsOutputFree(std::int32_t position, std::uint8_t* free)
{
    IsFree(outputs.data(), static_cast<std::int32_t>(outputs.size()), position, free);
    return 0;
}

std::int32_t AS_Conn::ConnectInput(std::int32_t position, ConnectionHandle handle)
{
    return ::ConnectInput(inputs.data(), static_cast<std::int32_t>(inputs.size()), position, handle);
}

std::int32_t AS_Conn::DisconnectInput(std::int32_t position)
{
    return Disconnect(inputs.data(), static_cast<std::int32_t>(inputs.size()), position);
}

std::int32_t AS_Conn::ConnectOutput(std::int32_t position, ConnectionHandle handle)
{
    return ::ConnectOutput(outputs.data(), static_cast<std::int32_t>(outputs.size()), position, handle);
}

std::int32_t AS_Conn::DisconnectOutput(std::int32_t position)
{
    return Disconnect(outputs.data(), static_cast<std::int32_t>(outputs.size()), position);
}

std::int32_t AS_Conn::GetNumInputs(std::int16_t* count)
{
    if (count != nullptr)
        *count = static_cast<std::int16_t>(inputs.size());
    return 0;
}

std::int32_t AS_Conn::GetNumOutputs(std::int16_t* count)
{
    if (count != nullptr)
        *count = static_cast<std::int16_t>(outputs.size());
    return 0;
}

GrowableConnectionList::GrowableConnectionList(std::int32_t fixedCount, std::int32_t occupiedError,
                                               std::int32_t highestPosition)
    : handles(static_cast<std::size_t>(std::max(fixedCount, 0)), 0),
      occupiedError(occupiedError), highestPosition(std::max(highestPosition, fixedCount))
{
}

ConnectionHandle GrowableConnectionList::HandleAt(std::int32_t position) const
{
    return position >= 1 && position <= Capacity() ? handles[static_cast<std::size_t>(position - 1)] : 0;
}

std::int32_t GrowableConnectionList::IsConnected(std::int32_t position, std::uint8_t* connected) const
{
    if (!inRange(highestPosition, position))
        return kHostErrConnectionPosition;
    if (connected != nullptr)
        *connected = HandleAt(position) != 0 ? 1 : 0;
    return 0;
}

std::int32_t GrowableConnectionList::Connect(std::int32_t position, ConnectionHandle handle)
{
    if (!inRange(highestPosition, position))
        return kHostErrConnectionPosition;
    if (HandleAt(position) != 0 && handle != 0)
        return occupiedError;
    if (position > Capacity())
        handles.resize(2 * static_cast<std::size_t>(position), 0);
    handles[static_cast<std::size_t>(position - 1)] = handle;
    return 0;
}

std::int32_t GrowableConnectionList::Disconnect(std::int32_t position)
{
    if (!inRange(highestPosition, position))
        return kHostErrConnectionPosition;
    if (HandleAt(position) == 0)
        return kHostErrNotConnected;
    handles[static_cast<std::size_t>(position - 1)] = 0;
    return 0;
}

void SetDefaultStreamFormat(SStreamFormat& format)
{
    format = {1, 2, 1, 44100.0};
}

std::int32_t CheckStreamFormat(const SStreamFormat& format)
{
    const bool words = format.word1 == 1 && format.word2 == 2 && format.word3 == 1;
    if (!words || std::isnan(format.sampleRate) || format.sampleRate == 0.0)
        return kHostErrStreamFormat;
    return 0;
}
