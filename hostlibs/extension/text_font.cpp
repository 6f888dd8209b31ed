#include "hostlibs/extension/text_font.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char* kFaceName = "Liberation Sans";
constexpr int kDefaultSize = 12;
constexpr std::int16_t kBold = 1;
constexpr std::int16_t kItalic = 2;
constexpr std::int16_t kUnderline = 4;

std::int16_t cut(LONG value)
{
    return static_cast<std::int16_t>(std::clamp<LONG>(value, INT16_MIN, INT16_MAX));
}

} // namespace

namespace hostext {

TextFont::TextFont(const HostTextSettings& settings) :
    measuring_(CreateCompatibleDC(nullptr)),
    font_(CreateFontA(-(settings.size > 0 ? settings.size : kDefaultSize), 0, 0, 0,
        (settings.face & kBold) != 0 ? FW_BOLD : FW_NORMAL, (settings.face & kItalic) != 0,
        (settings.face & kUnderline) != 0, 0, ANSI_CHARSET, OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DEFAULT_QUALITY,
        VARIABLE_PITCH | FF_SWISS, kFaceName))
{
    if (measuring_ == nullptr || font_ == nullptr)
        return;
    SelectObject(measuring_, font_);
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(measuring_, &metrics) == FALSE)
        return;
    info_ = {cut(metrics.ascent), cut(metrics.descent), cut(metrics.maxCharWidth), cut(metrics.externalLeading)};
    usable_ = true;
}

TextFont::~TextFont()
{
    if (measuring_ != nullptr)
        DeleteDC(measuring_);
    if (font_ != nullptr)
        DeleteObject(font_);
}

int TextFont::width(std::string_view text) const
{
    SIZE size{};
    if (!usable_ || GetTextExtentPoint32A(measuring_, text.data(), static_cast<int>(text.size()), &size) == FALSE)
        return 0;
    return size.width;
}

} // namespace hostext
