#pragma once

// The per-user registry (HKEY_CURRENT_USER only), kept in one text file of our own format.
//
// The file is, in this order: the file set with platform::setRegistryFile(), the environment variable
// KRAVO_REGISTRY, $XDG_CONFIG_HOME/kravo/registry.txt, ~/.config/kravo/registry.txt. It is read again
// whenever a key is opened, so instances share it. Lines that do not parse are ignored. Key and value names
// compare case-insensitively. Safe to call from several threads.
//
// Writing the file means a flush to disk, so changes are gathered: what is set or created through a key
// handle is stored when the handle is closed (RegCloseKey answers ERROR_WRITE_FAULT and drops the changes
// when the file cannot be written), or, while a platform::RegistryBatch lives on the closing thread, when
// the outermost batch ends. Storing re-reads the file and lays the changes over it, so what another instance
// stored meanwhile survives, and replaces the file atomically only if some value or key really differs.
// Until then the changes are visible to the thread that made them, and to reads through the handle.

#include "platform/last_error.h"
#include "platform/win_types.h"

#include <filesystem>

using REGSAM = DWORD;
struct SECURITY_ATTRIBUTES;

#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(ULONG_PTR{0x80000001}))

inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                     SECURITY_ATTRIBUTES* security, HKEY* result, DWORD* disposition);
// Stores the bytes as given: a REG_SZ value counts its terminating zero in dataSize.
LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD dataSize);
// With data null, only the type and the size are answered; a buffer too small gets ERROR_MORE_DATA and the
// needed size, and is left untouched.
LONG RegQueryValueExA(HKEY key, LPCSTR valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* dataSize);
LONG RegCloseKey(HKEY key);

namespace platform {

std::filesystem::path registryFile();

// Points the registry at a file (tests); an empty path returns to the environment's choice.
void setRegistryFile(const std::filesystem::path& file);

// Holds back the storing of the keys closed on this thread until the outermost batch on it ends, so that
// one operation writes the file at most once. Batches nest; each must end on the thread that began it.
// A failure to store at the end is silent, and the changes are dropped.
class RegistryBatch {
public:
    RegistryBatch();
    ~RegistryBatch();
    RegistryBatch(const RegistryBatch&) = delete;
    RegistryBatch& operator=(const RegistryBatch&) = delete;
};

} // namespace platform
