// Feeds arbitrary bytes to kravo-host's MIDI file reader, with the file's tempo map and with a fixed
// tempo. It must answer the file's contents or refuse with its own error, never read past the bytes;
// what it answers is in time order, from time zero on.

#include "host/midi_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> input(data, data + size);
    for (const double fixedTempo : {0.0, 120.0}) {
        try {
            const host::MidiFileContent content = host::parseMidiFile(input, fixedTempo);
            const auto earlier = [](const auto& a, const auto& b) { return a.seconds < b.seconds; };
            if (!std::is_sorted(content.messages.begin(), content.messages.end(), earlier) ||
                !std::is_sorted(content.tempoChanges.begin(), content.tempoChanges.end(), earlier))
                std::abort();
            if (!content.messages.empty() && !(content.messages.front().seconds >= 0.0))
                std::abort();
        } catch (const host::MidiFileError&) {
        }
    }
    return 0;
}
