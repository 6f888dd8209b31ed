#include "platform/ole/simulated_drag.h"

#include "platform/global_memory.h"
#include "platform/ole/drag_drop_registry.h"
#include "platform/ole/drop_data_object.h"
#include "platform/ole/ole_initialize.h"
#include "platform/shell/drop_files.h"
#include "tests/platform/ole/counting_drop_target.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A drop target on the stack that logs each call with its point, answers every drag with `answer`, and
// reads the file names of a drop as a window taking files would.
class FileDropTarget final : public kravo::test::StackDropTarget {
public:
    explicit FileDropTarget(DWORD answer) : answer_(answer) {}

    HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        log("enter", point);
        offered = *effect;
        keys = keyState;
        enteredWith = data;
        *effect = answer_;
        return S_OK;
    }
    HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override
    {
        log("over", point);
        keys = keyState;
        *effect = answer_;
        return S_OK;
    }
    HRESULT DragLeave() override
    {
        calls.push_back("leave");
        return S_OK;
    }
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        log("drop", point);
        keys = keyState;
        FORMATETC format{.cfFormat = CF_HDROP, .ptd = nullptr, .dwAspect = DVASPECT_CONTENT, .lindex = -1,
            .tymed = TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) == S_OK) {
            HDROP drop = static_cast<HDROP>(medium.hGlobal);
            const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT index = 0; index < count; ++index) {
                char name[MAX_PATH];
                const UINT length = DragQueryFileA(drop, index, name, sizeof name);
                files.emplace_back(name, length);
            }
            ReleaseStgMedium(&medium);
        }
        *effect = answer_;
        return S_OK;
    }

    std::vector<std::string> calls;
    DWORD offered = 0;
    DWORD keys = 0;
    IDataObject* enteredWith = nullptr;
    std::vector<std::string> files;

private:
    void log(const char* call, POINTL point)
    {
        calls.push_back(std::string(call) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
    }

    const DWORD answer_;
};

class SimulatedDrag : public kravo::test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        OleInitialize(nullptr);
        registerRecordingClass();
        blocksBefore_ = platform::globalBlockCount();
    }

    void TearDown() override
    {
        EXPECT_EQ(platform::globalBlockCount(), blocksBefore_) << "the drag left memory behind";
        OleUninitialize();
        WindowTest::TearDown();
    }

private:
    int blocksBefore_ = 0;
};

using Calls = std::vector<std::string>;

TEST_F(SimulatedDrag, AFileDragOverAChildOfATargetAnsweringCopyReachesDropWhichReadsTheFiles)
{
    FileDropTarget target(DROPEFFECT_COPY);
    HWND frame = makeWindow(nullptr, {100, 100, 500, 400});
    HWND child = makeWindow(frame, {50, 50, 150, 150});
    ASSERT_EQ(RegisterDragDrop(frame, &target), S_OK);
    ASSERT_EQ(WindowFromPoint({170, 170}), child);
    platform::DropDataObject* data = platform::DropDataObject::forFiles({"C:\\Kits\\Kick.wav", "/home/me/Clap.aif"});

    const DWORD effect = platform::simulateDrag(data, DROPEFFECT_COPY | DROPEFFECT_MOVE,
        {{{20, 20}, MK_LBUTTON}, {{110, 120}, MK_LBUTTON}, {{170, 170}, MK_LBUTTON},
            {{180, 175}, MK_LBUTTON | MK_SHIFT}});

    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(target.calls, (Calls{"enter 110,120", "over 170,170", "over 180,175", "drop 180,175"}))
        << "over no window nothing is told; over the child its parent's target is";
    EXPECT_EQ(target.offered, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_EQ(target.enteredWith, data);
    EXPECT_EQ(target.keys, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(target.files, (std::vector<std::string>{"C:\\Kits\\Kick.wav", "/home/me/Clap.aif"}));
    EXPECT_EQ(target.references, 2u) << "the drag let go of the target it held";
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x, 180);
    EXPECT_EQ(pointer.y, 175);
    EXPECT_EQ(count(WM_MOUSEMOVE), 0) << "the drag holds the mouse";
    platform::pumpMessages();
    EXPECT_EQ(count(WM_MOUSEMOVE), 0);
    EXPECT_EQ(data->outstandingMedia(), 0);
    data->Release();
    DestroyWindow(frame);
    EXPECT_EQ(target.references, 1u);
}

TEST_F(SimulatedDrag, ATargetAnsweringNoneOrAnEffectNotAllowedGetsDragLeaveInsteadOfDrop)
{
    FileDropTarget refusing(DROPEFFECT_NONE);
    FileDropTarget moving(DROPEFFECT_MOVE);
    HWND left = makeWindow(nullptr, {0, 0, 100, 100});
    HWND right = makeWindow(nullptr, {200, 0, 300, 100});
    ASSERT_EQ(RegisterDragDrop(left, &refusing), S_OK);
    ASSERT_EQ(RegisterDragDrop(right, &moving), S_OK);
    platform::DropDataObject* data = platform::DropDataObject::forFiles({"Snare.wav"});

    EXPECT_EQ(platform::simulateDrag(data, DROPEFFECT_COPY, {{{10, 10}, MK_LBUTTON}, {{20, 10}, MK_LBUTTON}}),
        DROPEFFECT_NONE);
    EXPECT_EQ(refusing.calls, (Calls{"enter 10,10", "over 20,10", "leave"}));
    EXPECT_TRUE(refusing.files.empty());

    EXPECT_EQ(platform::simulateDrag(data, DROPEFFECT_COPY, {{{250, 50}, MK_LBUTTON}}), DROPEFFECT_NONE)
        << "a move offered only a copy is no effect";
    EXPECT_EQ(moving.calls, (Calls{"enter 250,50", "leave"}));
    EXPECT_EQ(platform::simulateDrag(data, DROPEFFECT_COPY | DROPEFFECT_MOVE, {{{250, 50}, MK_LBUTTON}}),
        DROPEFFECT_MOVE);
    EXPECT_EQ(refusing.references, 2u);
    EXPECT_EQ(moving.references, 2u);
    data->Release();
    DestroyWindow(left);
    DestroyWindow(right);
}

TEST_F(SimulatedDrag, LeavingATargetTellsItAndACancelledDragEndsWithDragLeave)
{
    FileDropTarget first(DROPEFFECT_COPY);
    FileDropTarget second(DROPEFFECT_COPY);
    HWND left = makeWindow(nullptr, {0, 0, 100, 100});
    HWND right = makeWindow(nullptr, {200, 0, 300, 100});
    ASSERT_EQ(RegisterDragDrop(left, &first), S_OK);
    ASSERT_EQ(RegisterDragDrop(right, &second), S_OK);
    platform::DropDataObject* data = platform::DropDataObject::forText("Groove 1");

    const std::vector<platform::DragStep> across{
        {{50, 50}, MK_LBUTTON}, {{150, 50}, MK_LBUTTON}, {{250, 50}, MK_LBUTTON}};
    EXPECT_EQ(platform::simulateDrag(data, DROPEFFECT_COPY, across, platform::DragEnd::cancel), DROPEFFECT_NONE);
    EXPECT_EQ(first.calls, (Calls{"enter 50,50", "leave"}));
    EXPECT_EQ(second.calls, (Calls{"enter 250,50", "leave"}));

    RevokeDragDrop(right);
    first.calls.clear();
    EXPECT_EQ(platform::simulateDrag(data, DROPEFFECT_COPY, {{{50, 50}, MK_LBUTTON}, {{250, 50}, MK_LBUTTON}}),
        DROPEFFECT_NONE)
        << "released over a window without a target";
    EXPECT_EQ(first.calls, (Calls{"enter 50,50", "leave"}));
    EXPECT_EQ(platform::simulateDrag(data, DROPEFFECT_COPY, {}), DROPEFFECT_NONE);
    EXPECT_EQ(platform::simulateDrag(nullptr, DROPEFFECT_COPY, {{{50, 50}, 0}}), DROPEFFECT_NONE);
    EXPECT_EQ(first.calls.size(), 2u);
    EXPECT_EQ(first.references, 2u);
    EXPECT_EQ(second.references, 1u);
    data->Release();
    DestroyWindow(left);
    DestroyWindow(right);
}

} // namespace
