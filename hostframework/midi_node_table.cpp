#include "hostframework/midi_node_table.h"

#include "hostframework/host_error.h"

namespace {

// The interface version that brought each operation.
constexpr std::int32_t kSinceVersion1 = 1;
constexpr std::int32_t kSinceVersion2 = 2;
constexpr std::int32_t kSinceVersion4 = 4;
constexpr std::int32_t kSinceVersion7 = 7;

template <typename T>
std::int32_t answerWith(std::int16_t result, T value, T* out)
{
    if (result == 0 && out != nullptr)
        *out = value;
    return result;
}

} // namespace

IHostMIDI* CEffectMIDINodeTable::HostFrom(std::int32_t minimumVersion) const
{
    return GetVersion() >= minimumVersion ? GetInterface() : nullptr;
}

std::int32_t CEffectMIDINodeTable::TakeSlot(std::size_t first, std::int32_t count, CEffectMIDIAbstractNode* node)
{
    for (std::int32_t position = 0; position < count; ++position) {
        std::intptr_t& slot = words[first + static_cast<std::size_t>(position)];
        if (slot == 0) {
            slot = reinterpret_cast<std::intptr_t>(node);
            return position;
        }
    }
    return -1;
}

void CEffectMIDINodeTable::FreeSlotsOf(const CEffectMIDIAbstractNode* node)
{
    for (std::size_t slot = kBufferedInputSlots; slot < kWordCount; ++slot)
        if (words[slot] == reinterpret_cast<std::intptr_t>(node))
            words[slot] = 0;
}

std::int32_t CEffectMIDINodeTable::Operation9(std::intptr_t first, std::intptr_t second)
{
    IHostMIDI* host = HostFrom(kSinceVersion1);
    return host != nullptr ? host->Operation9(first, second) : kHostErrMIDIUnsupported;
}

std::int32_t CEffectMIDINodeTable::Operation12(std::intptr_t first, std::intptr_t second)
{
    IHostMIDI* host = HostFrom(kSinceVersion2);
    return host != nullptr ? host->Operation12(first, second) : kHostErrMIDIUnsupported;
}

std::int32_t CEffectMIDINodeTable::Operation18(std::intptr_t first, std::intptr_t second, std::intptr_t third)
{
    IHostMIDI* host = HostFrom(kSinceVersion4);
    return host != nullptr ? host->Operation18(first, second, third) : kHostErrMIDIUnsupported;
}

std::int32_t CEffectMIDINodeTable::Operation22(std::intptr_t value)
{
    IHostMIDI* host = HostFrom(kSinceVersion7);
    return host != nullptr ? host->Operation22(value) : kHostErrMIDIUnsupported;
}

std::int32_t CEffectMIDINodeTable::Operation23(std::intptr_t value)
{
    IHostMIDI* host = HostFrom(kSinceVersion7);
    return host != nullptr ? host->Operation23(value) : kHostErrMIDIUnsupported;
}

std::int32_t CEffectMIDINodeTable::Operation24(std::intptr_t first, std::intptr_t second, std::intptr_t third)
{
    IHostMIDI* host = HostFrom(kSinceVersion7);
    return host != nullptr ? host->Operation24(first, second, third) : kHostErrMIDIUnsupported;
}

std::int32_t CEffectMIDINodeTable::Operation28(std::intptr_t first, std::intptr_t second, std::intptr_t third,
                                               std::intptr_t fourth, std::intptr_t fifth)
{
    IHostMIDI* host = HostFrom(kSinceVersion7);
    return host != nullptr ? host->Operation28(first, second, third, fourth, fifth) : kHostErrMIDIUnsupported;
}

std::int32_t CEffectMIDINodeTable::SetNodePort(std::int32_t node, std::intptr_t port)
{
    IHostMIDI* host = HostFrom(kSinceVersion2);
    if (host == nullptr || node < 0 || node >= kSlotsPerKind)
        return kHostErrMIDIUnsupported;
    return host->SetNodePort(node, port);
}

std::int32_t CEffectMIDINodeTable::GetTempo(double* tempo) const
{
    IHostMIDI* host = HostFrom(kSinceVersion2);
    if (host == nullptr)
        return kHostErrMIDIUnsupported;
    double answer = 0.0;
    const std::int16_t result = host->GetTempo(&answer);
    return answerWith(result, answer, tempo);
}

std::int32_t CEffectMIDINodeTable::GetPlayingFlag(std::uint8_t* playing) const
{
    IHostMIDI* host = HostFrom(kSinceVersion2);
    if (host == nullptr)
        return kHostErrMIDIUnsupported;
    std::uint8_t answer = 0;
    const std::int16_t result = host->GetPlayingFlag(&answer);
    return answerWith(result, answer, playing);
}

std::int32_t CEffectMIDINodeTable::GetPositionInTicks(std::int64_t* ticks) const
{
    IHostMIDI* host = HostFrom(kSinceVersion4);
    if (host == nullptr)
        return kHostErrMIDIUnsupported;
    std::int64_t answer = 0;
    const std::int16_t result = host->GetPositionInTicks(&answer);
    return answerWith(result, answer, ticks);
}
