#pragma once

// The colours of the bevelled plates that description views draw: nine styles, -2 to 6, of six colours
// each, from the lightest edge (0) over the face (2) to the darkest edge (5). Styles -2 and -1 follow
// the background of the first tree that is shown; the others are fixed.

#include "hostlibs/extension/host_graphics_types.h"

#include <cstdint>

inline constexpr std::int16_t kFirstPlateStyle = -2;
inline constexpr std::int16_t kLastPlateStyle = 6;
inline constexpr int kPlateColourCount = 6;
inline constexpr int kPlateFaceColour = 2;

// A style outside the table answers as style 0, so no number reaches past it.
HostColor PlateColour(std::int16_t style, int index);

// The fore colour of a highlighted text or pointer: the host's highlight colour 0..3 picks plate style 2,
// 5, 3 or 6; false for any other colour.
bool HighlightForeColour(std::int16_t highlightColour, HostColor* out);
// The fore colour a view's own plate style 1 or 4 gives; false for the other styles.
bool OwnStyleForeColour(std::int16_t plateStyle, HostColor* out);

// Styles -2 and -1 are derived once per load of the library.
bool PlateStylesDerived();
void DerivePlateStyles(const HostColor& background);
// Lets a test start again from a freshly loaded library.
void ForgetDerivedPlateStyles();
