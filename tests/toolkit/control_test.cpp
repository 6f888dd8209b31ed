#include "toolkit/control.h"

#include "tests/toolkit/support/control_test.h"
#include "toolkit/anim_knob.h"
#include "toolkit/kick_button.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/on_off_button.h"
#include "toolkit/option_menu.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace Toolkit;
using kravo::test::LoggingFrame;
using kravo::test::RecordingListener;
using Log = std::vector<std::string>;
using ControlBase = kravo::test::ToolkitTest;

constexpr std::int32_t kTag = 7;

// The base with a draw that only leaves it clean, and its mouse preamble in reach.
class PlainControl : public CControl {
public:
    explicit PlainControl(CControlListener* listener = nullptr) : CControl({0, 0, 10, 10}, listener, kTag, nullptr) {}

    void draw(CDrawContext*) override { setDirty(false); }
    bool goesOn(CDrawContext* context, std::int32_t buttons, bool leftFirst)
    {
        return mouseGoesOn(context, buttons, leftFirst);
    }
};

// A windowless frame that logs edits, holding a control.
class InFrame : public ControlBase {
protected:
    void SetUp() override
    {
        ControlBase::SetUp();
        frame = new LoggingFrame({0, 0, 100, 100}, nullptr, log);
        control = new PlainControl(&listener);
        frame->addView(control);
    }
    void TearDown() override
    {
        frame->forget();
        ControlBase::TearDown();
    }

    Log log;
    RecordingListener listener{log};
    LoggingFrame* frame = nullptr;
    PlainControl* control = nullptr;
    CDrawContext* noDrawing = nullptr;
};

TEST_F(ControlBase, DirtinessFollowsTheValueSinceTheLastDrawAndMarkingWorksEvenAtMinusOne)
{
    PlainControl control;
    EXPECT_EQ(control.getOldValue(), 1.0f);
    EXPECT_TRUE(control.isDirty());
    control.draw(nullptr);
    EXPECT_FALSE(control.isDirty());
    EXPECT_EQ(control.getOldValue(), 0.0f);

    control.setValue(0.25f);
    EXPECT_TRUE(control.isDirty());
    control.setValue(0.0f);
    EXPECT_FALSE(control.isDirty()) << "back at the drawn value";

    control.setDirty(true);
    EXPECT_TRUE(control.isDirty());
    EXPECT_EQ(control.getOldValue(), -1.0f);
    control.setValue(-1.0f);
    control.setDirty(false);
    control.setDirty(true);
    EXPECT_EQ(control.getOldValue(), 0.0f);
    control.CView::setDirty(false); // only the flag: the value alone keeps it dirty
    EXPECT_TRUE(control.isDirty());
}

TEST_F(ControlBase, SetValueStoresAnythingAndBounceValueClampsIntoTheRange)
{
    PlainControl control;
    control.setMin(-2.0f);
    control.setMax(3.0f);
    control.setValue(7.5f);
    EXPECT_EQ(control.getValue(), 7.5f);
    control.bounceValue();
    EXPECT_EQ(control.getValue(), 3.0f);
    control.setValue(-9.0f);
    control.bounceValue();
    EXPECT_EQ(control.getValue(), -2.0f);
    control.setValue(1.5f);
    control.bounceValue();
    EXPECT_EQ(control.getValue(), 1.5f);
}

TEST_F(InFrame, CtrlWithTheLeftButtonRestoresTheDefaultInsideAnEditAndReportsOnlyAChange)
{
    control->setValue(0.9f);
    control->setDefaultValue(0.4f);
    EXPECT_FALSE(control->checkDefaultValue(noDrawing, kCtrlHeld | kShiftHeld | kLeftButton));
    EXPECT_FALSE(control->checkDefaultValue(noDrawing, kLeftButton));
    EXPECT_TRUE(log.empty());

    EXPECT_TRUE(control->checkDefaultValue(noDrawing, kDefaultValueClick));
    EXPECT_EQ(control->getValue(), 0.4f);
    EXPECT_EQ(log, (Log{"begin 7", "changed 0.4", "end 7"}));
    EXPECT_EQ(frame->getFocusView(), control) << "the edit makes the control the focus";

    control->draw(noDrawing);
    log.clear();
    EXPECT_TRUE(control->checkDefaultValue(noDrawing, kDefaultValueClick));
    EXPECT_EQ(log, (Log{"begin 7", "end 7"})) << "already at the default";
}

TEST_F(ControlBase, WithoutAFrameEditsDoNothingAndNoClickIsADoubleClick)
{
    Log log;
    RecordingListener listener(log);
    PlainControl control(&listener);
    control.beginEdit();
    control.doIdleStuff();
    control.endEdit();
    EXPECT_TRUE(control.checkDefaultValue(nullptr, kDefaultValueClick));
    EXPECT_EQ(log, (Log{"changed 0.5"}));
    EXPECT_FALSE(control.isDoubleClick());
    EXPECT_FALSE(control.isDoubleClick());
}

TEST_F(InFrame, ClicksCloserThanTheDoubleClickTimeAreDoubleClicksAcrossTheTickWrapAndAPairEndsThere)
{
    const DWORD doubleClickTime = GetDoubleClickTime();
    frame->ticks = std::numeric_limits<DWORD>::max() - 49;
    EXPECT_FALSE(control->isDoubleClick());
    frame->ticks += 100; // past the wrap
    EXPECT_TRUE(control->isDoubleClick());
    frame->ticks += 100;
    EXPECT_FALSE(control->isDoubleClick()) << "a third click starts a new pair";
    frame->ticks += 100;
    EXPECT_TRUE(control->isDoubleClick());

    frame->ticks += 600;
    EXPECT_FALSE(control->isDoubleClick());
    frame->ticks += 600;
    EXPECT_FALSE(control->isDoubleClick());
    frame->ticks += doubleClickTime - 1;
    EXPECT_TRUE(control->isDoubleClick());

    // A click at tick 0 is a click like any other.
    frame->ticks = 0;
    EXPECT_FALSE(control->isDoubleClick());
    frame->ticks = 100;
    EXPECT_TRUE(control->isDoubleClick());
}

TEST_F(InFrame, TheMousePreambleAsksTheListenerAboutModifiersAndNeedsAContextAndTheLeftButton)
{
    CDrawContext context(frame, nullptr, nullptr);
    EXPECT_TRUE(control->goesOn(&context, kLeftButton, true));
    EXPECT_TRUE(log.empty()) << "no modifier, no question";
    EXPECT_FALSE(control->goesOn(&context, kRightButton, false));
    EXPECT_FALSE(control->goesOn(nullptr, kLeftButton, true));
    EXPECT_FALSE(control->goesOn(&context, kButtonsUnread, true)) << "nothing is held";

    EXPECT_TRUE(control->goesOn(&context, kLeftButton | kShiftHeld, true));
    EXPECT_EQ(log, (Log{"modifier 9"}));
    listener.modifierAnswer = 1;
    EXPECT_FALSE(control->goesOn(&context, kLeftButton | kFurtherModifier, true));
    EXPECT_EQ(log.back(), "modifier 65");

    // Without the left button the order decides whether the listener hears of the click.
    log.clear();
    EXPECT_FALSE(control->goesOn(&context, kRightButton | kAltHeld, true));
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(control->goesOn(&context, kRightButton | kAltHeld, false));
    EXPECT_EQ(log, (Log{"modifier 36"}));

    control->setMouseEnabled(false);
    EXPECT_FALSE(control->goesOn(&context, kLeftButton, true));
}

TEST_F(ControlBase, EveryControlAnswersToItsOwnNameAndItsBasesNamesOnly)
{
    CAnimKnob knob({0, 0, 10, 10}, nullptr, 0, 151, 10, nullptr, {0, 0});
    for (const char* name : {"CAnimKnob", "CKnob", "CControl", "CView"})
        EXPECT_TRUE(knob.isTypeOf(name)) << name;
    for (const char* name : {"cknob", "CKickButton", "CViewContainer", "COptionMenu"})
        EXPECT_FALSE(knob.isTypeOf(name)) << name;

    COptionMenu menu({0, 0, 10, 10}, nullptr, 0);
    for (const char* name : {"COptionMenu", "CParamDisplay", "CControl", "CView"})
        EXPECT_TRUE(menu.isTypeOf(name)) << name;
    EXPECT_FALSE(menu.isTypeOf("CKnob"));

    COnOffButton onOff({0, 0, 10, 10}, nullptr, 0, nullptr);
    EXPECT_TRUE(onOff.isTypeOf("COnOffButton"));
    EXPECT_FALSE(onOff.isTypeOf("CKickButton"));
    CKickButton kick({0, 0, 10, 10}, nullptr, 0, nullptr, {0, 0});
    EXPECT_TRUE(kick.isTypeOf("CKickButton"));
    EXPECT_TRUE(kick.isTypeOf("CControl"));
    EXPECT_FALSE(kick.isTypeOf("COnOffButton"));
}

} // namespace
