#pragma once

// The colours of the editor's own texts.

#include "toolkit/color.h"

namespace editor {

inline constexpr Toolkit::CColor kTextGrey{34, 34, 34, 255};
inline constexpr Toolkit::CColor kShadowTeal{16, 154, 154, 255};
inline constexpr Toolkit::CColor kHighlightTeal{13, 155, 156, 255};

} // namespace editor
