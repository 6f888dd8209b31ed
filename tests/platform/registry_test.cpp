#include "platform/registry.h"

#include "platform/registry_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr const char* kKravoKey = "SOFTWARE\\Vexo\\Kravo";

class Registry : public ::testing::Test {
protected:
    void SetUp() override { platform::setRegistryFile(folder / "registry.txt"); }
    void TearDown() override { platform::setRegistryFile({}); }

    static HKEY create(const char* path, REGSAM access = KEY_ALL_ACCESS, DWORD* disposition = nullptr)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                  &key, disposition),
                  ERROR_SUCCESS);
        return key;
    }

    static void setString(const char* name, const char* text)
    {
        HKEY key = create(kKravoKey, KEY_WRITE);
        EXPECT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                 static_cast<DWORD>(std::strlen(text) + 1)),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static void setDword(const char* path, const char* name, DWORD value)
    {
        HKEY key = create(path, KEY_WRITE);
        EXPECT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // Reads the way the settings store does: open for reading, one query, close.
    static LONG query(const char* path, const char* name, DWORD* type, std::string* bytes, DWORD capacity = 256)
    {
        HKEY key = nullptr;
        const LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
        if (opened != ERROR_SUCCESS)
            return opened;
        std::vector<BYTE> buffer(capacity);
        DWORD size = capacity;
        const LONG result = RegQueryValueExA(key, name, nullptr, type, buffer.data(), &size);
        if (result == ERROR_SUCCESS)
            bytes->assign(reinterpret_cast<const char*>(buffer.data()), size);
        RegCloseKey(key);
        return result;
    }

    static DWORD dword(const std::string& bytes)
    {
        DWORD value = 0;
        std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
        return value;
    }

    platform::RegistryKeys file() const { return platform::readRegistryFile(folder / "registry.txt"); }
    static unsigned long writes() { return platform::registryFileWrites(); }

    kravo::test::TempFolder folder;
};

TEST_F(Registry, AStringRoundTripsWithItsTerminatingZeroCounted)
{
    setString("Mapping", "GM");
    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(query(kKravoKey, "Mapping", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(bytes, std::string("GM\0", 3));
}

TEST_F(Registry, ADwordRoundTripsAsFourBytes)
{
    setDword(kKravoKey, "RegProg0", 0xFFFFFFFF);
    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(query(kKravoKey, "RegProg0", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    ASSERT_EQ(bytes.size(), 4u);
    DWORD value = 0;
    std::memcpy(&value, bytes.data(), 4);
    EXPECT_EQ(value, 0xFFFFFFFFu);
}

TEST_F(Registry, OtherTypesKeepEveryByteIncludingZerosNewlinesAndEscapes)
{
    const char raw[] = "a\0b\n\r %25 \xff\x7f\t=\"";
    const std::string awkward(raw, sizeof raw - 1);
    HKEY key = create(kKravoKey);
    ASSERT_EQ(RegSetValueExA(key, "odd name %\n", 0, REG_BINARY, reinterpret_cast<const BYTE*>(awkward.data()),
                             static_cast<DWORD>(awkward.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);

    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(query(kKravoKey, "odd name %\n", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(bytes, awkward);
}

TEST_F(Registry, AnEmptyValueIsStoredAndReadBack)
{
    HKEY key = create(kKravoKey);
    ASSERT_EQ(RegSetValueExA(key, "Empty", 0, REG_SZ, nullptr, 0), ERROR_SUCCESS);
    RegCloseKey(key);
    DWORD type = 0;
    std::string bytes = "x";
    ASSERT_EQ(query(kKravoKey, "Empty", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(bytes, "");
}

TEST_F(Registry, KeyAndValueNamesCompareWithoutCase)
{
    setString("HelpFile", "C:\\Manual.pdf");
    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(query("software\\VEXO\\kravo", "HELPFILE", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(bytes, std::string("C:\\Manual.pdf\0", 14));

    setString("helpfile", "D:\\Other.pdf");
    ASSERT_EQ(query(kKravoKey, "HelpFile", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(bytes, std::string("D:\\Other.pdf\0", 13));
}

TEST_F(Registry, AMissingKeyOrValueIsNotFound)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKravoKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    setString("Mapping", "GM");
    DWORD type = 0;
    std::string bytes;
    EXPECT_EQ(query(kKravoKey, "Key", &type, &bytes), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, ATooSmallBufferGetsMoreDataAndTheNeededSizeAndStaysUntouched)
{
    setString("BaseDir", "C:\\Morvane\\Kravo\\");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKravoKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    BYTE buffer[4] = {'k', 'e', 'e', 'p'};
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "BaseDir", nullptr, nullptr, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 18u);
    EXPECT_EQ(std::memcmp(buffer, "keep", 4), 0);

    DWORD type = 0;
    size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "BaseDir", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 18u);
    RegCloseKey(key);
}

TEST_F(Registry, CreatingReportsWhetherTheKeyIsNewAndMakesItsParents)
{
    DWORD disposition = 0;
    HKEY midi = create("SOFTWARE\\Vexo\\Kravo\\Midi", KEY_WRITE, &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    RegCloseKey(midi);
    HKEY again = create("SOFTWARE\\Vexo\\Kravo\\Midi", KEY_WRITE, &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    RegCloseKey(again);

    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKravoKey, 0, KEY_READ, &parent), ERROR_SUCCESS);
    HKEY child = nullptr;
    EXPECT_EQ(RegOpenKeyExA(parent, "Midi", 0, KEY_READ, &child), ERROR_SUCCESS);
    RegCloseKey(child);
    RegCloseKey(parent);
}

TEST_F(Registry, AKeyOpenedForReadingRefusesWritesAndOneOpenedForWritingRefusesReads)
{
    setString("Key", "Y");
    HKEY reading = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKravoKey, 0, KEY_READ, &reading), ERROR_SUCCESS);
    const BYTE text[] = "N";
    EXPECT_EQ(RegSetValueExA(reading, "Key", 0, REG_SZ, text, 2), ERROR_ACCESS_DENIED);
    RegCloseKey(reading);

    HKEY writing = create(kKravoKey, KEY_WRITE);
    BYTE buffer[8];
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(writing, "Key", nullptr, nullptr, buffer, &size), ERROR_ACCESS_DENIED);
    RegCloseKey(writing);

    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(query(kKravoKey, "Key", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(bytes, std::string("Y\0", 2));
}

TEST_F(Registry, ClosedOrMadeUpHandlesAreRefused)
{
    HKEY key = create(kKravoKey);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    const DWORD value = 1;
    EXPECT_EQ(RegSetValueExA(key, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4),
              ERROR_INVALID_HANDLE);
    HKEY madeUp = reinterpret_cast<HKEY>(ULONG_PTR{12345});
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(madeUp, "x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExA(madeUp, "x", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, ValuesPersistInTheFileAndSurviveAFreshStart)
{
    setDword("SOFTWARE\\Vexo\\Kravo\\Midi", "7", 1234);
    EXPECT_TRUE(std::filesystem::exists(folder / "registry.txt"));

    const auto keys = platform::readRegistryFile(folder / "registry.txt");
    ASSERT_EQ(keys.count("software\\vexo\\kravo\\midi"), 1u);
    const auto& value = keys.at("SOFTWARE\\Vexo\\Kravo\\Midi").at("7");
    EXPECT_EQ(value.type, REG_DWORD);
    EXPECT_EQ(value.bytes, std::string("\xd2\x04\0\0", 4));
}

TEST_F(Registry, AChangeMadeByAnotherInstanceIsSeenAtTheNextOpenAndKeptByTheNextWrite)
{
    setString("Mapping", "GM");
    HKEY key = create(kKravoKey);
    const BYTE standard[] = "Standard";
    ASSERT_EQ(RegSetValueExA(key, "Mapping", 0, REG_SZ, standard, sizeof standard), ERROR_SUCCESS);
    // Another instance rewrites the file while our change waits for the close.
    platform::RegistryKeys other = file();
    other[kKravoKey]["Dynamic"] = platform::RegistryValue{REG_SZ, std::string("Y\0", 2)};
    other[kKravoKey]["Mapping"] = platform::RegistryValue{REG_SZ, std::string("Theirs\0", 7)};
    ASSERT_TRUE(platform::writeRegistryFile(folder / "registry.txt", other));

    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    other = file();
    EXPECT_EQ(other.at(kKravoKey).at("Dynamic").bytes, std::string("Y\0", 2));
    EXPECT_EQ(other.at(kKravoKey).at("Mapping").bytes, std::string("Standard\0", 9));

    other[kKravoKey]["Later"] = platform::RegistryValue{REG_SZ, std::string("Z\0", 2)};
    ASSERT_TRUE(platform::writeRegistryFile(folder / "registry.txt", other));
    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(query(kKravoKey, "Later", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(bytes, std::string("Z\0", 2));
}

TEST_F(Registry, AKeysChangesAreSeenByItsThreadAtOnceAndReachTheFileInOneWriteAtItsClose)
{
    setString("Mapping", "GM");
    const unsigned long before = writes();
    HKEY key = create(kKravoKey);
    HKEY midi = create("SOFTWARE\\Vexo\\Kravo\\Midi");
    const BYTE standard[] = "Standard";
    ASSERT_EQ(RegSetValueExA(key, "Mapping", 0, REG_SZ, standard, sizeof standard), ERROR_SUCCESS);
    for (DWORD i = 0; i < 3; ++i)
        ASSERT_EQ(RegSetValueExA(key, ("RegProg" + std::to_string(i)).c_str(), 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&i), sizeof i),
                  ERROR_SUCCESS);

    DWORD value = 0;
    DWORD size = sizeof value;
    ASSERT_EQ(RegQueryValueExA(key, "RegProg2", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 2u);
    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(query(kKravoKey, "Mapping", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(bytes, std::string("Standard\0", 9));
    HKEY created = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Vexo\\Kravo\\Midi", 0, KEY_READ, &created), ERROR_SUCCESS);
    RegCloseKey(created);
    EXPECT_EQ(writes(), before);
    EXPECT_EQ(file().at(kKravoKey).count("RegProg0"), 0u);

    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(writes(), before + 1);
    EXPECT_EQ(file().at(kKravoKey).size(), 4u);
    ASSERT_EQ(RegCloseKey(midi), ERROR_SUCCESS);
    EXPECT_EQ(writes(), before + 2);
    EXPECT_EQ(file().count("SOFTWARE\\Vexo\\Kravo\\Midi"), 1u);
}

TEST_F(Registry, StoringWhatIsAlreadyStoredWritesNothing)
{
    setString("Mapping", "GM");
    setDword(kKravoKey, "RegProg0", 7);
    const unsigned long before = writes();
    setString("MAPPING", "GM");
    setDword(kKravoKey, "regprog0", 7);
    RegCloseKey(create("software\\vexo\\KRAVO"));
    // A change taken back before the close is no change.
    setDword(kKravoKey, "RegProg0", 7);
    HKEY key = create(kKravoKey);
    const DWORD other = 8;
    const DWORD same = 7;
    RegSetValueExA(key, "RegProg0", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&other), 4);
    RegSetValueExA(key, "RegProg0", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&same), 4);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(writes(), before);

    // The same bytes under another type are a change.
    key = create(kKravoKey);
    RegSetValueExA(key, "Mapping", 0, REG_BINARY, reinterpret_cast<const BYTE*>("GM"), 3);
    RegCloseKey(key);
    EXPECT_EQ(writes(), before + 1);
    EXPECT_EQ(file().at(kKravoKey).at("Mapping").type, REG_BINARY);
}

TEST_F(Registry, ABatchHoldsBackThisThreadsChangesUntilTheOutermostEnds)
{
    setString("Mapping", "GM");
    const unsigned long before = writes();
    std::string seenElsewhere;
    {
        platform::RegistryBatch outer;
        setString("Mapping", "Standard");
        {
            platform::RegistryBatch inner;
            setDword("SOFTWARE\\Vexo\\Kravo\\Midi", "7", 120);
            setDword(kKravoKey, "RegProg0", 3);
        }
        EXPECT_EQ(writes(), before);
        DWORD type = 0;
        std::string bytes;
        ASSERT_EQ(query("SOFTWARE\\Vexo\\Kravo\\Midi", "7", &type, &bytes), ERROR_SUCCESS);
        EXPECT_EQ(dword(bytes), 120u);

        // Another thread neither sees the held-back changes nor has its own held back.
        std::thread other([&] {
            query(kKravoKey, "Mapping", &type, &seenElsewhere);
            setDword(kKravoKey, "Other", 1);
        });
        other.join();
        EXPECT_EQ(writes(), before + 1);
        EXPECT_EQ(file().at(kKravoKey).count("RegProg0"), 0u);
    }
    EXPECT_EQ(seenElsewhere, std::string("GM\0", 3));
    EXPECT_EQ(writes(), before + 2);
    const auto keys = file();
    EXPECT_EQ(keys.at(kKravoKey).at("Mapping").bytes, std::string("Standard\0", 9));
    EXPECT_EQ(dword(keys.at(kKravoKey).at("RegProg0").bytes), 3u);
    EXPECT_EQ(dword(keys.at(kKravoKey).at("Other").bytes), 1u);
    EXPECT_EQ(dword(keys.at("SOFTWARE\\Vexo\\Kravo\\Midi").at("7").bytes), 120u);
}

TEST_F(Registry, WritingLeavesNoTemporaryFilesBehind)
{
    for (int i = 0; i < 5; ++i)
        setDword(kKravoKey, "RegProg0", static_cast<DWORD>(i));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(Registry, AGarbledFileReadsAsEmptyAndIsRepairedByTheNextWrite)
{
    const char garbage[] = "\x89PNG\r\n\x1a\n\0\0garbage value key %%%\n";
    folder.writeFile("registry.txt", std::string(garbage, sizeof garbage - 1));
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKravoKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);

    setString("Mapping", "GM");
    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(query(kKravoKey, "Mapping", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(bytes, std::string("GM\0", 3));
}

TEST_F(Registry, AFileTornInsideALineKeepsTheLinesBeforeIt)
{
    setString("BaseDir", "C:\\Morvane\\Kravo\\");
    setString("PatternDir", "C:\\Morvane\\Kravo\\Patterns");
    const std::string whole = folder.readFile("registry.txt");
    const std::size_t tear = whole.find("Patterns") + 3;
    folder.writeFile("registry.txt", whole.substr(0, tear));

    DWORD type = 0;
    std::string bytes;
    EXPECT_EQ(query(kKravoKey, "BaseDir", &type, &bytes), ERROR_SUCCESS);
    EXPECT_EQ(query(kKravoKey, "PatternDir", &type, &bytes), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, AFileThatCannotBeWrittenFailsTheCloseAndChangesNothing)
{
    platform::setRegistryFile(folder / "not-a-folder" / "registry.txt");
    folder.writeFile("not-a-folder", "a file where the folder should be");
    HKEY key = create(kKravoKey);
    const DWORD value = 1;
    EXPECT_EQ(RegSetValueExA(key, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_WRITE_FAULT);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKravoKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, TwoThreadsWritingAtOnceLoseNoValue)
{
    constexpr int kValuesPerThread = 40;
    auto writer = [](int first) {
        for (int i = first; i < first + kValuesPerThread; ++i)
            setDword("SOFTWARE\\Vexo\\Kravo\\Midi", std::to_string(i).c_str(), static_cast<DWORD>(i));
    };
    std::thread a(writer, 0);
    std::thread b(writer, kValuesPerThread);
    a.join();
    b.join();

    const auto keys = platform::readRegistryFile(folder / "registry.txt");
    EXPECT_EQ(keys.at("SOFTWARE\\Vexo\\Kravo\\Midi").size(), 2u * kValuesPerThread);
}

TEST(RegistryFileText, RoundTripsKeysAndValuesAndSkipsLinesThatDoNotParse)
{
    platform::RegistryKeys keys;
    keys["SOFTWARE\\Vexo\\Kravo"]["A b"] = {REG_SZ, std::string("x y\0", 4)};
    keys["SOFTWARE\\Vexo\\Kravo\\Midi"];
    const std::string text = platform::formatRegistryText(keys);
    EXPECT_EQ(platform::parseRegistryText(text).size(), 2u);
    EXPECT_EQ(platform::parseRegistryText(text).at("SOFTWARE\\Vexo\\Kravo").at("a B").bytes, std::string("x y\0", 4));

    const std::string broken = "kravo-registry 1\n"
                               "value Orphan 1 1 x\n"
                               "key K\n"
                               "value Good 4 1 x\n"
                               "value WrongSize 1 5 x\n"
                               "value BadEscape 1 1 %G1\n"
                               "value CarriageReturn 1 1 x\r\n"
                               "value Short 1\n"
                               "key %ZZ\n"
                               "value AfterBadKey 1 1 x\n";
    const auto parsed = platform::parseRegistryText(broken);
    ASSERT_EQ(parsed.size(), 1u);
    ASSERT_EQ(parsed.at("K").size(), 1u);
    EXPECT_EQ(parsed.at("K").at("Good").type, REG_DWORD);
}

TEST(RegistryLocation, ComesFromTheEnvironmentWhenNoFileIsSet)
{
    platform::setRegistryFile({});
    EXPECT_TRUE(platform::registryFile().is_absolute());
}

} // namespace
