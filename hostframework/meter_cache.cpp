#include "hostframework/meter_cache.h"

#include "hostframework/host_error.h"
#include "hostframework/process.h"
#include "platform/clock.h"

#include <algorithm>

namespace {

// A native real-time process has new levels only after it rendered.
constexpr std::int32_t kNativeKind = 3;

} // namespace

CMeterCache::CMeterCache(std::int16_t slotCount) : listMode(false), slots(static_cast<std::size_t>(std::max<std::int16_t>(slotCount, 0))) {}

void CMeterCache::Bind(CProcess* boundProcess, std::int32_t kind)
{
    process = boundProcess;
    typeKind = kind;
}

void CMeterCache::AddMeter(SMeter* meter)
{
    ThrowIfNull(meter);
    meters.emplace_back(meter);
}

std::int16_t CMeterCache::Count() const
{
    return static_cast<std::int16_t>(listMode ? meters.size() : slots.size());
}

const SMeter* CMeterCache::Meter(std::int32_t index) const
{
    if (!listMode || index < 0 || index >= static_cast<std::int32_t>(meters.size()))
        return nullptr;
    return meters[static_cast<std::size_t>(index)].get();
}

SMeterHold& CMeterCache::HoldAt(std::int32_t index)
{
    return listMode ? meters[static_cast<std::size_t>(index)]->hold : slots[static_cast<std::size_t>(index)];
}

bool CMeterCache::Refresh(std::int32_t* values, std::uint8_t* clips)
{
    const std::uint32_t now = GetTickCount();
    if (static_cast<std::int32_t>(now - lastRefresh) <= 1)
        return false;
    if (typeKind == kNativeKind && (process == nullptr || !process->AreMetersReady()))
        return false;
    lastRefresh = now;
    if (process != nullptr) {
        process->ReadMeters(values, clips);
        process->SetMetersReady(false);
    }
    return true;
}

std::int32_t CMeterCache::Take(SMeterHold& hold, std::uint8_t tag, std::int32_t fresh, std::uint8_t clip)
{
    std::int32_t seen = fresh;
    if (hold.tag != tag && hold.value > fresh)
        seen = hold.value;
    hold.value = fresh;
    hold.tag = tag;
    hold.clip = clip;
    return seen;
}

void CMeterCache::ReadAll(std::uint8_t tag, std::int32_t* values, std::uint8_t* clips)
{
    const std::int32_t count = Count();
    if (Refresh(values, clips)) {
        for (std::int32_t i = 0; i < count; ++i)
            values[i] = Take(HoldAt(i), tag, values[i], clips[i]);
        return;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        values[i] = HoldAt(i).value;
        clips[i] = HoldAt(i).clip;
    }
}

std::int32_t CMeterCache::ReadOne(std::uint8_t tag, std::int32_t meter, std::int32_t* values, std::uint8_t* clips)
{
    const std::int32_t count = Count();
    if (meter < 1 || meter > count)
        return 0;
    if (!Refresh(values, clips))
        return HoldAt(meter - 1).value;
    std::int32_t seen = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        if (i == meter - 1)
            seen = Take(HoldAt(i), tag, values[i], clips[i]);
        else
            values[i] = Take(HoldAt(i), tag, values[i], clips[i]);
    }
    return seen;
}

void CMeterCache::Clear(std::int32_t* values, std::uint8_t* clips)
{
    if (process != nullptr)
        process->ReadMeters(values, clips);
    for (std::int32_t i = 0; i < Count(); ++i) {
        values[i] = 0;
        clips[i] = 0;
        HoldAt(i).value = 0;
        HoldAt(i).clip = 0;
    }
}
