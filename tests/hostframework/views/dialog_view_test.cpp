#include "hostframework/views/dialog_view.h"
#include "hostframework/views/mac_control_view.h"
#include "hostlibs/extension/host_extension_control.h"
#include "tests/hostframework/support/host_error_code.h"
#include "tests/hostframework/views/view_frames.h"
#include "tests/hostframework/views/view_test.h"

#include <memory>
#include <vector>

namespace {

using kravo::test::frameOf;
using kravo::test::sides;
using kravo::test::hostErrorCode;

using kravo::test::ViewTest;

// The two colours of the dialogs' background pattern 1000.
constexpr COLORREF kLightBlue = RGB(0xA0, 0xC8, 0xFF);
constexpr COLORREF kDarkBlue = RGB(0x20, 0x3C, 0x80);

class DialogViews : public ViewTest {
protected:
    static std::unique_ptr<CDialogView> dialog(std::int16_t id)
    {
        auto view = std::make_unique<CDialogView>();
        view->SetDialogID(id);
        view->Initialize();
        return view;
    }
};

TEST_F(DialogViews, TheFrameIsTheBoundsSizeAtTheOriginDisabledAndTheItemsStayWhereTheySay)
{
    auto view = dialog(128);
    EXPECT_EQ(sides(frameOf(view.get())), (std::vector<int>{0, 0, 200, 400}));
    EXPECT_FALSE(view->IsEnabled());
    EXPECT_EQ(view->GetItemListID(), 128);
    // The dialog's frame is at (0, 0) before its items are placed: they stay at their own frames.
    EXPECT_EQ(sides(frameOf(view->GetFirstSubView())), (std::vector<int>{10, 10, 30, 80}));
}

TEST_F(DialogViews, AMissingShortOrListlessDialogFails)
{
    const int handles = hostext::liveHandleCount();
    for (const std::int16_t id : {99, 129, 130, 131}) {
        CDialogView view;
        view.SetDialogID(id);
        EXPECT_EQ(hostErrorCode([&] { view.Initialize(); }), kHostErrNullValue) << id;
    }
    EXPECT_EQ(hostext::liveHandleCount(), handles);
}

TEST_F(DialogViews, TheBackgroundPatternIsLoadedOnceWithTheFirstPort)
{
    auto view = dialog(1);
    EXPECT_EQ(view->GetBackPattern(), nullptr);
    HostPort elsewhere = viewPort({0, 0, 10, 10});
    HostPort port = viewPort({0, 0, 100, 200});
    HostExtSetPort(elsewhere);
    view->SetPort(port);
    EXPECT_EQ(HostExtGetPort(), elsewhere);
    HostPixelPattern pattern = view->GetBackPattern();
    ASSERT_NE(pattern, nullptr);
    view->SetPort(nullptr);
    view->SetPort(port);
    EXPECT_EQ(view->GetBackPattern(), pattern);
    view->Draw(nullptr);
    // The root erases behind its items with its pattern.
    const platform::Image picture = pictureOf(port);
    EXPECT_EQ(picture.at(190, 90), kLightBlue);
    EXPECT_EQ(picture.at(191, 90), kDarkBlue);
    view->SetPort(nullptr);
}

TEST_F(DialogViews, ScrollingMovesEveryChildUpAndRedrawsTheUncoveredStripInTheBackPattern)
{
    auto view = dialog(1);
    HostPort port = viewPort({0, 0, 100, 200});
    view->SetPort(port);
    view->Draw(nullptr);
    // Where the strip will be, something else first.
    const HostColor black{0, 0, 0};
    HostExtSetPort(port);
    HostExtRGBForeColor(&black);
    const HostRect strip{90, 0, 100, 200};
    HostExtFillRect(&strip);
    CPlugInView* first = view->GetFirstSubView();
    CPlugInView* inner = first->GetFirstSubView();
    const HostRect before = frameOf(first);
    const HostRect innerBefore = frameOf(inner);
    view->ScrollContents(0, -10);
    EXPECT_EQ(frameOf(first).top, before.top - 10);
    EXPECT_EQ(frameOf(inner).top, innerBefore.top - 10);
    EXPECT_EQ(frameOf(first->GetNextSibling()).top, 50);
    const platform::Image picture = pictureOf(port);
    EXPECT_EQ(picture.at(150, 95), kLightBlue);
    EXPECT_EQ(picture.at(151, 95), kDarkBlue);
    view->SetPort(nullptr);
}

TEST_F(DialogViews, APictureOfADialogOfEveryKind)
{
    auto view = dialog(128);
    HostPort port = viewPort({0, 0, 200, 400});
    view->SetPort(port);
    view->Draw(nullptr);
    const platform::Image picture = pictureOf(port);
    EXPECT_TRUE(platform::writePng(picture, folder / "dialog.png"));
    // The background between the items, the button's frame, the plate of style 3, the icon's outer square.
    EXPECT_EQ(picture.at(395, 195), kDarkBlue);
    EXPECT_EQ(picture.at(10, 20), RGB(0, 0, 0));
    EXPECT_NE(picture.at(180, 70), kDarkBlue);
    EXPECT_NE(picture.at(180, 70), kLightBlue);
    EXPECT_EQ(picture.at(170, 100), RGB(0, 0, 0x22));
    // Every system control of the dialog is shown.
    for (CPlugInView* child = view->GetFirstSubView(); child != nullptr; child = child->GetNextSibling()) {
        if (auto* control = dynamic_cast<CMacControlView*>(child)) {
            EXPECT_TRUE(hostext::controlState(control->GetControl())->visible);
        }
    }
    view->SetPort(nullptr);
}

} // namespace
