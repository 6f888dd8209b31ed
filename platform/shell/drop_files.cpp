#include "platform/shell/drop_files.h"

#include "platform/global_memory.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr UINT kCountFiles = 0xFFFFFFFF;

// The block's names, in order, up to the closing empty name or the first malformed one.
std::vector<std::string_view> listedNames(const char* block, SIZE_T size)
{
    std::vector<std::string_view> names;
    if (size < sizeof(DROPFILES))
        return names;
    DROPFILES header;
    std::memcpy(&header, block, sizeof header);
    if (header.filesOffset < sizeof(DROPFILES))
        return names;
    for (SIZE_T at = header.filesOffset; at < size;) {
        const void* end = std::memchr(block + at, '\0', size - at);
        if (end == nullptr)
            break;
        const SIZE_T length = static_cast<const char*>(end) - (block + at);
        if (length == 0)
            break;
        names.emplace_back(block + at, length);
        at += length + 1;
    }
    return names;
}

} // namespace

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size)
{
    HGLOBAL memory = static_cast<HGLOBAL>(drop);
    const SIZE_T blockSize = GlobalSize(memory);
    const char* block = static_cast<const char*>(GlobalLock(memory));
    if (block == nullptr)
        return 0;
    const std::vector<std::string_view> names = listedNames(block, blockSize);

    UINT answer = 0;
    if (index == kCountFiles) {
        answer = static_cast<UINT>(names.size());
    } else if (index < names.size()) {
        const std::string_view name = names[index];
        if (file == nullptr) {
            answer = static_cast<UINT>(name.size());
        } else if (size > 0) {
            answer = static_cast<UINT>(std::min<SIZE_T>(name.size(), size - 1));
            std::memcpy(file, name.data(), answer);
            file[answer] = '\0';
        }
    }
    GlobalUnlock(memory);
    return answer;
}

namespace platform {

HGLOBAL newDropFiles(const std::vector<std::string>& files)
{
    SIZE_T size = sizeof(DROPFILES) + 1;
    for (const std::string& name : files)
        size += name.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    char* block = static_cast<char*>(GlobalLock(memory));
    const DROPFILES header{.filesOffset = sizeof(DROPFILES)};
    std::memcpy(block, &header, sizeof header);
    char* name = block + sizeof(DROPFILES);
    // The block starts zeroed, which terminates every name and the list.
    for (const std::string& file : files) {
        std::memcpy(name, file.data(), file.size());
        name += file.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

} // namespace platform
