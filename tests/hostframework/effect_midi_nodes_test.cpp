#include "hostframework/effect_midi_nodes.h"
#include "hostframework/effect_midi_output_nodes.h"
#include "hostframework/midi_transport_reader.h"
#include "tests/hostframework/support/midi_client_fixture.h"

#include <cstring>

namespace {

using namespace kravo::test;

constexpr std::int32_t kInput = CEffectMIDINode::kInput;
constexpr std::int32_t kOutput = CEffectMIDINode::kOutput;

class MIDINodes : public MIDIClientTest {
protected:
    CEffectMIDINodeTable& tableAt(std::int32_t version)
    {
        hostengine::setMIDIInterfaceVersion(version);
        return registeredProcess().GetNodeTable();
    }
};

struct Delivered {
    std::vector<std::pair<int, std::uint8_t>> packets; // cookie, status byte
    static void receive(void* cookie, const std::uint8_t* packet)
    {
        auto* tag = static_cast<int*>(cookie);
        sink->packets.emplace_back(*tag, packet[kHostMIDIPacketBytesAt]);
    }
    static inline Delivered* sink = nullptr;
};

TEST_F(MIDINodes, ABufferedInputOpensNamedAfterTheInstance)
{
    CEffectMIDINodeTable& table = tableAt(7);
    CEffectMIDINativeBufferedNode node(table, "Kravo", kInput, nullptr);
    EXPECT_EQ(node.Open(0xFFFF, 0), 0);
    EXPECT_TRUE(node.IsOpened());
    EXPECT_EQ(node.GetNodeIndex(), 0);
    EXPECT_EQ(node.GetOpenFlags(), 0xFFFF);
    EXPECT_FALSE(node.IsEnabled());
    EXPECT_EQ(table.GetNode(CEffectMIDINodeTable::kBufferedInputSlots), &node);
    EXPECT_EQ(callsStartingWith("ConnectNativeBufferedInput"),
              std::vector<std::string>{"ConnectNativeBufferedInput 0 Kravo 65535 null"});
    EXPECT_TRUE(wasCalled("SetBufferedNodeName 0 Kravo 1"));
    EXPECT_TRUE(wasCalled("SetBufferedNodeEnabled 0 0"));

    // Opening again, or without a registered client, is refused.
    EXPECT_EQ(node.Open(0xFFFF, 0), -9145);
    EXPECT_EQ(callsStartingWith("ConnectNativeBufferedInput").size(), 1u);
    CEffectMIDINodeTable empty;
    CEffectMIDIOtherBufferedNode orphan(empty, "Kravo", kInput, nullptr, 9);
    EXPECT_EQ(orphan.Open(0, 1), -9145);
    EXPECT_EQ(orphan.GetNodeIndex(), CEffectMIDIAbstractNode::kNoNodeIndex);
}

TEST_F(MIDINodes, AtVersion5DirectNodesKeepTheirNameWhileBufferedNodesTakeTheirs)
{
    CEffectMIDINodeTable& table = tableAt(5);
    CEffectMIDIDirectDeliveryNode direct(table, "Pads", kInput, nullptr, nullptr);
    CEffectMIDIOtherBufferedNode buffered(table, "Kravo", kInput, nullptr, 9);
    ASSERT_EQ(direct.Open(3, 1), 0); // unnamed at the host, but open
    ASSERT_EQ(buffered.Open(3, 1), 0);
    EXPECT_TRUE(wasCalled("ConnectBufferedInput 0 Kravo 3 null 9"));

    EXPECT_EQ(direct.SetName("Drums"), -9145);
    EXPECT_EQ(direct.GetName(), "Pads");
    EXPECT_TRUE(callsStartingWith("SetDirectNodeName").empty());
    EXPECT_EQ(buffered.SetName("Drums"), 0);
    EXPECT_EQ(buffered.GetName(), "Drums");
    EXPECT_TRUE(wasCalled("SetBufferedNodeName 0 Drums 1"));

    // A node of kind 1 has no name of its own at the host.
    CEffectMIDINativeBufferedNode output(table, "Out", kOutput, nullptr);
    ASSERT_EQ(output.Open(0, 1), 0);
    EXPECT_EQ(output.GetNodeIndex(), 255);
    EXPECT_EQ(output.SetName("Other"), -9145);
}

TEST_F(MIDINodes, EachKindHasSixteenInputsAndOneOutput)
{
    CEffectMIDINodeTable& table = tableAt(7);
    std::vector<std::unique_ptr<CEffectMIDINativeBufferedNode>> buffered;
    std::vector<std::unique_ptr<CEffectMIDIDirectDeliveryNode>> direct;
    for (int k = 0; k < 16; ++k) {
        buffered.push_back(std::make_unique<CEffectMIDINativeBufferedNode>(table, "In", kInput, nullptr));
        EXPECT_EQ(buffered.back()->Open(0, 1), 0);
        EXPECT_EQ(buffered.back()->GetNodeIndex(), k);
        direct.push_back(std::make_unique<CEffectMIDIDirectDeliveryNode>(table, "In", kInput, nullptr, nullptr));
        EXPECT_EQ(direct.back()->Open(0, 1), 0);
    }
    CEffectMIDINativeBufferedNode seventeenth(table, "In", kInput, nullptr);
    EXPECT_EQ(seventeenth.Register(), -9145);
    EXPECT_EQ(seventeenth.Open(0, 1), -9145);
    EXPECT_EQ(seventeenth.GetNodeIndex(), CEffectMIDIAbstractNode::kNoNodeIndex);

    CEffectMIDINativeBufferedNode output(table, "Out", kOutput, nullptr);
    CEffectMIDIOtherBufferedNode secondOutput(table, "Out", kOutput, nullptr, 0);
    EXPECT_EQ(output.Register(), 0);
    EXPECT_EQ(secondOutput.Register(), -9145);
    CEffectMIDINativeBufferedNode unknownKind(table, "Odd", 2, nullptr);
    EXPECT_EQ(unknownKind.Register(), -9145);
    EXPECT_EQ(unknownKind.Connect(0, "Odd"), -9145);

    // A node that goes gives its slot back, and the host lets go of it.
    buffered[4].reset();
    EXPECT_TRUE(wasCalled("DisconnectBufferedNode 4"));
    EXPECT_EQ(seventeenth.Open(0, 1), 0);
    EXPECT_EQ(seventeenth.GetNodeIndex(), 4);
    EXPECT_EQ(direct[2]->Disconnect(), 0);
    EXPECT_TRUE(wasCalled("DisconnectDirectNode 2"));
    EXPECT_FALSE(direct[2]->IsOpened());
    EXPECT_EQ(table.GetNode(CEffectMIDINodeTable::kDirectInputSlots + 2), nullptr);
}

TEST_F(MIDINodes, ANodeTheHostRefusesGivesItsSlotBack)
{
    CEffectMIDINodeTable& table = tableAt(7);
    hostengine::refuseMIDICall("ConnectNativeBufferedInput", -50);
    CEffectMIDINativeBufferedNode node(table, "Kravo", kInput, nullptr);
    EXPECT_EQ(node.Open(0xFFFF, 0), -50);
    EXPECT_FALSE(node.IsOpened());
    EXPECT_EQ(table.GetNode(CEffectMIDINodeTable::kBufferedInputSlots), nullptr);

    hostengine::refuseMIDICall("ConnectNativeBufferedInput", 0);
    EXPECT_EQ(node.Open(0xFFFF, 0), 0);
    EXPECT_EQ(node.GetNodeIndex(), 0);
}

TEST_F(MIDINodes, EnablingNeedsVersion3AndAnOpenedInput)
{
    CEffectMIDINodeTable& table = tableAt(2);
    CEffectMIDINativeBufferedNode node(table, "Kravo", kInput, nullptr);
    ASSERT_EQ(node.Open(0, 1), 0);
    EXPECT_EQ(node.SetEnabled(1), 0); // unchanged: nothing to tell
    EXPECT_EQ(node.SetEnabled(0), -9145);
    EXPECT_TRUE(callsStartingWith("SetBufferedNodeEnabled").empty());

    CEffectMIDINodeTable& newer = tableAt(3);
    CEffectMIDIDirectDeliveryNode direct(newer, "Pads", kInput, nullptr, nullptr);
    EXPECT_EQ(direct.SetEnabled(0), -9145); // not opened
    ASSERT_EQ(direct.Open(0, 1), 0);
    EXPECT_EQ(direct.SetEnabled(0), 0);
    EXPECT_FALSE(direct.IsEnabled());
    EXPECT_TRUE(wasCalled("SetDirectNodeEnabled 0 0"));
}

// The node's enable option does not hold packets back: a disabled input would leave the
// instrument deaf.
TEST_F(MIDINodes, ABufferedInputReadsTheHostsPacketsOfTheBlock)
{
    CEffectMIDINodeTable& table = tableAt(7);
    CEffectMIDINativeBufferedNode node(table, "Kravo", kInput, nullptr);
    EXPECT_EQ(node.GetPacketCount(), 0);
    EXPECT_EQ(node.GetPacketBuffer(), nullptr);
    ASSERT_EQ(node.Open(0xFFFF, 0), 0);
    ASSERT_TRUE(hostengine::bufferMIDIInput(0, {{12, {0x90, 36, 100, 0}}, {200, {0x80, 36, 0, 0}}}));
    ASSERT_EQ(node.GetPacketCount(), 2);
    const std::uint8_t* packets = node.GetPacketBuffer();
    ASSERT_NE(packets, nullptr);
    std::int32_t offset = 0;
    std::memcpy(&offset, packets + kHostMIDIPacketSize + kHostMIDIPacketOffsetAt, sizeof offset);
    EXPECT_EQ(offset, 200);
    EXPECT_EQ(packets[kHostMIDIPacketBytesAt], 0x90);
    EXPECT_EQ(packets[kHostMIDIPacketSize + kHostMIDIPacketBytesAt + 1], 36);

    ASSERT_EQ(node.Disconnect(), 0);
    EXPECT_EQ(node.GetPacketCount(), 0);
    EXPECT_FALSE(hostengine::bufferMIDIInput(0, {}));
}

TEST_F(MIDINodes, DeliveryReachesTheNodeOfItsPortOnly)
{
    CEffectMIDINodeTable& table = tableAt(7);
    Delivered delivered;
    Delivered::sink = &delivered;
    int tags[17];
    std::vector<std::unique_ptr<CEffectMIDIDirectDeliveryNode>> nodes;
    for (int k = 0; k < 17; ++k) {
        tags[k] = k;
        nodes.push_back(std::make_unique<CEffectMIDIDirectDeliveryNode>(table, "Pads", k < 16 ? kInput : kOutput,
                                                                        &Delivered::receive, &tags[k]));
        ASSERT_EQ(nodes.back()->Open(0, 1), 0);
    }
    EXPECT_TRUE(wasCalled("ConnectDirectInput 15 Pads 0 object routine"));
    EXPECT_TRUE(wasCalled("ConnectDirectSingleOutput 255 Pads 0 object routine"));
    for (int port = 0; port < 16; ++port)
        EXPECT_TRUE(hostengine::deliverMIDI(port, {0, {static_cast<std::uint8_t>(0x90 + port), 1, 1, 0}}));
    EXPECT_TRUE(hostengine::deliverMIDI(255, {0, {0xF8, 0, 0, 0}}));
    ASSERT_EQ(delivered.packets.size(), 17u);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(delivered.packets[static_cast<std::size_t>(k)], std::make_pair(k, std::uint8_t(0x90 + k)));
    EXPECT_EQ(delivered.packets[16], std::make_pair(16, std::uint8_t{0xF8}));

    std::uint8_t packet[kHostMIDIPacketSize] = {};
    for (std::int32_t port : {-1, 16, 254, 256})
        CEffectMIDIDirectDeliveryNode::Deliver(&table, port, packet);
    nodes[3].reset();
    CEffectMIDIDirectDeliveryNode::Deliver(&table, 3, packet);
    EXPECT_EQ(delivered.packets.size(), 17u);
    Delivered::sink = nullptr;
}

TEST_F(MIDINodes, BufferedOutputsWriteUpToTheirCapacity)
{
    CEffectMIDINativeBufferedOutputNode early(tableAt(6), "Out", 3);
    EXPECT_EQ(early.Open(1, 1), -9145);
    EXPECT_EQ(early.GetNodeIndex(), CEffectMIDIAbstractNode::kNoNodeIndex);

    CEffectMIDINodeTable& table = tableAt(7);
    CEffectMIDINativeBufferedOutputNode node(table, "Out", 3);
    const SEffectMIDIOutputPacket packet{{1, 2, 3}, 0x0405};
    EXPECT_EQ(node.AppendPacket(packet), -9145); // not opened
    ASSERT_EQ(node.Open(1, 1), 0);
    EXPECT_EQ(node.GetOpenFlags(), 5);
    EXPECT_TRUE(wasCalled("ConnectBufferedOutput 0 Out 5 3"));
    EXPECT_EQ(node.SetName("Sync"), 0);
    EXPECT_TRUE(wasCalled("SetBufferedOutputName 0 Sync 2"));

    EXPECT_EQ(node.AppendPacket(packet), 1);
    EXPECT_EQ(node.AppendPacket(packet), 2);
    EXPECT_EQ(node.AppendPacket(packet), 3);
    EXPECT_EQ(node.AppendPacket(packet), -9145);
    EXPECT_EQ(node.ReplacePacket(1, {{7, 8, 9}, 0x0A0B}), 0);
    EXPECT_EQ(node.ReplacePacket(3, packet), -9145);
    EXPECT_EQ(node.ReplacePacket(-1, packet), -9145);
    ASSERT_EQ(node.GetPacketCount(), 3);
    const std::uint8_t* written = node.GetPacketBuffer();
    std::uint32_t word = 0;
    std::uint16_t tail = 0;
    std::memcpy(&word, written + kHostMIDIOutputPacketSize + 8, sizeof word);
    std::memcpy(&tail, written + kHostMIDIOutputPacketSize + 12, sizeof tail);
    EXPECT_EQ(word, 9u);
    EXPECT_EQ(tail, 0x0A0B);
    std::memcpy(&tail, written + 2 * kHostMIDIOutputPacketSize + 12, sizeof tail);
    EXPECT_EQ(tail, 0x0405);

    EXPECT_EQ(node.Disconnect(), 0);
    EXPECT_TRUE(wasCalled("DisconnectBufferedOutput 0"));
    EXPECT_EQ(table.GetNode(CEffectMIDINodeTable::kBufferedOutputSlots), nullptr);
}

TEST_F(MIDINodes, TransportQueriesAnswerFromTheirVersionOn)
{
    hostengine::setMIDITransport(97.5, true, 1920000);
    const CEffectMIDITransportReader old(tableAt(1));
    double tempo = 0.0;
    EXPECT_EQ(old.GetTempo(&tempo), -9145);
    EXPECT_EQ(tempo, 0.0);

    const CEffectMIDITransportReader reader(tableAt(3));
    std::uint8_t playing = 0;
    std::int64_t ticks = -1;
    EXPECT_EQ(reader.GetTempo(&tempo), 0);
    EXPECT_EQ(tempo, 97.5);
    EXPECT_EQ(reader.GetPlayingFlag(&playing), 0);
    EXPECT_EQ(playing, 1);
    EXPECT_EQ(reader.GetPositionInTicks(&ticks), -9145);
    EXPECT_EQ(ticks, -1);

    const CEffectMIDITransportReader newest(tableAt(4));
    EXPECT_EQ(newest.GetPositionInTicks(&ticks), 0);
    EXPECT_EQ(ticks, 1920000);
    // A host that cannot answer leaves the value as it was.
    hostengine::refuseMIDICall("GetTempo", -12);
    tempo = 1.0;
    EXPECT_EQ(newest.GetTempo(&tempo), -12);
    EXPECT_EQ(tempo, 1.0);
}

TEST_F(MIDINodes, FurtherOperationsAnswerFromTheirVersionOn)
{
    CEffectMIDINodeTable& older = tableAt(6);
    EXPECT_EQ(older.Operation9(1, 2), 0);
    EXPECT_EQ(older.Operation12(3, 4), 0);
    EXPECT_EQ(older.Operation18(5, 6, 7), 0);
    EXPECT_EQ(older.Operation22(1), -9145);
    EXPECT_EQ(older.Operation28(1, 2, 3, 4, 5), -9145);
    EXPECT_EQ(older.SetNodePort(15, 77), 0);
    EXPECT_EQ(older.SetNodePort(16, 77), -9145);
    EXPECT_EQ(callsStartingWith("Operation"),
              (std::vector<std::string>{"Operation9 1 2", "Operation12 3 4", "Operation18 5 6 7"}));
    EXPECT_EQ(callsStartingWith("SetNodePort"), std::vector<std::string>{"SetNodePort 15 77"});

    CEffectMIDINodeTable& newest = tableAt(7);
    EXPECT_EQ(newest.Operation22(1), 0);
    EXPECT_EQ(newest.Operation23(2), 0);
    EXPECT_EQ(newest.Operation24(1, 2, 3), 0);
    EXPECT_EQ(newest.Operation28(1, 2, 3, 4, 5), 0);
    EXPECT_TRUE(wasCalled("Operation28 1 2 3 4 5"));
    hostengine::refuseMIDICall("Operation23", -3);
    EXPECT_EQ(newest.Operation23(2), -3);
    CEffectMIDINodeTable& oldest = tableAt(1);
    EXPECT_EQ(oldest.Operation12(3, 4), -9145);
    EXPECT_EQ(oldest.SetNodePort(0, 1), -9145);
}

} // namespace
