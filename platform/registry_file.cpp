#include "platform/registry_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kHeader = "kravo-registry 1";

std::atomic<unsigned long> fileWrites{0};

bool isPlain(unsigned char c) { return c >= '!' && c <= '~' && c != '%'; }

std::string escape(const std::string& bytes)
{
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isPlain(byte)) {
            result += c;
        } else {
            result += '%';
            result += kHexDigits[byte >> 4];
            result += kHexDigits[byte & 0xF];
        }
    }
    return result;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> unescape(std::string_view field)
{
    std::string result;
    result.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto byte = static_cast<unsigned char>(field[i]);
        if (byte == '%') {
            if (i + 2 >= field.size())
                return std::nullopt;
            const int high = hexValue(field[i + 1]);
            const int low = hexValue(field[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            result += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (isPlain(byte)) {
            result += field[i];
        } else {
            return std::nullopt;
        }
    }
    return result;
}

std::optional<DWORD> parseNumber(std::string_view field)
{
    DWORD value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc{} || end != field.data() + field.size() || field.empty())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t space = line.find(' ', start);
        fields.push_back(line.substr(start, space == std::string_view::npos ? std::string_view::npos : space - start));
        if (space == std::string_view::npos)
            return fields;
        start = space + 1;
    }
}

bool writeAll(int descriptor, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(descriptor, text.data() + written, text.size() - written);
        if (count < 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

} // namespace

std::string normalisedKeyPath(const std::string& path)
{
    std::string result;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start) {
            if (!result.empty())
                result += '\\';
            result.append(path, start, end - start);
        }
        start = end + 1;
    }
    return result;
}

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

RegistryKeys parseRegistryText(const std::string& text)
{
    RegistryKeys keys;
    RegistryValues* currentKey = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        start = end + 1;

        const auto fields = splitFields(line);
        if (fields[0] == "key" && fields.size() == 2) {
            const auto path = unescape(fields[1]);
            // Values after an unreadable key line must not land in the key before it.
            currentKey = path ? &keys[normalisedKeyPath(*path)] : nullptr;
        } else if (fields[0] == "value" && fields.size() == 5 && currentKey != nullptr) {
            const auto name = unescape(fields[1]);
            const auto type = parseNumber(fields[2]);
            const auto size = parseNumber(fields[3]);
            const auto data = unescape(fields[4]);
            if (name && type && size && data && data->size() == *size)
                (*currentKey)[*name] = RegistryValue{*type, *data};
        }
    }
    return keys;
}

std::string formatRegistryText(const RegistryKeys& keys)
{
    std::ostringstream out;
    out << kHeader << '\n';
    for (const auto& [path, values] : keys) {
        out << "key " << escape(path) << '\n';
        for (const auto& [name, value] : values)
            out << "value " << escape(name) << ' ' << value.type << ' ' << value.bytes.size() << ' '
                << escape(value.bytes) << '\n';
    }
    return out.str();
}

RegistryKeys readRegistryFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream content;
    content << in.rdbuf();
    return parseRegistryText(content.str());
}

bool writeRegistryFile(const std::filesystem::path& file, const RegistryKeys& keys)
{
    static std::atomic<unsigned> temporaryCounter{0};
    std::error_code error;
    const auto folder = file.parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, error);

    auto temporary = file;
    temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(temporaryCounter++);
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return false;
    // The data must be on disk before the rename makes it the registry, or a crash could leave it empty.
    const bool written = writeAll(descriptor, formatRegistryText(keys)) && ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    const int folderDescriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        ::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
    ++fileWrites;
    return true;
}

unsigned long registryFileWrites()
{
    return fileWrites.load();
}

} // namespace platform
