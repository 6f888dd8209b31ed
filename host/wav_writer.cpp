#include "host/wav_writer.h"

#include <sndfile.h>

#include <stdexcept>

namespace host {

void writeStereoWav(const std::string& path, const std::vector<float>& interleaved, int sampleRate,
                    SampleFormat format)
{
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | (format == SampleFormat::pcm16   ? SF_FORMAT_PCM_16
                                   : format == SampleFormat::pcm24 ? SF_FORMAT_PCM_24
                                                                   : SF_FORMAT_FLOAT);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    // Integer formats clip rather than wrap when the mix runs over full scale.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const sf_count_t frames = static_cast<sf_count_t>(interleaved.size() / 2);
    const sf_count_t written = sf_writef_float(file, interleaved.data(), frames);
    const int closeResult = sf_close(file);
    if (written != frames || closeResult != 0)
        throw std::runtime_error("cannot write all of " + path);
}

} // namespace host
