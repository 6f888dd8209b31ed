#include "plugin/programs/recent_programs.h"

#include <algorithm>

namespace kravo {

void RecentProgramList::enterProgram(std::string_view programName, std::string_view bankName, int program)
{
    const std::string_view name = programName.substr(0, std::min(programName.size(), kMaxTextLength));
    const std::string_view bank = bankName.substr(0, std::min(bankName.size(), kMaxTextLength));

    const auto kept = std::remove_if(entries_.begin(), entries_.end(), [&](const RecentProgram& entry) {
        return entry.program == program && entry.bankName == bank;
    });
    std::fill(kept, entries_.end(), RecentProgram{});

    std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_.front() = RecentProgram{std::string(name), std::string(bank), program};

    if (holdsHostProgramSweep())
        std::fill(entries_.begin() + 1, entries_.end(), RecentProgram{});
}

// A host that walks every program (saving its state, say) leaves 31, 30, ..., 23 behind the newest
// entry; those are no choice of the user's and would push the real history out.
bool RecentProgramList::holdsHostProgramSweep() const
{
    constexpr int kLastProgram = 31;
    for (int position = 1; position < kEntryCount; ++position)
        if (entries_[static_cast<std::size_t>(position)].program != kLastProgram + 1 - position)
            return false;
    return true;
}

} // namespace kravo
