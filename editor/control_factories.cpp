// The factories the page builders make their controls with: each control sized from its image, with
// the editor as its listener and, for a parameter control, entered in the registry.

#include "editor/ueditor.h"

#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/my_text_button.h"
#include "editor/controls/my_v_slider.h"
#include "editor/image_places.h"
#include "editor/menu_styles.h"
#include "toolkit/bitmap.h"
#include "toolkit/kick_button.h"

using Toolkit::CBitmap;
using Toolkit::CPoint;
using Toolkit::CRect;

namespace {

using editor::heightOf;
using editor::widthOf;

constexpr std::int32_t kSecondSwitchImage = 10056;
constexpr std::int32_t kKnobImage = 10053;
constexpr std::int32_t kBipolarKnobImage = 10055;
constexpr std::int32_t kLargeKnobImage = 10054;
constexpr std::int32_t kFaderImage = 10015;
constexpr std::int32_t kFaderHandleImage = 10016;
constexpr std::int32_t kStandardMenuImage = 10030;
constexpr std::int32_t kKnobFrames = 151;
constexpr float kFaderTravel = 132.0f;
constexpr std::int32_t kTextButtonFont = 3;
constexpr std::int32_t kLabelHeight = 10;
using editor::kMenuOverControl;
constexpr float kNoDivisor = -1.0f;

CRect placed(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    return CRect(x, y, x + width, y + height);
}

// A two-state image shows one state at a time.
CRect halfOf(const CBitmap* image, std::int32_t x, std::int32_t y)
{
    return placed(x, y, widthOf(image), heightOf(image) / 2);
}

myKnob* newKnob(Toolkit::CControlListener* listener, CBitmap* strip, std::int32_t tag, std::int32_t x, std::int32_t y)
{
    return new myKnob(placed(x, y, widthOf(strip), heightOf(strip) / kKnobFrames), listener, tag, strip, CPoint(0, 0));
}

} // namespace

void uEditor::makeRadioButton(myRadioButton*& control, std::int32_t tag, std::int32_t x, std::int32_t y)
{
    CBitmap* radio = image(myRadioButton::kRadioImage);
    control = new myRadioButton(halfOf(radio, x, y), this, tag, heightOf(radio) / 2);
}

void uEditor::makeRadioBitmapButton(myRadioBitmapButton*& control, std::int32_t imageId, std::int32_t x, std::int32_t y)
{
    CBitmap* button = image(imageId);
    control = new myRadioBitmapButton(halfOf(button, x, y), this, kCommandTag, button, heightOf(button) / 2);
}

void uEditor::makeOnOffButton(myOnOff*& control, std::int32_t tag, std::int32_t x, std::int32_t y, std::uint8_t kind)
{
    if (kind > kSecondSwitch)
        return;
    makeOnOffButtonWithImage(control, tag, x, y,
                             kind == kPlainSwitch ? myRadioButton::kRadioImage : kSecondSwitchImage);
}

void uEditor::makeOnOffButtonWithImage(myOnOff*& control, std::int32_t tag, std::int32_t x, std::int32_t y,
                                       std::int32_t imageId)
{
    CBitmap* button = image(imageId);
    if (button == nullptr || !button->isLoaded())
        return;
    control = new myOnOff(halfOf(button, x, y), this, tag, button, 0);
    registerControl(control);
}

void uEditor::makeKickButton(Toolkit::CKickButton*& control, std::int32_t tag, std::int32_t x, std::int32_t y,
                             std::int32_t imageId)
{
    CBitmap* button = image(imageId);
    if (button == nullptr)
        return;
    control = new Toolkit::CKickButton(halfOf(button, x, y), this, tag, button, CPoint(0, 0));
    registerControl(control);
}

void uEditor::makeCommandKickButton(Toolkit::CKickButton*& control, std::int32_t x, std::int32_t y, std::int32_t imageId)
{
    makeKickButton(control, kCommandTag, x, y, imageId);
}

void uEditor::makeRadioKickButton(Toolkit::CKickButton*& control, std::int32_t x, std::int32_t y)
{
    makeKickButton(control, kCommandTag, x, y, myRadioButton::kRadioImage);
}

void uEditor::makeTextButton(myTextButton*& control, std::int32_t x, std::int32_t y, std::int32_t imageId,
                             const char* text)
{
    CBitmap* background = image(imageId);
    control = new myTextButton(placed(x, y, widthOf(background), heightOf(background)), this, background, text);
    control->setFont(kTextButtonFont);
}

void uEditor::makeOptionMenu(myOptionMenu*& control, std::int32_t tag, std::int32_t x, std::int32_t y,
                             std::int32_t imageId, std::int32_t count, const char* const* entries, float divisor)
{
    CBitmap* background = image(imageId);
    control = newMainMenu(tag, placed(x, y, widthOf(background), heightOf(background)), background);
    for (std::int32_t n = 0; n < count; ++n)
        control->addEntry(entries[n]);
    registerMenuControl(control);
    if (divisor != kNoDivisor && tag >= 0 && tag < kParameterCount)
        menuDivisor[static_cast<std::size_t>(tag)] = divisor;
}

void uEditor::makeStandardOptionMenu(myOptionMenu*& control, std::int32_t tag, std::int32_t x, std::int32_t y,
                                     std::int32_t count, const char* const* entries, float divisor)
{
    makeOptionMenu(control, tag, x, y, kStandardMenuImage, count, entries, divisor);
}

void uEditor::makeKnob(myKnob*& control, std::int32_t tag, std::int32_t x, std::int32_t y)
{
    control = newKnob(this, image(kKnobImage), tag, x, y);
    registerControl(control);
}

void uEditor::makeKnobAlt(myKnob*& control, std::int32_t tag, std::int32_t x, std::int32_t y)
{
    control = newKnob(this, image(kBipolarKnobImage), tag, x, y);
    registerControl(control);
}

void uEditor::makeKnobLarge(myKnob*& control, std::int32_t tag, std::int32_t x, std::int32_t y)
{
    control = newKnob(this, image(kLargeKnobImage), tag, x, y);
    registerControl(control);
}

void uEditor::makeVSlider(myVSlider*& control, std::int32_t tag, std::int32_t x, std::int32_t y, std::int32_t format)
{
    CBitmap* background = image(kFaderImage);
    control = new myVSlider(placed(x, y, widthOf(background), heightOf(background)), this, tag, background,
                            image(kFaderHandleImage), kFaderTravel, format);
    registerControl(control);
}

void uEditor::makeLabelLeft(myLabel*& control, std::int32_t x, std::int32_t y, std::int32_t width, const char* text,
                            std::int32_t font)
{
    control = new myLabel(placed(x, y, width, kLabelHeight), text, 0, font);
}

void uEditor::makeLabelCentred(myLabel*& control, std::int32_t x, std::int32_t y, std::int32_t width, const char* text,
                               std::int32_t font)
{
    control = new myLabel(placed(x, y, width, kLabelHeight), text, 1, font);
}

void uEditor::makeLabelRight(myLabel*& control, std::int32_t x, std::int32_t y, std::int32_t width, const char* text,
                             std::int32_t font)
{
    control = new myLabel(placed(x, y, width, kLabelHeight), text, 2, font);
}

void uEditor::makeBitmap(myBitmap*& control, std::int32_t x, std::int32_t y, std::int32_t imageId)
{
    CBitmap* picture = image(imageId);
    control = new myBitmap(placed(x, y, widthOf(picture), heightOf(picture)), picture, this);
}

myOptionMenu* uEditor::newMainMenu(std::int32_t tag, const CRect& size, CBitmap* background)
{
    return new myOptionMenu(size, this, tag, background, nullptr, kMenuOverControl, true);
}
