#include "hostframework/host_error.h"
#include "hostframework/views/pop_up_menu.h"
#include "hostlibs/extension/host_graphics.h"
#include "tests/hostlibs/extension/toolbox_test.h"

namespace {

using kravo::test::ToolboxTest;

std::int32_t silentProc(std::int16_t, HostMenu, HostRect*, HostPoint, HostMenuItemRecord*)
{
    return 0;
}

// A menu of 100 × 300 at (20, 10) of which 100 × 200 shows at (20, 10).
SPopUpMenuLayout tallMenu()
{
    SPopUpMenuLayout layout;
    layout.menu = {10, 20, 310, 120};
    layout.visible = {10, 20, 210, 120};
    layout.FindInner();
    return layout;
}

using PopUpMenus = ToolboxTest;

TEST_F(PopUpMenus, TheMenuIsId1000AndKnowsItsOwner)
{
    int owner = 0;
    HostMenu menu = NewPopUpMenu(&silentProc, &owner);
    EXPECT_EQ(HostExtGetMenuID(menu), 1000);
    EXPECT_EQ(HostExtGetMenuReference(menu), reinterpret_cast<std::intptr_t>(&owner));
    HostExtDisposeMenu(menu);
    try {
        NewPopUpMenu(nullptr, &owner);
        ADD_FAILURE() << "a menu the host does not make is no failure";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), kHostErrNullValue);
    }
}

TEST_F(PopUpMenus, EachCutEdgeSetsItsFlagAndTakesAStripFromTheInnerRectangle)
{
    SPopUpMenuLayout layout;
    layout.menu = {0, 0, 100, 100};
    layout.visible = {0, 0, 100, 100};
    layout.FindInner();
    EXPECT_EQ(layout.flags, 0);
    EXPECT_EQ(layout.inner.bottom, 100);

    layout.menu = {-5, -5, 105, 105};
    layout.FindInner();
    EXPECT_EQ(layout.flags, SPopUpMenuLayout::kTopCut | SPopUpMenuLayout::kBottomCut | SPopUpMenuLayout::kLeftCut |
                                SPopUpMenuLayout::kRightCut);
    EXPECT_EQ(layout.inner.top, 12);
    EXPECT_EQ(layout.inner.left, 12);
    EXPECT_EQ(layout.inner.bottom, 88);
    EXPECT_EQ(layout.inner.right, 88);
}

TEST_F(PopUpMenus, TheScrollStepIsTheHiddenPartTowardsTheMouseAnd16AtMost)
{
    SPopUpMenuLayout layout = tallMenu();
    std::int16_t dh = 1;
    std::int16_t dv = 1;
    layout.GetScrollStep({100, 50}, &dh, &dv);
    EXPECT_EQ(dh, 0);
    EXPECT_EQ(dv, 0);
    // On the bottom strip: up by 16 of the 100 hidden below; above the inner top nothing is hidden.
    layout.GetScrollStep({205, 50}, &dh, &dv);
    EXPECT_EQ(dv, -16);
    layout.GetScrollStep({5, 50}, &dh, &dv);
    EXPECT_EQ(dv, 0);

    layout.menu = {-190, 20, 110, 120};
    layout.FindInner();
    layout.GetScrollStep({205, 50}, &dh, &dv);
    EXPECT_EQ(dv, 0);
    layout.menu = {3, 20, 303, 120};
    layout.FindInner();
    layout.GetScrollStep({15, 50}, &dh, &dv);
    EXPECT_EQ(dv, 7);

    // Sideways likewise; a visible rectangle wider than the menu hides nothing.
    layout.menu = {10, 0, 210, 300};
    layout.visible = {10, 20, 210, 120};
    layout.FindInner();
    layout.GetScrollStep({100, 25}, &dh, &dv);
    EXPECT_EQ(dh, 16);
    layout.GetScrollStep({100, 115}, &dh, &dv);
    EXPECT_EQ(dh, -16);
    layout.menu = {10, 40, 210, 100};
    layout.FindInner();
    layout.GetScrollStep({100, 15}, &dh, &dv);
    EXPECT_EQ(dh, 0);
}

TEST_F(PopUpMenus, ScrollingMovesTheInnerPixelsAndTheMenuAndTellsWhenTheCutsChanged)
{
    HostPort port = offscreen({0, 0, 320, 140});
    SPopUpMenuLayout layout = tallMenu();
    const HostRect mark{100, 50, 104, 54};
    HostExtFillRect(&mark);
    HostRegion uncovered = HostExtNewRegion();

    EXPECT_TRUE(layout.Scroll(0, -16, uncovered));
    EXPECT_EQ(layout.menu.top, -6);
    EXPECT_EQ(layout.menu.bottom, 294);
    EXPECT_EQ(layout.flags, SPopUpMenuLayout::kTopCut | SPopUpMenuLayout::kBottomCut);
    EXPECT_EQ(layout.inner.top, 22);
    HostRect bounds{};
    HostExtGetRegionBounds(uncovered, &bounds);
    EXPECT_EQ(bounds.top, 182);
    EXPECT_EQ(bounds.bottom, 198);
    const platform::Image picture = pictureOf(port);
    EXPECT_EQ(picture.at(51, 85), kBlack);
    EXPECT_EQ(picture.at(51, 101), kWhite);

    EXPECT_FALSE(layout.Scroll(0, -16, uncovered));
    HostExtDisposeRegion(uncovered);
}

TEST_F(PopUpMenus, ArrowStripsPointOutwardsOnTheErasedStrip)
{
    HostPort port = offscreen({0, 0, 240, 140});
    const HostColor grey{0x8080, 0x8080, 0x8080};
    HostExtRGBForeColor(&grey);
    const HostRect all{0, 0, 240, 140};
    HostExtFillRect(&all);
    const HostColor black{0, 0, 0};
    const HostColor back{0xF5F5, 0xF7F7, 0xFBFB};
    HostExtRGBForeColor(&black);
    HostExtRGBBackColor(&back);
    SPopUpMenuLayout layout;
    layout.menu = {0, 20, 300, 120};
    layout.visible = {10, 20, 210, 120};
    layout.FindInner();
    layout.DrawArrowStrips();

    const platform::Image picture = pictureOf(port);
    const COLORREF strip = RGB(0xF5, 0xF7, 0xFB);
    // The top strip: v 10..21, its arrow's point 3 below its top and its base 6 deeper, 12 wide.
    EXPECT_EQ(picture.at(25, 11), strip);
    EXPECT_EQ(picture.at(70, 12), strip);
    EXPECT_EQ(picture.at(70, 14), kBlack);
    EXPECT_EQ(picture.at(65, 18), kBlack);
    EXPECT_EQ(picture.at(74, 18), kBlack);
    EXPECT_EQ(picture.at(62, 18), strip);
    EXPECT_EQ(picture.at(70, 20), strip);
    // The bottom strip: v 198..209, pointing down.
    EXPECT_EQ(picture.at(70, 205), kBlack);
    EXPECT_EQ(picture.at(65, 201), kBlack);
    EXPECT_EQ(picture.at(65, 205), strip);
    EXPECT_EQ(picture.at(70, 208), strip);
    // Nothing on the sides, which are not cut, nor outside the visible rectangle.
    EXPECT_EQ(picture.at(22, 110), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(picture.at(70, 5), RGB(0x80, 0x80, 0x80));

    layout.menu = {10, 0, 210, 140};
    layout.FindInner();
    layout.DrawArrowStrips();
    const platform::Image sides = pictureOf(port);
    // The left arrow points left: its point at h 23, its base at h 29 across v 104..116.
    EXPECT_EQ(sides.at(24, 110), kBlack);
    EXPECT_EQ(sides.at(28, 105), kBlack);
    EXPECT_EQ(sides.at(25, 105), strip);
    EXPECT_EQ(sides.at(115, 110), kBlack);
    EXPECT_EQ(sides.at(112, 113), kBlack);
}

TEST_F(PopUpMenus, AnErrorInTheProcedureIsKeptAndStopsItUntilThrown)
{
    CMenuProcedureFailure failure;
    int calls = 0;
    EXPECT_EQ(failure.Run([&] { return ++calls; }), 1);
    EXPECT_EQ(failure.Run([&]() -> std::int32_t {
                  ++calls;
                  throw CHostError(-7400);
              }),
              0);
    EXPECT_EQ(failure.Run([&] { return ++calls; }), 0);
    EXPECT_EQ(calls, 2);
    EXPECT_THROW(failure.ThrowKept(), CHostError);
    EXPECT_NO_THROW(failure.ThrowKept());
    EXPECT_EQ(failure.Run([&] { return ++calls; }), 3);

    failure.Run([]() -> std::int32_t { throw std::bad_alloc(); });
    failure.Forget();
    EXPECT_NO_THROW(failure.ThrowKept());
}

} // namespace
