#include "hostlibs/extension/host_controls.h"

#include "hostlibs/extension/graphics_state.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

struct HostControlRecord {
    HostPort port;
    HostRect bounds;
    std::string title;
    bool visible;
    std::int16_t value;
    std::int16_t minimum;
    std::int16_t maximum;
    std::int16_t kind;
    std::intptr_t reference;
};

namespace {

using hostext::graphics;

constexpr std::uint32_t kControlType = FourCharCode("ctrl");
constexpr std::int32_t kControlHeaderSize = 16;
// The box of a check box or radio button, and the room between it and the title.
constexpr std::int16_t kBoxSide = 12;
constexpr std::int16_t kTitleGap = 4;
constexpr HostColor kInk{0, 0, 0};
constexpr HostColor kPaper{0xFFFF, 0xFFFF, 0xFFFF};

int& liveControls()
{
    static int count = 0;
    return count;
}

std::int16_t word(const std::uint8_t* data, int index)
{
    std::int16_t value = 0;
    std::memcpy(&value, data + 2 * index, sizeof value);
    return value;
}

// What drawing a control changes of its port comes back afterwards.
class PortState {
public:
    explicit PortState(HostPort port)
        : port(port), previous(graphics().current), fore(port->fore), back(port->back), pen(port->pen),
          penSize(port->penSize), text(port->text)
    {
        graphics().current = port;
    }
    ~PortState()
    {
        port->fore = fore;
        port->back = back;
        port->pen = pen;
        port->penSize = penSize;
        port->text = text;
        graphics().current = previous;
    }
    PortState(const PortState&) = delete;
    PortState& operator=(const PortState&) = delete;

private:
    HostPort port;
    HostPort previous;
    HostColor fore;
    HostColor back;
    HostPoint pen;
    HostPoint penSize;
    HostTextSettings text;
};

void drawTitle(const HostControlRecord& control, std::int16_t left, std::int16_t right, bool centred)
{
    HostFontInfo font{};
    HostExtGetFontInfo(&font);
    const auto length = static_cast<std::int16_t>(control.title.size());
    const std::int16_t width = HostExtTextWidth(control.title.data(), 0, length);
    const HostRect& bounds = control.bounds;
    const int middle = (bounds.top + bounds.bottom) / 2;
    const auto baseline = static_cast<std::int16_t>(middle + (font.ascent - font.descent) / 2);
    const auto start = static_cast<std::int16_t>(centred ? left + (right - left - width) / 2 : left);
    HostExtMoveTo(start, baseline);
    HostExtDrawText(control.title.data(), 0, length);
}

void drawBox(const HostControlRecord& control)
{
    const HostRect& bounds = control.bounds;
    const auto top = static_cast<std::int16_t>((bounds.top + bounds.bottom - kBoxSide) / 2);
    const HostRect box{top, bounds.left, static_cast<std::int16_t>(top + kBoxSide),
                       static_cast<std::int16_t>(bounds.left + kBoxSide)};
    HostExtFrameRect(&box);
    if (control.value == 0 || control.value == control.minimum)
        return;
    if (control.kind == kHostCheckBox) {
        HostExtMoveTo(static_cast<std::int16_t>(box.left + 2), static_cast<std::int16_t>(box.top + 2));
        HostExtLineTo(static_cast<std::int16_t>(box.right - 3), static_cast<std::int16_t>(box.bottom - 3));
        HostExtMoveTo(static_cast<std::int16_t>(box.left + 2), static_cast<std::int16_t>(box.bottom - 3));
        HostExtLineTo(static_cast<std::int16_t>(box.right - 3), static_cast<std::int16_t>(box.top + 2));
    } else {
        const HostRect dot{static_cast<std::int16_t>(box.top + 3), static_cast<std::int16_t>(box.left + 3),
                           static_cast<std::int16_t>(box.bottom - 3), static_cast<std::int16_t>(box.right - 3)};
        HostExtFillRect(&dot);
    }
}

void draw(HostControlRecord& control)
{
    if (!control.visible || control.port == nullptr)
        return;
    const PortState saved(control.port);
    HostExtRGBForeColor(&kInk);
    HostExtRGBBackColor(&kPaper);
    HostExtPenSize(1, 1);
    HostExtTextFont(0);
    HostExtTextSize(12);
    HostExtTextFace(0);
    const HostPixelPattern pattern = HostExtNewPixelPattern();
    if (pattern != nullptr)
        HostExtGetBackPixelPattern(pattern);
    HostExtBackPatternPlain();
    HostExtEraseRect(&control.bounds);
    if (pattern != nullptr) {
        HostExtBackPixelPattern(pattern);
        HostExtDisposePixelPattern(pattern);
    }
    if (control.kind == kHostPushButton) {
        HostExtFrameRect(&control.bounds);
        drawTitle(control, control.bounds.left, control.bounds.right, true);
    } else {
        drawBox(control);
        drawTitle(control, static_cast<std::int16_t>(control.bounds.left + kBoxSide + kTitleGap), control.bounds.right,
                  false);
    }
}

std::int16_t held(std::int16_t value, std::int16_t minimum, std::int16_t maximum)
{
    return std::clamp(value, std::min(minimum, maximum), std::max(minimum, maximum));
}

} // namespace

extern "C" {

HostControl HostExtNewControl(HostPort port, const HostRect* bounds, const std::uint8_t* title, bool visible,
                              std::int16_t value, std::int16_t minimum, std::int16_t maximum, std::int16_t kind,
                              std::intptr_t reference)
{
    if (port == nullptr || bounds == nullptr || kind < kHostPushButton || kind > kHostRadioButton)
        return nullptr;
    std::string text = title != nullptr ? std::string(reinterpret_cast<const char*>(title + 1), title[0]) : "";
    auto* control = new (std::nothrow)
        HostControlRecord{port, *bounds, std::move(text), visible, held(value, minimum, maximum), minimum,
                          maximum, kind, reference};
    if (control == nullptr)
        return nullptr;
    ++liveControls();
    draw(*control);
    return control;
}

HostControl HostExtGetNewControl(std::int16_t id, HostPort port)
{
    HostHandle resource = HostExtGetResource(kControlType, id);
    if (resource == nullptr)
        return nullptr;
    const std::int32_t size = HostExtGetHandleSize(resource);
    const auto* data = reinterpret_cast<const std::uint8_t*>(*resource);
    HostControl control = nullptr;
    if (size > kControlHeaderSize && size >= kControlHeaderSize + 1 + data[kControlHeaderSize]) {
        const HostRect bounds{word(data, 0), word(data, 1), word(data, 2), word(data, 3)};
        control = HostExtNewControl(port, &bounds, data + kControlHeaderSize, false, word(data, 5), word(data, 6),
                                    word(data, 7), word(data, 4), 0);
    }
    HostExtReleaseResource(resource);
    return control;
}

void HostExtDisposeControl(HostControl control)
{
    if (control == nullptr)
        return;
    delete control;
    --liveControls();
}

void HostExtShowControl(HostControl control)
{
    if (control == nullptr)
        return;
    control->visible = true;
    draw(*control);
}

void HostExtDrawControl(HostControl control)
{
    if (control != nullptr)
        draw(*control);
}

void HostExtMoveControl(HostControl control, std::int16_t h, std::int16_t v)
{
    if (control == nullptr)
        return;
    HostRect& bounds = control->bounds;
    bounds = {v, h, static_cast<std::int16_t>(v + bounds.bottom - bounds.top),
              static_cast<std::int16_t>(h + bounds.right - bounds.left)};
}

void HostExtGetControlBounds(HostControl control, HostRect* bounds)
{
    if (control != nullptr && bounds != nullptr)
        *bounds = control->bounds;
}

std::int16_t HostExtGetControlValue(HostControl control)
{
    return control != nullptr ? control->value : 0;
}

void HostExtSetControlValue(HostControl control, std::int16_t value)
{
    if (control == nullptr)
        return;
    control->value = held(value, control->minimum, control->maximum);
    draw(*control);
}

std::int16_t HostExtTrackControl(HostControl control, HostPoint start)
{
    if (control == nullptr)
        return kHostNoPart;
    const HostPort previous = graphics().current;
    graphics().current = control->port;
    HostPoint mouse = start;
    while (HostExtStillDown())
        HostExtGetMouse(&mouse);
    graphics().current = previous;
    if (!HostExtPointInRect(mouse, &control->bounds))
        return kHostNoPart;
    if (control->kind == kHostCheckBox)
        HostExtSetControlValue(control, control->value == control->maximum ? control->minimum : control->maximum);
    else if (control->kind == kHostRadioButton)
        HostExtSetControlValue(control, control->maximum);
    return kHostInControl;
}

} // extern "C"

namespace hostext {

int liveControlCount()
{
    return liveControls();
}

std::optional<ControlState> controlState(HostControl control)
{
    if (control == nullptr)
        return std::nullopt;
    return ControlState{control->port,    control->bounds,  control->title, control->visible, control->value,
                        control->minimum, control->maximum, control->kind,  control->reference};
}

} // namespace hostext
