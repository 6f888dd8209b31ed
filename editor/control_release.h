#pragma once

// Letting go of a control the editor made: its reference is forgotten and the pointer cleared, so that
// the delete part after it finds nothing and the next open starts from none.

#include <array>
#include <cstddef>

namespace editor {

template <typename Control> void release(Control*& control)
{
    if (control != nullptr)
        control->forget();
    control = nullptr;
}

template <typename Control, std::size_t N> void release(std::array<Control*, N>& controls)
{
    for (Control*& control : controls)
        release(control);
}

} // namespace editor
