#pragma once

// The editor's one palette and its one corner radius: a charcoal frame, light panels and the menu teal.

#include "resources/editor_art/canvas.h"

namespace editor_art::palette {

inline constexpr Colour kClear{0, 0, 0, 0};

inline constexpr Colour kFrameDeep{26, 28, 31, 255};
inline constexpr Colour kFrame{42, 45, 49, 255};
inline constexpr Colour kFrameRaised{60, 64, 69, 255};
inline constexpr Colour kFrameEdge{84, 89, 94, 255};

inline constexpr Colour kPanel{212, 215, 209, 255};
inline constexpr Colour kPanelShade{194, 198, 191, 255};
inline constexpr Colour kPanelLine{150, 156, 151, 255};
inline constexpr Colour kField{238, 240, 235, 255};

// The menu teal, its selection tint and the editor's text teals.
inline constexpr Colour kTeal{8, 154, 153, 255};
inline constexpr Colour kTealTint{131, 185, 184, 255};
inline constexpr Colour kTealBright{3, 196, 195, 255};
inline constexpr Colour kTealDeep{10, 84, 83, 255};
inline constexpr Colour kScreen{170, 211, 205, 255};

inline constexpr Colour kTextGrey{34, 34, 34, 255};
inline constexpr Colour kTextLight{222, 226, 223, 255};
inline constexpr Colour kTextDim{150, 156, 158, 255};
inline constexpr Colour kWhite{255, 255, 255, 255};

inline constexpr float kCornerRadius = 4.0f;

} // namespace editor_art::palette
