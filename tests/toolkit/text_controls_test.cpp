#include "toolkit/text_edit.h"
#include "toolkit/text_label.h"

#include "platform/gdi/text.h"
#include "platform/window/edit/edit_control.h"
#include "tests/toolkit/support/control_test.h"
#include "toolkit/messages.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/view_container.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using namespace Toolkit;
using Log = std::vector<std::string>;

constexpr CColor kBack{20, 40, 60, 255};
constexpr CColor kFrameColour{200, 10, 10, 255};
constexpr CColor kText{250, 250, 0, 255};
constexpr CColor kShadow{0, 200, 255, 255};

class TextLabel : public kravo::test::ToolkitTest {
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        platform::setTextAntialiasing(false);
        frame = new kravo::test::WindowlessFrame({0, 0, 50, 20});
        buffer = new COffscreenContext(frame, 50, 20, kWhiteColor);
    }
    void TearDown() override
    {
        buffer->forget();
        frame->forget();
        platform::setTextAntialiasing(true);
        ToolkitTest::TearDown();
    }

    platform::Image picture() { return *platform::captureImage(buffer->getSystemContext(), {0, 0, 50, 20}); }

    kravo::test::WindowlessFrame* frame = nullptr;
    COffscreenContext* buffer = nullptr;
};

TEST_F(TextLabel, AShadowedSunkenLabelOverItsBoxIsDrawnAsExpected)
{
    constexpr CRect place{4, 2, 44, 18};
    CTextLabel label(place, "Kick", nullptr, kShadowText | k3DIn);
    EXPECT_TRUE(label.isTypeOf("CTextLabel"));
    EXPECT_TRUE(label.isTypeOf("CParamDisplay"));
    label.setBackColor(kBack);
    label.setFrameColor(kFrameColour);
    label.setFontColor(kText);
    label.setShadowColor(kShadow);
    label.draw(buffer);
    const platform::Image drawn = picture();

    // The box, its sunken edge (back colour left and top one row down, frame colour right and bottom),
    // the shadow one pixel right and down, then the text.
    buffer->setFillColor(kWhiteColor);
    buffer->drawRect({0, 0, 50, 20}, kFill);
    buffer->setFillColor(kBack);
    buffer->fillRect(place);
    buffer->setFrameColor(kBack);
    buffer->moveTo({4, 17});
    buffer->lineTo({4, 3});
    buffer->lineTo({43, 3});
    buffer->setFrameColor(kFrameColour);
    buffer->lineTo({43, 17});
    buffer->lineTo({4, 17});
    buffer->setClipRect(place);
    buffer->setFont(kArial12);
    buffer->setFontColor(kShadow);
    buffer->drawString("Kick", {5, 3, 45, 19}, false, kAlignCentre);
    buffer->setFontColor(kText);
    buffer->drawString("Kick", place, false, kAlignCentre);
    EXPECT_EQ(drawn, picture());
    EXPECT_FALSE(label.isDirty());
}

TEST_F(TextLabel, KeepsACopyOfItsTextOrNone)
{
    char text[] = "Snare";
    CTextLabel label({0, 0, 40, 16}, text);
    text[0] = 'X';
    EXPECT_STREQ(label.getText(), "Snare");
    label.setText(nullptr);
    EXPECT_EQ(label.getText(), nullptr);
    label.draw(buffer);
    label.setText("Tom");
    EXPECT_STREQ(label.getText(), "Tom");
}

// A container that logs the messages its children send it.
class NotedContainer : public CViewContainer {
public:
    NotedContainer(const CRect& size, CFrame* frame, Log& log) : CViewContainer(size, frame, nullptr), log_(log) {}
    std::int32_t notify(CView* sender, const char* message) override
    {
        if (message == kMsgLooseFocus)
            log_.push_back("LooseFocus");
        return CViewContainer::notify(sender, message);
    }

private:
    Log& log_;
};

// A text edit at (10, 20) in a container at (5, 4) of the frame, which lies at (300, 200) on the screen.
class TextEdit : public kravo::test::ControlWindowTest {
protected:
    static constexpr CRect kFieldPlace{10, 20, 70, 36};
    static constexpr CPoint kFieldOnScreen{315, 224};

    void SetUp() override
    {
        ControlWindowTest::SetUp();
        platform::setTextAntialiasing(false);
        gdiAtStart = platform::gdiObjectCounts();
        container = new NotedContainer({5, 4, 95, 76}, frame, log);
        frame->addView(container);
    }
    void TearDown() override
    {
        platform::setTextAntialiasing(true);
        ControlWindowTest::TearDown();
    }

    CTextEdit* field(const char* text, std::int32_t style = 0)
    {
        auto* edit = new CTextEdit(kFieldPlace, &listener, 3, text, nullptr, style);
        container->addView(edit);
        frame->idle();
        return edit;
    }
    void clickField() { clickAt(5 + 20, 4 + 25); }
    void clickElsewhere() { clickAt(90, 75); }
    void typeText(std::string_view text)
    {
        for (const char letter : text) {
            script().press(VK_A + (letter - 'a'));
            script().release(VK_A + (letter - 'a'));
        }
        runScript();
    }
    void pressKey(int key)
    {
        script().press(key);
        script().release(key);
        runScript();
    }
    static std::string classOf(HWND window)
    {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        return name;
    }

    kravo::test::RecordingListener listener{log};
    NotedContainer* container = nullptr;
    platform::GdiObjectCounts gdiAtStart;
};

TEST_F(TextEdit, AClickOpensAnEditWindowOverTheFieldWithItsTextSelected)
{
    auto* edit = field("old");
    EXPECT_TRUE(edit->isTypeOf("CTextEdit"));
    EXPECT_TRUE(edit->wantsFocus());
    clickField();
    HWND window = GetFocus();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(classOf(window), "EDIT");
    EXPECT_TRUE(edit->isEditing());
    EXPECT_EQ(frame->getFocusView(), edit);
    EXPECT_EQ(kravo::test::screenRectOf(window),
        (CRect{kFieldOnScreen.h, kFieldOnScreen.v, kFieldOnScreen.h + 60, kFieldOnScreen.v + 16}));
    EXPECT_EQ(SendMessageA(window, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    EXPECT_NE(platform::gdiObjectCounts(), gdiAtStart) << "its font and brush";

    typeText("abc");
    EXPECT_EQ(log, (Log{"begin 3"}));
    pressKey(VK_RETURN);
    EXPECT_EQ(log, (Log{"begin 3", "end 3", "changed 0", "LooseFocus"}));
    EXPECT_STREQ(edit->getText(), "abc");
    EXPECT_TRUE(edit->wasReturnPressed());
    EXPECT_FALSE(edit->isEditing());
    EXPECT_EQ(classOf(window), "") << "the window is gone";
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(platform::gdiObjectCounts(), gdiAtStart);
}

TEST_F(TextEdit, TypingStopsAt255Characters)
{
    const std::string long254(254, 'x');
    auto* edit = field(long254.c_str());
    clickField();
    pressKey(VK_END);
    typeText("abc");
    pressKey(VK_RETURN);
    EXPECT_EQ(std::string(edit->getText()), long254 + "a");
}

TEST_F(TextEdit, AClickElsewhereEndsTheEditTheSameWay)
{
    auto* edit = field("same");
    clickField();
    HWND window = GetFocus();
    clickElsewhere();
    EXPECT_EQ(log, (Log{"begin 3", "end 3", "LooseFocus"})) << "no change, no report";
    EXPECT_FALSE(edit->wasReturnPressed());
    EXPECT_EQ(classOf(window), "");
    EXPECT_EQ(platform::gdiObjectCounts(), gdiAtStart);

    log.clear();
    clickField();
    typeText("z");
    clickElsewhere();
    EXPECT_EQ(log, (Log{"begin 3", "end 3", "changed 0", "LooseFocus"}));
    EXPECT_STREQ(edit->getText(), "z");
}

TEST_F(TextEdit, WithDoubleClickStyleOnlyADoubleClickStartsAnEdit)
{
    auto* edit = field("twice", kDoubleClickStyle);
    frame->ticks = 1000;
    clickField();
    EXPECT_FALSE(edit->isEditing());
    frame->ticks = 5000;
    clickField();
    EXPECT_FALSE(edit->isEditing()) << "too late for the first click";
    frame->ticks = 5100;
    clickField();
    EXPECT_TRUE(edit->isEditing());
    clickElsewhere();
    EXPECT_EQ(log, (Log{"begin 3", "end 3", "LooseFocus"}));
}

TEST_F(TextEdit, TheEditWindowIsPaintedInTheFieldsColours)
{
    auto* edit = field("");
    edit->setBackColor(kBack);
    edit->setFontColor(kText);
    clickField();
    platform::pumpMessages();
    const auto shown = platform::captureWindow(GetFocus());
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->at(30, 8), kBack.gdiValue());
    clickElsewhere();
}

TEST_F(TextEdit, AFieldThatGoesWhileEditingTakesItsWindowWithIt)
{
    auto* edit = field("gone");
    clickField();
    container->removeView(edit);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(platform::gdiObjectCounts(), gdiAtStart);

    // The frame ends the edit while it is whole.
    auto* other = field("frame");
    clickField();
    typeText("q");
    EXPECT_TRUE(other->isEditing());
    log.clear();
    frame->forget();
    // The logging part of the frame is gone by then: its end of the edit goes unlogged.
    EXPECT_EQ(log, (Log{"changed 0", "LooseFocus"}));
    EXPECT_EQ(GetFocus(), nullptr);
    frame = new kravo::test::LoggingFrame({0, 0, 100, 80}, host, log);
}

} // namespace
