#include "plugin/settings/registry_settings.h"

#include "platform/registry.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using kravo::RegStringRead;

class RegistrySettings : public kravo::test::UserFilesTest {
protected:
    // Stores raw bytes, as another program or an older version might have left them.
    static void storeRaw(const char* key, const char* name, DWORD type, const std::string& bytes)
    {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(handle, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(handle);
    }
};

TEST_F(RegistrySettings, AFreshStoreReadsEmptyStringsAndZeroValues)
{
    char text[kravo::kTextSettingCapacity] = "stale";
    EXPECT_EQ(kravo::readRegString("BaseDir", text), RegStringRead::missing);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(kravo::readRegDword("RegProg0"), 0u);
    EXPECT_EQ(kravo::readMidiMapEntry(7), 0);
}

TEST_F(RegistrySettings, StringsAndValuesRoundTripUnderTheSettingsKey)
{
    kravo::writeRegString("Mapping", "Standard");
    kravo::writeRegDword("RegProg3", 0xFFFFFFFFu);

    char text[kravo::kTextSettingCapacity] = {};
    EXPECT_EQ(kravo::readRegString("Mapping", text), RegStringRead::read);
    EXPECT_STREQ(text, "Standard");
    EXPECT_EQ(kravo::readRegDword("RegProg3"), 0xFFFFFFFFu);

    HKEY handle = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Vexo\\Kravo", 0, KEY_READ, &handle), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(handle, "Mapping", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(RegQueryValueExA(handle, "RegProg3", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    RegCloseKey(handle);
}

TEST_F(RegistrySettings, MidiEntriesLiveInTheirSubKeyNamedByControllerNumber)
{
    kravo::writeMidiMapEntry(0, 12);
    kravo::writeMidiMapEntry(127, 9899);
    kravo::writeMidiMapEntry(5, -1);

    EXPECT_EQ(kravo::readMidiMapEntry(0), 12);
    EXPECT_EQ(kravo::readMidiMapEntry(127), 9899);
    EXPECT_EQ(kravo::readMidiMapEntry(5), -1);
    EXPECT_EQ(kravo::readMidiMapEntry(1), 0);

    HKEY handle = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Vexo\\Kravo\\Midi", 0, KEY_READ, &handle), ERROR_SUCCESS);
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(handle, "127", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 9899u);
    RegCloseKey(handle);
}

TEST_F(RegistrySettings, AStringThatDoesNotFitReadsAsEmptyAndSaysSo)
{
    const std::string longest(kravo::kTextSettingCapacity - 1, 'x');
    kravo::writeRegString("Fits", longest.c_str());
    kravo::writeRegString("TooLong", (longest + "y").c_str());

    char text[kravo::kTextSettingCapacity] = {};
    EXPECT_EQ(kravo::readRegString("Fits", text), RegStringRead::read);
    EXPECT_EQ(std::string(text), longest);
    EXPECT_EQ(kravo::readRegString("TooLong", text), RegStringRead::tooLong);
    EXPECT_STREQ(text, "");
}

TEST_F(RegistrySettings, StoredStringsWithoutTerminatorAreReadSafely)
{
    storeRaw(kravo::kSettingsKey, "Bare", REG_SZ, "GM");
    storeRaw(kravo::kSettingsKey, "BareFull", REG_SZ, std::string(4, 'z'));

    char text[kravo::kTextSettingCapacity] = {};
    EXPECT_EQ(kravo::readRegString("Bare", text), RegStringRead::read);
    EXPECT_STREQ(text, "GM");
    char small[4] = {};
    EXPECT_EQ(kravo::readRegString("BareFull", small), RegStringRead::tooLong);
    EXPECT_STREQ(small, "");
}

TEST_F(RegistrySettings, ValuesOfTheWrongTypeReadAsMissing)
{
    storeRaw(kravo::kSettingsKey, "Mapping", REG_DWORD, std::string(4, '\1'));
    storeRaw(kravo::kSettingsKey, "RegProg0", REG_SZ, "12");
    storeRaw(kravo::kMidiMapKey, "3", REG_DWORD, std::string(2, '\1'));

    char text[kravo::kTextSettingCapacity] = "stale";
    EXPECT_EQ(kravo::readRegString("Mapping", text), RegStringRead::missing);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(kravo::readRegDword("RegProg0"), 0u);
    EXPECT_EQ(kravo::readMidiMapEntry(3), 0);
}

TEST_F(RegistrySettings, AFailedWriteIsSilentAndLeavesTheStoreAsItWas)
{
    kravo::writeRegString("Mapping", "GM");
    // A store whose file cannot be written: its folder is a file.
    folder.writeFile("blocked", "");
    platform::setRegistryFile(folder / "blocked" / "registry.txt");
    kravo::writeRegString("Mapping", "Standard");
    char text[kravo::kTextSettingCapacity] = {};
    EXPECT_EQ(kravo::readRegString("Mapping", text), RegStringRead::missing);

    platform::setRegistryFile(folder / "registry.txt");
    EXPECT_EQ(kravo::readRegString("Mapping", text), RegStringRead::read);
    EXPECT_STREQ(text, "GM");
}

} // namespace
