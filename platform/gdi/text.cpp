#include "platform/gdi/text.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_target.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/gdi_object_table.h"
#include "platform/gdi/rasterizer.h"
#include "platform/last_error.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <string_view>

using platform::gdi::DrawTarget;
using platform::gdi::FontFace;

namespace {

std::atomic<bool> antialiasing{true};

FontFace* faceOf(const DrawTarget& target)
{
    platform::gdi::Font& font = platform::gdi::selectedObject<platform::gdi::Font>(target.dc->font);
    if (!font.face)
        font.face = FontFace::match(font.description);
    return font.face.get();
}

int widthOf(FontFace& face, std::string_view text)
{
    int width = 0;
    for (const char character : text)
        width += face.glyph(static_cast<unsigned char>(character), true).advance;
    return width;
}

int cellHeight(const FontFace& face)
{
    return face.metrics().ascent + face.metrics().descent;
}

void fill(const DrawTarget& target, const RECT& area, COLORREF colour)
{
    const std::uint32_t pixel = platform::gdi::pixelOf(colour, target.pixels.monochrome);
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            target.pixels.at(x, y) = pixel;
}

// Lays the text's coverage over the pixels in the text colour: blended in colour, on a monochrome
// bitmap wherever it covers at least half.
void blend(const DrawTarget& target, int x, int y, const platform::gdi::Glyph& glyph, const RECT& clip)
{
    const COLORREF colour = target.dc->textColour;
    const bool monochrome = target.pixels.monochrome;
    const std::uint32_t textPixel = platform::gdi::pixelOf(colour, monochrome);
    const RECT area = platform::gdi::intersection(clip, {x, y, x + glyph.width, y + glyph.rows});
    for (LONG row = area.top; row < area.bottom; ++row)
        for (LONG column = area.left; column < area.right; ++column) {
            const std::uint32_t cover =
                glyph.coverage[static_cast<std::size_t>(row - y) * static_cast<std::size_t>(glyph.width) +
                    static_cast<std::size_t>(column - x)];
            std::uint32_t& pixel = target.pixels.at(column, row);
            if (monochrome) {
                if (cover >= 128)
                    pixel = textPixel;
                continue;
            }
            std::uint32_t mixed = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::uint32_t under = (pixel >> shift) & 0xFF;
                const std::uint32_t over = (textPixel >> shift) & 0xFF;
                mixed |= ((under * (255 - cover) + over * cover + 127) / 255) << shift;
            }
            pixel = mixed;
        }
}

// Draws the text with its cell's top-left corner at (x, y) in the DC's coordinates, within `clip`
// (pixel coordinates).
void drawLine(const DrawTarget& target, FontFace& face, int x, int y, std::string_view text, const RECT& clip)
{
    const bool antialiased = antialiasing.load();
    const int left = x + target.origin.x;
    const int top = y + target.origin.y;
    const int width = widthOf(face, text);
    if (target.dc->backgroundMode == OPAQUE)
        fill(target, platform::gdi::intersection(clip, {left, top, left + width, top + cellHeight(face)}),
            target.dc->backgroundColour);
    const int baseline = top + face.metrics().ascent;
    int pen = left;
    for (const char character : text) {
        const platform::gdi::Glyph& glyph = face.glyph(static_cast<unsigned char>(character), antialiased);
        blend(target, pen + glyph.left, baseline - glyph.top, glyph, clip);
        pen += glyph.advance;
    }
    const platform::gdi::Font& font = platform::gdi::selectedObject<platform::gdi::Font>(target.dc->font);
    if (font.description.underline != 0) {
        const int underline = baseline + face.metrics().underlineOffset;
        fill(target,
            platform::gdi::intersection(
                clip, {left, underline, left + width, underline + face.metrics().underlineThickness}),
            target.dc->textColour);
    }
}

struct TextCall {
    DrawTarget target;
    FontFace* face;
};

// The DC and its font's face, or nothing when the DC is not one or no face can be had.
std::optional<TextCall> textCall(HDC dc, const char* call, LPCSTR text, int count)
{
    auto target = platform::gdi::drawTarget(dc, call);
    if (!target)
        return std::nullopt;
    FontFace* face = faceOf(*target);
    if (face == nullptr || text == nullptr || count < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    return TextCall{*target, face};
}

} // namespace

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
    DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
    LPCSTR faceName)
{
    platform::gdi::Font font;
    font.description = {.height = height,
        .width = width,
        .escapement = escapement,
        .orientation = orientation,
        .weight = weight,
        .italic = static_cast<BYTE>(italic != 0),
        .underline = static_cast<BYTE>(underline != 0),
        .strikeOut = static_cast<BYTE>(strikeOut != 0),
        .charSet = static_cast<BYTE>(charSet),
        .outPrecision = static_cast<BYTE>(outPrecision),
        .clipPrecision = static_cast<BYTE>(clipPrecision),
        .quality = static_cast<BYTE>(quality),
        .pitchAndFamily = static_cast<BYTE>(pitchAndFamily),
        .faceName = {}};
    if (faceName != nullptr)
        std::strncpy(font.description.faceName, faceName, LF_FACESIZE - 1);
    return static_cast<HFONT>(platform::gdi::addObject(std::move(font)));
}

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count)
{
    const auto call = textCall(dc, "TextOutA", text, count);
    const std::array<POINT, 1> corner{{{x, y}}};
    if (!call)
        return FALSE;
    if (!platform::gdi::withinCoordinateRange(corner)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    call->target.forEachClipPart(call->target.clip, [&](const RECT& part) {
        drawLine(call->target, *call->face, x, y, {text, static_cast<std::size_t>(count)}, part);
    });
    return TRUE;
}

int DrawTextA(HDC dc, LPCSTR text, int count, RECT* rect, UINT format)
{
    const auto call =
        textCall(dc, "DrawTextA", text, count == -1 && text != nullptr ? static_cast<int>(std::strlen(text)) : count);
    if (!call || rect == nullptr)
        return 0;
    const std::array<POINT, 2> corners{{{rect->left, rect->top}, {rect->right, rect->bottom}}};
    if (!platform::gdi::withinCoordinateRange(corners)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::string_view line(text, count == -1 ? std::strlen(text) : static_cast<std::size_t>(count));
    const int width = widthOf(*call->face, line);
    const int height = cellHeight(*call->face);
    if ((format & DT_CALCRECT) != 0) {
        rect->right = rect->left + width;
        rect->bottom = rect->top + height;
        return height;
    }
    // Halves of odd leftovers go to the right and the bottom.
    int x = rect->left;
    if ((format & DT_CENTER) != 0)
        x = rect->left + (rect->right - rect->left - width) / 2;
    else if ((format & DT_RIGHT) != 0)
        x = rect->right - width;
    int y = rect->top;
    if ((format & DT_VCENTER) != 0)
        y = rect->top + (rect->bottom - rect->top - height) / 2;
    call->target.forEachClipPart(platform::gdi::offsetRect(*rect, call->target.origin),
        [&](const RECT& part) { drawLine(call->target, *call->face, x, y, line, part); });
    return y + height - rect->top;
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, SIZE* size)
{
    const auto call = textCall(dc, "GetTextExtentPoint32A", text, count);
    if (!call || size == nullptr)
        return FALSE;
    *size = {widthOf(*call->face, {text, static_cast<std::size_t>(count)}), cellHeight(*call->face)};
    return TRUE;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics)
{
    const auto call = textCall(dc, "GetTextMetricsA", "", 0);
    if (!call || metrics == nullptr)
        return FALSE;
    const platform::gdi::FontMetrics& face = call->face->metrics();
    const platform::gdi::Font& font = platform::gdi::selectedObject<platform::gdi::Font>(call->target.dc->font);
    *metrics = {.height = face.ascent + face.descent,
        .ascent = face.ascent,
        .descent = face.descent,
        .internalLeading = std::max(0, face.ascent + face.descent - face.characterHeight),
        .externalLeading = face.externalLeading,
        .averageCharWidth = face.averageCharWidth,
        .maxCharWidth = face.maxCharWidth,
        .weight = font.description.weight <= 0 ? FW_NORMAL : font.description.weight};
    return TRUE;
}

namespace platform {

void setTextAntialiasing(bool antialiased)
{
    antialiasing.store(antialiased);
}

} // namespace platform
