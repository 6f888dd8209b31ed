#pragma once

// A caption as the pages' tables give it: a text at a place of its container, in the editor's first
// bitmap font.

#include <cstdint>

class myLabel;
class uEditor;

namespace editor {

// The editor's first bitmap font, the one of every caption.
inline constexpr std::int32_t kCaptionFont = 0;

enum class CaptionAlign { left, centred, right };

struct Caption {
    const char* text;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    CaptionAlign align;
};

// Made by the label factory of its alignment; null when the factory made nothing.
myLabel* makeCaption(uEditor& editor, const Caption& caption);

} // namespace editor
