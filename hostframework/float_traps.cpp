#include "hostframework/float_traps.h"

#include "platform/float_control.h"

namespace {

constexpr std::uint32_t kTrapMasks = platform::kDenormalOperandMask | platform::kUnderflowMask;

} // namespace

std::uint32_t EnableFloatTraps()
{
    const std::uint32_t previous = platform::readFloatControlWord();
    platform::writeFloatControlWord(previous & ~kTrapMasks);
    return previous;
}

std::uint32_t DisableFloatTraps()
{
    const std::uint32_t previous = platform::readFloatControlWord();
    platform::writeFloatControlWord(previous | kTrapMasks);
    return previous;
}
