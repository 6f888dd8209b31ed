#include "platform/ole/drag_drop_registry.h"

#include "platform/ole/ole_initialize.h"
#include "tests/platform/ole/counting_drop_target.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

namespace {

class DragDropRegistry : public kravo::test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        OleInitialize(nullptr);
        registerRecordingClass();
    }

    void TearDown() override
    {
        OleUninitialize();
        WindowTest::TearDown();
    }
};

TEST_F(DragDropRegistry, ASecondRegistrationIsRefusedAndTheTargetIsHeldExactlyWhileRegistered)
{
    kravo::test::CountingDropTarget target;
    kravo::test::CountingDropTarget intruder;
    HWND first = makeWindow(nullptr, {0, 0, 100, 100});
    HWND second = makeWindow(nullptr, {200, 0, 300, 100});
    EXPECT_EQ(RegisterDragDrop(first, &target), S_OK);
    EXPECT_EQ(target.references, 2u);
    EXPECT_EQ(RegisterDragDrop(first, &intruder), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RegisterDragDrop(first, &target), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(intruder.references, 1u);
    EXPECT_EQ(target.references, 2u);
    EXPECT_EQ(platform::registeredDropTarget(first), &target);
    EXPECT_EQ(RegisterDragDrop(second, &intruder), S_OK) << "each window has its own target";
    EXPECT_EQ(platform::registeredDropTarget(second), &intruder);

    EXPECT_EQ(RevokeDragDrop(first), S_OK);
    EXPECT_EQ(target.references, 1u);
    EXPECT_EQ(platform::registeredDropTarget(first), nullptr);
    EXPECT_EQ(platform::registeredDropTarget(second), &intruder);
    EXPECT_EQ(RevokeDragDrop(second), S_OK);
    EXPECT_EQ(RevokeDragDrop(first), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(target.references, 1u);

    EXPECT_EQ(RegisterDragDrop(first, &intruder), S_OK) << "a revoked window takes a new target";
    EXPECT_EQ(RevokeDragDrop(first), S_OK);
    EXPECT_EQ(intruder.references, 1u);
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST_F(DragDropRegistry, RegistrationNeedsOleALivingWindowAndATargetAndHoldsNothingWhenRefused)
{
    kravo::test::CountingDropTarget target;
    HWND window = makeWindow(nullptr, {0, 0, 100, 100});
    HWND gone = makeWindow(nullptr, {0, 0, 100, 100});
    DestroyWindow(gone);
    EXPECT_EQ(RegisterDragDrop(nullptr, &target), E_INVALIDARG);
    EXPECT_EQ(RegisterDragDrop(gone, &target), E_INVALIDARG);
    EXPECT_EQ(RegisterDragDrop(reinterpret_cast<HWND>(&target), &target), E_INVALIDARG);
    EXPECT_EQ(RegisterDragDrop(window, nullptr), E_INVALIDARG);
    OleUninitialize();
    EXPECT_EQ(RegisterDragDrop(window, &target), CO_E_NOTINITIALIZED);
    OleInitialize(nullptr);
    EXPECT_EQ(target.references, 1u);
    EXPECT_EQ(platform::registeredDropTarget(window), nullptr);
    EXPECT_EQ(platform::registeredDropTarget(gone), nullptr);
    DestroyWindow(window);
}

TEST_F(DragDropRegistry, ADestroyedWindowsTargetIsReleasedWithItAndItsChildrensToo)
{
    kravo::test::CountingDropTarget parentTarget;
    kravo::test::CountingDropTarget childTarget;
    kravo::test::CountingDropTarget otherTarget;
    HWND parent = makeWindow(nullptr, {0, 0, 200, 200});
    HWND child = makeWindow(parent, {10, 10, 50, 50});
    HWND other = makeWindow(nullptr, {300, 0, 400, 100});
    ASSERT_EQ(RegisterDragDrop(parent, &parentTarget), S_OK);
    ASSERT_EQ(RegisterDragDrop(child, &childTarget), S_OK);
    ASSERT_EQ(RegisterDragDrop(other, &otherTarget), S_OK);

    ULONG heldWhenDestroyed = 0;
    answer = [&](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
        if (delivery.message == WM_DESTROY && delivery.window == parent)
            heldWhenDestroyed = parentTarget.references;
        return std::nullopt;
    };
    DestroyWindow(parent);
    EXPECT_EQ(heldWhenDestroyed, 2u) << "the window's own WM_DESTROY may still revoke it";
    EXPECT_EQ(parentTarget.references, 1u);
    EXPECT_EQ(childTarget.references, 1u);
    EXPECT_EQ(platform::registeredDropTarget(parent), nullptr);
    EXPECT_EQ(platform::registeredDropTarget(child), nullptr);
    EXPECT_EQ(RevokeDragDrop(parent), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(otherTarget.references, 2u) << "other windows keep theirs";

    platform::resetWindowSystem();
    EXPECT_EQ(otherTarget.references, 1u) << "windows forgotten by a reset let their targets go too";
    platform::setUserInterfaceThread();
}

} // namespace
