#pragma once

#include "engine/distortion/voice_distortion.h"
#include "engine/dsp/lfo.h"
#include "engine/filters/voice_filter.h"
#include "engine/modulation/mod_destinations.h"
#include "engine/tables/noise_table.h"
#include "engine/tables/wave_tables.h"
#include "engine/voices/easy_controls.h"
#include "engine/voices/oscillator_reads.h"
#include "engine/voices/output_buses.h"
#include "engine/voices/shared_lfo.h"
#include "engine/voices/slot_note_state.h"
#include "engine/voices/voice_curves.h"
#include "engine/voices/voice_output.h"

#include <cstdint>

namespace voices {

// Everything a drum voice reads and calls at its note-on and while it plays:
// its slot's parameters, modulation cells, easy controls and note, the
// engine's shared tables and random source, its two model filters and the bus
// it adds into. Every address is fixed for the engine's life, so the engine
// binds one context per voice once and a voice never sees the rest of it.
struct VoiceContext {
    const float* params = nullptr;
    int slot = 0;
    int instance = 0; // the slot's position among the voices of its kind
    float sampleRate = 44100.0f;
    const modulation::ModDestinationTable* mod = nullptr;
    const EasyControls* easy = nullptr;
    const SlotNoteState* note = nullptr;
    const float* globalVolumeOffset = nullptr; // "Main Volume" and "Main Pan" modulation
    const float* globalPanOffset = nullptr;
    const float* tempo = nullptr; // the host's, in beats per minute
    const tables::WaveTables* waves = nullptr;
    const float* sineTable = nullptr;
    const float* cosineTable = nullptr;
    const tables::NoiseTable* noise = nullptr;
    std::uint32_t* noisePosition = nullptr;
    std::uint32_t* randomSeed = nullptr;
    dsp::VoiceFilter* modelFilters = nullptr; // the voice's two, of its slot
    SharedLfo* userLfo = nullptr; // the filter LFO a user slot's voices share (user slots only)
    OutputBuses* buses = nullptr;

    // The voice's modulation cell j (its "first" and its multiplying value).
    float modValue(int j) const { return mod->value[modulation::voiceDestination(slot, j)]; }
    float modRatio(int j) const { return mod->ratio[modulation::voiceDestination(slot, j)]; }

    float randomBipolar() const { return voices::randomBipolar(*randomSeed); }
    float readNoise() const { return voices::readNoise(*noise, *noisePosition); }
    void readNoiseStereo(float& left, float& right) const
    {
        voices::readNoiseStereo(*noise, *noisePosition, left, right);
    }
    float readWave(std::uint32_t& phase, std::uint32_t increment, int table, float amplitude) const
    {
        return readWaveOsc(phase, increment, waves->bank1(table), amplitude);
    }
    float readWaveOffset(std::uint32_t& phase, std::uint32_t increment, std::uint32_t offset, int table,
                         float amplitude) const
    {
        return readWaveOscOffset(phase, increment, offset, waves->bank1(table), amplitude);
    }
    float readWaveBank2(std::uint32_t& phase, std::uint32_t increment, int table, float amplitude) const
    {
        return readWaveOsc(phase, increment, waves->bank2(table), amplitude);
    }
    float readSine(std::uint32_t& phase, std::uint32_t increment, float amplitude) const
    {
        return readWaveOsc(phase, increment, waves->sineOscillator(), amplitude);
    }
    float readSineOffset(std::uint32_t& phase, std::uint32_t increment, std::uint32_t offset, float amplitude) const
    {
        return readWaveOscOffset(phase, increment, offset, waves->sineOscillator(), amplitude);
    }

    // Gains and distortion amounts of the voice, which also prepares its distortion stage.
    VoiceOutputLevels prepareOutput(float velocityFactor, dsp::VoiceDistortion& distortion,
                                    DbGainMemo& volumeGain) const
    {
        const VoiceOutputOffsets offsets{*globalVolumeOffset, *globalPanOffset, note->notePan};
        const VoiceOutputLevels levels = voiceOutputLevels(params, slot, *mod, offsets, velocityFactor, volumeGain);
        distortion.prepare(levels.distortion1, levels.distortion2);
        return levels;
    }

    // A bus above 7 is silent; the voice keeps running.
    void route(float left, float right) const { buses->add(note->output, left, right); }
};

} // namespace voices
