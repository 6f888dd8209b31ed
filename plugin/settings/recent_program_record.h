#pragma once

#include "plugin/programs/recent_programs.h"

#include <array>

namespace kravo {

// The recent-program list as the settings store keeps it: "RegStr%d", "RegBank%d", "RegProg%d" for the
// ten entries.
using RecentProgramRecord = std::array<RecentProgram, RecentProgramList::kEntryCount>;

// Fills the entries whose program name is stored; an entry with no stored name gets the empty values
// ("---", "---", -1) written to the store and keeps them.
void loadRecentProgramRecord(RecentProgramRecord& record);

} // namespace kravo
