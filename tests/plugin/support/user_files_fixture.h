#pragma once

#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kravo::test {

// A fresh settings store and drive C: in a temporary folder, with no scripted dialog or message-box
// answers left over from earlier tests.
class UserFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousRegistry = platform::registryFile();
        previousDriveRoot = platform::driveRoot();
        platform::setRegistryFile(folder / "registry.txt");
        platform::setDriveRoot(folder / "drive");
        platform::resetFileDialogs();
        platform::resetMessageBoxes();
    }
    void TearDown() override
    {
        platform::resetFileDialogs();
        platform::resetMessageBoxes();
        platform::setRegistryFile(previousRegistry);
        platform::setDriveRoot(previousDriveRoot);
    }

    // Creates a folder given as a Windows path, e.g. "C:\\Kravo\\ECS".
    void makeFolder(const char* windowsPath) const
    {
        std::filesystem::create_directories(platform::nativePath(windowsPath));
    }
    void writeFile(const char* windowsPath, const std::string& content) const
    {
        const std::filesystem::path file = platform::nativePath(windowsPath);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
    }
    std::string readFile(const char* windowsPath) const
    {
        std::ifstream in(platform::nativePath(windowsPath), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    TempFolder folder;

private:
    std::filesystem::path previousRegistry;
    std::filesystem::path previousDriveRoot;
};

} // namespace kravo::test
