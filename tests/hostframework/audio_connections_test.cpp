#include "hostframework/audio_connections.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(AudioConnections, PositionsOccupiedPlacesAndDisconnects)
{
    AS_Conn table(2, 2);
    EXPECT_EQ(table.ConnectInput(0, 5), -7106);
    EXPECT_EQ(table.ConnectInput(3, 5), -7106);
    EXPECT_EQ(table.ConnectInput(1, 5), 0);
    EXPECT_EQ(table.ConnectInput(1, 6), -7100);
    std::uint8_t flag = 0;
    table.IsInputConnected(1, &flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(table.ConnectInput(1, 0), 0); // a zero handle clears
    table.IsInputConnected(1, &flag);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(table.ConnectOutput(2, 9), 0);
    EXPECT_EQ(table.ConnectOutput(2, 8), -7101);
    table.IsOutputFree(2, &flag);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(table.DisconnectOutput(2), 0);
    EXPECT_EQ(table.DisconnectOutput(2), -7107);
    table.IsOutputFree(2, &flag);
    EXPECT_EQ(flag, 1);
    table.IsOutputFree(5, &flag);
    EXPECT_EQ(flag, 0);
}

TEST(AudioConnections, AGrowableListGrowsToTwiceThePosition)
{
    GrowableConnectionList list(2, -7100, 16);
    EXPECT_EQ(list.Capacity(), 2);
    std::uint8_t flag = 1;
    EXPECT_EQ(list.IsConnected(7, &flag), 0); // beyond the storage: free
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(list.Connect(5, 42), 0);
    EXPECT_EQ(list.Capacity(), 10);
    for (std::int32_t position = 3; position <= 10; ++position)
        EXPECT_EQ(list.HandleAt(position), position == 5 ? 42 : 0) << position;
    EXPECT_EQ(list.Connect(17, 1), -7106);
    EXPECT_EQ(list.Connect(5, 43), -7100);
}

TEST(AudioConnections, StreamFormats)
{
    SStreamFormat format{};
    SetDefaultStreamFormat(format);
    EXPECT_EQ(CheckStreamFormat(format), 0);
    EXPECT_EQ(format.sampleRate, 44100.0);
    format.sampleRate = 0.0;
    EXPECT_EQ(CheckStreamFormat(format), -7104);
    format.sampleRate = std::nan("");
    EXPECT_EQ(CheckStreamFormat(format), -7104);
    SetDefaultStreamFormat(format);
    format.word2 = 1;
    EXPECT_EQ(CheckStreamFormat(format), -7104);
}

} // namespace
