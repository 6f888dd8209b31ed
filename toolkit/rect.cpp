#include "toolkit/rect.h"

#include <algorithm>

namespace Toolkit {

CRect& CRect::bound(const CRect& other)
{
    left = std::max(left, other.left);
    top = std::max(top, other.top);
    right = std::min(right, other.right);
    bottom = std::min(bottom, other.bottom);
    bottom = std::max(bottom, top);
    right = std::max(right, left);
    return *this;
}

} // namespace Toolkit
