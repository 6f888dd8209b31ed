#include "hostframework/views/icon_view.h"
#include "hostframework/views/mac_control_view.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_extension_control.h"
#include "tests/hostframework/support/host_error_code.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/view_test.h"

#include <memory>
#include <string>

namespace {

using kravo::test::hostErrorCode;

using kravo::test::editorRecord;

using kravo::test::ViewTest;


class SystemControlViews : public ViewTest {
protected:
    template <typename View>
    static std::unique_ptr<View> built(const std::string& text, HostRect frame = {10, 10, 26, 90})
    {
        const SViewRecord record = editorRecord(text, frame);
        bool isDescription = false;
        std::unique_ptr<CCustomView> view(BuildViewFromRecord(&record, &isDescription));
        return std::unique_ptr<View>(dynamic_cast<View*>(view.release()));
    }

    // The code a new view of the class throws reading the description; 0 when it reads it.
    template <typename View>
    static std::int32_t readCode(const std::string& text)
    {
        const SViewRecord record = editorRecord(text, {0, 0, 10, 10});
        SParseState state(&record);
        EXPECT_TRUE(ParseDescription(state)) << text;
        View view;
        return hostErrorCode([&] { view.ReadDescription(state); });
    }
};

TEST_F(SystemControlViews, ACheckBoxIsMadeOnlyWithAPortAndShownAtItsFirstDraw)
{
    auto box = built<CCheckBoxView>("!CheckBox[('cbox')(\"Box\" 0 1 1)]");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetControl(), nullptr);
    const int controls = hostext::liveControlCount();
    HostPort port = viewPort({0, 0, 40, 100});
    box->SetPort(port);
    ASSERT_NE(box->GetControl(), nullptr);
    auto state = hostext::controlState(box->GetControl());
    EXPECT_EQ(state->kind, kHostCheckBox);
    EXPECT_EQ(state->value, 1);
    EXPECT_EQ(state->title, "Box");
    EXPECT_EQ(state->reference, reinterpret_cast<std::intptr_t>(box.get()));
    EXPECT_FALSE(state->visible);
    EXPECT_EQ(hostext::liveControlCount(), controls + 1);
    box->SetPort(nullptr);
    EXPECT_EQ(box->GetControl(), nullptr);
    EXPECT_EQ(hostext::liveControlCount(), controls);
    box->SetPort(port);
    EXPECT_FALSE(hostext::controlState(box->GetControl())->visible);
    box->Draw(nullptr);
    EXPECT_TRUE(hostext::controlState(box->GetControl())->visible);
    EXPECT_FALSE(painted(port).empty());
    box.reset();
    EXPECT_EQ(hostext::liveControlCount(), controls);
}

TEST_F(SystemControlViews, EachKeywordChoosesItsKindOfControl)
{
    auto button = built<CButtonView>("!Button[('bttn')(\"Go\" 0 1 0)]");
    auto radio = built<CRadioButtonView>("!RadioButton[('rdio')(\"One\" 0 1 0)]");
    ASSERT_NE(button, nullptr);
    ASSERT_NE(radio, nullptr);
    HostPort port = viewPort({0, 0, 40, 100});
    button->SetPort(port);
    radio->SetPort(port);
    EXPECT_EQ(hostext::controlState(button->GetControl())->kind, kHostPushButton);
    EXPECT_EQ(hostext::controlState(radio->GetControl())->kind, kHostRadioButton);
    button->SetPort(nullptr);
    radio->SetPort(nullptr);
    // The base class has no kind.
    CMacControlView bare;
    EXPECT_EQ(hostErrorCode([&] { bare.SetPort(port); }), kHostErrCheckFailed);
    bare.SetPort(nullptr);
}

TEST_F(SystemControlViews, TheDescriptionNeedsATitleAndThreeNumbersAndNothingMore)
{
    EXPECT_EQ(readCode<CCheckBoxView>("!CheckBox[('cbox')(\"Box\" 0 1 1)]"), 0);
    EXPECT_EQ(readCode<CCheckBoxView>("!CheckBox[('cbox')]"), kHostErrNullValue);
    EXPECT_EQ(readCode<CCheckBoxView>("!CheckBox[('cbox')(\"Box\" 0 1)]"), kHostErrNullValue);
    EXPECT_EQ(readCode<CCheckBoxView>("!CheckBox[('cbox')()]"), kHostErrNullValue);
    EXPECT_EQ(readCode<CCheckBoxView>("!CheckBox[('cbox')(3 0 1 1)]"), kHostErrCheckFailed);
    EXPECT_EQ(readCode<CCheckBoxView>("!CheckBox[('cbox')(\"Box\" 0 \"1\" 1)]"), kHostErrCheckFailed);
    EXPECT_EQ(readCode<CCheckBoxView>("!CheckBox[('cbox')(\"Box\" 0 1 1 1)]"), kHostErrCheckFailed);
}

TEST_F(SystemControlViews, AClickTracksTheControlAndTheViewFollowsItsMoves)
{
    auto box = built<CCheckBoxView>("!CheckBox[('cbox')(\"Box\" 0 1 0)]");
    box->SetEnabled(true);
    HostPort port = viewPort({0, 0, 40, 100});
    box->SetPort(port);
    script().move(20, 15);
    script().press(VK_LBUTTON);
    script().wait(5);
    script().release(VK_LBUTTON);
    click(*box, 20, 15);
    EXPECT_EQ(HostExtGetControlValue(box->GetControl()), 1);
    box->OffsetBy(5, 7);
    HostRect bounds{};
    HostExtGetControlBounds(box->GetControl(), &bounds);
    EXPECT_EQ(bounds.top, 17);
    EXPECT_EQ(bounds.left, 15);
    EXPECT_EQ(bounds.bottom, 33);
    box->SetPort(nullptr);
}

TEST_F(SystemControlViews, AControlOfTheResourceFileTakesItsSizeAtTheViewsPlace)
{
    CResControlView view;
    view.SetFrame({30, 40, 31, 41});
    HostPort port = viewPort({0, 0, 100, 200});
    EXPECT_EQ(hostErrorCode([&] { view.SetPort(port); }), kHostErrCheckFailed);
    EXPECT_EQ(view.GetControl(), nullptr);
    view.SetResourceID(128);
    view.SetPort(port);
    ASSERT_NE(view.GetControl(), nullptr);
    HostRect frame{};
    view.GetFrame(&frame);
    EXPECT_EQ(frame.top, 30);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.bottom, 50);
    EXPECT_EQ(frame.right, 100);
    EXPECT_EQ(hostext::controlState(view.GetControl())->title, "Res");
    view.SetPort(nullptr);
    view.SetResourceID(130); // cut inside its numbers
    EXPECT_EQ(hostErrorCode([&] { view.SetPort(port); }), kHostErrNullValue);
    view.SetPort(nullptr);
}

TEST_F(SystemControlViews, AnIconOfTheCurrentIdStaysAndNoIconDrawsNothing)
{
    CIconView icon;
    icon.SetFrame({0, 0, 8, 8});
    icon.SetIconID(128);
    ASSERT_TRUE(icon.HasIcon());
    const int handles = hostext::liveHandleCount();
    icon.SetIconID(128);
    EXPECT_EQ(hostext::liveHandleCount(), handles);
    HostPort port = viewPort({0, 0, 8, 8});
    icon.SetPort(port);
    icon.Draw(nullptr);
    EXPECT_EQ(painted(port).size(), 28u + 12u); // the outer square and the inner one
    icon.SetIconID(-1);
    EXPECT_FALSE(icon.HasIcon());
    EXPECT_EQ(hostext::liveHandleCount(), handles - 1);
    const HostRect all{0, 0, 8, 8};
    HostExtSetPort(port);
    HostExtEraseRect(&all);
    icon.Draw(nullptr);
    EXPECT_TRUE(painted(port).empty());
    icon.SetIconID(129); // shorter than its size says: kept, plotted as nothing
    icon.Draw(nullptr);
    EXPECT_TRUE(painted(port).empty());
    icon.SetIconID(300); // missing
    EXPECT_FALSE(icon.HasIcon());
    icon.SetPort(nullptr);
}

} // namespace
