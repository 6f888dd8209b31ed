#include "editor/controls/my_v_slider.h"

#include "tests/editor/controls/own_control_test.h"

#include <algorithm>
#include <string>

namespace {

using Toolkit::CPoint;

constexpr std::int32_t kTag = 10;
constexpr float kTravel = 132.0f;
// The fader as the editor builds it, at (300, 100).
constexpr Toolkit::CRect kPlace{300, 100, 345, 282};
constexpr std::int32_t kTravelTop = 100 + 23;

std::string readout(float value, std::int32_t format)
{
    char text[myVSlider::kReadoutSize];
    myVSlider::readoutText(value, format, text);
    return text;
}

TEST(MyVSliderReadout, EachFormatShowsItsRange)
{
    const std::vector<std::tuple<float, int, std::string>> cases{
        {0.0f, 0, "-100"}, {1.0f, 0, "100"},  {0.5f, 0, "0"},    {0.0f, 1, "-12"}, {1.0f, 1, "12"},
        {0.0f, 2, "-4"},   {1.0f, 2, "4"},    {0.0f, 3, "3200"}, {1.0f, 3, "3"},   {0.5f, 3, "100"},
        {0.495f, 4, "C"},  {0.505f, 4, "C"},  {0.75f, 4, "50D"}, {0.25f, 4, "50W"}, {1.0f, 4, "0D"},
        {0.0f, 4, "0W"},   {0.52f, 4, "96D"}};
    for (const auto& [value, format, text] : cases)
        EXPECT_EQ(readout(value, format), text) << value << " in format " << format;
}

class MyVSlider : public kravo::test::OwnControlTest {
protected:
    void SetUp() override
    {
        OwnControlTest::SetUp();
        slider = added(new myVSlider(kPlace, editor, kTag, editor->image(10015), editor->image(10016), kTravel, 0));
    }

    myVSlider* slider = nullptr;
};

TEST_F(MyVSlider, AClickPutsTheHandleUnderThePointerAndADragFollowsFinerWithShift)
{
    gesture({320, kTravelTop + 33}, {});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.75f);
    EXPECT_EQ(logging->log, (Log{"changed 0.75"})) << "no edit brackets";

    // Over the read-out the handle goes to the top.
    gesture({320, kTravelTop - 10}, {});
    EXPECT_EQ(slider->getValue(), 1.0f);
    gesture({320, kTravelTop + 140}, {});
    EXPECT_EQ(slider->getValue(), 0.0f);

    // A change is told again at each pass until the fader is drawn with it.
    logging->values.clear();
    gesture({320, kTravelTop + 66}, {{320, kTravelTop + 99}, {320, kTravelTop + 300}});
    std::vector<float> told = logging->values;
    told.erase(std::unique(told.begin(), told.end()), told.end());
    EXPECT_EQ(told, (std::vector<float>{0.5f, 0.25f, 0.0f}));

    gesture({320, kTravelTop + 66}, {{320, kTravelTop + 66 - 132}}, {VK_SHIFT});
    EXPECT_NEAR(slider->getValue(), 0.55f, 1e-5f);
}

TEST_F(MyVSlider, CtrlLeftAloneTakesTheParametersDefaultAndTheRightButtonTheContextMenu)
{
    const float defaultValue = plugin->getDefaultValues()[kTag];
    slider->setValue(defaultValue == 0.1f ? 0.9f : 0.1f);
    gesture({320, kTravelTop}, {}, {VK_CONTROL});
    EXPECT_EQ(slider->getValue(), defaultValue);
    ASSERT_EQ(logging->values.size(), 1u);

    // With Shift too it is a fine drag from the point.
    gesture({320, kTravelTop + 66}, {}, {VK_CONTROL, VK_SHIFT});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);

    gesture({310, 200}, {}, {}, VK_RBUTTON);
    ASSERT_EQ(logging->menus.size(), 1u);
    EXPECT_EQ(logging->menus[0], std::pair(static_cast<Toolkit::CControl*>(slider), CPoint{310, 200}));
}

TEST_F(MyVSlider, ACommandFaderHasNoDefaultToTake)
{
    slider->setTag(uEditor::kCommandTag);
    slider->setValue(0.3f);
    gesture({320, kTravelTop}, {}, {VK_CONTROL});
    EXPECT_EQ(slider->getValue(), 0.3f);
    EXPECT_EQ(logging->log, Log{});
}

// Below its read-out the fader is its track with the handle trunc((1 − value) × travel) down.
TEST_F(MyVSlider, TheHandleLiesWhereTheValueSaysOverTheTrack)
{
    constexpr RECT kBelowReadout{300, 118, 349, 282};
    for (const float value : {1.0f, 0.3f, 0.0f}) {
        auto drawn = buffer(400, 300);
        slider->setValue(value);
        slider->draw(drawn.get());
        EXPECT_FALSE(slider->isDirty());
        auto expected = buffer(400, 300);
        editor->image(10015)->draw(expected.get(), kPlace, {0, 0});
        const auto h = static_cast<std::int32_t>((1.0f - value) * kTravel);
        editor->image(10016)->draw(expected.get(), {302, 123 + h, 349, 163 + h}, {0, 0});
        EXPECT_EQ(pictureOf(drawn.get(), kBelowReadout), pictureOf(expected.get(), kBelowReadout)) << value;
        // The read-out is written over the track.
        constexpr RECT kReadout{302, 103, 337, 117};
        EXPECT_NE(pictureOf(drawn.get(), kReadout), pictureOf(expected.get(), kReadout)) << value;
    }
}

} // namespace
