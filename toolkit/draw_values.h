#pragma once

// The numbers that views and the editor pass to drawing contexts. Only the values are fixed: callers
// may pass them as plain numbers.

#include <cstdint>

namespace Toolkit {

// Horizontal text alignment.
enum TextAlignment : std::int32_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

// How outline primitives are drawn.
enum DrawStyle : std::int32_t { kOutline = 0, kFill = 1, kFillAndOutline = 2 };

enum LineStyle : std::int32_t { kSolidLine = 0, kDottedLine = 1 };

// How the pen meets what is there: copied, merged (pen OR screen), or not-xor of pen and screen.
enum DrawMode : std::int32_t { kPenCopy = 0, kPenMerge = 1, kPenNotXor = 2 };

// Font style bits.
enum FontStyle : std::int32_t { kBoldStyle = 1, kItalicStyle = 2, kUnderlineStyle = 4 };

} // namespace Toolkit
