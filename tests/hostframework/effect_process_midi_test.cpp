#include "hostframework/effect_midi_nodes.h"
#include "tests/hostframework/support/chunk_records.h"
#include "tests/hostframework/support/midi_client_fixture.h"

#include <random>

namespace {

using namespace kravo::test;

constexpr std::uint32_t kMIDI = CEffectProcess::kMIDIChunkID;

class MIDIProcess : public MIDIClientTest {
protected:
    static SHostPlugInChunk* record(std::vector<std::uint8_t>& bytes) { return chunkRecord(bytes); }
    static std::vector<std::uint8_t> chunkOf(ChunkDataParser& entries) { return writtenChunk(entries, kMIDI); }
    static std::vector<std::uint8_t> chunkHolding(const char* key, std::int32_t number)
    {
        ChunkDataParser entries;
        entries.AddInt32(key, number);
        return chunkOf(entries);
    }
    static std::vector<std::uint8_t> midiChunkOf(CEffectProcessMIDI& process)
    {
        std::int32_t size = 0;
        EXPECT_EQ(process.GetChunkSize(kMIDI, &size), 0);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
        EXPECT_EQ(process.GetChunk(kMIDI, record(bytes)), 0);
        return bytes;
    }
};

TEST_F(MIDIProcess, RegistersAtTheNewestVersionTheHostSpeaks)
{
    hostengine::setMIDIInterfaceVersion(5);
    CEffectProcessMIDI& process = makeProcess();
    EXPECT_EQ(process.RegisterMIDIClient(), 0);
    EXPECT_TRUE(process.IsMIDIClientRegistered());
    EXPECT_EQ(process.GetNodeTable().GetVersion(), 5);
    EXPECT_NE(process.GetNodeTable().GetInterface(), nullptr);
    EXPECT_EQ(callsStartingWith("HostRegisterDirectMIDIClient"),
              (std::vector<std::string>{"HostRegisterDirectMIDIClient 7 object", "HostRegisterDirectMIDIClient 6 object",
                                        "HostRegisterDirectMIDIClient 5 object"}));

    // Each instance has a number of its own, and registering again makes no second client.
    EXPECT_EQ(process.GetInstanceNumber(), 1);
    EXPECT_EQ(process.GetNodeTable().GetInstanceNumber(), 1);
    EXPECT_EQ(registeredProcess().GetInstanceNumber(), 2);
    EXPECT_EQ(process.RegisterMIDIClient(), 0);
    EXPECT_EQ(hostengine::registeredMIDIClients(), 2);
    EXPECT_EQ(process.GetInstanceNumber(), 1);
}

TEST_F(MIDIProcess, AFailedRegistrationAnswersTheHostAndKeepsNoNumber)
{
    hostengine::setMIDIInterfaceVersion(0);
    CEffectProcessMIDI& process = makeProcess();
    EXPECT_EQ(process.RegisterMIDIClient(), -1); // the host's answer at version 1
    EXPECT_EQ(callsStartingWith("HostRegisterDirectMIDIClient").size(), 7u);
    EXPECT_FALSE(process.IsMIDIClientRegistered());
    EXPECT_TRUE(numberIsFree(1));

    // A host that says yes without an interface has not registered the client.
    hostengine::setMIDIInterfaceVersion(1);
    hostengine::registerMIDIClientsWithoutInterface(true);
    EXPECT_EQ(process.RegisterMIDIClient(), -9145);
    EXPECT_FALSE(process.IsMIDIClientRegistered());
    EXPECT_TRUE(numberIsFree(1));
}

TEST_F(MIDIProcess, UnregisteringResetsTheTableAndReleasesTheNumber)
{
    CEffectProcessMIDI& process = registeredProcess();
    CEffectMIDINativeBufferedNode node(process.GetNodeTable(), "Kravo", CEffectMIDINode::kInput, &process);
    ASSERT_EQ(node.Open(0xFFFF, 0), 0);
    EXPECT_FALSE(numberIsFree(1));

    // The host keeps a client it refuses to let go, and so the client keeps its number.
    hostengine::refuseMIDICall("HostUnRegisterDirectMIDIClient", -33);
    EXPECT_EQ(process.UnregisterIfRegistered(), -33);
    EXPECT_TRUE(process.IsMIDIClientRegistered());
    EXPECT_FALSE(numberIsFree(1));

    hostengine::refuseMIDICall("HostUnRegisterDirectMIDIClient", 0);
    EXPECT_EQ(process.UnregisterIfRegistered(), 0);
    EXPECT_FALSE(process.IsMIDIClientRegistered());
    EXPECT_EQ(hostengine::registeredMIDIClients(), 0);
    EXPECT_TRUE(numberIsFree(1));
    const CEffectMIDINodeTable& table = process.GetNodeTable();
    EXPECT_EQ(table.GetInterface(), nullptr);
    EXPECT_EQ(table.GetVersion(), 0);
    EXPECT_EQ(table.GetInstanceNumber(), 0);
    for (std::size_t slot = CEffectMIDINodeTable::kBufferedInputSlots; slot < CEffectMIDINodeTable::kWordCount; ++slot)
        EXPECT_EQ(table.GetNode(slot), nullptr) << slot;
    EXPECT_EQ(process.UnregisterIfRegistered(), 0);

    // The node's old slot may go to a new node after registering again; the old node leaves it be.
    ASSERT_EQ(process.RegisterMIDIClient(), 0);
    EXPECT_EQ(process.GetInstanceNumber(), 1);
    CEffectMIDINativeBufferedNode newer(process.GetNodeTable(), "Kravo", CEffectMIDINode::kInput, &process);
    ASSERT_EQ(newer.Open(0xFFFF, 0), 0);
    EXPECT_EQ(node.Disconnect(), 0);
    EXPECT_EQ(table.GetNode(CEffectMIDINodeTable::kBufferedInputSlots), &newer);
}

TEST_F(MIDIProcess, ARegisteredProcessUnregistersWhenItGoes)
{
    registeredProcess();
    processes.clear();
    EXPECT_EQ(hostengine::registeredMIDIClients(), 0);
    EXPECT_TRUE(numberIsFree(1));
}

TEST_F(MIDIProcess, TheMIDIChunkCarriesTheInstanceNumber)
{
    CEffectProcessMIDI& process = makeProcess();
    std::uint8_t name[64] = {};
    EXPECT_EQ(process.GetChunkName(kMIDI, name), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), "MIDI Connection Data");

    std::int32_t size = 0;
    EXPECT_EQ(process.GetChunkSize(kMIDI, &size), 0);
    EXPECT_EQ(size, 60); // the version word alone
    // A size asked before registering does not hold for the chunk after it.
    ASSERT_EQ(process.RegisterMIDIClient(), 0);
    EXPECT_EQ(process.GetChunkSize(kMIDI, &size), 0);
    EXPECT_EQ(size, 80); // 24 bytes of data and the header
    auto bytes = midiChunkOf(process);
    EXPECT_EQ(record(bytes)->length, 80u);
    ChunkDataParser read;
    read.Parse(record(bytes));
    std::int32_t number = 0;
    EXPECT_TRUE(read.GetInt32("Instance ID", number));
    EXPECT_EQ(number, 1);

    // Another instance takes the saved number over, and its node shows it.
    CEffectProcessMIDI& other = registeredProcess();
    EXPECT_EQ(other.GetInstanceNumber(), 2);
    ASSERT_EQ(process.UnregisterMIDIClient(), 0);
    CEffectMIDINativeBufferedNode node(other.GetNodeTable(), "Kravo", CEffectMIDINode::kInput, &other);
    ASSERT_EQ(node.Open(0xFFFF, 0), 0);
    EXPECT_EQ(other.SetChunk(kMIDI, record(bytes)), 0);
    EXPECT_EQ(other.GetInstanceNumber(), 1);
    EXPECT_EQ(callsStartingWith("SetBufferedNodeName").back(), "SetBufferedNodeName 0 Kravo 1");
    EXPECT_TRUE(numberIsFree(2));
    EXPECT_FALSE(numberIsFree(1));

    EXPECT_EQ(other.GetChunk(kMIDI, nullptr), -9013);
    EXPECT_EQ(other.SetChunk(kMIDI, nullptr), -9013);
    // Other chunks are the effect process's.
    EXPECT_EQ(other.GetChunk(CEffectProcess::kControlsChunkID, record(bytes)), -7083);
}

TEST_F(MIDIProcess, NumbersSavedUnderOlderKeysAreRestored)
{
    CEffectProcessMIDI& process = registeredProcess();
    auto oms = chunkHolding("OMS Node ID", 7);
    EXPECT_EQ(process.SetChunk(kMIDI, record(oms)), 0);
    EXPECT_EQ(process.GetInstanceNumber(), 7);
    auto node = chunkHolding("Node ID", 5);
    EXPECT_EQ(process.SetChunk(kMIDI, record(node)), 0);
    EXPECT_EQ(process.GetInstanceNumber(), 5);
    EXPECT_TRUE(numberIsFree(7));
    EXPECT_TRUE(numberIsFree(1));
}

TEST_F(MIDIProcess, AChunkWithoutANumberChangesNothing)
{
    CEffectProcessMIDI& process = makeProcess();
    auto saved = chunkHolding("Instance ID", 4);
    EXPECT_EQ(process.SetChunk(kMIDI, record(saved)), -7082); // not registered
    EXPECT_TRUE(numberIsFree(4));

    ASSERT_EQ(process.RegisterMIDIClient(), 0);
    for (auto bytes : {chunkHolding("Instance", 4), chunkHolding("Instance ID", -4)}) {
        EXPECT_EQ(process.SetChunk(kMIDI, record(bytes)), -7082);
        EXPECT_EQ(process.GetInstanceNumber(), 1);
        EXPECT_FALSE(numberIsFree(1));
    }
    ChunkDataParser wrongType;
    wrongType.AddDouble("Instance ID", 4.0);
    auto bytes = chunkOf(wrongType);
    EXPECT_EQ(process.SetChunk(kMIDI, record(bytes)), -7082);
    EXPECT_TRUE(numberIsFree(4));
}

// Random and cut records: the number is one the record holds or stays, and the pool holds exactly
// the process's number.
TEST_F(MIDIProcess, DamagedMIDIChunksGiveANumberOrNothing)
{
    CEffectProcessMIDI& process = registeredProcess();
    std::mt19937 random(20261208);
    const char* keys[] = {"Instance ID", "Node ID", "OMS Node ID", "Instance", ""};
    int restored = 0;
    for (int round = 0; round < 1500; ++round) {
        ChunkDataParser entries;
        const int count = static_cast<int>(random() % 4);
        for (int k = 0; k < count; ++k) {
            const char* key = keys[random() % 5];
            switch (random() % 3) {
            case 0: entries.AddInt32(key, static_cast<std::int32_t>(random() % 40) - 5); break;
            case 1: entries.AddInt32(key, static_cast<std::int32_t>(random())); break;
            case 2: entries.AddInt16(key, static_cast<std::int16_t>(random())); break;
            }
        }
        auto bytes = chunkOf(entries);
        damageChunk(bytes, random);

        const std::int32_t before = process.GetInstanceNumber();
        const std::int32_t result = process.SetChunk(kMIDI, record(bytes));
        const std::int32_t now = process.GetInstanceNumber();
        if (result != 0) {
            ASSERT_EQ(result, -7082) << round;
            ASSERT_EQ(now, before) << round;
        } else {
            ASSERT_GE(now, 1) << round;
            restored += now != before ? 1 : 0;
        }
        ASSERT_FALSE(numberIsFree(now)) << round;
        if (now != before) {
            ASSERT_TRUE(numberIsFree(before)) << round;
        }
    }
    EXPECT_GT(restored, 100);
}

} // namespace
