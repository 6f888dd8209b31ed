#pragma once

// Where an edit's text lies: between the margins, placed by the alignment style while the text and the
// caret after it fit there, else from the left, scrolled to keep the caret in view. Measured on a DC that
// holds the field's font.

#include "platform/window/edit/edit_field.h"
#include "platform/window/window_types.h"

#include <cstddef>
#include <string_view>

namespace platform::window {

struct Window;

inline constexpr int kCaretWidth = 1;

struct EditGeometry {
    // Between the margins, in client coordinates, as tall as the window.
    RECT area;
    // Where the text's first character starts.
    int textLeft;
};

// The field's font, or the system font.
HGDIOBJ fontOf(const EditField& field);
int textWidth(HDC dc, std::string_view text);

EditGeometry layOut(HDC dc, const Window& window, const EditField& field);
// Only with ES_AUTOHSCROLL and a text too wide for the area; otherwise the scroll is 0.
void scrollToCaret(HDC dc, const Window& window, EditField& field);
// Whether the text and the caret after it fit between the margins.
bool fitsBetweenMargins(HDC dc, const Window& window, const EditField& field);
// The character boundary nearest to x, in client coordinates.
std::size_t positionAt(HDC dc, const Window& window, const EditField& field, int x);

// A memory DC holding the field's font, for measuring outside painting.
class MeasuringDC {
public:
    explicit MeasuringDC(const EditField& field);
    ~MeasuringDC();
    MeasuringDC(const MeasuringDC&) = delete;
    MeasuringDC& operator=(const MeasuringDC&) = delete;

    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previousFont_;
};

} // namespace platform::window
