#pragma once

// An effect process made for tests: by default a master bypass and two gain controls 'sld1' and
// 'sld2', as the adaptor has them; meter levels and clips are what a test sets.

#include "hostframework/controls/linear_gain_control.h"
#include "hostframework/controls/on_off_control.h"
#include "hostframework/effect_process.h"
#include "tests/hostframework/support/test_processes.h"

#include <algorithm>
#include <vector>

namespace kravo::test {

class TestEffectProcess : public CEffectProcess {
public:
    struct Bare {};
    // No controls at all.
    explicit TestEffectProcess(Bare) {}
    TestEffectProcess()
    {
        AddControl(new CPluginControl_OnOff(fourCC("bypa"), "Master Bypass", 0, true, nullptr, nullptr));
        AddControl(gain(fourCC("sld1")));
        AddControl(gain(fourCC("sld2")));
        SetMasterBypassControl(1);
    }
    static CPluginControl* gain(std::uint32_t id)
    {
        return new CPluginControl_LinearGain(id, "Mono Gain\nGain", 0.0, 2.0, 0.001, 1.0, true, nullptr, nullptr);
    }

    void SetUpEffect() override
    {
        for (int i = 0; i < metersToAdd; ++i)
            AddMeter(new SMeter{"meter", EMeterType(i % 2), EMeterOrientation(10 + i), {}});
    }
    void ReadMeters(std::int32_t* values, std::uint8_t* clips) override
    {
        ++meterReads;
        std::copy(levels.begin(), levels.end(), values);
        std::copy(clipFlags.begin(), clipFlags.end(), clips);
    }
    bool HandleKeyInProcess(EventRecord*) override
    {
        ++keysOffered;
        return usesKeys;
    }
    std::int32_t SetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk) override
    {
        ++chunkCalls;
        return CEffectProcess::SetChunk(chunkID, chunk);
    }
    std::int32_t CompareChunk(SHostPlugInChunk* chunk, std::uint8_t* same) override
    {
        ++chunkCalls;
        return CEffectProcess::CompareChunk(chunk, same);
    }
    std::int32_t HostValue(std::int32_t position) const { return GetControl(position)->GetHostValue(); }

    int metersToAdd = 0;
    std::vector<std::int32_t> levels;
    std::vector<std::uint8_t> clipFlags;
    int meterReads = 0;
    bool usesKeys = false;
    int keysOffered = 0;
    int chunkCalls = 0;
};

inline CProcess* MakeTestEffectProcess()
{
    return new TestEffectProcess;
}

} // namespace kravo::test
