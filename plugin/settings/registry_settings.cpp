#include "plugin/settings/registry_settings.h"

#include "platform/registry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace kravo {

namespace {

bool queryString(const char* key, const char* valueName, std::span<char> buffer, RegStringRead& outcome)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    auto size = static_cast<DWORD>(buffer.size());
    const LONG result =
        RegQueryValueExA(handle, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(handle);
    if (result == ERROR_MORE_DATA && type == REG_SZ) {
        buffer[0] = 0; // the query leaves a short buffer untouched; make it "" again explicitly
        outcome = RegStringRead::tooLong;
        return true;
    }
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return false;
    // A stored string need not carry its terminating zero; one that fills the buffer without it does not fit.
    if (size == 0 || buffer[size - 1] != 0) {
        if (size >= buffer.size()) {
            buffer[0] = 0;
            outcome = RegStringRead::tooLong;
            return true;
        }
        buffer[size] = 0;
    }
    outcome = RegStringRead::read;
    return true;
}

bool queryOpenDword(HKEY handle, const char* valueName, std::uint32_t& value)
{
    DWORD type = 0;
    DWORD stored = 0;
    DWORD size = sizeof stored;
    const LONG result = RegQueryValueExA(handle, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&stored), &size);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof stored)
        return false;
    value = stored;
    return true;
}

bool queryDword(const char* key, const char* valueName, std::uint32_t& value)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    const bool found = queryOpenDword(handle, valueName, value);
    RegCloseKey(handle);
    return found;
}

void setValue(const char* key, const char* valueName, DWORD type, const BYTE* data, DWORD size)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, valueName, 0, type, data, size);
    RegCloseKey(handle);
}

struct ControllerName {
    char text[8];
};

ControllerName controllerName(std::int32_t controller)
{
    ControllerName name{};
    std::snprintf(name.text, sizeof name.text, "%d", static_cast<int>(controller));
    return name;
}

} // namespace

RegStringRead readRegString(const char* valueName, std::span<char> buffer)
{
    if (buffer.empty())
        return RegStringRead::missing;
    buffer[0] = 0;
    RegStringRead outcome = RegStringRead::missing;
    if (!queryString(kSettingsKey, valueName, buffer, outcome)) {
        buffer[0] = 0;
        return RegStringRead::missing;
    }
    return outcome;
}

void writeRegString(const char* valueName, const char* text)
{
    setValue(kSettingsKey, valueName, REG_SZ, reinterpret_cast<const BYTE*>(text),
             static_cast<DWORD>(std::strlen(text) + 1));
}

std::uint32_t readRegDword(const char* valueName)
{
    std::uint32_t value = 0;
    return queryDword(kSettingsKey, valueName, value) ? value : 0;
}

void writeRegDword(const char* valueName, std::uint32_t value)
{
    const DWORD stored = value;
    setValue(kSettingsKey, valueName, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored);
}

std::int32_t readMidiMapEntry(std::int32_t controller)
{
    std::uint32_t value = 0;
    if (!queryDword(kMidiMapKey, controllerName(controller).text, value))
        return 0;
    return static_cast<std::int32_t>(value);
}

void readMidiMapEntries(std::span<std::int32_t> parameters)
{
    std::fill(parameters.begin(), parameters.end(), 0);
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kMidiMapKey, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return;
    for (std::size_t c = 0; c < parameters.size(); ++c) {
        std::uint32_t value = 0;
        if (queryOpenDword(handle, controllerName(static_cast<std::int32_t>(c)).text, value))
            parameters[c] = static_cast<std::int32_t>(value);
    }
    RegCloseKey(handle);
}

void writeMidiMapEntry(std::int32_t controller, std::int32_t parameter)
{
    const auto stored = static_cast<DWORD>(parameter);
    setValue(kMidiMapKey, controllerName(controller).text, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
             sizeof stored);
}

} // namespace kravo
