#include "bench/note_schedule.h"

#include <cmath>
#include <cstring>

NoteSchedule::NoteSchedule(const std::vector<Hit>& loop, double loopBeats, double tempo, double sampleRate,
                           int blockSize)
{
    const double framesPerBeat = sampleRate * 60.0 / tempo;
    const auto loopFrames = static_cast<std::int64_t>(std::llround(loopBeats * framesPerBeat));
    const std::int64_t blocks = (loopFrames + blockSize - 1) / blockSize;
    events_.resize(static_cast<std::size_t>(blocks));
    for (const Hit& hit : loop) {
        const auto frame = static_cast<std::int64_t>(std::llround(hit.beat * framesPerBeat));
        PlugMidiEvent event{};
        event.type = kPlugEventTypeMidi;
        event.byteSize = sizeof(PlugMidiEvent);
        event.deltaFrames = static_cast<std::int32_t>(frame % blockSize);
        event.midiData[0] = 0x99;
        event.midiData[1] = hit.note;
        event.midiData[2] = 110;
        events_[static_cast<std::size_t>(frame / blockSize)].push_back(event);
    }
    for (auto& blockEvents : events_) {
        std::vector<unsigned char> list(sizeof(PlugEvents) + sizeof(PlugEvent*) * (blockEvents.size() + 2));
        auto* header = reinterpret_cast<PlugEvents*>(list.data());
        header->numEvents = static_cast<std::int32_t>(blockEvents.size());
        PlugEvent** pointers = header->events;
        for (std::size_t i = 0; i < blockEvents.size(); ++i)
            pointers[i] = reinterpret_cast<PlugEvent*>(&blockEvents[i]);
        lists_.push_back(std::move(list));
    }
}
