#include "engine/voices/synth_voice.h"

#include "plugin/parameters/parameter_reading.h"

namespace voices {

namespace param = kravo::param;

void SynthVoice::open(const VoiceContext& c, float noteVelocity, const SynthVoiceParameters& kind)
{
    const float s = c.params[kind.velocityToVolume];
    velocity = noteVelocity;
    playing = true;
    velocityFactor = (1.0f - s) + s * noteVelocity;
    model = param::readChoiceClamped(c.params[kind.model], param::choicescale::kDrumModel, kind.modelCount);
    if (kind.attack != kNoAttack)
        attack.start(fadeInRate(c.params[kind.attack], c.sampleRate));
    distortion.start(static_cast<std::uint32_t>(
        param::readChoice(c.params[kind.distortionType], param::choicescale::kDistortionType)));
}

} // namespace voices
