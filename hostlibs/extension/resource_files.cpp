#include "hostlibs/extension/extension_state.h"
#include "hostlibs/extension/resource_native_order.h"
#include "platform/four_char_code.h"
#include "platform/length_prefixed_text.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <exception>
#include <fstream>
#include <iterator>

namespace {

using hostext::Guard;
using hostext::OpenResourceFile;
using hostext::state;

constexpr std::uint32_t kComponentType = FourCharCode("thng");
constexpr std::uint32_t kFragmentType = FourCharCode("cfrg");
constexpr std::int32_t kComponentSize = 44;
constexpr std::int32_t kFragmentSize = 36;

std::optional<std::vector<std::uint8_t>> fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    // A read the system refuses (a folder, a failing disk) comes as an exception from the stream, and
    // nothing may leave the toolbox's routines as one.
    try {
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The host's named lookup does not mind case, so it may answer a resource under another spelling.
bool sameNameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

OpenResourceFile* currentFile()
{
    const auto found = state().resourceFiles.find(state().currentFile);
    return found == state().resourceFiles.end() ? nullptr : &found->second;
}

// A copy of the resource in a handle that remembers where it came from. The byte-order callback
// turns the resources it knows around, when they are long enough to hold what it turns.
HostHandle loadResource(OpenResourceFile& file, const hostext::ContainerResource& resource, std::int16_t index)
{
    const auto size = static_cast<std::int32_t>(resource.data.size());
    HostHandle handle = hostext::newHandle(state(), resource.data.data(), size);
    if (handle == nullptr)
        return nullptr;
    hostext::Block& block = state().handles[handle];
    block.resource = true;
    block.id = resource.id;
    block.type = resource.type;
    block.name = resource.name;
    const bool turned = (resource.type == kComponentType && size >= kComponentSize) ||
                        (resource.type == kFragmentType && size >= kFragmentSize);
    if (turned && file.byteOrder != nullptr)
        file.byteOrder(0, resource.type, index, *handle);
    hostext::toNativeOrder(resource.type, reinterpret_cast<std::uint8_t*>(*handle), size);
    return handle;
}

} // namespace

extern "C" {

std::int16_t HostExtOpenResourceFile(const char* path, ResourceByteOrderProc byteOrder)
{
    const Guard guard(state().lock);
    const std::string name = path != nullptr ? path : "";
    state().resourceFileEvents.push_back({true, name});
    state().byteOrder = byteOrder;
    for (auto& [number, file] : state().resourceFiles) {
        if (file.path == name) {
            ++file.opens;
            return number;
        }
    }
    const auto bytes = fileBytes(name);
    auto resources = bytes ? hostext::readResourceContainer(*bytes) : std::nullopt;
    if (!resources)
        return -1;
    // Numbers are positive and not in use; they come round again after the last.
    if (state().resourceFiles.size() >= static_cast<std::size_t>(INT16_MAX))
        return -1;
    std::int16_t number = state().nextFileNumber;
    while (state().resourceFiles.count(number) != 0 || number <= 0)
        number = number >= INT16_MAX || number <= 0 ? std::int16_t{1} : static_cast<std::int16_t>(number + 1);
    state().nextFileNumber = number >= INT16_MAX ? std::int16_t{1} : static_cast<std::int16_t>(number + 1);
    state().resourceFiles[number] = OpenResourceFile{name, std::move(*resources), byteOrder, 1};
    return number;
}

void HostExtReleaseResourceFile(const char* path)
{
    const Guard guard(state().lock);
    const std::string name = path != nullptr ? path : "";
    state().resourceFileEvents.push_back({false, name});
    std::erase_if(state().resourceFiles, [&](const auto& entry) { return entry.second.path == name; });
}

std::int16_t HostExtCurrentResourceFile()
{
    const Guard guard(state().lock);
    return state().currentFile;
}

void HostExtUseResourceFile(std::int16_t file)
{
    const Guard guard(state().lock);
    state().currentFile = file;
}

void HostExtCloseResourceFile(std::int16_t file)
{
    const Guard guard(state().lock);
    const auto found = state().resourceFiles.find(file);
    if (found != state().resourceFiles.end() && --found->second.opens <= 0)
        state().resourceFiles.erase(found);
    if (state().currentFile == file)
        state().currentFile = 0;
}

HostHandle HostExtGetNamedResource(std::uint32_t type, const std::uint8_t* name)
{
    const Guard guard(state().lock);
    OpenResourceFile* file = currentFile();
    if (file == nullptr || name == nullptr)
        return nullptr;
    const std::string wanted(reinterpret_cast<const char*>(name + 1), name[0]);
    std::int16_t index = 0;
    for (const auto& resource : file->resources) {
        if (resource.type != type)
            continue;
        ++index;
        if (sameNameIgnoringCase(resource.name, wanted))
            return loadResource(*file, resource, index);
    }
    return nullptr;
}

HostHandle HostExtGetIndexedResource(std::uint32_t type, std::int16_t index)
{
    const Guard guard(state().lock);
    OpenResourceFile* file = currentFile();
    if (file == nullptr || index < 1)
        return nullptr;
    std::int16_t seen = 0;
    for (const auto& resource : file->resources)
        if (resource.type == type && ++seen == index)
            return loadResource(*file, resource, index);
    return nullptr;
}

HostHandle HostExtGetResource(std::uint32_t type, std::int16_t id)
{
    const Guard guard(state().lock);
    OpenResourceFile* file = currentFile();
    if (file == nullptr)
        return nullptr;
    std::int16_t index = 0;
    for (const auto& resource : file->resources) {
        if (resource.type != type)
            continue;
        ++index;
        if (resource.id == id)
            return loadResource(*file, resource, index);
    }
    return nullptr;
}

std::int16_t HostExtCountResources(std::uint32_t type)
{
    const Guard guard(state().lock);
    OpenResourceFile* file = currentFile();
    std::int16_t count = 0;
    for (const auto& resource : file != nullptr ? file->resources : std::vector<hostext::ContainerResource>())
        count = static_cast<std::int16_t>(count + (resource.type == type));
    return count;
}

void HostExtGetResourceInfo(HostHandle resource, std::int16_t* id, std::uint32_t* type, std::uint8_t* name)
{
    const Guard guard(state().lock);
    const auto found = state().handles.find(resource);
    const bool known = found != state().handles.end() && found->second.resource;
    if (id != nullptr)
        *id = known ? found->second.id : 0;
    if (type != nullptr)
        *type = known ? found->second.type : 0;
    if (name != nullptr)
        WriteLengthPrefixed(known ? found->second.name : std::string(), name);
}

void HostExtReleaseResource(HostHandle resource)
{
    const Guard guard(state().lock);
    const auto found = state().handles.find(resource);
    if (found != state().handles.end() && found->second.resource)
        HostExtDisposeHandle(resource);
}

void HostExtDetachResource(HostHandle resource)
{
    const Guard guard(state().lock);
    const auto found = state().handles.find(resource);
    if (found != state().handles.end())
        found->second.resource = false;
}

} // extern "C"

namespace hostext {

std::vector<ResourceFileEvent> resourceFileEvents()
{
    const Guard guard(state().lock);
    return state().resourceFileEvents;
}

void forgetResourceFileEvents()
{
    const Guard guard(state().lock);
    state().resourceFileEvents.clear();
}

ResourceByteOrderProc lastByteOrderProc()
{
    const Guard guard(state().lock);
    return state().byteOrder;
}

int resourceFileOpens(const std::string& path)
{
    const Guard guard(state().lock);
    for (const auto& [number, file] : state().resourceFiles)
        if (file.path == path)
            return file.opens;
    return 0;
}

int openResourceFileCount()
{
    const Guard guard(state().lock);
    return static_cast<int>(state().resourceFiles.size());
}

} // namespace hostext
