#pragma once

// The output streams of a process as the host lists them: each a stem format's worth of channels
// from a first global channel on, with one enable byte per channel.

#include "hostframework/host_records.h"

#include <cstdint>
#include <memory>
#include <vector>

class CAOSInfo {
public:
    // The stem format decides the channel count; one outside 0..10 throws -7401.
    explicit CAOSInfo(const SHostPlugInStemInfo& record);

    const SHostPlugInStemInfo& GetRecord() const { return record; }
    std::int32_t GetChannelCount() const { return static_cast<std::int32_t>(enabled.size()); }
    // The offset of a global channel within the stream, -1 when the stream does not carry it.
    std::int32_t OffsetOf(std::int32_t channel) const;
    bool IsEnabled(std::int32_t offset) const { return enabled[static_cast<std::size_t>(offset)] != 0; }
    void SetEnabled(std::int32_t offset, bool flag) { enabled[static_cast<std::size_t>(offset)] = flag ? 1 : 0; }

private:
    SHostPlugInStemInfo record;
    std::vector<std::uint8_t> enabled;
};

class CAOSInfoList {
public:
    // A null info throws -7053.
    void Add(CAOSInfo* info);
    std::int32_t Count() const { return static_cast<std::int32_t>(entries.size()); }
    // Entries count from 0; another index throws -7103.
    CAOSInfo& At(std::int32_t index) const;
    std::int32_t GetTotalChannels() const { return totalChannels; }

    // The stream and offset carrying a global channel; null when none does.
    CAOSInfo* Find(std::int32_t channel, std::int32_t* offset) const;

private:
    std::vector<std::unique_ptr<CAOSInfo>> entries;
    std::int32_t totalChannels = 0;
};
