#pragma once

// The readers that take a path read each input from one file in a temporary folder of the fuzzing
// process's own, which goes with the process.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

struct FuzzInputFile {
    explicit FuzzInputFile(const std::string& name)
        : folder(std::filesystem::temp_directory_path() / ("kravo-fuzz-" + std::to_string(std::random_device{}()))),
          path((folder / name).string())
    {
        std::filesystem::create_directories(folder);
    }
    ~FuzzInputFile() { std::filesystem::remove_all(folder); }
    FuzzInputFile(const FuzzInputFile&) = delete;
    FuzzInputFile& operator=(const FuzzInputFile&) = delete;

    void write(const std::uint8_t* data, std::size_t size) const
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    std::filesystem::path folder;
    std::string path;
};
