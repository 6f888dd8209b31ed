#include "editor/controls/my_on_off.h"
#include "editor/controls/my_on_off_text.h"

#include "tests/editor/controls/own_control_test.h"

namespace {

constexpr Toolkit::CRect kPlace{100, 100, 122, 122};

using MyOnOff = kravo::test::OwnControlTest;

TEST_F(MyOnOff, ALeftPressTurnsItOverAtHalfAndTheRightOpensTheContextMenu)
{
    auto* button = added(new myOnOff(kPlace, editor, 2299, editor->image(10057), 0));
    button->setValue(0.3f);
    gesture({110, 110}, {});
    EXPECT_EQ(button->getValue(), 1.0f);
    button->setValue(0.5f);
    gesture({110, 110}, {});
    EXPECT_EQ(button->getValue(), 0.0f);
    EXPECT_EQ(logging->log, (Log{"changed 1", "changed 0"})) << "no edit brackets";

    logging->log.clear();
    gesture({111, 112}, {}, {}, VK_RBUTTON);
    EXPECT_EQ(logging->log, (Log{"context menu"}));
    EXPECT_EQ(logging->menus.at(0).second, (Toolkit::CPoint{111, 112}));
    EXPECT_EQ(button->getValue(), 0.0f);
}

TEST_F(MyOnOff, TheTextButtonWritesItsOnTextFromHalfAndTakesTheMouseAlike)
{
    constexpr Toolkit::CRect kTextPlace{100, 100, 160, 116};
    constexpr RECT kArea{100, 100, 160, 116};
    auto* button = added(new myOnOffText(kTextPlace, editor, 2299, nullptr, "Off", "On", {200, 0, 0, 255}, 0));
    const auto picture = [&](float value) {
        auto context = buffer(300, 200);
        button->setValue(value);
        button->draw(context.get());
        return pictureOf(context.get(), kArea);
    };
    const platform::Image on = picture(0.5f);
    EXPECT_EQ(picture(1.0f), on);
    EXPECT_NE(picture(0.49f), on);
    EXPECT_TRUE(shows(on, RGB(200, 0, 0)));

    button->setValue(0.0f);
    gesture({110, 108}, {});
    EXPECT_EQ(button->getValue(), 1.0f);
    gesture({110, 108}, {}, {}, VK_RBUTTON);
    EXPECT_EQ(logging->log, (Log{"changed 1", "context menu"}));
}

} // namespace
