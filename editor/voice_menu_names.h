#pragma once

// Entry names of the per-voice menus that the plug-in's own name lists do not hold: the filter LFO's
// mode and tempo sync, shown on the main page and the sample page.

#include <array>
#include <string_view>

namespace editor {

inline constexpr std::array<std::string_view, 2> kFilterLfoModeNames = {"Free", "Triggered"};
inline constexpr std::array<std::string_view, 2> kFilterLfoSyncNames = {"Sync Off", "Sync On"};

} // namespace editor
