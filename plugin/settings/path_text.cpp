#include "plugin/settings/path_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace kravo {

namespace {

// Longest file title the plug-in shows or builds names from.
constexpr std::size_t kMaxTitleLength = 254;

bool refuse(std::span<char> out)
{
    if (!out.empty())
        out[0] = 0;
    return false;
}

bool copyOut(std::string_view text, std::span<char> out)
{
    if (text.size() >= out.size())
        return refuse(out);
    std::copy(text.begin(), text.end(), out.begin());
    out[text.size()] = 0;
    return true;
}

std::size_t afterLastSeparator(std::string_view text)
{
    const std::size_t separator = text.find_last_of("\\/");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// The text without the extension of its last path part (a dot before the last separator is no extension).
std::string_view withoutExtension(std::string_view text)
{
    const std::size_t dot = text.find_last_of('.');
    if (dot == std::string_view::npos || dot < afterLastSeparator(text))
        return text;
    return text.substr(0, dot);
}

// Where the folder part ends. A "/" anywhere means the caller built the path with "/", so it is preferred
// over "\".
std::size_t folderSeparator(std::string_view text)
{
    const std::size_t slash = text.find_last_of('/');
    return slash != std::string_view::npos ? slash : text.find_last_of('\\');
}

} // namespace

void stripControlChars(char* text)
{
    char* kept = text;
    for (const char* c = text; *c != 0; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte >= 32 && byte <= 126)
            *kept++ = *c;
    }
    *kept = 0;
}

bool numberedName(int index, const char* name, std::span<char> out)
{
    const int number = index + 1;
    const int written = std::snprintf(out.data(), out.size(), "%s%d %s", number < 10 ? "0" : "", number, name);
    if (written < 0 || static_cast<std::size_t>(written) >= out.size())
        return refuse(out);
    return true;
}

bool toBackslashPath(const char* text, std::span<char> out)
{
    if (!copyOut(text, out))
        return false;
    std::replace(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(std::strlen(out.data())), '/', '\\');
    return true;
}

int lastBackslash(const char* text)
{
    const char* found = std::strrchr(text, '\\');
    return found == nullptr ? -1 : static_cast<int>(found - text);
}

bool fileNameFromPath(const char* path, std::span<char> out)
{
    const int backslash = lastBackslash(path);
    return copyOut(path + backslash + 1, out);
}

bool fileTitleFromPath(const char* path, std::span<char> out)
{
    const std::string_view stem = withoutExtension(path);
    const std::size_t separator = folderSeparator(stem);
    const std::string_view title = separator == std::string_view::npos ? stem : stem.substr(separator + 1);
    if (title.size() > kMaxTitleLength)
        return refuse(out);
    return copyOut(title, out);
}

bool stripExtension(const char* text, std::span<char> out)
{
    return copyOut(withoutExtension(text), out);
}

bool dirFromPath(const char* path, std::span<char> out)
{
    const std::string_view stem = withoutExtension(path);
    const std::size_t separator = folderSeparator(stem);
    return copyOut(separator == std::string_view::npos ? stem : stem.substr(0, separator + 1), out);
}

bool makeDirPath(const char* folder, const char* name, std::span<char> out)
{
    const std::size_t folderLength = std::strlen(folder);
    const std::size_t nameLength = std::strlen(name);
    if (folderLength + nameLength + 1 >= out.size())
        return refuse(out);
    std::memcpy(out.data(), folder, folderLength);
    std::memcpy(out.data() + folderLength, name, nameLength);
    out[folderLength + nameLength] = '\\';
    out[folderLength + nameLength + 1] = 0;
    return true;
}

} // namespace kravo
