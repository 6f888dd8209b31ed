#include "platform/desktop/desktop_drops.h"
#include "platform/global_memory.h"
#include "platform/ole/drag_drop_registry.h"
#include "platform/ole/ole_initialize.h"
#include "platform/shell/drop_files.h"
#include "tests/platform/desktop/desktop_test.h"
#include "tests/platform/ole/counting_drop_target.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A drop target that logs each call with its point and the files of a drop, and takes every drag as a
// copy.
class LoggingDropTarget final : public kravo::test::StackDropTarget {
public:
    HRESULT DragEnter(IDataObject*, DWORD keyState, POINTL point, DWORD* effect) override
    {
        return log("enter", keyState, point, effect);
    }
    HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override
    {
        return log("over", keyState, point, effect);
    }
    HRESULT DragLeave() override
    {
        calls.push_back("leave");
        return S_OK;
    }
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        FORMATETC format{.cfFormat = CF_HDROP, .ptd = nullptr, .dwAspect = DVASPECT_CONTENT, .lindex = -1,
            .tymed = TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) == S_OK) {
            HDROP drop = static_cast<HDROP>(medium.hGlobal);
            for (UINT index = 0; index < DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0); ++index) {
                char name[MAX_PATH];
                files.emplace_back(name, DragQueryFileA(drop, index, name, sizeof name));
            }
            ReleaseStgMedium(&medium);
        }
        return log("drop", keyState, point, effect);
    }

    std::vector<std::string> calls;
    std::vector<std::string> files;

private:
    HRESULT log(const char* call, DWORD keyState, POINTL point, DWORD* effect)
    {
        calls.push_back(std::string(call) + " " + std::to_string(point.x) + "," + std::to_string(point.y) +
            (keyState == MK_LBUTTON ? " left" : " other"));
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
};

class DesktopDrops : public kravo::test::DesktopTest {
protected:
    void SetUp() override
    {
        DesktopTest::SetUp();
        OleInitialize(nullptr);
        window = makeWindow(nullptr, {100, 50, 420, 250});
        ASSERT_EQ(RegisterDragDrop(window, &target), S_OK);
        blocksBefore_ = platform::globalBlockCount();
    }

    void TearDown() override
    {
        EXPECT_EQ(platform::globalBlockCount(), blocksBefore_) << "the drop left memory behind";
        DestroyWindow(window);
        EXPECT_EQ(target.references, 1u);
        OleUninitialize();
        DesktopTest::TearDown();
    }

    void pushDrop(Uint32 type, const char* file = nullptr)
    {
        SDL_Event event{};
        event.drop.type = type;
        event.drop.file = file != nullptr ? SDL_strdup(file) : nullptr;
        event.drop.windowID = sdlId(window);
        push(event);
    }

    LoggingDropTarget target;
    HWND window = nullptr;

private:
    int blocksBefore_ = 0;
};

using Calls = std::vector<std::string>;

TEST_F(DesktopDrops, AFileDroppedOnTheWindowEntersMovesOverAndDropsAtThePointerWithItsPath)
{
    pushMotion(window, 30, 40);
    pushDrop(SDL_DROPFILE, "/home/me/Kits/Kick.wav");

    platform::pumpMessages();

    EXPECT_EQ(target.calls, (Calls{"enter 130,90 left", "over 130,90 left", "drop 130,90 left"}));
    EXPECT_EQ(target.files, (std::vector<std::string>{"/home/me/Kits/Kick.wav"}));
}

TEST_F(DesktopDrops, TheFilesOfOneDropArriveTogether)
{
    pushMotion(window, 30, 40);
    pushDrop(SDL_DROPBEGIN);
    pushDrop(SDL_DROPFILE, "/tmp/a.wav");
    pushDrop(SDL_DROPFILE, "/tmp/b.aif");
    pushDrop(SDL_DROPCOMPLETE);

    platform::pumpMessages();

    EXPECT_EQ(target.files, (std::vector<std::string>{"/tmp/a.wav", "/tmp/b.aif"}));
    EXPECT_EQ(std::count(target.calls.begin(), target.calls.end(), "drop 130,90 left"), 1);
}

TEST_F(DesktopDrops, ADropOfNoFilesIsNone)
{
    pushDrop(SDL_DROPBEGIN);
    pushDrop(SDL_DROPCOMPLETE);

    platform::pumpMessages();

    EXPECT_TRUE(target.calls.empty());
}

} // namespace
