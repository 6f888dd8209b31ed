#include "platform/registry.h"

#include "platform/registry_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <tuple>
#include <utility>

namespace {

using platform::RegistryValue;
using platform::RegistryValues;
using Answer = std::pair<LONG, RegistryValue>;

constexpr const char* kKravoKey = "SOFTWARE\\Vexo\\Kravo";
constexpr const char* kMidiKey = "SOFTWARE\\Vexo\\Kravo\\Midi";

RegistryValue text(const char* s) { return {REG_SZ, std::string(s, std::strlen(s) + 1)}; }
RegistryValue dword(DWORD value) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)}; }
Answer found(const RegistryValue& value) { return {ERROR_SUCCESS, value}; }
const Answer kNotFound{ERROR_FILE_NOT_FOUND, {}};

class Registry : public ::testing::Test {
protected:
    void SetUp() override { platform::setRegistryFile(folder / "registry.txt"); }
    void TearDown() override { platform::setRegistryFile({}); }

    static HKEY open(const char* path, REGSAM access = KEY_ALL_ACCESS)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, access, nullptr, &key, nullptr), 0);
        return key;
    }
    static LONG set(HKEY key, const char* name, const RegistryValue& value)
    {
        const auto* data = value.bytes.empty() ? nullptr : reinterpret_cast<const BYTE*>(value.bytes.data());
        return RegSetValueExA(key, name, 0, value.type, data, static_cast<DWORD>(value.bytes.size()));
    }
    // Stores one value the way the settings store does: create, set, close.
    static void store(const char* path, const char* name, const RegistryValue& value)
    {
        HKEY key = open(path);
        EXPECT_EQ(set(key, name, value), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    // Reads the way the settings store does: open for reading, one query, close.
    static Answer query(const char* path, const char* name)
    {
        HKEY key = nullptr;
        char buffer[256];
        DWORD size = sizeof buffer, type = 0;
        LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
        if (result == ERROR_SUCCESS)
            result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        return result == ERROR_SUCCESS ? found({type, std::string(buffer, size)}) : Answer{result, {}};
    }

    platform::RegistryKeys file() const { return platform::readRegistryFile(folder / "registry.txt"); }
    static unsigned long writes() { return platform::registryFileWrites(); }

    kravo::test::TempFolder folder;
};

TEST_F(Registry, EveryTypeRoundTripsThroughTheFileWhateverTheCaseButATooSmallBufferOrClosedHandleIsRefused)
{
    const char raw[] = "a\0b\n\r %25 \xff\x7f\t=\"";
    const std::pair<const char*, RegistryValue> cases[] = {{"Mapping", text("GM")}, {"RegProg0", dword(0xFFFFFFFF)},
        {"odd name %\n", {REG_BINARY, std::string(raw, sizeof raw - 1)}}, {"Empty", {REG_SZ, ""}}};
    for (const auto& [name, value] : cases) {
        store(kMidiKey, name, value);
        EXPECT_EQ(query("software\\VEXO\\kravo\\MIDI", name), found(value)) << name;
        EXPECT_EQ(file().at("software\\vexo\\kravo\\midi").at(name), value) << name;
    }

    store(kKravoKey, "BaseDir", text("C:\\Morvane\\Kravo\\"));
    HKEY key = open(kKravoKey, KEY_READ);
    BYTE buffer[4] = {'k', 'e', 'e', 'p'};
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "BaseDir", nullptr, nullptr, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(std::tuple(size, std::memcmp(buffer, "keep", 4)), std::tuple(18u, 0));
    EXPECT_EQ(set(key, "BaseDir", text("C:\\Other\\")), ERROR_ACCESS_DENIED); // opened to read only
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(set(key, "x", dword(1)), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, AKeysChangesAreSeenAtOnceAndReachTheFileInOneWriteAtItsCloseButOnlyIfAValueOrTypeDiffers)
{
    store(kKravoKey, "Mapping", text("GM"));
    unsigned long before = writes();
    HKEY key = open(kKravoKey);
    ASSERT_EQ(std::tuple(set(key, "Mapping", text("Standard")), set(key, "RegProg0", dword(2))), std::tuple(0, 0));
    EXPECT_EQ(query(kKravoKey, "Mapping"), found(text("Standard")));
    EXPECT_EQ(std::tuple(writes(), file().at(kKravoKey).size()), std::tuple(before, 1u));
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(std::tuple(writes(), file().at(kKravoKey).size()), std::tuple(before + 1, 2u));

    store(kKravoKey, "RegProg0", dword(7));
    before = writes();
    store(kKravoKey, "MAPPING", text("Standard"));
    RegCloseKey(open("software\\vexo\\KRAVO"));
    key = open(kKravoKey);
    set(key, "RegProg0", dword(8));
    set(key, "RegProg0", dword(7)); // a change taken back before the close is no change
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(writes(), before);

    store(kKravoKey, "Mapping", {REG_BINARY, text("Standard").bytes});
    EXPECT_EQ(std::tuple(writes(), file().at(kKravoKey).at("Mapping").type), std::tuple(before + 1, REG_BINARY));
}

TEST_F(Registry, AChangeMadeByAnotherInstanceOrThreadIsSeenAtTheNextOpenAndKeptByTheNextWrite)
{
    store(kKravoKey, "Mapping", text("GM"));
    HKEY key = open(kKravoKey);
    ASSERT_EQ(set(key, "Mapping", text("Standard")), ERROR_SUCCESS);
    // Another instance rewrites the file while our change waits for the close.
    platform::RegistryKeys other = file();
    other[kKravoKey] = {{"Dynamic", text("Y")}, {"Mapping", text("Theirs")}};
    ASSERT_TRUE(platform::writeRegistryFile(folder / "registry.txt", other));
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(file().at(kKravoKey), (RegistryValues{{"Dynamic", text("Y")}, {"Mapping", text("Standard")}}));

    other[kKravoKey]["Later"] = text("Z");
    ASSERT_TRUE(platform::writeRegistryFile(folder / "registry.txt", other));
    EXPECT_EQ(query(kKravoKey, "Later"), found(text("Z")));

    auto writer = [](int first) {
        for (int i = first; i < first + 40; ++i)
            store(kMidiKey, std::to_string(i).c_str(), dword(static_cast<DWORD>(i)));
    };
    std::thread a(writer, 0), b(writer, 40);
    a.join();
    b.join();
    EXPECT_EQ(file().at(kMidiKey).size(), 80u);
}

TEST_F(Registry, ABatchHoldsBackThisThreadsChangesUntilTheOutermostEnds)
{
    store(kKravoKey, "Mapping", text("GM"));
    const unsigned long before = writes();
    Answer seenElsewhere;
    {
        platform::RegistryBatch outer;
        store(kKravoKey, "Mapping", text("Standard"));
        {
            platform::RegistryBatch inner;
            store(kMidiKey, "7", dword(120));
        }
        EXPECT_EQ(writes(), before);
        EXPECT_EQ(query(kMidiKey, "7"), found(dword(120)));
        // Another thread neither sees the held-back changes nor has its own held back.
        std::thread other([&] {
            seenElsewhere = query(kKravoKey, "Mapping");
            store(kKravoKey, "Other", dword(1));
        });
        other.join();
        EXPECT_EQ(std::tuple(writes(), file().count(kMidiKey)), std::tuple(before + 1, 0u));
    }
    EXPECT_EQ(std::tuple(seenElsewhere, writes()), std::tuple(found(text("GM")), before + 2));
    EXPECT_EQ(file().at(kKravoKey), (RegistryValues{{"Mapping", text("Standard")}, {"Other", dword(1)}}));
    EXPECT_EQ(file().at(kMidiKey).at("7"), dword(120));
}

TEST_F(Registry, AGarbledOrTornFileKeepsTheLinesThatReadAndIsReplacedWholeButOneThatCannotBeWrittenFailsTheClose)
{
    const char garbage[] = "\x89PNG\r\n\x1a\n\0\0garbage value key %%%\n";
    folder.writeFile("registry.txt", std::string(garbage, sizeof garbage - 1));
    EXPECT_EQ(query(kKravoKey, "Mapping"), kNotFound);
    store(kKravoKey, "BaseDir", text("C:\\Morvane\\Kravo\\"));
    store(kKravoKey, "PatternDir", text("C:\\Morvane\\Kravo\\Patterns"));
    EXPECT_EQ(folder.names(), std::set<std::string>{"registry.txt"});
    const std::string whole = folder.readFile("registry.txt");
    folder.writeFile("registry.txt", whole.substr(0, whole.find("Patterns") + 3));
    EXPECT_EQ(query(kKravoKey, "BaseDir"), found(text("C:\\Morvane\\Kravo\\")));
    EXPECT_EQ(query(kKravoKey, "PatternDir"), kNotFound);

    folder.writeFile("registry.txt", "");
    platform::setRegistryFile(folder / "registry.txt" / "registry.txt");
    HKEY key = open(kKravoKey);
    EXPECT_EQ(set(key, "x", dword(1)), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_WRITE_FAULT);
    EXPECT_EQ(query(kKravoKey, "x"), kNotFound);
}

TEST(RegistryFileText, SkipsLinesThatDoNotParse)
{
    const std::string broken = "kravo-registry 1\nvalue Orphan 1 1 x\nkey K\nvalue Good 4 1 x\nvalue WrongSize 1 5 x\n"
                               "value BadEscape 1 1 %G1\nvalue CarriageReturn 1 1 x\r\nvalue Short 1\nkey %ZZ\n"
                               "value AfterBadKey 1 1 x\n";
    EXPECT_EQ(platform::parseRegistryText(broken), (platform::RegistryKeys{{"K", {{"Good", {REG_DWORD, "x"}}}}}));
}

} // namespace
