#pragma once

#include <cstdint>

namespace tempo {

// The part of the host's time information the engine reads, once per block.
struct HostTimeInfo {
    static constexpr std::uint32_t kTransportPlaying = 0x2;
    static constexpr std::uint32_t kTempoValid = 0x400;

    std::uint32_t flags = 0;
    double tempo = 120.0; // beats per minute, read only with kTempoValid
    double ppqPos = 0.0;  // position in quarter notes
};

// What the owner must do after a sync step.
struct SyncEvents {
    bool transportStarted = false; // clear the gate effect's host lock
    bool transportStopped = false; // turn all voices off; clear the gate effect's host lock
    bool latchChanged = false;     // stop every pattern player and leave it waiting
};

// Follows the host's tempo, position and play state sample by sample and
// turns them into what the tempo-synchronised parts of the engine read.
class TempoSync {
public:
    static constexpr float kMinTempo = 5.0f;
    static constexpr float kMaxTempo = 600.0f;

    void init(float sampleRate);
    void setSampleRate(float sampleRate);
    // The next sync with a playing host then reports a fresh start.
    void forgetTransport() { transportPlaying_ = false; }
    // The next sync then takes "Latching" afresh, and its being on counts as a change.
    void forgetLatch() { latchPatterns_ = false; }

    // timeInfo may be null: the transport then counts as stopped at position 0
    // and the last tempo stays. latching is the pattern pads' "Latching" switch.
    SyncEvents syncToHost(const HostTimeInfo* timeInfo, bool latching);

    // For a pattern player that waits for the host grid, after syncToHost:
    // whether it may start now. syncOn is the "Sync" switch; lastHostStep is
    // the player's own record of the host step it last saw.
    bool releasesWaitingPlayer(std::uint32_t& lastHostStep, bool syncOn) const;

    float tempo() const { return tempo_; }
    float samplesPerBar() const { return samplesPerBar_; }
    bool transportPlaying() const { return transportPlaying_; }
    bool latchPatterns() const { return latchPatterns_; }
    // The host position in sixteenth notes: whole steps and the exact position (never below 0).
    std::uint32_t hostStep() const { return hostStep_; }
    float hostPosition() const { return hostPosition_; }
    // Whether the host stands on (just past) a whole sixteenth.
    bool onSixteenth() const;

private:
    void setTempo(double hostTempo);

    float sampleRate_ = 44100.0f;
    float tempo_ = 120.0f;
    float samplesPerBar_ = 44100.0f * 240.0f / 120.0f;
    std::uint32_t hostStep_ = 0;
    float hostPosition_ = 0.0f;
    bool transportPlaying_ = false;
    bool latchPatterns_ = false;
};

} // namespace tempo
