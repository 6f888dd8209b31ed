#include "platform/debug_output.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

std::atomic<bool> shownByCaller{false};

bool shown()
{
    const char* setting = std::getenv("KRAVO_DEBUG_OUTPUT");
    return shownByCaller.load() || (setting != nullptr && setting[0] != '\0');
}

} // namespace

void debugOutput(const char* text)
{
    if (text != nullptr && shown())
        std::fputs(text, stderr);
}

void showDebugOutput(bool shownNow)
{
    shownByCaller.store(shownNow);
}

} // namespace platform
