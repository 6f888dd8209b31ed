#include "hostframework/host_keys.h"

#include "hostlibs/extension/host_extension.h"

namespace {

constexpr std::int16_t kCommandKey = 0x37;
constexpr std::int16_t kShiftKey = 0x38;
constexpr std::int16_t kOptionKey = 0x3a;
constexpr std::int16_t kControlKey = 0x3b;

} // namespace

bool IsKeyDown(std::int16_t keyCode)
{
    if (keyCode < 0 || keyCode >= 128)
        return false;
    std::uint8_t keys[16] = {};
    HostExtGetKeys(keys);
    return (keys[keyCode / 8] >> (keyCode % 8) & 1u) != 0;
}

bool isOptionKeyDown()
{
    return IsKeyDown(kOptionKey);
}

bool IsCommandKeyDown()
{
    return IsKeyDown(kCommandKey);
}

bool IsShiftKeyDown()
{
    return IsKeyDown(kShiftKey);
}

bool IsControlKeyDown()
{
    return IsKeyDown(kControlKey);
}
