#include "editor/controls/my_text_button.h"

#include "tests/editor/controls/own_control_test.h"

namespace {

constexpr Toolkit::CRect kPlace{100, 100, 200, 116};
constexpr RECT kArea{100, 100, 200, 116};

using MyTextButton = kravo::test::OwnControlTest;

TEST_F(MyTextButton, APressSendsOneAndTheReleaseZeroAndShiftEndsThePress)
{
    auto* button = added(new myTextButton(kPlace, editor, nullptr, "Load"));
    EXPECT_EQ(button->getTag(), uEditor::kCommandTag);
    gesture({120, 108}, {{300, 300}});
    EXPECT_EQ(logging->log, (Log{"changed 1", "changed 0"}));

    // The left button stays down: Shift alone ends the press.
    logging->log.clear();
    moveTo({120, 108});
    script().press(VK_LBUTTON);
    script().wait(50);
    script().press(VK_SHIFT);
    runScript();
    EXPECT_EQ(logging->log, (Log{"changed 1", "changed 0"}));
    script().release(VK_SHIFT);
    script().release(VK_LBUTTON);
    runScript();

    logging->log.clear();
    gesture({120, 108}, {}, {}, VK_RBUTTON);
    EXPECT_EQ(logging->log, Log{});
}

TEST_F(MyTextButton, ItDrawsItsTextInOneOfThreeStylesNeverItsBackground)
{
    const auto picture = [&](myTextButton& button) {
        auto context = buffer(300, 200);
        button.draw(context.get());
        EXPECT_FALSE(button.isDirty());
        return pictureOf(context.get(), kArea);
    };
    auto* shadowed = added(new myTextButton(kPlace, editor, editor->image(10058), "Load"));
    auto* plain = added(new myTextButton(kPlace, editor, nullptr, "Load"));
    plain->setPlainStyle(true);
    auto* bold = added(new myTextButton(kPlace, editor, nullptr, "Load"));
    bold->setPlainStyle(true);
    bold->setBold(true);
    auto* blank = added(new myTextButton(kPlace, editor, nullptr, nullptr));
    blank->setPlainStyle(true);

    const platform::Image withShadow = picture(*shadowed);
    EXPECT_EQ(withShadow.at(0, 0), RGB(255, 255, 255)) << "no background";
    EXPECT_TRUE(shows(withShadow, RGB(16, 154, 154)));
    EXPECT_TRUE(shows(withShadow, RGB(34, 34, 34)));
    const platform::Image plainText = picture(*plain);
    EXPECT_NE(plainText, withShadow);
    EXPECT_NE(picture(*bold), plainText);
    auto white = buffer(300, 200);
    EXPECT_EQ(picture(*blank), pictureOf(white.get(), kArea)) << "a missing text is a blank";
    plain->setValue(1.0f);
    EXPECT_EQ(picture(*plain), plainText);
}

} // namespace
