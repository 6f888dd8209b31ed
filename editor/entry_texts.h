#pragma once

// A menu's entries as the factories take them (zero-terminated texts), from one of the plug-in's name
// lists.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

class EntryTexts {
public:
    explicit EntryTexts(std::span<const std::string_view> names) : texts(names.begin(), names.end())
    {
        for (const std::string& text : texts)
            pointers.push_back(text.c_str());
    }
    EntryTexts(const EntryTexts&) = delete;
    EntryTexts& operator=(const EntryTexts&) = delete;

    const char* const* entries() const { return pointers.data(); }
    std::int32_t count() const { return static_cast<std::int32_t>(pointers.size()); }

private:
    std::vector<std::string> texts;
    std::vector<const char*> pointers;
};

} // namespace editor
