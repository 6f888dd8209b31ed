#include "plugin/settings/mapping_setting.h"

#include "plugin/settings/registry_settings.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string storedMapping()
{
    char text[kravo::kTextSettingCapacity] = {};
    kravo::readRegString("Mapping", text);
    return text;
}

std::string readMapping()
{
    char name[kravo::kTextSettingCapacity] = "stale";
    kravo::readMappingSetting(name);
    return name;
}

class MappingSetting : public kravo::test::UserFilesTest {};

TEST_F(MappingSetting, MissingMeansGmAndIsStored)
{
    EXPECT_EQ(readMapping(), "GM");
    EXPECT_EQ(storedMapping(), "GM");
}

TEST_F(MappingSetting, TheTwoKnownNamesAreKept)
{
    kravo::writeRegString("Mapping", "Standard");
    EXPECT_EQ(readMapping(), "Standard");
    EXPECT_EQ(storedMapping(), "Standard");
    kravo::writeRegString("Mapping", "GM");
    EXPECT_EQ(readMapping(), "GM");
}

TEST_F(MappingSetting, AnyOtherNameBecomesGm)
{
    for (const char* other : {"gm", "standard", "Standard ", "", "Custom"}) {
        kravo::writeRegString("Mapping", other);
        EXPECT_EQ(readMapping(), "GM") << other;
        EXPECT_EQ(storedMapping(), "GM") << other;
    }
}

} // namespace
