#include "plugin/samples/sample_file.h"

#include "platform/byte_order.h"
#include "platform/windows_paths.h"

#include <cstring>

namespace samples {

SampleFile::SampleFile(const char* path) : file(platform::openFile(path, "rb"))
{
    if (file && std::fseek(file, 0, SEEK_END) == 0) {
        size = static_cast<std::int64_t>(std::ftell(file));
        std::rewind(file);
    }
}

SampleFile::~SampleFile()
{
    if (file)
        std::fclose(file);
}

bool SampleFile::read(void* target, std::int64_t bytes)
{
    if (bytes < 0 || bytes > remaining())
        return false;
    const auto got = std::fread(target, 1, static_cast<std::size_t>(bytes), file);
    position += static_cast<std::int64_t>(got);
    return static_cast<std::int64_t>(got) == bytes;
}

bool SampleFile::skip(std::int64_t bytes)
{
    if (bytes < 0 || bytes > remaining() || std::fseek(file, static_cast<long>(position + bytes), SEEK_SET) != 0)
        return false;
    position += bytes;
    return true;
}

bool SampleFile::findTag(const char* tag)
{
    char last[4] = {};
    int c = 0;
    while ((c = std::fgetc(file)) != EOF) {
        ++position;
        std::memmove(last, last + 1, 3);
        last[3] = static_cast<char>(c);
        if (std::memcmp(last, tag, 4) == 0)
            return true;
    }
    return false;
}

bool SampleFile::findTagFromStart(const char* tag)
{
    std::rewind(file);
    position = 0;
    return findTag(tag);
}

bool SampleFile::readWord(std::uint32_t& value, int bytes, bool bigEndian)
{
    std::uint8_t b[4] = {};
    if (bytes < 1 || bytes > 4 || !read(b, bytes))
        return false;
    const auto count = static_cast<std::size_t>(bytes);
    const std::uint64_t word = bigEndian ? platform::readBigEndian(b, count) : platform::readLittleEndian(b, count);
    value = static_cast<std::uint32_t>(word);
    return true;
}

} // namespace samples
