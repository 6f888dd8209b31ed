#pragma once

#include "host/command_line.h"

#include <string>
#include <vector>

namespace host {

// Writes interleaved stereo frames to a WAV file; throws std::runtime_error on failure.
void writeStereoWav(const std::string& path, const std::vector<float>& interleaved, int sampleRate,
                    SampleFormat format);

} // namespace host
