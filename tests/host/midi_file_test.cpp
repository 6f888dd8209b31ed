#include "host/midi_file.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using host::MidiFileError;
using host::parseMidiFile;

std::vector<std::uint8_t> smf(std::uint16_t format, std::uint16_t division,
                              std::initializer_list<std::vector<std::uint8_t>> tracks)
{
    std::vector<std::uint8_t> data = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, static_cast<std::uint8_t>(format), 0,
                                      static_cast<std::uint8_t>(tracks.size()), static_cast<std::uint8_t>(division >> 8),
                                      static_cast<std::uint8_t>(division & 0xff)};
    for (const auto& track : tracks) {
        const auto n = static_cast<std::uint32_t>(track.size());
        data.insert(data.end(), {'M', 'T', 'r', 'k', static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
                                 static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)});
        data.insert(data.end(), track.begin(), track.end());
    }
    return data;
}

TEST(MidiFile, RunningStatusAndDefaultTempoPlaceNotes)
{
    // 96 ticks per quarter at 120 bpm: 96 ticks = 0.5 s.
    const auto content = parseMidiFile(smf(0, 96, {{0, 0x99, 36, 100, 96, 38, 90, 0, 0xff, 0x2f, 0}}));
    ASSERT_EQ(content.messages.size(), 2u);
    EXPECT_DOUBLE_EQ(content.messages[0].seconds, 0.0);
    EXPECT_DOUBLE_EQ(content.messages[1].seconds, 0.5);
    EXPECT_EQ(content.messages[1].bytes[0], 0x99);
    EXPECT_EQ(content.messages[1].bytes[1], 38);
    EXPECT_EQ(content.messages[1].bytes[2], 90);
}

TEST(MidiFile, TempoEventsTimeLaterTicksUnlessTheTempoIsFixed)
{
    // Tempo 60 bpm (1 000 000 us per quarter) from the start.
    const auto bytes = smf(1, 100, {{0, 0xff, 0x51, 3, 0x0f, 0x42, 0x40, 0, 0xff, 0x2f, 0},
                                    {100, 0x90, 40, 1, 0, 0xff, 0x2f, 0}});
    const auto content = parseMidiFile(bytes);
    ASSERT_EQ(content.messages.size(), 1u);
    EXPECT_DOUBLE_EQ(content.messages[0].seconds, 1.0);
    ASSERT_EQ(content.tempoChanges.size(), 1u);
    EXPECT_DOUBLE_EQ(content.tempoChanges[0].bpm, 60.0);

    const auto fixed = parseMidiFile(bytes, 240.0);
    EXPECT_DOUBLE_EQ(fixed.messages[0].seconds, 0.25);
    EXPECT_TRUE(fixed.tempoChanges.empty());
}

TEST(MidiFile, MalformedFilesAreRejected)
{
    EXPECT_THROW(parseMidiFile({'R', 'I', 'F', 'F'}), MidiFileError);
    EXPECT_THROW(parseMidiFile(smf(2, 96, {})), MidiFileError);
    EXPECT_THROW(parseMidiFile(smf(0, 0x8000 | 25, {})), MidiFileError);
    EXPECT_THROW(parseMidiFile(smf(0, 96, {{0, 36, 100}})), MidiFileError);            // no running status yet
    EXPECT_THROW(parseMidiFile(smf(0, 96, {{0, 0x90, 36}})), MidiFileError);            // truncated event
    EXPECT_THROW(parseMidiFile(smf(0, 96, {{0x81, 0x81, 0x81, 0x81, 0x81}})), MidiFileError); // endless delta
    EXPECT_THROW(parseMidiFile(smf(0, 96, {{0, 0xff, 0x01, 0x7f, 'a'}})), MidiFileError); // meta past the end
    auto truncated = smf(0, 96, {{0, 0x90, 36, 100}});
    truncated.resize(truncated.size() - 2);
    EXPECT_THROW(parseMidiFile(truncated), MidiFileError);
}

} // namespace
