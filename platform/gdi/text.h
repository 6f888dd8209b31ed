#pragma once

// Fonts and text. A font is matched by its face name through the system's font configuration, whose
// metric-compatible aliases stand in for the usual Windows faces (Arial is drawn with Liberation Sans).
// Glyphs are anti-aliased in the text colour, or bilevel when switched; text ignores the mix mode.
// Characters are bytes of ISO 8859-1. A text is one line: line breaks and prefixes are not interpreted.
// Character heights are held to 1..1000 pixels, and text positions to the drawing calls' ±2^27.

#include "platform/gdi/gdi_types.h"

inline constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    // Negative: the character height (the em) in pixels; positive: the cell height (ascent + descent);
    // 0: a character height of 12.
    LONG height;
    LONG width;
    LONG escapement;
    LONG orientation;
    LONG weight;
    BYTE italic;
    BYTE underline;
    BYTE strikeOut;
    BYTE charSet;
    BYTE outPrecision;
    BYTE clipPrecision;
    BYTE quality;
    BYTE pitchAndFamily;
    CHAR faceName[LF_FACESIZE];
};

struct TEXTMETRICA {
    LONG height;
    LONG ascent;
    LONG descent;
    LONG internalLeading;
    LONG externalLeading;
    LONG averageCharWidth;
    LONG maxCharWidth;
    LONG weight;
};

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr DWORD ANSI_CHARSET = 0;
inline constexpr DWORD OUT_STRING_PRECIS = 1;
inline constexpr DWORD CLIP_STROKE_PRECIS = 2;
inline constexpr DWORD DEFAULT_QUALITY = 0;
inline constexpr DWORD DEFAULT_PITCH = 0;
inline constexpr DWORD VARIABLE_PITCH = 2;
inline constexpr DWORD FF_SWISS = 0x20;
inline constexpr DWORD FF_DECORATIVE = 0x40;

// DrawTextA formats. Left alignment is the default.
inline constexpr UINT DT_LEFT = 0;
inline constexpr UINT DT_SINGLELINE = 0x01;
inline constexpr UINT DT_NOPREFIX = 0x02;
inline constexpr UINT DT_CALCRECT = 0x04;
inline constexpr UINT DT_VCENTER = 0x08;
inline constexpr UINT DT_CENTER = 0x10;
inline constexpr UINT DT_RIGHT = 0x20;

// Width, escapement, orientation, strike-out, precisions, quality and pitch are kept for GetObjectA; the
// face is chosen by name, weight, italic and size. Underline is drawn.
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
    DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
    LPCSTR faceName);

// Text is drawn with its cell's top-left corner at (x, y); in the opaque background mode the cell is
// first filled with the background colour.
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count);
// The text in one line inside the rectangle, clipped to it; a count of -1 takes the text up to its
// terminating zero. DT_CALCRECT only sets the rectangle's right and bottom to fit the text. Answers the
// distance from the rectangle's top to the text's bottom, 0 on failure.
int DrawTextA(HDC dc, LPCSTR text, int count, RECT* rect, UINT format);
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, SIZE* size);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);

namespace platform {

// Bilevel glyphs instead of anti-aliased ones (for pictures that must not depend on grey levels).
void setTextAntialiasing(bool antialiased);

} // namespace platform
