#include "platform/ole/drag_drop_registry.h"

#include "platform/ole/ole_initialize.h"
#include "tests/platform/ole/counting_drop_target.h"

#include <gtest/gtest.h>

namespace {

HWND window(std::uintptr_t number)
{
    return reinterpret_cast<HWND>(number);
}

class DragDropRegistry : public ::testing::Test {
protected:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};

TEST_F(DragDropRegistry, ASecondRegistrationIsRefusedAndTheTargetIsHeldExactlyWhileRegistered)
{
    kravo::test::CountingDropTarget target;
    kravo::test::CountingDropTarget intruder;
    EXPECT_EQ(RegisterDragDrop(window(0x10), &target), S_OK);
    EXPECT_EQ(target.references, 2u);
    EXPECT_EQ(RegisterDragDrop(window(0x10), &intruder), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RegisterDragDrop(window(0x10), &target), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(intruder.references, 1u);
    EXPECT_EQ(target.references, 2u);
    EXPECT_EQ(platform::registeredDropTarget(window(0x10)), &target);
    EXPECT_EQ(RegisterDragDrop(window(0x11), &intruder), S_OK) << "each window has its own target";
    EXPECT_EQ(platform::registeredDropTarget(window(0x11)), &intruder);

    EXPECT_EQ(RevokeDragDrop(window(0x10)), S_OK);
    EXPECT_EQ(target.references, 1u);
    EXPECT_EQ(platform::registeredDropTarget(window(0x10)), nullptr);
    EXPECT_EQ(platform::registeredDropTarget(window(0x11)), &intruder);
    EXPECT_EQ(RevokeDragDrop(window(0x11)), S_OK);
    EXPECT_EQ(RevokeDragDrop(window(0x10)), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(RevokeDragDrop(window(0x12)), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(target.references, 1u);

    EXPECT_EQ(RegisterDragDrop(window(0x10), &intruder), S_OK) << "a revoked window takes a new target";
    EXPECT_EQ(RevokeDragDrop(window(0x10)), S_OK);
    EXPECT_EQ(intruder.references, 1u);
}

TEST_F(DragDropRegistry, RegistrationNeedsOleAWindowAndATargetAndHoldsNothingWhenRefused)
{
    kravo::test::CountingDropTarget target;
    EXPECT_EQ(RegisterDragDrop(nullptr, &target), E_INVALIDARG);
    EXPECT_EQ(RegisterDragDrop(window(0x30), nullptr), E_INVALIDARG);
    OleUninitialize();
    EXPECT_EQ(RegisterDragDrop(window(0x30), &target), CO_E_NOTINITIALIZED);
    OleInitialize(nullptr);
    EXPECT_EQ(target.references, 1u);
    EXPECT_EQ(platform::registeredDropTarget(window(0x30)), nullptr);
}

} // namespace
