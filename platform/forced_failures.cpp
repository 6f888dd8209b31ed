#include "platform/forced_failures.h"

#include <atomic>

namespace platform {

namespace {

std::atomic<bool> windowCreationFails{false};
std::atomic<bool> compatibleBitmapFails{false};

} // namespace

void failNextWindowCreation()
{
    windowCreationFails = true;
}

void failNextCompatibleBitmap()
{
    compatibleBitmapFails = true;
}

bool takeWindowCreationFailure()
{
    return windowCreationFails.exchange(false);
}

bool takeCompatibleBitmapFailure()
{
    return compatibleBitmapFails.exchange(false);
}

} // namespace platform
