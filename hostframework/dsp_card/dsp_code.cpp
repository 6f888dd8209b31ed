#include "hostframework/dsp_card/dsp_code.h"

#include "hostframework/host_error.h"
#include "hostframework/process_group.h"
#include "hostlibs/extension/resource_container.h"
#include "platform/byte_order.h"
#include "platform/four_char_code.h"
#include "platform/module_resources.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace {

// DSP code for this type was assembled with each word's bytes the other way round.
constexpr std::uint32_t kReversedCodeType = FourCharCode("SACD");
constexpr std::uint32_t kFileCodeType = FourCharCode("DSPC");
constexpr std::int32_t kBytesPerCodeWord = 3;
constexpr std::int32_t kWordSize = 4;
constexpr std::int32_t kHeaderWords = 2;

class ResFileBracket {
public:
    ResFileBracket() : previous(CProcessGroup::usePlugInResFile()) {}
    ~ResFileBracket() { CProcessGroup::restoreResFile(previous); }
    ResFileBracket(const ResFileBracket&) = delete;
    ResFileBracket& operator=(const ResFileBracket&) = delete;

private:
    std::int16_t previous;
};

class LoadedResource {
public:
    explicit LoadedResource(HostHandle handle) : handle(handle) {}
    ~LoadedResource()
    {
        if (handle != nullptr)
            HostExtReleaseResource(handle);
    }
    LoadedResource(const LoadedResource&) = delete;
    LoadedResource& operator=(const LoadedResource&) = delete;

    HostHandle get() const { return handle; }

private:
    HostHandle handle;
};

// The host's routines count resources of a type from 1 and tell the id of each.
HostHandle findResource(std::uint32_t type, std::int16_t id)
{
    const std::int32_t count = HostExtCountResources(type);
    for (std::int32_t index = 1; index <= count; ++index) {
        HostHandle candidate = HostExtGetIndexedResource(type, static_cast<std::int16_t>(index));
        if (candidate == nullptr)
            continue;
        std::int16_t candidateID = 0;
        HostExtGetResourceInfo(candidate, &candidateID, nullptr, nullptr);
        if (candidateID == id)
            return candidate;
        HostExtReleaseResource(candidate);
    }
    return nullptr;
}

HostHandle newCodeHandle(std::int32_t size)
{
    HostHandle handle = HostExtNewHandle(size);
    if (handle == nullptr)
        throw CHostError(kHostErrUnexpected);
    return handle;
}

void putWord(std::uint8_t* at, std::int32_t word)
{
    std::memcpy(at, &word, sizeof word);
}

HostHandle packedCode(const std::uint8_t* bytes, std::int32_t size, bool reversed)
{
    const std::int32_t count = size / kBytesPerCodeWord;
    HostHandle handle = newCodeHandle((kHeaderWords + count) * kWordSize);
    auto* out = reinterpret_cast<std::uint8_t*>(*handle);
    putWord(out, count);
    putWord(out + kWordSize, 0);
    constexpr auto width = static_cast<std::size_t>(kBytesPerCodeWord);
    for (std::int32_t group = count - 1; group >= 0; --group) {
        const std::uint8_t* in = bytes + group * kBytesPerCodeWord;
        const std::uint64_t word =
            reversed ? platform::readLittleEndian(in, width) : platform::readBigEndian(in, width);
        putWord(out + (kHeaderWords + group) * kWordSize, static_cast<std::int32_t>(word));
    }
    return handle;
}

HostHandle rawCode(const std::uint8_t* bytes, std::int32_t size)
{
    HostHandle handle = newCodeHandle(kWordSize + size);
    auto* out = reinterpret_cast<std::uint8_t*>(*handle);
    putWord(out, size);
    if (size > 0)
        std::memcpy(out + kWordSize, bytes, static_cast<std::size_t>(size));
    return handle;
}

std::optional<std::vector<std::uint8_t>> fileBytes(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    // A read the system refuses (a folder, a failing disk) comes as an exception from the stream.
    try {
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

HostHandle LoadDSPCodeResource(std::uint32_t type, std::int16_t id, bool raw)
{
    const ResFileBracket plugInFile;
    const LoadedResource resource(findResource(type, id));
    if (resource.get() == nullptr)
        return nullptr;
    const std::int32_t size = std::max(HostExtGetHandleSize(resource.get()), 0);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(*resource.get());
    if (bytes == nullptr && size > 0)
        return nullptr;
    return raw ? rawCode(bytes, size) : packedCode(bytes, size, type == kReversedCodeType);
}

const void* LoadDSPCode(HMODULE module, std::int16_t id, std::int32_t* size)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "DSPCODE");
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data != nullptr && size != nullptr)
        *size = static_cast<std::int32_t>(SizeofResource(module, found));
    return data;
}

bool LoadDSPCodeFromFile(const char* file, std::int16_t id, std::int32_t* size, std::int32_t capacity,
                         void* destination)
{
    const auto bytes = file != nullptr ? fileBytes(file) : std::nullopt;
    const auto resources = bytes ? hostext::readResourceContainer(*bytes) : std::nullopt;
    if (!resources)
        return false;
    const auto code = std::ranges::find_if(*resources, [id](const hostext::ContainerResource& resource) {
        return resource.type == kFileCodeType && resource.id == id;
    });
    if (code == resources->end())
        return false;
    const std::size_t room = destination != nullptr ? static_cast<std::size_t>(std::max(capacity, 0)) : 0;
    const std::size_t copied = std::min(room, code->data.size());
    if (copied > 0)
        std::memcpy(destination, code->data.data(), copied);
    if (size != nullptr)
        *size = static_cast<std::int32_t>(code->data.size());
    return true;
}
