#include "toolkit/drag_container.h"
#include "toolkit/drop_target.h"

#include "platform/global_memory.h"
#include "platform/ole/drag_drop_registry.h"
#include "platform/ole/drop_data_object.h"
#include "platform/ole/ole_initialize.h"
#include "platform/ole/simulated_drag.h"
#include "platform/shell/shell_link.h"
#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"
#include "tests/toolkit/support/recording_views.h"
#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Toolkit;
using kravo::test::RecordingView;

constexpr DWORD kAnyEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;

// A frame in a host window away from the screen's origin, with a view that takes drops at (10, 10) to
// (50, 50) and one that refuses them at (60, 10) to (90, 50); the C: drive in a folder of the test's.
class DragAndDrop : public kravo::test::ToolkitWindowTest {
protected:
    void SetUp() override
    {
        ToolkitWindowTest::SetUp();
        platform::setDriveRoot(drive.path());
        blocksBefore = platform::globalBlockCount();
        registerRecordingClass();
        host = makeWindow(nullptr, {300, 200, 400, 280});
        frame = new CFrame({0, 0, 100, 80}, host, nullptr);
        taker = new RecordingView({10, 10, 50, 50}, "taker", &log);
        taker->takesDrops = true;
        frame->addView(taker);
        frame->addView(new RecordingView({60, 10, 90, 50}, "refuser", &log));
    }
    void TearDown() override
    {
        frame->forget();
        DestroyWindow(host);
        EXPECT_EQ(platform::oleInitializeCount(), 0);
        EXPECT_EQ(platform::shellLinkCount(), 0);
        EXPECT_EQ(platform::globalBlockCount(), blocksBefore);
        platform::setDriveRoot({});
        ToolkitWindowTest::TearDown();
    }

    // Drops the data at the point in the frame; answers the effect and checks the data was let go.
    DWORD dropAt(platform::DropDataObject* data, CPoint where, DWORD allowed = kAnyEffect)
    {
        const DWORD effect =
            platform::simulateDrag(data, allowed, {{{300 + where.h, 200 + where.v}, MK_LBUTTON}});
        EXPECT_EQ(data->outstandingMedia(), 0);
        EXPECT_EQ(data->references(), 1u);
        data->Release();
        return effect;
    }

    kravo::test::TempFolder drive;
    HWND host = nullptr;
    CFrame* frame = nullptr;
    RecordingView* taker = nullptr;
    std::vector<std::string> log;
    int blocksBefore = 0;
};

TEST_F(DragAndDrop, ADroppedShortcutYieldsItsTargetAndOtherFilesTheirNames)
{
    drive.writeFile("c/Kravo/Kick.wav", "RIFF");
    drive.writeFile("c/Kravo/Kick.LNK", "kravo-shell-link C:\\Kravo\\Kick.wav");
    auto* data = platform::DropDataObject::forFiles({"C:\\Kravo\\Kick.LNK", "C:\\Kravo\\Snare.wav"});
    EXPECT_EQ(dropAt(data, {20, 30}), DROPEFFECT_COPY);
    EXPECT_EQ(taker->dropped, (std::vector<std::string>{"C:\\Kravo\\Kick.wav", "C:\\Kravo\\Snare.wav"}));
    EXPECT_EQ(taker->lastDragPoint, (CPoint{20, 30}));
    EXPECT_EQ(log, (std::vector<std::string>{"taker enter", "taker drop", "taker leave"}));
}

TEST_F(DragAndDrop, AShortcutWhoseTargetIsGoneStaysItselfAfterTheSearchGivesUp)
{
    drive.writeFile("c/Kravo/Gone.lnk", "kravo-shell-link C:\\Kravo\\Gone.wav");
    auto* data = platform::DropDataObject::forFiles({"C:\\Kravo\\Gone.lnk"});
    const DWORD before = GetTickCount();
    EXPECT_EQ(dropAt(data, {20, 30}), DROPEFFECT_COPY);
    EXPECT_GE(GetTickCount() - before, 500u);
    EXPECT_EQ(taker->dropped, (std::vector<std::string>{"C:\\Kravo\\Gone.lnk"}));
}

TEST_F(DragAndDrop, ADroppedTextIsOneItemWithItsWholeMemoryBlock)
{
    auto* data = platform::DropDataObject::forText("Clap");
    EXPECT_EQ(dropAt(data, {40, 40}), DROPEFFECT_COPY);
    EXPECT_EQ(taker->dropped, (std::vector<std::string>{std::string("Clap", 5)}));
}

TEST_F(DragAndDrop, NoAnswerIsEverAMove)
{
    IDropTarget* target = platform::registeredDropTarget(frame->getWindow());
    ASSERT_NE(target, nullptr);
    auto* data = platform::DropDataObject::forFiles({"C:\\Kravo\\Tom.wav"});
    DWORD effect = kAnyEffect;
    EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, {320, 230}, &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    effect = kAnyEffect;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, {320, 230}, &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(target->DragLeave(), S_OK);
    effect = kAnyEffect;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, {320, 230}, &effect), S_OK); // no drag any more
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(data->references(), 1u);
    data->Release();

    EXPECT_EQ(dropAt(platform::DropDataObject::forFiles({"C:\\Kravo\\Tom.wav"}), {70, 30}), DROPEFFECT_NONE)
        << "refused by the view";
    EXPECT_EQ(dropAt(platform::DropDataObject::forFiles({"C:\\Kravo\\Tom.wav"}), {20, 30}, DROPEFFECT_MOVE),
        DROPEFFECT_NONE)
        << "only a move offered";
    EXPECT_TRUE(taker->dropped.empty());
}

} // namespace
