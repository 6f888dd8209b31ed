#include "platform/shell/shell_link.h"

#include "platform/clock.h"
#include "platform/ole/co_create_instance.h"
#include "platform/ole/ole_initialize.h"
#include "platform/wide_text.h"
#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

constexpr DWORD kResolveFlags = SLR_NO_UI | SLR_ANY_MATCH;

// Resolves a link file the way a dropped shortcut is resolved: load, resolve without asking, get the path.
class ShellLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OleInitialize(nullptr);
        platform::setClock(&clock);
        platform::setDriveRoot(drive.path());
        void* object = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, &object), S_OK);
        link = static_cast<IShellLinkA*>(object);
        ASSERT_EQ(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)), S_OK);
    }

    void TearDown() override
    {
        file->Release();
        link->Release();
        EXPECT_EQ(platform::shellLinkCount(), 0);
        platform::setDriveRoot({});
        platform::setClock(nullptr);
        OleUninitialize();
    }

    HRESULT load(const std::string& name)
    {
        std::u16string wide(MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0), u'\0');
        MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
        return file->Load(wide.c_str(), STGM_READ);
    }

    std::string path(int size = 1024)
    {
        std::string buffer(size, '?');
        WIN32_FIND_DATAA found{};
        found.dwFileAttributes = 0xFFFF;
        const HRESULT result = link->GetPath(buffer.data(), size, &found, SLGP_SHORTPATH);
        EXPECT_EQ(found.dwFileAttributes, 0u);
        return (FAILED(result) ? "failed:" : "") + std::string(buffer.c_str());
    }

    void symlink(const std::string& target, const std::string& name)
    {
        std::filesystem::create_directories((drive / name).parent_path());
        std::filesystem::create_symlink(target, drive / name);
    }

    kravo::test::TempFolder drive;
    platform::ManualClock clock{1000};
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
};

TEST_F(ShellLinkTest, ASymbolicLinkWithAnUpperCaseExtensionResolvesToItsTargetAtOnce)
{
    drive.writeFile("c/Kravo/Samples/Kick.wav", "RIFF");
    symlink("Samples/Kick.wav", "c/Kravo/Kick.LNK");
    ASSERT_EQ(load("C:\\Kravo\\Kick.LNK"), S_OK);
    EXPECT_EQ(link->Resolve(nullptr, kResolveFlags, 500), S_OK);
    EXPECT_EQ(GetTickCount(), 1000u);
    const std::string target = (drive.path() / "c/Kravo/Samples/Kick.wav").string();
    EXPECT_EQ(path(), target);
    EXPECT_EQ(path(6), target.substr(0, 5)) << "cut to the buffer";

    symlink(target, "c/Kravo/Absolute.lnk");
    ASSERT_EQ(load("C:\\Kravo\\Absolute.lnk"), S_OK);
    EXPECT_EQ(link->Resolve(nullptr, kResolveFlags, 500), S_OK);
    EXPECT_EQ(path(), target);
}

TEST_F(ShellLinkTest, ATextLinkResolvesToThePathOnItsFirstLine)
{
    drive.writeFile("c/Kravo/Samples/Snare 2.wav", "RIFF");
    drive.writeFile("c/Kravo/Snare.Lnk", "kravo-shell-link C:\\Kravo\\Samples\\Snare 2.wav\r\nkravo-shell-link C:\\x\n");
    ASSERT_EQ(load("C:\\Kravo\\Snare.Lnk"), S_OK);
    EXPECT_EQ(link->Resolve(nullptr, kResolveFlags, 500), S_OK);
    EXPECT_EQ(path(), "C:\\Kravo\\Samples\\Snare 2.wav");
    EXPECT_EQ(GetTickCount(), 1000u);
}

TEST_F(ShellLinkTest, ADanglingLinkFailsOnceItsTimeOutHasPassedOnTheClock)
{
    symlink("Samples/Gone.wav", "c/Kravo/Gone.lnk");
    ASSERT_EQ(load("C:\\Kravo\\Gone.lnk"), S_OK) << "a dangling link is still a link";
    EXPECT_EQ(link->Resolve(nullptr, kResolveFlags, 500), E_FAIL);
    EXPECT_EQ(GetTickCount(), 1500u);
    EXPECT_EQ(path(), (drive.path() / "c/Kravo/Samples/Gone.wav").string()) << "the stored path stays";

    drive.writeFile("c/Kravo/Moved.lnk", "kravo-shell-link C:\\Kravo\\Moved.wav");
    ASSERT_EQ(load("C:\\Kravo\\Moved.lnk"), S_OK);
    EXPECT_EQ(link->Resolve(nullptr, SLR_NO_UI, 20), E_FAIL);
    EXPECT_EQ(GetTickCount(), 1520u);
    EXPECT_EQ(link->Resolve(nullptr, 0, 20), E_FAIL) << "without SLR_NO_UI there is nobody to wait for";
    EXPECT_EQ(GetTickCount(), 1520u);
}

TEST_F(ShellLinkTest, NamesThatAreNoLinksFailToLoadAndLeaveNoPath)
{
    EXPECT_EQ(path(), "failed:");
    EXPECT_EQ(link->Resolve(nullptr, kResolveFlags, 500), E_FAIL);
    EXPECT_EQ(link->GetPath(nullptr, 10, nullptr, 0), E_INVALIDARG);

    drive.writeFile("c/Kravo/Kick.wav", "RIFF");
    drive.writeFile("c/Kravo/Other.lnk", "kravo-shell-link C:\\Kravo\\Kick.wav");
    symlink("Kick.wav", "c/Kravo/Kick.lnk.wav");
    drive.writeFile("c/Kravo/Wrong.lnk", "shell-link C:\\Kravo\\Kick.wav\n");
    drive.writeFile("c/Kravo/Empty.lnk", "kravo-shell-link \n");
    drive.writeFile("c/Kravo/Long.lnk", "kravo-shell-link C:\\" + std::string(5000, 'a'));
    std::filesystem::create_directories(drive / "c/Kravo/Folder.lnk");
    ASSERT_EQ(load("C:\\Kravo\\Other.lnk"), S_OK);
    for (const char* name : {"C:\\Kravo\\Kick.lnk.wav", "C:\\Kravo\\Wrong.lnk", "C:\\Kravo\\Empty.lnk",
                             "C:\\Kravo\\Long.lnk", "C:\\Kravo\\Folder.lnk", "C:\\Kravo\\Missing.lnk"}) {
        EXPECT_EQ(load(name), E_FAIL) << name;
        EXPECT_EQ(path(), "failed:") << name;
    }
    EXPECT_EQ(file->Load(nullptr, STGM_READ), E_INVALIDARG);
    EXPECT_EQ(GetTickCount(), 1000u);
}

} // namespace
