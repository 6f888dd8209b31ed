#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_line.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_on_off_text.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/my_text_button.h"
#include "editor/controls/my_v_slider.h"

#include "tests/editor/controls/own_control_test.h"

namespace {

using OwnControlsInTheWindow = kravo::test::OwnControlTest;

// One of each in the editor's window, drawn by the frame's idle: saved for a person to look at.
TEST_F(OwnControlsInTheWindow, EachClassDrawsThroughTheFrame)
{
    added(new myKnob({40, 40, 82, 82}, editor, 140, editor->image(10053), {0, 0}))->setValue(0.7f);
    added(new myVSlider({100, 20, 145, 202}, editor, 10, editor->image(10015), editor->image(10016), 132.0f, 4))
        ->setValue(0.75f);
    auto* menu = added(new myOptionMenu({160, 40, 280, 56}, editor, 145, editor->image(10058), nullptr, 0, false));
    menu->addEntry("BD Kravo 03");
    menu->setDirty(true);
    added(new myTextButton({160, 70, 260, 86}, editor, nullptr, "Load Kit"));
    added(new myOnOff({160, 100, 182, 122}, editor, 2299, editor->image(10057), 0))->setValue(1.0f);
    added(new myRadioButton({200, 100, 222, 122}, editor, 1549, 22))->setValue(1.0f);
    added(new myRadioBitmapButton({240, 100, 262, 122}, editor, 1549, editor->image(10057), 22));
    added(new myLabel({160, 140, 280, 150}, "Label 0 text", 0, 0));
    added(new myLabel({160, 155, 280, 165}, "Label 1 centred", 1, 1));
    added(new myBitmap({300, 40, 420, 56}, editor->image(10058), editor));
    added(new myLine({300, 70, 420, 71}, {13, 155, 156, 255}, editor));
    added(new myOnOffText({300, 90, 380, 106}, editor, 9999, nullptr, "Off", "On", {34, 34, 34, 255}, 0));
    savePicture("own-controls");

    const platform::Image window = picture();
    auto expected = buffer(300, 200);
    editor->image(10057)->draw(expected.get(), {200, 100, 222, 122}, {0, 22});
    const platform::Image radio = pictureOf(expected.get(), {200, 100, 222, 122});
    // The frame's background lies under the radio image; the window's pixel matches where the image is
    // opaque (where it differs from its clear corner).
    int inked = 0;
    int same = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 22; ++x)
            if (radio.at(x, y) != radio.at(0, 0)) {
                ++inked;
                same += window.at(200 + x, 100 + y) == radio.at(x, y) ? 1 : 0;
            }
    EXPECT_GT(inked, 22 * 22 / 4);
    EXPECT_GT(same, inked * 3 / 4);
}

} // namespace
