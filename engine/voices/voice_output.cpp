#include "engine/voices/voice_output.h"

#include "engine/dsp/envelope_generator.h"
#include "engine/modulation/mod_destinations.h"
#include "engine/voices/voice_curves.h"
#include "plugin/parameters/drum_kind_parameters.h"

namespace voices {

namespace {

namespace param = kravo::param;
namespace voicedest = modulation::voicedest;

constexpr float kVolumeRangeDb = 60.0f;

} // namespace

VoiceOutputLevels voiceOutputLevels(const float* p, int slot, const modulation::ModDestinationTable& table,
                                    const VoiceOutputOffsets& offsets, float velocityFactor, DbGainMemo& volumeGain)
{
    auto cell = [&](int j) { return table.value[modulation::voiceDestination(slot, j)]; };
    const float volume = dsp::clamp01(cell(voicedest::kVolume) + p[param::voiceVolume[slot]] + offsets.globalVolume);
    const float pan = dsp::clamp01(p[param::voicePan[slot]] + offsets.notePan + offsets.globalPan + cell(voicedest::kPan));

    VoiceOutputLevels levels;
    levels.gain = volumeGain(volume, kVolumeRangeDb, kVolumeRangeDb) * velocityFactor;
    const StereoGains balance = balanceGains(pan);
    levels.left = balance.left * levels.gain;
    levels.right = balance.right * levels.gain;
    levels.distortion1 = dsp::clamp01(cell(voicedest::kDistort1) + p[param::voiceDistortionFirst[slot]]);
    levels.distortion2 = dsp::clamp01(cell(voicedest::kDistort2) + p[param::voiceDistortionSecond[slot]]);
    return levels;
}

} // namespace voices
