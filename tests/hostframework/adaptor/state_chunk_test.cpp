#include "hostframework/adaptor/state_chunk.h"
#include "hostframework/adaptor/template_no_ui_process_native.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "plugin/aplugin.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/plugin/support/factory_slot_samples.h"
#include "tests/hostframework/support/routines.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using kravo::test::routine;
using kravo::test::TempFolder;

constexpr std::uint32_t kKrst = FourCharCode("Krst");
constexpr std::uint32_t kState = FourCharCode("tQQt");
constexpr std::uint32_t kControls = FourCharCode("elck");
constexpr std::int32_t kParameters = 9900;
constexpr std::int32_t kPrograms = 32;

std::vector<std::uint8_t> bigEndian(std::initializer_list<std::uint32_t> words)
{
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t word : words)
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(word >> shift));
    return bytes;
}

// Instances made through the routines, their chunks taken and given back through routines 65..67.
class StateChunk : public ::testing::Test {
protected:
    void SetUp() override
    {
        kravo::test::writeResourceFile(folder.path() / "Kravo.dll.rsr", {});
        platform::setModulePath((folder.path() / "Kravo.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
        routine<std::int32_t (*)(std::int32_t)>(91)(3);
    }
    void TearDown() override
    {
        for (std::int32_t id : ids)
            routine<std::int32_t (*)(std::uint32_t, std::int32_t)>(20)(kKrst, id);
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setModulePath("");
    }
    std::int32_t create()
    {
        std::int32_t id = 0;
        EXPECT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t*)>(19)(kKrst, &id), 0);
        ids.push_back(id);
        return id;
    }
    static CTemplateNoUIProcessNative& process(std::int32_t id)
    {
        return dynamic_cast<CTemplateNoUIProcessNative&>(
            *dynamic_cast<CProcessGroup*>(gProcessGroup)->GetProcessType(kKrst)->FindProcess(id));
    }
    static AudioPlugin& plugIn(std::int32_t id) { return *process(id).GetPlugIn(); }
    std::vector<std::uint8_t> chunk(std::int32_t id, std::uint32_t chunkID)
    {
        std::int32_t size = 0;
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::uint32_t, std::int32_t*)>(65)(kKrst, id, chunkID,
                                                                                               &size);
        std::vector<std::uint8_t> record(static_cast<std::size_t>(size));
        EXPECT_EQ((routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::uint32_t, SHostPlugInChunk*)>(66)(
                      kKrst, id, chunkID, reinterpret_cast<SHostPlugInChunk*>(record.data()))),
                  0);
        return record;
    }
    void give(std::int32_t id, std::uint32_t chunkID, std::vector<std::uint8_t>& record)
    {
        EXPECT_EQ((routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::uint32_t, SHostPlugInChunk*)>(67)(
                      kKrst, id, chunkID, reinterpret_cast<SHostPlugInChunk*>(record.data()))),
                  0);
    }
    // A 'tQQt' record the plug-in's own type would hand back, holding these data bytes.
    static std::vector<std::uint8_t> stateRecord(const std::vector<std::uint8_t>& data)
    {
        std::vector<std::uint8_t> record(kChunkHeaderSize, 0);
        record.insert(record.end(), data.begin(), data.end());
        auto* header = reinterpret_cast<SHostPlugInChunk*>(record.data());
        header->length = static_cast<std::uint32_t>(record.size());
        header->plugInID = FourCharCode("KrCH");
        header->chunkID = kState;
        return record;
    }
    static std::vector<float> programValues(AudioPlugin& plugin, std::int32_t program)
    {
        plugin.setProgram(program);
        std::vector<float> values;
        for (std::int32_t index = 0; index < kParameters; ++index)
            values.push_back(plugin.getParameter(index));
        return values;
    }

    TempFolder folder;
    std::vector<std::int32_t> ids;
};

TEST_F(StateChunk, TheRecordHoldsEveryProgramBehindItsHeader)
{
    const std::int32_t id = create();
    plugIn(id).setProgram(5);
    char name[32] = "Fifteen letters";
    plugIn(id).setProgramName(name);
    const auto record = chunk(id, kState);
    ASSERT_EQ(record.size(), 1269384u);
    EXPECT_EQ(reinterpret_cast<const SHostPlugInChunk*>(record.data())->length, 1269384u);
    const std::vector<std::uint8_t> header(record.begin() + 56, record.begin() + 72);
    std::vector<std::uint8_t> expected = {'o', 'x', 'e', 'v'};
    const auto counts = bigEndian({5, 0x26AC, 0x20});
    expected.insert(expected.end(), counts.begin(), counts.end());
    EXPECT_EQ(header, expected);
    const std::size_t fifth = 72 + 5 * (64 + 4 * kParameters);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&record[fifth]), 15), "Fifteen letters");
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin() + static_cast<std::ptrdiff_t>(fifth) + 15,
                                        record.begin() + static_cast<std::ptrdiff_t>(fifth) + 64),
              std::vector<std::uint8_t>(49, 0));
    EXPECT_EQ(plugIn(id).getProgram(), 5);
    EXPECT_EQ(process(id).GetCurrentProgram(), 5);
}

TEST_F(StateChunk, ARoundTripRestoresEveryProgramToTheBitAndKeepsEditsOfTheCurrentOne)
{
    const std::int32_t source = create();
    std::mt19937 random(37);
    std::uniform_real_distribution<float> value(0.0f, 1.0f);
    for (std::int32_t program = 0; program < kPrograms; ++program) {
        plugIn(source).setProgram(program);
        std::string name = "Program " + std::to_string(program);
        plugIn(source).setProgramName(name.data());
        for (std::int32_t index = 0; index < kParameters; index += 7)
            plugIn(source).setParameter(index, value(random));
    }
    plugIn(source).setProgram(9);
    plugIn(source).setParameter(100, 0.125f); // an edit of the current program, never selected away from
    auto record = chunk(source, kState);
    EXPECT_EQ(plugIn(source).getParameter(100), 0.125f); // the walk did not wipe it

    const std::int32_t target = create();
    give(target, kState, record);
    EXPECT_EQ(plugIn(target).getProgram(), 9);
    for (std::int32_t program : {0, 9, 31}) {
        const auto expected = programValues(plugIn(source), program);
        const auto restored = programValues(plugIn(target), program);
        ASSERT_EQ(std::memcmp(expected.data(), restored.data(), expected.size() * sizeof(float)), 0) << program;
        char name[64] = {};
        plugIn(target).getProgramName(name);
        EXPECT_EQ(std::string(name), "Program " + std::to_string(program));
    }
    plugIn(target).setProgram(9);
    EXPECT_EQ(plugIn(target).getParameter(100), 0.125f);
}

TEST_F(StateChunk, OtherCountsRestoreWhatTheyShareAndStayAligned)
{
    const std::int32_t id = create();
    // Two programs of 9901 values: the 9901st is skipped and the second program still lines up.
    std::vector<std::uint8_t> data = {'o', 'x', 'e', 'v'};
    for (std::uint8_t byte : bigEndian({1, 9901, 2}))
        data.push_back(byte);
    for (std::int32_t program = 0; program < 2; ++program) {
        data.insert(data.end(), 64, 0);
        data[data.size() - 64] = static_cast<std::uint8_t>('A' + program);
        for (std::int32_t index = 0; index < 9901; ++index)
            for (std::uint8_t byte : bigEndian({std::bit_cast<std::uint32_t>(program == 0 ? 0.25f : 0.75f)}))
                data.push_back(byte);
    }
    auto record = stateRecord(data);
    give(id, kState, record);
    EXPECT_EQ(programValues(plugIn(id), 0)[9899], 0.25f);
    EXPECT_EQ(programValues(plugIn(id), 1)[0], 0.75f);
    EXPECT_EQ(programValues(plugIn(id), 1)[9899], 0.75f);

    // Forty programs: 0..31 are restored, the rest are not read.
    data = {'o', 'x', 'e', 'v'};
    for (std::uint8_t byte : bigEndian({0, 1, 40}))
        data.push_back(byte);
    for (std::int32_t program = 0; program < 40; ++program) {
        data.insert(data.end(), 64, 0);
        for (std::uint8_t byte : bigEndian({std::bit_cast<std::uint32_t>(static_cast<float>(program) / 64.0f)}))
            data.push_back(byte);
    }
    record = stateRecord(data);
    give(id, kState, record);
    EXPECT_EQ(programValues(plugIn(id), 31)[0], 31.0f / 64.0f);
}

TEST_F(StateChunk, TheControlsChunkBeforeOrAfterTheStateChunkGivesTheSameState)
{
    const std::int32_t source = create();
    plugIn(source).setProgram(4);
    plugIn(source).setParameter(2, 0.25f);
    auto controls = chunk(source, kControls);
    auto state = chunk(source, kState);

    const std::int32_t first = create();
    const std::int32_t second = create();
    for (std::int32_t id : {first, second}) // the host has written its first gain: its writes reach the plug-in
        routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::int32_t)>(46)(kKrst, id, 9902,
                                                                                              2147483647);
    give(first, kControls, controls);
    give(first, kState, state);
    give(second, kState, state);
    give(second, kControls, controls);
    for (std::int32_t program : {0, 4})
        EXPECT_EQ(programValues(plugIn(first), program), programValues(plugIn(second), program)) << program;
}

// Damaged state chunks: random, truncated and lying counts read only what is there.
// A state saved where the factory programs' sample files are, then loaded and saved again where they
// are missing, keeps every program as it was: a missing file silences a layer, it does not switch it off.
TEST_F(StateChunk, AStateSavedAgainWithoutItsSampleFilesIsTheSameState)
{
    const std::filesystem::path samples = platform::nativePath("C:\\Kravo\\Samples\\Kravo Factory");
    kravo::test::installFactorySlotSamples();
    std::vector<std::uint8_t> saved = chunk(create(), kState);
    std::filesystem::remove_all(samples);
    const std::int32_t again = create();
    give(again, kState, saved);
    EXPECT_TRUE(chunk(again, kState) == saved);
}

TEST(StateChunkReader, DamagedDataReadsOnlyWhatIsThere)
{
    const HostCallback noHost = [](PluginRecord*, std::int32_t, std::int32_t, PlugIntPtr, void*, float) {
        return PlugIntPtr{0};
    };
    std::unique_ptr<AudioPlugin> plugin(createEffectInstance(noHost));
    std::mt19937 random(20261207);
    for (int round = 0; round < 400; ++round) {
        std::vector<std::uint8_t> data = {'o', 'x', 'e', 'v'};
        const std::uint32_t counts[3] = {static_cast<std::uint32_t>(random() % 40),
                                         random() % 3 == 0 ? static_cast<std::uint32_t>(random())
                                                           : static_cast<std::uint32_t>(random() % 12000),
                                         random() % 3 == 0 ? static_cast<std::uint32_t>(random())
                                                           : static_cast<std::uint32_t>(random() % 50)};
        for (std::uint8_t byte : bigEndian({counts[0], counts[1], counts[2]}))
            data.push_back(byte);
        data.resize(data.size() + random() % 3000);
        for (std::size_t i = 16; i < data.size(); ++i)
            data[i] = static_cast<std::uint8_t>(random());
        data.resize(random() % (data.size() + 1)); // often cut before the header ends
        const auto current = ReadStateChunk(*plugin, kParameters, kPrograms, data);
        EXPECT_EQ(current.has_value(), data.size() >= 16) << round;
    }
}

} // namespace
