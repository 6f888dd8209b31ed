#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kravo {

struct RecentProgram {
    std::string programName = "---";
    std::string bankName = "---";
    int program = -1;

    bool isEmpty() const { return program == -1; }
};

// The ten programs selected last, newest first, each known by its number and the bank (kit) name
// it was selected under. The plug-in object enters every program change.
class RecentProgramList {
public:
    static constexpr int kEntryCount = 10;
    static constexpr std::size_t kMaxTextLength = 255;

    // Puts the program at the head, dropping its older entries (same number and bank name).
    void enterProgram(std::string_view programName, std::string_view bankName, int program);

    const RecentProgram& entry(int position) const { return entries_[static_cast<std::size_t>(position)]; }

private:
    bool holdsHostProgramSweep() const;

    std::array<RecentProgram, kEntryCount> entries_{};
};

} // namespace kravo
