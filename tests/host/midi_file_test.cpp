#include "host/midi_file.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>
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

TEST(MidiFile, SystemMessagesAndRunningStatusAcrossMetaEventsArePlayedThroughAndEachKindIsToldOnce)
{
    // F8 (no data) and F2 (two data bytes) between notes; running status after a text event.
    const auto content = parseMidiFile(smf(0, 96, {{0, 0x99, 36, 100, 0, 0xf8, 0, 0xf2, 1, 2, 0, 38, 90,
                                                    0, 0xff, 0x01, 1, 'a', 96, 40, 80, 0, 0xff, 0x2f, 0}}));
    ASSERT_EQ(content.messages.size(), 3u);
    EXPECT_EQ(std::tuple(content.messages[1].bytes[0], content.messages[1].bytes[1], content.messages[2].bytes[1],
                         content.messages[2].seconds),
              std::tuple(0x99, 38, 40, 0.5));
    // Each kind is told once, at its first place.
    EXPECT_EQ(content.warnings, (std::vector<std::string>{
                                    "system message inside a track stepped over, as players do, the first at byte 0x1b",
                                    "running status carried across a meta or system-exclusive event, as players do, "
                                    "the first time at byte 0x29"}));

    const auto acrossMeta = parseMidiFile(smf(0, 96, {{0, 0x99, 36, 100, 0, 0xf0, 1, 0xf7, 0, 38, 90}}));
    ASSERT_EQ(acrossMeta.messages.size(), 2u);
    EXPECT_EQ(acrossMeta.warnings, std::vector<std::string>{"running status carried across a meta or system-exclusive "
                                                            "event, as players do, the first time at byte 0x1f"});
    EXPECT_TRUE(parseMidiFile(smf(0, 96, {{0, 0x99, 36, 100, 0, 38, 90}})).warnings.empty());
}

TEST(MidiFile, TempoEventsOfAnotherLengthOrOutsideThePluginsRangeAreEachToldOnce)
{
    // 4 and 2 bytes where a tempo takes 3: skipped, 120 bpm stays.
    const auto wrongLength = parseMidiFile(smf(0, 96, {{0, 0xff, 0x51, 4, 0x07, 0xa1, 0x20, 0, 0, 0xff, 0x51, 2, 1, 2,
                                                        96, 0x99, 36, 100, 0, 0xff, 0x2f, 0}}));
    EXPECT_EQ(std::tuple(wrongLength.tempoChanges.size(), wrongLength.tempoChanges[0].bpm,
                         wrongLength.messages[0].seconds),
              std::tuple(1u, 120.0, 0.5));
    EXPECT_EQ(wrongLength.warnings, std::vector<std::string>{"tempo event of 4 bytes, where a tempo takes 3, skipped "
                                                             "and the tempo left as it was, the first at byte 0x17"});

    // 1200 bpm, 600 and 5 (the ends themselves), then about 4.6 bpm: the file's timing stays.
    const auto outside = parseMidiFile(smf(0, 96, {{0, 0xff, 0x51, 3, 0x00, 0xc3, 0x50, 0, 0xff, 0x51, 3, 0x01, 0x86,
                                                    0xa0, 0, 0xff, 0x51, 3, 0xb7, 0x1b, 0x00, 0, 0xff, 0x51, 3, 0xc6,
                                                    0x5d, 0x40, 0, 0xff, 0x2f, 0}}));
    EXPECT_EQ(outside.tempoChanges.back().bpm, 60e6 / 13e6);
    EXPECT_EQ(outside.warnings,
              std::vector<std::string>{"tempo of 1200 BPM outside the 5..600 BPM the plug-in follows, the first at "
                                       "byte 0x17: the file's notes keep its timing, while the plug-in holds such a "
                                       "tempo at the nearer end (here 600 BPM)"});
    // A fixed tempo ignores the file's tempo events, and so says nothing of them.
    EXPECT_TRUE(parseMidiFile(smf(0, 96, {{0, 0xff, 0x51, 3, 0x00, 0xc3, 0x50, 0, 0xff, 0x51, 1, 0}}), 100.0)
                    .warnings.empty());
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

std::string errorOf(const std::vector<std::uint8_t>& file)
{
    try {
        parseMidiFile(file);
    } catch (const MidiFileError& error) {
        return error.what();
    }
    return "taken";
}

void setTrackLength(std::vector<std::uint8_t>& file, std::size_t trackAt, std::uint32_t length)
{
    for (int i = 0; i < 4; ++i)
        file[trackAt + 4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
}

const std::vector<std::uint8_t> kOneNote = {0, 0x99, 36, 100, 96, 0x89, 36, 0, 0, 0xff, 0x2f, 0};

TEST(MidiFile, AHeaderCountingMoreTracksPlaysThoseThereWithAWarningAndNoTrackAtAllIsNamed)
{
    auto file = smf(1, 96, {kOneNote});
    file[11] = 2;
    const auto content = parseMidiFile(file);
    EXPECT_EQ(content.messages.size(), 2u);
    EXPECT_EQ(content.warnings,
              std::vector<std::string>{"the header counts 2 tracks but the file holds 1 track; played those present"});

    // An unknown chunk past the end of the file after the track: the track plays.
    auto trailing = file;
    trailing.insert(trailing.end(), {'X', 'F', 'I', 'H', 0, 0, 1, 0, 1, 2});
    EXPECT_EQ(parseMidiFile(trailing).warnings,
              (std::vector<std::string>{
                  "chunk 'XFIH' at byte 0x22 runs past the end of the file; left unread",
                  "the header counts 2 tracks but the file holds 1 track; played those present"}));

    auto misnamed = smf(0, 96, {kOneNote});
    misnamed[14] = 'm'; // "mTrk"
    EXPECT_EQ(errorOf(misnamed), "no track chunk ('MTrk') in the file; its other chunks: 'mTrk'");
    auto headerOnly = smf(0, 96, {});
    headerOnly[11] = 1;
    EXPECT_EQ(errorOf(headerOnly), "no track chunk ('MTrk') in the file, nothing but its header");
}

TEST(MidiFile, ALastTrackLongerThanTheFileIsReadToItsEndOfTrackButNotPastCutEvents)
{
    auto file = smf(0, 96, {kOneNote});
    setTrackLength(file, 14, 0x0100000c);
    const auto content = parseMidiFile(file);
    EXPECT_EQ(std::tuple(content.messages.size(), content.lastEventSeconds), std::tuple(2u, 0.5));
    EXPECT_EQ(content.warnings, std::vector<std::string>{"track chunk at byte 0xe says 16777228 bytes where the file "
                                                         "has 12 left; read up to its End of Track, as players do"});

    // Zero bytes after the End of Track are padding.
    auto padded = smf(0, 96, {{0, 0x99, 36, 100, 0, 0xff, 0x2f, 0, 0, 0, 0}});
    setTrackLength(padded, 14, 40);
    const auto paddedContent = parseMidiFile(padded);
    EXPECT_EQ(paddedContent.messages.size(), 1u);
    EXPECT_EQ(paddedContent.warnings,
              std::vector<std::string>{"track chunk at byte 0xe says 40 bytes where the file has 11 left; read up to "
                                       "its End of Track, as players do, and the 3 zero bytes after it taken as "
                                       "padding"});
    padded.back() = 1;
    EXPECT_EQ(errorOf(padded), "track chunk at byte 0xe says 40 bytes where the file has 11 left, and more follows "
                               "its End of Track at byte 0x1e");

    auto noEnd = smf(0, 96, {{0, 0x99, 36, 100}});
    setTrackLength(noEnd, 14, 40);
    EXPECT_EQ(errorOf(noEnd), "track chunk at byte 0xe says 40 bytes where the file has 4 left, and its events "
                              "stop without an End of Track");
    auto cut = smf(0, 96, {{0, 0x99, 36}});
    setTrackLength(cut, 14, 40);
    EXPECT_NE(errorOf(cut).find("and its events are cut off: unexpected end of track data"), std::string::npos);
    // Only the last chunk can run past the end: a first track's wrong length would hide the second.
    auto twoTracks = smf(1, 96, {kOneNote, kOneNote});
    setTrackLength(twoTracks, 14, 0x10000);
    EXPECT_EQ(errorOf(twoTracks), "track chunk at byte 0xe says 65536 bytes where the file has 32 left, and more "
                                  "follows its End of Track at byte 0x22");
}

using RiffChunk = std::pair<const char*, std::vector<std::uint8_t>>;

std::vector<std::uint8_t> riff(const char* form, std::initializer_list<RiffChunk> chunks)
{
    std::vector<std::uint8_t> body(form, form + 4);
    for (const auto& [name, bytes] : chunks) {
        const auto n = static_cast<std::uint32_t>(bytes.size());
        body.insert(body.end(), name, name + 4);
        for (int shift = 0; shift < 32; shift += 8)
            body.push_back(static_cast<std::uint8_t>(n >> shift));
        body.insert(body.end(), bytes.begin(), bytes.end());
        if (n & 1)
            body.push_back(0);
    }
    std::vector<std::uint8_t> file = {'R', 'I', 'F', 'F'};
    for (int shift = 0; shift < 32; shift += 8)
        file.push_back(static_cast<std::uint8_t>(body.size() >> shift));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

TEST(MidiFile, ARiffMidiFileCarriesItsStandardMidiFileInItsDataChunk)
{
    const auto bare = parseMidiFile(smf(0, 96, {kOneNote}));
    // An odd-length chunk before the data, padded to an even byte as RIFF files are.
    const auto wrapped = parseMidiFile(riff("RMID", {{"LIST", {1, 2, 3}}, {"data", smf(0, 96, {kOneNote})}}));
    ASSERT_EQ(wrapped.messages.size(), bare.messages.size());
    EXPECT_EQ(std::tuple(wrapped.messages[1].seconds, wrapped.messages[1].bytes[0], wrapped.lastEventSeconds),
              std::tuple(bare.messages[1].seconds, bare.messages[1].bytes[0], bare.lastEventSeconds));

    EXPECT_EQ(errorOf(riff("WAVE", {{"data", {0, 0}}})), "RIFF file of form 'WAVE', not a MIDI file (form 'RMID')");
    EXPECT_EQ(errorOf(riff("RMID", {{"LIST", {1}}})), "RIFF RMID file without a 'data' chunk");
    EXPECT_EQ(errorOf(riff("RMID", {{"data", {'M', 'T', 'h', 'd'}}})), "not a Standard MIDI File (no MThd header)");

    // A length that cuts the MIDI data short while the file holds it whole is named, not the track's.
    auto shortData = riff("RMID", {{"data", smf(0, 96, {kOneNote})}, {"LIST", {1, 2}}});
    shortData[16] -= 10;
    EXPECT_EQ(errorOf(shortData), "RIFF 'data' chunk at byte 0xc says 24 bytes where its MIDI data takes 34");
    auto shortRiff = riff("RMID", {{"data", smf(0, 96, {kOneNote})}});
    shortRiff[4] -= 10;
    EXPECT_EQ(errorOf(shortRiff), "RIFF header says 36 bytes where the MIDI data inside takes 46");
    // Cut between two tracks, the second is not taken for missing.
    auto cutBetween = riff("RMID", {{"data", smf(1, 96, {kOneNote, kOneNote})}});
    cutBetween[16] -= 17;
    EXPECT_EQ(errorOf(cutBetween), "RIFF 'data' chunk at byte 0xc says 37 bytes where its MIDI data takes 54");
}

} // namespace
