#include "hostlibs/extension/host_extension.h"

#include "hostlibs/extension/extension_state.h"
#include "platform/length_prefixed_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace hostext {

ExtensionState& state()
{
    static ExtensionState extension;
    return extension;
}

HostHandle newHandle(ExtensionState& extension, const void* data, std::int32_t size)
{
    if (size < 0 || extension.failingHandles > 0) {
        extension.failingHandles = std::max(0, extension.failingHandles - 1);
        return nullptr;
    }
    auto* master = new char*(new char[static_cast<std::size_t>(size) + 1]());
    if (data != nullptr)
        std::memcpy(*master, data, static_cast<std::size_t>(size));
    extension.handles[master] = Block{*master, size};
    return master;
}

} // namespace hostext

namespace {

using hostext::Guard;
using hostext::state;

std::string lengthPrefixed(const std::uint8_t* text)
{
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

} // namespace

extern "C" {

bool kravoHostLibraryOffers(const char* name)
{
    return state().withheld.offers(name);
}

HostHandle HostExtNewHandle(std::int32_t size)
{
    const Guard guard(state().lock);
    return hostext::newHandle(state(), nullptr, size);
}

void HostExtLockHandle(HostHandle) {}

void HostExtUnlockHandle(HostHandle) {}

std::int32_t HostExtGetHandleSize(HostHandle handle)
{
    const Guard guard(state().lock);
    const auto found = state().handles.find(handle);
    return found == state().handles.end() ? 0 : found->second.size;
}

void HostExtDisposeHandle(HostHandle handle)
{
    const Guard guard(state().lock);
    const auto found = state().handles.find(handle);
    if (found == state().handles.end())
        return;
    delete[] found->second.data;
    delete handle;
    state().handles.erase(found);
}

// Every read moves the counter on, so a wait for it always ends.
std::uint64_t HostExtReadTimeCounter()
{
    const Guard guard(state().lock);
    return ++state().timeCounter;
}

void HostExtNumberToText(std::int32_t number, std::uint8_t* text)
{
    if (text != nullptr)
        WriteLengthPrefixed(std::to_string(number), text);
}

void HostExtTextToLengthPrefixed(const char* text, std::uint8_t* out)
{
    if (out != nullptr)
        WriteLengthPrefixed(text != nullptr ? text : "", out);
}

void HostExtLengthPrefixedToText(const std::uint8_t* text, char* out)
{
    if (out == nullptr)
        return;
    const std::string plain = lengthPrefixed(text);
    std::memcpy(out, plain.c_str(), plain.size() + 1);
}

bool HostExtEqualString(const std::uint8_t* a, const std::uint8_t* b)
{
    if (a == nullptr || b == nullptr)
        return false;
    return a[0] == b[0] && std::memcmp(a + 1, b + 1, a[0]) == 0;
}

double HostExtFixedToDouble(std::int32_t value)
{
    return value / 65536.0;
}

void HostExtWaitForHost(std::int32_t, std::int32_t* out)
{
    std::function<void()> action;
    {
        const Guard guard(state().lock);
        ++state().waits;
        action = std::exchange(state().waitAction, nullptr);
    }
    if (out != nullptr)
        *out = 0;
    // Outside the lock and taken out first: the action may wait for the host again.
    if (action)
        action();
}

void HostExtDebugMessage(const std::uint8_t* text)
{
    const Guard guard(state().lock);
    state().debugMessages.push_back(lengthPrefixed(text));
}

} // extern "C"

namespace hostext {

void withhold(const char* name)
{
    state().withheld.withhold(name);
}

void offerEverything()
{
    state().withheld.offerEverything();
}

int liveHandleCount()
{
    const Guard guard(state().lock);
    return static_cast<int>(state().handles.size());
}

void failNextHandles(int count)
{
    const Guard guard(state().lock);
    state().failingHandles = count;
}

void runOnNextWait(std::function<void()> action)
{
    const Guard guard(state().lock);
    state().waitAction = std::move(action);
}

int waitForHostCount()
{
    const Guard guard(state().lock);
    return state().waits;
}

std::vector<std::string> debugMessages()
{
    const Guard guard(state().lock);
    return state().debugMessages;
}

std::int16_t RecordComponentRequest(std::int16_t request, ComponentRecord*, char** parameters)
{
    const Guard guard(state().lock);
    ComponentRequest recorded{request, {}};
    const auto found = state().handles.find(parameters);
    if (found != state().handles.end())
        recorded.block.assign(found->second.data, found->second.data + found->second.size);
    state().componentRequests.push_back(recorded);
    return state().componentAnswer;
}

std::vector<ComponentRequest> componentRequests()
{
    const Guard guard(state().lock);
    return state().componentRequests;
}

void setComponentAnswer(std::int16_t answer)
{
    const Guard guard(state().lock);
    state().componentAnswer = answer;
}

void forgetComponentRequests()
{
    const Guard guard(state().lock);
    state().componentRequests.clear();
}

} // namespace hostext
