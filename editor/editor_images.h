#pragma once

// The images the editor loads at every open, by resource id. Ids without an entry here are not loaded.

#include <array>
#include <cstdint>

namespace editor {

inline constexpr int kImageCount = 164;

// Ascending, so a lookup can halve its way to an id.
extern const std::array<std::int32_t, kImageCount> kImageIds;

// The place of the id in kImageIds, or -1.
int imageSlot(std::int32_t id);

} // namespace editor
