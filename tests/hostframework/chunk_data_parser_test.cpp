#include "hostframework/chunk_data_parser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

SHostPlugInChunk* AsRecord(Bytes& bytes)
{
    return reinterpret_cast<SHostPlugInChunk*>(bytes.data());
}

// Exactly the record's size, so the sanitizer sees any read past it.
Bytes WriteRecord(const ChunkDataParser& parser)
{
    Bytes bytes(parser.GetRecordSize());
    parser.Write(AsRecord(bytes));
    return bytes;
}

Bytes DataOf(const Bytes& record)
{
    return Bytes(record.begin() + kChunkHeaderSize, record.end());
}

TEST(ChunkDataParserLayout, AFloatWithAFourCharacterNameTakesTwelveBytes)
{
    ChunkDataParser parser;
    parser.AddFloat("gain", 1.0f);
    EXPECT_EQ(parser.GetSize(), 16u);
    const Bytes record = WriteRecord(parser);
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 4), (Bytes{72, 0, 0, 0}));
    EXPECT_EQ(DataOf(record), (Bytes{1, 1, 1, 1, 'f', '_', 'g', 'a', 'i', 'n', 0, 0, 0x3F, 0x80, 0, 0}));
}

TEST(ChunkDataParserLayout, IntegersAndDoublesAreBigEndianAndAShortFillsHalfItsWord)
{
    ChunkDataParser parser;
    parser.AddInt16("s", -2);
    parser.AddInt32("ab", 0x01020304);
    parser.AddDouble("x", -2.5);
    EXPECT_EQ(parser.GetSize(), 36u);
    EXPECT_EQ(DataOf(WriteRecord(parser)), (Bytes{1, 1, 1, 1,                                  //
                                                  's', '_', 's', 0, 0xFF, 0xFE, 0, 0,          //
                                                  'l', '_', 'a', 'b', 0, 0, 0, 0, 1, 2, 3, 4, //
                                                  'd', '_', 'x', 0, 0xC0, 4, 0, 0, 0, 0, 0, 0}));
}

TEST(ChunkDataParserRoundTrip, KeepsEveryTypeAndTheSecondHeaderWord)
{
    ChunkDataParser source;
    source.AddFloat("float", -0.75f);
    source.AddDouble("double", -1.0 / 3.0);
    source.AddInt32("long", std::numeric_limits<std::int32_t>::min());
    source.AddInt16("short", -32768);
    Bytes record = WriteRecord(source);
    AsRecord(record)->secondWord = 0x5EED;

    ChunkDataParser parsed;
    EXPECT_EQ(parsed.GetKeptWord(), -1);
    parsed.Parse(AsRecord(record));
    EXPECT_EQ(parsed.GetKeptWord(), 0x5EED);
    float f = 0;
    double d = 0;
    std::int32_t l = 0;
    std::int16_t s = 0;
    EXPECT_TRUE(parsed.GetFloat("float", f) && parsed.GetDouble("double", d) && parsed.GetInt32("long", l) &&
                parsed.GetInt16("short", s));
    EXPECT_EQ(f, -0.75f);
    EXPECT_EQ(d, -1.0 / 3.0);
    EXPECT_EQ(l, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(s, -32768);
}

TEST(ChunkDataParserLookup, AMismatchOrAMissingNameLeavesTheValueAlone)
{
    ChunkDataParser parser;
    parser.AddFloat("level", 0.5f);
    parser.AddDouble("tune", 1.0);
    std::int32_t untouched = 7;
    double value = 0;
    EXPECT_FALSE(parser.GetInt32("level", untouched));
    EXPECT_FALSE(parser.GetInt32("none", untouched));
    EXPECT_EQ(untouched, 7);
    EXPECT_FALSE(parser.SetDouble("level", 2.0));
    EXPECT_TRUE(parser.SetDouble("tune", 2.0));
    EXPECT_TRUE(parser.GetDouble("tune", value));
    EXPECT_EQ(value, 2.0);
}

TEST(ChunkDataParserLookup, TheSearchStartsAfterTheEntryFoundLastAndWrapsAround)
{
    ChunkDataParser parser;
    for (const char* name : {"x", "y", "x"})
        parser.AddInt32(name, 0);
    // A search from the first entry would answer 0 again: reading in written order finds the next one.
    EXPECT_EQ(parser.Find("x"), 0);
    EXPECT_EQ(parser.Find("y"), 1);
    EXPECT_EQ(parser.Find("x"), 2);
    EXPECT_EQ(parser.Find("x"), 0);
    EXPECT_EQ(parser.Find("z"), -1);
    parser.Clear();
    for (const char* name : {"x", "y", "x"})
        parser.AddInt32(name, 0);
    EXPECT_EQ(parser.Find("x"), 0);
    parser.Clear();
    for (const char* name : {"a", "b", "c"})
        parser.AddInt32(name, 0);
    for (const char* name : {"c", "b", "a"})
        EXPECT_EQ(parser.Find(name), name[0] - 'a');
}

// Data of a float "a" (bytes 4..11) and an integer "b" (bytes 12..19).
Bytes TwoEntries()
{
    ChunkDataParser parser;
    parser.AddFloat("a", 1.0f);
    parser.AddInt32("b", 2);
    return WriteRecord(parser);
}

std::size_t EntriesSize(const Bytes& record, std::size_t available)
{
    ChunkDataParser parser;
    parser.Parse(reinterpret_cast<const SHostPlugInChunk*>(record.data()), available);
    return parser.IsEmpty() ? 0 : parser.GetSize();
}

TEST(ChunkDataParserParse, ADamagedEntryEndsTheParseAndTheOnesBeforeItStay)
{
    const std::size_t onlyA = 12;
    Bytes record = TwoEntries();
    EXPECT_EQ(EntriesSize(record, record.size()), 20u);
    EXPECT_EQ(EntriesSize(record, record.size() - 1), onlyA);
    EXPECT_EQ(EntriesSize(record, kChunkHeaderSize + 14), onlyA); // the key's zero byte is cut off
    AsRecord(record)->length -= 1;
    EXPECT_EQ(EntriesSize(record, record.size()), onlyA);
    AsRecord(record)->length = 59;
    EXPECT_EQ(EntriesSize(record, record.size()), 0u);

    for (const auto& [offset, byte] : {std::pair{12, 'x'}, {13, '\0'}}) {
        record = TwoEntries();
        record[kChunkHeaderSize + offset] = static_cast<std::uint8_t>(byte);
        EXPECT_EQ(EntriesSize(record, record.size()), onlyA) << offset;
    }
}

TEST(ChunkDataParserParse, AWrongVersionGivesNoEntries)
{
    Bytes record = TwoEntries();
    record[kChunkHeaderSize] = 2;
    AsRecord(record)->secondWord = 3;
    ChunkDataParser parser;
    parser.Parse(AsRecord(record));
    float value = 9;
    EXPECT_TRUE(parser.IsEmpty());
    EXPECT_FALSE(parser.GetFloat("a", value));
    EXPECT_EQ(value, 9);
    EXPECT_EQ(parser.GetKeptWord(), 3);
}

TEST(ChunkDataParserBadInput, DamagedRecordsAreReadWithinTheirBytesAndReadAgainAlike)
{
    std::mt19937 random(20240611);
    const auto below = [&random](std::size_t bound) { return random() % bound; };
    for (int round = 0; round < 3000; ++round) {
        ChunkDataParser source;
        for (std::size_t k = below(6); k > 0; --k) {
            std::string name(below(10), 'n');
            for (char& c : name)
                c = static_cast<char>(1 + below(255));
            switch (below(4)) {
            case 0: source.AddFloat(name.c_str(), 1.0f); break;
            case 1: source.AddDouble(name.c_str(), 2.0); break;
            case 2: source.AddInt32(name.c_str(), -3); break;
            default: source.AddInt16(name.c_str(), -4); break;
            }
        }
        const Bytes whole = WriteRecord(source);
        Bytes record(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(below(whole.size() - kChunkHeaderSize + 1)));
        if (below(3) == 0)
            AsRecord(record)->length = static_cast<std::uint32_t>(below(2) == 0 ? below(80) : random());
        for (std::size_t flips = below(4); flips > 0 && record.size() > kChunkHeaderSize; --flips)
            record[kChunkHeaderSize + below(record.size() - kChunkHeaderSize)] = static_cast<std::uint8_t>(random());

        ChunkDataParser parsed;
        parsed.Parse(AsRecord(record), record.size());
        const std::size_t readable = std::min<std::size_t>(AsRecord(record)->length, record.size());
        EXPECT_TRUE(parsed.IsEmpty() || parsed.GetRecordSize() <= readable);
        const Bytes rewritten = WriteRecord(parsed);
        ChunkDataParser reparsed;
        reparsed.Parse(reinterpret_cast<const SHostPlugInChunk*>(rewritten.data()), rewritten.size());
        EXPECT_EQ(WriteRecord(reparsed), rewritten);
    }
}

} // namespace
