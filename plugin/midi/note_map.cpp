#include "plugin/midi/note_map.h"

namespace {

constexpr int kPadCount = 32;
// Three octave-spaced blocks of 32 notes play the 32 pads; the notes between play nothing.
constexpr int kFirstBlockNote = 0;
constexpr int kMiddleBlockNote = 36;
constexpr int kLastBlockNote = 72;

using Row = std::array<std::int32_t, kPadCount>;

constexpr Row kPadsInOrder = [] {
    Row row{};
    for (int i = 0; i < kPadCount; ++i)
        row[static_cast<std::size_t>(i)] = i;
    return row;
}();

// General MIDI drum notes 36..67 onto the pads: 36 bass drum, 38 and 40 snares, 39 clap, 42 and 46 the
// first hi-hat pair, toms on 45, 47 and 48, and the patterns from 60 up.
constexpr Row kGmMiddleBlock = {0,  13, 2,  8,  3,  1,  4,  14, 15, 12, 5,  11, 10, 16, 17, 18,
                                19, 20, 21, 22, 23, 6,  7,  9,  24, 28, 25, 29, 26, 27, 30, 31};

constexpr NoteMap::Table tableWith(const Row& middleBlock)
{
    NoteMap::Table table{};
    for (auto& pad : table)
        pad = NoteMap::kNoPad;
    for (int i = 0; i < kPadCount; ++i) {
        const auto pad = static_cast<std::size_t>(i);
        table[static_cast<std::size_t>(kFirstBlockNote + i)] = kPadsInOrder[pad];
        table[static_cast<std::size_t>(kMiddleBlockNote + i)] = middleBlock[pad];
        table[static_cast<std::size_t>(kLastBlockNote + i)] = kPadsInOrder[pad];
    }
    return table;
}

} // namespace

const NoteMap::Table NoteMap::standardTable = tableWith(kPadsInOrder);
const NoteMap::Table NoteMap::gmTable = tableWith(kGmMiddleBlock);
