#include "plugin/settings/registry_settings.h"

#include "platform/registry_file.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

namespace {

using kravo::RegStringRead;

class RegistrySettings : public kravo::test::UserFilesTest {
protected:
    // Stores raw bytes, as another program or an older version might have left them.
    static void storeRaw(const char* key, const char* name, DWORD type, const std::string& bytes)
    {
        HKEY handle = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr);
        RegSetValueExA(handle, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(handle);
    }
    std::tuple<RegStringRead, std::string> read(const char* name)
    {
        const RegStringRead outcome = kravo::readRegString(name, text);
        return {outcome, text};
    }

    char text[kravo::kTextSettingCapacity] = "stale";
};

TEST_F(RegistrySettings, ValuesKeepTheirTypeAndKeyAndAStringThatDoesNotFitOrLacksItsTerminatorIsReadSafely)
{
    kravo::writeRegString("Mapping", "Standard");
    kravo::writeRegDword("RegProg3", 0xFFFFFFFFu);
    kravo::writeMidiMapEntry(127, -1);
    const auto settings = platform::readRegistryFile(platform::registryFile()).at(kravo::kSettingsKey);
    EXPECT_EQ(std::tuple(settings.at("Mapping").type, settings.at("RegProg3").type), std::tuple(REG_SZ, REG_DWORD));
    EXPECT_EQ(std::tuple(kravo::readRegDword("RegProg3"), kravo::readMidiMapEntry(127)), std::tuple(0xFFFFFFFFu, -1));
    // Another byte order or key would lose every stored controller map.
    storeRaw(kravo::kMidiMapKey, "5", REG_DWORD, std::string("\x0c\x00\x00\x00", 4));
    EXPECT_EQ(kravo::readMidiMapEntry(5), 12);

    const std::string longest(kravo::kTextSettingCapacity - 1, 'x');
    kravo::writeRegString("Fits", longest.c_str());
    kravo::writeRegString("TooLong", (longest + "y").c_str());
    storeRaw(kravo::kSettingsKey, "Bare", REG_SZ, "GM");
    storeRaw(kravo::kSettingsKey, "BareFull", REG_SZ, std::string(4, 'z'));
    EXPECT_EQ(read("Fits"), std::tuple(RegStringRead::read, longest));
    EXPECT_EQ(read("TooLong"), std::tuple(RegStringRead::tooLong, ""));
    EXPECT_EQ(read("Bare"), std::tuple(RegStringRead::read, "GM"));
    char small[4] = "abc";
    EXPECT_EQ(kravo::readRegString("BareFull", small), RegStringRead::tooLong);
    EXPECT_STREQ(small, "");
}

TEST_F(RegistrySettings, AFreshStoreAndValuesOfTheWrongTypeReadAsMissing)
{
    EXPECT_EQ(read("BaseDir"), std::tuple(RegStringRead::missing, ""));
    storeRaw(kravo::kSettingsKey, "Mapping", REG_DWORD, std::string(4, '\1'));
    storeRaw(kravo::kSettingsKey, "RegProg0", REG_SZ, "12");
    storeRaw(kravo::kMidiMapKey, "3", REG_DWORD, std::string(2, '\1'));
    EXPECT_EQ(read("Mapping"), std::tuple(RegStringRead::missing, ""));
    EXPECT_EQ(std::tuple(kravo::readRegDword("RegProg0"), kravo::readMidiMapEntry(3)), std::tuple(0u, 0));
}

// The whole controller map read at once answers what reading each entry answers.
TEST_F(RegistrySettings, TheWholeMidiMapReadsAsItsEntriesReadOneByOne)
{
    std::array<std::int32_t, 128> map{};
    map.fill(7);
    kravo::readMidiMapEntries(map);
    EXPECT_EQ(std::count(map.begin(), map.end(), 0), 128) << "no key: every entry missing";

    kravo::writeMidiMapEntry(0, 5);
    kravo::writeMidiMapEntry(64, -1);
    kravo::writeMidiMapEntry(127, 9899);
    storeRaw(kravo::kMidiMapKey, "3", REG_DWORD, std::string(2, '\1'));
    storeRaw(kravo::kMidiMapKey, "4", REG_SZ, "12");
    map.fill(7);
    kravo::readMidiMapEntries(map);
    for (int c = 0; c < 128; ++c)
        EXPECT_EQ(map[static_cast<std::size_t>(c)], kravo::readMidiMapEntry(c)) << c;
    EXPECT_EQ(std::tuple(map[0], map[3], map[4], map[64], map[127]), std::tuple(5, 0, 0, -1, 9899));
}

} // namespace
