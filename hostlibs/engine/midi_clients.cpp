#include "hostlibs/engine/host_engine.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/engine/host_midi.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The stand-in's answer to a request it cannot serve: a version it does not speak, a node number
// outside its range or already taken, a node that is not connected.
constexpr std::int16_t kRefused = -1;
constexpr std::int32_t kNewestVersion = 7;
constexpr double kDefaultTempo = 120.0;
// A stand-in host that renders for hours asks for the transport every block; the oldest calls go.
constexpr std::size_t kKeptCalls = 10000;

std::string word(std::int64_t value)
{
    return std::to_string(value);
}

std::string word(const char* text)
{
    return text != nullptr ? text : "null";
}

std::string word(const void* pointer)
{
    return pointer != nullptr ? "object" : "null";
}

std::string word(HostMIDIDeliveryRoutine routine)
{
    return routine != nullptr ? "routine" : "null";
}

template <typename... Args>
std::string callText(const char* operation, const Args&... args)
{
    std::string text = operation;
    ((text += ' ', text += word(args)), ...);
    return text;
}

bool isNodeOfKind(std::int32_t node)
{
    return node >= 0 && node < kHostMIDINodesPerKind;
}

class Client;

struct MIDIHost {
    std::mutex lock;
    std::int32_t version = kNewestVersion;
    bool withholdInterface = false;
    std::map<std::string, std::int16_t, std::less<>> refusals;
    std::deque<std::string> calls;
    // Read on the audio thread: kept in atomics, so that answering takes no lock.
    std::atomic<double> tempo{kDefaultTempo};
    std::atomic<bool> playing{false};
    std::atomic<std::int64_t> ticks{0};
    std::atomic<std::int16_t> tempoRefusal{0};
    std::atomic<std::int16_t> playingRefusal{0};
    std::atomic<std::int16_t> positionRefusal{0};
    std::vector<std::unique_ptr<Client>> clients;

    // With the lock held: keeps the call and answers its refusal code, 0 when it is served.
    std::int16_t record(const std::string& call)
    {
        calls.push_back(call);
        if (calls.size() > kKeptCalls)
            calls.pop_front();
        return refusalOf(std::string_view(call).substr(0, call.find(' ')));
    }
    std::int16_t refusalOf(std::string_view operation) const
    {
        const auto refusal = refusals.find(operation);
        return refusal != refusals.end() ? refusal->second : std::int16_t{0};
    }
};

MIDIHost& host();

class Client final : public IHostMIDI {
public:
    explicit Client(void* context) : context(context) {}

    std::int16_t ConnectNativeBufferedInput(std::int32_t node, const char* name, std::int32_t flags,
                                            void* cookie) override
    {
        return connectInput(callText("ConnectNativeBufferedInput", node, name, flags, cookie), node);
    }
    std::int16_t ConnectBufferedInput(std::int32_t node, const char* name, std::int32_t flags, void* cookie,
                                      std::intptr_t extra) override
    {
        return connectInput(callText("ConnectBufferedInput", node, name, flags, cookie, extra), node);
    }
    std::int16_t ConnectDirectInput(std::int32_t node, const char* name, std::int32_t flags, void* cookie,
                                    HostMIDIDeliveryRoutine routine) override
    {
        return connectDirect(callText("ConnectDirectInput", node, name, flags, cookie, routine),
                             isNodeOfKind(node), node, routine);
    }
    std::int16_t ConnectNativeBufferedSingleOutput(std::int32_t node, const char* name, std::int32_t flags,
                                                   void* cookie) override
    {
        return connectSingleOutput(callText("ConnectNativeBufferedSingleOutput", node, name, flags, cookie), node);
    }
    std::int16_t ConnectBufferedSingleOutput(std::int32_t node, const char* name, std::int32_t flags, void* cookie,
                                             std::intptr_t extra) override
    {
        return connectSingleOutput(callText("ConnectBufferedSingleOutput", node, name, flags, cookie, extra), node);
    }
    std::int16_t ConnectDirectSingleOutput(std::int32_t node, const char* name, std::int32_t flags, void* cookie,
                                           HostMIDIDeliveryRoutine routine) override
    {
        return connectDirect(callText("ConnectDirectSingleOutput", node, name, flags, cookie, routine),
                             node == kHostMIDISingleOutputNode, node, routine);
    }
    std::int16_t DisconnectBufferedNode(std::int32_t node) override
    {
        return serve(callText("DisconnectBufferedNode", node), [&] {
            if (bufferedInputs.erase(node) == 0)
                return kRefused;
            dataBlock.inputs[node] = {};
            inputPackets.erase(node);
            return std::int16_t{0};
        });
    }
    std::int16_t DisconnectDirectNode(std::int32_t node) override
    {
        return serve(callText("DisconnectDirectNode", node),
                     [&] { return isNodeOfKind(node) && routines.erase(node) == 1 ? std::int16_t{0} : kRefused; });
    }
    std::int16_t Operation9(std::intptr_t first, std::intptr_t second) override
    {
        return serve(callText("Operation9", first, second));
    }
    std::int16_t SetBufferedNodeName(std::int32_t node, const char* name) override
    {
        return serve(callText("SetBufferedNodeName", node, name), [&] { return answerFor(bufferedInputs, node); });
    }
    std::int16_t GetTempo(double* tempo) override
    {
        return serveTransport(host().tempoRefusal, [&] { return answer(tempo, host().tempo.load()); });
    }
    std::int16_t Operation12(std::intptr_t first, std::intptr_t second) override
    {
        return serve(callText("Operation12", first, second));
    }
    std::int16_t GetPlayingFlag(std::uint8_t* playing) override
    {
        return serveTransport(host().playingRefusal,
                              [&] { return answer(playing, static_cast<std::uint8_t>(host().playing ? 1 : 0)); });
    }
    std::int16_t SetNodePort(std::int32_t node, std::intptr_t port) override
    {
        return serve(callText("SetNodePort", node, port),
                     [&] { return isNodeOfKind(node) ? std::int16_t{0} : kRefused; });
    }
    std::int16_t SetBufferedNodeEnabled(std::int32_t node, std::uint8_t enabled) override
    {
        return serve(callText("SetBufferedNodeEnabled", node, enabled),
                     [&] { return answerFor(bufferedInputs, node); });
    }
    std::int16_t SetDirectNodeEnabled(std::int32_t node, std::uint8_t enabled) override
    {
        return serve(callText("SetDirectNodeEnabled", node, enabled),
                     [&] { return isNodeOfKind(node) && routines.contains(node) ? std::int16_t{0} : kRefused; });
    }
    std::int16_t GetPositionInTicks(std::int64_t* ticks) override
    {
        return serveTransport(host().positionRefusal, [&] { return answer(ticks, host().ticks.load()); });
    }
    std::int16_t Operation18(std::intptr_t first, std::intptr_t second, std::intptr_t third) override
    {
        return serve(callText("Operation18", first, second, third));
    }
    std::int16_t SetDirectNodeName(std::int32_t node, const char* name) override
    {
        return serve(callText("SetDirectNodeName", node, name),
                     [&] { return isNodeOfKind(node) && routines.contains(node) ? std::int16_t{0} : kRefused; });
    }
    std::int16_t Operation22(std::intptr_t value) override { return serve(callText("Operation22", value)); }
    std::int16_t Operation23(std::intptr_t value) override { return serve(callText("Operation23", value)); }
    std::int16_t Operation24(std::intptr_t first, std::intptr_t second, std::intptr_t third) override
    {
        return serve(callText("Operation24", first, second, third));
    }
    std::int16_t ConnectBufferedOutput(std::int32_t node, const char* name, std::int32_t flags,
                                       std::int32_t capacity) override
    {
        return serve(callText("ConnectBufferedOutput", node, name, flags, capacity), [&] {
            if (!isNodeOfKind(node) || capacity < 0 || outputPackets.contains(node))
                return kRefused;
            std::vector<std::uint8_t>& packets = outputPackets[node];
            packets.assign(static_cast<std::size_t>(capacity) * kHostMIDIOutputPacketSize, 0);
            dataBlock.outputs[node] = {0, packets.data()};
            return std::int16_t{0};
        });
    }
    std::int16_t DisconnectBufferedOutput(std::int32_t node) override
    {
        return serve(callText("DisconnectBufferedOutput", node), [&] {
            if (outputPackets.erase(node) == 0)
                return kRefused;
            dataBlock.outputs[node] = {};
            return std::int16_t{0};
        });
    }
    std::int16_t SetBufferedOutputName(std::int32_t node, const char* name) override
    {
        return serve(callText("SetBufferedOutputName", node, name),
                     [&] { return outputPackets.contains(node) ? std::int16_t{0} : kRefused; });
    }
    std::int16_t Operation28(std::intptr_t first, std::intptr_t second, std::intptr_t third, std::intptr_t fourth,
                             std::intptr_t fifth) override
    {
        return serve(callText("Operation28", first, second, third, fourth, fifth));
    }

    // With the lock held.
    bool buffer(std::int32_t node, const std::vector<hostengine::MIDIInputPacket>& packets)
    {
        if (!bufferedInputs.contains(node))
            return false;
        std::vector<std::uint8_t> bytes(packets.size() * kHostMIDIPacketSize, 0);
        for (std::size_t k = 0; k < packets.size(); ++k) {
            std::uint8_t* packet = bytes.data() + k * kHostMIDIPacketSize;
            std::memcpy(packet + kHostMIDIPacketOffsetAt, &packets[k].sampleOffset, sizeof packets[k].sampleOffset);
            std::memcpy(packet + kHostMIDIPacketBytesAt, packets[k].bytes, sizeof packets[k].bytes);
        }
        std::vector<std::uint8_t>& kept = inputPackets[node];
        kept = std::move(bytes);
        dataBlock.inputs[node] = {static_cast<std::int32_t>(packets.size()), kept.empty() ? nullptr : kept.data()};
        return true;
    }
    HostMIDIDeliveryRoutine routineAt(std::int32_t port) const
    {
        const auto found = routines.find(port);
        return found != routines.end() ? found->second : nullptr;
    }

    void* const context;

private:
    template <typename Work>
    std::int16_t serve(const std::string& call, Work work)
    {
        const std::lock_guard<std::mutex> guard(host().lock);
        const std::int16_t refusal = host().record(call);
        return refusal != 0 ? refusal : work();
    }
    // The transport is asked every block on the audio thread, as of a real host: it is answered
    // without being recorded and without the lock, so that the stand-in neither takes from the heap
    // nor waits there.
    template <typename Work>
    static std::int16_t serveTransport(const std::atomic<std::int16_t>& refusal, Work work)
    {
        const std::int16_t code = refusal.load();
        return code != 0 ? code : work();
    }
    std::int16_t serve(const std::string& call)
    {
        return serve(call, [] { return std::int16_t{0}; });
    }
    template <typename T>
    static std::int16_t answer(T* out, T value)
    {
        if (out == nullptr)
            return kRefused;
        *out = value;
        return 0;
    }
    static std::int16_t answerFor(const std::set<std::int32_t>& nodes, std::int32_t node)
    {
        return nodes.contains(node) ? std::int16_t{0} : kRefused;
    }
    std::int16_t connectInput(const std::string& call, std::int32_t node)
    {
        return serve(call, [&] {
            if (!isNodeOfKind(node) || !bufferedInputs.insert(node).second)
                return kRefused;
            dataBlock.inputs[node] = {};
            return std::int16_t{0};
        });
    }
    std::int16_t connectDirect(const std::string& call, bool nodeInRange, std::int32_t node,
                               HostMIDIDeliveryRoutine routine)
    {
        return serve(call, [&] {
            if (!nodeInRange || routine == nullptr || !routines.emplace(node, routine).second)
                return kRefused;
            return std::int16_t{0};
        });
    }
    // The single buffered output has no record in the data block.
    std::int16_t connectSingleOutput(const std::string& call, std::int32_t node)
    {
        return serve(call, [&] {
            if (node != kHostMIDISingleOutputNode || singleBufferedOutput)
                return kRefused;
            singleBufferedOutput = true;
            return std::int16_t{0};
        });
    }

    std::set<std::int32_t> bufferedInputs;
    std::map<std::int32_t, std::vector<std::uint8_t>> inputPackets;
    std::map<std::int32_t, HostMIDIDeliveryRoutine> routines;
    std::map<std::int32_t, std::vector<std::uint8_t>> outputPackets;
    bool singleBufferedOutput = false;
};

MIDIHost& host()
{
    static MIDIHost state;
    return state;
}

// With the lock held.
Client* latestClient()
{
    return host().clients.empty() ? nullptr : host().clients.back().get();
}

} // namespace

extern "C" {

std::int16_t HostRegisterDirectMIDIClient(std::int32_t version, std::intptr_t* interfaceWord,
                                          const SConversantInfo* client, void* deliveryContext)
{
    MIDIHost& state = host();
    const std::lock_guard<std::mutex> guard(state.lock);
    const std::int16_t refusal = state.record(callText("HostRegisterDirectMIDIClient", version, client));
    if (refusal != 0)
        return refusal;
    if (state.version == 0 || version != state.version || interfaceWord == nullptr)
        return kRefused;
    if (state.withholdInterface)
        return 0;
    state.clients.push_back(std::make_unique<Client>(deliveryContext));
    *interfaceWord = reinterpret_cast<std::intptr_t>(static_cast<IHostMIDI*>(state.clients.back().get()));
    return 0;
}

std::int16_t HostUnRegisterDirectMIDIClient(IHostMIDI* midi)
{
    MIDIHost& state = host();
    const std::lock_guard<std::mutex> guard(state.lock);
    const std::int16_t refusal = state.record(callText("HostUnRegisterDirectMIDIClient", midi));
    if (refusal != 0)
        return refusal;
    const auto found = std::find_if(state.clients.begin(), state.clients.end(),
                                    [midi](const std::unique_ptr<Client>& client) { return client.get() == midi; });
    if (found == state.clients.end())
        return kRefused;
    state.clients.erase(found);
    return 0;
}

} // extern "C"

namespace hostengine {

void setMIDIInterfaceVersion(std::int32_t version)
{
    const std::lock_guard<std::mutex> guard(host().lock);
    host().version = version;
}

void registerMIDIClientsWithoutInterface(bool withhold)
{
    const std::lock_guard<std::mutex> guard(host().lock);
    host().withholdInterface = withhold;
}

void refuseMIDICall(const std::string& operation, std::int16_t code)
{
    const std::lock_guard<std::mutex> guard(host().lock);
    if (code == 0)
        host().refusals.erase(operation);
    else
        host().refusals[operation] = code;
    if (operation == "GetTempo")
        host().tempoRefusal = code;
    else if (operation == "GetPlayingFlag")
        host().playingRefusal = code;
    else if (operation == "GetPositionInTicks")
        host().positionRefusal = code;
}

int registeredMIDIClients()
{
    const std::lock_guard<std::mutex> guard(host().lock);
    return static_cast<int>(host().clients.size());
}

std::vector<std::string> midiCalls()
{
    const std::lock_guard<std::mutex> guard(host().lock);
    return {host().calls.begin(), host().calls.end()};
}

void setMIDITransport(double tempo, bool playing, std::int64_t ticks)
{
    host().tempo = tempo;
    host().playing = playing;
    host().ticks = ticks;
}

bool bufferMIDIInput(std::int32_t node, const std::vector<MIDIInputPacket>& packets)
{
    const std::lock_guard<std::mutex> guard(host().lock);
    Client* client = latestClient();
    return client != nullptr && client->buffer(node, packets);
}

bool deliverMIDI(std::int32_t port, const MIDIInputPacket& packet)
{
    HostMIDIDeliveryRoutine routine = nullptr;
    void* context = nullptr;
    {
        const std::lock_guard<std::mutex> guard(host().lock);
        if (const Client* client = latestClient()) {
            routine = client->routineAt(port);
            context = client->context;
        }
    }
    if (routine == nullptr)
        return false;
    std::uint8_t bytes[kHostMIDIPacketSize] = {};
    std::memcpy(bytes + kHostMIDIPacketOffsetAt, &packet.sampleOffset, sizeof packet.sampleOffset);
    std::memcpy(bytes + kHostMIDIPacketBytesAt, packet.bytes, sizeof packet.bytes);
    // Outside the lock: the client's routine may call the host again.
    routine(context, port, bytes);
    return true;
}

void resetMIDIClients()
{
    MIDIHost& state = host();
    const std::lock_guard<std::mutex> guard(state.lock);
    state.version = kNewestVersion;
    state.withholdInterface = false;
    state.refusals.clear();
    state.tempoRefusal = 0;
    state.playingRefusal = 0;
    state.positionRefusal = 0;
    state.calls.clear();
    state.tempo = kDefaultTempo;
    state.playing = false;
    state.ticks = 0;
    state.clients.clear();
}

} // namespace hostengine
