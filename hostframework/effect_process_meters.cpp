#include "hostframework/effect_process.h"

#include <algorithm>

std::int32_t CEffectProcess::GetMeterCount(std::int32_t* count)
{
    return setOut(count, meterCache.Count());
}

std::int32_t CEffectProcess::GetMeterLevel(std::int32_t meter, std::int32_t* level)
{
    return setOut(level, meterCache.ReadOne(kHostMeterReader, meter, meterPeaks.data(), meterClips.data()));
}

std::int32_t CEffectProcess::GetMeterOrientation(std::int32_t meter, EMeterOrientation* orientation)
{
    const SMeter* found = meterCache.Meter(meter - 1);
    return setOut(orientation, found != nullptr ? found->orientation : EMeterOrientation{});
}

std::int32_t CEffectProcess::GetNumMeters(EMeterType meterType, std::int32_t* count)
{
    std::int32_t matching = 0;
    for (std::int32_t i = 0; i < meterCache.Count(); ++i)
        if (const SMeter* meter = meterCache.Meter(i); meter != nullptr && meter->type == meterType)
            ++matching;
    return setOut(count, matching);
}

// The position (from 1) of the index-th (from 1) meter of the type; 0 when there is none.
std::int32_t CEffectProcess::GetMeterOfType(EMeterType meterType, std::int32_t index, std::int32_t* meter)
{
    std::int32_t seen = 0;
    for (std::int32_t i = 0; i < meterCache.Count(); ++i) {
        const SMeter* candidate = meterCache.Meter(i);
        if (candidate != nullptr && candidate->type == meterType && ++seen == index)
            return setOut(meter, i + 1);
    }
    return setOut(meter, 0);
}

// A clip stays shown until the host clears it, even when the level has gone down since.
std::int32_t CEffectProcess::GetClipIndicator(std::uint8_t* clipped)
{
    if (!clipLatch) {
        meterCache.ReadAll(kHostMeterReader, meterPeaks.data(), meterClips.data());
        clipLatch = std::any_of(meterClips.begin(), meterClips.end(), [](std::uint8_t clip) { return clip != 0; });
    }
    return setOut(clipped, clipLatch ? 1 : 0);
}

std::int32_t CEffectProcess::ClearClipIndicators()
{
    meterCache.Clear(meterPeaks.data(), meterClips.data());
    clipLatch = false;
    return 0;
}
