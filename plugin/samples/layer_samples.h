#pragma once

#include "plugin/samples/sample_buffer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

// The user samples of the sample slots' layers (layer + 2 x slot) and the
// browser's preview sample (kPreview), and the hand-over that lets the editor's thread replace one while the audio thread
// plays it: a new buffer is fully read before it is published, the audio
// thread takes the published buffers once per block and says so, and a
// replaced buffer is freed on the editor's thread at once when the audio
// thread never took it, else only after the audio thread has moved on from it.
class LayerSamples {
public:
    static constexpr int kLayers = 16;
    static constexpr int kPreview = kLayers;
    static constexpr int kBuffers = kLayers + 1;

    LayerSamples();
    ~LayerSamples();
    LayerSamples(const LayerSamples&) = delete;
    LayerSamples& operator=(const LayerSamples&) = delete;

    // Editor's thread. Publishes a buffer (loaded or not) for a layer and
    // frees the replaced ones the audio thread no longer reads.
    void replace(int layer, std::unique_ptr<SampleBuffer> buffer);
    // The buffer last published for a layer, as the editor's thread sees it.
    const SampleBuffer& buffer(int layer) const { return *published[static_cast<std::size_t>(layer)].load(); }

    // Audio thread, before each block: takes the published buffers.
    void takePublished()
    {
        // Sequentially consistent with replace: a take that has not said it
        // started can only load what replace published after its exchange.
        taking.store(true);
        const std::uint64_t seen = publishCount.load(std::memory_order_acquire);
        for (int layer = 0; layer < kBuffers; ++layer)
            playing[static_cast<std::size_t>(layer)].store(
                published[static_cast<std::size_t>(layer)].load(), std::memory_order_relaxed);
        taking.store(false);
        takenCount.store(seen, std::memory_order_release);
    }
    // Audio thread: the buffer it plays for a layer. The reference holds only
    // until the next takePublished, after which the buffer may be freed: ask
    // again every block rather than keep it.
    const SampleBuffer& audioBuffer(int layer) const
    {
        return *playing[static_cast<std::size_t>(layer)].load(std::memory_order_relaxed);
    }

private:
    struct Retired {
        std::unique_ptr<SampleBuffer> buffer;
        std::uint64_t publishedAt; // the audio thread is done with it once it has taken this count
    };
    void freeRetired();
    bool audioMayHold(int layer, const SampleBuffer* buffer) const;

    std::array<std::atomic<SampleBuffer*>, kBuffers> published{};
    std::array<std::atomic<const SampleBuffer*>, kBuffers> playing{};
    std::atomic<bool> taking{false};
    std::atomic<std::uint64_t> publishCount{0};
    std::atomic<std::uint64_t> takenCount{0};
    std::vector<Retired> retired;
};
