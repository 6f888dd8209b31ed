#pragma once

#include "tests/support/sample_files.h"

#include <string>
#include <vector>

namespace kravo::test {

// A sample file made to break a reader, and whether each reader must take it.
struct CraftedSampleFile {
    std::string name{};
    std::string bytes{};
    bool wavLoads = false;
    bool aiffLoads = false;
};

// The regular tests' malformed files and the fuzzer's seeds.
inline std::vector<CraftedSampleFile> craftedSampleFiles()
{
    // Words whose two bytes are equal read the same in either byte order.
    const std::string frames = littleWords({0x1111, -0x1112, 0x2222, -0x2223});
    const std::string wav = WavFile{.frames = frames}.bytes();
    std::string noFormat = wav;
    noFormat.replace(noFormat.find("fmt "), 4, "fmx ");
    std::string formatAtEnd = wav;
    formatAtEnd.replace(formatAtEnd.find("fmt "), 4, "junk");
    formatAtEnd += "fmt ";
    // A format-version chunk, whose bytes the AIFF reader takes for COMM's fields.
    const std::string versionChunk = FileBytes().text("FVER").big(4, 4).big(0xA2805140, 4).bytes;
    return {
        {"wav-valid", wav, true, false}, // a ".WAV" name sends it to the AIFF reader
        // Without the RIFF header the chunks alone would load: 34 bytes is one too few.
        {"wav-34-bytes", WavFile{.bits = 8, .frames = "ab"}.bytes().substr(12)},
        {"wav-no-fmt", noFormat},
        {"wav-fmt-at-end", formatAtEnd},
        {"wav-3-channels", WavFile{.channels = 3, .frames = frames + frames}.bytes()},
        {"wav-12-bits", WavFile{.bits = 12, .frames = frames}.bytes()},
        {"wav-192-khz", WavFile{.rate = 192000, .frames = frames}.bytes()},
        {"wav-float-32-bits", WavFile{.formatTag = 3, .bits = 32, .frames = frames}.bytes()},
        {"wav-oversized-data", WavFile{.frames = frames, .claimedSize = 9}.bytes()},
        {"wav-huge-data", WavFile{.frames = frames, .claimedSize = 0xFFFFFFFF}.bytes()},
        {"wav-zero-frames", WavFile{.bits = 24, .frames = "\x01\x02"}.bytes()},
        {"aiff-valid", AiffFile{.frames = frames}.bytes(), false, true},
        {"aiff-ssnd-offset", AiffFile{.frames = frames, .padding = "pad"}.bytes(), false, true},
        {"aiff-ssnd-offset-past-end", AiffFile{.frames = frames, .claimedOffset = 0xFFFFFFF0}.bytes()},
        {"aifc", AiffFile{.formType = "AIFC", .frames = frames}.bytes()},
        {"aiff-chunk-before-comm", AiffFile{.frames = frames, .before = versionChunk}.bytes()},
        {"aiff-huge-frame-count", AiffFile{.channels = 2, .bits = 24, .frames = frames, .claimedFrames = 0xFFFFFFFF}.bytes()},
        // 3 x 0x55555558 bytes is 8 in 32 bits: exactly the eight bytes the file holds.
        {"aiff-frame-bytes-wrap", AiffFile{.bits = 24, .frames = frames, .claimedFrames = 0x55555558}.bytes()},
        {"aiff-zero-frames", AiffFile{.frames = frames, .claimedFrames = 0}.bytes()},
        {"aiff-ends-in-comm", AiffFile{.frames = frames}.bytes().substr(0, 38)},
    };
}

} // namespace kravo::test
