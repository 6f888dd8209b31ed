#include "host/midi_file.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

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

TEST(MidiFile, RunningStatusAndTheTempoMapPlaceNotesUnlessTheTempoIsFixed)
{
    // 96 ticks per quarter at 120 bpm: 96 ticks = 0.5 s.
    const auto notes = parseMidiFile(smf(0, 96, {{0, 0x99, 36, 100, 96, 38, 90, 0, 0xff, 0x2f, 0}}));
    ASSERT_EQ(notes.messages.size(), 2u);
    const auto& second = notes.messages[1];
    EXPECT_EQ(std::tuple(notes.messages[0].seconds, second.seconds, second.bytes[0], second.bytes[1], second.bytes[2]),
              std::tuple(0.0, 0.5, 0x99, 38, 90));

    // Tempo 60 bpm (1 000 000 us per quarter) from the start.
    const auto bytes = smf(1, 100, {{0, 0xff, 0x51, 3, 0x0f, 0x42, 0x40, 0, 0xff, 0x2f, 0},
                                    {100, 0x90, 40, 1, 0, 0xff, 0x2f, 0}});
    const auto content = parseMidiFile(bytes);
    ASSERT_EQ(std::tuple(content.messages.size(), content.tempoChanges.size()), std::tuple(1u, 1u));
    EXPECT_EQ(std::tuple(content.messages[0].seconds, content.tempoChanges[0].bpm), std::tuple(1.0, 60.0));
    const auto fixed = parseMidiFile(bytes, 240.0);
    ASSERT_EQ(std::tuple(fixed.messages.size(), fixed.tempoChanges.size()), std::tuple(1u, 0u));
    EXPECT_EQ(fixed.messages[0].seconds, 0.25);
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
