#pragma once

#include "engine/modulation/mod_destinations.h"
#include "engine/modulation/mod_sources.h"

#include <cstdint>

namespace modulation {

// One routing from a source to a destination cell with a signed depth that a
// second source can move.
struct ModMatrixRow {
    std::uint32_t source = 0;
    std::uint32_t destination = 0;
    float depth = 0.0f;       // 0..1
    float depthCopy = 0.0f;
    float signedDepth = 0.0f; // -1..1
    std::uint32_t modSource = 0;
    float modDepth = 0.0f;    // already scaled by the global value of modSource
};

// The 20 rows: envelope 1 and 2, LFO 1 and 2, Mod 1..8 and the eight master
// effect routings (Fx 1A..4A, 1B..4B), decoded from the current parameters.
class ModulationMatrix {
public:
    static constexpr int kRowCount = 20;
    static constexpr int kVoiceRowCount = 12; // the effect rows never act per slot

    // Also decides which envelopes and LFOs run: only those some row uses.
    void decode(const float* params, const ModSourceSet& global, const ModDestinationTable& globalTable);

    // Rebuilds the rows' cells from their bases, then applies the rows. With no
    // global row, one pass after a decode leaves the cells at their bases and
    // the passes after it would change nothing: they are skipped.
    void applyGlobal(ModDestinationTable& table, const ModSourceSet& sources);
    void applySlot(ModDestinationTable& table, const ModSourceSet& sources) const;

    const ModMatrixRow& row(int r) const { return rows_[r]; }
    bool envRunning(int e) const { return envRunning_[e]; }
    // Whether a row of the global pass reaches the cell.
    bool reachesGlobalCell(int cell) const;
    bool lfoRunning(int l) const { return lfoRunning_[l]; }

private:
    void markRunning(std::uint32_t source);
    // What the per-sample passes walk, worked out once per decode: the
    // distinct cells the rows reach and the rows each pass applies, in order.
    void listActiveRows();
    void resetRowCells(ModDestinationTable& table) const;

    ModMatrixRow rows_[kRowCount];
    bool envRunning_[2] = {};
    bool lfoRunning_[2] = {};
    std::uint32_t rowCells_[kRowCount] = {};
    int rowCellCount_ = 1; // the undecoded rows all reach cell 0
    std::uint8_t globalRows_[kRowCount] = {};
    int globalRowCount_ = 0;
    bool globalCellsSettled_ = false;
    std::uint8_t slotRows_[kVoiceRowCount] = {};
    int slotRowCount_ = 0;
};

// The "Easy LFO Amount" knob as an offset: signed square of its distance from the centre.
inline float easyLfoAmount(float value)
{
    const float y = 2.0f * value - 1.0f;
    return y * (y < 0.0f ? -y : y);
}

} // namespace modulation
