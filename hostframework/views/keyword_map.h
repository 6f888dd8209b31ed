#pragma once

// The names the host-side view texts are read with: each name stands for a view creator, a
// constant or a function. Groups register their own view types here at start-up.

#include <cstdint>
#include <string>

class CPlugInView;

// Makes a new, default-constructed view of its class; null when it cannot.
using ViewCreator = CPlugInView* (*)();

struct SKeyword {
    std::int32_t kind;
    std::intptr_t value;
};

inline constexpr std::int32_t kViewCreatorKeyword = 4;

// Registering a name again replaces its entry.
void registerKeyword(const std::string& name, std::int32_t kind, std::intptr_t value);
void registerViewCreator(const std::string& name, ViewCreator creator);
// True with the entry when the name is known (case-sensitive).
bool lookupKeyword(const std::string& name, SKeyword* keyword);
