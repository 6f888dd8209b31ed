#include "platform/shell/shell_link.h"

#include "platform/clock.h"
#include "platform/wide_text.h"
#include "platform/windows_paths.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kTextLinkPrefix = "kravo-shell-link ";
// A first line longer than any path the file system takes is no link.
constexpr std::size_t kLongestLinkLine = kTextLinkPrefix.size() + 4096;

int liveLinks = 0;

bool hasLinkExtension(std::string_view name)
{
    constexpr std::string_view extension = ".lnk";
    return name.size() >= extension.size() &&
           std::equal(extension.begin(), extension.end(), name.end() - extension.size(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

// The path the first line of a text link names.
std::optional<std::string> textLinkPath(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string line;
    for (char c; line.size() <= kLongestLinkLine && in.get(c) && c != '\n';)
        line += c;
    if (line.size() > kLongestLinkLine)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() <= kTextLinkPrefix.size() || !line.starts_with(kTextLinkPrefix))
        return std::nullopt;
    return line.substr(kTextLinkPrefix.size());
}

// The path the link file stands for, if it is a link.
std::optional<std::string> linkPath(const std::string& name)
{
    if (!hasLinkExtension(name))
        return std::nullopt;
    const std::filesystem::path file = platform::nativePath(name.c_str());
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(file, error);
    if (std::filesystem::is_symlink(status)) {
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error)
            return std::nullopt;
        return (file.parent_path() / target).lexically_normal().string();
    }
    if (std::filesystem::is_regular_file(status))
        return textLinkPath(file);
    return std::nullopt;
}

class ShellLink final : public IShellLinkA, public IPersistFile {
public:
    ShellLink() { ++liveLinks; }

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IShellLinkA)
            *object = static_cast<IShellLinkA*>(this);
        else if (iid == IID_IPersistFile)
            *object = static_cast<IPersistFile*>(this);
        else
            *object = nullptr;
        if (*object == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    ULONG AddRef() override { return ++references_; }

    ULONG Release() override
    {
        if (--references_ > 0)
            return references_;
        delete this;
        return 0;
    }

    HRESULT Load(LPCOLESTR fileName, DWORD) override
    {
        if (fileName == nullptr)
            return E_INVALIDARG;
        path_ = linkPath(platform::narrowText(fileName));
        return path_ ? S_OK : E_FAIL;
    }

    HRESULT GetPath(LPSTR file, int size, WIN32_FIND_DATAA* findData, DWORD) override
    {
        if (file == nullptr || size <= 0)
            return E_INVALIDARG;
        if (findData != nullptr)
            *findData = WIN32_FIND_DATAA{};
        const std::string stored = path_.value_or("");
        const std::size_t length = std::min(stored.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(file, stored.data(), length);
        file[length] = '\0';
        return path_ ? S_OK : E_FAIL;
    }

    HRESULT Resolve(HWND, DWORD flags, DWORD timeoutMilliseconds) override
    {
        if (!path_)
            return E_FAIL;
        std::error_code error;
        if (std::filesystem::exists(platform::nativePath(path_->c_str()), error))
            return S_OK;
        if ((flags & SLR_NO_UI) != 0)
            Sleep(timeoutMilliseconds);
        return E_FAIL;
    }

private:
    ~ShellLink() { --liveLinks; }

    ULONG references_ = 1;
    std::optional<std::string> path_;
};

} // namespace

namespace platform {

HRESULT newShellLink(REFIID iid, void** object)
{
    ShellLink* link = new ShellLink;
    const HRESULT result = static_cast<IShellLinkA*>(link)->QueryInterface(iid, object);
    static_cast<IShellLinkA*>(link)->Release();
    return result;
}

int shellLinkCount()
{
    return liveLinks;
}

} // namespace platform
