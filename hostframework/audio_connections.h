#pragma once

// The host connections attached to a process's inputs and outputs, numbered from 1; a handle of 0
// means not connected. A failed call changes nothing.

#include <cstdint>
#include <vector>

using ConnectionHandle = std::intptr_t;

// The table of the offline process.
class PlugInConn {
public:
    virtual ~PlugInConn() = default;
    virtual std::int32_t IsInputConnected(std::int32_t position, std::uint8_t* connected) = 0;
    virtual std::int32_t IsOutputConnected(std::int32_t position, std::uint8_t* connected) = 0;
    virtual std::int32_t IsOutputFree(std::int32_t position, std::uint8_t* free) = 0;
    virtual std::int32_t ConnectInput(std::int32_t position, ConnectionHandle handle) = 0;
    virtual std::int32_t DisconnectInput(std::int32_t position) = 0;
    virtual std::int32_t ConnectOutput(std::int32_t position, ConnectionHandle handle) = 0;
    virtual std::int32_t DisconnectOutput(std::int32_t position) = 0;
    virtual std::int32_t GetNumInputs(std::int16_t* count) = 0;
    virtual std::int32_t GetNumOutputs(std::int16_t* count) = 0;
};

class AS_Conn : public PlugInConn {
public:
    AS_Conn(std::int32_t inputs, std::int32_t outputs);

    std::int32_t IsInputConnected(std::int32_t position, std::uint8_t* connected) override;
    std::int32_t IsOutputConnected(std::int32_t position, std::uint8_t* connected) override;
    std::int32_t IsOutputFree(std::int32_t position, std::uint8_t* free) override;
    std::int32_t ConnectInput(std::int32_t position, ConnectionHandle handle) override;
    std::int32_t DisconnectInput(std::int32_t position) override;
    std::int32_t ConnectOutput(std::int32_t position, ConnectionHandle handle) override;
    std::int32_t DisconnectOutput(std::int32_t position) override;
    std::int32_t GetNumInputs(std::int16_t* count) override;
    std::int32_t GetNumOutputs(std::int16_t* count) override;

private:
    std::vector<ConnectionHandle> inputs;
    std::vector<ConnectionHandle> outputs;
};

// The same rules as free routines over a handle array and its count (the native real-time process).
std::int32_t IsConnected(const ConnectionHandle* handles, std::int32_t count, std::int32_t position,
                         std::uint8_t* connected);
void IsFree(const ConnectionHandle* handles, std::int32_t count, std::int32_t position, std::uint8_t* free);
std::int32_t Disconnect(ConnectionHandle* handles, std::int32_t count, std::int32_t position);
std::int32_t ConnectInput(ConnectionHandle* handles, std::int32_t count, std::int32_t position,
                          ConnectionHandle handle);
std::int32_t ConnectOutput(ConnectionHandle* handles, std::int32_t count, std::int32_t position,
                           ConnectionHandle handle);
// occupiedError is answered for a position that holds a handle when a new one comes.
std::int32_t ConnectWithError(ConnectionHandle* handles, std::int32_t count, std::int32_t position,
                              ConnectionHandle handle, std::int32_t occupiedError);
void ClearConnections(ConnectionHandle* inputs, std::int32_t inputCount, ConnectionHandle* outputs,
                      std::int32_t outputCount);

// The two stream words a connection record carries, and the length word of a block record.
struct SStreamPair {
    std::int32_t first;
    std::int32_t second;
};
void CopyStreamPair(const SStreamPair& source, SStreamPair& record);
void CopyStreamPairs(const SStreamPair& source, SStreamPair* records, std::int32_t count);
struct SBlockRecord {
    std::int32_t length;
};
// Adds the source's length to the total and to each record's; clears the first n of the other list.
void SumBlockSizes(const SBlockRecord& source, std::int32_t& total, SBlockRecord* records, std::int32_t count,
                   SBlockRecord* others);

// A list that takes positions beyond its first allocation, up to a highest position: those are free
// and unconnected until a handle is stored there, which grows the storage to twice the position.
class GrowableConnectionList {
public:
    GrowableConnectionList(std::int32_t fixedCount, std::int32_t occupiedError, std::int32_t highestPosition);

    std::int32_t IsConnected(std::int32_t position, std::uint8_t* connected) const;
    std::int32_t Connect(std::int32_t position, ConnectionHandle handle);
    std::int32_t Disconnect(std::int32_t position);
    std::int32_t Capacity() const { return static_cast<std::int32_t>(handles.size()); }
    ConnectionHandle HandleAt(std::int32_t position) const;

private:
    std::vector<ConnectionHandle> handles;
    std::int32_t occupiedError;
    std::int32_t highestPosition;
};

// The stream format of the native real-time process: three fixed words and the sample rate.
struct SStreamFormat {
    std::int16_t word1;
    std::int16_t word2;
    std::int16_t word3;
    double sampleRate;
};
void SetDefaultStreamFormat(SStreamFormat& format);
// -7104 unless the words are 1, 2, 1 and the rate is a number other than 0.
std::int32_t CheckStreamFormat(const SStreamFormat& format);

// Walking the linked lists of the generic object model.
template <typename Entry>
bool CursorIsValid(const Entry* current)
{
    return current != nullptr;
}

template <typename Entry>
void CursorAdvance(Entry*& current)
{
    current = current->next;
}
