#pragma once

#include "engine/dsp/ahd_envelope.h"
#include "engine/dsp/lfo.h"
#include "engine/modulation/mod_destinations.h"
#include "engine/modulation/mod_matrix.h"
#include "engine/modulation/mod_sources.h"

#include <cstdint>

namespace modulation {

// The whole modulation system: 25 source sets and destination tables (the
// global one and one per drum slot), the matrix, and the two envelopes and
// two LFOs of each set. The global set advances every sample, a slot's every
// 16 of its own samples; between the 256-sample full rebuilds only the cells
// that rows point at are rebuilt.
class Modulation {
public:
    static constexpr int kSlotCount = 24;

    void init(float sampleRate);

    // Controller and note sources reach the global set and every slot set at once.
    void setSource(std::int32_t source, float value) { setSourceBipolar(source, value, value); }
    void setSourceBipolar(std::int32_t source, float value, float bipolarValue);

    void decodeMatrix(const float* params) { matrix_.decode(params, globalSources_, globalTable_); }
    void updateGlobal(const float* params, float tempo, std::uint32_t sampleCounter);
    void updateSlot(int slot, const float* params, float tempo, std::uint32_t sampleCounter);
    // While nothing sounds the global pass can shrink to the LFOs' phase steps (with their draws at each
    // cycle start), when no envelope runs and no LFO's rate can move between two control ticks: nothing
    // but the pass itself reads their values, so they are written once, when the quiet run ends.
    bool globalStepsQuietly(const float* params, float tempo) const;
    void stepGlobalLfosQuietly(int steps);
    void endQuietGlobalSteps();

    // A note of a slot restarts its envelopes (and carries the global ones on
    // from their level) and restarts the LFOs its LFO modes ask for.
    void startSlotModulators(int slot, const float* params);
    void resetSlotDestinations(int slot) { slotTables_[slot].resetToBase(); }
    void resetGlobalDestinations() { globalTable_.resetToBase(); }
    // Modulators back to rest and LFOs to phase 0 (all voices reset).
    void resetSlotModulators(int slot) { resetSet(slotModulators_[slot]); }
    void resetGlobalModulators() { resetSet(globalModulators_); }
    void killGlobalEnvelopes();

    const ModDestinationTable& slotTable(int slot) const { return slotTables_[slot]; }
    const ModDestinationTable& globalTable() const { return globalTable_; }
    const ModSourceSet& slotSources(int slot) const { return slotSources_[slot]; }
    const ModSourceSet& globalSources() const { return globalSources_; }
    const ModulationMatrix& matrix() const { return matrix_; }

private:
    struct Modulators {
        dsp::AhdEnvelope envelopes[2];
        dsp::Lfo lfos[2];
    };

    static void resetSet(Modulators& set);
    void setEnvelopeStages(dsp::AhdEnvelope& envelope, int e, const float* params) const;
    void updateEnvelope(Modulators& set, ModSourceSet& sources, int e, const float* params);
    void updateLfo(Modulators& set, int l, const float* params, float tempo);
    float lfoRateFactor(int l, const float* params) const;
    static void writeLfoSource(ModSourceSet& sources, int l, const dsp::Lfo& lfo);

    ModSourceSet globalSources_;
    ModSourceSet slotSources_[kSlotCount];
    ModDestinationTable globalTable_;
    ModDestinationTable slotTables_[kSlotCount];
    Modulators globalModulators_;
    Modulators slotModulators_[kSlotCount];
    ModulationMatrix matrix_;
};

} // namespace modulation
