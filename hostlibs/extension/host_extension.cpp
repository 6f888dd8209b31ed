#include "hostlibs/extension/host_extension.h"

#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/withheld_names.h"

#include <algorithm>
#include <bitset>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

namespace {

struct Block {
    char* data;
    std::int32_t size;
};

struct ExtensionState {
    std::mutex lock;
    hostlibs::WithheldNames withheld;
    std::vector<hostext::ResourceFileEvent> resourceFileEvents;
    ResourceByteOrderProc byteOrder = nullptr;
    std::int16_t nextReference = 1;
    std::map<HostHandle, Block> handles;
    int failingHandles = 0;
    std::bitset<128> keys;
    std::uint64_t timeCounter = 0;
    int waits = 0;
    std::vector<std::string> debugMessages;
    std::vector<hostext::ComponentRequest> componentRequests;
    std::int16_t componentAnswer = 0;
};

ExtensionState& state()
{
    static ExtensionState extension;
    return extension;
}

std::string lengthPrefixed(const std::uint8_t* text)
{
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

void writeLengthPrefixed(const std::string& text, std::uint8_t* out)
{
    const std::size_t length = std::min<std::size_t>(text.size(), 255);
    out[0] = static_cast<std::uint8_t>(length);
    std::memcpy(out + 1, text.data(), length);
}

} // namespace

extern "C" {

bool kravoHostLibraryOffers(const char* name)
{
    return state().withheld.offers(name);
}

std::int16_t HostExtOpenResourceFile(const char* path, ResourceByteOrderProc byteOrder)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.resourceFileEvents.push_back({true, path != nullptr ? path : ""});
    extension.byteOrder = byteOrder;
    return extension.nextReference++;
}

void HostExtReleaseResourceFile(const char* path)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.resourceFileEvents.push_back({false, path != nullptr ? path : ""});
}

HostHandle HostExtNewHandle(std::int32_t size)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    if (size < 0 || extension.failingHandles > 0) {
        extension.failingHandles = std::max(0, extension.failingHandles - 1);
        return nullptr;
    }
    auto* master = new char*(new char[static_cast<std::size_t>(size) + 1]());
    extension.handles[master] = {*master, size};
    return master;
}

void HostExtLockHandle(HostHandle) {}

void HostExtUnlockHandle(HostHandle) {}

std::int32_t HostExtGetHandleSize(HostHandle handle)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    const auto found = extension.handles.find(handle);
    return found == extension.handles.end() ? 0 : found->second.size;
}

void HostExtDisposeHandle(HostHandle handle)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    const auto found = extension.handles.find(handle);
    if (found == extension.handles.end())
        return;
    delete[] found->second.data;
    delete handle;
    extension.handles.erase(found);
}

void HostExtGetKeys(std::uint8_t keys[16])
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    for (int k = 0; k < 128; ++k)
        if (extension.keys[static_cast<std::size_t>(k)])
            keys[k / 8] = static_cast<std::uint8_t>(keys[k / 8] | (1u << (k % 8)));
        else
            keys[k / 8] = static_cast<std::uint8_t>(keys[k / 8] & ~(1u << (k % 8)));
}

// Every read moves the counter on, so a wait for it always ends.
std::uint64_t HostExtReadTimeCounter()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return ++extension.timeCounter;
}

void HostExtNumberToText(std::int32_t number, std::uint8_t* text)
{
    if (text != nullptr)
        writeLengthPrefixed(std::to_string(number), text);
}

void HostExtTextToLengthPrefixed(const char* text, std::uint8_t* out)
{
    if (out != nullptr)
        writeLengthPrefixed(text != nullptr ? text : "", out);
}

void HostExtLengthPrefixedToText(const std::uint8_t* text, char* out)
{
    if (out == nullptr)
        return;
    const std::string plain = lengthPrefixed(text);
    std::memcpy(out, plain.c_str(), plain.size() + 1);
}

void HostExtWaitForHost(std::int32_t, std::int32_t* out)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    ++extension.waits;
    if (out != nullptr)
        *out = 0;
}

void HostExtDebugMessage(const std::uint8_t* text)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.debugMessages.push_back(lengthPrefixed(text));
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

std::vector<ResourceFileEvent> resourceFileEvents()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return extension.resourceFileEvents;
}

void forgetResourceFileEvents()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.resourceFileEvents.clear();
}

ResourceByteOrderProc lastByteOrderProc()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return extension.byteOrder;
}

int liveHandleCount()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return static_cast<int>(extension.handles.size());
}

void failNextHandles(int count)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.failingHandles = count;
}

void setKeyDown(int key, bool down)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    if (key >= 0 && key < 128)
        extension.keys[static_cast<std::size_t>(key)] = down;
}

int waitForHostCount()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return extension.waits;
}

std::vector<std::string> debugMessages()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return extension.debugMessages;
}

std::int16_t RecordComponentRequest(std::int16_t request, ComponentRecord*, char** parameters)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    ComponentRequest recorded{request, {}};
    const auto found = extension.handles.find(parameters);
    if (found != extension.handles.end())
        recorded.block.assign(found->second.data, found->second.data + found->second.size);
    extension.componentRequests.push_back(recorded);
    return extension.componentAnswer;
}

std::vector<ComponentRequest> componentRequests()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return extension.componentRequests;
}

void setComponentAnswer(std::int16_t answer)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.componentAnswer = answer;
}

void forgetComponentRequests()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.componentRequests.clear();
}

} // namespace hostext
