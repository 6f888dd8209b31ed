// Every plug-in object reads and writes the user's settings store and files; tests must never reach the
// real ones. Each test process points the store and the drive root at a temporary folder of its own.

#include "platform/registry.h"
#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class IsolatedUserFiles : public ::testing::Environment {
public:
    void SetUp() override
    {
        folder = std::make_unique<kravo::test::TempFolder>();
        platform::setRegistryFile(folder->path() / "registry.txt");
        platform::setDriveRoot(folder->path() / "drive");
    }
    void TearDown() override
    {
        platform::setRegistryFile({});
        platform::setDriveRoot({});
        folder.reset();
    }

private:
    std::unique_ptr<kravo::test::TempFolder> folder;
};

const ::testing::Environment* const isolatedUserFiles =
    ::testing::AddGlobalTestEnvironment(new IsolatedUserFiles);

} // namespace
