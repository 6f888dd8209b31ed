#include "host/commands.h"
#include "host/chunk_id_text.h"
#include "host/file_replacement.h"
#include "host/midi_file.h"
#include "host/state_file.h"
#include "host/hosted_plugin.h"
#include "host/progress_report.h"
#include "host/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>

namespace host {

namespace {

constexpr double kDefaultTempoBpm = 120.0;
constexpr double kTailSeconds = 2.0;
constexpr double kProgressAboveSeconds = 5.0;
constexpr std::uint8_t kNoteOnChannel10 = 0x99;
constexpr std::uint8_t kNoteOffChannel10 = 0x89;

// Set by SIGINT or SIGTERM; the render loop stops at the next block.
volatile std::sig_atomic_t stopSignal = 0;

void requestStop(int signal)
{
    stopSignal = signal;
}

// An interrupted render must get to remove its temporary file before the
// process ends, so the signals only ask it to stop while it renders.
class StopOnSignals {
public:
    StopOnSignals() : previousInt_(catchSignal(SIGINT)), previousTerm_(catchSignal(SIGTERM)) {}
    ~StopOnSignals()
    {
        restore(SIGINT, previousInt_);
        restore(SIGTERM, previousTerm_);
    }
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

private:
    using Handler = void (*)(int);

    static Handler catchSignal(int signal)
    {
        const Handler previous = std::signal(signal, requestStop);
        if (previous == SIG_IGN) // whoever started us wants it ignored
            std::signal(signal, SIG_IGN);
        return previous;
    }

    static void restore(int signal, Handler previous)
    {
        if (previous != SIG_ERR)
            std::signal(signal, previous);
    }

    Handler previousInt_;
    Handler previousTerm_;
};

// Times past any allowed render length are clamped: their events fall after the
// end and never play, and the frame number stays far inside its range.
std::int64_t frameAt(double seconds, double rate)
{
    return static_cast<std::int64_t>(std::llround(std::min(seconds, 2.0 * kMaxRenderSeconds) * rate));
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

struct Timeline {
    std::vector<ScheduledMidi> schedule; // sorted by frame
    std::vector<TempoChange> tempoMap;
    double seconds;
    std::int64_t frames;
};

// Answers the signal that stopped the render, or 0 when the file was written.
int renderInto(const RenderOptions& options, const Timeline& timeline, const std::vector<StateChunkRecord>& state)
{
    const double rate = options.sampleRate;
    StopOnSignals stopOnSignals;
    WavStream out(options.outPath, static_cast<int>(rate), options.format, timeline.frames);
    std::optional<FileReplacement> stateOut;
    if (!options.saveStatePath.empty())
        stateOut.emplace(options.saveStatePath, "state file");

    HostedPlugin pluginHost(options.pluginPath, rate, options.blockSize);
    if (!state.empty())
        for (const std::uint32_t id : pluginHost.loadState(state))
            std::fprintf(stderr, "kravo-host: state file %s: chunk '%s' is not one this instance declares; left out\n",
                         options.loadStatePath.c_str(), chunkIdText(id).c_str());
    selectProgram(pluginHost, options.program);
    for (const ParameterSetting& setting : options.settings)
        pluginHost.setParameter(setting.index, setting.value);
    pluginHost.setTransport(options.play, tempoAt(timeline.tempoMap, 0.0));

    ProgressReport progress(!options.quiet && timeline.seconds > kProgressAboveSeconds, timeline.seconds,
                            [&](double done) {
                                char text[64];
                                std::snprintf(text, sizeof text, "rendered %.1f of %.1f s", done, timeline.seconds);
                                return std::string(text);
                            });
    const auto blockSize = static_cast<std::size_t>(options.blockSize);
    std::vector<float> left(blockSize);
    std::vector<float> right(blockSize);
    std::vector<float> interleaved(blockSize * 2);
    std::size_t nextEvent = 0;
    for (std::int64_t done = 0; done < timeline.frames && stopSignal == 0;) {
        const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(options.blockSize, timeline.frames - done));
        pluginHost.setTempo(tempoAt(timeline.tempoMap, static_cast<double>(done) / rate));
        pluginHost.render(timeline.schedule, nextEvent, left.data(), right.data(), n);
        for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
            interleaved[i * 2] = left[i];
            interleaved[i * 2 + 1] = right[i];
        }
        out.write(interleaved.data(), n);
        done += n;
        progress.update(static_cast<double>(done) / rate);
    }
    progress.finish();
    if (stopSignal != 0)
        return stopSignal;
    // After the render: keeping the state walks the programs, which a render must not hear.
    if (stateOut)
        stateOut->write(encodeStateFile(pluginHost.saveState()));
    out.commit();
    if (stateOut)
        stateOut->commit();
    if (out.clippedSamples() > 0)
        std::fprintf(stderr,
                     "kravo-host: %lld samples clipped, peak %+.1f dBFS; lower Main Volume (parameter 2) to avoid it\n",
                     static_cast<long long>(out.clippedSamples()), 20.0 * std::log10(out.peak()));
    return 0;
}

} // namespace

int runRender(const RenderOptions& options)
{
    const double rate = options.sampleRate;
    Timeline timeline;
    double lastEventSeconds = 0.0;
    for (const NoteRequest& note : options.notes) {
        const auto n = static_cast<std::uint8_t>(note.note);
        const double end = note.seconds + note.lengthSeconds;
        timeline.schedule.push_back(
            {frameAt(note.seconds, rate), {kNoteOnChannel10, n, static_cast<std::uint8_t>(note.velocity)}});
        timeline.schedule.push_back({frameAt(end, rate), {kNoteOffChannel10, n, 0}});
        lastEventSeconds = std::max(lastEventSeconds, end);
    }
    if (!options.midiPath.empty()) {
        MidiFileContent midi;
        try {
            midi = readMidiFile(options.midiPath, options.tempo.value_or(0.0));
        } catch (const MidiFileError& error) {
            std::fprintf(stderr, "kravo-host: %s\n", error.what());
            return 2;
        }
        for (const TimedMidiMessage& message : midi.messages) {
            if (!std::isfinite(message.seconds)) {
                std::fprintf(stderr, "kravo-host: %s: an event time is not a finite number\n", options.midiPath.c_str());
                return 2;
            }
            timeline.schedule.push_back(
                {frameAt(message.seconds, rate), {message.bytes[0], message.bytes[1], message.bytes[2]}});
            lastEventSeconds = std::max(lastEventSeconds, message.seconds);
        }
        timeline.tempoMap = midi.tempoChanges;
        // The file's own silence after its last note is part of the piece.
        lastEventSeconds = std::max(lastEventSeconds, midi.lastEventSeconds);
        for (const std::string& warning : midi.warnings)
            std::fprintf(stderr, "kravo-host: warning: %s: %s\n", options.midiPath.c_str(), warning.c_str());
    }
    if (options.tempo)
        timeline.tempoMap = {{0.0, *options.tempo}};
    std::stable_sort(timeline.schedule.begin(), timeline.schedule.end(),
                     [](const ScheduledMidi& a, const ScheduledMidi& b) { return a.frame < b.frame; });

    timeline.seconds = options.seconds.value_or(lastEventSeconds + kTailSeconds);
    if (!(timeline.seconds <= kMaxRenderSeconds)) { // also refuses an end that is not finite
        char length[64];
        std::snprintf(length, sizeof length, "%.10g s", timeline.seconds);
        throw UsageError(std::string("the render would last ") +
                         (std::isfinite(timeline.seconds) ? length : "forever") +
                         ", over the limit of 24 hours (86400 s); shorten it with --seconds");
    }
    timeline.frames = std::max<std::int64_t>(1, frameAt(timeline.seconds, rate));
    // A note asked for by name and never heard is a mistake in the command, not a silent render.
    for (const NoteRequest& note : options.notes) {
        if (frameAt(note.seconds, rate) >= timeline.frames) {
            char text[160];
            std::snprintf(text, sizeof text, "the note at %g s starts at or after the render's end at %g s; "
                                             "lengthen it with --seconds", note.seconds, timeline.seconds);
            throw UsageError(text);
        }
    }

    std::vector<StateChunkRecord> state;
    if (!options.loadStatePath.empty()) {
        try {
            state = readStateFile(options.loadStatePath);
        } catch (const StateFileError& error) {
            std::fprintf(stderr, "kravo-host: the state file %s cannot be loaded: %s\n", options.loadStatePath.c_str(),
                         error.what());
            return 2;
        }
    }
    const int stoppedBy = renderInto(options, timeline, state);
    if (stoppedBy == 0)
        return 0;
    std::fprintf(stderr, "kravo-host: stopped; %s was not written\n", options.outPath.c_str());
    std::raise(stoppedBy); // ends the process the way the signal would have
    return 1;
}

} // namespace host
