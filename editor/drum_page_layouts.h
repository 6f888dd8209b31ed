#pragma once

// The layouts of the drum voice pages, each defined beside its page's parts.

#include "editor/drum_page.h"

namespace editor {

// The pages whose knob captions come from their knobs place only their menu captions by grid.
inline constexpr CaptionGrid kMenuCaptionGrid = {
    .columnX = {},
    .columnWidth = 0,
    .rowY = {},
    .leftX = 0,
    .leftWidth = 0,
    .menuX = {35, 168, 303, 434},
    .menuY = 7,
    .menuWidth = 70,
};

extern const DrumPageLayout kBassDrumPageLayout;
extern const DrumPageLayout kClapPageLayout;
extern const DrumPageLayout kSnarePageLayout;
extern const DrumPageLayout kTomPageLayout;
extern const DrumPageLayout kClosedHatPageLayout;
extern const DrumPageLayout kOpenHatPageLayout;
extern const DrumPageLayout kUserPageLayout;

} // namespace editor
