#pragma once

// The layouts of the drum voice pages, each defined beside its page's parts.

#include "editor/drum_page.h"

namespace editor {

extern const DrumPageLayout kBassDrumPageLayout;
extern const DrumPageLayout kClapPageLayout;
extern const DrumPageLayout kSnarePageLayout;
extern const DrumPageLayout kTomPageLayout;
extern const DrumPageLayout kClosedHatPageLayout;
extern const DrumPageLayout kOpenHatPageLayout;
extern const DrumPageLayout kUserPageLayout;

} // namespace editor
