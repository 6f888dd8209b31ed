#pragma once

// An ordered map from pointer-sized keys to pointer-sized values: the plug-in object model files
// instances under their handles and set members under their values in it.

#include <cstdint>
#include <map>

class CVoidPtrMap {
public:
    CVoidPtrMap() = default;
    CVoidPtrMap(const CVoidPtrMap&) = delete;
    CVoidPtrMap& operator=(const CVoidPtrMap&) = delete;

    // 0 for a key that is not there.
    std::uintptr_t Find(std::uintptr_t key) const;
    void Erase(std::uintptr_t key) { entries.erase(key); }
    void Set(std::uintptr_t key, std::uintptr_t value);
    // Prints the map's address and its entries in key order to the debug print; an empty map prints
    // nothing.
    void Dump() const;

private:
    std::map<std::uintptr_t, std::uintptr_t> entries;
};
