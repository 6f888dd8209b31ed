#include "host/state_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace {

using host::StateChunkRecord;

// A chunk record as an instance fills it: the length word first, in the machine's order.
StateChunkRecord chunk(std::uint32_t id, std::size_t size, std::uint8_t fill)
{
    StateChunkRecord made{id, std::vector<std::uint8_t>(size, fill)};
    const auto length = static_cast<std::uint32_t>(size);
    std::memcpy(made.record.data(), &length, sizeof length);
    return made;
}

std::string refusal(const std::vector<std::uint8_t>& bytes)
{
    try {
        host::decodeStateFile(bytes);
    } catch (const host::StateFileError& error) {
        return error.what();
    }
    return "";
}

TEST(StateFile, ChunksRoundTripInTheirOrderBehindTheHeader)
{
    const std::vector<StateChunkRecord> chunks = {chunk(0x656C636B, 92, 1), chunk(0x74515174, 60, 2)};
    const auto bytes = host::encodeStateFile(chunks);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 11), "KRAVO-STATE");
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 11, bytes.begin() + 27),
              (std::vector<std::uint8_t>{0, 0, 0, 1, 0, 0, 0, 2, 'e', 'l', 'c', 'k', 0, 0, 0, 92}));
    const auto decoded = host::decodeStateFile(bytes);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[1].id, 0x74515174u);
    EXPECT_EQ(decoded[1].record, chunks[1].record);
}

TEST(StateFile, DamageIsNamedAndNothingIsAnswered)
{
    const auto good = host::encodeStateFile({chunk(0x74515174, 60, 2)});
    auto bytes = good;
    bytes.pop_back();
    EXPECT_EQ(refusal(bytes), "the file ends inside chunk 'tQQt'");
    bytes = good;
    bytes.push_back(0);
    EXPECT_EQ(refusal(bytes), "the file goes on past its last chunk");
    bytes = good;
    bytes[0] = 'k';
    EXPECT_NE(refusal(bytes).find("not a kravo-host state file"), std::string::npos);
    bytes = good;
    bytes[14] = 2;
    EXPECT_NE(refusal(bytes).find("version 2"), std::string::npos);
    bytes = good;
    bytes[26] = 40; // a record length below the chunk header's
    EXPECT_NE(refusal(bytes).find("shorter than"), std::string::npos);
    bytes = good;
    bytes[26] += 1; // one byte more than the record's own length word says
    bytes.push_back(0);
    EXPECT_NE(refusal(bytes).find("says its record holds"), std::string::npos);

    // Random and cut files: each is read whole or refused, never partly.
    std::mt19937 random(20261207);
    for (int round = 0; round < 2000; ++round) {
        bytes = host::encodeStateFile({chunk(0x656C636B, 56 + random() % 40, 3), chunk(0x6D696469, 80, 4)});
        for (int flips = static_cast<int>(random() % 4); flips > 0; --flips)
            bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
        bytes.resize(random() % (bytes.size() + 1));
        try {
            const auto decoded = host::decodeStateFile(bytes);
            EXPECT_EQ(host::encodeStateFile(decoded), bytes) << round;
        } catch (const host::StateFileError&) {
        }
    }
}

} // namespace
