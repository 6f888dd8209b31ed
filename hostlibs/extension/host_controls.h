#pragma once

// The host toolbox's system controls and icons as the host framework's views use them. A control
// belongs to a port and draws into it plainly: a push button as a framed title, a check box and a radio
// button as a small box (a cross in it while on, a dot for the radio button) before the title. Icons
// are the 'ICON' resources of the current resource file. Host main thread only.

#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics_types.h"

#include <cstdint>

extern "C" {

using HostControl = struct HostControlRecord*;

inline constexpr std::int16_t kHostPushButton = 0;
inline constexpr std::int16_t kHostCheckBox = 1;
inline constexpr std::int16_t kHostRadioButton = 2;

// The part of a control that a tracked click let go over; none when it was let go outside.
inline constexpr std::int16_t kHostNoPart = 0;
inline constexpr std::int16_t kHostInControl = 1;

// Null without a port, for a kind other than the three, or when there is no memory. The title is
// length-prefixed; the value is held to minimum..maximum.
HostControl HostExtNewControl(HostPort port, const HostRect* bounds, const std::uint8_t* title, bool visible,
                              std::int16_t value, std::int16_t minimum, std::int16_t maximum, std::int16_t kind,
                              std::intptr_t reference);
// The control resource 'ctrl' of the current resource file, made not visible for the port. Ours:
// bounds (top, left, bottom, right), kind, value, minimum, maximum, 16 bits each, then the title,
// length-prefixed. Null when it is missing, shorter than that says or of no known kind.
HostControl HostExtGetNewControl(std::int16_t id, HostPort port);
void HostExtDisposeControl(HostControl control);
// Makes the control visible and draws it.
void HostExtShowControl(HostControl control);
// Draws a visible control into its port (the current port's origin and clip when it is its port).
void HostExtDrawControl(HostControl control);
// Moves the control's top-left to (h, v), keeping its size; draws nothing: its owner draws it again.
void HostExtMoveControl(HostControl control, std::int16_t h, std::int16_t v);
void HostExtGetControlBounds(HostControl control, HostRect* bounds);
std::int16_t HostExtGetControlValue(HostControl control);
void HostExtSetControlValue(HostControl control, std::int16_t value);
// Follows the mouse from the point (the port's local coordinates) until the button is let go. Let go
// over the control, a check box turns over between its minimum and maximum, a radio button turns on
// (its maximum), and the answer is kHostInControl; else nothing changes. No action procedure is called:
// ours takes none.
std::int16_t HostExtTrackControl(HostControl control, HostPoint start);

// Icons, ours: width and height (16 bits each), then the rows, one bit a pixel from the high bit of
// each byte, each row a whole number of bytes. Plotting paints the set bits in the fore colour into the
// rectangle, each pixel taking the icon's pixel that falls on it; an icon whose handle holds fewer bytes
// than its size says plots nothing.
void HostExtPlotIcon(const HostRect* rect, HostHandle icon);

} // extern "C"
