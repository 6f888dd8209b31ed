#include "editor/controls/my_option_menu.h"

#include "plugin/parameters/display/model_names.h"
#include "tests/editor/controls/own_control_test.h"
#include "toolkit/mouse_buttons.h"

#include <string>

namespace {

using Toolkit::CPoint;

constexpr Toolkit::CRect kPlace{100, 100, 220, 116};
constexpr RECT kArea{100, 100, 220, 116};

class MyOptionMenu : public kravo::test::OwnControlTest {
protected:
    myOptionMenu* menu(std::int32_t tag, bool centred = false)
    {
        auto* made = added(new myOptionMenu(kPlace, editor, tag, nullptr, nullptr, 0, centred));
        for (const std::string_view name : kravo::param::display::kBassDrumModelNames)
            made->addEntry(std::string(name).c_str());
        return made;
    }
    platform::Image drawn(myOptionMenu* shown)
    {
        auto context = buffer(300, 200);
        shown->draw(context.get());
        return pictureOf(context.get(), kArea);
    }
    platform::Image blank()
    {
        auto context = buffer(300, 200);
        return pictureOf(context.get(), kArea);
    }
};

TEST_F(MyOptionMenu, AModelMenuDrawsTheShortNameFromACopyOfItsEntry)
{
    myOptionMenu* model = menu(145);
    model->setCurrent(10);
    const platform::Image shortened = drawn(model);
    char entry[256];
    ASSERT_TRUE(model->getEntry(10, entry));
    EXPECT_STREQ(entry, "BD Kravo 03");
    EXPECT_EQ(model->getIndex("BD Kravo 03"), 10);

    myOptionMenu* command = menu(uEditor::kCommandTag);
    command->setDisplayText("Kravo 3");
    EXPECT_EQ(shortened, drawn(command));
    command->setDisplayText("BD Kravo 03");
    EXPECT_NE(shortened, drawn(command)) << "a command menu keeps long names";

    // A display text is shortened where it is kept.
    model->setDisplayText("BD Kravo 03");
    EXPECT_EQ(drawn(model), shortened);
    EXPECT_STREQ(model->getDisplayText(), "Kravo 3");
}

TEST_F(MyOptionMenu, DisplayTextsStyleAndHiding)
{
    myOptionMenu* shown = menu(uEditor::kCommandTag);
    shown->setDisplayText(nullptr);
    EXPECT_STREQ(shown->getDisplayText(), " ");
    EXPECT_TRUE(shown->isDirty());
    shown->setDisplayText(std::string(300, 'x').c_str());
    EXPECT_EQ(std::string(shown->getDisplayText()), std::string(127, 'x'));

    // An empty display text shows the current entry.
    shown->setDisplayText("");
    shown->setCurrent(2);
    const platform::Image entry = drawn(shown);
    shown->setDisplayText("BD Model 3");
    EXPECT_EQ(drawn(shown), entry);
    EXPECT_FALSE(shown->isDirty());

    shown->setHighlighted(true);
    const platform::Image highlighted = drawn(shown);
    EXPECT_NE(highlighted, entry);
    shown->setShadowStyle();
    const platform::Image shadowed = drawn(shown);
    EXPECT_NE(shadowed, highlighted);
    EXPECT_NE(drawn(menu(uEditor::kCommandTag, true)), blank()) << "centred";

    shown->setTextHidden();
    EXPECT_EQ(drawn(shown), blank());
    auto context = buffer(300, 200);
    shown->drawMenuText(context.get(), kPlace, nullptr);
    EXPECT_EQ(pictureOf(context.get(), kArea), blank());
}

TEST_F(MyOptionMenu, TheLeftButtonChoosesTheRightOpensTheContextMenuButOnACommandMenuBothChoose)
{
    myOptionMenu* model = menu(145);
    choosePopup({"BD Kravo 05"});
    gesture({150, 108}, {});
    EXPECT_EQ(model->getCurrent(), 12);
    EXPECT_EQ(logging->log, (Log{"begin 145", "changed 12", "end 145"}));

    logging->log.clear();
    gesture({150, 108}, {}, {}, VK_RBUTTON);
    EXPECT_EQ(logging->log, (Log{"context menu"}));
    EXPECT_EQ(logging->menus.at(0), std::pair(static_cast<Toolkit::CControl*>(model), CPoint{150, 108}));

    model->setTag(uEditor::kCommandTag);
    logging->log.clear();
    choosePopup({"BD Model 2"});
    gesture({150, 108}, {}, {}, VK_RBUTTON);
    EXPECT_EQ(model->getCurrent(), 1);
    EXPECT_EQ(logging->menus.size(), 1u);
}

} // namespace
