#pragma once

#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/windows_paths.h"
#include "plugin/settings/registry_settings.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kravo::test {

// A fresh settings store and drive C: in a temporary folder, with no scripted dialog or message-box
// answers left over from earlier tests. Files are named by their Windows paths, e.g. "C:\\Kravo\\ECS".
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
    void TearDown() override { platform::setRegistryFile(previousRegistry); platform::setDriveRoot(previousDriveRoot); }

    static void makeFolder(const char* path) { std::filesystem::create_directories(platform::nativePath(path)); }
    static void writeFile(const char* path, const std::string& content)
    {
        std::filesystem::create_directories(platform::nativePath(path).parent_path());
        std::ofstream(platform::nativePath(path), std::ios::binary) << content;
    }
    static std::string readFile(const char* path)
    {
        std::ifstream in(platform::nativePath(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // A text setting, read whole however long it is; "" when missing.
    static std::string stored(const char* valueName)
    {
        char text[1024] = {};
        kravo::readRegString(valueName, text);
        return text;
    }

    TempFolder folder;

private:
    std::filesystem::path previousRegistry;
    std::filesystem::path previousDriveRoot;
};

} // namespace kravo::test
