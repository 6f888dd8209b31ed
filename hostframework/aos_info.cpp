#include "hostframework/aos_info.h"

#include "hostframework/classes.h"
#include "hostframework/host_error.h"

CAOSInfo::CAOSInfo(const SHostPlugInStemInfo& record)
    : record(record), enabled(static_cast<std::size_t>(GetCodeClass(record.stemFormat)), 0)
{
    this->record.name[sizeof this->record.name - 1] = '\0';
}

std::int32_t CAOSInfo::OffsetOf(std::int32_t channel) const
{
    const std::int64_t offset = std::int64_t{channel} - record.firstChannel;
    return offset >= 0 && offset < GetChannelCount() ? static_cast<std::int32_t>(offset) : -1;
}

void CAOSInfoList::Add(CAOSInfo* info)
{
    ThrowIfNull(info);
    entries.emplace_back(info);
    totalChannels += info->GetChannelCount();
}

CAOSInfo& CAOSInfoList::At(std::int32_t index) const
{
    if (index < 0 || index >= Count())
        throw CHostError(kHostErrNoSuchAOSInfo);
    return *entries[static_cast<std::size_t>(index)];
}

CAOSInfo* CAOSInfoList::Find(std::int32_t channel, std::int32_t* offset) const
{
    for (const auto& entry : entries) {
        const std::int32_t found = entry->OffsetOf(channel);
        if (found >= 0) {
            *offset = found;
            return entry.get();
        }
    }
    return nullptr;
}
