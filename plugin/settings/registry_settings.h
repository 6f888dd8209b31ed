#pragma once

// The per-user settings store: one registry key with a sub-key for the MIDI controller map. Every call
// opens the key, does one thing and closes it again, so several plug-in objects share the store without
// holding it open. A write of what is already stored leaves the file alone; an operation that writes many
// values holds a platform::RegistryBatch so that they reach the file together. Failures are silent: a read
// yields its empty value, a failed write leaves the store as it was.

#include <cstddef>
#include <cstdint>
#include <span>

namespace kravo {

inline constexpr const char* kSettingsKey = "SOFTWARE\\Vexo\\Kravo";
inline constexpr const char* kMidiMapKey = "SOFTWARE\\Vexo\\Kravo\\Midi";

// Buffer sizes, in bytes with the terminating zero, that string settings are read into.
inline constexpr std::size_t kFolderSettingCapacity = 255;
inline constexpr std::size_t kTextSettingCapacity = 127;

enum class RegStringRead {
    read,
    // No key, no value, a value of another type, or a failed read.
    missing,
    // The value exists but does not fit the buffer; the buffer is "".
    tooLong,
};

// The buffer is "" unless the value was read whole.
RegStringRead readRegString(const char* valueName, std::span<char> buffer);
void writeRegString(const char* valueName, const char* text);

// 0 when missing.
std::uint32_t readRegDword(const char* valueName);
void writeRegDword(const char* valueName, std::uint32_t value);

// The parameter index stored for a MIDI controller, 0 when missing.
std::int32_t readMidiMapEntry(std::int32_t controller);
// The entries of controllers 0 .. parameters.size() - 1 through one opening of the key (each opening reads
// the store afresh).
void readMidiMapEntries(std::span<std::int32_t> parameters);
void writeMidiMapEntry(std::int32_t controller, std::int32_t parameter);

} // namespace kravo
