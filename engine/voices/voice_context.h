#pragma once

#include "engine/distortion/voice_distortion.h"
#include "engine/filters/voice_filter.h"
#include "engine/modulation/mod_destinations.h"
#include "engine/tables/noise_table.h"
#include "engine/tables/wave_tables.h"
#include "engine/voices/easy_controls.h"
#include "engine/voices/oscillator_reads.h"
#include "engine/voices/output_buses.h"
#include "engine/voices/slot_note_state.h"
#include "engine/voices/voice_curves.h"
#include "engine/voices/voice_output.h"

#include <cstdint>

namespace voices {

// Everything a drum voice reads and calls at its note-on and while it plays:
// its slot's parameters, modulation cells, easy controls and note, the
// engine's shared tables and random source, its two model filters and the bus
// it adds into. The engine builds one for each call, so a voice never sees the
// rest of the engine; all of it inlines.
struct VoiceContext {
    const float* params;
    int slot;
    int instance; // the slot's position among the voices of its kind
    float sampleRate;
    const modulation::ModDestinationTable& mod;
    const EasyControls& easy;
    const SlotNoteState& note;
    VoiceOutputOffsets outputOffsets;
    const tables::WaveTables& waves;
    const float* sineTable;
    const float* cosineTable;
    const tables::NoiseTable& noise;
    std::uint32_t& noisePosition;
    std::uint32_t& randomSeed;
    dsp::VoiceFilter* modelFilters; // the voice's two, of its slot
    OutputBuses& buses;

    // The voice's modulation cell j (its "first" and its multiplying value).
    float modValue(int j) const { return mod.value[modulation::voiceDestination(slot, j)]; }
    float modRatio(int j) const { return mod.ratio[modulation::voiceDestination(slot, j)]; }

    float randomBipolar() { return voices::randomBipolar(randomSeed); }
    float readNoise() { return voices::readNoise(noise, noisePosition); }
    void readNoiseStereo(float& left, float& right) { voices::readNoiseStereo(noise, noisePosition, left, right); }
    float readWave(std::uint32_t& phase, std::uint32_t increment, int table, float amplitude) const
    {
        return readWaveOsc(phase, increment, waves.bank1(table), amplitude);
    }
    float readSine(std::uint32_t& phase, std::uint32_t increment, float amplitude) const
    {
        return readWaveOsc(phase, increment, waves.sineOscillator(), amplitude);
    }

    // Gains and distortion amounts of the voice, which also prepares its distortion stage.
    VoiceOutputLevels prepareOutput(float velocityFactor, dsp::VoiceDistortion& distortion) const
    {
        const VoiceOutputLevels levels = voiceOutputLevels(params, slot, mod, outputOffsets, velocityFactor);
        distortion.prepare(levels.distortion1, levels.distortion2);
        return levels;
    }

    // A bus above 7 is silent; the voice keeps running.
    void route(float left, float right) { buses.add(note.output, left, right); }
};

} // namespace voices
