#include "host/commands.h"
#include "host/hosted_plugin.h"
#include "host/progress_report.h"
#include "host/wav_writer.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/synth_layer_parameters.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

namespace {

namespace param = kravo::param;
namespace layer = kravo::param::synthlayer;

constexpr int kEntries = 265;
constexpr double kLongestSeconds = 7.0; // past the longest built-in sample
constexpr double kGapSeconds = 0.25;
constexpr std::int32_t kSilentFramesToEnd = 4096;
constexpr std::int32_t kProgramChangeFrames = 8192;
constexpr std::uint8_t kNoteOnChannel10 = 0x99;
constexpr std::uint8_t kVelocity = 100;

// The slot that plays a run of entries, its model parameter, and the model of the run's first entry.
struct SampleRun {
    int firstEntry;
    int slot;
    int modelParameter;
    int firstModel;
};

// In entry order; in the default note mapping note n plays pad n, and a slot is its pad.
constexpr SampleRun kRuns[] = {
    {0, 0, 144, 4},    // BD 1
    {24, 2, 264, 2},   // SN 1
    {89, 4, 364, 3},   // CL-HH 1
    {111, 10, 653, 2}, // Tom / User 1 in Tom mode
    {122, 8, 602, 3},  // Clap 1
    {137, 13, 889, 12} // User 4
};

const SampleRun& runOf(int entry)
{
    const SampleRun* run = &kRuns[0];
    for (const SampleRun& r : kRuns)
        if (r.firstEntry <= entry)
            run = &r;
    return *run;
}

float modelValue(int model) { return (static_cast<float>(model) + 0.5f) / 199.99f; }

// Every layer setting neutral, the whole sample held, and no master effect to ring on.
void prepareSlots(HostedPlugin& plugin)
{
    for (const SampleRun& run : kRuns)
        for (const auto& [j, value] :
             {std::pair{layer::kSemi, 0.5f}, {layer::kFine, 0.5f}, {layer::kAmpAttack, 0.0f}, {layer::kAmpHold, 1.0f},
              {layer::kRndToFreq, 0.0f}, {layer::kVelToFreq, 0.5f}, {layer::kFilterType, 0.0f},
              {layer::kSampleOffset, 0.0f}, {layer::kSampleRetriggers, 0.0f}, {layer::kSampleReverse, 0.0f},
              {layer::kStereoStart, 0.5f}, {layer::kStereoEnd, 0.5f}})
            plugin.setParameter(param::synthLayer[static_cast<std::size_t>(j)][static_cast<std::size_t>(run.slot)],
                                value);
    plugin.setParameter(param::tomUserSwitch[0], 0.0f);
    for (const int type : param::effectType)
        plugin.setParameter(type, 0.0f);
}

// Renders the entry until it has been silent for a while; what is kept ends at its last sound.
void renderEntry(HostedPlugin& plugin, int entry, double rate, std::int32_t block, std::vector<float>& interleaved)
{
    const SampleRun& run = runOf(entry);
    plugin.setParameter(run.modelParameter, modelValue(run.firstModel + entry - run.firstEntry));
    // Stepping away and back reloads the program, and the slots' samples with it, at its next reload
    // mark, unheard.
    if (!plugin.stepPrograms(1) || !plugin.stepPrograms(-1))
        throw std::runtime_error("the plug-in does not take the program keys (its setting \"Key\" is \"N\")");
    std::vector<float> left(static_cast<std::size_t>(block));
    std::vector<float> right(static_cast<std::size_t>(block));
    std::size_t next = 0;
    const std::vector<ScheduledMidi> none;
    for (std::int32_t done = 0; done < kProgramChangeFrames; done += block)
        plugin.render(none, next, left.data(), right.data(), block);

    const std::vector<ScheduledMidi> note = {
        {plugin.framesRendered(), {kNoteOnChannel10, static_cast<std::uint8_t>(run.slot), kVelocity}}};
    next = 0;
    const auto limit = static_cast<std::int64_t>(kLongestSeconds * rate);
    std::int64_t lastSound = 0;
    std::vector<float> frames;
    for (std::int64_t done = 0; done < limit && done - lastSound < kSilentFramesToEnd; done += block) {
        plugin.render(note, next, left.data(), right.data(), block);
        for (std::size_t i = 0; i < left.size(); ++i) {
            frames.push_back(left[i]);
            frames.push_back(right[i]);
            if (left[i] != 0.0f || right[i] != 0.0f)
                lastSound = done + static_cast<std::int64_t>(i) + 1;
        }
    }
    interleaved.insert(interleaved.end(), frames.begin(), frames.begin() + 2 * lastSound);
    interleaved.insert(interleaved.end(), 2 * static_cast<std::size_t>(kGapSeconds * rate), 0.0f);
}

} // namespace

int runSamples(const RenderOptions& options)
{
    const double rate = options.sampleRate;
    // Created before the long render, so that an output that cannot be made is said at once. The
    // sheet's length is known only at its end; its bound picks the container.
    const auto longestEntry = static_cast<std::int64_t>((kLongestSeconds + kGapSeconds) * rate) + options.blockSize;
    WavStream out(options.outPath, static_cast<int>(rate), options.format, kEntries * longestEntry);
    HostedPlugin plugin(options.pluginPath, rate, options.blockSize);
    selectProgram(plugin, options.program);
    prepareSlots(plugin);
    ProgressReport progress(!options.quiet, kEntries, [](double done) {
        return "sample " + std::to_string(static_cast<int>(done)) + " of " + std::to_string(kEntries);
    });
    std::vector<float> interleaved;
    for (int entry = 0; entry < kEntries; ++entry) {
        renderEntry(plugin, entry, rate, options.blockSize, interleaved);
        progress.update(entry + 1);
    }
    progress.finish();
    const auto frames = static_cast<std::int64_t>(interleaved.size() / 2);
    out.write(interleaved.data(), frames);
    out.commit();
    return 0;
}

} // namespace host
