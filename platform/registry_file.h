#pragma once

// The registry's text file.
//
//   kravo-registry 1
//   key SOFTWARE\Vexo\Kravo
//   value Mapping 1 3 GM%00
//
// A "key" line names a key by its path below HKEY_CURRENT_USER; the "value" lines after it give name, type,
// size in bytes and data. Fields are separated by single spaces; in names and data every byte outside
// '!'..'~', and '%' itself, is written as %XX, so any bytes round-trip. A line that does not parse (a torn
// last line, a size that disagrees with its data) is skipped.

#include "platform/win_types.h"

#include <filesystem>
#include <map>
#include <string>

namespace platform {

// ASCII letters compare without case, as registry names do.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

struct RegistryValue {
    DWORD type = 0;
    std::string bytes;

    bool operator==(const RegistryValue&) const = default;
};

using RegistryValues = std::map<std::string, RegistryValue, CaseInsensitiveLess>;
// Keyed by path below HKEY_CURRENT_USER with "\" between names; "" is HKEY_CURRENT_USER itself.
using RegistryKeys = std::map<std::string, RegistryValues, CaseInsensitiveLess>;

// Drops empty names between separators, so "A\\B\" and "A\B" name the same key.
std::string normalisedKeyPath(const std::string& path);

RegistryKeys parseRegistryText(const std::string& text);
std::string formatRegistryText(const RegistryKeys& keys);

// A missing or unreadable file reads as an empty registry.
RegistryKeys readRegistryFile(const std::filesystem::path& file);
// Writes a temporary file beside it and renames it over the file, so readers see the old or the new whole.
bool writeRegistryFile(const std::filesystem::path& file, const RegistryKeys& keys);

// How many registry files this process has replaced so far, so that tests can tell whether a call wrote.
unsigned long registryFileWrites();

} // namespace platform
