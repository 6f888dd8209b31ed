#include "hostframework/module_paths.h"

#include "hostframework/plugin_library.h"
#include "platform/module_loading.h"

#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string DefaultPathFileNameCallback::GetPath() const
{
    return GetModuleFolder(nullptr) + fileName;
}

std::string GetModuleFolder(const char* moduleName)
{
    HMODULE module = moduleName == nullptr ? GetPlugInModuleHandle() : GetModuleHandleA(moduleName);
    if (moduleName != nullptr && module == nullptr)
        return {};
    std::vector<char> path(4096);
    const DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
    if (length >= path.size())
        return {};
    const std::string file(path.data(), length);
    const std::size_t separator = file.find_last_of("\\/:");
    return separator == std::string::npos ? std::string() : file.substr(0, separator + 1);
}

std::wstring Utf8ToWide(const std::string& text)
{
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
        char32_t c = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        const bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
        if (!valid || overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            wide += static_cast<wchar_t>(kReplacement);
            ++i;
            continue;
        }
        wide += static_cast<wchar_t>(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return wide;
}

std::string WideToUtf8(const std::wstring& text)
{
    std::string out;
    for (const wchar_t c : text)
        appendUtf8(out, static_cast<char32_t>(c));
    return out;
}
