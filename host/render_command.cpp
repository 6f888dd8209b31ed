#include "host/commands.h"
#include "host/midi_file.h"
#include "host/plugin_host.h"
#include "host/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace host {

namespace {

constexpr double kDefaultTempoBpm = 120.0;
constexpr double kTailSeconds = 2.0;
constexpr double kProgressAboveSeconds = 5.0;
constexpr std::uint8_t kNoteOnChannel10 = 0x99;
constexpr std::uint8_t kNoteOffChannel10 = 0x89;

std::int64_t frameAt(double seconds, double rate)
{
    return static_cast<std::int64_t>(std::llround(seconds * rate));
}

double tempoAt(const std::vector<TempoChange>& changes, double seconds)
{
    double tempo = changes.empty() ? kDefaultTempoBpm : changes.front().bpm;
    for (const TempoChange& change : changes) {
        if (change.seconds > seconds)
            break;
        tempo = change.bpm;
    }
    return tempo;
}

} // namespace

int runRender(const RenderOptions& options)
{
    const double rate = options.sampleRate;
    std::vector<ScheduledMidi> schedule;
    double lastEventSeconds = 0.0;
    for (const NoteRequest& note : options.notes) {
        const auto n = static_cast<std::uint8_t>(note.note);
        schedule.push_back({frameAt(note.seconds, rate), {kNoteOnChannel10, n, static_cast<std::uint8_t>(note.velocity)}});
        schedule.push_back({frameAt(note.seconds + note.lengthSeconds, rate), {kNoteOffChannel10, n, 0}});
        lastEventSeconds = std::max(lastEventSeconds, note.seconds + note.lengthSeconds);
    }
    std::vector<TempoChange> tempoMap;
    if (!options.midiPath.empty()) {
        MidiFileContent midi;
        try {
            midi = readMidiFile(options.midiPath, options.tempo.value_or(0.0));
        } catch (const MidiFileError& error) {
            std::fprintf(stderr, "kravo-host: %s: %s\n", options.midiPath.c_str(), error.what());
            return 2;
        }
        for (const TimedMidiMessage& message : midi.messages) {
            schedule.push_back({frameAt(message.seconds, rate), {message.bytes[0], message.bytes[1], message.bytes[2]}});
            lastEventSeconds = std::max(lastEventSeconds, message.seconds);
        }
        tempoMap = midi.tempoChanges;
    }
    if (options.tempo)
        tempoMap = {{0.0, *options.tempo}};
    std::stable_sort(schedule.begin(), schedule.end(),
                     [](const ScheduledMidi& a, const ScheduledMidi& b) { return a.frame < b.frame; });

    const double totalSeconds = options.seconds.value_or(lastEventSeconds + kTailSeconds);
    const std::int64_t totalFrames = std::max<std::int64_t>(1, frameAt(totalSeconds, rate));

    PluginHost pluginHost(rate, options.blockSize);
    pluginHost.dispatch(plugSetProgram, 0, options.program);
    for (const ParameterSetting& setting : options.settings)
        pluginHost.setParameter(setting.index, setting.value);
    pluginHost.setTransport(options.play, tempoAt(tempoMap, 0.0));

    const bool showProgress = !options.quiet && totalSeconds > kProgressAboveSeconds;
    std::vector<float> interleaved(static_cast<std::size_t>(totalFrames) * 2);
    std::vector<float> left(static_cast<std::size_t>(options.blockSize));
    std::vector<float> right(static_cast<std::size_t>(options.blockSize));
    std::size_t nextEvent = 0;
    std::int64_t nextProgressFrame = 0;
    for (std::int64_t done = 0; done < totalFrames;) {
        const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(options.blockSize, totalFrames - done));
        pluginHost.setTempo(tempoAt(tempoMap, static_cast<double>(done) / rate));
        pluginHost.render(schedule, nextEvent, left.data(), right.data(), n);
        for (std::int32_t i = 0; i < n; ++i) {
            interleaved[static_cast<std::size_t>(done + i) * 2] = left[static_cast<std::size_t>(i)];
            interleaved[static_cast<std::size_t>(done + i) * 2 + 1] = right[static_cast<std::size_t>(i)];
        }
        done += n;
        if (showProgress && done >= nextProgressFrame) {
            std::fprintf(stderr, "\rkravo-host: rendered %.1f of %.1f s", static_cast<double>(done) / rate, totalSeconds);
            nextProgressFrame = done + static_cast<std::int64_t>(rate);
        }
    }
    if (showProgress)
        std::fprintf(stderr, "\rkravo-host: rendered %.1f s\n", totalSeconds);

    try {
        writeStereoWav(options.outPath, interleaved, static_cast<int>(rate), options.format);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kravo-host: %s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace host
