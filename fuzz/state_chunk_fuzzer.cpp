// Feeds arbitrary bytes to the reader of the plug-in's state chunk as chunk data of exactly their
// size, into a plug-in object of the real counts that only keeps what it is told. The sanitizers
// catch any read past the data; every program and parameter the reader reaches must be one the
// plug-in has.

#include "hostframework/adaptor/state_chunk.h"
#include "plugin/base/audio_plugin.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::int32_t kPrograms = 32;
constexpr std::int32_t kParameters = 9900;

class KeepingPlugin final : public AudioPlugin {
public:
    KeepingPlugin() : AudioPlugin(nullptr, kPrograms, kParameters) {}
    void processReplacing(float**, float**, std::int32_t) override {}
    void setProgram(std::int32_t program) override
    {
        if (program < 0 || program >= kPrograms)
            std::abort();
        AudioPlugin::setProgram(program);
    }
    void setParameter(std::int32_t index, float) override
    {
        if (index < 0 || index >= kParameters)
            std::abort();
    }
    void setProgramName(char* name) override
    {
        std::size_t length = 0;
        while (name[length] != '\0')
            ++length;
        if (length > kStateProgramNameBytes)
            std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static KeepingPlugin plugin;
    const std::vector<std::uint8_t> input(data, data + size);
    ReadStateChunk(plugin, kParameters, kPrograms, input);
    return 0;
}
