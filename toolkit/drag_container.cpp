#include "toolkit/drag_container.h"

#include "platform/global_memory.h"
#include "platform/ole/co_create_instance.h"
#include "platform/shell/drop_files.h"
#include "platform/shell/shell_link.h"
#include "platform/wide_text.h"

#include <cctype>
#include <cstring>

namespace Toolkit {

namespace {

constexpr UINT kCountFiles = 0xFFFFFFFF;
// File names longer than this are cut.
constexpr UINT kMaxFileName = 1023;
constexpr int kMaxWideLinkName = 2048;
constexpr DWORD kResolveTimeoutMilliseconds = 500;

FORMATETC formatOf(CLIPFORMAT format)
{
    return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool isShellLinkName(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    if (dot == nullptr || std::strlen(dot) != 4)
        return false;
    const char* extension = ".lnk";
    for (int at = 0; at < 4; ++at)
        if (std::tolower(static_cast<unsigned char>(dot[at])) != extension[at])
            return false;
    return true;
}

// The path the link stands for, when every step of reading and resolving it succeeds; the search for a
// missing target asks no user and gives up after a while.
bool resolveShellLink(const char* name, char* target, int targetSize)
{
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
            reinterpret_cast<void**>(&link))))
        return false;
    bool resolved = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        WCHAR wideName[kMaxWideLinkName];
        resolved = MultiByteToWideChar(CP_ACP, 0, name, -1, wideName, kMaxWideLinkName) > 0 &&
            SUCCEEDED(file->Load(wideName, STGM_READ)) &&
            SUCCEEDED(link->Resolve(nullptr, SLR_NO_UI | SLR_ANY_MATCH, kResolveTimeoutMilliseconds)) &&
            SUCCEEDED(link->GetPath(target, targetSize, nullptr, SLGP_SHORTPATH));
        file->Release();
    }
    link->Release();
    return resolved;
}

std::unique_ptr<char[]> copyOf(const char* text, std::size_t length)
{
    auto copy = std::make_unique<char[]>(length + 1);
    std::memcpy(copy.get(), text, length);
    return copy;
}

} // namespace

CDragContainer::CDragContainer(IDataObject* data) : data(data)
{
    data->AddRef();
    if (offersText()) {
        nbItems = 1;
        return;
    }
    FORMATETC files = formatOf(CF_HDROP);
    STGMEDIUM medium{};
    if (SUCCEEDED(data->GetData(&files, &medium))) {
        nbItems = static_cast<std::int32_t>(DragQueryFileA(static_cast<HDROP>(medium.hGlobal), kCountFiles, nullptr, 0));
        ReleaseStgMedium(&medium);
    }
}

CDragContainer::~CDragContainer()
{
    data->Release();
}

bool CDragContainer::offersText() const
{
    FORMATETC text = formatOf(CF_TEXT);
    return data->QueryGetData(&text) == S_OK;
}

std::int32_t CDragContainer::getType(std::int32_t) const
{
    return offersText() ? kText : kFile;
}

void* CDragContainer::first(std::int32_t& size, std::int32_t& type)
{
    iterator = 0;
    return next(size, type);
}

void* CDragContainer::next(std::int32_t& size, std::int32_t& type)
{
    lastItem.reset();
    size = 0;
    type = kNoType;
    FORMATETC text = formatOf(CF_TEXT);
    FORMATETC files = formatOf(CF_HDROP);
    STGMEDIUM medium{};
    const bool isText = SUCCEEDED(data->GetData(&text, &medium));
    if (!isText && FAILED(data->GetData(&files, &medium)))
        return nullptr;
    if (medium.hGlobal == nullptr) {
        ReleaseStgMedium(&medium);
        return nullptr;
    }
    const std::int32_t index = iterator++;
    if (isText) {
        const void* bytes = index == 0 ? GlobalLock(medium.hGlobal) : nullptr;
        if (bytes != nullptr) {
            const SIZE_T length = GlobalSize(medium.hGlobal);
            lastItem = copyOf(static_cast<const char*>(bytes), length);
            size = static_cast<std::int32_t>(length);
            type = kText;
            GlobalUnlock(medium.hGlobal);
        }
    } else {
        char name[kMaxFileName + 1];
        const auto drop = static_cast<HDROP>(medium.hGlobal);
        if (DragQueryFileA(drop, static_cast<UINT>(index), name, sizeof name) > 0) {
            char target[kMaxFileName + 1];
            if (isShellLinkName(name) && resolveShellLink(name, target, sizeof target))
                std::strcpy(name, target);
            const std::size_t length = std::strlen(name);
            lastItem = copyOf(name, length);
            size = static_cast<std::int32_t>(length);
            type = kFile;
        }
    }
    ReleaseStgMedium(&medium);
    return lastItem.get();
}

} // namespace Toolkit
