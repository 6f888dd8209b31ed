// Hands arbitrary bytes to a live instance of the plug-in library as one of the chunks it lists, through
// the library's set-chunk routine as kravo-host does, behind the header the instance itself gave. The first
// byte picks the chunk; after an even second byte the rest is the chunk's whole data, after an odd one it
// is laid over the start of the instance's own data, which keeps its length: the state chunk runs to a
// megabyte, too long to seed whole. The instance may refuse the chunk; either way it must go on answering
// every chunk it lists. The settings store and the user's files are a temporary folder's.

#include "fuzz/input_file.h"
#include "host/hosted_plugin.h"
#include "hostframework/host_chunk_record.h"
#include "platform/registry.h"
#include "platform/windows_paths.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

constexpr double kSampleRate = 44100.0;
constexpr std::int32_t kBlockFrames = 512;

struct Instance {
    Instance() : files("registry.txt"), plugin(isolated(files), kSampleRate, kBlockFrames), chunks(plugin.saveState())
    {
        if (chunks.empty())
            std::abort();
        for (const host::StateChunkRecord& chunk : chunks)
            if (chunk.record.size() < kChunkHeaderSize)
                std::abort();
    }

    static const char* isolated(const FuzzInputFile& files)
    {
        platform::setRegistryFile(files.path);
        platform::setDriveRoot(files.folder / "drive");
        return KRAVO_LIBRARY_PATH;
    }

    FuzzInputFile files;
    host::HostedPlugin plugin;
    std::vector<host::StateChunkRecord> chunks;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Instance instance;
    if (size == 0)
        return 0;
    const host::StateChunkRecord& own = instance.chunks[data[0] % instance.chunks.size()];
    host::StateChunkRecord chunk{own.id, {}};
    if (size >= 2 && data[1] % 2 == 1) {
        chunk.record = own.record;
        std::copy_n(data + 2, std::min(size - 2, own.record.size() - kChunkHeaderSize),
                    chunk.record.begin() + kChunkHeaderSize);
    } else {
        chunk.record.assign(own.record.begin(), own.record.begin() + kChunkHeaderSize);
        chunk.record.insert(chunk.record.end(), data + std::min<std::size_t>(size, 2), data + size);
    }
    const auto length = static_cast<std::uint32_t>(chunk.record.size());
    std::memcpy(chunk.record.data() + offsetof(SHostPlugInChunk, length), &length, sizeof length);
    try {
        instance.plugin.loadState({chunk});
    } catch (const std::runtime_error&) {
    }
    if (instance.plugin.saveState().size() != instance.chunks.size())
        std::abort();
    return 0;
}
