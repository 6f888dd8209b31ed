#include "plugin/settings/recent_program_record.h"

#include "platform/registry_file.h"
#include "plugin/settings/registry_settings.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string stored(const std::string& valueName)
{
    char text[kravo::kTextSettingCapacity] = {};
    kravo::readRegString(valueName.c_str(), text);
    return text;
}

class RecentProgramRecordLoad : public kravo::test::UserFilesTest {
protected:
    kravo::RecentProgramRecord record;
};

TEST_F(RecentProgramRecordLoad, AFreshStoreGetsTenEmptyEntriesWrittenInOneWrite)
{
    const unsigned long before = platform::registryFileWrites();
    kravo::loadRecentProgramRecord(record);
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
    for (int i = 0; i < 10; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(stored("RegStr" + n), "---") << i;
        EXPECT_EQ(stored("RegBank" + n), "---") << i;
        EXPECT_EQ(kravo::readRegDword(("RegProg" + n).c_str()), 0xFFFFFFFFu) << i;
        EXPECT_TRUE(record[static_cast<std::size_t>(i)].isEmpty());
        EXPECT_EQ(record[static_cast<std::size_t>(i)].programName, "---");
    }
}

TEST_F(RecentProgramRecordLoad, StoredEntriesAreReadWithNumberAndBank)
{
    kravo::writeRegString("RegStr0", "Q-groovy 120bpm");
    kravo::writeRegDword("RegProg0", 4);
    kravo::writeRegString("RegBank0", "Factory");
    kravo::writeRegString("RegStr9", "Last");
    kravo::writeRegDword("RegProg9", 0xFFFFFFFF);
    kravo::loadRecentProgramRecord(record);

    EXPECT_EQ(record[0].programName, "Q-groovy 120bpm");
    EXPECT_EQ(record[0].program, 4);
    EXPECT_EQ(record[0].bankName, "Factory");
    EXPECT_EQ(record[9].programName, "Last");
    EXPECT_EQ(record[9].program, -1);
    EXPECT_EQ(record[9].bankName, "");
    EXPECT_TRUE(record[1].isEmpty());
}

TEST_F(RecentProgramRecordLoad, AStoredNameTooLongToReadIsNotOverwritten)
{
    const std::string tooLong(kravo::kTextSettingCapacity, 'n');
    kravo::writeRegString("RegStr2", tooLong.c_str());
    kravo::writeRegDword("RegProg2", 7);
    kravo::loadRecentProgramRecord(record);

    EXPECT_TRUE(record[2].isEmpty());
    char text[256] = {};
    kravo::readRegString("RegStr2", text);
    EXPECT_EQ(std::string(text), tooLong);
    EXPECT_EQ(kravo::readRegDword("RegProg2"), 7u);
}

} // namespace
