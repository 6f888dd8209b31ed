#include "hostframework/classes.h"

#include "hostframework/host_error.h"

#include <array>
#include <stdexcept>

std::int32_t GetCodeClass(std::int32_t code)
{
    constexpr std::array<std::int32_t, 11> kClasses = {1, 2, 3, 4, 4, 5, 6, 6, 7, 7, 8};
    if (code < 0 || code > 10)
        throw CHostError(kHostErrUnexpected);
    return kClasses[static_cast<std::size_t>(code)];
}

bool IsEvenCodeClass(std::int32_t code)
{
    return code == 6 || code == 8 || code == 10;
}

std::int32_t GetSampleRateClass(std::int32_t rate)
{
    if (rate >= 0 && rate <= 51000)
        return 48000;
    if (rate > 51000 && rate <= 102000)
        return 96000;
    if (rate > 102000 && rate <= 204000)
        return 192000;
    throw std::runtime_error("unrecognized sample rate");
}

std::int32_t GetSampleRateClassIndex(std::int32_t rate)
{
    switch (GetSampleRateClass(rate)) {
    case 48000: return 0;
    case 96000: return 1;
    default: return 2;
    }
}

std::int32_t GetSampleRateMultiple(std::int32_t rate)
{
    return GetSampleRateClass(rate) / 48000;
}
