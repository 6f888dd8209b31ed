#pragma once

// The host toolbox's text as the host framework's views use it: measuring and drawing with the current
// port's text settings, text wrapped into a box, and text-edit records. Every font number draws with
// Liberation Sans at the port's size (12 for a size of 0 or below) in pixels per em; face bit 1 takes the
// bold face, 2 the italic one, 4 underlines. Each text mode draws the glyphs alone, over what is there,
// in the fore colour. Characters are bytes of ISO 8859-1. Host main thread only.

#include "hostlibs/extension/host_graphics_types.h"

#include <cstdint>

extern "C" {

// The current font's ascent and descent, its widest character and the leading the face asks for between
// lines, all in pixels.
struct HostFontInfo {
    std::int16_t ascent;
    std::int16_t descent;
    std::int16_t widest;
    std::int16_t leading;
};
void HostExtGetFontInfo(HostFontInfo* info);

// The width of the characters first..first+count-1 of the text.
std::int16_t HostExtTextWidth(const char* text, std::int16_t first, std::int16_t count);
// Draws them with the baseline through the pen's point, starting at it; the pen moves on by their width.
void HostExtDrawText(const char* text, std::int16_t first, std::int16_t count);

// Alignments of boxed text and text-edit records: right -1, centred 1; any other value is left.
inline constexpr std::int16_t kHostAlignRight = -1;
inline constexpr std::int16_t kHostAlignCentre = 1;

// Draws the text inside the rectangle, clipped to it: line after line of ascent + descent + leading
// from the top, broken at blanks where the next word would not fit (a word wider than the rectangle is
// broken where it stops fitting) and at carriage returns and line feeds. A centred line gets half the
// room it leaves, the odd pixel going to its right.
void HostExtTextBox(const char* text, std::int32_t length, const HostRect* rect, std::int16_t alignment);

// A text-edit record: a text typed into a rectangle of a port, with its selection (the caret when the
// selection is empty). It measures with the port's font, size and face when it was made; it draws in the
// port's colours when it draws. Its lines wrap as boxed text does. While it is active its selection
// shows inverted, or its caret blinks, changing every 500 ticks of idle; an inactive record shows neither.
using HostTextEdit = struct HostTextEditRecord*;

// Over the current port; null without one. Inactive, empty, aligned left.
HostTextEdit HostExtNewTextEdit(const HostRect* rect);
void HostExtDisposeTextEdit(HostTextEdit record);
// Takes a copy of the text (at most 32767 characters); the caret goes to its end. Draws nothing.
void HostExtSetTextEditText(HostTextEdit record, const char* text, std::int32_t length);
// Copies at most `capacity` characters of the text to `out` and answers the text's whole length.
std::int32_t HostExtGetTextEditText(HostTextEdit record, char* out, std::int32_t capacity);
// Offsets between characters, held to the text; an end before the start swaps them.
void HostExtSetTextEditSelection(HostTextEdit record, std::int32_t start, std::int32_t end);
void HostExtSelectAllTextEdit(HostTextEdit record);
void HostExtSetTextEditAlignment(HostTextEdit record, std::int16_t alignment);

// Printable characters (0x20 and above, but 0x7F) replace the selection, backspace (8) deletes it or the
// character before the caret, the left (28) and right (29) arrows move the caret; other keys change
// nothing. The record is drawn again.
void HostExtTextEditKey(HostTextEdit record, std::int16_t character);
// A click at a point of the current port's local coordinates puts the caret between the characters
// nearest to it; with `extend` the selection runs from where the last plain click put it to there. A
// second click within 500 ticks and 2 pixels of the first selects the word there.
void HostExtTextEditClick(HostTextEdit record, HostPoint point, bool extend);
// Blinks the caret.
void HostExtTextEditIdle(HostTextEdit record);
void HostExtActivateTextEdit(HostTextEdit record);
void HostExtDeactivateTextEdit(HostTextEdit record);
// Draws the record where its rectangle meets `within`: its rectangle erased in the back colour, the
// text in the fore colour, the selection or caret when active.
void HostExtDrawTextEdit(HostTextEdit record, const HostRect* within);

} // extern "C"
