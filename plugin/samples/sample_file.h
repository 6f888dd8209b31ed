#pragma once

#include <cstdint>
#include <cstdio>

namespace samples {

// A sample file read from its start and never past its end: every read says
// whether all it asked for was there, so no header field is trusted.
class SampleFile {
public:
    explicit SampleFile(const char* path);
    ~SampleFile();
    SampleFile(const SampleFile&) = delete;
    SampleFile& operator=(const SampleFile&) = delete;

    // Open and at least the given size.
    bool usable(std::int64_t smallestSize) const { return file != nullptr && size >= smallestSize; }
    std::int64_t remaining() const { return size - position; }

    bool read(void* target, std::int64_t bytes);
    bool skip(std::int64_t bytes);
    // Reads on until the last four bytes read are the tag.
    bool findTag(const char* tag);
    // The first occurrence of the tag anywhere in the file: the chunk structure is not walked.
    bool findTagFromStart(const char* tag);
    bool readLittle(std::uint32_t& value, int bytes) { return readWord(value, bytes, false); }
    bool readBig(std::uint32_t& value, int bytes) { return readWord(value, bytes, true); }

private:
    bool readWord(std::uint32_t& value, int bytes, bool bigEndian);

    std::FILE* file = nullptr;
    std::int64_t size = 0;
    std::int64_t position = 0;
};

} // namespace samples
