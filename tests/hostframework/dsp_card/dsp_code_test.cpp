#include "hostframework/dsp_card/dsp_code.h"
#include "hostframework/plugin_library.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "platform/module_resources.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

namespace {

using namespace kravo::test;

using Bytes = std::vector<std::uint8_t>;
using Words = std::vector<std::int32_t>;

constexpr std::uint32_t kCode = FourCharCode("CODE");
constexpr std::uint32_t kReversed = FourCharCode("SACD");
constexpr std::uint32_t kFileCode = FourCharCode("DSPC");

Words wordsOf(HostHandle handle)
{
    Words words(static_cast<std::size_t>(HostExtGetHandleSize(handle)) / 4);
    std::memcpy(words.data(), *handle, words.size() * 4);
    return words;
}

// The packing as the DSP shell expects it, worked out byte by byte.
Words packed(const Bytes& bytes, bool reversed)
{
    Words words = {static_cast<std::int32_t>(bytes.size() / 3), 0};
    for (std::size_t at = 0; at + 3 <= bytes.size(); at += 3) {
        const std::int32_t high = reversed ? bytes[at + 2] : bytes[at];
        const std::int32_t low = reversed ? bytes[at] : bytes[at + 2];
        words.push_back(high * 65536 + bytes[at + 1] * 256 + low);
    }
    return words;
}

Bytes randomBytes(std::mt19937& random, std::size_t size)
{
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

class DSPCode : public ::testing::Test {
protected:
    void TearDown() override
    {
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setModulePath("");
    }
    void openWith(const std::vector<TestResource>& resources)
    {
        writeResourceFile(folder.path() / "Code.dll.rsr", resources);
        platform::setModulePath((folder.path() / "Code.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
    }
    // What LoadDSPCodeResource gave as words, and the handle given back.
    Words load(std::uint32_t type, std::int16_t id, bool raw = false)
    {
        HostHandle code = LoadDSPCodeResource(type, id, raw);
        if (code == nullptr)
            return {};
        Words words = wordsOf(code);
        HostExtDisposeHandle(code);
        return words;
    }

    TempFolder folder;
};

TEST_F(DSPCode, ResourcesPackIntoWordsOfThreeBytesEachWayOrStayRaw)
{
    const Bytes bytes = {1, 2, 3, 4, 5, 6};
    openWith({{kCode, 5, "", bytes}, {kReversed, 5, "", bytes}, {kCode, 6, "", {1, 2, 3, 4, 5, 6, 7}}});
    const std::int16_t current = HostExtCurrentResourceFile();
    const std::string file = (folder.path() / "Code.dll.rsr").string();
    const int opens = hostext::resourceFileOpens(file);

    EXPECT_EQ(load(kCode, 5), (Words{2, 0, 0x010203, 0x040506}));
    EXPECT_EQ(load(kReversed, 5), (Words{2, 0, 0x030201, 0x060504}));
    EXPECT_EQ(load(kCode, 6), (Words{2, 0, 0x010203, 0x040506})); // the odd byte is left over
    HostHandle raw = LoadDSPCodeResource(kCode, 6, true);
    ASSERT_NE(raw, nullptr);
    ASSERT_EQ(HostExtGetHandleSize(raw), 11);
    std::int32_t leading = 0;
    std::memcpy(&leading, *raw, 4);
    EXPECT_EQ(leading, 7);
    EXPECT_EQ(Bytes(*raw + 4, *raw + 11), (Bytes{1, 2, 3, 4, 5, 6, 7}));
    HostExtDisposeHandle(raw);

    EXPECT_EQ(LoadDSPCodeResource(kCode, 9, false), nullptr);
    EXPECT_EQ(LoadDSPCodeResource(FourCharCode("NONE"), 5, true), nullptr);
    EXPECT_EQ(HostExtCurrentResourceFile(), current);
    EXPECT_EQ(hostext::resourceFileOpens(file), opens);
}

TEST_F(DSPCode, TheModuleHasNoDSPCodeResource)
{
    std::int32_t size = -1;
    EXPECT_EQ(LoadDSPCode(nullptr, 1, &size), nullptr);
    EXPECT_EQ(LoadDSPCode(platform::pluginModule(), 1, &size), nullptr); // its resource 1 is text
    EXPECT_EQ(size, -1);
}

TEST_F(DSPCode, AResourceFileGivesTheCodeOfItsIdUpToTheCapacity)
{
    const Bytes code = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const auto path = (folder.path() / "code.rsr").string();
    writeResourceFile(path, {{kCode, 7, "", {9, 9}}, {kFileCode, 7, "", code}, {kFileCode, 8, "", {1}}});
    std::int32_t size = 0;
    Bytes small(4);
    EXPECT_TRUE(LoadDSPCodeFromFile(path.c_str(), 7, &size, 4, small.data()));
    EXPECT_EQ(size, 10);
    EXPECT_EQ(small, (Bytes{1, 2, 3, 4}));
    Bytes large(16, 0xEE);
    EXPECT_TRUE(LoadDSPCodeFromFile(path.c_str(), 7, &size, 16, large.data()));
    EXPECT_EQ(Bytes(large.begin(), large.begin() + 10), code);
    EXPECT_EQ(large[10], 0xEE);
    EXPECT_TRUE(LoadDSPCodeFromFile(path.c_str(), 8, &size, 16, nullptr)); // the size alone
    EXPECT_EQ(size, 1);

    size = -1;
    EXPECT_FALSE(LoadDSPCodeFromFile(path.c_str(), 9, &size, 16, large.data()));
    EXPECT_FALSE(LoadDSPCodeFromFile((folder.path() / "missing.rsr").string().c_str(), 7, &size, 16, large.data()));
    EXPECT_FALSE(LoadDSPCodeFromFile(folder.path().string().c_str(), 7, &size, 16, large.data()));
    EXPECT_FALSE(LoadDSPCodeFromFile(nullptr, 7, &size, 16, large.data()));
    EXPECT_EQ(size, -1);
}

// Bad input: resources of every short and odd length, and damaged resource files, are answered
// with the packed words or nothing, and nothing is read or written past an end.
TEST_F(DSPCode, SeededResourcesOfEveryShortAndOddLengthPackExactly)
{
    std::mt19937 random(39);
    std::vector<TestResource> resources;
    for (std::size_t size : {0, 1, 2, 3, 4, 5, 6, 7, 9, 11, 13, 31, 101, 1001})
        for (int copy = 0; copy < 3; ++copy)
            resources.push_back({copy == 1 ? kReversed : kCode, static_cast<std::int16_t>(resources.size()), "",
                                 randomBytes(random, size)});
    openWith(resources);
    for (const TestResource& resource : resources) {
        SCOPED_TRACE(resource.data.size());
        EXPECT_EQ(load(resource.type, resource.id), packed(resource.data, resource.type == kReversed));
        const Words raw = load(resource.type, resource.id, true);
        ASSERT_FALSE(raw.empty());
        EXPECT_EQ(raw[0], static_cast<std::int32_t>(resource.data.size()));
    }
}

TEST_F(DSPCode, DamagedResourceFilesGiveNothingOrWhatTheyHold)
{
    const auto path = (folder.path() / "code.rsr").string();
    std::mt19937 random(1129);
    writeResourceFile(path, {{kFileCode, 3, "name", randomBytes(random, 40)}, {kFileCode, 4, "", {1, 2, 3}}});
    std::ifstream file(path, std::ios::binary);
    const Bytes whole{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const auto load = [&path](const Bytes& bytes, std::int16_t id, std::int32_t& size) {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::vector<std::uint8_t> destination(8); // ASan catches a write past its end
        return LoadDSPCodeFromFile(path.c_str(), id, &size, 8, destination.data());
    };
    std::int32_t size = 0;
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(load(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)), 4, size))
            << length;
    for (int round = 0; round < 500; ++round) {
        Bytes damaged = whole;
        for (int flip = 0; flip < 3; ++flip)
            damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
        if (load(damaged, 3, size)) {
            EXPECT_GE(size, 0);
            EXPECT_LE(static_cast<std::size_t>(size), damaged.size());
        }
    }
}

} // namespace
