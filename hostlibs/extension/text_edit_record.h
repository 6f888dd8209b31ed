#pragma once

// The record behind a text-edit handle and how its text lies in its rectangle. Host main thread only.

#include "hostlibs/extension/graphics_state.h"
#include "hostlibs/extension/host_text.h"

#include <cstdint>
#include <string>

struct HostTextEditRecord {
    // Null once the port is disposed of: the record then draws nothing.
    HostPort port;
    HostRect rect;
    // The port's font, size and face when the record was made.
    HostTextSettings settings;
    std::string text;
    std::size_t selectionStart = 0;
    std::size_t selectionEnd = 0;
    // Where the selection was started, which an extending click keeps.
    std::size_t anchor = 0;
    std::int16_t alignment = 0;
    bool active = false;
    bool caretShown = false;
    std::uint32_t caretSince = 0;
    // The last plain click, which a second one may make a double click.
    bool clicked = false;
    std::uint32_t clickTime = 0;
    HostPoint clickPoint{0, 0};
};

namespace hostext {

// The offset between characters nearest to the point (the port's local coordinates).
std::size_t offsetAt(const HostTextEditRecord& record, HostPoint point);

// Draws the record within the area (local coordinates): its rectangle erased in the back colour, the
// text in the fore colour, then its selection or caret when it is active.
void drawTextEdit(HostTextEditRecord& record, const RECT& within);
// Inverts the selection, or the caret while it shows, when the record is active: calling it twice
// leaves the pixels as they were.
void invertHighlight(HostTextEditRecord& record);

} // namespace hostext
