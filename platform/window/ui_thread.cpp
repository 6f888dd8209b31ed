#include "platform/window/ui_thread.h"

#include <atomic>
#include <cassert>
#include <thread>

namespace {

std::atomic<std::thread::id> owner{};

} // namespace

namespace platform {

void setUserInterfaceThread()
{
    owner.store(std::this_thread::get_id());
}

} // namespace platform

namespace platform::window {

void checkThread()
{
#ifndef NDEBUG
    const std::thread::id current = owner.load();
    assert((current == std::thread::id{} || current == std::this_thread::get_id()) &&
        "window calls come from the user-interface thread only");
#endif
}

void claimThread()
{
    std::thread::id none{};
    owner.compare_exchange_strong(none, std::this_thread::get_id());
}

void forgetThread()
{
    owner.store(std::thread::id{});
}

} // namespace platform::window
