#pragma once

// Writes a host resource file in the toolbox's container format, for tests that need one.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kravo::test {

struct TestResource {
    std::uint32_t type;
    std::int16_t id;
    std::string name;
    std::vector<std::uint8_t> data;
};

inline void writeResourceFile(const std::filesystem::path& path, const std::vector<TestResource>& resources)
{
    std::vector<std::uint8_t> bytes = {'K', 'R', 'S', 'R', 0, 1};
    const auto put = [&bytes](std::uint64_t value, int width) {
        for (int i = width - 1; i >= 0; --i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(resources.size(), 2);
    for (const TestResource& resource : resources) {
        put(resource.type, 4);
        put(static_cast<std::uint16_t>(resource.id), 2);
        put(resource.name.size(), 1);
        bytes.insert(bytes.end(), resource.name.begin(), resource.name.end());
        put(resource.data.size(), 4);
        bytes.insert(bytes.end(), resource.data.begin(), resource.data.end());
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

// What a process's default root view reads on the registration road: dialogs 1 and 2 (the dialog of
// the first and second type's effect processes, dialog 1 that of any other process), each 100 × 200
// over an item list of one text.
inline std::vector<TestResource> processDialogResources()
{
    const auto dialog = [](std::uint8_t id) {
        return TestResource{0x444C4F47, id, "", {0, 0, 0, 0, 0, 100, 0, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 128}};
    };
    const std::vector<std::uint8_t> list = {0, 0, 0, 0, 0, 0, 0, 10, 0, 10, 0, 30, 0, 190, 8, 7,
                                            'P', 'r', 'o', 'c', 'e', 's', 's', 0};
    return {dialog(1), dialog(2), TestResource{0x4449544C, 128, "", list}};
}

} // namespace kravo::test
