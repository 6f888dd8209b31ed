#pragma once

// Text painted on a port and laid out in lines, shared by the text routines, boxed text and text-edit
// records.

#include "hostlibs/extension/graphics_state.h"
#include "hostlibs/extension/text_font.h"

#include <string_view>
#include <vector>

namespace hostext {

// Paints the text in the colour with its baseline's left end at (h, baseline), local coordinates, within
// `within` and the port's clip; logs it as "text" with its cell.
void paintText(HostPortRecord& port, const TextFont& font, int h, int baseline, std::string_view text,
    const RECT& within, COLORREF colour);

// One line of a wrapped text: characters start..end-1 are drawn; next is where the following line starts
// (after the blanks or the line break that ended this one).
struct TextLine {
    std::size_t start;
    std::size_t end;
    std::size_t next;
};

// The lines of the text in that width, at least one. Breaks at the last blank before the first character
// that does not fit, within a word that fills the line alone where it stops fitting (one character at
// least), and after every carriage return, line feed, or the two together.
std::vector<TextLine> wrapLines(std::string_view text, int width, const TextFont& font);

// Where a line of that width starts in left..right for the alignment.
int alignedStart(int left, int right, int width, std::int16_t alignment);

} // namespace hostext
