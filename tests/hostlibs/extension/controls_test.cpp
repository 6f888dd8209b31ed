#include "hostlibs/extension/host_controls.h"
#include "platform/four_char_code.h"
#include "tests/hostlibs/extension/toolbox_test.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using kravo::test::bigEndian;
using kravo::test::ResourceFileToolboxTest;

std::string words(std::initializer_list<int> values)
{
    std::string out;
    for (const int value : values)
        out += bigEndian(static_cast<std::uint32_t>(value), 2);
    return out;
}

// An item of an item list: reserved bytes, frame, type, length, data and the pad after odd data.
std::string item(std::initializer_list<int> frame, int type, const std::string& data)
{
    std::string out = bigEndian(0, 4) + words(frame) + static_cast<char>(type) + static_cast<char>(data.size()) + data;
    if (data.size() % 2 != 0)
        out += '\0';
    return out;
}

struct SResource {
    std::uint32_t type;
    int id;
    std::string data;
};

std::string resourceFile(const std::vector<SResource>& resources)
{
    std::string file = "KRSR" + bigEndian(1, 2) + bigEndian(static_cast<std::uint32_t>(resources.size()), 2);
    for (const SResource& resource : resources)
        file += bigEndian(resource.type, 4) + bigEndian(static_cast<std::uint32_t>(resource.id), 2) + bigEndian(0, 1) +
                bigEndian(static_cast<std::uint32_t>(resource.data.size()), 4) + resource.data;
    return file;
}

std::int16_t wordAt(const char* data, int at)
{
    std::int16_t value = 0;
    std::memcpy(&value, data + at, sizeof value);
    return value;
}

constexpr std::uint32_t kItemList = FourCharCode("DITL");
constexpr std::uint32_t kDialog = FourCharCode("DLOG");
constexpr std::uint32_t kIcon = FourCharCode("ICON");
constexpr std::uint32_t kControl = FourCharCode("ctrl");

class HostControls : public ResourceFileToolboxTest {
protected:
    void SetUp() override
    {
        ResourceFileToolboxTest::SetUp();
        const std::string threeItems = words({2}) + item({10, 20, 30, 40}, 64, words({300})) +
                                     item({-1, 2, 0x1234, 4}, 4, "Hi") + item({0, 0, 1, 1}, 4 | 3, words({129}));
        useResourceFile(
            "controls.rsr",
            resourceFile({{kItemList, 1, threeItems},
                          // The count promises three items, the second is cut in its header.
                          {kItemList, 2,
                           words({2}) + item({1, 2, 3, 4}, 32, words({7})) + bigEndian(0, 4) + words({5})},
                          {kDialog, 1, words({40, 40, 240, 440}) + std::string(10, '\0') + words({128})},
                          {kDialog, 2, words({1, 2, 3, 4}) + std::string(10, '\0') + "\x01"},
                          {kIcon, 1, words({3, 2}) + "\xA0\x40"},
                          {kIcon, 2, words({16, 16}) + std::string(10, '\xFF')},
                          {kControl, 1, words({5, 6, 25, 86, 1, 1, 0, 1}) + "\x06Stored"},
                          {kControl, 2, words({5, 6, 25, 86, 1})},
                          {kControl, 3, words({5, 6, 25, 86, 7, 0, 0, 1}) + "\x01X"},
                          {kControl, 4, words({5, 6, 25, 86, 0, 0, 0, 1}) + "\x14Too short"}}));
    }

    HostControl newControl(HostPort port, HostRect bounds, std::int16_t kind, std::int16_t value = 0,
                           const char* title = "\x03" "Box")
    {
        return HostExtNewControl(port, &bounds, reinterpret_cast<const std::uint8_t*>(title), false, value, 0, 1,
                                 kind, 42);
    }

    // The button goes down at the point, moves to the end and comes up there.
    void scriptClick(int h, int v, int endH, int endV)
    {
        script().move(h, v);
        script().press(VK_LBUTTON);
        script().wait(5);
        script().move(endH, endV);
        script().wait(5);
        script().release(VK_LBUTTON);
    }
};

TEST_F(HostControls, AnItemListComesInTheMachinesOrderButForItsTextsAndPads)
{
    HostHandle list = HostExtGetResource(kItemList, 1);
    ASSERT_NE(list, nullptr);
    const char* data = *list;
    EXPECT_EQ(wordAt(data, 0), 2);
    EXPECT_EQ(wordAt(data, 2 + 4), 10);
    EXPECT_EQ(wordAt(data, 2 + 10), 40);
    EXPECT_EQ(wordAt(data, 2 + 14), 300); // a picture's id
    const int second = 2 + 16;
    EXPECT_EQ(wordAt(data, second + 4), -1);
    EXPECT_EQ(wordAt(data, second + 8), 0x1234);
    EXPECT_EQ(std::string(data + second + 14, 2), "Hi"); // a control's title stays as it is
    const int third = second + 16;
    EXPECT_EQ(wordAt(data, third + 14), 129); // a control of the resource file names its id
    HostExtReleaseResource(list);
}

TEST_F(HostControls, AListCutInAnItemHeaderTurnsWhatItHoldsAndNoMore)
{
    HostHandle list = HostExtGetResource(kItemList, 2);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(HostExtGetHandleSize(list), 2 + 16 + 6);
    EXPECT_EQ(wordAt(*list, 2 + 14), 7);
    EXPECT_EQ(std::string(*list + 2 + 16 + 4, 2), std::string("\x00\x05", 2));
    HostExtReleaseResource(list);
}

TEST_F(HostControls, DialogsIconsAndControlsComeInTheMachinesOrder)
{
    HostHandle dialog = HostExtGetResource(kDialog, 1);
    EXPECT_EQ(wordAt(*dialog, 0), 40);
    EXPECT_EQ(wordAt(*dialog, 6), 440);
    EXPECT_EQ(wordAt(*dialog, 18), 128);
    HostExtReleaseResource(dialog);
    // A dialog too short for its list id keeps its last byte as it is.
    HostHandle shortDialog = HostExtGetResource(kDialog, 2);
    EXPECT_EQ(wordAt(*shortDialog, 6), 4);
    EXPECT_EQ((*shortDialog)[18], 1);
    HostExtReleaseResource(shortDialog);
    HostHandle icon = HostExtGetResource(kIcon, 1);
    EXPECT_EQ(wordAt(*icon, 0), 3);
    EXPECT_EQ(wordAt(*icon, 2), 2);
    HostExtReleaseResource(icon);
    HostHandle control = HostExtGetResource(kControl, 1);
    EXPECT_EQ(wordAt(*control, 6), 86);
    EXPECT_EQ(wordAt(*control, 14), 1);
    HostExtReleaseResource(control);
}

TEST_F(HostControls, AControlDrawsOnlyOnceShownAndHoldsItsValueToItsRange)
{
    HostPort port = offscreen({0, 0, 40, 100});
    HostControl box = newControl(port, {10, 10, 26, 90}, kHostCheckBox, 5);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(HostExtGetControlValue(box), 1);
    HostExtDrawControl(box);
    EXPECT_TRUE(painted(port).empty());
    HostExtShowControl(box);
    const auto pixels = painted(port);
    ASSERT_FALSE(pixels.empty());
    for (const auto& [h, v] : pixels) {
        EXPECT_GE(h, 10);
        EXPECT_LT(h, 90);
        EXPECT_GE(v, 10);
        EXPECT_LT(v, 26);
    }
    // The box's cross: its corner pixel inside the box's frame.
    EXPECT_TRUE(pixels.contains({12, 14}));
    HostExtSetControlValue(box, 0);
    EXPECT_FALSE(painted(port).contains({12, 14}));
    EXPECT_EQ(hostext::controlState(box)->reference, 42);
    HostExtDisposeControl(box);
    EXPECT_EQ(newControl(port, {0, 0, 10, 10}, 3), nullptr);
    EXPECT_EQ(newControl(nullptr, {0, 0, 10, 10}, kHostPushButton), nullptr);
}

TEST_F(HostControls, ACheckBoxLetGoOverItTurnsOverAndOneLetGoElsewhereDoesNot)
{
    HostPort port = offscreen({0, 0, 40, 100});
    HostControl box = newControl(port, {10, 10, 26, 90}, kHostCheckBox);
    scriptClick(20, 15, 60, 20);
    EXPECT_EQ(HostExtTrackControl(box, {15, 20}), kHostInControl);
    EXPECT_EQ(HostExtGetControlValue(box), 1);
    scriptClick(20, 15, 60, 20);
    EXPECT_EQ(HostExtTrackControl(box, {15, 20}), kHostInControl);
    EXPECT_EQ(HostExtGetControlValue(box), 0);
    scriptClick(20, 15, 95, 30);
    EXPECT_EQ(HostExtTrackControl(box, {15, 20}), kHostNoPart);
    EXPECT_EQ(HostExtGetControlValue(box), 0);
    HostExtDisposeControl(box);
}

TEST_F(HostControls, ARadioButtonTurnsOnAndStaysOnAndAPushButtonKeepsItsValue)
{
    HostPort port = offscreen({0, 0, 40, 100});
    HostControl radio = newControl(port, {10, 10, 26, 90}, kHostRadioButton);
    HostControl button = newControl(port, {0, 0, 8, 8}, kHostPushButton);
    for (int n = 0; n < 2; ++n) {
        scriptClick(20, 15, 20, 15);
        EXPECT_EQ(HostExtTrackControl(radio, {15, 20}), kHostInControl);
        EXPECT_EQ(HostExtGetControlValue(radio), 1);
    }
    scriptClick(2, 2, 3, 3);
    EXPECT_EQ(HostExtTrackControl(button, {2, 2}), kHostInControl);
    EXPECT_EQ(HostExtGetControlValue(button), 0);
    HostExtDisposeControl(radio);
    HostExtDisposeControl(button);
}

TEST_F(HostControls, AControlOfTheResourceFileComesHiddenAndAShortOneNotAtAll)
{
    HostPort port = offscreen({0, 0, 40, 100});
    HostControl stored = HostExtGetNewControl(1, port);
    ASSERT_NE(stored, nullptr);
    const auto state = hostext::controlState(stored);
    EXPECT_EQ(state->title, "Stored");
    EXPECT_EQ(state->kind, kHostCheckBox);
    EXPECT_EQ(state->value, 1);
    EXPECT_FALSE(state->visible);
    EXPECT_EQ(state->bounds.right, 86);
    HostExtMoveControl(stored, 30, 2);
    HostRect bounds{};
    HostExtGetControlBounds(stored, &bounds);
    EXPECT_EQ(bounds.top, 2);
    EXPECT_EQ(bounds.left, 30);
    EXPECT_EQ(bounds.bottom, 22);
    EXPECT_EQ(bounds.right, 110);
    HostExtDisposeControl(stored);
    EXPECT_EQ(HostExtGetNewControl(2, port), nullptr); // cut inside its numbers
    EXPECT_EQ(HostExtGetNewControl(3, port), nullptr); // kind 7
    EXPECT_EQ(HostExtGetNewControl(4, port), nullptr); // a title longer than the resource
    EXPECT_EQ(HostExtGetNewControl(9, port), nullptr);
}

TEST_F(HostControls, AnIconPlotsItsSetBitsInTheForeColourScaledToTheRectangle)
{
    HostPort port = offscreen({0, 0, 16, 16});
    HostHandle icon = HostExtGetResource(kIcon, 1);
    // Rows 101 and 010 of a 3 × 2 icon, each pixel doubled.
    HostRect rect{2, 4, 6, 10};
    HostExtPlotIcon(&rect, icon);
    auto expected = block(2, 4, 4, 6);
    for (const auto& pixel : block(2, 8, 4, 10))
        expected.insert(pixel);
    for (const auto& pixel : block(4, 6, 6, 8))
        expected.insert(pixel);
    EXPECT_EQ(painted(port), expected);
    HostExtReleaseResource(icon);
    HostHandle shortIcon = HostExtGetResource(kIcon, 2);
    HostRect whole{0, 0, 16, 16};
    HostExtEraseRect(&whole);
    HostExtPlotIcon(&whole, shortIcon);
    EXPECT_TRUE(painted(port).empty());
    HostExtReleaseResource(shortIcon);
}

TEST_F(HostControls, ScrollingMovesThePixelsAndErasesWhatItUncovers)
{
    HostPort port = offscreen({0, 0, 20, 20});
    const HostColor black{0, 0, 0};
    HostExtRGBForeColor(&black);
    HostRect bar{12, 2, 14, 18};
    HostExtFillRect(&bar);
    const HostColor grey{0x8080, 0x8080, 0x8080};
    HostExtRGBBackColor(&grey);
    HostRegion uncovered = HostExtNewRegion();
    HostRect area{0, 0, 20, 20};
    HostExtScrollRect(&area, 0, -10, uncovered);
    HostRect bounds{};
    HostExtGetRegionBounds(uncovered, &bounds);
    EXPECT_EQ(bounds.top, 10);
    EXPECT_EQ(bounds.bottom, 20);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.right, 20);
    const platform::Image picture = pictureOf(port);
    EXPECT_EQ(picture.at(5, 2), kBlack);
    EXPECT_EQ(picture.at(5, 3), kBlack);
    EXPECT_EQ(picture.at(5, 12), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(picture.at(5, 5), kWhite);
    HostExtDisposeRegion(uncovered);
}

} // namespace
