#include "bench/note_schedule.h"

#include <cmath>

namespace {

constexpr std::uint8_t kNoteOnChannel10 = 0x99;
constexpr std::uint8_t kVelocity = 110;

} // namespace

NoteSchedule::NoteSchedule(const std::vector<Hit>& loop, double loopBeats, double tempo, double sampleRate,
                           int blockSize)
{
    const double framesPerBeat = sampleRate * 60.0 / tempo;
    const auto loopFrames = static_cast<std::int64_t>(std::llround(loopBeats * framesPerBeat));
    const std::int64_t blocks = (loopFrames + blockSize - 1) / blockSize;
    blocks_.assign(static_cast<std::size_t>(blocks), PlugEventList(static_cast<int>(loop.size())));
    for (const Hit& hit : loop) {
        const auto frame = static_cast<std::int64_t>(std::llround(hit.beat * framesPerBeat));
        blocks_[static_cast<std::size_t>(frame / blockSize)].add(static_cast<std::int32_t>(frame % blockSize),
                                                                  kNoteOnChannel10, hit.note, kVelocity);
    }
    for (PlugEventList& block : blocks_)
        lists_.push_back(block.list());
}
