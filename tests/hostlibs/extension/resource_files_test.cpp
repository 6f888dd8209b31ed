#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/resource_container.h"
#include "platform/four_char_code.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using hostext::ContainerResource;
using kravo::test::TempFolder;

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

Bytes lengthPrefixed(const std::string& text)
{
    Bytes out(text.size() + 1, static_cast<std::uint8_t>(text.size()));
    std::copy(text.begin(), text.end(), out.begin() + 1);
    return out;
}

Bytes handleBytes(char** handle)
{
    return Bytes(*handle, *handle + HostExtGetHandleSize(handle));
}

struct Info {
    std::int16_t id = 0;
    std::uint32_t type = 0;
    std::string name;
};

Info infoOf(char** handle)
{
    Info info;
    std::uint8_t name[256];
    HostExtGetResourceInfo(handle, &info.id, &info.type, name);
    info.name.assign(reinterpret_cast<const char*>(name + 1), name[0]);
    return info;
}

void putNumber(Bytes& out, std::uint32_t value, int width)
{
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Where a resource's name length and data size sit in its file, for the tests that damage them.
struct FieldOffsets {
    std::size_t nameLength;
    std::size_t dataSize;
};

// The file the tool would write for the resources, written independently of it.
Bytes encode(const std::vector<ContainerResource>& resources, std::vector<FieldOffsets>* offsets = nullptr)
{
    Bytes out = bytesOf("KRSR");
    putNumber(out, hostext::kContainerVersion, 2);
    putNumber(out, static_cast<std::uint32_t>(resources.size()), 2);
    for (const auto& resource : resources) {
        putNumber(out, resource.type, 4);
        putNumber(out, static_cast<std::uint16_t>(resource.id), 2);
        const std::size_t nameLength = out.size();
        putNumber(out, static_cast<std::uint32_t>(resource.name.size()), 1);
        out.insert(out.end(), resource.name.begin(), resource.name.end());
        const std::size_t dataSize = out.size();
        putNumber(out, static_cast<std::uint32_t>(resource.data.size()), 4);
        out.insert(out.end(), resource.data.begin(), resource.data.end());
        if (offsets != nullptr)
            offsets->push_back({nameLength, dataSize});
    }
    return out;
}

void writeBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct ToolRun {
    int status;
    std::string errors;
};

ToolRun runTool(const TempFolder& folder, const std::string& manifest, const std::string& output)
{
    const std::string command = std::string("'") + KRAVO_PYTHON + "' '" + KRAVO_RESOURCE_TOOL + "' '" + manifest +
                                "' '" + output + "' 2>'" + (folder / "tool-errors.txt").string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.readFile("tool-errors.txt")};
}

TEST(ResourceFiles, AManifestComesBackThroughTheToolAndTheLoaderResourceByResource)
{
    TempFolder folder;
    std::string everyByte(256, '\0');
    for (std::size_t i = 0; i < everyByte.size(); ++i)
        everyByte[i] = static_cast<char>(i);
    folder.writeFile("data/every-byte.bin", everyByte);
    const std::string longName(255, 'n');
    folder.writeFile("resources.list", "# resources of every shape\n\n"
                                       "'STR ' -32768 \"hello world\" hex:68_69\n"
                                       "thng 128 \"\" data/every-byte.bin\n"
                                       "'STR ' 7 " + longName + " hex:\n"
                                       "abcd 32767 x hex:00FF\n");
    const std::string path = (folder / "out.rsr").string();
    ASSERT_EQ(runTool(folder, (folder / "resources.list").string(), path).status, 0);
    const std::vector<ContainerResource> expected = {
        {FourCharCode("STR "), -32768, "hello world", bytesOf("hi")},
        {FourCharCode("thng"), 128, "", bytesOf(everyByte)},
        {FourCharCode("STR "), 7, longName, {}},
        {FourCharCode("abcd"), 32767, "x", {0x00, 0xff}},
    };

    const int openFiles = hostext::openResourceFileCount();
    const int liveHandles = hostext::liveHandleCount();
    const std::int16_t previous = HostExtCurrentResourceFile();
    const std::int16_t file = HostExtOpenResourceFile(path.c_str(), nullptr);
    ASSERT_GT(file, 0);
    EXPECT_EQ(HostExtOpenResourceFile(path.c_str(), nullptr), file);
    HostExtUseResourceFile(file);
    EXPECT_EQ(HostExtCurrentResourceFile(), file);

    std::map<std::uint32_t, std::int16_t> perType;
    for (const auto& resource : expected) {
        const std::int16_t index = ++perType[resource.type];
        for (char** handle : {HostExtGetNamedResource(resource.type, lengthPrefixed(resource.name).data()),
                              HostExtGetIndexedResource(resource.type, index)}) {
            ASSERT_NE(handle, nullptr) << resource.name;
            const Info info = infoOf(handle);
            EXPECT_EQ(info.id, resource.id);
            EXPECT_EQ(info.type, resource.type);
            EXPECT_EQ(info.name, resource.name);
            EXPECT_EQ(handleBytes(handle), resource.data);
            HostExtReleaseResource(handle);
        }
    }
    for (const auto& [type, count] : perType)
        EXPECT_EQ(HostExtCountResources(type), count);
    EXPECT_EQ(HostExtCountResources(FourCharCode("zzzz")), 0);
    for (char** missing : {HostExtGetNamedResource(FourCharCode("STR "), lengthPrefixed("hello").data()),
                           HostExtGetNamedResource(FourCharCode("thng"), lengthPrefixed("hello world").data()),
                           HostExtGetIndexedResource(FourCharCode("STR "), 0),
                           HostExtGetIndexedResource(FourCharCode("STR "), 3),
                           HostExtGetIndexedResource(FourCharCode("STR "), -1)})
        EXPECT_EQ(missing, nullptr);

    // A detached resource is the caller's: releasing it as a resource must leave it alone.
    char** detached = HostExtGetIndexedResource(FourCharCode("abcd"), 1);
    HostExtDetachResource(detached);
    HostExtReleaseResource(detached);
    EXPECT_EQ(hostext::liveHandleCount(), liveHandles + 1);
    HostExtDisposeHandle(detached);

    // Nothing is found outside the current file.
    HostExtUseResourceFile(0);
    EXPECT_EQ(HostExtCountResources(FourCharCode("STR ")), 0);
    EXPECT_EQ(HostExtGetIndexedResource(FourCharCode("STR "), 1), nullptr);

    HostExtUseResourceFile(file);
    HostExtCloseResourceFile(file);
    EXPECT_EQ(hostext::openResourceFileCount(), openFiles + 1);
    HostExtCloseResourceFile(file);
    EXPECT_EQ(hostext::openResourceFileCount(), openFiles);
    EXPECT_EQ(HostExtCurrentResourceFile(), 0);
    EXPECT_EQ(hostext::liveHandleCount(), liveHandles);
    HostExtUseResourceFile(previous);
}

TEST(ResourceFiles, ReleasingByPathDropsTheFileWhateverItsOpens)
{
    TempFolder folder;
    const std::string path = (folder / "twice.rsr").string();
    writeBytes(path, encode({{FourCharCode("STR "), 1, "a", {1}}}));
    const int openFiles = hostext::openResourceFileCount();
    ASSERT_GT(HostExtOpenResourceFile(path.c_str(), nullptr), 0);
    ASSERT_GT(HostExtOpenResourceFile(path.c_str(), nullptr), 0);
    HostExtReleaseResourceFile(path.c_str());
    EXPECT_EQ(hostext::openResourceFileCount(), openFiles);
}

std::vector<std::pair<std::uint32_t, void*>> turns;

std::int32_t recordTurn(std::intptr_t, std::uint32_t type, std::int32_t, void* data)
{
    turns.emplace_back(type, data);
    return 0;
}

TEST(ResourceFiles, TheByteOrderCallbackTurnsOnlyComponentAndFragmentRecordsLongEnoughToHoldTheirFields)
{
    TempFolder folder;
    const std::uint32_t component = FourCharCode("thng"), fragment = FourCharCode("cfrg"), other = FourCharCode("STR ");
    const std::vector<ContainerResource> resources = {
        {component, 1, "short", Bytes(43)}, {component, 2, "whole", Bytes(44)}, {fragment, 1, "short", Bytes(35)},
        {fragment, 2, "whole", Bytes(36)},  {other, 1, "whole", Bytes(100)},
    };
    const std::string path = (folder / "turn.rsr").string();
    writeBytes(path, encode(resources));
    const std::int16_t previous = HostExtCurrentResourceFile();
    const std::int16_t file = HostExtOpenResourceFile(path.c_str(), recordTurn);
    ASSERT_GT(file, 0);
    HostExtUseResourceFile(file);
    for (const auto& resource : resources) {
        turns.clear();
        char** handle = HostExtGetNamedResource(resource.type, lengthPrefixed(resource.name).data());
        ASSERT_NE(handle, nullptr);
        const bool turned = resource.type != other && resource.name == "whole";
        // The handle's own copy is turned, never the file's.
        const std::vector<std::pair<std::uint32_t, void*>> expected{{resource.type, *handle}};
        EXPECT_EQ(turns, turned ? expected : decltype(expected){}) << resource.data.size();
        HostExtReleaseResource(handle);
    }
    HostExtCloseResourceFile(file);
    HostExtUseResourceFile(previous);
}

TEST(PluginResourceFile, TheBuiltFileHoldsTheComponentRecordNamedKravo)
{
    const std::int16_t previous = HostExtCurrentResourceFile();
    const std::int16_t file = HostExtOpenResourceFile(KRAVO_PLUGIN_RESOURCE_FILE, nullptr);
    ASSERT_GT(file, 0);
    HostExtUseResourceFile(file);
    EXPECT_EQ(HostExtCountResources(FourCharCode("thng")), 1);
    char** component = HostExtGetNamedResource(FourCharCode("thng"), lengthPrefixed("Kravo").data());
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(HostExtGetHandleSize(component), 44);
    HostExtReleaseResource(component);
    HostExtCloseResourceFile(file);
    HostExtUseResourceFile(previous);
}

TEST(ResourceTool, ABadManifestLineStopsTheToolWithTheLineNumberAndWritesNothing)
{
    TempFolder folder;
    const std::string good = "'STR ' 1 fine hex:00\n";
    const std::vector<std::pair<std::string, int>> manifests = {
        {"# a comment\n\n'STR' 1 short hex:00\n", 3},
        {good + "'STR ' 1x name hex:00\n", 2},
        {good + good + "'STR ' 32768 name hex:00\n", 3},
        {good + "\n" + good + "'STR ' 2 name missing.bin\n", 4},
    };
    for (const auto& [text, line] : manifests) {
        folder.writeFile("bad.list", text);
        const std::string manifest = (folder / "bad.list").string();
        const auto output = folder / "bad.rsr";
        const ToolRun run = runTool(folder, manifest, output.string());
        EXPECT_NE(run.status, 0) << text;
        EXPECT_NE(run.errors.find(manifest + ":" + std::to_string(line) + ":"), std::string::npos) << run.errors;
        EXPECT_FALSE(std::filesystem::exists(output)) << text;
    }
}

// Every case goes through the same file; an accepted one is closed at once, so that the next is read
// afresh rather than answered from the file already open.
class CaseFile {
public:
    bool opens(const Bytes& bytes)
    {
        writeBytes(path, bytes);
        const std::int16_t file = HostExtOpenResourceFile(path.c_str(), nullptr);
        if (file > 0)
            HostExtCloseResourceFile(file);
        return file > 0;
    }

private:
    TempFolder folder;
    std::string path = (folder / "case.rsr").string();
};

class ResourceFileBadInput : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_EQ(hostext::openResourceFileCount(), openFiles);
        EXPECT_EQ(hostext::liveHandleCount(), liveHandles);
    }

    // Whether the reader accepts the bytes. Opening them as a file must agree, and what is accepted
    // must be exactly what its resources encode to: the layout leaves no second way to read a file.
    bool accepted(const Bytes& bytes)
    {
        const Bytes exact(bytes); // allocated at its size, so reading past the end reads past the block
        const auto resources = hostext::readResourceContainer(exact);
        EXPECT_EQ(file.opens(bytes), resources.has_value());
        if (resources) {
            EXPECT_EQ(encode(*resources), bytes);
        }
        return resources.has_value();
    }

    Bytes randomBytes(std::size_t count)
    {
        Bytes out(count);
        for (auto& byte : out)
            byte = static_cast<std::uint8_t>(generator());
        return out;
    }

    const int openFiles = hostext::openResourceFileCount();
    const int liveHandles = hostext::liveHandleCount();
    CaseFile file;
    std::mt19937 generator{20240611};
    std::vector<FieldOffsets> offsets;
    const Bytes valid = encode({{FourCharCode("thng"), 128, "Kravo", Bytes(44, 0x5a)},
                                {FourCharCode("STR "), -1, "", {}},
                                {FourCharCode("cfrg"), 0, "a name", bytesOf("xyz")}},
                               &offsets);
};

TEST_F(ResourceFileBadInput, EveryTruncationOfAValidFileIsRefused)
{
    EXPECT_TRUE(accepted(valid));
    for (std::size_t length = 0; length < valid.size(); ++length)
        EXPECT_FALSE(accepted(Bytes(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length)))) << length;
}

TEST_F(ResourceFileBadInput, AnythingAfterTheLastResourceIsRefused)
{
    for (std::size_t extra = 1; extra <= 32; ++extra) {
        Bytes longer = valid;
        const Bytes garbage = randomBytes(extra);
        longer.insert(longer.end(), garbage.begin(), garbage.end());
        EXPECT_FALSE(accepted(longer)) << extra;
    }
}

TEST_F(ResourceFileBadInput, AWrongMagicVersionOrCountIsRefusedButAnEmptyFileOfNoResourcesIsRead)
{
    EXPECT_TRUE(accepted(encode({})));
    const std::vector<std::pair<std::size_t, std::uint8_t>> damages = {
        {3, 'r'}, {5, 0}, {5, 2}, {4, 1}, {7, 0}, {7, 2}, {7, 4}, {6, 1}, {6, 0xff},
    };
    for (const auto& [offset, value] : damages) {
        Bytes damaged = valid;
        damaged[offset] = value;
        EXPECT_FALSE(accepted(damaged)) << offset << " " << int(value);
    }
}

TEST_F(ResourceFileBadInput, ANameOrDataRunningPastTheEndIsRefused)
{
    for (const auto& [nameLength, dataSize] : offsets) {
        const auto afterSize = static_cast<std::uint32_t>(valid.size() - dataSize - 4);
        for (const std::uint32_t size : {afterSize + 1, 0x7fffffffu, 0x80000000u, 0xffffffffu}) {
            Bytes damaged(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(dataSize));
            putNumber(damaged, size, 4);
            damaged.insert(damaged.end(), valid.begin() + static_cast<std::ptrdiff_t>(dataSize + 4), valid.end());
            EXPECT_FALSE(accepted(damaged)) << dataSize << " " << size;
        }
        Bytes damaged = valid;
        damaged[nameLength] = 0xff;
        EXPECT_FALSE(accepted(damaged)) << nameLength;
    }
}

TEST_F(ResourceFileBadInput, RandomBytesAndRandomDamageAreReadOnlyAsWhatTheyEncode)
{
    for (int n = 0; n < 1000; ++n) {
        Bytes bytes = randomBytes(generator() % 41);
        // Half start as a file does, so that the resources are reached.
        if (n % 2 == 0) {
            Bytes start = bytesOf("KRSR");
            putNumber(start, hostext::kContainerVersion, 2);
            putNumber(start, generator() % 3, 2);
            bytes.insert(bytes.begin(), start.begin(), start.end());
        }
        accepted(bytes);
    }
    for (int n = 0; n < 2000; ++n) {
        Bytes damaged = valid;
        for (auto changes = 1 + generator() % 4; changes > 0; --changes)
            damaged[generator() % damaged.size()] = static_cast<std::uint8_t>(generator());
        accepted(damaged);
    }
}

TEST_F(ResourceFileBadInput, NoPathAMissingFileOrAFolderDoesNotOpen)
{
    TempFolder folder;
    for (const std::string& path : {(folder / "missing.rsr").string(), folder.path().string(), std::string()})
        EXPECT_LE(HostExtOpenResourceFile(path.c_str(), nullptr), 0) << path;
    EXPECT_LE(HostExtOpenResourceFile(nullptr, nullptr), 0);
}

} // namespace
