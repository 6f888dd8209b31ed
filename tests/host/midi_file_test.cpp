#include "host/midi_file.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

namespace {

using host::MidiFileError;
using host::parseMidiFile;

std::vector<std::uint8_t> smf(int format, int division, std::initializer_list<std::vector<std::uint8_t>> tracks)
{
    const auto byte = [](std::uint32_t value, int shift = 0) { return static_cast<std::uint8_t>(value >> shift); };
    std::vector<std::uint8_t> data = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, byte(format), 0, byte(tracks.size()),
                                      byte(division, 8), byte(division)};
    for (const auto& track : tracks) {
        const auto n = static_cast<std::uint32_t>(track.size());
        data.insert(data.end(), {'M', 'T', 'r', 'k', byte(n, 24), byte(n, 16), byte(n, 8), byte(n)});
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

TEST(MidiFile, SystemMessagesAndRunningStatusAcrossMetaEventsAreSteppedOverAndTheFirstIsNamed)
{
    // F8 (no data) and F2 (two data bytes) between notes; running status after a text event.
    const auto content = parseMidiFile(smf(0, 96, {{0, 0x99, 36, 100, 0, 0xf8, 0, 0xf2, 1, 2, 0, 38, 90,
                                                    0, 0xff, 0x01, 1, 'a', 96, 40, 80, 0, 0xff, 0x2f, 0}}));
    ASSERT_EQ(content.messages.size(), 3u);
    EXPECT_EQ(std::tuple(content.messages[1].bytes[0], content.messages[1].bytes[1], content.messages[2].bytes[1],
                         content.messages[2].seconds),
              std::tuple(0x99, 38, 40, 0.5));
    EXPECT_EQ(content.recovered, "system message inside a track at byte 0x1b");

    const auto acrossMeta = parseMidiFile(smf(0, 96, {{0, 0x99, 36, 100, 0, 0xf0, 1, 0xf7, 0, 38, 90}}));
    ASSERT_EQ(acrossMeta.messages.size(), 2u);
    EXPECT_EQ(acrossMeta.recovered, "running status carried across a meta or system-exclusive event at byte 0x1f");
    EXPECT_EQ(parseMidiFile(smf(0, 96, {{0, 0x99, 36, 100, 0, 38, 90}})).recovered, "");
}

// The last event of any kind ends the piece: here an End of Track two quarters after the note, at 120 bpm.
TEST(MidiFile, TheLastEventOfAnyKindIsTimedEvenAfterTheLastNote)
{
    const auto content = parseMidiFile(smf(1, 96, {{0, 0x99, 36, 100, 0, 0xff, 0x2f, 0},
                                                   {0, 0xff, 0x51, 3, 0x0f, 0x42, 0x40, 0x81, 0x40, 0xff, 0x2f, 0}}));
    EXPECT_EQ(content.lastEventSeconds, 2.0); // 60 bpm from the start
    EXPECT_EQ(parseMidiFile(smf(0, 96, {{48, 0x99, 36, 100}})).lastEventSeconds, 0.25); // no End of Track
}

TEST(MidiFile, MalformedFilesAreRejected)
{
    auto truncated = smf(0, 96, {{0, 0x90, 36, 100}});
    truncated.resize(truncated.size() - 2);
    const std::vector<std::uint8_t> malformed[] = {{'R', 'I', 'F', 'F'}, smf(2, 96, {}), smf(0, 0x8000 | 25, {}),
        truncated, smf(0, 96, {{0, 36, 100}}),           // no running status yet
        smf(0, 96, {{0, 0x90, 36}}),                     // truncated event
        smf(0, 96, {{0x81, 0x81, 0x81, 0x81, 0x81}}),    // endless delta
        smf(0, 96, {{0, 0xff, 0x01, 0x7f, 'a'}}),        // meta past the end
        smf(0, 96, {{0, 0xf4, 0, 0x99, 36, 100}}),       // undefined status, length unknown
        smf(0, 96, {{0, 0xf2, 1}})};                     // system message cut short
    for (std::size_t i = 0; i < std::size(malformed); ++i)
        EXPECT_THROW(parseMidiFile(malformed[i]), MidiFileError) << "file " << i;
    try {
        parseMidiFile(smf(0, 0, {}));
        FAIL() << "a division of 0 was taken";
    } catch (const MidiFileError& error) {
        EXPECT_NE(std::string(error.what()).find("the division is 0"), std::string::npos) << error.what();
    }
}

} // namespace
