#pragma once

#include "engine/dsp/lfo.h"

#include <cstdint>

namespace voices {

// The filter LFO the voices of one slot share. It steps once a sample on the
// engine's LFO clock. While it runs (its slot sounds) a step that starts a
// cycle draws from the shared random source, so that step is taken at its own
// sample, in the engine's order; the steps between only move the phase and
// are taken in one run when someone reads the LFO or changes its rate. While
// it rests the steps move the phase alone, and any number go in one run.
// A group of shared LFOs keeps one due tick, never later than any member's,
// so that the engine looks at the group only when one of them may be due.
class SharedLfo {
public:
    void bindClock(const std::uint32_t* clock, std::uint32_t* groupDue)
    {
        clock_ = clock;
        groupDue_ = groupDue;
    }
    void init(float sampleRate)
    {
        lfo_.init(sampleRate);
        steppedTick_ = *clock_;
        running_ = false;
    }

    // At the first sample of a run, before its step: the resting steps so far.
    void start()
    {
        takeSteps(*clock_ - 1);
        running_ = true;
        schedule();
    }
    // At the first sample of a rest: the running steps up to the sample before.
    void stop()
    {
        takeSteps(*clock_ - 1);
        running_ = false;
    }
    void catchUp() { takeSteps(*clock_); }

    // A new rate acts from this sample's step on.
    void setRate(const dsp::LfoRate& rate)
    {
        if (!lfo_.keepsRate(rate))
            changeRate(rate);
    }
    // Takes this sample's step if it may start a cycle, and brings the group's due tick down to this one's.
    void visit()
    {
        if (static_cast<std::int32_t>(*clock_ - dueTick_) < 0) {
            lowerGroupDue();
            return;
        }
        takeSteps(*clock_ - 1);
        lfo_.output();
        steppedTick_ = *clock_;
        schedule();
    }

    // The LFO with every step up to this sample taken, for reading or for a
    // voice that steps it itself; such a voice reschedules it afterwards.
    dsp::Lfo& current()
    {
        takeSteps(*clock_);
        return lfo_;
    }
    void reschedule() { schedule(); }
    // What current() would give, leaving this one as it is.
    dsp::Lfo peek() const
    {
        SharedLfo copy = *this;
        return copy.current();
    }

private:
    // Out of line: a rate seldom changes, and the engine asks for some rates every sample.
    [[gnu::noinline]] void changeRate(const dsp::LfoRate& rate)
    {
        takeSteps(*clock_ - 1);
        lfo_.setRate(rate);
        schedule();
    }
    // Far enough ahead to keep the visits rare, near enough to keep a run's cost small.
    static constexpr std::uint32_t kLongestRun = 1u << 16;

    void takeSteps(std::uint32_t throughTick)
    {
        const std::uint32_t owed = throughTick - steppedTick_;
        if (static_cast<std::int32_t>(owed) <= 0)
            return;
        if (running_)
            lfo_.outputRun(owed);
        else
            lfo_.advance(owed);
        steppedTick_ = throughTick;
    }
    void schedule()
    {
        dueTick_ = steppedTick_ + lfo_.stepsBeforeCycleStart(kLongestRun) + 1;
        lowerGroupDue();
    }
    void lowerGroupDue()
    {
        if (static_cast<std::int32_t>(dueTick_ - *groupDue_) < 0)
            *groupDue_ = dueTick_;
    }

    dsp::Lfo lfo_;
    const std::uint32_t* clock_ = nullptr;
    std::uint32_t* groupDue_ = nullptr;
    std::uint32_t steppedTick_ = 0; // the last tick whose step is taken
    std::uint32_t dueTick_ = 0;     // the first tick whose step may start a cycle
    bool running_ = false;
};

} // namespace voices
