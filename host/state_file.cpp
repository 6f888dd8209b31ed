#include "host/state_file.h"

#include "host/chunk_id_text.h"

#include "platform/byte_order.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace host {

namespace {

constexpr char kMagic[] = "KRAVO-STATE";
constexpr std::size_t kMagicBytes = sizeof kMagic - 1;
constexpr std::uint32_t kVersion = 1;
// A chunk record holds at least the host's chunk header, whose first word is the record's length.
constexpr std::size_t kChunkHeaderBytes = 56;

void putWord(std::vector<std::uint8_t>& bytes, std::uint32_t word)
{
    bytes.resize(bytes.size() + 4);
    platform::writeBigEndian(bytes.data() + bytes.size() - 4, word, 4);
}

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t remaining() const { return bytes_.size() - at_; }
    std::uint32_t word(const char* what)
    {
        need(4, what);
        const auto value = static_cast<std::uint32_t>(platform::readBigEndian(bytes_.data() + at_, 4));
        at_ += 4;
        return value;
    }
    std::span<const std::uint8_t> take(std::size_t count, const char* what)
    {
        need(count, what);
        const auto taken = bytes_.subspan(at_, count);
        at_ += count;
        return taken;
    }

private:
    void need(std::size_t count, const char* what) const
    {
        if (count > remaining())
            throw StateFileError(std::string("the file ends inside ") + what);
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::vector<std::uint8_t> encodeStateFile(const std::vector<StateChunkRecord>& chunks)
{
    std::vector<std::uint8_t> bytes(kMagic, kMagic + kMagicBytes);
    putWord(bytes, kVersion);
    putWord(bytes, static_cast<std::uint32_t>(chunks.size()));
    for (const StateChunkRecord& chunk : chunks) {
        putWord(bytes, chunk.id);
        putWord(bytes, static_cast<std::uint32_t>(chunk.record.size()));
        bytes.insert(bytes.end(), chunk.record.begin(), chunk.record.end());
    }
    return bytes;
}

std::vector<StateChunkRecord> decodeStateFile(std::span<const std::uint8_t> bytes)
{
    Reader reader(bytes);
    const auto magic = reader.take(kMagicBytes, "its header");
    if (std::memcmp(magic.data(), kMagic, kMagicBytes) != 0)
        throw StateFileError("it is not a kravo-host state file (no \"KRAVO-STATE\" at its start)");
    if (const std::uint32_t version = reader.word("its header"); version != kVersion)
        throw StateFileError("its version " + std::to_string(version) + " is not one this kravo-host reads (1)");
    const std::uint32_t count = reader.word("its header");
    std::vector<StateChunkRecord> chunks;
    for (std::uint32_t n = 0; n < count; ++n) {
        const std::uint32_t id = reader.word("a chunk's heading");
        const std::uint32_t length = reader.word("a chunk's heading");
        const std::string name = "chunk '" + chunkIdText(id) + "'";
        if (length < kChunkHeaderBytes)
            throw StateFileError(name + " is shorter than a chunk record's header");
        if (length > reader.remaining())
            throw StateFileError("the file ends inside " + name);
        const auto record = reader.take(length, "a chunk");
        std::uint32_t ownLength = 0;
        std::memcpy(&ownLength, record.data(), sizeof ownLength);
        if (ownLength != length)
            throw StateFileError(name + " says its record holds " + std::to_string(ownLength) + " bytes, the file " +
                                 std::to_string(length));
        chunks.push_back({id, std::vector<std::uint8_t>(record.begin(), record.end())});
    }
    if (reader.remaining() != 0)
        throw StateFileError("the file goes on past its last chunk");
    return chunks;
}

std::vector<StateChunkRecord> readStateFile(const std::string& path)
{
    // A folder opens as a stream and fails only when read, with the library's own words.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw StateFileError("it is a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw StateFileError("it cannot be opened");
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return decodeStateFile(bytes);
}

} // namespace host
