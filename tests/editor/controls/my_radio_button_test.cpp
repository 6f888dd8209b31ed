#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_radio_button.h"

#include "tests/editor/controls/own_control_test.h"

namespace {

constexpr Toolkit::CRect kPlace{100, 100, 122, 122};
constexpr RECT kArea{100, 100, 122, 122};
constexpr std::int32_t kOnOffset = 22;

class MyRadioButton : public kravo::test::OwnControlTest {
protected:
    platform::Image drawn(Toolkit::CControl& control, float value)
    {
        auto context = buffer(300, 200);
        control.setValue(value);
        control.draw(context.get());
        EXPECT_FALSE(control.isDirty());
        return pictureOf(context.get(), kArea);
    }
    platform::Image radioImage(std::int32_t offset)
    {
        auto context = buffer(300, 200);
        editor->image(myRadioButton::kRadioImage)->draw(context.get(), kPlace, {0, offset});
        return pictureOf(context.get(), kArea);
    }
};

TEST_F(MyRadioButton, BothShowTheOnImageAtExactlyOne)
{
    auto* shared = added(new myRadioButton(kPlace, editor, 1549, kOnOffset));
    auto* own = added(new myRadioBitmapButton(kPlace, editor, 1549, editor->image(10057), kOnOffset));
    for (Toolkit::CControl* button : {static_cast<Toolkit::CControl*>(shared), static_cast<Toolkit::CControl*>(own)}) {
        EXPECT_EQ(drawn(*button, 1.0f), radioImage(kOnOffset));
        EXPECT_EQ(drawn(*button, 0.99f), radioImage(0));
        EXPECT_EQ(drawn(*button, 0.0f), radioImage(0));
    }
    EXPECT_NE(radioImage(kOnOffset), radioImage(0));
}

TEST_F(MyRadioButton, OutsideTheEditorTheSharedImageIsMissingAndNothingIsDrawn)
{
    myRadioButton loose(kPlace, nullptr, 1549, kOnOffset);
    auto blank = buffer(300, 200);
    EXPECT_EQ(drawn(loose, 1.0f), pictureOf(blank.get(), kArea));
}

TEST_F(MyRadioButton, ALeftPressTurnsItOnAndNothingElseDoesAnything)
{
    auto* button = added(new myRadioButton(kPlace, editor, 1549, kOnOffset));
    gesture({110, 110}, {}, {}, VK_RBUTTON);
    EXPECT_EQ(button->getValue(), 0.0f);
    gesture({110, 110}, {});
    gesture({110, 110}, {});
    EXPECT_EQ(button->getValue(), 1.0f);
    EXPECT_EQ(logging->log, (Log{"changed 1", "changed 1"}));
}

} // namespace
