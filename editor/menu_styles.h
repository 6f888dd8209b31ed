#pragma once

// The option menu styles the editor makes its menus with.

#include "toolkit/param_display.h"

#include <cstdint>

namespace editor {

// A menu on a control's picture: its pop-up opens at the control's top edge.
inline constexpr std::int32_t kMenuOverControl = Toolkit::kPopupStyle;
// A pop-up only: the menu draws nothing of its own.
inline constexpr std::int32_t kPopupWithoutDrawing = Toolkit::kNoDrawStyle | Toolkit::kPopupStyle;
// A sub-menu shows no text and draws nothing of its own: the main menu does.
inline constexpr std::int32_t kSubMenuStyle = kPopupWithoutDrawing | Toolkit::kNoTextStyle;

} // namespace editor
