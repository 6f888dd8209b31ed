#pragma once

#include "plugin/samples/sample_buffer.h"
#include "tests/support/sample_files.h"
#include "tests/support/temp_folder.h"

#include <memory>
#include <string>

namespace kravo::test {

using SampleReader = bool (SampleBuffer::*)();

// A buffer loaded from the given bytes as the plug-in loads one: reset, path, one reader.
inline std::unique_ptr<SampleBuffer> loadSample(const TempFolder& folder, const std::string& bytes,
                                                SampleReader reader = &SampleBuffer::readWavFile)
{
    const auto path = (folder / "sample").string();
    writeFile(path, bytes);
    auto buffer = std::make_unique<SampleBuffer>();
    buffer->reset();
    buffer->setPath(path.c_str());
    ((*buffer).*reader)();
    return buffer;
}

} // namespace kravo::test
