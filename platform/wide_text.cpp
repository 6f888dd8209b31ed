#include "platform/wide_text.h"

#include "platform/last_error.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point starting at bytes[at] (at < size); at moves past it, or past one byte when the
// sequence is malformed (truncated, overlong, a surrogate or beyond U+10FFFF).
char32_t decodeUtf8(const unsigned char* bytes, std::size_t size, std::size_t& at)
{
    const unsigned char lead = bytes[at++];
    if (lead < 0x80)
        return lead;
    int continuation = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return kReplacement;
    }
    if (size - at < static_cast<std::size_t>(continuation))
        return kReplacement;
    for (int i = 0; i < continuation; ++i) {
        const unsigned char next = bytes[at + i];
        if ((next & 0xC0) != 0x80)
            return kReplacement;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return kReplacement;
    at += continuation;
    return code;
}

void appendUtf16(std::vector<WCHAR>& out, char32_t code)
{
    if (code < 0x10000) {
        out.push_back(static_cast<WCHAR>(code));
        return;
    }
    code -= 0x10000;
    out.push_back(static_cast<WCHAR>(0xD800 + (code >> 10)));
    out.push_back(static_cast<WCHAR>(0xDC00 + (code & 0x3FF)));
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(WCHAR c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(WCHAR c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int byteCount, LPWSTR wide, int wideCount)
{
    if (codePage != CP_ACP || flags != 0 || multiByte == nullptr || byteCount == 0 || byteCount < -1 ||
        wideCount < 0 || (wideCount > 0 && wide == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(multiByte);
    const std::size_t size = byteCount == -1 ? std::char_traits<char>::length(multiByte) + 1 : byteCount;
    std::vector<WCHAR> converted;
    converted.reserve(size);
    for (std::size_t at = 0; at < size;)
        appendUtf16(converted, decodeUtf8(bytes, size, at));

    const int needed = static_cast<int>(converted.size());
    if (wideCount == 0)
        return needed;
    if (needed > wideCount) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::copy(converted.begin(), converted.end(), wide);
    return needed;
}

namespace platform {

std::string narrowText(LPCWSTR wide)
{
    std::string text;
    for (; *wide != 0; ++wide) {
        if (isHighSurrogate(wide[0]) && isLowSurrogate(wide[1])) {
            appendUtf8(text, 0x10000 + ((char32_t{wide[0]} - 0xD800) << 10) + (char32_t{wide[1]} - 0xDC00));
            ++wide;
        } else if (isHighSurrogate(*wide) || isLowSurrogate(*wide)) {
            appendUtf8(text, kReplacement);
        } else {
            appendUtf8(text, *wide);
        }
    }
    return text;
}

} // namespace platform
