#include "toolkit/kick_button.h"
#include "toolkit/on_off_button.h"

#include "tests/toolkit/support/drawn_control_test.h"
#include "toolkit/bitmap.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

namespace {

using namespace Toolkit;
using kravo::test::Held;
using kravo::test::RecordingListener;
using kravo::test::stripImageAt;
using Log = std::vector<std::string>;

constexpr std::int32_t kTag = 3;
constexpr CRect kButtonPlace{10, 20, 14, 24};
constexpr CPoint kInside{12, 22};

class Buttons : public kravo::test::DrawnControlTest {
protected:
    Buttons() : DrawnControlTest(40) {}

    int imageShown() { return stripImageAt(*buffer, kInside, 4); }
};

TEST_F(Buttons, AnOnOffButtonShowsItsLowerImageForAnyValueButZero)
{
    Held<CBitmap> strip(new CBitmap(test_images::kTwoImageStrip.id));
    auto* button = added(new COnOffButton(kButtonPlace, &listener, kTag, strip.get()));
    button->draw(buffer);
    EXPECT_EQ(imageShown(), 0);
    EXPECT_FALSE(button->isDirty());
    for (const float value : {1.0f, 0.5f, -3.0f}) {
        button->setValue(value);
        button->draw(buffer);
        EXPECT_EQ(imageShown(), 1) << value;
    }
}

TEST_F(Buttons, AClickTurnsAnythingBelowOneOnAndTellsTheListenerAfterOrBeforeTheRedraw)
{
    frame->logIdle = true;
    auto* button = added(new COnOffButton(kButtonPlace, &listener, kTag, nullptr));
    button->setValue(0.5f);
    button->mouse(noDrawing, kInside, kLeftButton);
    EXPECT_EQ(button->getValue(), 1.0f);
    EXPECT_EQ(log, (Log{"idle", "begin 3", "changed 1", "end 3"}));

    log.clear();
    button->setStyle(COnOffButton::kTellBeforeRedraw);
    EXPECT_EQ(button->getStyle(), COnOffButton::kTellBeforeRedraw);
    button->setValue(1.7f);
    button->mouse(noDrawing, kInside, kLeftButton);
    EXPECT_EQ(button->getValue(), 0.0f);
    EXPECT_EQ(log, (Log{"begin 3", "changed 0", "end 3", "idle"}));

    log.clear();
    button->mouse(noDrawing, kInside, kRightButton);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(button->getValue(), 0.0f);
}

TEST_F(Buttons, AKickButtonShowsItsPressedImageBelowTheOffsetAndBouncesItsValue)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    auto* button = added(new CKickButton(kButtonPlace, &listener, kTag, strip.get(), {0, 4}));
    button->draw(buffer);
    EXPECT_EQ(imageShown(), 1);
    button->setValue(2.0f);
    button->draw(buffer);
    EXPECT_EQ(imageShown(), 2);
    EXPECT_EQ(button->getValue(), 1.0f);

    // Images of a height of their own.
    auto* tall = added(new CKickButton(kButtonPlace, &listener, kTag, 8, strip.get(), {0, 0}));
    tall->setValue(1.0f);
    tall->draw(buffer);
    EXPECT_EQ(imageShown(), 2);
}

TEST_F(Buttons, AKickButtonClickedWithTheButtonAlreadyUpReportsTheFlipAndThenZero)
{
    auto* button = added(new CKickButton(kButtonPlace, &listener, kTag, nullptr, {0, 0}));
    button->mouse(noDrawing, kInside, kLeftButton);
    EXPECT_EQ(log, (Log{"begin 3", "changed 1", "changed 0", "end 3"}));
    EXPECT_EQ(button->getValue(), 0.0f);

    log.clear();
    listener.modifierAnswer = 1;
    button->mouse(noDrawing, kInside, kRightButton | kCtrlHeld);
    EXPECT_EQ(log, (Log{"modifier 20"})) << "asked before the left button is looked for";
}

using KickDrag = kravo::test::ControlWindowTest;

TEST_F(KickDrag, ReleasedOutsideItReportsTheEntryValueDuringTheDragAndZeroAtTheEnd)
{
    RecordingListener listener(log);
    added(new CKickButton({10, 10, 30, 30}, &listener, kTag, nullptr, {0, 0}));
    moveTo(20, 20);
    script().press(VK_LBUTTON);
    script().wait(10);
    moveTo(30, 30); // the corner still counts as inside
    script().wait(10);
    moveTo(50, 50);
    script().wait(50);
    script().release(VK_LBUTTON);
    runScript();
    EXPECT_EQ(log, (Log{"begin 3", "changed 1", "changed 0", "changed 0", "end 3"}));
}

} // namespace
