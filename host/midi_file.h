#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

// One channel message of a MIDI file, placed in time.
struct TimedMidiMessage {
    double seconds;
    std::uint8_t bytes[3];
};

// A tempo change of a MIDI file's tempo map.
struct TempoChange {
    double seconds;
    double bpm;
};

struct MidiFileContent {
    std::vector<TimedMidiMessage> messages; // sorted by time, stable within a time
    std::vector<TempoChange> tempoChanges;  // sorted by time
    double lastEventSeconds = 0.0;          // of any event, its End of Track included
    // What the reader forgave as players do, one line a kind, each saying what was done:
    // system messages inside a track, running status across a meta or system-exclusive
    // event, tempo events of another length than 3 bytes, tempos outside those the plug-in
    // follows (each naming its first place), a header counting more tracks than the file
    // holds, a last track whose length runs past the end of the file (zero bytes after its
    // End of Track taken as padding).
    std::vector<std::string> warnings;
};

class MidiFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a Standard MIDI File of format 0 or 1, also inside a RIFF "RMID" file. With a fixed tempo, the file's
// tempo events are ignored and every tick is timed at that tempo.
// Throws MidiFileError on a malformed file; readMidiFile's errors name the file.
MidiFileContent readMidiFile(const std::string& path, double fixedTempoBpm = 0.0);
MidiFileContent parseMidiFile(const std::vector<std::uint8_t>& data, double fixedTempoBpm = 0.0);

} // namespace host
