#include "host/midi_file.h"

#include "host/chunk_id_text.h"

#include "engine/tempo/tempo_sync.h"
#include "platform/byte_order.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace host {

namespace {

constexpr double kDefaultTempoBpm = 120.0;
constexpr std::size_t kMaxFileSize = 64u << 20;
constexpr std::size_t kOtherChunksNamed = 4;
// The tempos the plug-in follows; it holds any other at the nearer end, while the host still times the notes at it.
constexpr double kPluginMinTempoBpm = tempo::TempoSync::kMinTempo;
constexpr double kPluginMaxTempoBpm = tempo::TempoSync::kMaxTempo;

struct TickEvent {
    std::uint64_t tick;
    std::size_t order; // keeps the file's order among events of one tick
    bool isTempo;
    std::uint32_t microsecondsPerQuarter;
    std::uint8_t bytes[3];
};

class Reader {
public:
    Reader(const std::vector<std::uint8_t>& data, std::size_t begin, std::size_t end)
        : data_(data), pos_(begin), end_(end)
    {
    }

    bool atEnd() const { return pos_ >= end_; }
    std::size_t position() const { return pos_; }

    std::uint8_t byte()
    {
        if (pos_ >= end_)
            throw MidiFileError("unexpected end of track data");
        return data_[pos_++];
    }

    std::uint8_t peek() const
    {
        if (pos_ >= end_)
            throw MidiFileError("unexpected end of track data");
        return data_[pos_];
    }

    std::uint32_t variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = (value << 7) | (b & 0x7f);
            if (!(b & 0x80))
                return value;
        }
        throw MidiFileError("variable-length number longer than four bytes");
    }

    void skip(std::uint32_t count)
    {
        if (count > end_ - pos_)
            throw MidiFileError("event runs past the end of its track");
        pos_ += count;
    }

private:
    const std::vector<std::uint8_t>& data_;
    std::size_t pos_;
    std::size_t end_;
};

std::uint32_t bigEndian(const std::vector<std::uint8_t>& data, std::size_t pos, int bytes)
{
    if (pos + static_cast<std::size_t>(bytes) > data.size())
        throw MidiFileError("file ends inside a chunk header");
    return static_cast<std::uint32_t>(platform::readBigEndian(data.data() + pos, static_cast<std::size_t>(bytes)));
}

// System common and real-time messages have no place in a file, but players step over them.
// Their lengths are known: F1 and F3 carry one data byte, F2 two, the rest none.
int systemMessageDataBytes(std::uint8_t status)
{
    switch (status) {
    case 0xf1:
    case 0xf3: return 1;
    case 0xf2: return 2;
    case 0xf6:
    case 0xf8: case 0xf9: case 0xfa: case 0xfb: case 0xfc: case 0xfd: case 0xfe: return 0;
    default: return -1;
    }
}

std::string hexOffset(std::size_t offset)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%zx", offset);
    return text;
}

int dataBytesOf(std::uint8_t status)
{
    switch (status & 0xf0) {
    case 0xc0:
    case 0xd0: return 1;
    default: return 2;
    }
}

// Each kind of thing forgiven is told once, naming its first place.
struct Warnings {
    std::vector<std::string> texts;
    bool systemMessage = false;
    bool runningStatus = false;
    // Set from the start under a fixed tempo: the file's tempo events are then ignored, so nothing of them is told.
    bool tempoLength = false;
    bool tempoRange = false;

    void once(bool& told, std::string text)
    {
        if (!told)
            texts.push_back(std::move(text));
        told = true;
    }
};

// A chunk's four-character name as the file has it, quoted.
std::string chunkName(const std::vector<std::uint8_t>& data, std::size_t pos)
{
    std::string name = "'";
    name += chunkIdText(static_cast<std::uint32_t>(platform::readBigEndian(data.data() + pos, 4)));
    name += '\'';
    return name;
}

std::string bpmText(double bpm)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", bpm);
    std::string trimmed = text;
    trimmed.erase(trimmed.find_last_not_of('0') + 1);
    if (trimmed.back() == '.')
        trimmed.pop_back();
    return trimmed;
}

void checkTempoRange(std::uint32_t microsecondsPerQuarter, std::size_t offset, Warnings& warnings)
{
    const double bpm = 60e6 / microsecondsPerQuarter;
    if (bpm >= kPluginMinTempoBpm && bpm <= kPluginMaxTempoBpm)
        return;
    std::string text = "tempo of " + bpmText(bpm) + " BPM outside the " + bpmText(kPluginMinTempoBpm) + "..";
    text += bpmText(kPluginMaxTempoBpm) + " BPM the plug-in follows, the first at byte " + hexOffset(offset);
    text += ": the file's notes keep its timing, while the plug-in holds such a tempo at the nearer end (here ";
    text += bpmText(bpm < kPluginMinTempoBpm ? kPluginMinTempoBpm : kPluginMaxTempoBpm) + " BPM)";
    warnings.once(warnings.tempoRange, std::move(text));
}

struct TrackEnd {
    std::uint64_t lastTick;
    bool atEndOfTrack;
};

TrackEnd readTrack(Reader& track, std::vector<TickEvent>& events, Warnings& warnings)
{
    std::uint64_t tick = 0;
    std::uint8_t runningStatus = 0;
    // Set by a meta or system-exclusive event: strictly it ends running status, but players keep it.
    bool statusInterrupted = false;
    while (!track.atEnd()) {
        tick += track.variableLength();
        const std::size_t offset = track.position();
        std::uint8_t status = track.peek();
        if (status & 0x80) {
            track.byte();
        } else if (runningStatus) {
            status = runningStatus;
            if (statusInterrupted)
                warnings.once(warnings.runningStatus, "running status carried across a meta or system-exclusive "
                                                      "event, as players do, the first time at byte " +
                                                          hexOffset(offset));
        } else {
            throw MidiFileError("data byte without a status (running status not set)");
        }

        if (status == 0xff) {
            const std::uint8_t type = track.byte();
            const std::uint32_t length = track.variableLength();
            if (type == 0x51 && length == 3) {
                const std::uint32_t tempo = (std::uint32_t{track.byte()} << 16) |
                                            (std::uint32_t{track.byte()} << 8) | track.byte();
                if (tempo == 0)
                    throw MidiFileError("tempo event of zero microseconds per quarter note");
                checkTempoRange(tempo, offset, warnings);
                events.push_back({tick, events.size(), true, tempo, {0, 0, 0}});
            } else {
                track.skip(length);
                if (type == 0x51)
                    warnings.once(warnings.tempoLength, "tempo event of " + std::to_string(length) +
                                                            " bytes, where a tempo takes 3, skipped and the tempo "
                                                            "left as it was, the first at byte " +
                                                            hexOffset(offset));
            }
            if (type == 0x2f)
                return {tick, true};
            statusInterrupted = true;
        } else if (status == 0xf0 || status == 0xf7) {
            track.skip(track.variableLength());
            statusInterrupted = true;
        } else if (status >= 0xf0) {
            const int dataBytes = systemMessageDataBytes(status);
            if (dataBytes < 0)
                throw MidiFileError("undefined status byte " + hexOffset(status) + " at byte " + hexOffset(offset));
            track.skip(static_cast<std::uint32_t>(dataBytes));
            warnings.once(warnings.systemMessage,
                          "system message inside a track stepped over, as players do, the first at byte " +
                              hexOffset(offset));
        } else {
            runningStatus = status;
            statusInterrupted = false;
            TickEvent event{tick, events.size(), false, 0, {status, 0, 0}};
            for (int i = 0; i < dataBytesOf(status); ++i) {
                const std::uint8_t b = track.byte();
                if (b & 0x80)
                    throw MidiFileError("status byte where a data byte was expected");
                event.bytes[1 + i] = b;
            }
            events.push_back(event);
        }
    }
    return {tick, false};
}

std::uint32_t riffWord(const std::vector<std::uint8_t>& data, std::size_t pos)
{
    return static_cast<std::uint32_t>(platform::readLittleEndian(data.data() + pos, 4));
}

bool namesChunk(const std::vector<std::uint8_t>& data, std::size_t pos, const char* name)
{
    return std::equal(name, name + 4, data.begin() + static_cast<std::ptrdiff_t>(pos));
}

struct MidiBytes {
    std::size_t begin;
    std::size_t end;
    // Inside a RIFF file, the lengths that set the end, as the file gives them.
    bool inRiff = false;
    std::uint32_t riffLength = 0;
    std::size_t dataChunkAt = 0;
    std::uint32_t dataLength = 0;
};

// Where the Standard MIDI File lies: the whole file, or the "data" chunk of a RIFF "RMID" file (.rmi).
MidiBytes standardMidiFileIn(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 4 || !namesChunk(data, 0, "RIFF"))
        return {0, data.size()};
    if (data.size() < 12)
        throw MidiFileError("RIFF file too short to name its form");
    if (!namesChunk(data, 8, "RMID"))
        throw MidiFileError("RIFF file of form " + chunkName(data, 8) + ", not a MIDI file (form 'RMID')");
    // A RIFF length past the file is taken as the file's end.
    const std::size_t riffEnd = 8 + std::min<std::size_t>(riffWord(data, 4), data.size() - 8);
    std::size_t pos = 12;
    while (riffEnd - pos >= 8) {
        const std::size_t begin = pos + 8;
        const std::size_t length = std::min<std::size_t>(riffWord(data, pos + 4), riffEnd - begin);
        if (namesChunk(data, pos, "data"))
            return {begin, begin + length, true, riffWord(data, 4), pos, riffWord(data, pos + 4)};
        pos = std::min(riffEnd, begin + length + (length & 1)); // chunks start on even bytes
    }
    throw MidiFileError("RIFF RMID file without a 'data' chunk");
}

// A RIFF length that ends the MIDI data inside a track the file holds whole, named with what the data takes; empty
// when the track's own length is what is wrong.
std::string riffLengthCutting(const std::vector<std::uint8_t>& data, const MidiBytes& bytes, std::size_t trackAt,
                              std::uint32_t trackLength)
{
    const std::size_t trackEnd = trackAt + 8 + std::size_t{trackLength};
    if (!bytes.inRiff || trackEnd > data.size())
        return {};
    std::vector<TickEvent> events;
    Warnings warnings;
    try {
        Reader track(data, trackAt + 8, trackEnd);
        readTrack(track, events, warnings);
    } catch (const MidiFileError&) {
        return {};
    }
    if (bytes.begin + std::size_t{bytes.dataLength} < trackEnd)
        return "RIFF 'data' chunk at byte " + hexOffset(bytes.dataChunkAt) + " says " +
               std::to_string(bytes.dataLength) + " bytes where its MIDI data takes " +
               std::to_string(trackEnd - bytes.begin);
    return "RIFF header says " + std::to_string(bytes.riffLength) + " bytes where the MIDI data inside takes " +
           std::to_string(trackEnd - 8);
}

std::string trackCountText(std::uint32_t count)
{
    return std::to_string(count) + (count == 1 ? " track" : " tracks");
}

} // namespace

MidiFileContent parseMidiFile(const std::vector<std::uint8_t>& data, double fixedTempoBpm)
{
    const MidiBytes bytes = standardMidiFileIn(data);
    const std::size_t begin = bytes.begin;
    const std::size_t end = bytes.end;
    if (end - begin < 14 || !namesChunk(data, begin, "MThd"))
        throw MidiFileError("not a Standard MIDI File (no MThd header)");
    const std::uint32_t headerLength = bigEndian(data, begin + 4, 4);
    const std::uint32_t format = bigEndian(data, begin + 8, 2);
    const std::uint32_t trackCount = bigEndian(data, begin + 10, 2);
    const std::uint32_t division = bigEndian(data, begin + 12, 2);
    if (headerLength < 6)
        throw MidiFileError("MIDI header too short");
    if (format > 1)
        throw MidiFileError("only MIDI file formats 0 and 1 are supported");
    if (division == 0)
        throw MidiFileError("the division is 0: the file gives no ticks per quarter note");
    if (division & 0x8000)
        throw MidiFileError("only tick-based MIDI timing is supported");

    std::vector<TickEvent> events;
    std::uint64_t lastTick = 0;
    const bool fixedTempo = fixedTempoBpm > 0.0;
    Warnings warnings;
    warnings.tempoLength = warnings.tempoRange = fixedTempo;
    std::uint32_t tracksRead = 0;
    std::string otherChunks; // the first few, named when no track turns up
    std::size_t otherChunkCount = 0;
    std::size_t pos = begin + 8 + std::min<std::size_t>(headerLength, end - begin - 8);
    while (tracksRead < trackCount) {
        // A header that counts more tracks than the file holds: players play those present.
        if (end - pos < 8) {
            // Unless a RIFF length cut the MIDI data short before a track the file holds.
            if (data.size() - pos >= 8 && namesChunk(data, pos, "MTrk")) {
                const std::string riffCut = riffLengthCutting(data, bytes, pos, bigEndian(data, pos + 4, 4));
                if (!riffCut.empty())
                    throw MidiFileError(riffCut);
            }
            if (tracksRead == 0)
                throw MidiFileError("no track chunk ('MTrk') in the file" +
                                    (otherChunks.empty() ? std::string(", nothing but its header")
                                                         : "; its other chunks: " + otherChunks));
            warnings.texts.push_back("the header counts " + trackCountText(trackCount) + " but the file holds " +
                                     trackCountText(tracksRead) + "; played those present");
            break;
        }
        const std::uint32_t length = bigEndian(data, pos + 4, 4);
        const bool isTrack = namesChunk(data, pos, "MTrk");
        const std::size_t left = end - pos - 8;
        if (!isTrack) {
            // Unknown chunks are skipped and do not count as tracks.
            if (otherChunkCount < kOtherChunksNamed)
                otherChunks += (otherChunks.empty() ? "" : ", ") + chunkName(data, pos);
            else if (otherChunkCount == kOtherChunksNamed)
                otherChunks += ", ...";
            ++otherChunkCount;
            if (length > left) {
                const std::string pastEnd = "chunk " + chunkName(data, pos) + " at byte " + hexOffset(pos) +
                                            " runs past the end of the file";
                if (tracksRead == 0)
                    throw MidiFileError(pastEnd);
                // Nothing in it could play; the tracks before it do.
                warnings.texts.push_back(pastEnd + "; left unread");
                pos = end;
                continue;
            }
            pos += 8 + std::size_t{length};
            continue;
        }
        if (length <= left) {
            Reader track(data, pos + 8, pos + 8 + length);
            lastTick = std::max(lastTick, readTrack(track, events, warnings).lastTick);
            pos += 8 + std::size_t{length};
        } else {
            // A length past the end of the file, over events that end in End of Track at the file's end:
            // the length is wrong, not the events, and players read up to the end.
            const std::string pastEnd = "track chunk at byte " + hexOffset(pos) + " says " +
                                        std::to_string(length) + " bytes where the file has " +
                                        std::to_string(left) + " left";
            // When the file is a RIFF one whose length cut the MIDI data short, that length is the one to name.
            const auto refuse = [&](std::string why) {
                const std::string riffCut = riffLengthCutting(data, bytes, pos, length);
                return MidiFileError(riffCut.empty() ? pastEnd + why : riffCut);
            };
            Reader track(data, pos + 8, end);
            TrackEnd trackEnd{};
            try {
                trackEnd = readTrack(track, events, warnings);
            } catch (const MidiFileError& cut) {
                throw refuse(std::string(", and its events are cut off: ") + cut.what());
            }
            if (!trackEnd.atEndOfTrack)
                throw refuse(", and its events stop without an End of Track");
            // Bytes after its End of Track would be another chunk whose place the length got wrong too, unless
            // they are all zero: padding, which players step over.
            const auto rest = data.begin() + static_cast<std::ptrdiff_t>(track.position());
            const auto restEnd = data.begin() + static_cast<std::ptrdiff_t>(end);
            if (std::any_of(rest, restEnd, [](std::uint8_t b) { return b != 0; }))
                throw refuse(", and more follows its End of Track at byte " + hexOffset(track.position()));
            std::string readToEnd = pastEnd + "; read up to its End of Track, as players do";
            if (const auto padding = restEnd - rest; padding > 0)
                readToEnd += padding == 1 ? std::string(", and the zero byte after it taken as padding")
                                          : ", and the " + std::to_string(padding) + " zero bytes after it taken as "
                                                                                     "padding";
            warnings.texts.push_back(std::move(readToEnd));
            lastTick = std::max(lastTick, trackEnd.lastTick);
            pos = end;
        }
        ++tracksRead;
    }

    std::stable_sort(events.begin(), events.end(), [](const TickEvent& a, const TickEvent& b) {
        return a.tick < b.tick;
    });

    MidiFileContent content;
    content.warnings = std::move(warnings.texts);
    double secondsPerTick = 60.0 / ((fixedTempo ? fixedTempoBpm : kDefaultTempoBpm) * division);
    double seconds = 0.0;
    std::uint64_t tick = 0;
    if (!fixedTempo)
        content.tempoChanges.push_back({0.0, kDefaultTempoBpm});
    for (const TickEvent& event : events) {
        seconds += static_cast<double>(event.tick - tick) * secondsPerTick;
        tick = event.tick;
        if (event.isTempo) {
            if (fixedTempo)
                continue;
            const double bpm = 60e6 / event.microsecondsPerQuarter;
            secondsPerTick = event.microsecondsPerQuarter / 1e6 / division;
            if (content.tempoChanges.back().seconds == seconds)
                content.tempoChanges.back().bpm = bpm;
            else
                content.tempoChanges.push_back({seconds, bpm});
        } else {
            content.messages.push_back({seconds, {event.bytes[0], event.bytes[1], event.bytes[2]}});
        }
    }
    content.lastEventSeconds = seconds + static_cast<double>(lastTick - tick) * secondsPerTick;
    return content;
}

MidiFileContent readMidiFile(const std::string& path, double fixedTempoBpm)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw MidiFileError(path + " is a folder, not a MIDI file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw MidiFileError("cannot open MIDI file " + path);
    std::vector<std::uint8_t> data;
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::size_t>(in.tellg());
    if (size > kMaxFileSize)
        throw MidiFileError("MIDI file too large: " + path);
    in.seekg(0);
    data.resize(size);
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size));
    if (!in)
        throw MidiFileError("cannot read MIDI file " + path);
    try {
        return parseMidiFile(data, fixedTempoBpm);
    } catch (const MidiFileError& malformed) {
        throw MidiFileError(path + ": " + malformed.what());
    }
}

} // namespace host
