#include "plugin/settings/recent_program_record.h"

#include "plugin/settings/registry_settings.h"

#include "platform/registry.h"

#include <cstdio>

namespace kravo {

namespace {

constexpr const char* kEmptyText = "---";
constexpr std::uint32_t kEmptyProgram = 0xFFFFFFFF;

struct ValueName {
    char text[16];
};

ValueName valueName(const char* prefix, int entry)
{
    ValueName name{};
    std::snprintf(name.text, sizeof name.text, "%s%d", prefix, entry);
    return name;
}

} // namespace

void loadRecentProgramRecord(RecentProgramRecord& record)
{
    platform::RegistryBatch batch;
    for (int i = 0; i < static_cast<int>(record.size()); ++i) {
        RecentProgram& entry = record[static_cast<std::size_t>(i)];
        char text[kTextSettingCapacity] = {};
        const RegStringRead outcome = readRegString(valueName("RegStr", i).text, text);
        if (text[0] != 0) {
            entry.programName = text;
            entry.program = static_cast<int>(static_cast<std::int32_t>(readRegDword(valueName("RegProg", i).text)));
            readRegString(valueName("RegBank", i).text, text);
            entry.bankName = text;
        } else if (outcome != RegStringRead::tooLong) {
            writeRegString(valueName("RegStr", i).text, kEmptyText);
            writeRegDword(valueName("RegProg", i).text, kEmptyProgram);
            writeRegString(valueName("RegBank", i).text, kEmptyText);
        }
    }
}

} // namespace kravo
