#pragma once

// What each edit window keeps besides its text, from its first message until it ends.

#include "platform/window/edit/edit_line.h"
#include "platform/window/window_types.h"

namespace platform::window {

struct EditField {
    EditLine line;
    // The caller's; null for the system font.
    HFONT font = nullptr;
    int leftMargin = 0;
    int rightMargin = 0;
    // Pixels of text hidden at the left, to keep the caret in view.
    int scroll = 0;
};

EditField& editFieldOf(HWND window);

} // namespace platform::window
